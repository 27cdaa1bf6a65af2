// The QoS page's controls: the QoS switch, the priority classifiers, the rule
// editor, the rule list, Save and the status bar, and the hidden controls
// that carry device values.

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/network/qos_page.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"

namespace {

constexpr int kFormWidth = 560;
constexpr int kRowStep = 28;

}  // namespace

void TFM_QosSetting::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "QoS", 8, 6, 544, 50);
    NewLabel(GroupBox1, "", "Enable QoS(Quality of Service)", 16, 22);
    CB_EnableQos = NewComboBox(GroupBox1, "CB_EnableQos", 220, 18, 100);
    GroupBox2 = NewGroupBox(this, "GroupBox2", "Priority Classifiers", 8, 60, 544, 50);
    NewLabel(GroupBox2, "", "(default if not matched by anything else) ", 16, 22);
    CheckBox_Http = NewCheckBox(GroupBox2, "CheckBox_Http", "HTTP", 300, 20, 70);
    CheckBox_Automatic = NewCheckBox(GroupBox2, "CheckBox_Automatic", "Automatic ", 390, 20, 100);
    BuildRuleEditor();

    GroupBox4 = NewGroupBox(this, "GroupBox4", "QoS Rules", 8, 300, 544, 170);
    LV_QosRulesUser = NewListView(GroupBox4, "LV_QosRulesUser", 10, 20, 524, 140);
    LV_QosRulesUser->SetCheckBoxes(true);
    const char* const columns[] = {"Name ", "Priority", "Host 1 IP Range", "Host 2 IP Range ", "Protocol / Ports "};
    const int widths[] = {64, 96, 140, 120, 100};
    for (int i = 0; i < 5; ++i) LV_QosRulesUser->AddColumn(columns[i], widths[i]);
    Btn_Apply = NewButton(this, "Btn_Apply", "Save", 242, 476, 75);
    Btn_Apply->SetEnabled(false);
    StatusBar = NewStatusBar(this, "StatusBar", kFormWidth);

    // Hidden.
    CB_ApMode = NewHiddenComboBox(this, "CB_ApMode");
    LB_Index = NewLabel(this, "LB_Index", "", 0, 0);
    LB_Index->SetVisible(false);
    CB_QosRulesState = NewHiddenComboBox(this, "CB_QosRulesState");
    Ed_HostOneIpRange = NewHiddenEdit(this, "Ed_HostOneIpRange");
    Ed_HostOnePortRange = NewHiddenEdit(this, "Ed_HostOnePortRange");
    Ed_HostTowIpRange = NewHiddenEdit(this, "Ed_HostTowIpRange");
    Ed_HostTowPortRange = NewHiddenEdit(this, "Ed_HostTowPortRange");
    Ed_QosRuleDel = NewHiddenEdit(this, "Ed_QosRuleDel");
    LV_QosRules = NewListView(this, "LV_QosRules", 0, 0, 10, 10);
    LV_QosRules->SetVisible(false);

    CB_EnableQos->OnChange = [this](ui::Component* sender) { CB_EnableQosChange(sender); };
    CB_ApMode->OnChange = [this](ui::Component* sender) { CB_EnableQosChange(sender); };
    LV_QosRulesUser->OnClick = [this](ui::Component* sender) { LV_QosRulesUserClick(sender); };
    Btn_Apply->OnClick = [this](ui::Component* sender) { Btn_ApplyClick(sender); };
}

// "Add QoS Rule": name, priority and protocol, then each host's address
// range and port range as "from --- to", and the editor's buttons.
void TFM_QosSetting::BuildRuleEditor() {
    GroupBox3 = NewGroupBox(this, "GroupBox3", "Add QoS Rule", 8, 114, 544, 182);
    ui::Control* box = GroupBox3;
    NewLabel(box, "", "Name", 16, 24);
    Ed_QosName = NewEdit(box, "Ed_QosName", "", 130, 20, 150);
    NewLabel(box, "", "Priority ", 292, 24);
    CB_Priority = NewComboBox(box, "CB_Priority", 340, 20, 120);
    NewLabel(box, "", "Protocol", 16, 24 + kRowStep);
    CB_Protocol = NewComboBox(box, "CB_Protocol", 130, 20 + kRowStep, 80);
    Ed_ProtocolName = NewEdit(box, "Ed_ProtocolName", "", 218, 20 + kRowStep, 40);
    const char* const captions[] = {"Host 1 IP Range ", "Host 1 Port Range", "Host 2 IP Range", "Host 2 Port Range"};
    ui::Edit** const froms[] = {&Ed_IpFrom1, &Ed_PortFrom1, &Ed_IpFrom2, &Ed_PortFrom2};
    ui::Edit** const tos[] = {&Ed_IpTo1, &Ed_PortTo1, &Ed_IpTo2, &Ed_PortTo2};
    const char* const fromNames[] = {"Ed_IpFrom1", "Ed_PortFrom1", "Ed_IpFrom2", "Ed_PortFrom2"};
    const char* const toNames[] = {"Ed_IpTo1", "Ed_PortTo1", "Ed_IpTo2", "Ed_PortTo2"};
    for (int i = 0; i < 4; ++i) {
        const int top = 20 + (i + 2) * kRowStep;
        const int width = i % 2 == 0 ? 120 : 60;
        NewLabel(box, "", captions[i], 16, top + 4);
        *froms[i] = NewEdit(box, fromNames[i], "", 130, top, width);
        NewLabel(box, "", "---", 136 + width, top + 4);
        *tos[i] = NewEdit(box, toNames[i], "", 164 + width, top, width);
    }
    Btn_Add = NewButton(box, "Btn_Add", "Add", 456, 62, 75);
    Btn_Del = NewButton(box, "Btn_Del", "Delete", 456, 96, 75);
    Btn_Clear = NewButton(box, "Btn_Clear", "Clear", 456, 130, 75);
    CB_Protocol->OnChange = [this](ui::Component* sender) { CB_ProtocolChange(sender); };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    Btn_Del->OnClick = [this](ui::Component* sender) { Btn_DelClick(sender); };
    Btn_Clear->OnClick = [this](ui::Component* sender) { Btn_ClearClick(sender); };
}
