// The Web Redirection page's checks without a device: an account's fields,
// the list's limit and a name no other account has, and the refusals of
// Delete and Save that would leave the feature on with no enabled account.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/network/web_redirection_page_rules.h"

namespace {

using namespace webredirect;

const char* const kOneEnabled = "When Web Redirection enable,at least 1 account must be enable!";

TEST(WebAccountChecks, FieldsInTheirOrder) {
    struct Case {
        const char* name;
        const char* password;
        int check;
        const char* message;
        AccountField field;
    };
    const Case cases[] = {
        {"guest", "", 0, "", AccountField::None},
        {"guest", "pw 1", 0, "", AccountField::None},
        {"", " bad", 1, "The User Name can not be blank!", AccountField::Name},
        {"guest", " pw", 2, "The first character and last character can't be blank.", AccountField::Password},
        {"guest", "pw ", 2, "The first character and last character can't be blank.", AccountField::Password},
    };
    for (const Case& c : cases) {
        const AccountRefusal r = CheckAccountFields(c.name, c.password);
        EXPECT_EQ(r.check, c.check) << c.name << "/" << c.password;
        EXPECT_EQ(r.message, c.message) << c.name << "/" << c.password;
        EXPECT_EQ(r.field, c.field) << c.name << "/" << c.password;
    }
}

TEST(WebAccountChecks, ANewAccountNeedsRoomThenAFreeName) {
    const std::vector<std::string> names = {"guest", "", "staff"};
    EXPECT_EQ(CheckNewAccount("visitor", 2, names).check, 0);
    const AccountRefusal taken = CheckNewAccount("staff", 2, names);
    EXPECT_EQ(taken.check, 4);
    EXPECT_EQ(taken.message, "Can not use the same name!");
    EXPECT_EQ(taken.field, AccountField::Name);
    EXPECT_EQ(CheckNewAccount("Staff", 2, names).check, 0) << "names compare as typed";
    const AccountRefusal full = CheckNewAccount("staff", kMaxAccounts, names);
    EXPECT_EQ(full.check, 3) << "the limit comes first";
    EXPECT_EQ(full.message, "The max number is 256,is full now!");
    EXPECT_EQ(CheckNewAccount("visitor", kMaxAccounts - 1, names).check, 0);
    EXPECT_EQ(CheckRenamedAccount("guest", {"staff"}).check, 0) << "its own name is no other account's";
    EXPECT_EQ(CheckRenamedAccount("staff", {"staff"}).check, 4);
}

TEST(WebAccountChecks, TheFeatureOnKeepsAnEnabledAccount) {
    struct Case {
        int accounts;
        bool savedOn;
        int check;
    };
    for (const Case& c : {Case{1, true, 5}, Case{0, true, 5}, Case{2, true, 0}, Case{1, false, 0}}) {
        const AccountRefusal r = CheckDelete(c.accounts, c.savedOn);
        EXPECT_EQ(r.check, c.check) << c.accounts << " " << c.savedOn;
        EXPECT_EQ(r.message, c.check != 0 ? kOneEnabled : "");
    }
    EXPECT_EQ(CheckSave(true, {false, true}).check, 0);
    EXPECT_EQ(CheckSave(true, {false, false}).check, 6);
    EXPECT_EQ(CheckSave(true, {}).check, 6);
    EXPECT_EQ(CheckSave(false, {false}).check, 0);
    EXPECT_EQ(CheckSave(true, {}).message, kOneEnabled);
}

}  // namespace
