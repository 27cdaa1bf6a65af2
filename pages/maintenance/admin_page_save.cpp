// The Administration page's Save: every check first, then the writes in
// their order, each group with the rows it means, under the wait notice from
// the console's write on.
#include <memory>

#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/waiting_steps.h"
#include "pages/maintenance/admin_page.h"
#include "pages/maintenance/admin_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"

namespace {

constexpr int kOn = 1;
constexpr int kApplyNow = 1;
constexpr char kNoticeText[] = "The settings are saving now.";

}  // namespace

AdminInput TFM_Admin2::SaveInput() const {
    AdminInput in;
    in.limitVlanId = CheckBox_VID->Checked();
    in.vlanId = Ed_VID->Text();
    in.limitAddress = CkBx_ManagerState->Checked();
    in.ranges = ListView_User->ItemCount();
    in.systemName = Ed_SysName->Text();
    in.location = Ed_Location->Text();
    in.user = Ed_Usr->Text();
    in.oldPassword = Ed_OPwd->Text();
    in.devicePassword = Ed_Pwd->Text();
    in.newPassword = Ed_NPwd->Text();
    in.confirmPassword = Ed_CNP->Text();
    in.trapEnabled = CB_TrapStatus->ItemIndex() == kOn;
    in.trapServer = Ed_TrapServerIp->Text();
    return in;
}

void TFM_Admin2::RefuseSave(const AdminRefusal& refusal) {
    ui::Edit* edit = nullptr;
    switch (refusal.focus) {
    case AdminField::VlanId: edit = Ed_VID; break;
    case AdminField::FromAddress: edit = Ed_FromIP; break;
    case AdminField::SystemName: edit = Ed_SysName; break;
    case AdminField::Location: edit = Ed_Location; break;
    case AdminField::User: edit = Ed_Usr; break;
    case AdminField::NewPassword: edit = Ed_NPwd; break;
    case AdminField::TrapServer: edit = Ed_TrapServerIp; break;
    case AdminField::None: break;
    }
    if (refusal.clearField && edit != nullptr) edit->SetText("");
    if (refusal.resetRanges) ResetRangeInput();
    Refuse(refusal.message, "Warning", edit);
}

void TFM_Admin2::OKClick(ui::Component*) {
    if (std::optional<AdminRefusal> refusal = CheckAdminInput(SaveInput())) {
        RefuseSave(*refusal);
        return;
    }
    if (LimitRequest == nullptr || TrapRequest == nullptr) return;  // the groups were never made
    std::unique_ptr<WaitNotice> notice;
    GroupWrites writes(Groups);
    try {
        if (CB_TrapStatus->ItemIndex() == kOn) {
            writes.Write(*TrapRequest, {AdminTrapRow::Status, AdminTrapRow::Server});
        } else {
            CB_TrapStatus->SetItemIndex(0);
            writes.Write(*TrapRequest, {AdminTrapRow::Status});
        }
        notice = std::make_unique<WaitNotice>(this, "Please wait...", kNoticeText);
        WriteConsole(writes);
        CB_DeviceApplySetting->SetItemIndex(kApplyNow);
        CB_managerIpAddressStatus->SetItemIndex(
            LimitStatusFromBoxes({CheckBox_VID->Checked(), CkBx_ManagerState->Checked()}));
        WriteUser(writes);
        writes.Write(*SystemNameRequest, {AdminSystemNameRow::Name, AdminSystemNameRow::Location});
        if (CheckBox_VID->Checked())
            writes.Write(*LimitRequest, {AdminLimitRow::Status, AdminLimitRow::VlanTag});
        else
            writes.Write(*LimitRequest, {AdminLimitRow::Status});
    } catch (const os::Exception& error) {
        notice.reset();
        StatusBar->ShowMessage(error.Message());
        return;
    }
    notice.reset();
    if (!writes.AllWritten()) {
        StatusBar->ShowMessage(writes.FailureText(AdminSetErrorText));
        return;
    }
    ResetRangeInput();
    Groups.Read(*ConsoleRequest);
    StatusBar->ShowMessage(AdminSetOkText);
}

// Telnet or SSH on writes that switch alone and then the time-out; the
// console off writes both switches off and no time-out.
void TFM_Admin2::WriteConsole(GroupWrites& writes) {
    const bool on = CheckBox_Console->Checked();
    const int chosen = !on                  ? -1
                       : RB_Telnet->Checked() ? AdminConsoleRow::Telnet
                       : RB_SHH->Checked()    ? AdminConsoleRow::Ssh
                                              : -1;
    if (chosen < 0) {
        CB_Telnet->SetItemIndex(0);
        CB_SHH->SetItemIndex(0);
        writes.Write(*ConsoleRequest, {AdminConsoleRow::Telnet, AdminConsoleRow::Ssh});
        return;
    }
    (chosen == AdminConsoleRow::Telnet ? CB_Telnet : CB_SHH)->SetItemIndex(kOn);
    writes.Write(*ConsoleRequest, {chosen});
    writes.Write(*ConsoleTimeoutRequest, {SingleRow::Value});
}

// The password goes with the name only when the user typed a new one; the
// page takes it as the device's current password only once the device took
// it.
void TFM_Admin2::WriteUser(GroupWrites& writes) {
    const std::string current = Ed_Pwd->Text();
    const std::string typed = Ed_NPwd->Text();
    if (typed == current) {
        writes.Write(*UserRequest, {AdminUserRow::Name});
        return;
    }
    Ed_Pwd->SetText(typed);
    if (writes.Write(*UserRequest, {AdminUserRow::Name, AdminUserRow::Password})) {
        Ed_OPwd->SetText(typed);
        return;
    }
    Ed_Pwd->SetText(current);
}
