#pragma once
// The Internal RADIUS Server page's checks, without controls: whether an
// account may be saved as typed, and which rows the delete half of a
// replacement sends.

#include <string>
#include <vector>

// The edit a refused account sends the user back to (emptied).
enum class RadiusField { None, Name, Password };

struct RadiusRefusal {
    RadiusField field = RadiusField::None;  // None: the account may be saved
    std::string message;
};

struct RadiusAccountInput {
    std::string name;
    std::string password;
    // The names of the accounts listed, in list order.
    std::vector<std::string> listed;
    // The position in `listed` of the account being replaced; -1 for a new one.
    int replacing = -1;
};

// The checks in order: a name is typed; a new account's name is not listed
// (in any case); the password has 8 to 64 characters; a replacement may keep
// its own name but not take another listed one.
RadiusRefusal CheckRadiusAccount(const RadiusAccountInput& in);

// The rows the delete half of a replacement sends besides its action: the
// stored name and the status, the password only when the user changed it.
std::vector<int> RadiusReplaceRows(bool passwordChanged);
