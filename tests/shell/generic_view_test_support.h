#pragma once
// What the tests of the generic views share: the page fixture (a simulator
// per test, the process's session pointed at it) and a request over one of
// the shell's variable tables, as a host window would make it.

#include <string>

#include "library/snmp/request_to_edits.h"
#include "platform/ui/bitmap_button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "shell/generic/ctrl_btn_panel.h"
#include "shell/generic/edits_panel.h"
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

}  // namespace generictest
