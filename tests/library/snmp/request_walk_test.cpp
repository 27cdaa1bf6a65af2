// Walks of tables whose columns hold different rows (an agent that leaves
// cells out): the walk goes forward only, lists every row once with the
// missing cells empty, ends, and never asks more than its bound allows.

#include <gtest/gtest.h>

#include "library/common/messages.h"
#include "library/snmp/request.h"
#include "library/snmp/walk_row.h"
#include "tests/library/snmp/snmp_session_env.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

#define ROOT "1.3.6.1.4.1.32473.10.37.44.99"
#define COLUMNS(table)                                                                  \
    {ROOT "." table ".1.1", "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},  \
        {ROOT "." table ".1.2", "a", VkSNMPSyntax::integer, VkSNMPAccess::readonly},   \
        {ROOT "." table ".1.3", "b", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly}, \
        {ROOT "." table ".1.4", "c", VkSNMPSyntax::integer, VkSNMPAccess::readonly}, {}

const VkSNMPVarEntry kEqual[] = {COLUMNS("7")};
const VkSNMPVarEntry kSparseStart[] = {COLUMNS("8")};
const VkSNMPVarEntry kSparseMiddle[] = {COLUMNS("9")};
const VkSNMPVarEntry kSparseEnd[] = {COLUMNS("10")};
const VkSNMPVarEntry kOneColumnEmpty[] = {COLUMNS("11")};
const VkSNMPVarEntry kSwappedTypes[] = {
    {ROOT ".12.1.1", "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".12.1.2", "a", VkSNMPSyntax::integer, VkSNMPAccess::readonly},
    {ROOT ".12.1.3", "b", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly},
    {}};

// A cell the agent left out: no value ("(NULL)" for a number, "" for a text).
const char* const N = "(NULL)";

struct Layout {
    const char* name;
    const VkSNMPVarEntry* rows;
    Rows expected;
    std::vector<std::vector<int>> missing;  // per row, the items without a cell
};

const Layout kLayouts[] = {
    {"equal columns", kEqual, {{"1", "10", "b", "30"}, {"2", "10", "b", "30"}, {"3", "10", "b", "30"}}, {{}, {}, {}}},
    {"sparse at the start",
     kSparseStart,
     {{"1", "10", "", "30"}, {"2", "10", "", "30"}, {"3", "10", "b", "30"}, {"4", "10", "b", "30"}},
     {{2}, {2}, {}, {}}},
    {"sparse in the middle (rows 1-6, 2-5, 3-8)",
     kSparseMiddle,
     {{"1", "10", "", N},
      {"2", "10", "b", N},
      {"3", "10", "b", "30"},
      {"4", "10", "b", "30"},
      {"5", "10", "b", "30"},
      {"6", "10", "", "30"},
      {"7", N, "", "30"},
      {"8", N, "", "30"}},
     {{2, 3}, {3}, {}, {}, {}, {2}, {1, 2}, {1, 2}}},
    {"sparse at the end",
     kSparseEnd,
     {{"1", "10", "b", "30"}, {"2", "10", "b", "30"}, {"3", "10", "", "30"}, {"4", "10", "", "30"}},
     {{}, {}, {2}, {2}}},
    {"one column empty",
     kOneColumnEmpty,
     {{"1", "10", "", "30"}, {"2", "10", "", "30"}, {"3", "10", "", "30"}},
     {{2}, {2}, {2}}},
};

class SparseWalk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(agent_.Started()); }

    std::unique_ptr<VkSNMPRequest> NewRequest(const VkSNMPVarEntry* rows) {
        auto request = std::make_unique<VkSNMPRequest>();
        snmptest::AllModes()[1].ApplyTo(*request, agent_.Sim());
        request->vars = VkSNMPVarList(rows, MVT_UMV, 1);
        request->onError = [this](const VkSNMPError& error) { reported_.push_back(error); };
        return request;
    }

    int GetNextCount() {
        int count = 0;
        for (const std::string& line : agent_.Sim().Control("log").lines) count += line.rfind("GETNEXT ", 0) == 0;
        return count;
    }

    std::vector<int> MissingItems(const VkSNMPRequest& request) {
        std::vector<int> items;
        for (int i = 0; i < request.vars.Count(); ++i)
            if (request.CellMissing(i)) items.push_back(i);
        return items;
    }

    snmptest::TestAgent agent_;
    std::vector<VkSNMPError> reported_;
};

TEST_F(SparseWalk, ListsEveryRowOnceWithTheMissingCellsEmptyAndEnds) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const int steps = static_cast<int>(layout.expected.size()) + 1;  // a row each, then the end

        agent_.Sim().Control("clearlog");
        auto request = NewRequest(layout.rows);
        bool ok = false;
        Rows rows;
        std::vector<std::vector<int>> missing;
        for (bool row = request->GetSync(ok, true); row && rows.size() < 50; row = request->GetSync(ok, false)) {
            rows.push_back(snmptest::Values(request->vars));
            missing.push_back(MissingItems(*request));
        }
        EXPECT_TRUE(ok);
        EXPECT_EQ(rows, layout.expected);
        EXPECT_EQ(missing, layout.missing);
        EXPECT_EQ(GetNextCount(), steps);

        agent_.Sim().Control("clearlog");
        auto later = NewRequest(layout.rows);
        snmptest::AsyncWalk walk;
        snmptest::StartAsyncWalk(*later, walk);
        ASSERT_TRUE(snmptest::RunUntil([&] { return walk.done; }));
        EXPECT_EQ(walk.rows, layout.expected);
        EXPECT_EQ(walk.finalCode, 0);
        EXPECT_EQ(GetNextCount(), steps);
    }
    EXPECT_TRUE(reported_.empty()) << reported_.front().text;
}

TEST_F(SparseWalk, AWalkPastItsBoundFailsWithAMessageAfterExactlyThatManySteps) {
    auto request = NewRequest(kSparseMiddle);
    request->maxWalkSteps = 3;
    agent_.Sim().Control("clearlog");
    bool ok = true;
    int rows = 0;
    for (bool row = request->GetSync(ok, true); row && rows < 50; row = request->GetSync(ok, false)) ++rows;
    EXPECT_FALSE(ok);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(GetNextCount(), 3);
    ASSERT_EQ(reported_.size(), 1u);
    EXPECT_EQ(reported_[0].code, VK_ERR_WALK_UNENDING);
    EXPECT_EQ(reported_[0].text, "The device's table did not end: the walk stopped after 3 steps.");

    auto later = NewRequest(kSparseMiddle);
    later->maxWalkSteps = 3;
    agent_.Sim().Control("clearlog");
    snmptest::AsyncWalk walk;
    snmptest::StartAsyncWalk(*later, walk);
    ASSERT_TRUE(snmptest::RunUntil([&] { return walk.done; }));
    EXPECT_EQ(walk.rows.size(), 2u);
    EXPECT_EQ(walk.finalCode, VK_ERR_WALK_UNENDING);
    EXPECT_EQ(GetNextCount(), 3);
}

TEST_F(SparseWalk, AValueOfAnotherTypeIsMarkedAndReadsAsNoValue) {
    auto request = NewRequest(kSwappedTypes);
    bool ok = false;
    Rows rows;
    std::vector<std::vector<int>> mistyped;
    for (bool row = request->GetSync(ok, true); row && rows.size() < 50; row = request->GetSync(ok, false)) {
        rows.push_back(snmptest::Values(request->vars));
        mistyped.emplace_back();
        for (int i = 0; i < request->vars.Count(); ++i)
            if (request->Mistyped(i)) mistyped.back().push_back(i);
    }
    EXPECT_EQ(rows, (Rows{{"1", "10", ""}, {"2", N, "b"}}));
    EXPECT_EQ(mistyped, (std::vector<std::vector<int>>{{2}, {1}}));
}

// The row a step takes, for answers no well-behaved agent gives too: a
// column that goes back or stands still has ended.
TEST(WalkRow, TakesTheLeastIndexAfterTheLastRowAndEndsColumnsThatDoNotMoveForward) {
    struct Case {
        const char* name;
        std::vector<VkWalkCell> cells;
        std::string lastRow;
        std::string row;
        std::vector<bool> ended;
    };
    const Case cases[] = {
        {"first row", {{false, "2"}, {false, "1"}}, "", "1", {false, false}},
        {"numbers, not texts", {{false, "10"}, {false, "9"}}, "8", "9", {false, false}},
        {"a column going back ends", {{false, "3"}, {false, "1"}}, "2", "3", {false, true}},
        {"a column standing still ends", {{false, "2"}, {false, "3"}}, "2", "3", {true, false}},
        {"an ended column stays ended", {{true, ""}, {false, "4"}}, "3", "4", {true, false}},
        {"every column ended", {{false, "1"}, {true, ""}}, "1", "", {true, true}},
        {"index of two parts", {{false, "1.7"}, {false, "1.10"}}, "1.2", "1.7", {false, false}},
        {"a shorter index first", {{false, "1.1"}, {false, "1"}}, "", "1", {false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<VkWalkCell> cells = c.cells;
        EXPECT_EQ(WalkRowOf(cells, c.lastRow), c.row);
        std::vector<bool> ended;
        for (const VkWalkCell& cell : cells) ended.push_back(cell.ended);
        EXPECT_EQ(ended, c.ended);
    }
}

}  // namespace
