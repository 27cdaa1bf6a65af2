#include "pages/maintenance/time_page.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/common/same_value.h"
#include "pages/common/waiting_steps.h"
#include "pages/maintenance/time_page_rules.h"
#include "pages/maintenance/time_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

TFM_Time* FM_Time = nullptr;

const char* const OutsideNtpServer = "192.0.2.123";

namespace {

constexpr int32_t kTimeout = Seconds(100);
constexpr char kNoticeLine1[] = "Please wait...";
constexpr char kNoticeLine2[] = "The settings are saving now.";
constexpr int kManualTop = 300;
constexpr int kComboWidth = 56;

std::tm PcNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// At least two digits ("07"); the buffer holds any int.
std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The numbers from first to last, two digits each.
void FillNumbers(ui::ComboBox* combo, int first, int last) {
    combo->ClearItems();
    for (int n = first; n <= last; ++n) combo->AddItem(TwoDigits(n));
}

}  // namespace

TFM_Time::TFM_Time(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Time", "Tools \\ Time and Date", 470, 450);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_Time::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Time Configuration", 8, 6, 454, 46);
    PlaceControls(GroupBox1, {
        {Label1, "Label1", "Current Time:", 16, 22},
        {LB_CurrentTime, "LB_CurrentTime", "", 120, 22},
    });
    BuildNtpBox();
    BuildManualBox();
    Btn_Apply = NewButton(this, "Btn_Apply", "Save", 150, 396, 75);
    Btn_Cancel = NewButton(this, "Btn_Cancel", "Cancel", 245, 396, 75);
    StatusBar = NewStatusBar(this, "StatusBar", 470);
    Ed_DateTime = NewHiddenEdit(this, "Ed_DateTime");
    Btn_Apply->OnClick = [this](ui::Component* sender) { Btn_ApplyClick(sender); };
    Btn_Cancel->OnClick = [this](ui::Component* sender) { Btn_CancelClick(sender); };
}

void TFM_Time::BuildNtpBox() {
    GroupBox2 = NewGroupBox(this, "GroupBox2", "Automatic Time Configuration", 8, 58, 454, 232);
    PlaceControls(GroupBox2, {
        {CheckBox_NTP, "CheckBox_NTP", "Enable NTP server :", 16, 22, 160},
        {Label2, "Label2", "NTP Server Used :", 16, 52},
        {Ed_ServerIp, "Ed_ServerIp", 130, 48, 120},
        {Btn_Convert, "Btn_Convert", "<<", 256, 46, 30},
        {CB_ServerName, "CB_ServerName", 292, 48, 150},
        {Label3, "Label3", "Time Zone :", 16, 82},
        {CB_TimeZone, "CB_TimeZone", 100, 78, 342},
        {CheckBox_Daylight, "CheckBox_Daylight", "Enable Daylight Saving", 16, 110, 200},
        {Label4, "Label4", "Month", 100, 140},
        {Label5, "Label5", "Week", 180, 140},
        {Label6, "Label6", "Day of Week", 260, 140},
        {Label7, "Label7", "Current Time", 350, 140},
        {Label8, "Label8", "DST Start", 16, 164},
        {CB_StartMonth, "CB_StartMonth", 100, 160, 70},
        {CB_StartWeek, "CB_StartWeek", 180, 160, 70},
        {CB_StartDay, "CB_StartDay", 260, 160, 80},
        {CB_StartTime, "CB_StartTime", 350, 160, 80},
        {Label9, "Label9", "DST End", 16, 196},
        {CB_EndMonth, "CB_EndMonth", 100, 192, 70},
        {CB_EndWeek, "CB_EndWeek", 180, 192, 70},
        {CB_EndDay, "CB_EndDay", 260, 192, 80},
        {CB_EndTime, "CB_EndTime", 350, 192, 80},
    });
    CB_ServerName->AddItem("Select NTP Server");
    CB_ServerName->AddItem("ntp.example.com");
    CB_TimeZone->SetDropDownCount(15);
    CB_InDays = NewHiddenComboBox(this, "CB_InDays", OptSntpDayLightSavingOffset);
    CheckBox_NTP->OnClick = [this](ui::Component* sender) { CheckBox_NTPClick(sender); };
    CB_TimeZone->OnChange = [this](ui::Component* sender) { CB_TimeZoneChange(sender); };
    CheckBox_Daylight->OnClick = [this](ui::Component* sender) { CheckBox_DaylightClick(sender); };
    Btn_Convert->OnClick = [this](ui::Component* sender) { Btn_ConvertClick(sender); };
}

void TFM_Time::BuildManualBox() {
    GroupBox3 = NewGroupBox(this, "GroupBox3", "Set the Date and Time Manually", 8, kManualTop - 4, 454, 92);
    const int top = 38;
    PlaceControls(GroupBox3, {
        {Label10, "Label10", "Year", 16, 20},
        {CB_Year, "CB_Year", 16, top, 64},
        {Label11, "Label11", "Month", 88, 20},
        {CB_Month, "CB_Month", 88, top, kComboWidth},
        {Label12, "Label12", "Day", 152, 20},
        {CB_Day, "CB_Day", 152, top, kComboWidth},
        {Label13, "Label13", "Hour", 216, 20},
        {CB_Hour, "CB_Hour", 216, top, kComboWidth},
        {Label14, "Label14", "Minute", 280, 20},
        {CB_Minute, "CB_Minute", 280, top, kComboWidth},
        {Label15, "Label15", "Second", 344, 20},
        {CB_Second, "CB_Second", 344, top, kComboWidth},
        {Btn_Copy, "Btn_Copy", "Copy Your Computer's Time Settings", 16, 64, 250},
    });
    for (const std::string& year : YearItems(PcNow().tm_year + 1900)) CB_Year->AddItem(year);
    FillNumbers(CB_Month, 1, 12);
    FillNumbers(CB_Day, 1, 31);
    FillNumbers(CB_Hour, 0, 23);
    FillNumbers(CB_Minute, 0, 59);
    FillNumbers(CB_Second, 0, 59);
    CB_Year->OnChange = [this](ui::Component* sender) { CB_YearChange(sender); };
    CB_Month->OnChange = [this](ui::Component* sender) { CB_MonthChange(sender); };
    Btn_Copy->OnClick = [this](ui::Component* sender) { Btn_CopyClick(sender); };
}

void TFM_Time::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*SntpRequest);
        Groups.Read(*ManualTimeRequest);
        StatusBar->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    ShowPcTime();
    CB_ServerName->SetItemIndex(0);
    if (Ed_ServerIp->Text() == kNoAddress) Ed_ServerIp->SetText("");
    ApplyEnabling();
    CB_YearChange(this);
}

void TFM_Time::MakeGroups() {
    Groups.Make(SntpRequest, {"time settings", VarsTimeSntp, SVT_SV, 0, kTimeout});
    SntpRequest->BindEdits(TimeSntpRow::ServerAddress, "%s", Ed_ServerIp);
    SntpRequest->BindComboBox(TimeSntpRow::TimeZone, CB_TimeZone);
    SntpRequest->BindCheckBox(TimeSntpRow::DayLightSaving, CheckBox_Daylight);
    SntpRequest->BindLabel(TimeSntpRow::TimeOfDay, LB_CurrentTime);
    SntpRequest->BindCheckBox(TimeSntpRow::Status, CheckBox_NTP);
    SntpRequest->BindComboBox(TimeSntpRow::StartMonth, CB_StartMonth);
    SntpRequest->BindComboBox(TimeSntpRow::StartWeek, CB_StartWeek);
    SntpRequest->BindComboBox(TimeSntpRow::StartDayOfWeek, CB_StartDay);
    SntpRequest->BindComboBox(TimeSntpRow::StartTime, CB_StartTime);
    SntpRequest->BindComboBox(TimeSntpRow::EndMonth, CB_EndMonth);
    SntpRequest->BindComboBox(TimeSntpRow::EndWeek, CB_EndWeek);
    SntpRequest->BindComboBox(TimeSntpRow::EndDayOfWeek, CB_EndDay);
    SntpRequest->BindComboBox(TimeSntpRow::EndTime, CB_EndTime);
    SntpRequest->BindComboBox(TimeSntpRow::DayLightSavingOffset, CB_InDays);
    SntpRequest->SetStatusMemo(StatusBar, 0);
    Groups.Make(ManualTimeRequest, {"manual time", VarsTimeManual, SVT_SV, 0, kTimeout});
    ManualTimeRequest->BindEdits(SingleRow::Value, "%s", Ed_DateTime);
    ManualTimeRequest->SetStatusMemo(StatusBar, 0);
}

void TFM_Time::CheckBox_NTPClick(ui::Component*) { ApplyEnabling(); }

void TFM_Time::CB_TimeZoneChange(ui::Component*) { ApplyEnabling(); }

void TFM_Time::CheckBox_DaylightClick(ui::Component*) { ApplyEnabling(); }

void TFM_Time::ApplyEnabling() {
    const TimeEnabling state =
        TimeControls(CheckBox_NTP->Checked(), CB_TimeZone->ItemIndex(), CheckBox_Daylight->Checked());
    EnableControls({Ed_ServerIp, Btn_Convert, CB_ServerName, CB_TimeZone}, state.ntpControls);
    EnableControls({GroupBox3, CB_Year, CB_Month, CB_Day, CB_Hour, CB_Minute, CB_Second, Btn_Copy},
                   state.manualControls);
    CheckBox_Daylight->SetEnabled(state.daylightEnabled);
    CheckBox_Daylight->SetChecked(state.daylightChecked);
    EnableControls({CB_StartMonth, CB_StartWeek, CB_StartDay, CB_StartTime, CB_EndMonth, CB_EndWeek, CB_EndDay,
                    CB_EndTime, CB_InDays},
                   state.dstCombos);
}

void TFM_Time::Btn_ConvertClick(ui::Component*) {
    if (CB_ServerName->ItemIndex() == 0) Ed_ServerIp->SetText("");
    else if (CB_ServerName->ItemIndex() == 1) Ed_ServerIp->SetText(OutsideNtpServer);
}

void TFM_Time::ShowPcTime() {
    const std::tm now = PcNow();
    SelectText(CB_Year, std::to_string(now.tm_year + 1900));
    SelectText(CB_Month, TwoDigits(now.tm_mon + 1));
    CB_YearChange(this);
    SelectText(CB_Day, TwoDigits(now.tm_mday));
    SelectText(CB_Hour, TwoDigits(now.tm_hour));
    SelectText(CB_Minute, TwoDigits(now.tm_min));
    SelectText(CB_Second, TwoDigits(now.tm_sec));
}

void TFM_Time::Btn_CopyClick(ui::Component*) {
    ShowPcTime();
    Ed_DateTime->SetText(ManualTimeText({CB_Month->Text(), CB_Day->Text(), CB_Year->Text(), CB_Hour->Text(),
                                         CB_Minute->Text(), CB_Second->Text()}));
}

// The day list follows the month's length in the picked year; the day
// stays picked when the month has it.
void TFM_Time::CB_YearChange(ui::Component*) {
    const int day = CB_Day->ItemIndex();
    FillNumbers(CB_Day, 1, DaysInMonth(std::atoi(CB_Year->Text().c_str()), CB_Month->ItemIndex()));
    CB_Day->SetItemIndex(day);
}

void TFM_Time::CB_MonthChange(ui::Component* sender) { CB_YearChange(sender); }

void TFM_Time::Btn_CancelClick(ui::Component*) { Close(); }

bool TFM_Time::CheckSave() {
    TimeSaveInput in;
    in.ntp = CheckBox_NTP->Checked();
    in.server = Ed_ServerIp->Text();
    in.manual = {CB_Month->Text(), CB_Day->Text(), CB_Year->Text(), CB_Hour->Text(), CB_Minute->Text(),
                 CB_Second->Text()};
    in.dstWritten = CheckBox_Daylight->Enabled() && CheckBox_Daylight->Checked();
    in.start = {CB_StartMonth->ItemIndex(), CB_StartWeek->ItemIndex(), CB_StartDay->ItemIndex(),
                CB_StartTime->ItemIndex()};
    in.end = {CB_EndMonth->ItemIndex(), CB_EndWeek->ItemIndex(), CB_EndDay->ItemIndex(), CB_EndTime->ItemIndex()};
    const std::optional<TimeRefusal> refusal = CheckTimeSave(in);
    if (!refusal) {
        if (!in.ntp) Ed_DateTime->SetText(ManualTimeText(in.manual));
        return true;
    }
    if (refusal->focus == TimeField::Server) return RefuseAndClear(refusal->message, "Warning", Ed_ServerIp);
    return Refuse(refusal->message, "Warning", refusal->focus == TimeField::Dst ? CB_StartMonth : CB_Year);
}

void TFM_Time::Btn_ApplyClick(ui::Component*) {
    if (SntpRequest == nullptr || !CheckSave()) return;
    try {
        WriteGroups();
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    if (Ed_ServerIp->Text() == kNoAddress) Ed_ServerIp->SetText("");
    CB_ServerName->SetItemIndex(0);
    ShowPcTime();
}

void TFM_Time::WriteGroups() {
    using namespace TimeSntpRow;
    const bool ntp = CheckBox_NTP->Checked();
    std::vector<int> rows{TimeZone, DayLightSaving, Status};
    if (ntp) rows.push_back(ServerAddress);
    if (CheckBox_Daylight->Enabled() && CheckBox_Daylight->Checked())
        rows.insert(rows.end(), {StartMonth, StartWeek, StartDayOfWeek, StartTime, EndMonth, EndWeek, EndDayOfWeek,
                                 EndTime});
    GroupWrites writes(Groups);
    {
        WaitNotice notice(this, kNoticeLine1, kNoticeLine2);
        writes.Write(*SntpRequest, rows);
        writes.Write(*ManualTimeRequest, ntp ? std::vector<int>{} : std::vector<int>{SingleRow::Value});
    }
    Groups.BeginLoad();
    const bool sntpRead = Groups.Read(*SntpRequest);
    const bool manualRead = Groups.Read(*ManualTimeRequest);
    StatusBar->ShowMessage(writes.AllWritten() && sntpRead && manualRead ? TimeSetOkText
                                                              : writes.FailureText(TimeSetErrorText));
}

