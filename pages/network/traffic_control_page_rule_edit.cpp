// Adding, editing and deleting traffic-manager rules. The device changes its
// rules only through the rule scalars and an action: add (1) or delete the
// rule of that name (0). An edit is a delete of the old rule and then an add
// of the new values: the new values are checked first (their name against
// the other rules too), the add is sent only once the delete succeeded, and
// the editor and the list stay locked until the sequence has ended.

#include "pages/common/async_write.h"
#include "library/common/messages.h"
#include "pages/common/control_helpers.h"
#include "pages/common/input_refusal.h"
#include "pages/network/traffic_control_page.h"
#include "pages/network/traffic_control_page_rules.h"
#include "pages/network/traffic_control_page_texts.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"

using namespace traffic;

namespace {

// The rows an add writes: an empty client IP or MAC is left out.
std::vector<int> AddRows(const TFM_TrafficCtrl::RuleTexts& rule) {
    std::vector<int> rows = {TrafficRuleRow::Name, TrafficRuleRow::DownSpeed, TrafficRuleRow::UpSpeed,
                             TrafficRuleRow::Action};
    if (!rule.ip.empty()) rows.push_back(TrafficRuleRow::ClientIp);
    if (!rule.mac.empty()) rows.push_back(TrafficRuleRow::ClientMac);
    return rows;
}

// A delete names the rule; the device finds it by its name.
const std::vector<int> kDeleteRows = {TrafficRuleRow::Name, TrafficRuleRow::Action};

}  // namespace

void TFM_TrafficCtrl::Bt_TrafficAddClick(ui::Component*) {
    if (!RuleListRead || RuleWriteStep != RuleStep::None || TrafficRuleListRequest->busy) return;
    const RuleTexts typed = TypedRule();
    const RuleInput input{typed.name, typed.ip, typed.mac, typed.downSpeed, typed.upSpeed, Ed_DownLBand->Text(),
                          Ed_UpLBand->Text()};
    if (auto refusal = CheckRule(input)) {
        ui::Edit* const fields[] = {Ed_Name, Ed_ClientIP, Ed_ClientMAC, Ed_DLinkSp, Ed_ULinkSp};
        RefuseField(*refusal, fields[refusal->field]);
        return;
    }
    const ui::ListItem* edited = LV_TrafficManRuleUser->Selected();
    if (NameTaken(typed.name, edited)) {
        Refuse(kNameTakenText, "Warning", Ed_Name);
        return;
    }
    ParkedRuleTexts = typed;
    if (edited == nullptr) {
        SendRule(RuleStep::Add, kAddItem, AddRows(typed));
        return;
    }
    // The old rule goes first, by its own name.
    EditedRuleName = edited->Caption();
    Ed_Name->SetText(EditedRuleName);
    SendRule(RuleStep::EditDelete, kDeleteItem, kDeleteRows);
}

// Empties the editor and lets go of the chosen rule: the next Add adds.
void TFM_TrafficCtrl::Bt_TrafficClearClick(ui::Component*) {
    PutRule({});
    LV_TrafficManRuleUser->SetSelected(nullptr);
    Bt_TrafficDel->SetEnabled(false);
}

// Deletes the chosen rule by its own name, whatever the editor holds.
void TFM_TrafficCtrl::Bt_TrafficDelClick(ui::Component*) {
    const ui::ListItem* rule = LV_TrafficManRuleUser->Selected();
    if (rule == nullptr || !RuleListRead || RuleWriteStep != RuleStep::None || TrafficRuleListRequest->busy) {
        Bt_TrafficClearClick(this);
        return;
    }
    const std::string name = rule->Caption();
    if (ui::MessageBox("Are you sure that you want to delete this entry?", "Warning", ui::Buttons::OkCancel) !=
        ui::Answer::Ok) {
        Bt_TrafficClearClick(this);
        return;
    }
    Ed_Name->SetText(name);
    SendRule(RuleStep::Delete, kDeleteItem, kDeleteRows);
}

// Sends one rule write with the editor's texts and the action; its answer
// comes to TrafficRuleSetDone, also when it could not be sent.
void TFM_TrafficCtrl::SendRule(RuleStep step, int action, const std::vector<int>& rows) {
    RuleWriteStep = step;
    if (!editorLock_) editorLock_ = std::make_unique<DisabledWhile>(GroupBox7);
    if (!listLock_) listLock_ = std::make_unique<DisabledWhile>(GroupBox8);
    Cbox_RuleAction->SetItemIndex(action);
    StartWriteRows(*TrafficRuleRequest, rows, false);
}

void TFM_TrafficCtrl::EndRuleWrite() {
    RuleWriteStep = RuleStep::None;
    editorLock_.reset();
    listLock_.reset();
}

void TFM_TrafficCtrl::TrafficRuleSetDone(VkSNMPError* result) {
    const bool ok = result->code == VK_OK;
    const std::string failure = " " + result->text;
    switch (RuleWriteStep) {
    case RuleStep::Add:
        EndRuleWrite();
        if (!ok) {
            StatusBar3->SetSimpleText(kAddFail + failure);
            return;
        }
        StatusBar3->SetSimpleText(kAddOk);
        Bt_TrafficClearClick(this);
        ReadRuleList();
        return;
    case RuleStep::EditDelete:
        PutRule(ParkedRuleTexts);
        if (!ok) {
            // Nothing changed on the device: the rule is still there.
            EndRuleWrite();
            StatusBar3->SetSimpleText(kAddFail + failure);
            return;
        }
        SendRule(RuleStep::EditAdd, kAddItem, AddRows(ParkedRuleTexts));
        return;
    case RuleStep::EditAdd:
        EndRuleWrite();
        if (ok) {
            StatusBar3->SetSimpleText(kAddOk);
            Bt_TrafficClearClick(this);
        } else {
            StatusBar3->SetSimpleText(std::string(kAddFail) + " The rule \"" + EditedRuleName +
                                      "\" was deleted, \"" + ParkedRuleTexts.name + "\" could not be added:" +
                                      failure);
            LV_TrafficManRuleUser->SetSelected(nullptr);
        }
        ReadRuleList();
        return;
    case RuleStep::Delete:
        EndRuleWrite();
        Bt_TrafficClearClick(this);
        StatusBar3->SetSimpleText(ok ? std::string(kDeleteOk) : kDeleteFail + failure);
        if (ok) ReadRuleList();
        return;
    case RuleStep::None:
        return;
    }
}
