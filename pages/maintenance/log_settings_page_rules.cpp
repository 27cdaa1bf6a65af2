#include "pages/maintenance/log_settings_page_rules.h"

#include <cstdlib>

#include "pages/common/same_value.h"
#include "shell/input_validators.h"

const char* const LogServerInvalidText = "Invalid Log Server / IP Address!";
const char* const EmailInvalidText = "Invalid Email Address !";
const char* const MailServerInvalidText = "Invalid Mail Server / IP Address!";
const char* const SmtpPortInvalidText = "Please input valid SMTP Port.";
const char* const UserNameBlankText = "The Name field can not be blank.";
const char* const UserNameFirstBlankText = "The first character can't be blank.";
const char* const UserNameCharacterText = "The User Name is with invalid character.Please check it.";
const char* const PasswordConfirmText = "Please input the confirm new password correctly!";
const char* const DefaultSmtpPort = "25";

namespace {

constexpr size_t kLocalPartMax = 64;
constexpr long kPortMax = 65535;

bool IsAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool AllOf(const std::string& text, const char* extra) {
    for (char c : text)
        if (!IsAlphanumeric(c) && std::string(extra).find(c) == std::string::npos) return false;
    return true;
}

std::optional<LogRefusal> CheckMail(const LogSaveInput& in) {
    if (!IsEmailAddress(in.from)) return LogRefusal{EmailInvalidText, LogField::From};
    if (!IsEmailAddress(in.to)) return LogRefusal{EmailInvalidText, LogField::To};
    const std::string server = in.mailServer.empty() ? kNoAddress : in.mailServer;
    if (!IsValidHostAddress(server)) return LogRefusal{MailServerInvalidText, LogField::MailServer, LogRefusal::Clear};
    if (!IsSmtpPort(in.port)) return LogRefusal{SmtpPortInvalidText, LogField::Port, LogRefusal::DefaultPort};
    if (in.userName.empty()) return LogRefusal{UserNameBlankText, LogField::UserName};
    if (in.userName[0] == ' ') return LogRefusal{UserNameFirstBlankText, LogField::UserName};
    if (!IsUserNameText(in.userName)) return LogRefusal{UserNameCharacterText, LogField::UserName};
    if (in.password != in.confirm) return LogRefusal{PasswordConfirmText, LogField::Confirm};
    return std::nullopt;
}

}  // namespace

bool IsAddressPart(const std::string& text) { return AllOf(text, "_-."); }

bool IsEmailAddress(const std::string& text) {
    size_t at = text.find('@');
    if (at == std::string::npos || at == 0 || at > kLocalPartMax) return false;
    const std::string domain = text.substr(at + 1);
    return !domain.empty() && IsAddressPart(text.substr(0, at)) && IsAddressPart(domain);
}

bool IsUserNameText(const std::string& text) { return AllOf(text, "@._-"); }

bool IsSmtpPort(const std::string& text) {
    char* end = nullptr;
    long port = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || text.size() > 5) port = 0;
    return port >= 1 && port <= kPortMax;
}

std::optional<LogRefusal> CheckLogSave(const LogSaveInput& in) {
    // With notification off an empty log server is refused too; with it on,
    // empty means no remote logging.
    if (in.logServer == kNoAddress || (in.logServer.empty() && !in.notify))
        return LogRefusal{LogServerInvalidText, LogField::LogServer};
    if (!in.logServer.empty() && !IsValidHostAddress(in.logServer))
        return LogRefusal{LogServerInvalidText, LogField::LogServer, LogRefusal::Clear};
    if (in.notify) return CheckMail(in);
    return std::nullopt;
}
