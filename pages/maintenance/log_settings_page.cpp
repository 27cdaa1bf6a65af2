#include "pages/maintenance/log_settings_page.h"

#include <vector>

#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/common/same_value.h"
#include "pages/maintenance/log_settings_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

TLogSetForm* LogSetForm = nullptr;

const char* const LogSetOkText = "Set Success!";
const char* const LogSetErrorText = "Set Error!";

namespace {

constexpr int32_t kTimeout = Seconds(100);
constexpr int32_t kScheduleTimeout = Seconds(500);
constexpr int kEnabled = 1;  // CB_RemoteLogState
// Presets whose server sets its own security (CB_OutServer positions).
constexpr int kGmail = 1;
constexpr int kHotmail = 2;
constexpr int kAddressLength = 15;
constexpr int kEmailLength = 254;
constexpr int kAccountLength = 64;
constexpr int kPortLength = 5;
constexpr int kScheduleHalfHours = 48;

void EmptyIf(ui::Edit* edit, const char* shown) {
    if (edit->Text() == shown) edit->SetText("");
}

}  // namespace

TLogSetForm::TLogSetForm(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "LogSetForm", "Status \\ Log \\  Log Settings", 420, 520);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TLogSetForm::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Log Settings", 8, 6, 404, 100);
    PlaceControls(GroupBox1, {
        {CheckBox_System, "CheckBox_System", "System Activity", 16, 20, 120},
        {CheckBox_Wireless, "CheckBox_Wireless", "Wireless Activity", 140, 20, 130},
        {CheckBox_Notice, "CheckBox_Notice", "Notice", 280, 20, 100},
        {Label1, "Label1", "Log Server / IP Address", 16, 58},
        {Ed_LogServerIp, "Ed_LogServerIp", 180, 54, 150},
    });
    CB_RemoteLogState = NewHiddenComboBox(this, "CB_RemoteLogState", OptSystemLogRemoteLogState);
    BuildMailBox();
    GroupBox3 = NewGroupBox(this, "GroupBox3", "Email Log Schdule", 8, 406, 404, 56);
    PlaceControls(GroupBox3, {
        {Label13, "Label13", "Schedule", 16, 26},
        {CB_Schedule, "CB_Schedule", 90, 22, 70},
        {Label14, "Label14", "hours or when Log is full", 170, 26},
    });
    CB_Schedule->SetStyle(ui::ComboStyle::DropDown);
    for (int halfHours = 0; halfHours <= kScheduleHalfHours; ++halfHours)
        CB_Schedule->AddItem(std::to_string(halfHours / 2) + (halfHours % 2 == 0 ? "" : ".5"));
    Ed_Schdule = NewHiddenEdit(this, "Ed_Schdule");
    Bt_Apply = NewButton(this, "Bt_Apply", "Save", 120, 472, 75);
    Bt_Cancel = NewButton(this, "Bt_Cancel", "Cancel", 225, 472, 75);
    StatusBar = NewStatusBar(this, "StatusBar", 0);
    Bt_Apply->OnClick = [this](ui::Component* sender) { Bt_ApplyClick(sender); };
    Bt_Cancel->OnClick = [this](ui::Component* sender) { Bt_CancelClick(sender); };
}

void TLogSetForm::BuildMailBox() {
    GroupBox2 = NewGroupBox(this, "GroupBox2", "Email Notification ", 8, 112, 404, 288);
    PlaceControls(GroupBox2, {
        {Label2, "Label2", "Email Notification", 16, 24},
        {CheckBox_EMNotifca, "CheckBox_EMNotifca", "Enable", 180, 22, 100},
        {Label3, "Label3", "Outgoing mail server", 16, 50},
        {CB_OutServer, "CB_OutServer", 180, 46, 150},
        {Label4, "Label4", "From Email Address", 16, 76},
        {Edt_FEail, "Edt_FEail", 180, 72, 210},
        {Label5, "Label5", "To Email Address", 16, 102},
        {Ed_TMail, "Ed_TMail", 180, 98, 210},
        {Label6, "Label6", "Email Server Address", 16, 128},
        {Ed_MailServerIp, "Ed_MailServerIp", 180, 124, 150},
        {Label7, "Label7", "SMTP Port", 16, 154},
        {Ed_SntpPort, "Ed_SntpPort", 180, 150, 60},
        {Label8, "Label8", "Authentication", 16, 180},
        {Cbk_Auth, "Cbk_Auth", "Enable", 180, 178, 80},
        {Label9, "Label9", "Security (SSL/TLS)", 16, 204},
        {Cbk_SSL, "Cbk_SSL", "Enable", 180, 202, 80},
        {Label10, "Label10", "User Name", 16, 230},
        {Ed_UserName, "Ed_UserName", 180, 226, 150},
        {Label11, "Label11", "Password", 16, 256},
        {Ed_Password, "Ed_Password", 180, 252, 100},
        {Label12, "Label12", "Confirm", 286, 256},
        {Ed_Conpass, "Ed_Conpass", 330, 252, 64},
    });
    CB_OutServerSet = NewHiddenComboBox(this, "CB_OutServerSet", OptEmailNtfMailServerIndex);
    Ed_Password->SetPasswordChar('*');
    Ed_Conpass->SetPasswordChar('*');
    CheckBox_EMNotifca->OnClick = [this](ui::Component* sender) { CheckBox_EMNotifcaClick(sender); };
    CB_OutServer->OnChange = [this](ui::Component* sender) { CB_OutServerChange(sender); };
}

void TLogSetForm::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        ReadGroups();
        StatusBar->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    CheckBox_EMNotifcaClick(this);
    SetEditLimits();
    EmptyPlaceholders();
}

void TLogSetForm::MakeGroups() {
    Groups.Make(SyslogRequest, {"log settings", VarsLogSetSyslog, MVT_SV, 0, kTimeout});
    SyslogRequest->BindCheckBox(LogSyslogRow::SystemLevel, CheckBox_System);
    SyslogRequest->BindCheckBox(LogSyslogRow::WirelessLevel, CheckBox_Wireless);
    SyslogRequest->BindCheckBox(LogSyslogRow::NoticeLevel, CheckBox_Notice);
    SyslogRequest->BindEdits(LogSyslogRow::ServerAddress, "%s", Ed_LogServerIp);
    SyslogRequest->BindComboBox(LogSyslogRow::RemoteLogState, CB_RemoteLogState);
    Groups.Make(UserNameRequest, {"e-mail user name", VarsLogSetEmailUser, MVT_SV, 0, kTimeout});
    UserNameRequest->BindEdits(SingleRow::Value, "%s", Ed_UserName);
    Groups.Make(ScheduleRequest, {"e-mail schedule", VarsLogSetEmailSchedule, MVT_SV, 0, kScheduleTimeout});
    ScheduleRequest->BindEdits(SingleRow::Value, "%s", Ed_Schdule);
    Groups.Make(EmailRequest, {"e-mail notification", VarsLogSetEmail, MVT_SV, 0, kTimeout});
    EmailRequest->BindComboBox(LogEmailRow::MailServerIndex, CB_OutServer);
    EmailRequest->BindCheckBox(LogEmailRow::Status, CheckBox_EMNotifca);
    EmailRequest->BindEdits(LogEmailRow::From, "%s", Edt_FEail);
    EmailRequest->BindEdits(LogEmailRow::To, "%s", Ed_TMail);
    EmailRequest->BindEdits(LogEmailRow::ServerAddress, "%s", Ed_MailServerIp);
    EmailRequest->BindEdits(LogEmailRow::Password, "%s", Ed_Password);
    EmailRequest->BindEdits(LogEmailRow::Port, "%u", Ed_SntpPort);
    EmailRequest->BindCheckBox(LogEmailRow::Authentication, Cbk_Auth);
    EmailRequest->BindCheckBox(LogEmailRow::Ssl, Cbk_SSL);
    Groups.Make(MailServerRequest, {"mail server preset", VarsLogSetMailServer, MVT_SV, 0, kTimeout});
    MailServerRequest->BindComboBox(SingleRow::Value, CB_OutServerSet);
    for (VkSNMPRequest2Edits* group :
         {SyslogRequest, UserNameRequest, ScheduleRequest, EmailRequest, MailServerRequest})
        group->SetStatusBar(StatusBar);
}

void TLogSetForm::ReadGroups() {
    Groups.BeginLoad();
    Groups.Read(*SyslogRequest);
    Groups.Read(*UserNameRequest);
    if (Groups.Read(*ScheduleRequest)) CB_Schedule->SetText(Ed_Schdule->Text());
    if (Groups.Read(*EmailRequest)) Ed_Conpass->SetText(Ed_Password->Text());
    if (Groups.Read(*MailServerRequest)) SavedServerIndex = CB_OutServer->ItemIndex();
}

void TLogSetForm::EmptyPlaceholders() {
    EmptyIf(Ed_MailServerIp, kNoAddress);
    EmptyIf(Ed_LogServerIp, kNoAddress);
    EmptyIf(Ed_SntpPort, "0");
}

void TLogSetForm::SetEditLimits() {
    Ed_LogServerIp->SetMaxLength(kAddressLength);
    Ed_MailServerIp->SetMaxLength(kAddressLength);
    Edt_FEail->SetMaxLength(kEmailLength);
    Ed_TMail->SetMaxLength(kEmailLength);
    Ed_UserName->SetMaxLength(kAccountLength);
    Ed_Password->SetMaxLength(kAccountLength);
    Ed_Conpass->SetMaxLength(kAccountLength);
    Ed_SntpPort->SetMaxLength(kPortLength);
}

void TLogSetForm::CheckBox_EMNotifcaClick(ui::Component*) {
    EnableControls({Ed_MailServerIp, Edt_FEail, Ed_TMail, Ed_UserName, Ed_Password, Ed_Conpass, Ed_SntpPort,
                    CB_OutServer},
                   CheckBox_EMNotifca->Checked());
    UpdateSecurityBoxes();
}

void TLogSetForm::UpdateSecurityBoxes() {
    const int preset = CB_OutServer->ItemIndex();
    const bool presetSecurity = preset == kGmail || preset == kHotmail;
    EnableControls({Cbk_Auth, Cbk_SSL}, CheckBox_EMNotifca->Checked() && !presetSecurity);
}

void TLogSetForm::Bt_CancelClick(ui::Component*) { Close(); }

LogSaveInput TLogSetForm::SaveInput() const {
    LogSaveInput in;
    in.logServer = Ed_LogServerIp->Text();
    in.notify = CheckBox_EMNotifca->Checked();
    in.from = Edt_FEail->Text();
    in.to = Ed_TMail->Text();
    in.mailServer = Ed_MailServerIp->Text();
    in.port = Ed_SntpPort->Text();
    in.userName = Ed_UserName->Text();
    in.password = Ed_Password->Text();
    in.confirm = Ed_Conpass->Text();
    return in;
}

void TLogSetForm::RefuseSave(const LogRefusal& refusal) {
    ui::Edit* edit = nullptr;
    switch (refusal.focus) {
    case LogField::LogServer: edit = Ed_LogServerIp; break;
    case LogField::From: edit = Edt_FEail; break;
    case LogField::To: edit = Ed_TMail; break;
    case LogField::MailServer: edit = Ed_MailServerIp; break;
    case LogField::Port: edit = Ed_SntpPort; break;
    case LogField::UserName: edit = Ed_UserName; break;
    case LogField::Confirm: edit = Ed_Conpass; break;
    }
    if (refusal.edit == LogRefusal::Clear) edit->SetText("");
    if (refusal.edit == LogRefusal::DefaultPort) edit->SetText(DefaultSmtpPort);
    Refuse(refusal.message, "Warning", edit);
}

void TLogSetForm::Bt_ApplyClick(ui::Component*) {
    if (SyslogRequest == nullptr) return;
    if (std::optional<LogRefusal> refusal = CheckLogSave(SaveInput())) return RefuseSave(*refusal);
    const bool notify = CheckBox_EMNotifca->Checked();
    CB_RemoteLogState->SetItemIndex(Ed_LogServerIp->Text().empty() ? 0 : kEnabled);
    Ed_Schdule->SetText(CB_Schedule->Text());
    if (Ed_LogServerIp->Text().empty()) Ed_LogServerIp->SetText(kNoAddress);
    WriteGroups();
    if (notify) SavedServerIndex = CB_OutServer->ItemIndex();
    EmptyIf(Ed_LogServerIp, kNoAddress);
}

void TLogSetForm::WriteGroups() {
    const bool notify = CheckBox_EMNotifca->Checked();
    GroupWrites writes(Groups);
    writes.Write(*SyslogRequest, {LogSyslogRow::SystemLevel, LogSyslogRow::WirelessLevel, LogSyslogRow::NoticeLevel,
                                  LogSyslogRow::ServerAddress, LogSyslogRow::RemoteLogState});
    std::vector<int> mailRows{LogEmailRow::Status};
    if (notify) {
        mailRows.insert(mailRows.end(), {LogEmailRow::MailServerIndex, LogEmailRow::From, LogEmailRow::To,
                                         LogEmailRow::ServerAddress, LogEmailRow::Port, LogEmailRow::Authentication,
                                         LogEmailRow::Ssl});
        if (!SecretUnchanged(*EmailRequest, LogEmailRow::Password, Ed_Password))
            mailRows.push_back(LogEmailRow::Password);
    }
    writes.Write(*EmailRequest, mailRows);
    if (notify) writes.Write(*UserNameRequest, {SingleRow::Value});
    writes.Write(*ScheduleRequest, {SingleRow::Value});
    if (writes.AllWritten()) {
        StatusBar->ShowMessage(LogSetOkText);
        Ed_Conpass->SetText(Ed_Password->Text());
    } else {
        StatusBar->ShowMessage(writes.FailureText(LogSetErrorText));
    }
}

// Writes a preset position on its own (the hidden combo's group).
bool TLogSetForm::WritePreset(int position) {
    CB_OutServerSet->SetItemIndex(position);
    GroupWrites writes(Groups);
    return writes.Write(*MailServerRequest, {SingleRow::Value});
}

void TLogSetForm::CB_OutServerChange(ui::Component*) {
    if (EmailRequest == nullptr || !Groups.WasRead(*MailServerRequest)) return;
    if (WritePreset(CB_OutServer->ItemIndex())) {
        // The user's notification choice stays as it is on the page.
        SetRowAccess(*EmailRequest, {LogEmailRow::Status}, VkSNMPAccess::invalid);
        Groups.BeginLoad();
        Groups.Read(*EmailRequest);
        Groups.Read(*UserNameRequest);
        SetRowAccess(*EmailRequest, {LogEmailRow::Status}, VkSNMPAccess::readwrite);
        Ed_Conpass->SetText(Ed_Password->Text());
        EmptyIf(Ed_MailServerIp, kNoAddress);
        EmptyIf(Ed_SntpPort, "0");
        StatusBar->ShowMessage(Groups.LoadText());
    } else {
        StatusBar->ShowMessage(LogSetErrorText);
    }
    UpdateSecurityBoxes();
    if (!WritePreset(SavedServerIndex)) StatusBar->ShowMessage(LogSetErrorText);
}

