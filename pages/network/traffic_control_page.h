#pragma once
// The Traffic Control page ("Advanced \ Traffic Control"; its menu entry is
// hidden, the page is built all the same), three tabs:
// - which of seventeen interfaces (Ethernet, the primary SSID, Multi-SSID 1
//   to 7, WDS 1 to 8) are shaped downlink or uplink, and the two bandwidths;
// - advanced QoS: nine traffic classes with a priority and a limit, the port
//   ranges of the four user classes;
// - the traffic manager: on or off, what unlisted clients get, and its rules
//   (per client IP or MAC, with speeds), which change only through the rule
//   scalars and an action: an edit is a delete and then an add.
// The other tabs show the bandwidths as the device last reported them; every
// result comes from its answer; answers after the page is gone reach nothing
// (its groups go with it).

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/disabled_while.h"
#include "pages/common/page_groups.h"
#include "pages/network/traffic_control_page_vars.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class ListItem;
class ListView;
class PageControl;
class RadioGroup;
class StatusBar;
class TabSheet;
}  // namespace ui

namespace traffic {
struct Refusal;
}

class TFM_TrafficCtrl : public ui::Form {
public:
    explicit TFM_TrafficCtrl(ui::Component* owner);

    ui::PageControl* pgc1;
    ui::TabSheet* ts1;
    ui::TabSheet* ts2;
    ui::TabSheet* ts3;
    // Tab 1: one box per interface in each direction (ChBox_Ethernet,
    // ChBox_Ethernet2, ...), by interface row.
    ui::GroupBox* GroupBox1;
    ui::GroupBox* GroupBox2;
    ui::GroupBox* GroupBox3;
    std::array<ui::CheckBox*, TrafficInterface::Count> DownlinkBoxes{};
    std::array<ui::CheckBox*, TrafficInterface::Count> UplinkBoxes{};
    ui::Edit* Ed_DownLink;
    ui::Edit* Ed_UpLink;
    ui::Button* Bt_LinkApply;
    ui::StatusBar* StatusBar1;
    // Tab 2: by traffic class; the port edits of classes 5 to 8 are hidden
    // and carry the device's "start-end" texts.
    ui::CheckBox* ChBox_Qos;
    ui::GroupBox* GroupBox4;
    ui::Edit* Ed_DownLBWidth;
    ui::Edit* Ed_UpLBWidth;
    std::array<ui::ComboBox*, kTrafficClasses> PriorityCombos{};
    std::array<ui::Edit*, kTrafficClasses> LimitEdits{};
    std::array<ui::Edit*, kPortClasses> PortEdits{};
    std::array<ui::Edit*, kPortClasses - kFixedPortClasses> PortStartEdits{};
    std::array<ui::Edit*, kPortClasses - kFixedPortClasses> PortEndEdits{};
    ui::Button* Bt_QosApply;
    ui::StatusBar* StatusBar2;
    // Tab 3.
    ui::GroupBox* GroupBox6;
    ui::ComboBox* Cbox_TrafficMan;
    ui::ComboBox* Cbox_ClientTraffic;
    ui::Edit* Ed_DownLBand;
    ui::Edit* Ed_UpLBand;
    ui::GroupBox* GroupBox7;
    ui::Edit* Ed_Name;
    ui::Edit* Ed_ClientIP;
    ui::Edit* Ed_ClientMAC;
    ui::Edit* Ed_DLinkSp;
    ui::Edit* Ed_ULinkSp;
    ui::Button* Bt_TrafficAdd;
    ui::Button* Bt_TrafficClear;
    ui::GroupBox* GroupBox8;
    ui::ListView* LV_TrafficManRuleUser;
    ui::Button* Bt_TrafficDel;
    ui::Button* Bt_TrafficApply;
    ui::StatusBar* StatusBar3;
    // Hidden: device values the page needs but does not show.
    ui::ComboBox* Cbox_Multissid;
    std::array<ui::ComboBox*, TrafficInterface::Count> ModeCombos{};  // ComboBox1 .. ComboBox17
    ui::ListView* Lv_MultiIndex;
    ui::ListView* Lv_wdsMAC;
    ui::ListView* LV_TrafficManRule;
    ui::ComboBox* Cbox_RuleAction;
    ui::RadioGroup* RadioGroup1;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* SsidStateWalkRequest = nullptr;
    VkSNMPRequest2Edits* RemoteApWalkRequest = nullptr;
    VkSNMPRequest2Edits* MssidStateRequest = nullptr;
    VkSNMPRequest2Edits* InterfaceModeRequest = nullptr;
    VkSNMPRequest2Edits* LinkBandwidthRequest = nullptr;
    VkSNMPRequest2Edits* QosStateRequest = nullptr;
    VkSNMPRequest2Edits* QosBandwidthRequest = nullptr;
    VkSNMPRequest2Edits* QosPriorityRequest = nullptr;
    VkSNMPRequest2Edits* QosLimitRequest = nullptr;
    VkSNMPRequest2Edits* QosPortRequest = nullptr;
    VkSNMPRequest2Edits* ManagerBandwidthRequest = nullptr;
    VkSNMPRequest2Edits* ManagerStateRequest = nullptr;
    VkSNMPRequest2Edits* TrafficRuleRequest = nullptr;
    VkSNMPRequest2Edits* TrafficRuleListRequest = nullptr;

    // The five texts of a rule.
    struct RuleTexts {
        std::string name, ip, mac, downSpeed, upSpeed;
    };
    // The rule writes under way: an add, the two halves of an edit, a delete.
    enum class RuleStep { None, Add, EditDelete, EditAdd, Delete };
    RuleStep RuleWriteStep = RuleStep::None;
    // The new values of the rule an edit replaces, and that rule's name.
    RuleTexts ParkedRuleTexts;
    std::string EditedRuleName;
    // The rule list has been read and the visible list shows it.
    bool RuleListRead = false;

    void FormCreate(ui::Component* sender);
    // Tab 1.
    void InterfaceBoxClick(int row, bool downlink);
    void ComboBoxChange(int row);
    void ApplyInterfaceAvailability();
    void CollectInterfaceModes();
    void Bt_LinkApplyClick(ui::Component* sender);
    // Tab 2.
    void ChBox_QosClick(ui::Component* sender);
    void QosPortGetDone(VkSNMPError* result);
    void Bt_QosApplyClick(ui::Component* sender);
    // Tab 3.
    void Cbox_TrafficManChange(ui::Component* sender);
    void TrafficRuleListGetDone(VkSNMPError* result);
    void FillTrafficRuleList();
    void LV_TrafficManRuleUserClick(ui::Component* sender);
    void Bt_TrafficApplyClick(ui::Component* sender);
    void Bt_TrafficAddClick(ui::Component* sender);
    void Bt_TrafficClearClick(ui::Component* sender);
    void Bt_TrafficDelClick(ui::Component* sender);
    void TrafficRuleSetDone(VkSNMPError* result);

private:
    void BuildControls();
    void BuildLinkTab();
    void BuildQosTab();
    void BuildManagerTab();
    void BuildHiddenControls();
    void MakeGroups();
    void MakeLinkGroups();
    void MakeQosGroups();
    void MakeManagerGroups();
    void ReadDevice();
    void ReadMirrors();
    void EnableQosControls(bool enabled);
    bool RefuseField(const traffic::Refusal& refusal, ui::Edit* edit);
    RuleTexts TypedRule() const;
    void PutRule(const RuleTexts& rule);
    bool NameTaken(const std::string& name, const ui::ListItem* except) const;
    void SendRule(RuleStep step, int action, const std::vector<int>& rows);
    void EndRuleWrite();
    void ReadRuleList();

    // Held while a rule write is under way: the editor and the list.
    std::unique_ptr<DisabledWhile> editorLock_;
    std::unique_ptr<DisabledWhile> listLock_;
    // The opening is reading the device (a read showing QoS on is no user's
    // attempt to enable it).
    bool opening_ = false;
};

extern TFM_TrafficCtrl* FM_TrafficCtrl;
