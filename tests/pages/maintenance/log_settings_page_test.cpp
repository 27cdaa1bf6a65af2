// The Log Settings page against the simulated access point: what opening
// shows, what Save writes (the mail rows only with notification on, the
// password only when changed, nothing after a refused check, no group that
// was not read) and the mail-server preset loaded without being kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/log_settings_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using ui::Answer;

std::string Mail(int column) { return "E.5.4.11.1.1." + std::to_string(column) + ".1"; }
std::string Int(const std::string& oid, int value) { return DeviceOid(oid) + "=integer:" + std::to_string(value); }
std::string Str(const std::string& oid, const std::string& value) { return DeviceOid(oid) + "=string:" + value; }
std::string Ip(const std::string& oid, const std::string& value) { return DeviceOid(oid) + "=ipaddress:" + value; }
std::string Pdu(const std::vector<std::string>& varbinds) {
    std::string pdu;
    for (const std::string& varbind : varbinds) pdu += (pdu.empty() ? "" : " ") + varbind;
    return pdu;
}

std::string Syslog(const std::string& server, int remote) {
    return Pdu({Int("E.5.4.1.0", 1), Int("E.5.4.2.0", 1), Int("E.5.4.3.0", 0), Ip("E.5.4.9.0", server),
                Int("E.5.4.8.0", remote)});
}

class LogSettingsPageTest : public pagetest::PageTest {
protected:
    // A device that mails its log through its own server.
    void Notifying() {
        SetValue(Mail(2), "1");
        SetValue(Mail(3), "ap@example.com");
        SetValue(Mail(4), "admin@example.com");
        SetValue(Mail(5), "192.168.0.25");
        SetValue(Mail(7), "secret");
        SetValue(Mail(13), "mailer");
        SetValue(Mail(9), "2.5");
    }
    void Save(TLogSetForm& page) {
        Control("clearlog");
        page.Bt_Apply->Click();
    }

    // The e-mail group's rows as Save writes them with notification on.
    std::string MailRows(const std::string& to, const std::string& password = "") {
        std::vector<std::string> rows{Int(Mail(12), 1), Int(Mail(2), 1), Str(Mail(3), "ap@example.com"),
                                      Str(Mail(4), to), Ip(Mail(5), "192.168.0.25")};
        if (!password.empty()) rows.push_back(Str(Mail(7), password));
        rows.insert(rows.end(), {Int(Mail(10), 25), Int(Mail(6), 0), Int(Mail(11), 0)});
        return Pdu(rows);
    }
};

TEST_F(LogSettingsPageTest, OpeningShowsTheDevicesSettings) {
    ASSERT_TRUE(Started());
    Notifying();
    OpenedPage<TLogSetForm> page(LogSetForm);
    EXPECT_EQ(Status(*page), "");
    EXPECT_TRUE(page->CheckBox_System->Checked());
    EXPECT_FALSE(page->CheckBox_Notice->Checked());
    EXPECT_EQ(page->Ed_LogServerIp->Text(), "") << "0.0.0.0 shows as no server";
    EXPECT_TRUE(page->CheckBox_EMNotifca->Checked());
    EXPECT_EQ(page->CB_OutServer->Text(), "Internal");
    EXPECT_EQ(page->SavedServerIndex, 0);
    EXPECT_EQ(page->Edt_FEail->Text(), "ap@example.com");
    EXPECT_EQ(page->Ed_Conpass->Text(), "secret");
    EXPECT_EQ(page->Ed_SntpPort->Text(), "25");
    EXPECT_EQ(page->CB_Schedule->Text(), "2.5");
    EXPECT_EQ(page->Ed_UserName->Text(), "mailer");
    EXPECT_TRUE(page->Cbk_Auth->Enabled()) << "the internal server's security is the user's";
    EXPECT_EQ(page->Edt_FEail->MaxLength(), 254);
    EXPECT_EQ(page->CB_Schedule->ItemCount(), 49);
    EXPECT_EQ(page->CB_Schedule->ItemText(1), "0.5");

    page->CheckBox_EMNotifca->SetChecked(false);
    EXPECT_FALSE(page->Ed_MailServerIp->Enabled());
    EXPECT_FALSE(page->CB_OutServer->Enabled());
    EXPECT_FALSE(page->Cbk_SSL->Enabled());
    EXPECT_TRUE(page->Ed_LogServerIp->Enabled());
}

TEST_F(LogSettingsPageTest, SaveWritesEveryGroupAndThePasswordOnlyWhenChanged) {
    ASSERT_TRUE(Started());
    Notifying();
    OpenedPage<TLogSetForm> page(LogSetForm);
    page->Ed_TMail->SetText("ops@example.com");
    page->CB_Schedule->SetText("12");
    Save(*page);
    EXPECT_EQ(Status(*page), LogSetOkText);
    // No log server with notification on: remote logging off, no address.
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{Syslog("0.0.0.0", 0), MailRows("ops@example.com"),
                                                       Str(Mail(13), "mailer"), Str(Mail(9), "12")}));
    EXPECT_EQ(page->Ed_LogServerIp->Text(), "");

    page->Ed_LogServerIp->SetText("192.168.0.9");
    page->Ed_Password->SetText("new-secret");
    page->Ed_Conpass->SetText("new-secret");
    Save(*page);
    EXPECT_EQ(Status(*page), LogSetOkText);
    EXPECT_EQ(Logged("SET"),
              (std::vector<std::string>{Syslog("192.168.0.9", 1), MailRows("ops@example.com", "new-secret"),
                                        Str(Mail(13), "mailer"), Str(Mail(9), "12")}));
    EXPECT_EQ(Value(Mail(7)), "new-secret");
}

TEST_F(LogSettingsPageTest, NotificationOffWritesOnlyItsSwitchOfTheMailSettings) {
    ASSERT_TRUE(Started());
    Notifying();
    OpenedPage<TLogSetForm> page(LogSetForm);
    page->CheckBox_EMNotifca->SetChecked(false);
    page->Ed_SntpPort->SetText("0");  // not checked, not written
    page->Ed_LogServerIp->SetText("192.168.0.9");
    Save(*page);
    EXPECT_EQ(Status(*page), LogSetOkText);
    EXPECT_EQ(Logged("SET"),
              (std::vector<std::string>{Syslog("192.168.0.9", 1), Int(Mail(2), 0), Str(Mail(9), "2.5")}));
}

TEST_F(LogSettingsPageTest, ARefusedCheckWritesNothing) {
    ASSERT_TRUE(Started());
    Notifying();
    OpenedPage<TLogSetForm> page(LogSetForm);
    page->Ed_SntpPort->SetText("65536");
    Dialogs().ExpectBox("Warning", SmtpPortInvalidText, Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_SntpPort->Text(), "25");

    page->CheckBox_EMNotifca->SetChecked(false);
    Dialogs().ExpectBox("Warning", LogServerInvalidText, Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty()) << "no log server with notification off is refused";
}

TEST_F(LogSettingsPageTest, APresetIsLoadedWithoutBeingKeptUntilSave) {
    ASSERT_TRUE(Started());
    OpenedPage<TLogSetForm> page(LogSetForm);
    page->CheckBox_EMNotifca->SetChecked(true);  // the user's choice, not yet on the device
    Control("clearlog");
    pagetest::Pick(page->CB_OutServer, "Gmail");
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{Int(Mail(12), 2), Int(Mail(12), 1)}));
    EXPECT_EQ(Value(Mail(12)), "1") << "the stored preset is back on the device";
    EXPECT_EQ(page->Ed_MailServerIp->Text(), "192.0.2.25");
    EXPECT_EQ(page->Ed_SntpPort->Text(), "587");
    EXPECT_TRUE(page->Cbk_SSL->Checked());
    EXPECT_FALSE(page->Cbk_SSL->Enabled()) << "the preset's security";
    EXPECT_TRUE(page->CheckBox_EMNotifca->Checked());
    EXPECT_EQ(page->CB_OutServer->Text(), "Gmail");

    page->Edt_FEail->SetText("ap@example.com");
    page->Ed_TMail->SetText("admin@example.com");
    page->Ed_UserName->SetText("ap.sender@example.com");
    page->Ed_LogServerIp->SetText("192.168.0.9");
    Save(*page);
    EXPECT_EQ(Status(*page), LogSetOkText);
    EXPECT_EQ(Value(Mail(12)), "2");
    EXPECT_EQ(Value(Mail(10)), "587");
    EXPECT_EQ(page->SavedServerIndex, 1);
}

TEST_F(LogSettingsPageTest, AFailedPresetWriteLoadsNothing) {
    ASSERT_TRUE(Started());
    OpenedPage<TLogSetForm> page(LogSetForm);
    page->CheckBox_EMNotifca->SetChecked(true);
    Control("error " + DeviceOid(Mail(12)) + " genErr");
    pagetest::Pick(page->CB_OutServer, "Hotmail");
    EXPECT_EQ(page->Ed_MailServerIp->Text(), "");
    EXPECT_EQ(Value(Mail(12)), "1");
    EXPECT_EQ(Status(*page), LogSetErrorText);
}

TEST_F(LogSettingsPageTest, AGroupThatWasNotReadIsNotWritten) {
    ASSERT_TRUE(Started());
    RestartSimWithout("emailNtfOnSchedule");
    OpenedPage<TLogSetForm> page(LogSetForm);
    EXPECT_NE(Status(*page).find("e-mail schedule"), std::string::npos) << Status(*page);
    page->Ed_LogServerIp->SetText("192.168.0.9");
    Save(*page);
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{Syslog("192.168.0.9", 1), Int(Mail(2), 0)}));
    EXPECT_NE(Status(*page).find(LogSetErrorText), std::string::npos);
    EXPECT_NE(Status(*page).find("e-mail schedule"), std::string::npos);
}

TEST_F(LogSettingsPageTest, TheStatusMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    Notifying();
    RegisterMaintenancePages();
    bool seen = false;
    Later(20, [&] {
        seen = LogSetForm != nullptr && LogSetForm->Modal() && LogSetForm->Caption() == "Status \\ Log \\  Log Settings";
        if (LogSetForm) {
            SavePicture(*LogSetForm, "log-settings-page");
            LogSetForm->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("LogSettings1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(LogSetForm, nullptr);
}

}  // namespace
