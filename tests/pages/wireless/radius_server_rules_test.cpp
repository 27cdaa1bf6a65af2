// The Internal RADIUS Server page's checks without a device: the order of
// the account checks, a new name against the listed ones in any case, a
// replacement keeping its own name, the password's length at its edges, and
// the rows a replacement's delete sends.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/radius_server_page_rules.h"
#include "pages/wireless/radius_server_page_vars.h"

namespace {

const char* const kNoName = "Please input user name !";
const char* const kSameName = "Can't use the same name !";
const char* const kLength = "The length of password should be 8~64 !";
const char* const kTaken = "The name has exist, please input username again!";

TEST(RadiusRules, AccountChecksInOrder) {
    const std::vector<std::string> listed = {"alice", "bob"};
    const std::string eight(8, 'p');
    struct Case {
        const char* name;
        std::string password;
        int replacing;
        RadiusField field;
        const char* message;
    } const cases[] = {
        {"", "", -1, RadiusField::Name, kNoName},
        {"", eight, 0, RadiusField::Name, kNoName},
        {"carol", eight, -1, RadiusField::None, ""},
        {"Alice", "", -1, RadiusField::Name, kSameName},  // before the password, in any case
        {"carol", std::string(7, 'p'), -1, RadiusField::Password, kLength},
        {"carol", std::string(65, 'p'), -1, RadiusField::Password, kLength},
        {"carol", std::string(64, 'p'), -1, RadiusField::None, ""},
        {"alice", eight, 0, RadiusField::None, ""},   // a replacement keeps its own name
        {"bob", eight, 0, RadiusField::Name, kTaken},  // but takes no other listed one
        {"bob", "short", 0, RadiusField::Password, kLength},
        {"Bob", eight, 0, RadiusField::None, ""},  // the replacement's check minds the case
        {"carol", eight, 1, RadiusField::None, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + std::to_string(c.password.size()) + " / " +
                     std::to_string(c.replacing));
        const RadiusRefusal refusal = CheckRadiusAccount({c.name, c.password, listed, c.replacing});
        EXPECT_EQ(refusal.field, c.field);
        EXPECT_EQ(refusal.message, c.message);
    }
}

TEST(RadiusRules, AReplacementsDeleteSendsThePasswordOnlyWhenChanged) {
    EXPECT_EQ(RadiusReplaceRows(false), (std::vector<int>{RadiusUserRow::Name, RadiusUserRow::Status}));
    EXPECT_EQ(RadiusReplaceRows(true),
              (std::vector<int>{RadiusUserRow::Name, RadiusUserRow::Status, RadiusUserRow::Password}));
}

}  // namespace
