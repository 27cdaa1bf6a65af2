#pragma once
// A list view in report style: columns with captions and widths, rows of
// items whose caption is the first cell and whose sub-items are the further
// cells. Whole rows are selected, one at a time; cells cannot be edited.
//
// OnSelectItem(sender, item, selected) runs for every change of the selected
// row, by the user or by the program: first for the row that loses the
// selection (selected false), then for the row that gains it (true).
// Removing rows (ClearItems, DeleteItem) runs no selection event: the removed
// items are gone by then.
//
// OnChange(sender, item) runs after an item was added, after its cells
// changed and after its selection changed; after rows were removed it runs
// once with a null item.
//
// With check boxes on, every row shows one before its caption; the user
// ticks it with the mouse or the space bar, which runs OnChange for the row
// (as does SetChecked when the state changes).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class ListView;

class ListItem {
public:
    ListView* View() const { return view_; }
    int Index() const;

    const std::string& Caption() const { return cells_[0]; }
    void SetCaption(const std::string& caption);

    int SubItemCount() const { return static_cast<int>(cells_.size()) - 1; }
    // Raises os::ListIndexError outside 0..SubItemCount()-1.
    const std::string& SubItem(int index) const;
    void AddSubItem(const std::string& text);
    void SetSubItem(int index, const std::string& text);
    void ClearSubItems();

    bool Selected() const;
    void SetSelected(bool selected);

    // The row's check box (see ListView::SetCheckBoxes).
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

private:
    friend class ListView;
    explicit ListItem(ListView* view) : view_(view), cells_(1) {}
    // Shows the new cells and reports the change.
    void CellsChanged();

    ListView* view_;
    std::vector<std::string> cells_;
    bool checked_ = false;
};

// A column width that fits the caption and every cell: the column widens
// when a longer cell comes, until the program sets a width of its own.
constexpr int kColumnFitCaption = -2;

class ListView : public Control {
public:
    explicit ListView(Control* parent);
    ~ListView() override;

    int ColumnCount() const;
    void AddColumn(const std::string& caption, int width);
    void ClearColumns();
    std::string ColumnCaption(int index) const;
    int ColumnWidth(int index) const;
    void SetColumnWidth(int index, int width);

    int ItemCount() const { return static_cast<int>(items_.size()); }
    // Raises os::ListIndexError outside 0..ItemCount()-1.
    ListItem* Item(int index) const;
    ListItem* AddItem();
    void DeleteItem(int index);
    void ClearItems();

    ListItem* Selected() const { return selected_; }
    // Selects the item (null: none).
    void SetSelected(ListItem* item);
    // The item at a point of the view's area, or null.
    ListItem* ItemAt(int x, int y) const;

    void SetGridLines(bool gridLines);
    // Shows a check box on every row.
    void SetCheckBoxes(bool checkBoxes);
    bool CheckBoxes() const { return checkBoxes_; }
    // Keeps the selection visible when the view loses the focus.
    void SetHideSelection(bool hide);

    std::function<void(Component* sender, ListItem* item, bool selected)> OnSelectItem;
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    std::function<void(Component* sender, int x, int y)> OnMouseMove;
    std::function<void(Component* sender, ListItem* item)> OnChange;

private:
    friend class ListItem;
    friend class ListViewWatcher;
    void ShowItem(const ListItem* item);
    void SelectionChanged();
    void MouseMoved(int x, int y);
    void Changed(ListItem* item);
    void FitColumns();
    void FitRow(int row);
    void CheckToggled(int row, int column);

    std::vector<std::unique_ptr<ListItem>> items_;
    std::vector<bool> fitted_;  // per column: sized to its caption and cells
    ListItem* selected_ = nullptr;
    bool removing_ = false;
    bool checkBoxes_ = false;
    bool showing_ = false;  // cells are being put in: no user change
};

}  // namespace ui
