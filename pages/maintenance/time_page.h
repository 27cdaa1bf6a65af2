#pragma once
// The Time and Date page ("Tools \ Time and Date"): the device's clock set
// from an NTP server (with the time zone and daylight-saving rules) or by
// hand (a date and time picked, or copied from this PC's clock). Both groups
// are made before the first read; Save checks first (the NTP server, a
// complete manual time, DST start and end apart), writes the SNTP group and
// the manual time under the "Please wait..." notice (gone on every way out),
// reads both again and says "Setting Success" only when all four went well.

#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class StatusBar;
}  // namespace ui

class TFM_Time : public ui::Form {
public:
    explicit TFM_Time(ui::Component* owner);

    ui::GroupBox* GroupBox1;  // "Time Configuration"
    ui::Label* Label1;
    ui::Label* LB_CurrentTime;

    ui::GroupBox* GroupBox2;  // "Automatic Time Configuration"
    ui::CheckBox* CheckBox_NTP;
    ui::Label* Label2;
    ui::Edit* Ed_ServerIp;
    ui::Button* Btn_Convert;
    ui::ComboBox* CB_ServerName;
    ui::Label* Label3;
    ui::ComboBox* CB_TimeZone;
    ui::CheckBox* CheckBox_Daylight;
    ui::Label* Label4;
    ui::Label* Label5;
    ui::Label* Label6;
    ui::Label* Label7;
    ui::Label* Label8;
    ui::ComboBox* CB_StartMonth;
    ui::ComboBox* CB_StartWeek;
    ui::ComboBox* CB_StartDay;
    ui::ComboBox* CB_StartTime;
    ui::Label* Label9;
    ui::ComboBox* CB_EndMonth;
    ui::ComboBox* CB_EndWeek;
    ui::ComboBox* CB_EndDay;
    ui::ComboBox* CB_EndTime;
    ui::ComboBox* CB_InDays;  // hidden: the daylight-saving offset

    ui::GroupBox* GroupBox3;  // "Set the Date and Time Manually"
    ui::Label* Label10;
    ui::ComboBox* CB_Year;
    ui::Label* Label11;
    ui::ComboBox* CB_Month;
    ui::Label* Label12;
    ui::ComboBox* CB_Day;
    ui::Label* Label13;
    ui::ComboBox* CB_Hour;
    ui::Label* Label14;
    ui::ComboBox* CB_Minute;
    ui::Label* Label15;
    ui::ComboBox* CB_Second;
    ui::Button* Btn_Copy;
    ui::Edit* Ed_DateTime;  // hidden: the manual time written

    ui::Button* Btn_Apply;
    ui::Button* Btn_Cancel;
    ui::StatusBar* StatusBar;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* SntpRequest = nullptr;
    VkSNMPRequest2Edits* ManualTimeRequest = nullptr;

    void FormCreate(ui::Component* sender);
    void Btn_ApplyClick(ui::Component* sender);
    void Btn_CancelClick(ui::Component* sender);
    void CheckBox_NTPClick(ui::Component* sender);
    void CB_TimeZoneChange(ui::Component* sender);
    void CheckBox_DaylightClick(ui::Component* sender);
    void Btn_ConvertClick(ui::Component* sender);
    void Btn_CopyClick(ui::Component* sender);
    void CB_YearChange(ui::Component* sender);
    void CB_MonthChange(ui::Component* sender);
    // Selects this PC's present date and time in the six manual combos.
    void ShowPcTime();

private:
    void BuildControls();
    void BuildNtpBox();
    void BuildManualBox();
    void MakeGroups();
    void ApplyEnabling();
    bool CheckSave();
    void WriteGroups();
};

extern TFM_Time* FM_Time;

// The outside NTP server "<<" puts in for the second server name.
extern const char* const OutsideNtpServer;
