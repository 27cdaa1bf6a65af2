// Which rows one write sends, and that every row's access comes back after it.
#include "library/snmp/row_write_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "library/snmp/var_list.h"

namespace {

using namespace VkSNMPAccess;
using namespace VkSNMPSyntax;

// A walked table: an index column, three writable columns, one read-only.
const VkSNMPVarEntry kRows[] = {
    {"1.3.6.1.4.1.99.1.1", "index", integer, notaccess},
    {"1.3.6.1.4.1.99.1.2", "name", displaystr, readwrite},
    {"1.3.6.1.4.1.99.1.3", "state", integer, readwrite},
    {"1.3.6.1.4.1.99.1.4", "action", integer, readwrite},
    {"1.3.6.1.4.1.99.1.5", "counter", integer, readonly},
    {},
};

std::vector<int32_t> AccessOf(const VkSNMPVarList& vars) {
    std::vector<int32_t> access;
    for (int row = 0; row < vars.Count(); ++row) access.push_back(vars.Item(row)->access);
    return access;
}

struct MarkCase {
    const char* name;
    std::vector<int> listed;
    std::vector<int> leftOutBefore;  // rows marked invalid by an earlier step
    std::vector<int> written;        // what a write sends while marked
};

void PrintTo(const MarkCase& c, std::ostream* out) { *out << c.name; }

class RowWriteMarksTest : public testing::TestWithParam<MarkCase> {};

TEST_P(RowWriteMarksTest, WritesExactlyTheListedRowsAndPutsEveryAccessBack) {
    const MarkCase& c = GetParam();
    VkSNMPVarList vars(kRows, MVT_UMV, 1);
    for (int row : c.leftOutBefore) vars.Item(row)->access |= invalid;
    const std::vector<int32_t> before = AccessOf(vars);
    {
        VkRowWriteMarks marks(vars, c.listed);
        EXPECT_EQ(WritableRows(vars), c.written);
        EXPECT_EQ(vars.Item(0)->access, notaccess) << "the index column addresses the row";
        for (int row : c.leftOutBefore) {
            const bool listed = std::find(c.listed.begin(), c.listed.end(), row) != c.listed.end();
            EXPECT_EQ((vars.Item(row)->access & invalid) != 0, !listed) << "row " << row;
        }
        EXPECT_NE(vars.Item(4)->access & readonly, 0) << "rows not written are still read";
    }
    EXPECT_EQ(AccessOf(vars), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowWriteMarksTest,
    testing::Values(MarkCase{"OneColumnWithItsAction", {1, 3}, {}, {1, 3}},
                    MarkCase{"NoRow", {}, {}, {}},
                    MarkCase{"AReadOnlyColumnListedIsWritten", {4}, {}, {4}},
                    MarkCase{"ALeftOutRowListedIsWritten", {2}, {2}, {2}},
                    MarkCase{"ALeftOutRowNotListedStaysOut", {1}, {2, 3}, {1}}),
    [](const testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST(RowWriteMarks, AccessComesBackWhenTheWriteRaises) {
    VkSNMPVarList vars(kRows, MVT_UMV, 1);
    const std::vector<int32_t> before = AccessOf(vars);
    EXPECT_THROW(
        {
            VkRowWriteMarks marks(vars, {1});
            throw std::runtime_error("write failed");
        },
        std::runtime_error);
    EXPECT_EQ(AccessOf(vars), before);
}

TEST(RowWriteMarks, RestoreValuesPutsBackWhatTheRowsHeld) {
    VkSNMPVarList vars(kRows, MVT_UMV, 1);
    vars.Item(1)->value = "read";
    VkRowWriteMarks marks(vars, {1});
    vars.Item(1)->value = "typed";
    marks.RestoreValues();
    EXPECT_EQ(vars.Item(1)->value, "read");
}

}  // namespace
