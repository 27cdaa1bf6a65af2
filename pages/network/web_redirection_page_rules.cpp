#include "pages/network/web_redirection_page_rules.h"

#include <algorithm>

#include "shell/input_validators.h"

namespace webredirect {

namespace {

const char* const kOneEnabledText = "When Web Redirection enable,at least 1 account must be enable!";

AccountRefusal Refusal(int check, const char* message, AccountField field) { return {check, message, field}; }

bool Taken(const std::string& name, const std::vector<std::string>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

AccountRefusal CheckAccountFields(const std::string& name, const std::string& password) {
    if (name.empty()) return Refusal(1, "The User Name can not be blank!", AccountField::Name);
    if (!password.empty() && !HasNoEdgeBlank(password))
        return Refusal(2, "The first character and last character can't be blank.", AccountField::Password);
    return {};
}

AccountRefusal CheckNewAccount(const std::string& name, int accounts, const std::vector<std::string>& names) {
    if (accounts >= kMaxAccounts) return Refusal(3, "The max number is 256,is full now!", AccountField::None);
    return CheckRenamedAccount(name, names);
}

AccountRefusal CheckRenamedAccount(const std::string& name, const std::vector<std::string>& otherNames) {
    if (Taken(name, otherNames)) return Refusal(4, "Can not use the same name!", AccountField::Name);
    return {};
}

AccountRefusal CheckDelete(int accounts, bool savedOn) {
    if (accounts <= 1 && savedOn) return Refusal(5, kOneEnabledText, AccountField::None);
    return {};
}

AccountRefusal CheckSave(bool featureOn, const std::vector<bool>& accountsEnabled) {
    const bool anyEnabled = std::find(accountsEnabled.begin(), accountsEnabled.end(), true) != accountsEnabled.end();
    if (featureOn && !anyEnabled) return Refusal(6, kOneEnabledText, AccountField::None);
    return {};
}

}  // namespace webredirect
