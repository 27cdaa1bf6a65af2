#include "pages/network/traffic_control_page.h"

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/network/traffic_control_page_rules.h"
#include "pages/network/traffic_control_page_texts.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

using namespace traffic;

TFM_TrafficCtrl* FM_TrafficCtrl = nullptr;

namespace {

// A bandwidth of 0 is one that is not set: shown as an empty edit.
void EmptyZero(std::initializer_list<ui::Edit*> edits) {
    for (ui::Edit* edit : edits)
        if (edit->Text() == "0") edit->SetText("");
}

}  // namespace

TFM_TrafficCtrl::TFM_TrafficCtrl(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_TrafficCtrl", "Advanced \\ Traffic Control", 600, 480);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_TrafficCtrl::MakeGroups() {
    MakeLinkGroups();
    MakeQosGroups();
    MakeManagerGroups();
}

void TFM_TrafficCtrl::MakeLinkGroups() {
    Groups.Make(SsidStateWalkRequest, {"SSID states", VarsTrafficCtrlMssidState, MVT_UMV, 1, kTimeout})
        .BindListView(Lv_MultiIndex, true);
    Groups.Make(RemoteApWalkRequest, {"WDS peers", VarsTrafficCtrlRemoteAp, MVT_UMV, 1, kTimeout})
        .BindListView(Lv_wdsMAC, true);
    Groups.Make(MssidStateRequest, {"multi-SSID state", VarsMssidState, MVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, Cbox_Multissid);
    VkSNMPRequest2Edits& modes =
        Groups.Make(InterfaceModeRequest, {"interface modes", VarsTrafficCtrlInterfaceMode, MVT_SV, 0, kTimeout});
    for (int row = 0; row < TrafficInterface::Count; ++row) modes.BindComboBox(row, ModeCombos[row]);
    VkSNMPRequest2Edits& bandwidths =
        Groups.Make(LinkBandwidthRequest, {"bandwidths", VarsTrafficCtrlBandwidth, SVT_SV, 0, kTimeout});
    bandwidths.BindEdits(TrafficBandwidthRow::Downlink, "%s", Ed_DownLink);
    bandwidths.BindEdits(TrafficBandwidthRow::Uplink, "%s", Ed_UpLink);
}

void TFM_TrafficCtrl::MakeQosGroups() {
    Groups.Make(QosStateRequest, {"QoS state", VarsTrafficCtrlQosState, SVT_SV, 0, kTimeout})
        .BindCheckBox(SingleRow::Value, ChBox_Qos);
    VkSNMPRequest2Edits& mirrors =
        Groups.Make(QosBandwidthRequest, {"QoS bandwidths", VarsTrafficCtrlBandwidth, SVT_SV, 0, kTimeout});
    mirrors.BindEdits(TrafficBandwidthRow::Downlink, "%s", Ed_DownLBWidth);
    mirrors.BindEdits(TrafficBandwidthRow::Uplink, "%s", Ed_UpLBWidth);
    VkSNMPRequest2Edits& priorities =
        Groups.Make(QosPriorityRequest, {"QoS priorities", VarsTrafficCtrlPriority, MVT_SV, 0, kTimeout});
    VkSNMPRequest2Edits& limits =
        Groups.Make(QosLimitRequest, {"QoS limits", VarsTrafficCtrlPriorityLimit, MVT_SV, 0, kTimeout});
    for (int k = 0; k < kTrafficClasses; ++k) {
        priorities.BindComboBox(k, PriorityCombos[k]);
        limits.BindEdits(k, "%s", LimitEdits[k]);
    }
    VkSNMPRequest2Edits& ports =
        Groups.Make(QosPortRequest, {"QoS ports", VarsTrafficCtrlPriorityPort, MVT_SV, 0, kTimeout, true});
    for (int k = 0; k < kPortClasses; ++k) ports.BindEdits(k, "%s", PortEdits[k]);
    ports.SetStatusBar(StatusBar2);
    ports.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { QosPortGetDone(result); };
}

void TFM_TrafficCtrl::MakeManagerGroups() {
    VkSNMPRequest2Edits& mirrors = Groups.Make(
        ManagerBandwidthRequest, {"traffic manager bandwidths", VarsTrafficCtrlBandwidth, SVT_SV, 0, kTimeout});
    mirrors.BindEdits(TrafficBandwidthRow::Downlink, "%s", Ed_DownLBand);
    mirrors.BindEdits(TrafficBandwidthRow::Uplink, "%s", Ed_UpLBand);
    VkSNMPRequest2Edits& manager =
        Groups.Make(ManagerStateRequest, {"traffic manager", VarsTrafficManager, SVT_SV, 0, kTimeout});
    manager.BindComboBox(TrafficManagerRow::Status, Cbox_TrafficMan);
    manager.BindComboBox(TrafficManagerRow::UnlistedClients, Cbox_ClientTraffic);

    VkSNMPRequest2Edits& rule =
        Groups.Make(TrafficRuleRequest, {"traffic manager rule", VarsTrafficManagerRule, SVT_SV, 0, kTimeout, true});
    rule.BindEdits(TrafficRuleRow::Name, "%s", Ed_Name);
    rule.BindEdits(TrafficRuleRow::ClientIp, "%s", Ed_ClientIP);
    rule.BindEdits(TrafficRuleRow::ClientMac, "%h", Ed_ClientMAC);
    rule.BindEdits(TrafficRuleRow::DownSpeed, "%s", Ed_DLinkSp);
    rule.BindEdits(TrafficRuleRow::UpSpeed, "%s", Ed_ULinkSp);
    rule.BindComboBox(TrafficRuleRow::Action, Cbox_RuleAction);
    rule.SetStatusBar(StatusBar3);
    rule.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { TrafficRuleSetDone(result); };

    VkSNMPRequest2Edits& list = Groups.Make(
        TrafficRuleListRequest, {"traffic manager rules", VarsTrafficManagerRuleList, MVT_UMV, 1, kTimeout, true});
    list.BindListView(LV_TrafficManRule, true);
    list.SetStatusBar(StatusBar3);
    list.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { TrafficRuleListGetDone(result); };
}

void TFM_TrafficCtrl::FormCreate(ui::Component*) {
    ChBox_QosClick(this);
    opening_ = true;
    try {
        MakeGroups();
        ReadDevice();
        const std::string loadText = Groups.LoadText();
        for (ui::StatusBar* bar : {StatusBar1, StatusBar2, StatusBar3}) bar->SetSimpleText(loadText);
    } catch (const os::Exception& error) {
        for (ui::StatusBar* bar : {StatusBar1, StatusBar2, StatusBar3}) bar->SetSimpleText(error.Message());
    }
    opening_ = false;
    Cbox_TrafficManChange(this);
    for (ui::Edit* mirror : {Ed_DownLBWidth, Ed_UpLBWidth, Ed_DownLBand, Ed_UpLBand}) MakeDisplayOnly(*mirror);
    Ed_ClientMAC->SetMaxLength(kMacDigits);
    EnableControls({Bt_TrafficAdd, Bt_TrafficDel}, false);
    pgc1->SetActivePageIndex(0);
}

// The opening's reads, in the device's order; a silent device stops them.
void TFM_TrafficCtrl::ReadDevice() {
    Groups.BeginLoad();
    Groups.Read(*SsidStateWalkRequest);
    Groups.Read(*RemoteApWalkRequest);
    Groups.Read(*MssidStateRequest);
    ApplyInterfaceAvailability();
    if (Groups.Read(*InterfaceModeRequest))
        for (int row = 0; row < TrafficInterface::Count; ++row) ComboBoxChange(row);
    if (Groups.Read(*LinkBandwidthRequest)) EmptyZero({Ed_DownLink, Ed_UpLink});
    Groups.Read(*QosStateRequest);
    if (Groups.Read(*QosBandwidthRequest)) EmptyZero({Ed_DownLBWidth, Ed_UpLBWidth});
    Groups.Read(*QosPriorityRequest);
    Groups.Read(*QosLimitRequest);
    Groups.StartRead(*QosPortRequest);
    if (Groups.Read(*ManagerBandwidthRequest)) EmptyZero({Ed_DownLBand, Ed_UpLBand});
    Groups.Read(*ManagerStateRequest);
    Groups.StartRead(*TrafficRuleListRequest);
}

// The mirrors of the bandwidths on the QoS and Traffic Manager tabs, as the
// device holds them now.
void TFM_TrafficCtrl::ReadMirrors() {
    Groups.BeginLoad();
    if (Groups.Read(*QosBandwidthRequest)) EmptyZero({Ed_DownLBWidth, Ed_UpLBWidth});
    if (Groups.Read(*ManagerBandwidthRequest)) EmptyZero({Ed_DownLBand, Ed_UpLBand});
}
