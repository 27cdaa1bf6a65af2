#include "pages/wireless/schedule_page.h"

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

TFM_Scheduling* FM_Scheduling = nullptr;

namespace {

constexpr int kEnableItem = 1;  // of OptDot11ScheduleStatus
constexpr int kNameLength = 32;
constexpr int kTimeLength = 2;
const char* const kWirelessClient = "Wireless Client";  // of OptDot11ApMode2
const char* const kEnabled = "enable";                   // of OptDot11ScheduleListNodeStatus

ui::RadioButton* NewRadioButton(ui::Control* parent, const char* name, const char* caption, int left, int top,
                                int width) {
    auto* button = new ui::RadioButton(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, 17);
    return button;
}

}  // namespace

TFM_Scheduling::TFM_Scheduling(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Scheduling", "Advanced \\ Schedule", 560, 474);
    BuildControls();
    ConnectHandlers();
    Cbox_SchIndex->SetItemIndex(0);
    Ed_ScheduleNodeStatus->SetText("0");
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

// ---- the form -------------------------------------------------------------------

void TFM_Scheduling::BuildControls() {
    PageControl1 = new ui::PageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(4, 4, 552, 410);
    TabSheet1 = new ui::TabSheet(PageControl1);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetCaption("Wireless Schedule Setting");
    PlaceControls(TabSheet1, {
                                 {Lb_ScheduleStatus, "Lb_ScheduleStatus", "Wrieless Schedule", 12, 14},
                                 {CBox_ScheduleStatus, "CBox_ScheduleStatus", 130, 10, 100},
                             });
    BuildRuleControls();
    BuildListControls();
    PlaceControls(this, {{Btn_Apply, "Btn_Apply", "Save", 242, 420, 75}});
    StatusBar1 = NewStatusBar(this, "StatusBar1", 560);

    Schedule_ListView = NewListView(this, "Schedule_ListView", 0, 0, 10, 10);
    LV_SSID = NewListView(this, "LV_SSID", 0, 0, 10, 10);
    Ed_day = NewHiddenEdit(this, "Ed_day");
    Ed_StartTime = NewHiddenEdit(this, "Ed_StartTime");
    Ed_EndTime = NewHiddenEdit(this, "Ed_EndTime");
    Ed_DeleteName = NewHiddenEdit(this, "Ed_DeleteName");
    Ed_ScheduleSSIDIndex = NewHiddenEdit(this, "Ed_ScheduleSSIDIndex");
    Ed_ScheduleNodeStatus = NewHiddenEdit(this, "Ed_ScheduleNodeStatus");
    CB_ScheduleAction = NewHiddenComboBox(this, "CB_ScheduleAction");
    CB_APMode = NewHiddenComboBox(this, "CB_APMode");
    CB_Wireless = NewHiddenComboBox(this, "CB_Wireless", OptDot11ScheduleListWirelessStatus);
    for (int k = 0; k < kScheduleNodeCount; ++k)
        CB_NoteStatus[k] = NewHiddenComboBox(this, "CB_NoteStatus" + std::to_string(k + 1));
    ShowControls({Schedule_ListView, LV_SSID}, false);
}

void TFM_Scheduling::BuildRuleControls() {
    GroupBox_AddRule = NewGroupBox(TabSheet1, "GroupBox_AddRule", "Add Schedule Rule", 8, 40, 532, 172);
    PlaceControls(GroupBox_AddRule, {
                                        {Lb_ScheduleName, "Lb_ScheduleName", "Name", 12, 24},
                                        {Ed_ScheduleName, "Ed_ScheduleName", 90, 20, 150},
                                        {Lb_SchIndex, "Lb_SchIndex", "SSID Index", 256, 24},
                                        {Cbox_SchIndex, "Cbox_SchIndex", 320, 20, 100},
                                        {Ed_SchSsid, "Ed_SchSsid", 426, 20, 96},
                                        {Lb_Day, "Lb_Day", "Day(s)", 12, 54},
                                        {Lb_Time, "Lb_Time", "Time of Day", 12, 110},
                                        {CheckBox_AllDay, "CheckBox_AllDay", "All Day(s) - 24hrs", 90, 108, 140},
                                        {chk_Over, "chk_Over", "Overnight", 250, 108, 90},
                                        {Lb_Start, "Lb_Start", "Start Time", 12, 140},
                                        {Ed_StartHour, "Ed_StartHour", 90, 136, 28},
                                        {Lb_StartColon, "Lb_StartColon", ":", 121, 140},
                                        {Ed_StartMinute, "Ed_StartMinute", 128, 136, 28},
                                        {Lb_End, "Lb_End", "End Time", 172, 140},
                                        {Ed_EndHour, "Ed_EndHour", 230, 136, 28},
                                        {Lb_EndColon, "Lb_EndColon", ":", 261, 140},
                                        {Ed_EndMinute, "Ed_EndMinute", 268, 136, 28},
                                        {Lb_TimeFormat, "Lb_TimeFormat", "(hour:minute, 24 hour time) ", 304, 140},
                                        {Btn_Add, "Btn_Add", "Add", 446, 52, 76},
                                        {Btn_Clear, "Btn_Clear", "Clear", 446, 84, 76},
                                    });
    RB_Week = NewRadioButton(GroupBox_AddRule, "RB_Week", "All Week ", 90, 52, 90);
    RB_Day = NewRadioButton(GroupBox_AddRule, "RB_Day", "Select Day(s)", 190, 52, 120);
    RB_Day->SetChecked(true);
    ui::CheckBox** boxes[] = {&CheckBox_Sun, &CheckBox_Mon, &CheckBox_Tue, &CheckBox_Wed,
                              &CheckBox_Thu, &CheckBox_Fri, &CheckBox_Sat};
    for (int day = 0; day < kWeekDays; ++day) {
        const std::string name = ScheduleDayNames[day];
        *boxes[day] = NewCheckBox(GroupBox_AddRule, "CheckBox_" + name, name, 90 + day * 50, 78, 48);
    }
    for (ui::Edit* edit : {Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute}) edit->SetMaxLength(kTimeLength);
    MakeDisplayOnly(*Ed_SchSsid);
}

void TFM_Scheduling::BuildListControls() {
    GroupBox_RuleList = NewGroupBox(TabSheet1, "GroupBox_RuleList", "Schedule Rule List", 8, 218, 532, 160);
    User_ListView = NewListView(GroupBox_RuleList, "User_ListView", 10, 20, 428, 112);
    User_ListView->SetCheckBoxes(true);
    // "Name" and "Time Frame" as designed; the others share what is left of
    // the list's width, so that every column is in view.
    const std::pair<const char*, int> columns[] = {{"Name", 100}, {"SSID Index", 68}, {"SSID ", 50},
                                                   {"Days", 56},  {"Time Frame", 100}, {"Wireless", 48}};
    for (const auto& [caption, width] : columns) User_ListView->AddColumn(caption, width);
    PlaceControls(GroupBox_RuleList,
                  {
                      {lbl_overshow, "lbl_overshow", "+: To the end time of the next day overnight. ", 10, 138},
                      {Btn_Del, "Btn_Del", "Delete", 446, 20, 76},
                  });
}

void TFM_Scheduling::ConnectHandlers() {
    CBox_ScheduleStatus->OnChange = [this](ui::Component* sender) { CBox_ScheduleStatusChange(sender); };
    Cbox_SchIndex->OnChange = [this](ui::Component* sender) { Cbox_SchIndexChange(sender); };
    LV_SSID->OnClick = [this](ui::Component* sender) { LV_SSIDClick(sender); };
    User_ListView->OnClick = [this](ui::Component* sender) { User_ListViewClick(sender); };
    RB_Week->OnClick = [this](ui::Component* sender) { RB_WeekClick(sender); };
    RB_Day->OnClick = [this](ui::Component* sender) { RB_DayClick(sender); };
    CheckBox_AllDay->OnClick = [this](ui::Component* sender) { CheckBox_AllDayClick(sender); };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    Btn_Del->OnClick = [this](ui::Component* sender) { Btn_DelClick(sender); };
    Btn_Clear->OnClick = [this](ui::Component* sender) { Btn_ClearClick(sender); };
    Btn_Apply->OnClick = [this](ui::Component* sender) { Btn_ApplyClick(sender); };
}

std::vector<ui::CheckBox*> TFM_Scheduling::DayBoxes() const {
    return {CheckBox_Sun, CheckBox_Mon, CheckBox_Tue, CheckBox_Wed, CheckBox_Thu, CheckBox_Fri, CheckBox_Sat};
}

// What the status switches on and off (Save stays usable either way).
std::vector<ui::Control*> TFM_Scheduling::EditingControls() const {
    std::vector<ui::Control*> controls = {Cbox_SchIndex, Ed_ScheduleName, RB_Week,      RB_Day,         CheckBox_AllDay,
                                          Ed_StartHour,  Ed_StartMinute,  Ed_EndHour,   Ed_EndMinute,   CB_Wireless,
                                          Btn_Add,       Btn_Clear,       Btn_Del,      User_ListView,  chk_Over};
    for (ui::CheckBox* box : DayBoxes()) controls.push_back(box);
    return controls;
}

// ---- opening ----------------------------------------------------------------------

void TFM_Scheduling::MakeGroups() {
    VkSNMPRequest2Edits& mode = Groups.Make(ModeRequest, {"AP mode", VarsWirelessBasic, MVT_SV, 0, Seconds(20)});
    SetRowAccess(mode,
                 {WirelessBasicRow::Ssid, WirelessBasicRow::SsidBroadcast, WirelessBasicRow::Channel,
                  WirelessBasicRow::ChannelList, WirelessBasicRow::AutoChannelScan, WirelessBasicRow::Band,
                  WirelessBasicRow::ChannelWidth},
                 VkSNMPAccess::invalid);
    SetRowAccess(mode, {WirelessBasicRow::ApMode}, VkSNMPAccess::readwrite);
    mode.BindComboBox(WirelessBasicRow::ApMode, CB_APMode);

    // The SSID names fill the hidden list; the page shows the chosen one.
    Groups.Make(SsidNameRequest, {"SSID names", VarsScheduleMssidSsid, MVT_UMV, 0, Seconds(100)})
        .BindListView(LV_SSID, false);
    // The status is read by a walk with a long time-out, as the device wants.
    Groups.Make(StatusRequest, {"schedule status", VarsScheduleStatus, MVT_UMV, 0, Seconds(500)})
        .BindComboBox(SingleRow::Value, CBox_ScheduleStatus);

    VkSNMPRequest2Edits& rule = Groups.Make(RuleRequest, {"schedule rule", VarsScheduleRule, SVT_SV, 0, Seconds(500), true});
    rule.BindEdits(ScheduleRuleRow::Name, "%s", Ed_ScheduleName);
    rule.BindEdits(ScheduleRuleRow::Days, "%s", Ed_day);
    rule.BindCheckBox(ScheduleRuleRow::AllDay, CheckBox_AllDay);
    rule.BindEdits(ScheduleRuleRow::StartTime, "%s", Ed_StartTime);
    rule.BindEdits(ScheduleRuleRow::EndTime, "%s", Ed_EndTime);
    rule.BindComboBox(ScheduleRuleRow::SsidIndex, Cbox_SchIndex);
    rule.BindEdits(ScheduleRuleRow::NodeStatus, "%s", Ed_ScheduleNodeStatus);
    rule.BindCheckBox(ScheduleRuleRow::Overnight, chk_Over);
    rule.BindComboBox(ScheduleRuleRow::Action, CB_ScheduleAction);
    rule.SetStatusMemo(StatusBar1, 0);
    rule.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { ScheduleRuleSetDone(result); };

    VkSNMPRequest2Edits& list = Groups.Make(ListRequest, {"schedule rules", VarsScheduleList, MVT_UMV, 1, Seconds(500), true});
    list.BindListView(Schedule_ListView, false);
    Rules.Use(list);
    list.SetStatusMemo(StatusBar1, 0);
    list.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { ScheduleListGetDone(result); };

    VkSNMPRequest2Edits& nodes =
        Groups.Make(NodeStatusRequest, {"rule states", VarsScheduleNodeStatus, MVT_SV, 0, Seconds(100)});
    for (int k = 0; k < kScheduleNodeCount; ++k) nodes.BindComboBox(k, CB_NoteStatus[k]);
    for (VkSNMPRequest2Edits* group : {ModeRequest, SsidNameRequest, StatusRequest, NodeStatusRequest})
        group->SetStatusMemo(StatusBar1, 0);
}

void TFM_Scheduling::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*ModeRequest);
        Groups.Read(*SsidNameRequest);
        Cbox_SchIndex->SetItemIndex(0);
        Groups.Read(*StatusRequest);
        Groups.StartRead(*ListRequest);
        StatusBar1->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    CB_Wireless->SetItemIndex(0);
    Ed_ScheduleName->SetMaxLength(kNameLength);
    for (ui::Edit* edit : {Ed_ScheduleName, Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute}) edit->SetText("");
    CBox_ScheduleStatusChange(this);
    Cbox_SchIndexChange(this);
    if (CB_APMode->Text() == kWirelessClient) {
        // The device keeps its schedule status in Wireless Client mode.
        CBox_ScheduleStatus->SetEnabled(false);
        CBox_ScheduleStatusChange(this);
    }
}

// ---- the editing controls -----------------------------------------------------------

bool TFM_Scheduling::StatusEnabled() const { return CBox_ScheduleStatus->ItemIndex() == kEnableItem; }

void TFM_Scheduling::CBox_ScheduleStatusChange(ui::Component*) {
    const bool enabled = StatusEnabled();
    for (ui::Control* control : EditingControls()) control->SetEnabled(enabled);
    Ed_SchSsid->SetEnabled(false);
    Btn_Apply->SetEnabled(true);
    if (!enabled) return;
    // What the day and all-day choices hold disabled stays so.
    if (RB_Week->Checked()) RB_WeekClick(this);
    if (CheckBox_AllDay->Checked()) CheckBox_AllDayClick(this);
    SetEditMode(0);
}

void TFM_Scheduling::SetEditMode(int mode) {
    EditMode = mode;
    const bool enabled = StatusEnabled();
    EnableControls({Btn_Add, Btn_Clear}, enabled);
    Btn_Apply->SetEnabled(true);
    Btn_Del->SetEnabled(enabled && mode == 1);
}

void TFM_Scheduling::Cbox_SchIndexChange(ui::Component* sender) {
    Ed_ScheduleSSIDIndex->SetText(std::to_string(Cbox_SchIndex->ItemIndex()));
    LV_SSIDClick(sender);
}

void TFM_Scheduling::LV_SSIDClick(ui::Component*) {
    const int position = Cbox_SchIndex->ItemIndex();
    ui::ListItem* row = position >= 0 && position < LV_SSID->ItemCount() ? LV_SSID->Item(position) : nullptr;
    if (row != nullptr) row->SetSelected(true);
    Ed_SchSsid->SetText(row != nullptr ? row->Caption() : std::string());
    Ed_SchSsid->SetEnabled(false);
}

void TFM_Scheduling::RB_WeekClick(ui::Component*) {
    if (!RB_Week->Checked()) return;
    for (ui::CheckBox* box : DayBoxes()) {
        box->SetChecked(true);
        box->SetEnabled(false);
    }
}

void TFM_Scheduling::RB_DayClick(ui::Component*) {
    if (!RB_Day->Checked() || !StatusEnabled()) return;
    for (ui::CheckBox* box : DayBoxes()) {
        box->SetEnabled(true);
        box->SetChecked(false);
    }
}

void TFM_Scheduling::CheckBox_AllDayClick(ui::Component*) {
    if (CheckBox_AllDay->Checked()) {
        for (ui::Edit* edit : {Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute}) {
            edit->SetText("");
            edit->SetEnabled(false);
        }
        chk_Over->SetEnabled(false);
        return;
    }
    if (!CheckBox_AllDay->Enabled()) return;
    EnableControls({Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute, chk_Over}, true);
}

void TFM_Scheduling::Btn_ClearClick(ui::Component* sender) {
    RB_Day->SetChecked(true);
    CheckBox_AllDay->SetChecked(false);
    Cbox_SchIndex->SetItemIndex(0);
    LV_SSIDClick(sender);
    for (ui::Edit* edit : {Ed_ScheduleName, Ed_StartHour, Ed_StartMinute, Ed_EndHour, Ed_EndMinute}) edit->SetText("");
    RB_WeekClick(sender);
    RB_DayClick(sender);
    User_ListView->SetSelected(nullptr);
    Schedule_ListView->SetSelected(nullptr);
    Ed_DeleteName->SetText("");
    loaded_ = LoadedRule{};
    Btn_Del->SetEnabled(false);
    EditMode = 0;
    chk_Over->SetChecked(false);
}

ScheduleTimes TFM_Scheduling::TypedTimes() const {
    return {Ed_StartHour->Text(), Ed_StartMinute->Text(), Ed_EndHour->Text(), Ed_EndMinute->Text()};
}

void TFM_Scheduling::ShowTimes(const ScheduleTimes& times) {
    Ed_StartHour->SetText(times.startHour);
    Ed_StartMinute->SetText(times.startMinute);
    Ed_EndHour->SetText(times.endHour);
    Ed_EndMinute->SetText(times.endMinute);
}

ui::Edit* TFM_Scheduling::TimeEdit(TimeField field) const {
    switch (field) {
    case TimeField::StartHour: return Ed_StartHour;
    case TimeField::StartMinute: return Ed_StartMinute;
    case TimeField::EndHour: return Ed_EndHour;
    case TimeField::EndMinute: return Ed_EndMinute;
    case TimeField::None: break;
    }
    return nullptr;
}

// ---- the list -------------------------------------------------------------------------

void TFM_Scheduling::FillScheduleList() {
    Rules.Show(*User_ListView, [](const ui::ListItem& walked, ui::ListItem& row) {
        row.SetCaption(CellText(walked, ScheduleListRow::Name));
        // An index outside 0..7 leaves its cell empty; the other cells keep their columns.
        row.AddSubItem(ScheduleSsidIndexText(ScheduleNumber(CellText(walked, ScheduleListRow::SsidIndex), 0)));
        row.AddSubItem(CellText(walked, ScheduleListRow::Ssid));
        row.AddSubItem(CellText(walked, ScheduleListRow::Days));
        const bool overnight = CellText(walked, ScheduleListRow::Overnight) == kEnabled;
        row.AddSubItem(CellText(walked, ScheduleListRow::TimeFrame) + (overnight ? "+" : ""));
        row.AddSubItem(CellText(walked, ScheduleListRow::WirelessStatus));
        row.SetChecked(CellText(walked, ScheduleListRow::NodeStatus) == kEnabled);
    });
}

std::vector<ListedRule> TFM_Scheduling::ListedRules() const {
    std::vector<ListedRule> rules;
    for (int i = 0; i < Schedule_ListView->ItemCount(); ++i) {
        const ui::ListItem& walked = *Schedule_ListView->Item(i);
        rules.push_back({walked.Caption(), CellText(walked, ScheduleListRow::Name),
                         ScheduleNumber(CellText(walked, ScheduleListRow::SsidIndex), 0)});
    }
    return rules;
}

void TFM_Scheduling::User_ListViewClick(ui::Component* sender) {
    const ui::ListItem* walked = Rules.ChosenRow(*User_ListView);
    if (walked == nullptr) {
        Schedule_ListView->SetSelected(nullptr);
        loaded_ = LoadedRule{};
        SetEditMode(0);
        return;
    }
    LoadRule(*walked);
    Ed_SchSsid->SetEnabled(false);
    CheckBox_AllDayClick(sender);
    SetEditMode(1);
}

// Shows a walked rule in the editing controls and keeps what the device
// stores of it (a delete names the stored rule, whatever is edited since).
void TFM_Scheduling::LoadRule(const ui::ListItem& walked) {
    Schedule_ListView->SetSelected(const_cast<ui::ListItem*>(&walked));
    const std::string name = CellText(walked, ScheduleListRow::Name);
    const bool overnight = CellText(walked, ScheduleListRow::Overnight) == kEnabled;
    loaded_ = {walked.Caption(), name, overnight};
    Ed_ScheduleName->SetText(name);
    Ed_DeleteName->SetText(name);
    SelectedSsidIndex = ScheduleNumber(CellText(walked, ScheduleListRow::SsidIndex), -1);
    Cbox_SchIndex->SetItemIndex(SelectedSsidIndex);
    Ed_SchSsid->SetText(CellText(walked, ScheduleListRow::Ssid));

    const ParsedScheduleDays days = ParseScheduleDays(CellText(walked, ScheduleListRow::Days));
    if (days.allWeek) {
        RB_Week->SetChecked(true);
        RB_WeekClick(this);
    } else {
        RB_Day->SetChecked(true);
        RB_DayClick(this);
        const std::vector<ui::CheckBox*> boxes = DayBoxes();
        for (int day = 0; day < kWeekDays; ++day)
            if (days.days[static_cast<size_t>(day)]) boxes[static_cast<size_t>(day)]->SetChecked(true);
    }
    const ParsedTimeFrame frame = ParseScheduleTimeFrame(CellText(walked, ScheduleListRow::TimeFrame));
    CheckBox_AllDay->SetChecked(frame.allDay);
    if (!frame.allDay) ShowTimes(frame.times);
    chk_Over->SetChecked(overnight);
}

