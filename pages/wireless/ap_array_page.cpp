#include "pages/wireless/ap_array_page.h"

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/ap_array_page_rules.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"
#include "shell/new_req2edit.h"

TFM_APArray* FM_APArray = nullptr;

namespace {

constexpr int kFormWidth = 620;
constexpr int kFormHeight = 590;
constexpr int kAccessPoint = 0;   // the AP mode list's first item
constexpr int kScanEnabled = 1;  // "enable"
constexpr int kNameLength = 32;

// Where a switch's box is: its name, caption, tab and whether it is shown.
struct SyncBox {
    const char* name;
    const char* caption;
    int tab;
    bool shown;
};

// By the switches' rows (E.3.11.3.1.1.2.1 to .34.1).
constexpr SyncBox kSyncBoxes[kApArraySyncSwitches] = {
    {"CheckBox1", "Network Name (SSID) ", 0, true},
    {"CheckBox4", "SSID Visibility ", 0, true},
    {"CheckBox2", "Auto Channel Selection ", 0, true},
    {"CheckBox5", "Channel width ", 0, true},
    {"CheckBox3", "Security ", 0, true},
    {"CheckBox6", "Data Rate ", 1, true},
    {"CheckBox12", "Beacon Interval ", 1, true},
    {"CheckBox7", "DTIM Interval ", 1, true},
    {"CheckBox13", "Transmit Power ", 1, true},
    {"CheckBox8", "WMM (Wi-Fi Multimedia)", 1, true},
    {"CheckBox14", "Ack Time Out ", 1, true},
    {"CheckBox9", "Short GI", 1, true},
    {"CheckBox15", "IGMP Snooping ", 1, true},
    {"CheckBox16", "Connection Limit ", 1, true},
    {"CheckBox10", "Link Integrity ", 1, true},
    {"CheckBox17", "SSID ", 2, true},
    {"CheckBox20", "SSID Visibility ", 2, true},
    {"CheckBox18", "Security ", 2, true},
    {"CheckBox21", "WMM ", 2, true},
    {"CheckBox25", "QoS Settings ", 3, true},
    {"CheckBox19", "VLAN ", 2, true},
    {"CheckBox22", "Schedule Settings ", 3, true},
    {"CheckBox24", "Time and Date Settings ", 3, true},
    {"CheckBox26", "Log Settings ", 3, true},
    {"CheckBox27", "Limit Administrator ", 4, false},
    {"CheckBox30", "System Name Settings ", 4, true},
    {"CheckBox31", "Console Settings ", 4, true},
    {"CheckBox29", "SNMP Settings ", 4, true},
    {"CheckBox32", "Ping Control Setting ", 4, false},
    {"CheckBox23", "DHCP server Settings ", 3, true},
    {"CheckBox28", "Login Settings ", 4, true},
    {"CheckBox11", "Wireless ACL ", 1, true},
    {"chk_Band", "Band", 0, false},
};

// The tabs; "&&" shows one ampersand.
struct Tab {
    const char* name;
    const char* caption;
};
constexpr Tab kTabs[kApArrayTabs] = {
    {"TabSheet1", "Wireless Basic "},
    {"TabSheet2", "Wireless Advanced "},
    {"TabSheet3", "Multiple SSID && VLAN  "},
    {"TabSheet4", "Advanced Functions  "},
    {"TabSheet5", "Administration"},
};

// The shown boxes of a tab run down three columns of four.
constexpr int kBoxRows = 4;
constexpr int kBoxColumnStep = 190;
constexpr int kBoxRowStep = 21;

void AddColumns(ui::ListView* view, std::initializer_list<const char*> captions) {
    for (const char* caption : captions) view->AddColumn(caption, ui::kColumnFitCaption);
}

}  // namespace

TFM_APArray::TFM_APArray(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_APArray", "Advanced \\  AP Array", kFormWidth, kFormHeight);
    BuildControls();
    BuildSwitchTabs();
    BuildHiddenHolders();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_APArray::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "AP Array", 8, 6, 604, 532);
    Chk_APArray = NewCheckBox(GroupBox1, "Chk_APArray", "Enable AP Array ", 16, 24, 130);
    RadioGroup1 = new ui::RadioGroup(GroupBox1);
    RadioGroup1->SetName("RadioGroup1");
    RadioGroup1->SetBounds(160, 18, 330, 36);  // inside the group's frame, beside the check box
    RadioGroup1->SetColumns(3);
    for (const char* role : {"Master", "Backup Master", "Slave"}) RadioGroup1->AddItem(role);
    PlaceControls(GroupBox1, {
        {Lb_APArrayName, "Lb_APArrayName", "AP Array name ", 16, 62},
        {Ed_APArrayName, "Ed_APArrayName", 140, 58, 160},
        {Lb_APArrayPW, "Lb_APArrayPW", "AP Array password ", 316, 62},
        {Ed_APArrayPW, "Ed_APArrayPW", 436, 58, 152},
        {Lb_Connection, "Lb_Connection", "Connection Status", 16, 92},
        {Lb_ConnectStatus, "Lb_ConnectStatus", "Connect", 140, 92},
        {Lb_Scan, "Lb_Scan", "Scan AP Array List ", 316, 92},
        {Bt_Scan, "Bt_Scan", "Scan", 436, 86, 75},
    });
    Ed_APArrayName->SetMaxLength(kNameLength);
    Ed_APArrayPW->SetMaxLength(kNameLength);
    Ed_APArrayPW->SetPasswordChar('*');
    GroupBox2 = NewGroupBox(GroupBox1, "GroupBox2", "AP Array List ", 8, 118, 588, 122);
    LV_ApArrayListUser = NewListView(GroupBox2, "LV_ApArrayListUser", 8, 18, 572, 96);
    AddColumns(LV_ApArrayListUser,
               {"Array name ", "Master IP ", "MAC ", "Master", "Backup Master", "Slave ", "Total   "});
    GroupBox3 = NewGroupBox(GroupBox1, "GroupBox3", "Current Array Members ", 8, 246, 588, 122);
    LV_CurrentMem = NewListView(GroupBox3, "LV_CurrentMem", 8, 18, 572, 96);
    AddColumns(LV_CurrentMem, {"Index ", "Role", "IP address ", "MAC address ", "Location "});
    Lb_Sync = NewLabel(GroupBox1, "Lb_Sync", "Synchronized Parameters Setting ", 16, 382);
    Btn_Clearall = NewButton(GroupBox1, "Btn_Clearall", "Clear all", 220, 376, 75);
    Bt_ArraySave = NewButton(this, "Bt_ArraySave", "Save", 272, 544, 75);
    StatusBar1 = NewStatusBar(this, "StatusBar1", kFormWidth);
    Chk_APArray->OnClick = [this](ui::Component* sender) { Chk_APArrayClick(sender); };
    Bt_Scan->OnClick = [this](ui::Component* sender) { Bt_ScanClick(sender); };
    Btn_Clearall->OnClick = [this](ui::Component* sender) { Btn_ClearallClick(sender); };
    Bt_ArraySave->OnClick = [this](ui::Component* sender) { Bt_ArraySaveClick(sender); };
}

void TFM_APArray::BuildSwitchTabs() {
    PC_ParameterSet = new ui::PageControl(GroupBox1);
    PC_ParameterSet->SetName("PC_ParameterSet");
    PC_ParameterSet->SetBounds(8, 406, 588, 118);
    for (int t = 0; t < kApArrayTabs; ++t) {
        Tabs[t] = new ui::TabSheet(PC_ParameterSet);
        Tabs[t]->SetName(kTabs[t].name);
        Tabs[t]->SetCaption(kTabs[t].caption);
    }
    int placed[kApArrayTabs] = {};
    for (int row = 0; row < kApArraySyncSwitches; ++row) {
        const SyncBox& box = kSyncBoxes[row];
        const int slot = box.shown ? placed[box.tab]++ : 0;
        SyncCheckBoxes[row] = NewCheckBox(Tabs[box.tab], box.name, box.caption, 12 + (slot / kBoxRows) * kBoxColumnStep,
                                          6 + (slot % kBoxRows) * kBoxRowStep, 180);
        SyncCheckBoxes[row]->SetVisible(box.shown);
    }
}

void TFM_APArray::BuildHiddenHolders() {
    Cbox_apmode = NewHiddenComboBox(this, "Cbox_apmode");
    Cbox_ArrayMode = NewHiddenComboBox(this, "Cbox_ArrayMode");
    CB_ScanStatus = NewHiddenComboBox(this, "CB_ScanStatus");
    Cbox_Scan = NewHiddenComboBox(this, "Cbox_Scan");
    Cbox_Role = NewHiddenComboBox(this, "Cbox_Role");
    LV_ApArrayList = NewListView(this, "LV_ApArrayList", 0, 0, 10, 10);
    LV_ApArrayList->SetVisible(false);
}

void TFM_APArray::MakeGroups() {
    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode3, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, Cbox_apmode);
    VkSNMPRequest2Edits& settings =
        Groups.Make(SettingsRequest, {"AP array settings", VarsApArraySettings, SVT_SV, 0, Seconds(100)});
    settings.BindCheckBox(ApArraySettingsRow::Status, Chk_APArray);
    settings.BindComboBox(ApArraySettingsRow::ModeSelect, Cbox_ArrayMode);
    settings.BindEdits(ApArraySettingsRow::Name, "%s", Ed_APArrayName);
    settings.BindEdits(ApArraySettingsRow::Password, "%s", Ed_APArrayPW);
    Groups.Make(ScanStatusRequest, {"scan status", VarsApArrayScanStatus, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_ScanStatus);
    VkSNMPRequest2Edits& scan = Groups.Make(ScanRequest, {"scan", VarsApArrayScan, MVT_SV, 0, Seconds(100), true});
    scan.BindComboBox(SingleRow::Value, Cbox_Scan);
    scan.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnArrayScanDone(result); };
    MakeListGroups();
    VkSNMPRequest2Edits& switches =
        Groups.Make(SwitchesRequest, {"synchronized parameters", VarsApArraySync, MVT_SV, 0, Seconds(100)});
    for (int row = 0; row < kApArraySyncSwitches; ++row) switches.BindCheckBox(row, SyncCheckBoxes[row]);
    for (VkSNMPRequest2Edits* group : {ApModeRequest, SettingsRequest, ScanStatusRequest, ScanRequest, SwitchesRequest})
        group->SetStatusMemo(StatusBar1, 0);
}

void TFM_APArray::MakeListGroups() {
    VkSNMPRequest2Edits& scanList =
        Groups.Make(ScanListRequest, {"AP array list", VarsApArrayScanList, MVT_UMV, 1, Seconds(100), true});
    scanList.BindListView(LV_ApArrayList, false);
    scanList.SetStatusMemo(StatusBar1, 0);
    scanList.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnArrayScanListDone(result); };
    // Free rows (role 0) are not listed; the listed ones are numbered.
    New_req2Edit& members =
        Groups.Make(MembersRequest, {"array members", VarsApArrayMembers, MVT_UMV, 1, Seconds(100), true});
    members.BindListView(LV_CurrentMem, false);
    members.SkipValue = "0";
    members.SkipColumn = ApArrayMemberRow::Role;
    members.SetStatusMemo(StatusBar1, 0);
    members.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnArrayMembersDone(result); };
}

void TFM_APArray::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*SettingsRequest);
        Groups.Read(*ScanStatusRequest);
        if (Groups.Read(*ApModeRequest)) ApplyApModeRule();
        RoleToRadio();
        Groups.Read(*SwitchesRequest);
        ReadScanCommand();
        StatusBar1->ShowMessage(Groups.LoadText());
        StartListReads();
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    EnableArrayControls(*this);
}

// The scan command is read once, synchronously, though its group writes
// without waiting.
void TFM_APArray::ReadScanCommand() {
    ScanRequest->async = false;
    try {
        Groups.Read(*ScanRequest);
    } catch (...) {
        ScanRequest->async = true;
        throw;
    }
    ScanRequest->async = true;
}

void TFM_APArray::ApplyApModeRule() {
    ArrayOffByApMode = Cbox_apmode->ItemIndex() != kAccessPoint;
    if (!ArrayOffByApMode) return;
    Chk_APArray->SetEnabled(false);
    Chk_APArray->SetChecked(false);
    Chk_APArrayClick(this);
}

void TFM_APArray::RoleToRadio() {
    const int position = Cbox_ArrayMode->ItemIndex();
    if (IsRolePosition(position)) RadioGroup1->SetItemIndex(position);
}

void TFM_APArray::RadioToRole() {
    const int position = RadioGroup1->ItemIndex();
    if (IsRolePosition(position)) Cbox_ArrayMode->SetItemIndex(position);
}

void TFM_APArray::Chk_APArrayClick(ui::Component*) { EnableArrayControls(*this); }

void EnableArrayControls(TFM_APArray& page) {
    const bool on = page.Chk_APArray->Checked();
    EnableControls({page.Ed_APArrayName, page.Ed_APArrayPW, page.RadioGroup1, page.Btn_Clearall,
                    page.PC_ParameterSet},
                   on);
    page.Bt_Scan->SetEnabled(on && page.CB_ScanStatus->ItemIndex() == kScanEnabled);
}

