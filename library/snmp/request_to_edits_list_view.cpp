// VkSNMPRequest2Edits: the bound list view. Its columns, the cells of every
// row and the selected row handed back all follow one order: the
// hidden-column variables (zero width), then the shown ones, each in list
// order.

#include "library/snmp/request_to_edits.h"
#include "library/snmp/syntax_value.h"
#include "platform/ui/list_view.h"

namespace {

std::vector<int> ColumnOrder(const VkSNMPVarList& vars) {
    std::vector<int> order;
    for (int i = 0; i < vars.Count(); ++i)
        if (vars.IsHiddenColumn(i)) order.push_back(i);
    for (int i = 0; i < vars.Count(); ++i)
        if (vars.IsShownColumn(i)) order.push_back(i);
    return order;
}

}  // namespace

void VkSNMPRequest2Edits::BindListView(ui::ListView* view, bool enableOnSelect) {
    listView = view;
    view->SetHideSelection(false);
    view->SetGridLines(true);
    savedOnSelectItem = view->OnSelectItem;
    view->OnSelectItem = [this](ui::Component* sender, ui::ListItem* item, bool selected) {
        OnListViewSelectItem(sender, item, selected);
    };
    this->enableOnSelect = enableOnSelect;
    columnsKnown_ = false;
    PrepareColumns();
}

void VkSNMPRequest2Edits::PrepareColumns() {
    if (listView == nullptr) return;
    std::vector<int> order = ColumnOrder(request.vars);
    bool tooFew = listView->ColumnCount() < static_cast<int>(order.size());
    // Columns a page laid out itself stay while the variables keep their places.
    bool moved = columnsKnown_ && order != columnItems_;
    columnItems_ = order;
    columnsKnown_ = true;
    if (!tooFew && !moved) return;
    listView->ClearColumns();
    for (int item : order) {
        const VkSNMPVarItem& variable = *request.vars.Item(item);
        listView->AddColumn(variable.name, request.vars.IsHiddenColumn(item) ? 0 : ui::kColumnFitCaption);
    }
}

void VkSNMPRequest2Edits::AddListRow() {
    if (listView == nullptr) return;
    ui::ListItem* row = listView->AddItem();
    rowMarks_[row] = MarksOfLastAnswer();
    for (size_t k = 0; k < columnItems_.size(); ++k) {
        // A cell the walk did not return shows empty.
        const std::string value =
            request.CellMissing(columnItems_[k]) ? std::string() : request.vars.Item(columnItems_[k])->value;
        if (k == 0)
            row->SetCaption(value);
        else
            row->AddSubItem(value);
    }
}

void VkSNMPRequest2Edits::SelectedRowToValues() {
    shownMarks_ = RowMarks();
    if (listView == nullptr || listView->Selected() == nullptr) return;
    const ui::ListItem& row = *listView->Selected();
    auto marks = rowMarks_.find(&row);
    if (marks != rowMarks_.end()) shownMarks_ = marks->second;
    for (size_t k = 0; k < columnItems_.size(); ++k) {
        int cell = static_cast<int>(k) - 1;
        if (cell >= row.SubItemCount()) break;
        VkSNMPVarItem& variable = *request.vars.Item(columnItems_[k]);
        variable.value = k == 0 ? row.Caption() : row.SubItem(cell);
        if (IsMarked(columnItems_[k])) variable.value = NoValueText(variable.syntax);
    }
}

std::string VkSNMPRequest2Edits::ListCell(const ui::ListItem& row, int item) const {
    for (size_t k = 0; k < columnItems_.size(); ++k) {
        if (columnItems_[k] != item) continue;
        if (k == 0) return row.Caption();
        int cell = static_cast<int>(k) - 1;
        return cell < row.SubItemCount() ? row.SubItem(cell) : std::string();
    }
    return std::string();
}

bool VkSNMPRequest2Edits::RowWhole(const ui::ListItem& row) const {
    auto marks = rowMarks_.find(&row);
    return marks == rowMarks_.end() || marks->second.missing.empty();
}

void VkSNMPRequest2Edits::OnListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) {
    if (savedOnSelectItem) {
        VkListSelectEvent pageHandler = savedOnSelectItem;
        pageHandler(sender, item, selected);
    }
    if (!selected) return;
    if (enableOnSelect) EnableControls(true);
    if (listView != nullptr) SelectedRowToValues();
    ValuesToControls(-1);
    modified = false;
}
