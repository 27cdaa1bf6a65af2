#include "pages/network/qos_page.h"

#include <utility>

#include "library/common/messages.h"
#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/common/waiting_steps.h"
#include "pages/network/qos_page_rules.h"
#include "pages/network/qos_page_texts.h"
#include "pages/network/qos_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

using namespace qos;

TFM_QosSetting* FM_QosSetting = nullptr;

TFM_QosSetting::TFM_QosSetting(ui::Component* owner)
    : ui::Form(owner), RuleRows(FreeWhenEmpty(QosRuleRow::Name)) {
    SetupPageForm(*this, "FM_QosSetting", "Advanced \\ QoS Setting", 560, 520);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

TFM_QosSetting::~TFM_QosSetting() = default;

void TFM_QosSetting::MakeGroups() {
    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode, MVT_SV, 0, kApModeTimeout})
        .BindComboBox(SingleRow::Value, CB_ApMode);
    Groups.Make(QosStatusRequest, {"QoS status", VarsQosStatus, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_EnableQos);
    VkSNMPRequest2Edits& classifiers =
        Groups.Make(ClassifierRequest, {"priority classifiers", VarsQosClassifiers, SVT_SV, 0, kTimeout});
    classifiers.BindCheckBox(QosClassifierRow::Http, CheckBox_Http);
    classifiers.BindCheckBox(QosClassifierRow::Automatic, CheckBox_Automatic);
    Groups.Make(RuleDeleteRequest, {"rule delete", VarsQosRulesDelete, SVT_SV, 0, kTimeout})
        .BindEdits(SingleRow::Value, "%s", Ed_QosRuleDel);
    MakeRuleGroup();
}

void TFM_QosSetting::MakeRuleGroup() {
    VkSNMPRequest2Edits& rules =
        Groups.Make(QosRulesRequest, {kRulesGroupName, VarsQosRules, MVT_UMV, 1, kTimeout, true});
    rules.BindListView(LV_QosRules, true);
    RuleRows.Use(rules);
    rules.BindLabel(QosRuleRow::Index, LB_Index);
    rules.BindComboBox(QosRuleRow::State, CB_QosRulesState);
    rules.BindEdits(QosRuleRow::Name, "%s", Ed_QosName);
    rules.BindComboBox(QosRuleRow::Priority, CB_Priority);
    rules.BindEdits(QosRuleRow::Protocol, "%u", Ed_ProtocolName);
    rules.BindComboBox(QosRuleRow::ProtocolType, CB_Protocol);
    rules.BindEdits(QosRuleRow::HostOneIpStart, "%s", Ed_IpFrom1);
    rules.BindEdits(QosRuleRow::HostOneIpEnd, "%s", Ed_IpTo1);
    rules.BindEdits(QosRuleRow::HostOneIpRange, "%s", Ed_HostOneIpRange);
    rules.BindEdits(QosRuleRow::HostOnePortStart, "%u", Ed_PortFrom1);
    rules.BindEdits(QosRuleRow::HostOnePortEnd, "%u", Ed_PortTo1);
    rules.BindEdits(QosRuleRow::HostOnePortRange, "%s", Ed_HostOnePortRange);
    rules.BindEdits(QosRuleRow::HostTwoIpStart, "%s", Ed_IpFrom2);
    rules.BindEdits(QosRuleRow::HostTwoIpEnd, "%s", Ed_IpTo2);
    rules.BindEdits(QosRuleRow::HostTwoIpRange, "%s", Ed_HostTowIpRange);
    rules.BindEdits(QosRuleRow::HostTwoPortStart, "%u", Ed_PortFrom2);
    rules.BindEdits(QosRuleRow::HostTwoPortEnd, "%u", Ed_PortTo2);
    rules.BindEdits(QosRuleRow::HostTwoPortRange, "%s", Ed_HostTowPortRange);
    rules.SetStatusMemo(StatusBar, 0);
    rules.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { QosRulesGetDone(result); };
    rules.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { QosRuleSetDone(result); };
}

void TFM_QosSetting::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*ApModeRequest);
        Groups.Read(*QosStatusRequest);
        const bool client = CB_ApMode->ItemIndex() == kWirelessClientItem;
        if (client) CB_EnableQos->SetItemIndex(kDisableItem);
        CB_EnableQos->SetEnabled(!client);
        Groups.Read(*ClassifierRequest);
        // Until the walk ends the page cannot close; a walk that never
        // started leaves nothing to wait for.
        FirstReadDone = !Groups.StartRead(*QosRulesRequest);
        StatusBar->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        FirstReadDone = true;
        StatusBar->ShowMessage(error.Message());
    }
    Ed_ProtocolName->SetMaxLength(3);
    for (ui::Edit* port : {Ed_PortFrom1, Ed_PortTo1, Ed_PortFrom2, Ed_PortTo2}) port->SetMaxLength(5);
    for (ui::Edit* address : {Ed_IpFrom1, Ed_IpTo1, Ed_IpFrom2, Ed_IpTo2}) address->SetMaxLength(15);
    Ed_QosName->SetMaxLength(32);
}

void TFM_QosSetting::FormCloseQuery(ui::Component*, bool& canClose) { canClose = FirstReadDone; }

// Starts a walk of the rule table; the page stays disabled until its answer.
bool TFM_QosSetting::StartRuleRead() {
    Groups.BeginLoad();
    if (!Groups.StartRead(*QosRulesRequest)) {
        StatusBar->ShowMessage(afterRead_.empty() ? Groups.LoadText() : afterRead_);
        afterRead_.clear();
        return false;
    }
    SetEnabled(false);
    return true;
}

void TFM_QosSetting::QosRulesGetDone(VkSNMPError* result) {
    FirstReadDone = true;
    SetEnabled(true);
    Btn_Apply->SetEnabled(true);
    std::string failure = std::exchange(afterRead_, {});
    if (result->code != VK_OK) {
        StatusBar->ShowMessage(failure.empty() ? result->text : failure + " " + result->text);
        return;
    }
    EditMode = QosEditMode::NewRule;
    FillQosRuleList();
    Btn_ClearClick(this);
    ApplyApModeLimit();
    StatusBar->ShowMessage(!failure.empty() ? failure : Groups.EndText(kGetOk));
}

// The named rows of the hidden list, each with its check box and its cells;
// the index of each row is kept for the rule's writes.
void TFM_QosSetting::FillQosRuleList() {
    RuleRows.Show(*LV_QosRulesUser, [](const ui::ListItem& walked, ui::ListItem& row) {
        auto cell = [&walked](int column) { return CellText(walked, column); };
        const QosRuleCellsOut cells = QosRuleCells(
            {cell(QosRuleRow::State), cell(QosRuleRow::Name), cell(QosRuleRow::Priority),
             cell(QosRuleRow::ProtocolType), cell(QosRuleRow::HostOneIpStart), cell(QosRuleRow::HostOneIpEnd),
             cell(QosRuleRow::HostOnePortStart), cell(QosRuleRow::HostOnePortEnd), cell(QosRuleRow::HostTwoIpStart),
             cell(QosRuleRow::HostTwoIpEnd), cell(QosRuleRow::HostTwoPortStart), cell(QosRuleRow::HostTwoPortEnd)});
        row.SetCaption(cells.name);
        for (const std::string& text : {cells.priority, cells.hostOne, cells.hostTwo, cells.protocolPorts})
            row.AddSubItem(text);
        row.SetChecked(cells.checked);
    });
    RuleCount = LV_QosRulesUser->ItemCount();
}

bool TFM_QosSetting::QosEnabled() const { return CB_EnableQos->ItemIndex() == kEnableItem; }

void TFM_QosSetting::CB_EnableQosChange(ui::Component*) {
    const bool enabled = QosEnabled();
    EnableControls({CheckBox_Http, CheckBox_Automatic, Ed_QosName, CB_Priority, CB_Protocol, Ed_IpFrom1, Ed_IpTo1,
                    Ed_PortFrom1, Ed_PortTo1, Ed_IpFrom2, Ed_IpTo2, Ed_PortFrom2, Ed_PortTo2, LV_QosRulesUser, Btn_Add,
                    Btn_Clear, Btn_Del, Ed_ProtocolName},
                   enabled);
    if (enabled) {
        Ed_ProtocolName->SetEnabled(false);
        SetRuleEditMode(EditMode);
    }
    CB_ProtocolChange(this);
}

// The protocol number and the edits a protocol opens; nothing of the rule
// editor opens while QoS is off.
void TFM_QosSetting::CB_ProtocolChange(ui::Component*) {
    const QosProtocolControls controls = QosProtocolRule(CB_Protocol->ItemIndex());
    if (controls.number) Ed_ProtocolName->SetText(*controls.number);
    const bool enabled = QosEnabled();
    Ed_ProtocolName->SetEnabled(enabled && controls.numberEnabled);
    EnableControls({Ed_PortFrom1, Ed_PortTo1, Ed_PortFrom2, Ed_PortTo2}, enabled && controls.portsEnabled);
}

void TFM_QosSetting::ApplyApModeLimit() {
    if (CB_ApMode->ItemIndex() == kWirelessClientItem) {
        CB_EnableQos->SetItemIndex(kDisableItem);
        CB_EnableQos->SetEnabled(false);
    }
    CB_EnableQosChange(this);
}

void TFM_QosSetting::SetRuleEditMode(int mode) {
    const std::optional<QosEditButtons> buttons = QosEditModeButtons(mode);
    if (!buttons) return;
    EditMode = mode;
    Btn_Add->SetEnabled(buttons->add);
    Btn_Clear->SetEnabled(buttons->clear);
    Btn_Apply->SetEnabled(buttons->apply);
    Btn_Del->SetEnabled(buttons->del);
}

