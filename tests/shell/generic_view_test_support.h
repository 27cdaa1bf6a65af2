#pragma once
// What the tests of the generic views share: the page fixture (a simulator
// per test, the process's session pointed at it), a request over one of the
// shell's variable tables as a host window would make it, and the fixture of
// the views hosted by a configuration window.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/memo.h"
#include "shell/generic/ctrl_btn_panel.h"
#include "shell/generic/config_form.h"
#include "shell/generic/edits_panel.h"
#include "shell/generic/list_view_panel.h"
#include "shell/generic/msg_panel.h"
#include "shell/generic/snmp_list_view_panel.h"
#include "shell/mib_tables.h"
#include "tests/pages/page_test_support.h"

namespace generictest {

// owner deletes nothing: the caller (or the window the request is given to)
// frees the request.
inline VkSNMPRequest2Edits* NewRequest(ui::Control* owner, const VkSNMPVarEntry* table, VkSNMPVarListKind kind,
                                       int keyCount) {
    auto* request = new VkSNMPRequest2Edits(owner);
    request->request.vars = VkSNMPVarList(table, kind, keyCount);
    return request;
}

// Which of the column's commands are shown, in column order, by caption.
inline std::vector<std::string> ShownCommands(const TCtrlBtnPanel& buttons) {
    std::vector<std::string> shown;
    for (ui::BitmapButton* button : {buttons.RefreshButton, buttons.EditButton, buttons.SetCheckedButton,
                                     buttons.AddButton, buttons.DeleteButton, buttons.CheckAllButton,
                                     buttons.ClearChecksButton, buttons.CloseButton}) {
        if (button->Visible()) shown.push_back(button->Caption());
    }
    return shown;
}

inline ui::Edit* RowEdit(const TEditsPanel& rows, int i) {
    return dynamic_cast<ui::Edit*>(rows.Rows.at(static_cast<size_t>(i)).control);
}
inline ui::ComboBox* RowCombo(const TEditsPanel& rows, int i) {
    return dynamic_cast<ui::ComboBox*>(rows.Rows.at(static_cast<size_t>(i)).control);
}
inline ui::CheckBox* RowCheck(const TEditsPanel& rows, int i) { return rows.Rows.at(static_cast<size_t>(i)).check; }

// The lines of a message panel, in order.
inline std::vector<std::string> Lines(const ui::Memo& memo) {
    std::vector<std::string> lines;
    for (int k = 0; k < memo.LineCount(); ++k) lines.push_back(memo.Line(k));
    return lines;
}

// A cell of the DHCP static pool (column, row index) as the simulator names it.
inline std::string StaticColumn(int column, int index) {
    return "E.3.1.3.2.1." + std::to_string(column) + "." + std::to_string(index);
}

class GenericViewsTest : public pagetest::PageTest {
protected:
    GenericViewsTest() : window_(std::make_unique<TConfigForm>(nullptr)) {}

    TConfigForm& Window() { return *window_; }
    TSNMPEditorPanel* Editor(const VkSNMPVarEntry* table, VkSNMPVarListKind kind, int keyCount) {
        return window_->SetEditorRequest(NewRequest(window_.get(), table, kind, keyCount));
    }
    // The DHCP static pool, with the status column as add and delete status
    // where a text is given.
    TSNMPListViewPanel* StaticTable(const std::string& addText = "", const std::string& deleteText = "") {
        return Table(VarsDhcpStaticTable, addText, deleteText);
    }
    // The same over another list of the pool's columns.
    TSNMPListViewPanel* Table(const VkSNMPVarEntry* table, const std::string& addText, const std::string& deleteText) {
        return window_->SetListViewRequest(NewRequest(window_.get(), table, MVT_UMV, 1), DhcpStaticRow::Status,
                                           addText, DhcpStaticRow::Status, deleteText);
    }
    // The lines of the view's message panel (a table view's for its dialogs).
    static std::vector<std::string> PanelLines(const TSNMPPanel* view) { return Lines(*view->MsgPanel->Memo); }
    // Runs the window's own first read and waits for it.
    void Load(TSNMPPanel* view) {
        RunFor(20);
        ASSERT_TRUE(RunUntil([&] { return !view->Request->busy; }));
    }
    // Selects a row of the list once a read under way (the one after a
    // dialog) has filled it.
    void SelectRow(TSNMPListViewPanel* view, int item) {
        ASSERT_TRUE(RunUntil([&] { return !view->Request->busy; }));
        ui::ListView* list = view->ListViewPanel->ListView;
        list->SetSelected(list->Item(item));
        view->OnListClick(list);
    }
    // Runs `inDialog` with the Add or Edit dialog once it is open (looking
    // again a while when it opens late), then closes it unless the action did.
    void WhileDialogOpen(TSNMPListViewPanel* view, std::function<void(ui::Form&)> inDialog, int looks = 50) {
        Later(20, [this, view, inDialog, looks] {
            if (view->ActiveDialog == nullptr && looks > 0) return WhileDialogOpen(view, inDialog, looks - 1);
            ASSERT_NE(view->ActiveDialog, nullptr);
            ui::Form& dialog = *view->ActiveDialog;
            inDialog(dialog);
            if (view->ActiveDialog != nullptr) view->ActiveDialog->Close();
        });
    }
    static ui::BitmapButton* DialogButton(ui::Form& dialog, const std::string& name) {
        return dynamic_cast<ui::BitmapButton*>(dialog.FindComponent(name));
    }

private:
    std::unique_ptr<TConfigForm> window_;
};

}  // namespace generictest
