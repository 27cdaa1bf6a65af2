#pragma once
// The Web Redirection page's decisions, without controls: the checks of an
// account typed for Add (its fields, the list's limit, a name no other
// account has) and the refusals of Delete and Save that would leave the
// feature on without an enabled account.

#include <string>
#include <vector>

namespace webredirect {

constexpr int kMaxAccounts = 256;

enum class AccountField { None, Name, Password };

// A refused action: the message box (caption "Warning") and the field to
// focus. check is the number of the check that failed (0: none).
struct AccountRefusal {
    int check = 0;
    std::string message;
    AccountField field = AccountField::None;
};

// The typed fields: a name, and a password (when one is typed) without a
// blank at either end.
AccountRefusal CheckAccountFields(const std::string& name, const std::string& password);
// A new account: the list not full (accounts listed), then no account of
// the table with that name.
AccountRefusal CheckNewAccount(const std::string& name, int accounts, const std::vector<std::string>& names);
// A rewritten account: no other account with that name.
AccountRefusal CheckRenamedAccount(const std::string& name, const std::vector<std::string>& otherNames);

// Delete of an account refused: the last one listed while the feature is
// saved on.
AccountRefusal CheckDelete(int accounts, bool savedOn);
// Save refused: the feature on and no listed account enabled.
AccountRefusal CheckSave(bool featureOn, const std::vector<bool>& accountsEnabled);

}  // namespace webredirect
