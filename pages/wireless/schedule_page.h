#pragma once
// The Schedule page ("Advanced \ Schedule"): the wireless schedule's global
// status and its rules, each tying one SSID (the primary SSID or SSID 1 to 7)
// to days of the week and a time frame (all day, start to end, or overnight).
//
// The device lists the rules in a table the page only reads (a hidden list
// of the walked rows; the visible list shows the named ones, each keeping the
// walked index of its row). Rules are added and deleted through the rule
// scalars with an action object in one SET; a changed rule is a delete of the
// loaded rule (by its stored name and SSID index) and, once that succeeded,
// an add of the new one. Save writes the status and, with the schedule on,
// each listed rule's on/off state into its own row's node-status instance.
//
// The form's code is split by concern: schedule_page.cpp (form, opening,
// list, loading a rule, the editing controls), schedule_page_edit.cpp (Add,
// Delete, Save and the answers).

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "pages/wireless/schedule_page_rules.h"
#include "pages/wireless/schedule_page_vars.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListItem;
class ListView;
class PageControl;
class RadioButton;
class StatusBar;
class TabSheet;
}  // namespace ui

class TFM_Scheduling : public ui::Form {
public:
    explicit TFM_Scheduling(ui::Component* owner);

    ui::PageControl* PageControl1;
    ui::TabSheet* TabSheet1;
    ui::Label* Lb_ScheduleStatus;
    ui::ComboBox* CBox_ScheduleStatus;
    ui::GroupBox* GroupBox_AddRule;
    ui::Label* Lb_ScheduleName;
    ui::Edit* Ed_ScheduleName;
    ui::Label* Lb_SchIndex;
    ui::ComboBox* Cbox_SchIndex;
    ui::Edit* Ed_SchSsid;
    ui::Label* Lb_Day;
    ui::RadioButton* RB_Week;
    ui::RadioButton* RB_Day;
    ui::CheckBox* CheckBox_Sun;
    ui::CheckBox* CheckBox_Mon;
    ui::CheckBox* CheckBox_Tue;
    ui::CheckBox* CheckBox_Wed;
    ui::CheckBox* CheckBox_Thu;
    ui::CheckBox* CheckBox_Fri;
    ui::CheckBox* CheckBox_Sat;
    ui::Label* Lb_Time;
    ui::CheckBox* CheckBox_AllDay;
    ui::Label* Lb_Start;
    ui::Edit* Ed_StartHour;
    ui::Label* Lb_StartColon;
    ui::Edit* Ed_StartMinute;
    ui::Label* Lb_End;
    ui::Edit* Ed_EndHour;
    ui::Label* Lb_EndColon;
    ui::Edit* Ed_EndMinute;
    ui::Label* Lb_TimeFormat;
    ui::CheckBox* chk_Over;
    ui::Button* Btn_Add;
    ui::Button* Btn_Clear;
    ui::GroupBox* GroupBox_RuleList;
    ui::ListView* User_ListView;
    ui::Label* lbl_overshow;
    ui::Button* Btn_Del;
    ui::Button* Btn_Apply;
    ui::StatusBar* StatusBar1;
    // Hidden: the walked rules and SSID names, and the values the requests
    // carry (days mask, times, action, node statuses, AP mode).
    ui::ListView* Schedule_ListView;
    ui::ListView* LV_SSID;
    ui::Edit* Ed_day;
    ui::Edit* Ed_StartTime;
    ui::Edit* Ed_EndTime;
    ui::ComboBox* CB_ScheduleAction;
    ui::Edit* Ed_DeleteName;
    ui::Edit* Ed_ScheduleSSIDIndex;
    ui::Edit* Ed_ScheduleNodeStatus;
    ui::ComboBox* CB_APMode;
    ui::ComboBox* CB_Wireless;
    ui::ComboBox* CB_NoteStatus[kScheduleNodeCount];  // CB_NoteStatus1 .. CB_NoteStatus8

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ModeRequest = nullptr;
    VkSNMPRequest2Edits* SsidNameRequest = nullptr;
    VkSNMPRequest2Edits* StatusRequest = nullptr;
    VkSNMPRequest2Edits* RuleRequest = nullptr;
    VkSNMPRequest2Edits* ListRequest = nullptr;
    VkSNMPRequest2Edits* NodeStatusRequest = nullptr;

    // Rules in the visible list after the last list read.
    int RowCount = 0;
    // 0 adding a new rule, 1 a rule is loaded (Add replaces it, Delete
    // deletes it), 2 before the first status handler or list read.
    int EditMode = 2;
    // The loaded rule's SSID index as stored (-1 when it is no number).
    int SelectedSsidIndex = -1;
    // The walked rules as the visible list shows them (a free row has no
    // name).
    WalkedRows Rules{FreeWhenEmpty(ScheduleListRow::Name)};

    void FormCreate(ui::Component* sender);
    void CBox_ScheduleStatusChange(ui::Component* sender);
    void Cbox_SchIndexChange(ui::Component* sender);
    void LV_SSIDClick(ui::Component* sender);
    void User_ListViewClick(ui::Component* sender);
    void RB_WeekClick(ui::Component* sender);
    void RB_DayClick(ui::Component* sender);
    void CheckBox_AllDayClick(ui::Component* sender);
    void Btn_AddClick(ui::Component* sender);
    void Btn_DelClick(ui::Component* sender);
    void Btn_ClearClick(ui::Component* sender);
    void Btn_ApplyClick(ui::Component* sender);
    void FillScheduleList();
    void ScheduleListGetDone(VkSNMPError* result);
    void ScheduleRuleSetDone(VkSNMPError* result);
    void SetEditMode(int mode);

    bool StatusEnabled() const;

private:
    // What the rule write under way is, for its answer.
    enum class RuleWrite { None, Add, ReplacingAdd, Delete };
    // The rule loaded from the list, as the device stores it.
    struct LoadedRule {
        std::string index;  // walked index; "" when none is loaded
        std::string name;
        bool overnight = false;
    };

    void BuildControls();
    void BuildRuleControls();
    void BuildListControls();
    void ConnectHandlers();
    void MakeGroups();
    std::vector<ui::CheckBox*> DayBoxes() const;
    std::vector<ui::Control*> EditingControls() const;
    std::vector<ListedRule> ListedRules() const;
    void LoadRule(const ui::ListItem& walked);
    ScheduleTimes TypedTimes() const;
    void ShowTimes(const ScheduleTimes& times);
    ui::Edit* TimeEdit(TimeField field) const;
    bool ValidRule();
    bool ValidTimes();
    bool DeleteLoadedRule();
    void SendAdd(RuleWrite kind);
    bool WriteRule(const std::vector<int>& rows, int action, bool wait);
    void ReadList(const std::string& outcome);

    LoadedRule loaded_;
    RuleWrite ruleWrite_ = RuleWrite::None;
    // The name of the rule a change deleted, while its new version is added.
    std::string replaced_;
    // Shown when the list read that follows a write ends well (the write's
    // own outcome), in place of "Get OK!".
    std::string afterRead_;
};

extern TFM_Scheduling* FM_Scheduling;
