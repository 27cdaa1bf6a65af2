// New_req2Edit: the numbered walk of a table with vacant rows.

#include "shell/new_req2edit.h"

#include "platform/ui/application.h"
#include "platform/ui/list_view.h"

namespace {

// The variable of the list view's first column: the first zero-width column
// when there is one, otherwise the first shown column (the order in which the
// base class lays out the columns); -1 when the list has no column.
int FirstColumnItem(const VkSNMPVarList& vars) {
    for (int i = 0; i < vars.Count(); ++i)
        if (vars.IsHiddenColumn(i)) return i;
    for (int i = 0; i < vars.Count(); ++i)
        if (vars.IsShownColumn(i)) return i;
    return -1;
}

}  // namespace

New_req2Edit::New_req2Edit(ui::Control* owner) : VkSNMPRequest2Edits(owner) {}

void New_req2Edit::BeforeGet() {
    numberedRows_.clear();  // the read empties the list view
    VkSNMPRequest2Edits::BeforeGet();
}

void New_req2Edit::AddRow() {
    if (listView == nullptr) {
        VkSNMPRequest2Edits::AddRow();  // every row into the bound controls
        return;
    }
    if (IsVacantRow()) return;
    AddNumberedRow();
    ++RowNumber;
    ui::Application::Instance()->ProcessMessages();  // the view paints while a walk runs
}

void New_req2Edit::AddNumberedRow() {
    if (listView == nullptr) return;
    AddListRow();
    ui::ListItem* item = listView->Item(listView->ItemCount() - 1);
    NumberedRow row{std::to_string(RowNumber), FirstColumnItem(request.vars), item->Caption()};
    item->SetCaption(row.number);
    numberedRows_[item] = row;
}

void New_req2Edit::OnListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) {
    VkSNMPRequest2Edits::OnListViewSelectItem(sender, item, selected);
    if (!selected) return;
    const NumberedRow* row = SelectedNumberedRow();
    if (row == nullptr || row->firstColumn < 0) return;
    request.vars.Item(row->firstColumn)->value = row->deviceValue;
    ValuesToControls(row->firstColumn);
    modified = false;
}

void New_req2Edit::CollectValues() {
    VkSNMPRequest2Edits::CollectValues();
    // A control bound to the first column shows the device's value since the
    // row was selected (or what the user typed there) and has been collected.
    const NumberedRow* row = SelectedNumberedRow();
    if (row == nullptr || row->firstColumn < 0 || IsBound(row->firstColumn)) return;
    request.vars.Item(row->firstColumn)->value = row->deviceValue;
}

bool New_req2Edit::IsVacantRow() const {
    if (SkipColumn < 0 || SkipColumn >= request.vars.Count()) return false;
    return request.vars.Item(SkipColumn)->value == SkipValue;
}

const New_req2Edit::NumberedRow* New_req2Edit::SelectedNumberedRow() const {
    if (listView == nullptr || listView->Selected() == nullptr) return nullptr;
    const ui::ListItem* item = listView->Selected();
    auto found = numberedRows_.find(item);
    // An item the page put in itself, at the place of one of ours, is not ours.
    if (found == numberedRows_.end() || item->Caption() != found->second.number) return nullptr;
    return &found->second;
}

bool New_req2Edit::IsBound(int item) const {
    for (const auto& binding : bindings)
        if (binding->item == item) return true;
    return false;
}
