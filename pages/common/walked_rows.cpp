#include "pages/common/walked_rows.h"

#include "library/snmp/request_to_edits.h"
#include "pages/common/control_helpers.h"
#include "pages/common/same_value.h"
#include "platform/ui/list_view.h"

const char* const WalkRunningText = "The list is still being read: try again once it is shown.";

void WalkedRows::Use(const VkSNMPRequest2Edits& group) {
    walked_ = group.listView;
    group_ = &group;
}

bool WalkedRows::IsFreeRow(const ui::ListItem& row) const {
    return isFree_(row) && (group_ == nullptr || group_->RowWhole(row));
}

void WalkedRows::Show(ui::ListView& visible, const Fill& fill, const IsListed& listed) {
    visible.ClearItems();
    indexes_.clear();
    if (walked_ == nullptr) return;
    for (int i = 0; i < walked_->ItemCount(); ++i) {
        const ui::ListItem& row = *walked_->Item(i);
        if (!IsListedRow(row) || (listed && !listed(row))) continue;
        fill(row, *visible.AddItem());
        indexes_.push_back(IndexOf(row));
    }
}

std::string WalkedRows::IndexOf(const ui::ListItem& row) const { return CellText(row, indexColumn_); }

std::string WalkedRows::IndexAt(int position) const {
    if (position < 0 || position >= UsedCount()) return "";
    return indexes_[static_cast<size_t>(position)];
}

std::string WalkedRows::ChosenIndex(const ui::ListView& visible) const {
    const ui::ListItem* chosen = visible.Selected();
    return chosen != nullptr ? IndexAt(chosen->Index()) : "";
}

ui::ListItem* WalkedRows::ChosenRow(const ui::ListView& visible) const {
    const std::string index = ChosenIndex(visible);
    return index.empty() ? nullptr : RowOfIndex(index);
}

ui::ListItem* WalkedRows::RowOfIndex(const std::string& index) const {
    if (walked_ == nullptr || index.empty()) return nullptr;
    for (int i = 0; i < walked_->ItemCount(); ++i)
        if (IndexOf(*walked_->Item(i)) == index) return walked_->Item(i);
    return nullptr;
}

ui::ListItem* WalkedRows::FirstFree() const {
    if (walked_ == nullptr) return nullptr;
    for (int i = 0; i < walked_->ItemCount(); ++i)
        if (IsFreeRow(*walked_->Item(i))) return walked_->Item(i);
    return nullptr;
}

ui::ListItem* WalkedRows::SelectedIf(const std::string& shownIndex) const {
    if (walked_ == nullptr) return nullptr;
    ui::ListItem* row = walked_->Selected();
    if (row == nullptr || shownIndex.empty() || IndexOf(*row) != shownIndex) return nullptr;
    return row;
}

WalkedRows::IsFree FreeWhenEmpty(int column) {
    return [column](const ui::ListItem& row) { return CellText(row, column).empty(); };
}

WalkedRows::IsFree FreeWhenNoAddress(int column) {
    return [column](const ui::ListItem& row) { return SameAddress(CellText(row, column), kNoAddress); };
}

WalkedRows::IsFree FreeWhenZeroMac(int column) {
    return [column](const ui::ListItem& row) { return SameMacAddress(CellText(row, column), "000000000000"); };
}
