// The Log Settings page's checks as tables: e-mail addresses, SMTP ports,
// user names, and the order in which a Save's checks refuse.
#include <gtest/gtest.h>

#include <string>

#include "pages/maintenance/log_settings_page_rules.h"

namespace {

TEST(LogSettingsRules, EmailAddresses) {
    const std::string local64(64, 'a');
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {"a@b", true},
        {"first.last_x-y@mail.example.com", true},
        {local64 + "@example.com", true},
        {local64 + "a@example.com", false},
        {"@example.com", false},
        {"user@", false},
        {"user", false},
        {"a@b@c", false},
        {"us er@example.com", false},
        {"user@exa+mple.com", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsEmailAddress(c.text), c.valid) << c.text;
}

TEST(LogSettingsRules, SmtpPorts) {
    for (const char* port : {"1", "25", "65535"}) EXPECT_TRUE(IsSmtpPort(port)) << port;
    for (const char* port : {"", "0", "65536", "abc", "25a", "-1", "100000"}) EXPECT_FALSE(IsSmtpPort(port)) << port;
}

TEST(LogSettingsRules, UserNameCharacters) {
    for (const char* name : {"admin", "A.b_c-d@e", "0"}) EXPECT_TRUE(IsUserNameText(name)) << name;
    for (const char* name : {"ad min", "a+b", "naïve", "a/b"}) EXPECT_FALSE(IsUserNameText(name)) << name;
}

LogSaveInput Valid() {
    LogSaveInput in;
    in.logServer = "192.168.0.9";
    in.notify = true;
    in.from = "ap@example.com";
    in.to = "admin@example.com";
    in.mailServer = "192.168.0.25";
    in.port = "25";
    in.userName = "mailer";
    in.password = "secret";
    in.confirm = "secret";
    return in;
}

TEST(LogSettingsRules, SaveChecksRefuseInOrderWithTheirMessageFocusAndEdit) {
    const struct {
        const char* label;
        void (*change)(LogSaveInput&);
        const char* message;
        LogField focus;
        int edit;
    } cases[] = {
        {"server 0.0.0.0", [](LogSaveInput& in) { in.logServer = "0.0.0.0"; }, LogServerInvalidText,
         LogField::LogServer, LogRefusal::Keep},
        {"no server, notification off", [](LogSaveInput& in) { in.logServer = "", in.notify = false; },
         LogServerInvalidText, LogField::LogServer, LogRefusal::Keep},
        {"server not a host", [](LogSaveInput& in) { in.logServer = "192.168.0.255"; }, LogServerInvalidText,
         LogField::LogServer, LogRefusal::Clear},
        {"from", [](LogSaveInput& in) { in.from = "nobody"; }, EmailInvalidText, LogField::From, LogRefusal::Keep},
        {"to", [](LogSaveInput& in) { in.to = "a@b@c"; }, EmailInvalidText, LogField::To, LogRefusal::Keep},
        {"no mail server", [](LogSaveInput& in) { in.mailServer = ""; }, MailServerInvalidText,
         LogField::MailServer, LogRefusal::Clear},
        {"port 0", [](LogSaveInput& in) { in.port = "0"; }, SmtpPortInvalidText, LogField::Port,
         LogRefusal::DefaultPort},
        {"port 65536", [](LogSaveInput& in) { in.port = "65536"; }, SmtpPortInvalidText, LogField::Port,
         LogRefusal::DefaultPort},
        {"no user", [](LogSaveInput& in) { in.userName = ""; }, UserNameBlankText, LogField::UserName,
         LogRefusal::Keep},
        {"user starts blank", [](LogSaveInput& in) { in.userName = " x"; }, UserNameFirstBlankText,
         LogField::UserName, LogRefusal::Keep},
        {"user character", [](LogSaveInput& in) { in.userName = "a+b"; }, UserNameCharacterText, LogField::UserName,
         LogRefusal::Keep},
        {"confirm", [](LogSaveInput& in) { in.confirm = "other"; }, PasswordConfirmText, LogField::Confirm,
         LogRefusal::Keep},
        {"two faults: the first wins", [](LogSaveInput& in) { in.from = "x", in.port = "0"; }, EmailInvalidText,
         LogField::From, LogRefusal::Keep},
    };
    ASSERT_FALSE(CheckLogSave(Valid()));
    for (const auto& c : cases) {
        LogSaveInput in = Valid();
        c.change(in);
        const std::optional<LogRefusal> refusal = CheckLogSave(in);
        ASSERT_TRUE(refusal) << c.label;
        EXPECT_STREQ(refusal->message, c.message) << c.label;
        EXPECT_EQ(refusal->focus, c.focus) << c.label;
        EXPECT_EQ(refusal->edit, c.edit) << c.label;
    }
}

TEST(LogSettingsRules, WithNotificationOffOnlyTheLogServerIsChecked) {
    LogSaveInput in;
    in.logServer = "192.168.0.9";
    in.from = "not an address";
    in.port = "0";
    EXPECT_FALSE(CheckLogSave(in));
    in.notify = true;
    in.logServer = "";
    EXPECT_TRUE(CheckLogSave(in)) << "the mail checks run once notification is on";
    LogSaveInput valid = Valid();
    valid.logServer = "";
    EXPECT_FALSE(CheckLogSave(valid)) << "no log server is accepted with notification on";
}

}  // namespace
