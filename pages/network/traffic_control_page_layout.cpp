// The Traffic Control page's controls: three tabs, each with its own Save and
// status bar, and the hidden controls that carry device values.

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/network/traffic_control_page.h"
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

namespace {

constexpr int kFormWidth = 600;
constexpr int kFormHeight = 480;
constexpr int kSaveLeft = 262;
constexpr int kSaveTop = 404;
constexpr int kBandwidthLength = 3;
constexpr int kPortLength = 5;
constexpr int kSpeedLength = 6;
constexpr int kTextLength = 15;

ui::TabSheet* NewTab(ui::PageControl* pages, const char* name, const char* caption) {
    auto* tab = new ui::TabSheet(pages);
    tab->SetName(name);
    tab->SetCaption(caption);
    return tab;
}

// The interfaces' box names and captions, by row, downlink then uplink.
struct BoxNames {
    std::string down, up, downCaption, upCaption;
};
BoxNames InterfaceBoxNames(int row) {
    if (row == TrafficInterface::Ethernet) return {"ChBox_Ethernet", "ChBox_Ethernet2", "Ethernet ", "Ethernet"};
    if (row == TrafficInterface::PrimarySsid)
        return {"ChBox_Primary", "ChBox_Primaryssid2", "Primary-ssid ", "Primary-ssid "};
    if (row < TrafficInterface::FirstWds) {
        const std::string k = std::to_string(row - TrafficInterface::FirstMultiSsid + 1);
        return {"ChBox_Multissid" + k, "ChBox_Multissid" + k + "u", "Multi-ssid" + k, "Multi-ssid" + k};
    }
    const std::string k = std::to_string(row - TrafficInterface::FirstWds + 1);
    return {"ChBox_WDS" + k, "ChBox_WDS" + k + "u", "WDS" + k, "WDS" + k};
}

// A box's place in its group: Ethernet, the primary SSID and the
// Multi-SSIDs in the first column, the WDS links in the second.
void PlaceOfBox(int row, int& left, int& top) {
    const bool wds = row >= TrafficInterface::FirstWds;
    left = wds ? 140 : 14;
    top = 22 + (wds ? row - TrafficInterface::FirstWds : row) * 24;
}

// A bandwidth edit with its label and unit.
ui::Edit* BandwidthEdit(ui::Control* parent, const char* name, const char* label, const char* unit, int left,
                        int top, int editLeft) {
    NewLabel(parent, "", label, left, top + 4);
    ui::Edit* edit = NewEdit(parent, name, "", editLeft, top, 50);
    NewLabel(parent, "", unit, editLeft + 56, top + 4);
    edit->SetMaxLength(kBandwidthLength);
    return edit;
}

}  // namespace

void TFM_TrafficCtrl::BuildControls() {
    pgc1 = new ui::PageControl(this);
    pgc1->SetName("pgc1");
    pgc1->SetBounds(0, 0, kFormWidth, kFormHeight);
    ts1 = NewTab(pgc1, "ts1", "UplinkDownlink Setting");
    ts2 = NewTab(pgc1, "ts2", " QoS");
    ts3 = NewTab(pgc1, "ts3", "Traffic Manager");
    BuildLinkTab();
    BuildQosTab();
    BuildManagerTab();
    BuildHiddenControls();
}

void TFM_TrafficCtrl::BuildLinkTab() {
    GroupBox1 = NewGroupBox(ts1, "GroupBox1", "Uplink and Downlink Setting", 8, 8, 576, 380);
    GroupBox2 = NewGroupBox(GroupBox1, "GroupBox2", "Downlink Interface", 12, 22, 270, 250);
    GroupBox3 = NewGroupBox(GroupBox1, "GroupBox3", "Uplink Interface", 294, 22, 270, 250);
    for (int row = 0; row < TrafficInterface::Count; ++row) {
        const BoxNames names = InterfaceBoxNames(row);
        int left = 0;
        int top = 0;
        PlaceOfBox(row, left, top);
        DownlinkBoxes[row] = NewCheckBox(GroupBox2, names.down, names.downCaption, left, top, 110);
        UplinkBoxes[row] = NewCheckBox(GroupBox3, names.up, names.upCaption, left, top, 110);
        DownlinkBoxes[row]->OnClick = [this, row](ui::Component*) { InterfaceBoxClick(row, true); };
        UplinkBoxes[row]->OnClick = [this, row](ui::Component*) { InterfaceBoxClick(row, false); };
    }
    Ed_DownLink = BandwidthEdit(GroupBox1, "Ed_DownLink", "Downlink Bandwidth(1~150) ", "Mbits/sec", 24, 292, 220);
    Ed_UpLink = BandwidthEdit(GroupBox1, "Ed_UpLink", "Uplink Bandwidth(1~150) ", "Mbits/sec", 24, 326, 220);
    Bt_LinkApply = NewButton(ts1, "Bt_LinkApply", "Save", kSaveLeft, kSaveTop, 75);
    StatusBar1 = NewStatusBar(ts1, "StatusBar1", 0);
    Bt_LinkApply->OnClick = [this](ui::Component* sender) { Bt_LinkApplyClick(sender); };
}

void TFM_TrafficCtrl::BuildQosTab() {
    ChBox_Qos = NewCheckBox(ts2, "ChBox_Qos", "Enable QoS", 16, 12, 150);
    ChBox_Qos->OnClick = [this](ui::Component* sender) { ChBox_QosClick(sender); };
    GroupBox4 = NewGroupBox(ts2, "GroupBox4", "Advanced QoS", 8, 40, 576, 352);
    Ed_DownLBWidth = BandwidthEdit(GroupBox4, "Ed_DownLBWidth", "Downlink Bandwidth", "Mbits/sec ", 16, 22, 140);
    Ed_UpLBWidth = BandwidthEdit(GroupBox4, "Ed_UpLBWidth", "Uplink Bandwidth", "Mbits/sec ", 300, 22, 420);
    Ed_UpLBWidth->SetMaxLength(0);
    const char* const classes[] = {"ACK/DHCP/ICMP/DNS Priority", "Web Traffic Priority",    "Mail Traffic Priority",
                                   "Ftp Traffic Priority",       "User Defined-1 Priority", "User Defined-2 Priority",
                                   "User Defined-3 Priority",    "User Defined-4 Priority", "Other Traffic Priority"};
    const char* const combos[] = {"CBox_ACK",         "CBox_Web",         "CBox_Mail",
                                  "CBox_Ftp",         "CBox_UserDefine1", "CBox_UserDefine2",
                                  "CBox_UserDefine3", "CBox_UserDefine4", "CBox_Other"};
    for (int k = 0; k < kTrafficClasses; ++k) {
        const int top = 60 + k * 31;
        const std::string number = std::to_string(k + 1);
        NewLabel(GroupBox4, "", classes[k], 16, top + 4);
        PriorityCombos[k] = NewComboBox(GroupBox4, combos[k], 180, top, 90);
        NewLabel(GroupBox4, "", " Limit", 282, top + 4);
        LimitEdits[k] = NewEdit(GroupBox4, "Ed_Limit" + number, "", 320, top, 40);
        LimitEdits[k]->SetMaxLength(kBandwidthLength);
        NewLabel(GroupBox4, "", "%", 364, top + 4);
        if (k >= kPortClasses) continue;
        NewLabel(GroupBox4, "", "Port", 390, top + 4);
        if (k < kFixedPortClasses) {
            PortEdits[k] = NewEdit(GroupBox4, "Ed_Port" + number, "", 424, top, 136);
            continue;
        }
        const int user = k - kFixedPortClasses;
        PortStartEdits[user] = NewEdit(GroupBox4, "Ed_Port" + number + "L", "", 424, top, 60);
        NewLabel(GroupBox4, "", "-", 489, top + 4);
        PortEndEdits[user] = NewEdit(GroupBox4, "Ed_Port" + number + "R", "", 500, top, 60);
        PortStartEdits[user]->SetMaxLength(kPortLength);
        PortEndEdits[user]->SetMaxLength(kPortLength);
        PortEdits[k] = NewHiddenEdit(GroupBox4, "Ed_Port" + number);
    }
    Bt_QosApply = NewButton(ts2, "Bt_QosApply", "Save", kSaveLeft, kSaveTop, 75);
    StatusBar2 = NewStatusBar(ts2, "StatusBar2", 0);
    Bt_QosApply->OnClick = [this](ui::Component* sender) { Bt_QosApplyClick(sender); };
}

void TFM_TrafficCtrl::BuildManagerTab() {
    GroupBox6 = NewGroupBox(ts3, "GroupBox6", "Traffic Manager", 8, 8, 576, 86);
    NewLabel(GroupBox6, "", "Traffic Manager", 16, 26);
    Cbox_TrafficMan = NewComboBox(GroupBox6, "Cbox_TrafficMan", 160, 22, 100);
    NewLabel(GroupBox6, "", "Unlisted Clients Traffic", 300, 26);
    Cbox_ClientTraffic = NewComboBox(GroupBox6, "Cbox_ClientTraffic", 446, 22, 100);
    Ed_DownLBand = BandwidthEdit(GroupBox6, "Ed_DownLBand", "Downlink Bandwidth", "Mbits/sec ", 16, 52, 160);
    Ed_UpLBand = BandwidthEdit(GroupBox6, "Ed_UpLBand", "Uplink Bandwidth", "Mbits/sec ", 300, 52, 446);
    Cbox_TrafficMan->OnChange = [this](ui::Component* sender) { Cbox_TrafficManChange(sender); };
    Cbox_ClientTraffic->OnChange = [this](ui::Component* sender) { Cbox_TrafficManChange(sender); };

    GroupBox7 = NewGroupBox(ts3, "GroupBox7", "Add Traffic Manager Rule", 8, 100, 576, 118);
    PlaceControls(GroupBox7, {
                                 {Ed_Name, "Ed_Name", 160, 22, 120},
                                 {Ed_ClientIP, "Ed_ClientIP", 160, 52, 120},
                                 {Ed_ClientMAC, "Ed_ClientMAC", 160, 82, 120},
                                 {Ed_DLinkSp, "Ed_DLinkSp", 410, 22, 60},
                                 {Ed_ULinkSp, "Ed_ULinkSp", 410, 52, 60},
                                 {Bt_TrafficAdd, "Bt_TrafficAdd", "Add", 384, 82, 75},
                                 {Bt_TrafficClear, "Bt_TrafficClear", "Clear", 470, 82, 75},
                             });
    NewLabel(GroupBox7, "", "Name", 16, 26);
    NewLabel(GroupBox7, "", "Client IP(optional)", 16, 56);
    NewLabel(GroupBox7, "", "Client MAC(optional)", 16, 86);
    NewLabel(GroupBox7, "", "Downlink Speed", 300, 26);
    NewLabel(GroupBox7, "", "Mbits/sec", 476, 26);
    NewLabel(GroupBox7, "", "Uplink Speed", 300, 56);
    NewLabel(GroupBox7, "", "Mbits/sec", 476, 56);
    for (ui::Edit* edit : {Ed_Name, Ed_ClientIP}) edit->SetMaxLength(kTextLength);
    for (ui::Edit* edit : {Ed_DLinkSp, Ed_ULinkSp}) edit->SetMaxLength(kSpeedLength);
    Bt_TrafficAdd->OnClick = [this](ui::Component* sender) { Bt_TrafficAddClick(sender); };
    Bt_TrafficClear->OnClick = [this](ui::Component* sender) { Bt_TrafficClearClick(sender); };

    GroupBox8 = NewGroupBox(ts3, "GroupBox8", "Traffic Manager Rules ", 8, 224, 576, 170);
    LV_TrafficManRuleUser = NewListView(GroupBox8, "LV_TrafficManRuleUser", 12, 22, 466, 136);
    LV_TrafficManRuleUser->AddColumn("Name", 100);
    LV_TrafficManRuleUser->AddColumn("Client Ip", 100);
    LV_TrafficManRuleUser->AddColumn("Client Mac", 106);
    LV_TrafficManRuleUser->AddColumn("Downlink Speed", 76);
    LV_TrafficManRuleUser->AddColumn("Uplink Speed", 76);
    Bt_TrafficDel = NewButton(GroupBox8, "Bt_TrafficDel", "Delete", 488, 22, 75);
    LV_TrafficManRuleUser->OnClick = [this](ui::Component* sender) { LV_TrafficManRuleUserClick(sender); };
    LV_TrafficManRuleUser->OnSelectItem = [this](ui::Component* sender, ui::ListItem*, bool selected) {
        if (selected) LV_TrafficManRuleUserClick(sender);
    };
    Bt_TrafficDel->OnClick = [this](ui::Component* sender) { Bt_TrafficDelClick(sender); };

    Bt_TrafficApply = NewButton(ts3, "Bt_TrafficApply", "Save", kSaveLeft, kSaveTop, 75);
    StatusBar3 = NewStatusBar(ts3, "StatusBar3", 0);
    Bt_TrafficApply->OnClick = [this](ui::Component* sender) { Bt_TrafficApplyClick(sender); };
}

void TFM_TrafficCtrl::BuildHiddenControls() {
    Cbox_Multissid = NewHiddenComboBox(ts1, "Cbox_Multissid");
    for (int row = 0; row < TrafficInterface::Count; ++row) {
        ModeCombos[row] = NewHiddenComboBox(ts1, "ComboBox" + std::to_string(row + 1));
        ModeCombos[row]->OnChange = [this, row](ui::Component*) { ComboBoxChange(row); };
    }
    Lv_MultiIndex = NewListView(ts1, "Lv_MultiIndex", 0, 0, 10, 10);
    Lv_wdsMAC = NewListView(ts1, "Lv_wdsMAC", 0, 0, 10, 10);
    LV_TrafficManRule = NewListView(ts3, "LV_TrafficManRule", 0, 0, 10, 10);
    Cbox_RuleAction = NewHiddenComboBox(ts3, "Cbox_RuleAction");
    RadioGroup1 = new ui::RadioGroup(ts3);
    RadioGroup1->SetName("RadioGroup1");
    RadioGroup1->AddItem("Deny");
    RadioGroup1->AddItem("Forward");
    ShowControls({Lv_MultiIndex, Lv_wdsMAC, LV_TrafficManRule, RadioGroup1}, false);
}
