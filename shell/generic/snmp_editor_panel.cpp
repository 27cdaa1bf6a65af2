#include "shell/generic/snmp_editor_panel.h"

#include "library/snmp/request_to_edits.h"
#include "library/snmp/write_result.h"
#include "platform/os/exception.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/form.h"
#include "shell/generic/ctrl_btn_panel.h"
#include "shell/generic/edits_panel.h"
#include "shell/generic/row_value_check.h"
#include "shell/generic/view_outcome.h"

namespace {

// The window of a dialog's button: the button's column, its view, the view's
// parent.
ui::Form* WindowOfButton(ui::Component* sender) {
    auto* button = dynamic_cast<ui::Control*>(sender);
    if (button == nullptr || button->Parent() == nullptr || button->Parent()->Parent() == nullptr) return nullptr;
    return dynamic_cast<ui::Form*>(button->Parent()->Parent()->Parent());
}

}  // namespace

TSNMPEditorPanel::TSNMPEditorPanel(ui::Control* parent, VkSNMPRequest2Edits* request)
    : TSNMPPanel(parent, nullptr, request) {
    EditsPanel = new TEditsPanel(ClientPanel, request);
    Buttons->SetCheckedButton->OnClick = [this](ui::Component* sender) { OnSetCheckedClick(sender); };
    Buttons->SetCheckedButton->SetEnabled(false);
    Buttons->CheckAllButton->OnClick = [this](ui::Component* sender) { OnCheckAllClick(sender); };
    Buttons->ClearChecksButton->OnClick = [this](ui::Component* sender) { OnClearChecksClick(sender); };
    EditsPanel->ArrangeCtrlBtn(Buttons);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    EditsPanel->SetEditWidth(width, 2);
    SetContent(EditsPanel);
    if (Form != nullptr) AttachToForm(Form);
}

// Every ticked row must hold a value before anything is sent: not empty,
// and a value of its variable's syntax.
std::string TSNMPEditorPanel::WriteRefusal(const std::vector<int>& rows) const {
    for (int i : rows) {
        if (EditsPanel->IsRowEmpty(i)) return "Some items are empty!";
    }
    const VkSNMPVarList& vars = Request->request.vars;
    for (int i : rows) {
        std::string refusal = RowValueRefusal(*vars.Item(i), EditsPanel->RowText(i), EditsPanel->IsIndexRow(i));
        if (!refusal.empty()) return refusal;
    }
    return std::string();
}

// The ticked rows are looked at as typed, then written synchronously and
// the outcome goes to the message panel; a refused write sends nothing and
// leaves a dialog open. A value the binding cannot convert goes on to the
// caller, nothing written.
void TSNMPEditorPanel::OnSetCheckedClick(ui::Component* sender) {
    std::vector<int> rows = EditsPanel->TickedRows();
    std::string refusal = WriteRefusal(rows);
    if (!refusal.empty()) {
        ui::MessageBox(refusal, "Warning", ui::Buttons::Ok, ui::Icon::Warning);
        return;
    }
    Request->CollectValues();
    ReportWrite(*Request, WriteRowsAsTheyStand(*Request, rows, false));
    if (sender != nullptr && sender->Tag() == 1) {
        if (ui::Form* window = WindowOfButton(sender)) window->Close();
    }
}

void TSNMPEditorPanel::SetEveryEnabledCheck(bool checked, ui::Component* sender) {
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        ui::CheckBox* check = EditsPanel->Rows[static_cast<size_t>(i)].check;
        if (check->Enabled()) check->SetChecked(checked);
    }
    // The column of the button pressed: a dialog's, while one borrows the rows.
    auto* button = dynamic_cast<ui::Control*>(sender);
    auto* column = button != nullptr ? dynamic_cast<TCtrlBtnPanel*>(button->Parent()) : nullptr;
    if (column == nullptr) column = Buttons;
    int ticked = EditsPanel->CheckedCount();
    if (checked && ticked >= 1) column->SetCheckedButton->SetEnabled(true);
    if (!checked && ticked == 0) column->SetCheckedButton->SetEnabled(false);
}

void TSNMPEditorPanel::OnCheckAllClick(ui::Component* sender) { SetEveryEnabledCheck(true, sender); }

void TSNMPEditorPanel::OnClearChecksClick(ui::Component* sender) { SetEveryEnabledCheck(false, sender); }
