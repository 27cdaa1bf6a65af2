#pragma once
// The Log Settings page ("Status \ Log \  Log Settings"): which events the
// device logs, the remote syslog server, and the e-mail notification of the
// log (mail-server preset, addresses, SMTP server and port, account,
// security, schedule). All groups are made before the first read; Save runs
// every check first and then writes syslog, e-mail, user name and schedule,
// each with the rows it means (the mail rows only with notification on, the
// password only when the user changed it) and only groups that were read.
//
// Picking another mail-server preset loads its settings without keeping it
// on the device: the new preset is written (the device fills in its
// settings), the e-mail settings are read back, and the stored preset is
// written again; the next Save writes the new preset with those settings.

#include <optional>
#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/maintenance/log_settings_page_rules.h"
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

class TLogSetForm : public ui::Form {
public:
    explicit TLogSetForm(ui::Component* owner);

    ui::GroupBox* GroupBox1;  // "Log Settings"
    ui::CheckBox* CheckBox_System;
    ui::CheckBox* CheckBox_Wireless;
    ui::CheckBox* CheckBox_Notice;
    ui::Label* Label1;
    ui::Edit* Ed_LogServerIp;
    ui::ComboBox* CB_RemoteLogState;  // hidden

    ui::GroupBox* GroupBox2;  // "Email Notification "
    ui::Label* Label2;
    ui::CheckBox* CheckBox_EMNotifca;
    ui::Label* Label3;
    ui::ComboBox* CB_OutServer;
    ui::ComboBox* CB_OutServerSet;  // hidden: the preset written on its own
    ui::Label* Label4;
    ui::Edit* Edt_FEail;
    ui::Label* Label5;
    ui::Edit* Ed_TMail;
    ui::Label* Label6;
    ui::Edit* Ed_MailServerIp;
    ui::Label* Label7;
    ui::Edit* Ed_SntpPort;
    ui::Label* Label8;
    ui::CheckBox* Cbk_Auth;
    ui::Label* Label9;
    ui::CheckBox* Cbk_SSL;
    ui::Label* Label10;
    ui::Edit* Ed_UserName;
    ui::Label* Label11;
    ui::Edit* Ed_Password;
    ui::Label* Label12;
    ui::Edit* Ed_Conpass;

    ui::GroupBox* GroupBox3;  // "Email Log Schdule"
    ui::Label* Label13;
    ui::ComboBox* CB_Schedule;
    ui::Label* Label14;
    ui::Edit* Ed_Schdule;  // hidden

    ui::Button* Bt_Apply;
    ui::Button* Bt_Cancel;
    ui::StatusBar* StatusBar;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* SyslogRequest = nullptr;
    VkSNMPRequest2Edits* UserNameRequest = nullptr;
    VkSNMPRequest2Edits* ScheduleRequest = nullptr;
    VkSNMPRequest2Edits* EmailRequest = nullptr;
    VkSNMPRequest2Edits* MailServerRequest = nullptr;
    // The preset position the device holds.
    int SavedServerIndex = -1;

    void FormCreate(ui::Component* sender);
    void Bt_ApplyClick(ui::Component* sender);
    void Bt_CancelClick(ui::Component* sender);
    void CheckBox_EMNotifcaClick(ui::Component* sender);
    void CB_OutServerChange(ui::Component* sender);
    void SetEditLimits();
    void UpdateSecurityBoxes();

private:
    void BuildControls();
    void BuildMailBox();
    void MakeGroups();
    void ReadGroups();
    void EmptyPlaceholders();
    LogSaveInput SaveInput() const;
    void RefuseSave(const LogRefusal& refusal);
    void WriteGroups();
    bool WritePreset(int position);
};

extern TLogSetForm* LogSetForm;

extern const char* const LogSetOkText;     // "Set Success!"
extern const char* const LogSetErrorText;  // "Set Error!"
