// The Schedule page's writes: Add (a new rule, or a loaded rule changed by a
// delete and then an add), Delete, Save of the status and the rules' states,
// and what their answers do.

#include <memory>
#include <utility>

#include "library/common/messages.h"
#include "library/snmp/write_result.h"
#include "pages/common/async_write.h"
#include "pages/common/completion_status.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/wireless/schedule_page.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"

namespace {

constexpr int kDeleteItem = 0;  // of OptDot11ScheduleAction
constexpr int kAddItem = 1;
constexpr int kEnableItem = 1;  // of OptDot11ScheduleListNodeStatus

const char* const kSaveOk = "Save OK!";
const char* const kSaveFail = "Save Fail!";
const char* const kDeleteOk = "Delete OK!";

}  // namespace

// ---- checks -------------------------------------------------------------------------

bool TFM_Scheduling::ValidRule() {
    const bool replacing = EditMode == 1 && !loaded_.index.empty();
    // One rule per SSID: a changed rule may keep its own SSID.
    if (SsidIndexTaken(ListedRules(), Cbox_SchIndex->ItemIndex(), replacing ? loaded_.index : std::string()))
        return Refuse("The SSID has been exist already.", "Warning", nullptr);
    const std::string name = Ed_ScheduleName->Text();
    if (name.empty()) return Refuse("The Name field can not be blank.", "Warning", Ed_ScheduleName);
    if (name[0] == ' ') return Refuse("The first character can't be blank.", "Error", Ed_ScheduleName);
    if (!TMainForm::IsAsciiText(name))
        return Refuse("There are some invalid characters in the Name field.Please check it.", "Warning",
                      Ed_ScheduleName);
    bool anyDay = false;
    for (const ui::CheckBox* box : DayBoxes()) anyDay = anyDay || box->Checked();
    if (RB_Day->Checked() && !anyDay) return Refuse("Please Select Day(s)", "Warning", nullptr);
    return CheckBox_AllDay->Checked() || ValidTimes();
}

bool TFM_Scheduling::ValidTimes() {
    const ScheduleTimes typed = TypedTimes();
    const ScheduleTimes filled = ZeroFilled(typed);
    const TimeRefusal refusal = CheckScheduleTimes(typed, filled, chk_Over->Checked());
    // Only the empty-field check (which names no field) comes before the zero fill.
    if (refusal.field != TimeField::None || refusal.text.empty()) ShowTimes(filled);
    if (refusal.text.empty()) return true;
    if (ui::Edit* edit = TimeEdit(refusal.field)) return RefuseAndClear(refusal.text, "Warning", edit);
    return Refuse(refusal.text, "Warning", nullptr);
}

// ---- Add and Delete -----------------------------------------------------------------

void TFM_Scheduling::Btn_AddClick(ui::Component* sender) {
    if (RuleRequest->busy || !ValidRule()) return;
    const bool replacing = EditMode == 1 && !loaded_.index.empty();
    // A changed rule is added only once its old version is gone.
    if (replacing && !DeleteLoadedRule()) return;
    SendAdd(replacing ? RuleWrite::ReplacingAdd : RuleWrite::Add);
    Btn_ClearClick(sender);
}

void TFM_Scheduling::SendAdd(RuleWrite kind) {
    ScheduleDays days{};
    const std::vector<ui::CheckBox*> boxes = DayBoxes();
    for (int day = 0; day < kWeekDays; ++day) days[static_cast<size_t>(day)] = boxes[static_cast<size_t>(day)]->Checked();
    Ed_day->SetText(std::to_string(ScheduleDayMask(RB_Week->Checked(), days)));
    std::vector<int> rows = {ScheduleRuleRow::Name,      ScheduleRuleRow::Days,       ScheduleRuleRow::AllDay,
                             ScheduleRuleRow::SsidIndex, ScheduleRuleRow::NodeStatus, ScheduleRuleRow::Overnight};
    if (CheckBox_AllDay->Checked()) {
        chk_Over->SetChecked(false);
    } else {
        Ed_StartTime->SetText(ScheduleTimeText(Ed_StartHour->Text(), Ed_StartMinute->Text()));
        Ed_EndTime->SetText(ScheduleTimeText(Ed_EndHour->Text(), Ed_EndMinute->Text()));
        rows.insert(rows.end(), {ScheduleRuleRow::StartTime, ScheduleRuleRow::EndTime});
    }
    Ed_ScheduleNodeStatus->SetText("1");
    replaced_ = kind == RuleWrite::ReplacingAdd ? loaded_.name : std::string();
    ruleWrite_ = kind;
    WriteRule(rows, kAddItem, false);
}

// Deletes the loaded rule as the device stores it (its name and SSID index),
// waiting for the answer; the controls keep what the user typed.
bool TFM_Scheduling::DeleteLoadedRule() {
    const std::string typedName = Ed_ScheduleName->Text();
    const int typedIndex = Cbox_SchIndex->ItemIndex();
    const bool typedOvernight = chk_Over->Checked();
    Ed_ScheduleName->SetText(loaded_.name);
    Cbox_SchIndex->SetItemIndex(SelectedSsidIndex);
    chk_Over->SetChecked(loaded_.overnight);
    const bool deleted = WriteRule({ScheduleRuleRow::Name, ScheduleRuleRow::SsidIndex, ScheduleRuleRow::Overnight},
                                   kDeleteItem, true);
    Ed_ScheduleName->SetText(typedName);
    Cbox_SchIndex->SetItemIndex(typedIndex);
    chk_Over->SetChecked(typedOvernight);
    return deleted;
}

void TFM_Scheduling::Btn_DelClick(ui::Component* sender) {
    Ed_ScheduleSSIDIndex->SetText(std::to_string(Cbox_SchIndex->ItemIndex()));
    if (Ed_DeleteName->Text().empty() || loaded_.index.empty() || RuleRequest->busy) return;
    if (ui::MessageBox("Are you sure that you want to delete this entry?", "Warning", ui::Buttons::OkCancel) !=
        ui::Answer::Ok) {
        Btn_ClearClick(sender);
        return;
    }
    const std::string typedName = Ed_ScheduleName->Text();
    Ed_ScheduleName->SetText(loaded_.name);
    Cbox_SchIndex->SetItemIndex(SelectedSsidIndex);
    chk_Over->SetChecked(loaded_.overnight);
    ruleWrite_ = RuleWrite::Delete;
    WriteRule({ScheduleRuleRow::Name, ScheduleRuleRow::SsidIndex, ScheduleRuleRow::Overnight}, kDeleteItem, false);
    Ed_ScheduleName->SetText(typedName);
    Btn_ClearClick(sender);
}

// Writes the rows with the action in one SET; every other row is left out
// of this write only. wait: synchronously, true when the device took it;
// otherwise the answer comes to ScheduleRuleSetDone.
bool TFM_Scheduling::WriteRule(const std::vector<int>& rows, int action, bool wait) {
    CB_ScheduleAction->SetItemIndex(action);
    std::vector<int> written = rows;
    written.push_back(ScheduleRuleRow::Action);
    if (!wait) {
        StartWriteRows(*RuleRequest, written, false);
        return true;
    }
    const VkWriteResult result = WriteRowsNow(*RuleRequest, written, false);
    if (!result.ok) RuleRequest->ShowStatus(result.text);
    return result.ok;
}

// ---- Save -----------------------------------------------------------------------------

void TFM_Scheduling::Btn_ApplyClick(ui::Component* sender) {
    GroupWrites writes(Groups);
    writes.Write(*StatusRequest, {SingleRow::Value});
    const bool enabled = StatusEnabled();
    if (enabled) {
        // Each listed rule's state goes to its own row's instance.
        std::vector<int> rows;
        for (int k = 0; k < User_ListView->ItemCount(); ++k) {
            const int instance = ScheduleNumber(Rules.IndexAt(k), 0);
            if (instance < 1 || instance > kScheduleNodeCount) continue;
            CB_NoteStatus[instance - 1]->SetItemIndex(User_ListView->Item(k)->Checked() ? kEnableItem : 0);
            rows.push_back(instance - 1);
        }
        if (!rows.empty()) writes.Write(*NodeStatusRequest, rows, ListRequest);
    }
    const std::string text = writes.AllWritten() ? kSaveOk : writes.FailureText(kSaveFail);
    if (enabled)
        ReadList(text);
    else
        StatusBar1->ShowMessage(text);
    Btn_ClearClick(sender);
}

// ---- answers --------------------------------------------------------------------------

void TFM_Scheduling::ReadList(const std::string& outcome) {
    afterRead_ = outcome;
    Groups.BeginLoad();
    if (!Groups.StartRead(*ListRequest)) {
        StatusBar1->ShowMessage(afterRead_.empty() ? "Get Fail!" : afterRead_);
        afterRead_.clear();
    }
}

void TFM_Scheduling::ScheduleRuleSetDone(VkSNMPError* result) {
    const RuleWrite kind = std::exchange(ruleWrite_, RuleWrite::None);
    if (result->code == VK_OK) {
        ReadList(kind == RuleWrite::Delete ? kDeleteOk : kSaveOk);
        return;
    }
    ShowCompletion(*RuleRequest, *result, kSaveOk);
    if (kind != RuleWrite::ReplacingAdd) return;
    // The old version of the rule is gone and the new one was not taken.
    const std::string failure = StatusBar1->PanelText(0);
    ui::MessageBox("The rule \"" + replaced_ + "\" was deleted, but its changed settings could not be added: " +
                       result->text,
                   "Error");
    ReadList(failure);
}

void TFM_Scheduling::ScheduleListGetDone(VkSNMPError* result) {
    Ed_SchSsid->SetEnabled(false);
    const std::string outcome = std::exchange(afterRead_, std::string());
    if (result->code != VK_OK) {
        StatusBar1->ShowMessage("Get Fail!");
        return;
    }
    FillScheduleList();
    RowCount = User_ListView->ItemCount();
    loaded_ = LoadedRule{};
    SetEditMode(0);
    StatusBar1->ShowMessage(outcome.empty() ? Groups.EndText("Get OK!") : outcome);
}
