// The AP Array page's actions: the scan and the two lists it fills, "Clear
// all" and Save.

#include <vector>

#include "library/common/messages.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/wireless/ap_array_page.h"
#include "pages/wireless/ap_array_page_rules.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"

const char* const ApArraySaveOkText = "Save OK!";
const char* const ApArraySaveFailText = "Save fail!";

namespace {

constexpr int kRefreshItem = 1;  // "refresh"
constexpr char kGetOk[] = "Get OK!";

std::vector<int> AllSwitches() {
    std::vector<int> rows;
    for (int row = 0; row < kApArraySyncSwitches; ++row) rows.push_back(row);
    return rows;
}

}  // namespace

// ---- scan -------------------------------------------------------------------

void TFM_APArray::Bt_ScanClick(ui::Component*) {
    if (ScanRequest == nullptr) return;
    Cbox_Scan->SetItemIndex(kRefreshItem);
    StartWrite(*ScanRequest, false);  // always ends in OnArrayScanDone
}

// Once the device has scanned, both lists are walked again.
void TFM_APArray::OnArrayScanDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        StatusBar1->ShowMessage(result->text);
        return;
    }
    Groups.BeginLoad();
    StartListReads();
}

void TFM_APArray::StartListReads() {
    LV_CurrentMem->ClearItems();
    MembersRequest->RowNumber = 1;
    if (!Groups.StartRead(*MembersRequest)) {
        StatusBar1->ShowMessage(Groups.LoadText());
        ShowConnection();
    }
    if (!Groups.StartRead(*ScanListRequest)) StatusBar1->ShowMessage(Groups.LoadText());
}

void TFM_APArray::OnArrayScanListDone(VkSNMPError* result) {
    if (result->code == VK_OK) {
        LV_ApArrayListUser->ClearItems();
        for (int i = 0; i < LV_ApArrayList->ItemCount(); ++i) {
            const ui::ListItem& walked = *LV_ApArrayList->Item(i);
            ui::ListItem* row = LV_ApArrayListUser->AddItem();
            row->SetCaption(CellText(walked, ApArrayScanListRow::Name));
            for (int cell = ApArrayScanListRow::MasterIp; cell <= ApArrayScanListRow::Total; ++cell)
                row->AddSubItem(CellText(walked, cell));
        }
    }
    ShowReadEnd(*result);
}

void TFM_APArray::OnArrayMembersDone(VkSNMPError* result) {
    ShowReadEnd(*result);
    ShowConnection();
}

void TFM_APArray::ShowConnection() {
    Lb_ConnectStatus->SetCaption(LV_CurrentMem->ItemCount() >= 1 ? "Connect" : "Disconnect");
}

void TFM_APArray::ShowReadEnd(const VkSNMPError& result) {
    if (result.code != VK_OK) {
        StatusBar1->ShowMessage(result.text);
        return;
    }
    StatusBar1->ShowMessage(Groups.EndText(kGetOk));
}

// ---- Clear all and Save -----------------------------------------------------

void TFM_APArray::Btn_ClearallClick(ui::Component*) {
    for (ui::CheckBox* box : SyncCheckBoxes) box->SetChecked(false);
}

// The name is checked first (also while the array is being turned off); then
// the settings and the switches are written, or nothing at all while either
// holds no values read from the device. The settings are read again after.
void TFM_APArray::Bt_ArraySaveClick(ui::Component*) {
    if (SettingsRequest == nullptr || SwitchesRequest == nullptr) return;
    RadioToRole();
    const ArrayNameRefusal refusal = CheckArrayName(Ed_APArrayName->Text());
    if (!refusal.message.empty()) {
        Refuse(refusal.message, refusal.caption, Ed_APArrayName);
        return;
    }
    std::vector<int> settings = {ApArraySettingsRow::Name};
    if (!ArrayOffByApMode) settings.push_back(ApArraySettingsRow::Status);
    if (Cbox_ArrayMode->ItemIndex() >= 0) settings.push_back(ApArraySettingsRow::ModeSelect);
    if (!SecretUnchanged(*SettingsRequest, ApArraySettingsRow::Password, Ed_APArrayPW))
        settings.push_back(ApArraySettingsRow::Password);
    GroupWrites writes(Groups);
    const bool bothRead = Groups.WasRead(*SettingsRequest) && Groups.WasRead(*SwitchesRequest);
    // A group not read is refused by its write, which names it.
    if (bothRead || !Groups.WasRead(*SettingsRequest)) writes.Write(*SettingsRequest, settings);
    if (bothRead || !Groups.WasRead(*SwitchesRequest)) writes.Write(*SwitchesRequest, AllSwitches());
    StatusBar1->ShowMessage(writes.AllWritten() ? ApArraySaveOkText : writes.FailureText(ApArraySaveFailText));
    Groups.BeginLoad();
    if (Groups.Read(*SettingsRequest) && Groups.WasRead(*ApModeRequest)) ApplyApModeRule();
    RoleToRadio();
    EnableArrayControls(*this);
}
