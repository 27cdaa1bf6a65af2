#include "pages/wireless/radius_server_page_rules.h"

#include <strings.h>

#include "pages/wireless/radius_server_page_vars.h"

namespace {

constexpr size_t kShortestPassword = 8;
constexpr size_t kLongestPassword = 64;

// Whether a listed account other than the one at `except` has the name.
bool NameListed(const RadiusAccountInput& in, int except, bool ignoreCase) {
    for (size_t i = 0; i < in.listed.size(); ++i) {
        if (static_cast<int>(i) == except) continue;
        const std::string& listed = in.listed[i];
        if (ignoreCase ? strcasecmp(listed.c_str(), in.name.c_str()) == 0 : listed == in.name) return true;
    }
    return false;
}

}  // namespace

RadiusRefusal CheckRadiusAccount(const RadiusAccountInput& in) {
    if (in.name.empty()) return {RadiusField::Name, "Please input user name !"};
    if (in.replacing < 0 && NameListed(in, -1, true)) return {RadiusField::Name, "Can't use the same name !"};
    if (in.password.size() < kShortestPassword || in.password.size() > kLongestPassword)
        return {RadiusField::Password, "The length of password should be 8~64 !"};
    if (in.replacing >= 0 && NameListed(in, in.replacing, false))
        return {RadiusField::Name, "The name has exist, please input username again!"};
    return {};
}

std::vector<int> RadiusReplaceRows(bool passwordChanged) {
    std::vector<int> rows = {RadiusUserRow::Name, RadiusUserRow::Status};
    if (passwordChanged) rows.push_back(RadiusUserRow::Password);
    return rows;
}
