// The QoS page's rule editor: loading a listed rule, Clear (the first free
// row for a new rule), Add with its checks and the rows it writes, the wait
// notice until the device answers, and Delete by the rule's own index.

#include <algorithm>

#include "library/common/messages.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/same_value.h"
#include "pages/common/waiting_steps.h"
#include "pages/network/qos_page.h"
#include "pages/network/qos_page_rules.h"
#include "pages/network/qos_page_texts.h"
#include "pages/network/qos_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

using namespace qos;

namespace {

constexpr char kAnyProtocolNumber[] = "256";
constexpr char kNoTarget[] = "No rule row to write: the rule table was not read or has no free row.";

}  // namespace

bool TFM_QosSetting::RuleTableFull() const { return RuleCount >= kMaxRules || RuleRows.FirstFree() == nullptr; }

// The row Add writes: the loaded rule's, or the free row Clear chose.
ui::ListItem* TFM_QosSetting::TargetRow() const { return RuleRows.SelectedIf(LB_Index->Caption()); }

// The device's 0 and 0.0.0.0 stand for an empty address or port.
void TFM_QosSetting::EmptyZeroEdits() {
    for (ui::Edit* edit : {Ed_IpFrom1, Ed_IpTo1, Ed_IpFrom2, Ed_IpTo2})
        if (SameAddress(edit->Text(), "0.0.0.0")) edit->SetText("");
    for (ui::Edit* edit : {Ed_PortFrom1, Ed_PortTo1, Ed_PortFrom2, Ed_PortTo2})
        if (edit->Text() == "0") edit->SetText("");
}

void TFM_QosSetting::LV_QosRulesUserClick(ui::Component*) {
    ui::ListItem* row = RuleRows.ChosenRow(*LV_QosRulesUser);
    if (row == nullptr || row->Caption() != KeptStateIndex) KeptStateIndex.clear();
    if (row != nullptr) {
        row->SetSelected(true);
        Ed_QosRuleDel->SetText(row->Caption());
        SetRuleEditMode(QosEditMode::RuleSelected);
    } else {
        SetRuleEditMode(RuleTableFull() ? QosEditMode::TableFull : QosEditMode::NewRule);
        LV_QosRules->SetSelected(RuleRows.FirstFree());
    }
    EmptyZeroEdits();
    CB_EnableQosChange(this);
}

void TFM_QosSetting::Btn_ClearClick(ui::Component*) {
    RuleCount = LV_QosRulesUser->ItemCount();
    const bool full = RuleTableFull();
    KeptStateIndex.clear();
    LV_QosRulesUser->SetSelected(nullptr);
    LV_QosRules->SetSelected(full ? nullptr : RuleRows.FirstFree());
    EditMode = full ? QosEditMode::TableFull : QosEditMode::NewRule;
    for (ui::Edit* edit : {Ed_QosName, Ed_IpFrom1, Ed_IpTo1, Ed_IpFrom2, Ed_IpTo2, Ed_PortFrom1, Ed_PortTo1,
                           Ed_PortFrom2, Ed_PortTo2, Ed_QosRuleDel})
        edit->SetText("");
    CB_Protocol->SetItemIndex(QosProtocolItem::Any);
    CB_Priority->SetItemIndex(0);
    Ed_ProtocolName->SetText(kAnyProtocolNumber);
    CB_EnableQosChange(this);  // the mode's buttons with QoS on, all off without
}

// Puts the edits back as the checks left them; on a refusal shows it and
// focuses (and maybe empties) the edit to correct.
bool TFM_QosSetting::ApplyRulePlan(const QosRulePlan& plan) {
    const QosRuleInput& e = plan.edits;
    const std::pair<ui::Edit*, std::string> texts[] = {{Ed_IpTo1, e.ipTo1},
                                                       {Ed_PortFrom1, e.portFrom1},
                                                       {Ed_PortTo1, e.portTo1},
                                                       {Ed_IpFrom2, e.ipFrom2},
                                                       {Ed_IpTo2, e.ipTo2},
                                                       {Ed_PortFrom2, e.portFrom2},
                                                       {Ed_PortTo2, e.portTo2},
                                                       {Ed_HostOneIpRange, plan.hostOneIpRange},
                                                       {Ed_HostOnePortRange, plan.hostOnePortRange},
                                                       {Ed_HostTowIpRange, plan.hostTwoIpRange},
                                                       {Ed_HostTowPortRange, plan.hostTwoPortRange}};
    for (const auto& [edit, text] : texts) edit->SetText(text);
    if (!plan.refusal) return true;
    ui::Edit* const fields[] = {nullptr,    Ed_QosName, Ed_ProtocolName, Ed_IpFrom1,   Ed_IpTo1,  Ed_PortFrom1,
                                Ed_PortTo1, Ed_IpFrom2, Ed_IpTo2,        Ed_PortFrom2, Ed_PortTo2};
    ui::Edit* edit = fields[static_cast<int>(plan.refusal->field)];
    const QosRefusal& r = *plan.refusal;
    return r.clear ? RefuseAndClear(r.message, r.caption, edit) : Refuse(r.message, r.caption, edit);
}

void TFM_QosSetting::Btn_AddClick(ui::Component*) {
    if (QosRulesRequest == nullptr || QosRulesRequest->busy || notice_) return;
    const ui::ListItem* target = TargetRow();
    if (target == nullptr) {
        StatusBar->ShowMessage(kNoTarget);
        return;
    }
    const QosRuleInput input{Ed_QosName->Text(), CB_Protocol->ItemIndex(), Ed_ProtocolName->Text(),
                             Ed_IpFrom1->Text(), Ed_IpTo1->Text(),         Ed_PortFrom1->Text(),
                             Ed_PortTo1->Text(), Ed_IpFrom2->Text(),       Ed_IpTo2->Text(),
                             Ed_PortFrom2->Text(), Ed_PortTo2->Text(),     !RuleRows.IsFreeRow(*target)};
    const QosRulePlan plan = PlanQosRule(input);
    if (!ApplyRulePlan(plan)) return;
    std::vector<int> rows = plan.rows;
    if (std::exchange(KeptStateIndex, {}) == target->Caption())
        rows.erase(std::remove(rows.begin(), rows.end(), QosRuleRow::State), rows.end());
    CB_QosRulesState->SetItemIndex(kEnableItem);
    notice_ = std::make_unique<WaitNotice>(this, kNoticeTitle, kNoticeText);
    GroupWrites writes(Groups);
    if (!writes.Write(*QosStatusRequest, {SingleRow::Value})) {
        notice_.reset();
        StatusBar->ShowMessage(writes.FailureText(kSetError));
        return;
    }
    StatusBar->ShowMessage("Adding QOS!");
    WriteRule(rows);
}

// Sends exactly these rows of the target row (an answer, or a send that
// failed, ends in QosRuleSetDone); every column keeps being read.
void TFM_QosSetting::WriteRule(const std::vector<int>& rows) {
    StartWriteRows(*QosRulesRequest, rows, false);
}

void TFM_QosSetting::QosRuleSetDone(VkSNMPError* result) {
    notice_.reset();
    if (result->code != VK_OK) {
        StatusBar->ShowMessage(result->text);
        return;
    }
    StartRuleRead();
}

void TFM_QosSetting::Btn_DelClick(ui::Component*) {
    const ui::ListItem* chosen = LV_QosRulesUser->Selected();
    const std::string index = RuleRows.ChosenIndex(*LV_QosRulesUser);
    if (chosen == nullptr || index.empty()) return;
    if (QosRulesRequest == nullptr || RuleDeleteRequest == nullptr || QosRulesRequest->busy || notice_) return;
    if (ui::MessageBox("Are you sure you want to delete " + chosen->Caption() + "?", "Warning",
                       ui::Buttons::OkCancel) != ui::Answer::Ok)
        return;
    Ed_QosRuleDel->SetText(index);
    GroupWrites writes(Groups);
    if (!writes.Write(*RuleDeleteRequest, {SingleRow::Value}, QosRulesRequest)) {
        StatusBar->ShowMessage(writes.FailureText("Delete Fail!"));
        return;
    }
    StatusBar->ShowMessage("Delete OK!");
    StartRuleRead();
}
