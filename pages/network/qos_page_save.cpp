// The QoS page's Save: QoS off writes the status alone; QoS on writes the
// listed rules' enable states from their check boxes (to the rules' own
// indexes), then the status and the classifiers, and reads the rules again
// unless a rule is loaded in the editor.

#include <optional>

#include "pages/common/disabled_while.h"
#include "pages/common/group_writes.h"
#include "pages/common/waiting_steps.h"
#include "pages/network/qos_page.h"
#include "pages/network/qos_page_rules.h"
#include "pages/network/qos_page_states.h"
#include "pages/network/qos_page_texts.h"
#include "pages/network/qos_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

using namespace qos;

namespace {

const char* const kNothingClassifiedText =
    "All traffic will be treated as priority of 'Best Effort'\nbecause of priority classifier specified and empty "
    "rule table.";

}  // namespace

bool TFM_QosSetting::NoRuleEnabled() const {
    for (int i = 0; i < LV_QosRulesUser->ItemCount(); ++i)
        if (LV_QosRulesUser->Item(i)->Checked()) return false;
    return true;
}

// Writes the listed rules' states; false with the reason when they were not
// written. No rule listed: nothing to write.
bool TFM_QosSetting::SaveRuleStates(std::string& failure) {
    const std::vector<std::string>& indexes = RuleRows.Indexes();
    if (indexes.empty()) return true;
    if (!Groups.WasRead(*QosRulesRequest)) {
        failure = std::string(NotReadPrefix) + kRulesGroupName;
        return false;
    }
    std::vector<QosRuleState> states;
    for (size_t i = 0; i < indexes.size(); ++i)
        states.push_back({indexes[i], LV_QosRulesUser->Item(static_cast<int>(i))->Checked()});
    return WriteQosRuleStates(states, kTimeout, failure);
}

void TFM_QosSetting::Btn_ApplyClick(ui::Component*) {
    if (QosRulesRequest == nullptr || QosRulesRequest->busy || notice_) return;
    bool readRules = false;
    {
        DisabledWhile page(this);
        DisabledWhile apply(Btn_Apply);
        if (!CheckBox_Automatic->Checked() && !CheckBox_Http->Checked() && NoRuleEnabled())
            ui::MessageBox(kNothingClassifiedText, "Warning", ui::Buttons::Ok);
        GroupWrites writes(Groups);
        if (!QosEnabled()) {
            writes.Write(*QosStatusRequest, {SingleRow::Value});
            StatusBar->ShowMessage(writes.AllWritten() ? kSetOk : writes.FailureText(kSetError));
            return;
        }
        std::vector<QosRuleState> probe;
        for (const std::string& index : RuleRows.Indexes()) probe.push_back({index, false});
        std::string failure;
        if (!probe.empty() && !ReadQosRuleStates(probe, kTimeout, failure)) {
            StatusBar->ShowMessage(failure);  // the device did not answer for them: nothing is written
            return;
        }
        {
            WaitNotice notice(this, kNoticeTitle, kNoticeText);
            if (!SaveRuleStates(failure)) writes.Fail();
            writes.Write(*QosStatusRequest, {SingleRow::Value});
            writes.Write(*ClassifierRequest, {QosClassifierRow::Http, QosClassifierRow::Automatic});
        }
        const std::string text =
            writes.AllWritten() ? kSetOk : writes.FailureText(kSetError) + (failure.empty() ? "" : " " + failure);
        StatusBar->ShowMessage(text);
        if (EditMode == QosEditMode::RuleSelected) {
            KeptStateIndex = LB_Index->Caption();  // its next Add leaves the state Save wrote
        } else {
            readRules = true;
            if (text != kSetOk) afterRead_ = text;
        }
    }
    if (readRules) StartRuleRead();
}
