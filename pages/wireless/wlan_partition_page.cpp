#include "pages/wireless/wlan_partition_page.h"

#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/page_controls.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

TFM_WLANPart* FM_WLANPart = nullptr;

const char* const PartitionSetOkText = "Setting Success!";
const char* const PartitionSetErrorText = "Setting Error!";
const char* const PartitionWarningText =
    "AP will block all multicast/broadcast packets from Ethernet to wireless,except DHCP'S !";

namespace {

using namespace WlanPartitionRow;

constexpr int kFormWidth = 460;
constexpr int kFormHeight = 600;
constexpr int kGroupHeight = 385;
constexpr int kApplyTop = 500;
constexpr int kFirstRowsShown = 4;  // the rows the form shows before its layout step
constexpr int kRowStep = 44;
constexpr int kWirelessClient = 3;
constexpr int kSsidPositions = 3;

const char* const kSsidLabels[kSsids] = {"Primary SSID",   "Multi-SSID 1 ", "Multi-SSID 2 ", "Multi-SSID 3 ",
                                         "Multi-SSID 4",   "Multi-SSID 5 ", "Multi-SSID 6 ", "Multi-SSID 7 "};
const char* const kSsidCombos[kSsids] = {"Cbox_PriSSID",    "Cbox_MultiSSID1", "Cbox_MultiSSID2",
                                         "Cbox_MultiSSID3", "Cbox_MultiSSID4", "Cbox_MultiSSID5",
                                         "Cbox_MultiSSID6", "Cbox_MultiSSID7"};

ui::RadioGroup* NewRadioGroup(ui::Control* parent, const std::string& name, int left, int top) {
    auto* group = new ui::RadioGroup(parent);
    group->SetName(name);
    group->SetBounds(left, top, 300, 38);
    group->SetColumns(3);
    for (const char* item : {"Enable", "Disable ", "GuestMode"}) group->AddItem(item);
    return group;
}

bool IsPosition(int index) { return index >= 0 && index < kSsidPositions; }

}  // namespace

TFM_WLANPart::TFM_WLANPart(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_WLANPart", "Advanced \\WLAN Partition", kFormWidth, kFormHeight);
    BuildControls();
    BuildHiddenHolders();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_WLANPart::BuildControls() {
    PlaceControls(this, {
        {Label_Band, "Label_Band", "Wireless Band", 24, 24},
        {CB_WBand, "CB_WBand", 200, 20, 140},
        {Label_LinkInte, "Label_LinkInte", "Link Integrity", 24, 54},
        {Cbox_LinkInte, "Cbox_LinkInte", 200, 50, 140},
        {Label_WLANAccess, "Label_WLANAccess", "Ethernet to WLAN Access", 24, 84},
        {CB_WLANAccess, "CB_WLANAccess", 200, 80, 140},
    });
    CB_WLANAccess->OnChange = [this](ui::Component* sender) { CB_WLANAccessChange(sender); };
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Internal Station Connection", 12, 110, 436, 200);
    for (int k = 0; k < kSsids; ++k) {
        const int top = 20 + k * kRowStep;
        Label_Ssid[k] = NewLabel(GroupBox1, "Label_Ssid" + std::to_string(k + 1), kSsidLabels[k], 12, top + 14);
        RadioGroup[k] = NewRadioGroup(GroupBox1, "RadioGroup" + std::to_string(k + 1), 120, top);
        const bool shown = k < kFirstRowsShown;
        Label_Ssid[k]->SetVisible(shown);
        RadioGroup[k]->SetVisible(shown);
    }
    Btn_Apply = NewButton(this, "Btn_Apply", "Save", 192, 320, 75);
    Btn_Apply->OnClick = [this](ui::Component* sender) { Btn_ApplyClick(sender); };
    StatusBar = NewStatusBar(this, "StatusBar", 0);
}

void TFM_WLANPart::BuildHiddenHolders() {
    CB_ApMode = NewHiddenComboBox(this, "CB_ApMode");
    Chkbox_MulssidStatus = NewCheckBox(this, "Chkbox_MulssidStatus", "", 0, 0, 10);
    Chkbox_MulssidStatus->SetVisible(false);
    Chkbox_MulssidStatus->OnClick = [this](ui::Component* sender) { Chkbox_MulssidStatusClick(sender); };
    for (int k = 0; k < kSsids; ++k) Cbox_Ssid[k] = NewHiddenComboBox(this, kSsidCombos[k]);
    CB_DeviceApplySetting = NewHiddenComboBox(this, "CB_DeviceApplySetting");
    Btn_Refresh = NewButton(this, "Btn_Refresh", "Refresh", 0, 0, 75);
    Btn_Refresh->SetVisible(false);
    Btn_Refresh->OnClick = [this](ui::Component* sender) { Btn_RefreshClick(sender); };
    Btn_Close = NewButton(this, "Btn_Close", "Close", 0, 0, 75);
    Btn_Close->SetVisible(false);
    Btn_Close->OnClick = [this](ui::Component* sender) { Btn_CloseClick(sender); };
    Label_StationConnection = NewLabel(this, "Label_StationConnection", "Internal Station Connection", 0, 0);
    Label_StationConnection->SetVisible(false);
    CB_StationConnection = NewHiddenComboBox(this, "CB_StationConnection");
}

void TFM_WLANPart::FormCreate(ui::Component*) {
    try {
        ReadGroups();
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    Chkbox_MulssidStatusClick(this);
    ApplyApModeRule();
    ShowAllSsidRows();
}

void TFM_WLANPart::ReadGroups() {
    Groups.BeginLoad();
    Groups.Make(BandRequest, {"band", VarsDot11Band, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_WBand);
    BandRequest->SetStatusBar(StatusBar);  // failures in the status line, not in boxes
    Groups.Read(*BandRequest);
    CB_WBand->SetEnabled(false);
    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_ApMode);
    ApModeRequest->SetStatusBar(StatusBar);
    Groups.Read(*ApModeRequest);
    Groups.Make(MssidStateRequest, {"multi-SSID state", VarsMssidState, MVT_SV, 0, Seconds(100)})
        .BindCheckBox(SingleRow::Value, Chkbox_MulssidStatus);
    MssidStateRequest->SetStatusBar(StatusBar);
    Groups.Read(*MssidStateRequest);
    VkSNMPRequest2Edits& partition =
        Groups.Make(PartitionRequest, {"partition settings", VarsWlanPartition, MVT_SV, 0, Seconds(100)});
    partition.BindComboBox(EthernetToWlanAccess, CB_WLANAccess);
    for (int k = 0; k < kSsids; ++k) partition.BindComboBox(PrimarySsid + k, Cbox_Ssid[k]);
    partition.BindComboBox(LinkIntegrate, Cbox_LinkInte);
    partition.SetStatusBar(StatusBar);
    Groups.Read(partition);
    ShowStationConnections();
    Groups.Make(ApplyRequest, {"apply", VarsDeviceSettingApply, SVT_SV, 0, Seconds(100), true})
        .BindComboBox(SingleRow::Value, CB_DeviceApplySetting);
    if (!Groups.LoadText().empty()) StatusBar->ShowMessage(Groups.LoadText());
}

// Hidden combo position k is radio item k; no position on one side leaves
// the other side as it is.
void TFM_WLANPart::ShowStationConnections() {
    for (int k = 0; k < kSsids; ++k)
        if (IsPosition(Cbox_Ssid[k]->ItemIndex())) RadioGroup[k]->SetItemIndex(Cbox_Ssid[k]->ItemIndex());
}

void TFM_WLANPart::StoreStationConnections() {
    for (int k = 0; k < kSsids; ++k)
        if (IsPosition(RadioGroup[k]->ItemIndex())) Cbox_Ssid[k]->SetItemIndex(RadioGroup[k]->ItemIndex());
}

void TFM_WLANPart::Chkbox_MulssidStatusClick(ui::Component*) {
    const bool all = Chkbox_MulssidStatus->Checked();
    RadioGroup[0]->SetEnabled(true);
    for (int k = 1; k < kSsids; ++k) RadioGroup[k]->SetEnabled(all);
}

void TFM_WLANPart::ApplyApModeRule() {
    const bool client = CB_ApMode->ItemIndex() == kWirelessClient;
    EnableControls({Cbox_LinkInte, CB_WLANAccess}, !client);
    if (client) {
        for (ui::RadioGroup* group : RadioGroup) group->SetEnabled(false);
        return;
    }
    Chkbox_MulssidStatusClick(this);
}

void TFM_WLANPart::ShowAllSsidRows() {
    for (int k = kFirstRowsShown; k < kSsids; ++k) {
        Label_Ssid[k]->SetVisible(true);
        RadioGroup[k]->SetVisible(true);
    }
    SetClientSize(kFormWidth, kFormHeight);
    GroupBox1->SetHeight(kGroupHeight);
    Btn_Apply->SetTop(kApplyTop);
}

void TFM_WLANPart::CB_WLANAccessChange(ui::Component*) {
    if (CB_WLANAccess->ItemIndex() == 0) ui::MessageBox(PartitionWarningText, "Warning", ui::Buttons::Ok);
}

void TFM_WLANPart::Btn_ApplyClick(ui::Component*) {
    SelectText(CB_DeviceApplySetting, "apply");
    StoreStationConnections();
    GroupWrites writes(Groups);
    if (PartitionRequest == nullptr)
        writes.Fail();
    else
        writes.Write(*PartitionRequest, {EthernetToWlanAccess, PrimarySsid, MultiSsid1, MultiSsid2, MultiSsid3,
                                         MultiSsid4, MultiSsid5, MultiSsid6, MultiSsid7, LinkIntegrate});
    StatusBar->ShowMessage(writes.AllWritten() ? PartitionSetOkText : writes.FailureText(PartitionSetErrorText));
}

// Reads the partition settings into the hidden combos only.
void TFM_WLANPart::Btn_RefreshClick(ui::Component*) {
    if (PartitionRequest == nullptr) return;
    Groups.BeginLoad();
    Groups.Read(*PartitionRequest);
}

void TFM_WLANPart::Btn_CloseClick(ui::Component*) { Close(); }

