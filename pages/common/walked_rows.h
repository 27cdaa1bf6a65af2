#pragma once
// A device table as a page shows it: the walk fills a hidden list view, one
// item per device row, its caption the row's own index; the visible list
// shows the rows in use. Every choice the user makes in the visible list is
// turned back into the device's index here, so a write always addresses the
// row by its index, never by where it stands in either list.
//
//   WalkedRows Rules{FreeWhenEmpty(QosRuleRow::Name)};   // a member of the page
//   Rules.Use(LV_QosRules);                              // once the hidden list exists
//   Rules.Show(*LV_QosRulesUser, [](const ui::ListItem& row, ui::ListItem& shown) { ... });
//   ui::ListItem* row = Rules.ChosenRow(*LV_QosRulesUser);  // the device row of the user's choice
//   ui::ListItem* free = Rules.FirstFree();                 // a new entry's row, wherever it stands
//
// A free row is one the page's predicate calls free (an empty name, a zero
// MAC, 0.0.0.0); Show lists every other row in walk order, or, for a table
// with rows that are neither free nor whole entries, the rows a second
// predicate calls listed (and of them, with a filter, those it lets through).
//
// A row's index is its caption (the walk's first index column), or the cell
// given at construction for a table walked with several index columns whose
// last one tells the rows apart (the SSID table: interface, SSID index).

#include <functional>
#include <string>
#include <vector>

namespace ui {
class ListItem;
class ListView;
}  // namespace ui
class VkSNMPRequest2Edits;

class WalkedRows {
public:
    using IsFree = std::function<bool(const ui::ListItem& row)>;
    using IsListed = IsFree;
    using Fill = std::function<void(const ui::ListItem& row, ui::ListItem& shown)>;

    // indexColumn: the cell that holds a row's index (0: the caption).
    explicit WalkedRows(IsFree isFree, int indexColumn = 0)
        : isFree_(std::move(isFree)), indexColumn_(indexColumn) {}
    // isListed: the rows Show lists; null lists every row that is not free.
    WalkedRows(IsFree isFree, IsListed isListed) : isFree_(std::move(isFree)), isListed_(std::move(isListed)) {}

    // The hidden list the walk fills.
    void Use(ui::ListView* walked) { walked_ = walked; }
    // The list of the group that walks the table (bound already): a row the
    // walk did not return whole is never taken for a new entry, since what
    // the device holds in it is not known; so a new entry is always written
    // whole. Such a row is listed as the predicates say.
    void Use(const VkSNMPRequest2Edits& group);

    // Replaces the visible list's items: one per listed row (and, with a
    // filter, let through by it), in walk order, made by fill; remembers the
    // index of each.
    void Show(ui::ListView& visible, const Fill& fill, const IsListed& listed = nullptr);

    // The index of a walked row.
    std::string IndexOf(const ui::ListItem& row) const;

    // The device index of the visible row at position; "" when there is none.
    std::string IndexAt(int position) const;
    // The device index of the visible list's chosen row; "" when none is chosen.
    std::string ChosenIndex(const ui::ListView& visible) const;
    // The walked row of the visible list's chosen row; null when none is chosen.
    ui::ListItem* ChosenRow(const ui::ListView& visible) const;
    // The walked row with that index; null when the walk has none.
    ui::ListItem* RowOfIndex(const std::string& index) const;
    // The first free walked row, wherever it stands; null when none is free.
    ui::ListItem* FirstFree() const;
    // The walked row selected in the hidden list when its index is the one
    // the page shows for the entry it writes; null otherwise (the selection
    // moved, or nothing is selected).
    ui::ListItem* SelectedIf(const std::string& shownIndex) const;

    // The rows in use, as Show listed them.
    int UsedCount() const { return static_cast<int>(indexes_.size()); }
    const std::vector<std::string>& Indexes() const { return indexes_; }
    bool IsFreeRow(const ui::ListItem& row) const;

private:
    bool IsListedRow(const ui::ListItem& row) const { return isListed_ ? isListed_(row) : !isFree_(row); }

    IsFree isFree_;
    int indexColumn_ = 0;
    IsListed isListed_;
    ui::ListView* walked_ = nullptr;
    const VkSNMPRequest2Edits* group_ = nullptr;
    std::vector<std::string> indexes_;
};

// The status text of an action on the rows refused while a walk is still
// filling the hidden list (the rows are not all there yet).
extern const char* const WalkRunningText;

// Predicates for the free rows device tables use: the cell in the column is
// empty / is the address 0.0.0.0 (in any spelling) / is the zero MAC address.
WalkedRows::IsFree FreeWhenEmpty(int column);
WalkedRows::IsFree FreeWhenNoAddress(int column);
WalkedRows::IsFree FreeWhenZeroMac(int column);
