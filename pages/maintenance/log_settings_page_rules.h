#pragma once
// The Log Settings page's checks of a Save, as plain values: what the user
// typed in, the first refusal (message, the edit to focus and what becomes of
// its text) or none.

#include <optional>
#include <string>

extern const char* const LogServerInvalidText;   // "Invalid Log Server / IP Address!"
extern const char* const EmailInvalidText;       // "Invalid Email Address !"
extern const char* const MailServerInvalidText;  // "Invalid Mail Server / IP Address!"
extern const char* const SmtpPortInvalidText;    // "Please input valid SMTP Port."
extern const char* const UserNameBlankText;      // "The Name field can not be blank."
extern const char* const UserNameFirstBlankText;  // "The first character can't be blank."
extern const char* const UserNameCharacterText;   // "The User Name is with invalid character.Please check it."
extern const char* const PasswordConfirmText;     // "Please input the confirm new password correctly!"
extern const char* const DefaultSmtpPort;         // "25"

// 0-9, A-Z, a-z, "_", "-" and "." only (the empty text passes).
bool IsAddressPart(const std::string& text);
// An at sign; before the first one 1 to 64 characters of IsAddressPart,
// after it at least one such character (so a second at sign is refused).
bool IsEmailAddress(const std::string& text);
// a-z, A-Z, 0-9, "@", ".", "_" and "-" only.
bool IsUserNameText(const std::string& text);
// A number from 1 to 65535 (text that is not a number counts as 0).
bool IsSmtpPort(const std::string& text);

enum class LogField { LogServer, From, To, MailServer, Port, UserName, Confirm };

struct LogSaveInput {
    std::string logServer;
    bool notify = false;
    std::string from;
    std::string to;
    std::string mailServer;
    std::string port;
    std::string userName;
    std::string password;
    std::string confirm;
};

struct LogRefusal {
    const char* message;
    LogField focus;
    // What the edit shows afterwards: unchanged, emptied, or the default port.
    enum { Keep, Clear, DefaultPort } edit = Keep;
};

// The checks in their order; the mail checks only with notification on.
std::optional<LogRefusal> CheckLogSave(const LogSaveInput& in);
