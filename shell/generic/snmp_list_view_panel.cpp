#include "shell/generic/snmp_list_view_panel.h"

#include <algorithm>

#include "library/snmp/request_to_edits.h"
#include "library/snmp/synchronous_for.h"
#include "library/snmp/syntax_index.h"
#include "library/snmp/write_result.h"
#include "platform/os/exception.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/list_view.h"
#include "platform/ui/static_text.h"
#include "shell/generic/ctrl_btn_panel.h"
#include "shell/generic/edits_panel.h"
#include "shell/generic/list_view_panel.h"
#include "shell/generic/view_outcome.h"

namespace {

bool ComboLists(const ui::ComboBox& combo, const std::string& text) {
    for (int k = 0; k < combo.ItemCount(); ++k) {
        if (combo.ItemText(k) == text) return true;
    }
    return false;
}

// Two values of an index column name the same row when they give the same
// sub-identifiers ("05" and "5"); a text that encodes as none only equals
// itself.
bool SameIndexValue(int32_t syntax, const std::string& a, const std::string& b) {
    if (a == b) return true;
    try {
        return EncodeIndexValue(syntax, a, false) == EncodeIndexValue(syntax, b, false);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(ui::Control* parent, VkSNMPRequest2Edits* request)
    : TSNMPEditorPanel(parent, request) {
    ListViewPanel = new TListViewPanel(ClientPanel, request);
    ui::ListView* list = ListViewPanel->ListView;
    list->OnDblClick = [this](ui::Component* sender) { OnListDblClick(sender); };
    list->OnClick = [this](ui::Component* sender) { OnListClick(sender); };
    list->OnChange = [this](ui::Component* sender, ui::ListItem* item) { OnListChange(sender, item); };
    list->OnMouseMove = [this](ui::Component* sender, int x, int y) { OnListMouseMove(sender, x, y); };
    Buttons->RefreshButton->OnClick = [this](ui::Component* sender) { OnListRefreshClick(sender); };
    Buttons->EditButton->OnClick = [this](ui::Component* sender) { OnEditClick(sender); };
    Buttons->AddButton->OnClick = [this](ui::Component* sender) { OnAddClick(sender); };
    Buttons->DeleteButton->OnClick = [this](ui::Component* sender) { OnDeleteClick(sender); };
    ListViewPanel->ArrangeCtrlBtn(Buttons);
    if (EditsPanel->HasNoEditableRow()) {
        Buttons->EditButton->SetVisible(false);
        Buttons->ArrangeButtons();
    }
    SetContent(ListViewPanel);
    OnBeforeAdd = {&TSNMPListViewPanel::ClearRowsBeforeAdd, this};
}

void TSNMPListViewPanel::SetStatus(int row, const std::string& text, const char* wrongText, int& statusRow,
                                   std::string& statusText, ui::Control* button) {
    const ui::ComboBox* combo = nullptr;
    if (row >= 0 && row < EditsPanel->RowCount()) {
        combo = dynamic_cast<const ui::ComboBox*>(EditsPanel->Rows[static_cast<size_t>(row)].control);
    }
    if (combo == nullptr || !ComboLists(*combo, text)) throw os::Exception(wrongText + text);
    statusRow = row;
    statusText = text;
    button->SetVisible(true);
    Buttons->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int row, const std::string& text) {
    SetStatus(row, text, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:", ListViewPanel->AddStatusRow,
              ListViewPanel->AddStatusText, Buttons->AddButton);
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const std::string& text) {
    SetStatus(row, text, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:",
              ListViewPanel->DeleteStatusRow, ListViewPanel->DeleteStatusText, Buttons->DeleteButton);
}

void TSNMPListViewPanel::OnAddClick(ui::Component* sender) {
    OnBeforeAdd(sender);
    ShowAddDialog();
    OnAfterAdd(sender);
}

void TSNMPListViewPanel::OnEditClick(ui::Component* sender) {
    OnBeforeEdit(sender);
    ShowEditDialog();
    OnAfterEdit(sender);
}

void TSNMPListViewPanel::ClearRowsBeforeAdd(void* context, ui::Component*) {
    static_cast<TSNMPListViewPanel*>(context)->EditsPanel->ClearAllRows();
}

// Only the delete-status column goes into the write, at the selected row's
// index; the outcome goes to the message panel and the list is then read
// again synchronously.
void TSNMPListViewPanel::OnDeleteClick(ui::Component*) {
    if (ui::MessageBox("Are you sure to delete ?", "Delete", ui::Buttons::YesNo, ui::Icon::Question) !=
        ui::Answer::Yes) {
        return;
    }
    int statusRow = ListViewPanel->DeleteStatusRow;
    VkWriteResult result;
    try {
        Request->CollectValues();
        Request->request.vars.Item(statusRow)->value = ListViewPanel->DeleteStatusText;
        result = WriteRowsAsTheyStand(*Request, {statusRow}, false);
    } catch (const os::Exception& error) {
        result = VkWriteResult{false, error.HelpContext(), error.Message()};
    }
    ReportWrite(*Request, result);
    SynchronousFor synchronous(*Request);
    OnListRefreshClick(Buttons->RefreshButton);
}

// While the Add dialog is open, a typed index must name a row that holds no
// entry: a listed row is free only when its delete status shows the delete
// text (without a delete status every listed row is in use).
std::string TSNMPListViewPanel::WriteRefusal(const std::vector<int>& rows) const {
    std::string refusal = TSNMPEditorPanel::WriteRefusal(rows);
    if (!refusal.empty() || !adding_ || !TypedIndexInUse()) return refusal;
    return "The row " + TypedIndex() + " is in use!";
}

bool TSNMPListViewPanel::TypedIndexInUse() const {
    const ui::ListView& list = *ListViewPanel->ListView;
    for (int k = 0; k < list.ItemCount(); ++k) {
        const ui::ListItem& row = *list.Item(k);
        if (HasTypedIndex(row) && !IsDeleted(row)) return true;
    }
    return false;
}

bool TSNMPListViewPanel::HasTypedIndex(const ui::ListItem& row) const {
    const VkSNMPVarList& vars = Request->request.vars;
    for (int i = 0; i < vars.keyCount && i < EditsPanel->RowCount(); ++i) {
        if (!SameIndexValue(vars.Item(i)->syntax, EditsPanel->RowText(i), Request->ListCell(row, i))) return false;
    }
    return vars.keyCount > 0;
}

bool TSNMPListViewPanel::IsDeleted(const ui::ListItem& row) const {
    int statusRow = ListViewPanel->DeleteStatusRow;
    return statusRow >= 0 && Request->ListCell(row, statusRow) == ListViewPanel->DeleteStatusText;
}

// The typed index columns as the user typed them, joined by dots.
std::string TSNMPListViewPanel::TypedIndex() const {
    std::string index;
    for (int i = 0; i < Request->request.vars.keyCount && i < EditsPanel->RowCount(); ++i)
        index += (index.empty() ? "" : ".") + EditsPanel->RowText(i);
    return index;
}

void TSNMPListViewPanel::OnListRefreshClick(ui::Component* sender) {
    if (Request->async && Request->busy) return;
    Buttons->EditButton->SetEnabled(false);
    Buttons->DeleteButton->SetEnabled(false);
    OnRefreshClick(sender);
}

void TSNMPListViewPanel::OnListClick(ui::Component*) {
    try {
        bool selected = ListViewPanel->ListView->Selected() != nullptr;
        Buttons->EditButton->SetEnabled(selected);
        Buttons->DeleteButton->SetEnabled(selected);
        if (!selected) EditsPanel->ClearAllRows();
    } catch (const std::exception&) {
    }
}

void TSNMPListViewPanel::OnListDblClick(ui::Component*) {
    try {
        if (ListViewPanel->ListView->Selected() != nullptr) Buttons->EditButton->Click();
    } catch (const std::exception&) {
    }
}

void TSNMPListViewPanel::OnListChange(ui::Component*, ui::ListItem*) {
    Buttons->CountText->SetCaption(std::to_string(ListViewPanel->ListView->ItemCount()));
}

void TSNMPListViewPanel::OnListMouseMove(ui::Component*, int x, int y) {
    ui::ListView* list = ListViewPanel->ListView;
    ui::ListItem* item = list->ItemAt(x, y);
    if (item == nullptr) {
        list->SetShowHint(false);
        return;
    }
    std::vector<std::string> captions;
    std::vector<std::string> cells;
    for (int c = 0; c < list->ColumnCount(); ++c) {
        captions.push_back(list->ColumnCaption(c));
        cells.push_back(c == 0 ? item->Caption() : (c - 1 < item->SubItemCount() ? item->SubItem(c - 1) : ""));
    }
    list->SetHint(ListRowHint(captions, cells));
    list->SetShowHint(true);
}

std::string ListRowHint(const std::vector<std::string>& captions, const std::vector<std::string>& cells) {
    size_t longest = 0;
    for (const std::string& caption : captions) longest = std::max(longest, caption.size());
    std::string hint;
    for (size_t c = 0; c < captions.size(); ++c) {
        hint += captions[c] + std::string(longest - captions[c].size(), '\t') + "  ";
        hint += (c < cells.size() ? cells[c] : std::string()) + "\n";
    }
    return hint;
}
