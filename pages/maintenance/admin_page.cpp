#include "pages/maintenance/admin_page.h"

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/maintenance/admin_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"
#include "shell/new_req2edit.h"

TFM_Admin2* FM_Admin2 = nullptr;

const char* const AdminSetOkText = "Set OK!";
const char* const AdminSetErrorText = "Setting Error!";
const char* const AdminDeleteOkText = "Delete OK!";
const char* const AdminDeleteErrorText = "Delete Error!";
const char* const AdminLimitWarningText =
    "If Limit Administrator Status enable, VLAN Status and \nNetwork Access Protection Status will be disable!";
const char* const AdminLastRangeText = "Limit Admin IP will be disabled if the Limit Admin IP rule list is null!";

namespace {

constexpr int32_t kTimeout = Seconds(100);
constexpr int32_t kApModeTimeout = Seconds(10);
constexpr int kOn = 1;                // "Enable" / "enabled" in the switch combos
constexpr int kWirelessClient = 3;    // CB_APModeForAdmin
constexpr int kLabelLeft = 12;
constexpr int kEditLeft = 150;
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 404;
constexpr int kVlanIdLength = 4;
constexpr int kLoginLength = 64;
constexpr int kNameLength = 32;

ui::RadioButton* NewRadioButton(ui::Control* parent, const char* name, const char* caption, int left, int top) {
    auto* button = new ui::RadioButton(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, 70, 17);
    return button;
}

}  // namespace

TFM_Admin2::TFM_Admin2(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Admin2", "Tools \\ Administration", 420, 640);
    BuildControls();
    BuildHiddenControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_Admin2::BuildControls() {
    BuildLimitBox();
    BuildLowerBoxes();
    OK = NewButton(this, "OK", "Save", 120, 588, 75);
    Cancel = NewButton(this, "Cancel", "Cancel", 225, 588, 75);
    OK->OnClick = [this](ui::Component* sender) { OKClick(sender); };
    Cancel->OnClick = [this](ui::Component* sender) { CancelClick(sender); };
    StatusBar = NewStatusBar(this, "StatusBar", 0);
}

void TFM_Admin2::BuildLimitBox() {
    GB_Limit = NewGroupBox(this, "GB_Limit", " Limit Administrator", kBoxLeft, 6, kBoxWidth, 196);
    PlaceControls(GB_Limit, {
        {CheckBox_VID, "CheckBox_VID", "Limit Administrator VID", kLabelLeft, 20, 170},
        {Ed_VID, "Ed_VID", 190, 18, 60},
        {CkBx_ManagerState, "CkBx_ManagerState", "Limit Administrator IP", kLabelLeft, 46, 170},
        {La_IpRange, "La_IpRange", "IP Range", kLabelLeft, 74},
        {La_From, "La_From", "From:", 70, 74},
        {Ed_FromIP, "Ed_FromIP", 104, 70, 110},
        {La_To, "La_To", "To:", 222, 74},
        {Ed_ToIP, "Ed_ToIP", 244, 70, 110},
        {Btn_Add, "Btn_Add", "Add", 360, 68, 36},
    });
    ListView_User = NewListView(GB_Limit, "ListView_User", kLabelLeft, 98, 300, 88);
    ListView_User->AddColumn("Index", 50);
    ListView_User->AddColumn("Start", 120);
    ListView_User->AddColumn("End", 120);
    Btn_Del = NewButton(GB_Limit, "Btn_Del", "Delete", 321, 161, 75);
    CheckBox_VID->OnClick = [this](ui::Component* sender) { CheckBox_VIDClick(sender); };
    CkBx_ManagerState->OnClick = [this](ui::Component* sender) { CkBx_ManagerStateClick(sender); };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    Btn_Del->OnClick = [this](ui::Component* sender) { Btn_DelClick(sender); };
    ListView_User->OnClick = [this](ui::Component* sender) { ListView_UserClick(sender); };
}

void TFM_Admin2::BuildLowerBoxes() {
    GB_SystemName = NewGroupBox(this, "GB_SystemName", "System Name Settings ", kBoxLeft, 208, kBoxWidth, 72);
    PlaceControls(GB_SystemName, {
        {La_SysName, "La_SysName", "System Name  ", kLabelLeft, 22},
        {Ed_SysName, "Ed_SysName", kEditLeft, 18, 240},
        {La_Location, "La_Location", "Location ", kLabelLeft, 46},
        {Ed_Location, "Ed_Location", kEditLeft, 42, 240},
    });
    GB_Login = NewGroupBox(this, "GB_Login", " Login", kBoxLeft, 286, kBoxWidth, 120);
    PlaceControls(GB_Login, {
        {La_Usr, "La_Usr", "User Name", kLabelLeft, 22},
        {Ed_Usr, "Ed_Usr", kEditLeft, 18, 240},
        {La_OPwd, "La_OPwd", "Old Password", kLabelLeft, 46},
        {Ed_OPwd, "Ed_OPwd", kEditLeft, 42, 240},
        {La_NPwd, "La_NPwd", "New Password", kLabelLeft, 70},
        {Ed_NPwd, "Ed_NPwd", kEditLeft, 66, 240},
        {La_CNP, "La_CNP", "Confirm New Password", kLabelLeft, 94},
        {Ed_CNP, "Ed_CNP", kEditLeft, 90, 240},
    });
    for (ui::Edit* secret : {Ed_OPwd, Ed_NPwd, Ed_CNP}) secret->SetPasswordChar('*');
    GB_Console = NewGroupBox(this, "GB_Console", "Console", kBoxLeft, 412, kBoxWidth, 96);
    PlaceControls(GB_Console, {
        {La_ConsoleStatus, "La_ConsoleStatus", "Status", kLabelLeft, 22},
        {CheckBox_Console, "CheckBox_Console", "Enable", kEditLeft, 20, 80},
        {La_Protocol, "La_Protocol", "Console Protocol", kLabelLeft, 46},
        {La_Timeout, "La_Timeout", "Timeout", kLabelLeft, 70},
        {CB_Timeout, "CB_Timeout", kEditLeft, 66, 100},
    });
    RB_Telnet = NewRadioButton(GB_Console, "RB_Telnet", "Telnet", kEditLeft, 44);
    RB_SHH = NewRadioButton(GB_Console, "RB_SHH", "SSH", kEditLeft + 80, 44);
    GB_Trap = NewGroupBox(this, "GB_Trap", "Trap", kBoxLeft, 514, kBoxWidth, 70);
    PlaceControls(GB_Trap, {
        {La_TrapStatus, "La_TrapStatus", "Trap Status", kLabelLeft, 22},
        {CB_TrapStatus, "CB_TrapStatus", kEditLeft, 18, 100},
        {La_TrapServer, "La_TrapServer", "Trap Server IP", kLabelLeft, 46},
        {Ed_TrapServerIp, "Ed_TrapServerIp", kEditLeft, 42, 240},
    });
    CheckBox_Console->OnClick = [this](ui::Component* sender) { CheckBox_ConsoleClick(sender); };
    RB_Telnet->OnClick = [this](ui::Component* sender) { RB_NoneClick(sender); };
    RB_SHH->OnClick = [this](ui::Component* sender) { RB_NoneClick(sender); };
    CB_TrapStatus->OnChange = [this](ui::Component* sender) { CB_TrapStatusChange(sender); };
}

void TFM_Admin2::BuildHiddenControls() {
    GB_Control = NewGroupBox(this, "GB_Control", "Control Setting", kBoxLeft, 0, kBoxWidth, 48);
    CB_Ping = NewComboBox(GB_Control, "CB_Ping", kEditLeft, 18, 100);
    GB_Control->SetVisible(false);
    CB_TrapType = NewHiddenComboBox(GB_Trap, "CB_TrapType");
    Ch_SystemTrap = NewCheckBox(GB_Trap, "Ch_SystemTrap", "System Trap", 0, 0, 100);
    Ch_SystemTrap->SetVisible(false);
    Ch_WirelessTrap = NewCheckBox(GB_Trap, "Ch_WirelessTrap", "Wireless Trap", 0, 0, 100);
    Ch_WirelessTrap->SetVisible(false);
    Ed_Pwd = NewHiddenEdit(this, "Ed_Pwd");
    CB_managerIpAddressStatus = NewHiddenComboBox(this, "CB_managerIpAddressStatus");
    CB_Telnet = NewHiddenComboBox(this, "CB_Telnet");
    CB_SHH = NewHiddenComboBox(this, "CB_SHH");
    CB_DeviceApplySetting = NewHiddenComboBox(this, "CB_DeviceApplySetting");
    CB_VlanStatus = NewHiddenComboBox(this, "CB_VlanStatus");
    CB_NapStatus = NewHiddenComboBox(this, "CB_NapStatus");
    CB_APArryStatus = NewHiddenComboBox(this, "CB_APArryStatus");
    CB_APModeForAdmin = NewHiddenComboBox(this, "CB_APModeForAdmin");
    Ckb_WebRedirecitonStatus = NewCheckBox(this, "Ckb_WebRedirecitonStatus", "", 0, 0, 20);
    Ckb_WebRedirecitonStatus->SetVisible(false);
    Ckb_WebRedirecitonStatus->OnClick = [this](ui::Component* sender) { CheckBox_VIDClick(sender); };
    ListView_IpRange = NewListView(this, "ListView_IpRange", 0, 0, 100, 50);
    ListView_IpRange->SetVisible(false);
    LA_Index = NewLabel(this, "LA_Index", "", 0, 0);
    LA_Index->SetVisible(false);
    Ed_From = NewHiddenEdit(this, "Ed_From");
    Ed_To = NewHiddenEdit(this, "Ed_To");
    Ed_delete = NewHiddenEdit(this, "Ed_delete");
}

// Every group exists before the first read: a read that fails or raises
// leaves no group of a later step unmade.
void TFM_Admin2::MakeGroups() {
    Groups.Make(ApplyRequest, {"apply", VarsDeviceSettingApply, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_DeviceApplySetting);
    Groups.Make(LimitRequest, {"administrator limit", VarsAdminManagerLimit, SVT_SV, 0, kTimeout});
    LimitRequest->BindComboBox(AdminLimitRow::Status, CB_managerIpAddressStatus);
    LimitRequest->BindEdits(AdminLimitRow::VlanTag, "%u", Ed_VID);
    Groups.Make(VlanStatusRequest, {"VLAN status", VarsDot11VlanStatus, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_VlanStatus);
    Groups.Make(AccessProtectionRequest,
                {"network access protection", VarsAdminNetworkAccessProtection, MVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_NapStatus);
    Groups.Make(ConsoleRequest, {"console", VarsAdminConsole, MVT_SV, 0, kTimeout});
    ConsoleRequest->BindComboBox(AdminConsoleRow::Telnet, CB_Telnet);
    ConsoleRequest->BindComboBox(AdminConsoleRow::Ssh, CB_SHH);
    Groups.Make(ConsoleTimeoutRequest, {"console time-out", VarsAdminConsoleTimeout, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_Timeout);
    Groups.Make(SystemNameRequest, {"system name", VarsAdminSystemName, SVT_SV, 0, kTimeout});
    SystemNameRequest->BindEdits(AdminSystemNameRow::Name, "%s", Ed_SysName);
    SystemNameRequest->BindEdits(AdminSystemNameRow::Location, "%s", Ed_Location);
    Groups.Make(UserRequest, {"login", VarsAdminUser, MVT_SV, 0, kTimeout});
    UserRequest->BindEdits(AdminUserRow::Name, "%s", Ed_Usr);
    UserRequest->BindEdits(AdminUserRow::Password, "%s", Ed_Pwd);
    Groups.Make(TrapRequest, {"trap", VarsAdminTrap, MVT_SV, 0, kTimeout});
    TrapRequest->BindComboBox(AdminTrapRow::Status, CB_TrapStatus);
    TrapRequest->BindEdits(AdminTrapRow::Server, "%s", Ed_TrapServerIp);
    Groups.Make(PingRequest, {"ping control", VarsAdminPingControl, MVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_Ping);
    MakeRangeGroups();
    Groups.Make(ApArrayStatusRequest, {"AP array status", VarsApArrayStatus, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_APArryStatus);
    Groups.Make(WebRedirectionRequest, {"web redirection status", VarsWebRedirectionStatus, SVT_SV, 0, kTimeout})
        .BindCheckBox(SingleRow::Value, Ckb_WebRedirecitonStatus);
    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode2, MVT_SV, 0, kApModeTimeout})
        .BindComboBox(SingleRow::Value, CB_APModeForAdmin);
}

void TFM_Admin2::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        ReadGroups();
        StatusBar->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    FinishOpening();
}

void TFM_Admin2::ReadGroups() {
    Groups.BeginLoad();
    Groups.Read(*LimitRequest);
    Groups.Read(*VlanStatusRequest);
    Groups.Read(*AccessProtectionRequest);
    ShowLimitBoxes();
    if (Groups.Read(*ConsoleRequest)) {
        RB_Telnet->SetChecked(CB_Telnet->ItemIndex() == kOn);
        RB_SHH->SetChecked(CB_SHH->ItemIndex() == kOn);
    }
    Groups.Read(*ConsoleTimeoutRequest);
    Groups.Read(*SystemNameRequest);
    Groups.Read(*UserRequest);
    Groups.Read(*TrapRequest);
    CB_TrapStatusChange(this);
    RefreshRangeLists();
    Groups.Read(*ApArrayStatusRequest);
    if (CB_APArryStatus->ItemIndex() == kOn) DisableLimits();
    Groups.Read(*WebRedirectionRequest);
    Groups.Read(*ApModeRequest);
    if (CB_APModeForAdmin->ItemIndex() == kWirelessClient) DisableLimits();
}

void TFM_Admin2::ShowLimitBoxes() {
    if (std::optional<LimitBoxes> boxes = LimitBoxesFromStatus(CB_managerIpAddressStatus->ItemIndex())) {
        CheckBox_VID->SetChecked(boxes->vlanId);
        CkBx_ManagerState->SetChecked(boxes->address);
    }
    Ed_VID->SetEnabled(CheckBox_VID->Checked());
}

void TFM_Admin2::DisableLimits() {
    CheckBox_VID->SetChecked(false);
    CkBx_ManagerState->SetChecked(false);
    EnableControls({CheckBox_VID, CkBx_ManagerState}, false);
}

void TFM_Admin2::FinishOpening() {
    Ed_VID->SetMaxLength(kVlanIdLength);
    for (ui::Edit* login : {Ed_Usr, Ed_OPwd, Ed_NPwd, Ed_CNP}) login->SetMaxLength(kLoginLength);
    Ed_SysName->SetMaxLength(kNameLength);
    Ed_Location->SetMaxLength(kNameLength);
    CheckBox_Console->SetChecked(CB_Telnet->ItemIndex() == kOn || CB_SHH->ItemIndex() == kOn);
    ResetRangeInput();
    CkBx_ManagerStateClick(this);
    CheckBox_ConsoleClick(this);
    for (ui::Edit* password : {Ed_OPwd, Ed_NPwd, Ed_CNP}) password->SetText(Ed_Pwd->Text());
}

void TFM_Admin2::CancelClick(ui::Component*) { Close(); }

void TFM_Admin2::CheckBox_VIDClick(ui::Component*) {
    const bool limited = CheckBox_VID->Checked();
    Ed_VID->SetEnabled(limited);
    if (limited && (Ckb_WebRedirecitonStatus->Checked() || CB_NapStatus->ItemIndex() == kOn ||
                    CB_VlanStatus->ItemIndex() == kOn))
        ui::MessageBox(AdminLimitWarningText, "Warning", ui::Buttons::Ok);
}

void TFM_Admin2::CkBx_ManagerStateClick(ui::Component*) {
    EnableControls({Ed_FromIP, Ed_ToIP, Btn_Add}, CkBx_ManagerState->Checked());
}

void TFM_Admin2::CheckBox_ConsoleClick(ui::Component*) {
    const bool enabled = CheckBox_Console->Checked();
    EnableControls({RB_Telnet, RB_SHH, CB_Timeout}, enabled);
    if (enabled) {
        if (!RB_Telnet->Checked() && !RB_SHH->Checked()) RB_Telnet->SetChecked(true);
        return;
    }
    CB_Telnet->SetItemIndex(0);
    CB_SHH->SetItemIndex(0);
}

void TFM_Admin2::RB_NoneClick(ui::Component*) {
    CB_Telnet->SetItemIndex(RB_Telnet->Checked() ? kOn : 0);
    CB_SHH->SetItemIndex(RB_SHH->Checked() ? kOn : 0);
}

void TFM_Admin2::CB_TrapStatusChange(ui::Component*) { Ed_TrapServerIp->SetEnabled(CB_TrapStatus->ItemIndex() != 0); }

void TFM_Admin2::ResetRangeInput() {
    Ed_FromIP->SetText("");
    Ed_ToIP->SetText("");
    Btn_Del->SetEnabled(false);
}

