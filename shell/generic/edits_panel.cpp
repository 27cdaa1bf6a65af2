#include "shell/generic/edits_panel.h"

#include <algorithm>

#include "library/snmp/request_to_edits.h"
#include "platform/os/exception.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/scroll_box.h"
#include "platform/ui/static_text.h"
#include "shell/generic/ctrl_btn_panel.h"

namespace {

constexpr int kCheckWidth = 20;
constexpr int kControlHeight = 21;  // edits and combo boxes
constexpr int kCheckHeight = 17;
constexpr int kMaxEditLength = 42;
constexpr int kMargin = 40;  // around the rows when the panel takes their size

int RowKind(const VkSNMPVarList& vars, int i) {
    bool withList = vars.Item(i)->options != nullptr;
    if (vars.IsWritable(i)) return withList ? 3 : 2;
    return withList ? 4 : 1;
}

std::string ControlText(const ui::Control* control) {
    if (auto* edit = dynamic_cast<const ui::Edit*>(control)) return edit->Text();
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(control)) return combo->Text();
    return std::string();
}

}  // namespace

TEditsPanel::TEditsPanel(ui::Control* parent, VkSNMPRequest2Edits* request) : ui::Panel(parent), Request(request) {
    SetName("EditsPanel");
    Box = new ui::ScrollBox(this);
    Box->SetName("RowBox");
    Box->SetAlign(ui::Align::Client);
    BuildRows(request);
    SetDisabledColors(ui::kColorBlack, ui::kColorButtonFace);
}

void TEditsPanel::BuildRows(VkSNMPRequest2Edits* request) {
    Request = request;
    const VkSNMPVarList& vars = request->request.vars;
    Rows.clear();
    for (int i = 0; i < vars.Count(); ++i) {
        UISnmpVar row;
        row.kind = RowKind(vars, i);
        row.format = "%s";
        row.check = new ui::CheckBox(Box);
        row.check->SetName("RowCheck" + std::to_string(i));
        row.check->SetBounds(0, 0, kCheckWidth, kCheckHeight);
        row.check->SetTabStop(false);
        row.check->SetTag(i);
        row.check->OnClick = [this](ui::Component* sender) { OnRowCheckClick(sender); };
        row.label = new ui::Label(Box);
        row.label->SetName("RowLabel" + std::to_string(i));
        row.label->SetCaption(vars.Item(i)->name);
        row.label->SetTag(i);
        if (row.kind == 3) {
            auto* combo = new ui::ComboBox(Box);
            combo->SetName("RowCombo" + std::to_string(i));
            combo->SetTag(i);
            combo->SetBounds(0, 0, EditWidth, kControlHeight);
            request->BindComboBox(i, combo);
            row.control = combo;
        } else {
            auto* edit = new ui::Edit(Box);
            edit->SetName("RowEdit" + std::to_string(i));
            edit->SetTag(i);
            edit->SetBounds(0, 0, EditWidth, kControlHeight);
            request->BindEdits(i, row.format, edit);
            row.control = edit;
        }
        Rows.push_back(row);
    }
    Rows.push_back(UISnmpVar{});
    SetCheckState(false);
    LayoutRows(2, true);
}

int TEditsPanel::SetCheckState(bool state) {
    CheckState = state;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsIndexRow(i) || IsReadOnlyRow(i)) {
            DisableRow(i);
        } else {
            EnableRow(i);
        }
    }
    return 3 * RowCount();
}

int TEditsPanel::SetDisabledColors(ui::Color fontColor, ui::Color backgroundColor) {
    DisabledFontColor = fontColor;
    DisabledColor = backgroundColor;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnlyRow(i)) DisableRow(i);
    }
    return 3 * RowCount();
}

void TEditsPanel::SetEditWidth(int width, int layout) {
    EditWidth = width;
    LayoutRows(layout, true);
}

void TEditsPanel::EnableRow(int i) {
    if (!IsRow(i)) return;
    const UISnmpVar& row = Rows[static_cast<size_t>(i)];
    row.check->SetEnabled(true);
    row.check->SetVisible(true);
    row.check->SetChecked(CheckState);
    row.control->SetEnabled(true);
    row.control->SetFontColor(ui::kColorBlack);
    row.control->SetBackgroundColor(ui::kColorWhite);
    if (auto* edit = dynamic_cast<ui::Edit*>(row.control)) {
        edit->SetReadOnly(false);
        edit->SetTabStop(true);
        edit->SetMaxLength(kMaxEditLength);
    }
}

void TEditsPanel::DisableRow(int i) {
    if (!IsRow(i)) {
        ui::ShowMessage("aIdx is overtop!\n you may define < " + std::to_string(RowCount()));
        return;
    }
    const UISnmpVar& row = Rows[static_cast<size_t>(i)];
    row.check->SetEnabled(false);
    row.check->SetVisible(false);
    row.check->SetChecked(false);
    row.control->SetFontColor(DisabledFontColor);
    row.control->SetBackgroundColor(DisabledColor);
    if (auto* edit = dynamic_cast<ui::Edit*>(row.control)) {
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
    } else {
        row.control->SetDisabledColors(DisabledFontColor, DisabledColor);
        row.control->SetEnabled(false);
    }
}

// Drawn as a disabled row, but with its check box shown and ticked: the row
// is written with the value the program put in.
void TEditsPanel::LockRow(int i) {
    if (!IsRow(i)) return;
    DisableRow(i);
    const UISnmpVar& row = Rows[static_cast<size_t>(i)];
    row.check->SetVisible(true);
    row.check->SetChecked(true);
}

bool TEditsPanel::IsHidden(int i) const { return Request->request.vars.IsHidden(i); }

void TEditsPanel::HideRow(int i) {
    if (!IsRow(i)) return;
    Request->request.vars.SetHidden(i, true);
    const UISnmpVar& row = Rows[static_cast<size_t>(i)];
    for (ui::Control* control : {row.control, static_cast<ui::Control*>(row.check),
                                 static_cast<ui::Control*>(row.label)}) {
        control->SetVisible(false);
    }
}

void TEditsPanel::ShowRow(int i) {
    if (!IsRow(i)) return;
    Request->request.vars.SetHidden(i, false);
    const UISnmpVar& row = Rows[static_cast<size_t>(i)];
    for (ui::Control* control : {row.control, static_cast<ui::Control*>(row.check),
                                 static_cast<ui::Control*>(row.label)}) {
        control->SetVisible(true);
    }
}

void TEditsPanel::ClearRow(int i) {
    if (!IsRow(i)) return;
    ui::Control* control = Rows[static_cast<size_t>(i)].control;
    if (auto* edit = dynamic_cast<ui::Edit*>(control)) edit->SetText("");
    if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) combo->SetItemIndex(-1);
    Request->request.vars.Item(i)->value.clear();
}

void TEditsPanel::ClearAllRows() {
    for (int i = 0; i < Request->request.vars.Count(); ++i) ClearRow(i);
}

std::string TEditsPanel::RowText(int i) const {
    return IsRow(i) ? ControlText(Rows[static_cast<size_t>(i)].control) : std::string();
}

bool TEditsPanel::IsRowEmpty(int i) const { return RowText(i).empty(); }

bool TEditsPanel::IsReadOnlyRow(int i) const { return !Request->request.vars.IsWritable(i); }

bool TEditsPanel::IsIndexRow(int i) const { return i < Request->request.vars.keyCount; }

bool TEditsPanel::HasNoEditableRow() const {
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsReadOnlyRow(i) && !IsIndexRow(i)) return false;
    }
    return true;
}

int TEditsPanel::EnabledCheckCount() const {
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end() - 1, [](const UISnmpVar& row) {
        return row.check->Visible() && row.check->Enabled();
    }));
}

std::vector<int> TEditsPanel::TickedRows() const {
    std::vector<int> ticked;
    for (int i = 0; i < RowCount(); ++i) {
        if (Rows[static_cast<size_t>(i)].check->Checked()) ticked.push_back(i);
    }
    return ticked;
}

int TEditsPanel::CheckedCount() const {
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end() - 1, [](const UISnmpVar& row) {
        return row.check->Visible() && row.check->Checked();
    }));
}

// The "Set Checked" button of the view that shows the rows (the panel's
// parent's parent: the table view's own, or a dialog's while one borrows the
// rows) follows whether any row is ticked.
void TEditsPanel::OnRowCheckClick(ui::Component*) {
    ui::Control* view = Parent() != nullptr ? Parent()->Parent() : nullptr;
    if (view == nullptr) return;
    for (int k = 0; k < view->ComponentCount(); ++k) {
        if (auto* buttons = dynamic_cast<TCtrlBtnPanel*>(view->ComponentAt(k))) {
            buttons->SetCheckedButton->SetEnabled(CheckedCount() >= 1);
            return;
        }
    }
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (Request == nullptr) throw os::Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (ui::Control* hidden : {static_cast<ui::Control*>(buttons->SamplesLabel),
                                static_cast<ui::Control*>(buttons->CountText),
                                static_cast<ui::Control*>(buttons->EditButton),
                                static_cast<ui::Control*>(buttons->AddButton),
                                static_cast<ui::Control*>(buttons->DeleteButton)}) {
        hidden->SetVisible(false);
    }
    for (ui::Control* shown : {buttons->RefreshButton, buttons->SetCheckedButton, buttons->CheckAllButton,
                               buttons->ClearChecksButton, buttons->CloseButton}) {
        shown->SetVisible(true);
    }
    if (HasNoEditableRow()) {
        buttons->SetCheckedButton->SetVisible(false);
        buttons->CheckAllButton->SetVisible(false);
        buttons->ClearChecksButton->SetVisible(false);
    } else if (EnabledCheckCount() <= 1) {
        buttons->CheckAllButton->SetVisible(false);
        buttons->ClearChecksButton->SetVisible(false);
        buttons->SetCheckedButton->SetCaption("Set");
        buttons->SetCheckedButton->SetEnabled(true);
        for (int i = 0; i < RowCount(); ++i) {
            ui::CheckBox* check = Rows[static_cast<size_t>(i)].check;
            if (check->Visible() && check->Enabled()) check->SetChecked(true);
        }
        if (CheckedCount() <= 1) {
            for (int i = 0; i < RowCount(); ++i) Rows[static_cast<size_t>(i)].check->SetVisible(false);
        }
    }
    buttons->ArrangeButtons();
}

// ---- layout ------------------------------------------------------------------

int TEditsPanel::WidestLabel() const {
    int widest = 0;
    for (int i = 0; i < RowCount(); ++i) widest = std::max(widest, Rows[static_cast<size_t>(i)].label->Width());
    return widest;
}

void TEditsPanel::CenterBesideControl(const UISnmpVar& row) {
    int top = row.control->Top();
    int height = row.control->Height();
    row.check->SetTop(top + (height - row.check->Height()) / 2);
    row.label->SetTop(top + (height - row.label->Height()) / 2);
}

void TEditsPanel::PlaceSideBySide() {
    int x = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsHidden(i)) continue;
        const UISnmpVar& row = Rows[static_cast<size_t>(i)];
        row.control->SetTop(20);
        row.check->SetLeft(x + 5);
        row.label->SetLeft(x + 5 + row.check->Width() + 5);
        row.control->SetLeft(row.label->Left() + row.label->Width() + 5);
        CenterBesideControl(row);
        x = std::max(x, row.control->Left() + row.control->Width());
    }
}

// The list's first row stands at 20 with its own height; every further shown
// row is made 21 high when lower than 20 and moves down by its height and 5.
void TEditsPanel::PlaceOneUnderAnother() {
    int y = 20;
    int controlLeft = 20 + kCheckWidth + 5 + WidestLabel() + 5;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsHidden(i)) continue;
        const UISnmpVar& row = Rows[static_cast<size_t>(i)];
        if (i != 0) {
            if (row.control->Height() < 20) row.control->SetHeight(kControlHeight);
            y += row.control->Height() + 5;
        }
        row.control->SetTop(y);
        row.check->SetLeft(20);
        row.label->SetLeft(row.check->Left() + row.check->Width() + 5);
        row.control->SetLeft(controlLeft);
        CenterBesideControl(row);
    }
}

void TEditsPanel::FitToRows() {
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsHidden(i)) continue;
        const ui::Control* control = Rows[static_cast<size_t>(i)].control;
        right = std::max(right, control->Left() + control->Width());
        bottom = std::max(bottom, control->Top() + control->Height());
    }
    SetAlign(ui::Align::None);
    SetBounds(Left(), Top(), right + kMargin, bottom + kMargin);
}

void TEditsPanel::LayoutRows(int layout, bool resize) {
    for (int i = 0; i < RowCount(); ++i) Rows[static_cast<size_t>(i)].control->SetWidth(EditWidth);
    if (layout == 1) PlaceSideBySide();
    if (layout == 2) PlaceOneUnderAnother();
    if (resize) FitToRows();
}
