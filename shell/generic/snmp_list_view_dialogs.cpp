// The Add and Edit dialogs of the table view. Each is a modal window holding
// a view on the same request that shares the table view's message panel and
// borrows its row editor; the editor goes back to the table view before the
// dialog is destroyed, on every way out.

#include <memory>
#include <optional>

#include "library/snmp/request_to_edits.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/form.h"
#include "platform/ui/list_view.h"
#include "shell/generic/ctrl_btn_panel.h"
#include "shell/generic/edits_panel.h"
#include "shell/generic/list_view_panel.h"
#include "shell/generic/snmp_list_view_panel.h"

namespace {

constexpr int kEditDialogEditWidth = 200;
constexpr int kBusyWaitMs = 1000;

// Takes text out of a combo box's entries for a while and puts it back at its
// place afterwards; the shown entry stays the same.
class RemovedEntry {
public:
    RemovedEntry(ui::ComboBox* combo, const std::string& text) : combo_(combo), text_(text) {
        std::vector<std::string> items = Entries();
        for (size_t k = 0; k < items.size(); ++k) {
            if (items[k] != text) continue;
            position_ = static_cast<int>(k);
            items.erase(items.begin() + static_cast<long>(k));
            Replace(items);
            return;
        }
    }
    bool Removed() const { return position_ >= 0; }
    void PutBack() {
        if (!Removed()) return;
        std::vector<std::string> items = Entries();
        items.insert(items.begin() + std::min(position_, static_cast<int>(items.size())), text_);
        Replace(items);
        position_ = -1;
    }

private:
    std::vector<std::string> Entries() const {
        std::vector<std::string> items;
        for (int k = 0; k < combo_->ItemCount(); ++k) items.push_back(combo_->ItemText(k));
        return items;
    }
    void Replace(const std::vector<std::string>& items) {
        std::string shown = combo_->Text();
        combo_->ClearItems();
        int index = -1;
        for (size_t k = 0; k < items.size(); ++k) {
            combo_->AddItem(items[k]);
            if (items[k] == shown) index = static_cast<int>(k);
        }
        combo_->SetItemIndex(index);
    }

    ui::ComboBox* combo_;
    std::string text_;
    int position_ = -1;
};

// The caption of the window a view sits in: its parent's when that is a form,
// otherwise its attached form's.
std::string WindowCaption(const TSNMPPanel& view) {
    if (auto* form = dynamic_cast<ui::Form*>(view.Parent())) return form->Caption();
    return view.Form != nullptr ? view.Form->Caption() : std::string();
}

// While a dialog is open: afterwards, on every way out, the row editor comes
// back hidden into the table view and the constraint owner goes back to the
// view's window.
class DialogLoan {
public:
    explicit DialogLoan(TSNMPListViewPanel& view) : view_(view) {}
    ~DialogLoan() {
        view_.ActiveDialog = nullptr;
        view_.EndAdding();
        view_.EditsPanel->SetVisible(false);
        view_.EditsPanel->SetAlign(ui::Align::None);
        view_.EditsPanel->SetParent(view_.ClientPanel);
        view_.Request->SetConstraintOwner(view_.Form);
    }
    DialogLoan(const DialogLoan&) = delete;
    DialogLoan& operator=(const DialogLoan&) = delete;

private:
    TSNMPListViewPanel& view_;
};

}  // namespace

// Makes the dialog's view on the same request, sharing the message panel,
// its commands going to this view's handlers ("Set Checked" with tag 1, so a
// write closes the dialog).
TSNMPPanel* TSNMPListViewPanel::OpenDialog(ui::Form& dialog, const std::string& caption) {
    dialog.SetName("ConfigDialog");
    dialog.SetCaption(caption);
    dialog.SetPosition(ui::FormPosition::MainFormCenter);
    Request->SetConstraintOwner(&dialog);
    auto* view = new TSNMPPanel(&dialog, MsgPanel, Request);
    TCtrlBtnPanel* buttons = view->Buttons;
    buttons->SetCheckedButton->SetTag(1);
    buttons->SetCheckedButton->OnClick = [this](ui::Component* sender) { OnSetCheckedClick(sender); };
    buttons->CheckAllButton->OnClick = [this](ui::Component* sender) { OnCheckAllClick(sender); };
    buttons->ClearChecksButton->OnClick = [this](ui::Component* sender) { OnClearChecksClick(sender); };
    return view;
}

// Shows the dialog modally with the borrowed row editor as its content.
void TSNMPListViewPanel::RunDialog(ui::Form& dialog, TSNMPPanel& view) {
    view.SetContent(EditsPanel);
    view.AttachToForm(&dialog);
    ActiveDialog = &dialog;
    dialog.ShowModal();
}

// A new Add dialog starts unticked: only the index rows the user types and
// the add status row the program fills are written.
void TSNMPListViewPanel::ShowAddDialog() {
    std::unique_ptr<ui::Form> dialog = std::make_unique<ui::Form>(nullptr);
    std::optional<DialogLoan> loan(std::in_place, *this);
    TSNMPPanel* view = OpenDialog(*dialog, WindowCaption(*this) + " (Add)");
    EditsPanel->SetCheckState(false);
    for (int i = 0; i < EditsPanel->RowCount() && EditsPanel->IsIndexRow(i); ++i) {
        const UISnmpVar& row = EditsPanel->Rows[static_cast<size_t>(i)];
        EditsPanel->EnableRow(i);
        row.check->SetChecked(true);
        row.check->SetVisible(true);
        row.check->SetEnabled(false);
        row.control->SetEnabled(true);
    }
    int statusRow = ListViewPanel->AddStatusRow;
    if (statusRow >= 0 && statusRow < EditsPanel->RowCount()) {
        EditsPanel->LockRow(statusRow);
        auto* combo = dynamic_cast<ui::ComboBox*>(EditsPanel->Rows[static_cast<size_t>(statusRow)].control);
        for (int k = 0; combo != nullptr && k < combo->ItemCount(); ++k) {
            if (combo->ItemText(k) == ListViewPanel->AddStatusText) combo->SetItemIndex(k);
        }
    }
    EditsPanel->ArrangeCtrlBtn(view->Buttons);
    view->Buttons->RefreshButton->SetVisible(false);
    view->Buttons->ArrangeButtons();
    EditsPanel->LayoutRows(2, true);
    ListViewPanel->ListView->SetSelected(nullptr);
    Buttons->EditButton->SetEnabled(false);
    Buttons->DeleteButton->SetEnabled(false);
    adding_ = true;
    RunDialog(*dialog, *view);
    loan.reset();
    dialog.reset();
    OnListRefreshClick(Buttons->RefreshButton);
}

// An asynchronous read still under way is stopped first (waiting at most a
// second for it to end).
void TSNMPListViewPanel::WaitForRead() {
    if (!Request->async) return;
    Request->request.enabled = false;
    uint64_t start = os::TickCount();
    uint64_t limit = static_cast<uint64_t>(os::Scaled(kBusyWaitMs));
    while (Request->busy && os::TickCount() - start < limit) ui::Application::Instance()->WaitForMessages(5);
    Request->request.enabled = true;
}

void TSNMPListViewPanel::ShowEditDialog() {
    WaitForRead();
    std::unique_ptr<ui::Form> dialog = std::make_unique<ui::Form>(nullptr);
    std::optional<DialogLoan> loan(std::in_place, *this);
    TSNMPPanel* view = OpenDialog(*dialog, Form != nullptr ? Form->Caption() : std::string());
    view->Buttons->SetCheckedButton->SetEnabled(false);
    EditsPanel->SetCheckState(false);
    EditsPanel->ArrangeCtrlBtn(view->Buttons);
    EditsPanel->LayoutRows(2, true);
    view->Buttons->RefreshButton->SetVisible(false);
    view->Buttons->ArrangeButtons();
    EditsPanel->SetEditWidth(kEditDialogEditWidth, 2);

    // The add and delete status cannot be picked while editing; a combo box
    // left without entries hides its row.
    struct Removal {
        int row = -1;
        std::unique_ptr<RemovedEntry> entry;
        bool hidden = false;
    };
    Removal removals[2];  // add first, then delete; put back in reverse, before the list is read again
    const std::pair<int, std::string> statuses[2] = {
        {ListViewPanel->AddStatusRow, ListViewPanel->AddStatusText},
        {ListViewPanel->DeleteStatusRow, ListViewPanel->DeleteStatusText}};
    for (int s = 0; s < 2; ++s) {
        int row = statuses[s].first;
        if (row < 0 || row >= EditsPanel->RowCount()) continue;
        auto* combo = dynamic_cast<ui::ComboBox*>(EditsPanel->Rows[static_cast<size_t>(row)].control);
        if (combo == nullptr) continue;
        removals[s].row = row;
        removals[s].entry = std::make_unique<RemovedEntry>(combo, statuses[s].second);
        if (combo->ItemCount() == 0) {
            EditsPanel->HideRow(row);
            removals[s].hidden = true;
        }
    }
    // A hidden row leaves no gap.
    EditsPanel->LayoutRows(2, true);
    struct PutBack {
        TEditsPanel& rows;
        Removal* removals;
        ~PutBack() {
            for (int s = 1; s >= 0; --s) {
                if (removals[s].entry == nullptr) continue;
                if (removals[s].hidden) rows.ShowRow(removals[s].row);
                removals[s].entry->PutBack();
            }
        }
    };
    {
        PutBack putBack{*EditsPanel, removals};
        RunDialog(*dialog, *view);
    }
    loan.reset();
    dialog.reset();
    OnListRefreshClick(Buttons->RefreshButton);
}
