// The Administration page's decisions as tables: the limit boxes, the user
// name rule, Save's checks in their order, a new range's checks and the scan
// for an overlap or a free row.
#include <gtest/gtest.h>

#include <functional>

#include "pages/maintenance/admin_page_rules.h"

namespace {

TEST(AdminRulesTest, LimitStatusAndBoxesMapBothWays) {
    for (int position = 0; position < 4; ++position) {
        std::optional<LimitBoxes> boxes = LimitBoxesFromStatus(position);
        ASSERT_TRUE(boxes.has_value());
        EXPECT_EQ(LimitStatusFromBoxes(*boxes), position);
    }
    EXPECT_TRUE(LimitBoxesFromStatus(1)->vlanId);
    EXPECT_FALSE(LimitBoxesFromStatus(1)->address);
    EXPECT_TRUE(LimitBoxesFromStatus(2)->address);
    EXPECT_FALSE(LimitBoxesFromStatus(-1).has_value());
    EXPECT_FALSE(LimitBoxesFromStatus(4).has_value());
}

TEST(AdminRulesTest, UserNameTakesLettersDigitsAndFourSigns) {
    for (const char* good : {"", "admin", "Admin_2", "a.b-c@d", "0123456789"}) EXPECT_TRUE(IsValidUserName(good)) << good;
    for (const char* bad : {"ad min", "admin!", "a/b", "a:b", "ä", "a\tb", "a#"}) EXPECT_FALSE(IsValidUserName(bad)) << bad;
}

AdminInput GoodInput() {
    AdminInput in;
    in.systemName = "VAP-7720";
    in.location = "Lab";
    in.user = "admin";
    in.oldPassword = in.devicePassword = in.newPassword = in.confirmPassword = "password";
    return in;
}

struct SaveCase {
    const char* label;
    std::function<void(AdminInput&)> change;
    const char* message;  // null: Save may write
    AdminField focus;
};

const std::string kLong(65, 'a');

const SaveCase kSaveCases[] = {
    {"all good", [](AdminInput&) {}, nullptr, AdminField::None},
    {"VID 1", [](AdminInput& in) { in.limitVlanId = true; in.vlanId = "1"; }, nullptr, AdminField::None},
    {"VID 4094", [](AdminInput& in) { in.limitVlanId = true; in.vlanId = "4094"; }, nullptr, AdminField::None},
    {"VID 0", [](AdminInput& in) { in.limitVlanId = true; in.vlanId = "0"; },
     "Please input a number between 1 and 4094!", AdminField::VlanId},
    {"VID 4095", [](AdminInput& in) { in.limitVlanId = true; in.vlanId = "4095"; },
     "Please input a number between 1 and 4094!", AdminField::VlanId},
    {"VID empty", [](AdminInput& in) { in.limitVlanId = true; },
     "Please input a number between 1 and 4094!", AdminField::VlanId},
    {"VID text", [](AdminInput& in) { in.limitVlanId = true; in.vlanId = "ab"; },
     "Please input a number between 1 and 4094!", AdminField::VlanId},
    {"VID unchecked", [](AdminInput& in) { in.vlanId = "ab"; }, nullptr, AdminField::None},
    {"IP limit, no range", [](AdminInput& in) { in.limitAddress = true; }, "Please add Limit Admin IP rule!",
     AdminField::FromAddress},
    {"IP limit, one range", [](AdminInput& in) { in.limitAddress = true; in.ranges = 1; }, nullptr, AdminField::None},
    {"name empty", [](AdminInput& in) { in.systemName = ""; }, "The System Name field can not be blank!",
     AdminField::SystemName},
    {"name blank first", [](AdminInput& in) { in.systemName = " x"; },
     "The first character of System Name can't be blank.", AdminField::SystemName},
    {"location empty", [](AdminInput& in) { in.location = ""; }, nullptr, AdminField::None},
    {"location blank first", [](AdminInput& in) { in.location = " x"; },
     "The first character of Location can't be blank.", AdminField::Location},
    {"user empty", [](AdminInput& in) { in.user = ""; }, "Please input the Login Name.", AdminField::User},
    {"old password wrong", [](AdminInput& in) { in.oldPassword = "x"; },
     "Please input the current password correctly!", AdminField::None},
    {"user too long", [](AdminInput& in) { in.user = kLong; }, "Please limit user name to 64 characters!",
     AdminField::User},
    {"user invalid", [](AdminInput& in) { in.user = "ad min"; }, "Invaild UserName!", AdminField::User},
    {"password too long", [](AdminInput& in) { in.newPassword = in.confirmPassword = kLong; },
     "Please limit password to 64 characters!", AdminField::NewPassword},
    {"confirm differs", [](AdminInput& in) { in.newPassword = "new"; },
     "Please input the confirm new password correctly!", AdminField::NewPassword},
    {"trap on, server 0.0.0.0", [](AdminInput& in) { in.trapEnabled = true; in.trapServer = "0.0.0.0"; },
     "Invalid Trap Server / IP Address!", AdminField::TrapServer},
    {"trap on, server loopback", [](AdminInput& in) { in.trapEnabled = true; in.trapServer = "127.0.0.1"; },
     "Invalid Trap Server / IP Address!", AdminField::TrapServer},
    {"trap on, good server", [](AdminInput& in) { in.trapEnabled = true; in.trapServer = "192.168.0.9"; },
     nullptr, AdminField::None},
    {"trap off, server unchecked", [](AdminInput& in) { in.trapServer = "bad"; }, nullptr, AdminField::None},
    // The order: the first failing check speaks.
    {"VID before name", [](AdminInput& in) { in.limitVlanId = true; in.systemName = ""; },
     "Please input a number between 1 and 4094!", AdminField::VlanId},
    {"old password before user name rule", [](AdminInput& in) { in.oldPassword = "x"; in.user = "a b"; },
     "Please input the current password correctly!", AdminField::None},
    {"confirm before trap server", [](AdminInput& in) { in.newPassword = "n"; in.trapEnabled = true; },
     "Please input the confirm new password correctly!", AdminField::NewPassword},
};

TEST(AdminRulesTest, SaveChecksRunInOrder) {
    for (const SaveCase& c : kSaveCases) {
        SCOPED_TRACE(c.label);
        AdminInput in = GoodInput();
        c.change(in);
        std::optional<AdminRefusal> refusal = CheckAdminInput(in);
        if (c.message == nullptr) {
            EXPECT_FALSE(refusal.has_value()) << refusal->message;
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->focus, c.focus);
    }
}

struct NewRangeCase {
    int shown;
    const char* from;
    const char* to;
    const char* message;  // null: passes
    RangeRefusal::Focus focus;
};

const NewRangeCase kNewRangeCases[] = {
    {0, "192.168.0.10", "192.168.0.10", nullptr, RangeRefusal::None},
    {3, "192.168.0.10", "192.168.0.20", nullptr, RangeRefusal::None},
    {4, "192.168.0.10", "192.168.0.20", RangeFullText, RangeRefusal::None},
    {0, "192.168.0", "192.168.0.20", RangeAddressText, RangeRefusal::From},
    {0, "192.168.0.10", "", RangeAddressText, RangeRefusal::To},
    {0, "192.168.0.20", "192.168.0.10", RangeInvalidText, RangeRefusal::From},
    {0, "192.168.0.10", "192.168.1.10", RangeNetworkText, RangeRefusal::To},
};

TEST(AdminRulesTest, NewRangeChecks) {
    for (const NewRangeCase& c : kNewRangeCases) {
        SCOPED_TRACE(std::string(c.from) + " .. " + c.to + " with " + std::to_string(c.shown));
        std::optional<RangeRefusal> refusal = CheckNewRange(c.shown, c.from, c.to);
        if (c.message == nullptr) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->focus, c.focus);
    }
    std::optional<RangeRefusal> full = CheckNewRange(4, "x", "y");
    ASSERT_TRUE(full.has_value());
    EXPECT_TRUE(full->clearFrom && full->clearTo);
}

const RangeRow kFree1{"1", "0.0.0.0", "0.0.0.0"};
const RangeRow kUsed2{"2", "192.168.0.10", "192.168.0.20"};
const RangeRow kFree3{"3", "0.0.0.0", "0.0.0.0"};
const RangeRow kUsed4{"4", "192.168.0.100", "192.168.0.120"};

struct ScanCase {
    const char* label;
    std::vector<RangeRow> rows;
    const char* from;
    const char* to;
    RangeSlot::Outcome outcome;
    int row;
};

const ScanCase kScanCases[] = {
    {"start inside", {kFree1, kUsed2}, "192.168.0.15", "192.168.0.30", RangeSlot::Overlap, -1},
    {"end inside", {kFree1, kUsed2}, "192.168.0.1", "192.168.0.15", RangeSlot::Overlap, -1},
    {"encloses", {kFree1, kUsed2}, "192.168.0.5", "192.168.0.30", RangeSlot::Overlap, -1},
    {"inside", {kUsed2, kFree3}, "192.168.0.12", "192.168.0.13", RangeSlot::Overlap, -1},
    {"touches the start", {kUsed2, kFree3}, "192.168.0.1", "192.168.0.10", RangeSlot::Overlap, -1},
    {"touches the end", {kUsed2, kFree3}, "192.168.0.20", "192.168.0.30", RangeSlot::Overlap, -1},
    {"just below", {kUsed2, kFree3}, "192.168.0.1", "192.168.0.9", RangeSlot::Free, 1},
    {"just above", {kUsed2, kFree3}, "192.168.0.21", "192.168.0.30", RangeSlot::Free, 1},
    {"first free row takes it", {kFree1, kUsed2, kFree3}, "192.168.0.30", "192.168.0.40", RangeSlot::Free, 0},
    {"used row after a free row", {kFree1, kUsed2, kFree3, kUsed4}, "192.168.0.90", "192.168.0.110",
     RangeSlot::Overlap, -1},
    {"no free row", {kUsed2, kUsed4}, "192.168.0.30", "192.168.0.40", RangeSlot::NoFreeRow, -1},
    {"empty table", {}, "192.168.0.30", "192.168.0.40", RangeSlot::NoFreeRow, -1},
};

TEST(AdminRulesTest, ScanFindsOverlapsAnywhereAndTheFirstFreeRow) {
    for (const ScanCase& c : kScanCases) {
        SCOPED_TRACE(c.label);
        const RangeSlot slot = FindRangeSlot(c.rows, c.from, c.to);
        EXPECT_EQ(slot.outcome, c.outcome);
        EXPECT_EQ(slot.row, c.row);
    }
}

TEST(AdminRulesTest, FindRangeMatchesUsedRowsOnly) {
    const std::vector<RangeRow> rows{kFree1, kUsed2, kFree3, kUsed4};
    EXPECT_EQ(FindRange(rows, "192.168.0.100", "192.168.0.120"), 3);
    EXPECT_EQ(FindRange(rows, "192.168.0.10", "192.168.0.20"), 1);
    EXPECT_EQ(FindRange(rows, "192.168.0.10", "192.168.0.21"), -1);
    EXPECT_EQ(FindRange(rows, "0.0.0.0", "0.0.0.0"), -1);
}

}  // namespace
