// How the View Log page reads the device's log file: lines split at LF with
// the CR of a CR LF end removed, and each line cut into time, type and
// message by the first "|", "[" and "]".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/view_log_page_rules.h"

namespace {

struct LineCase {
    const char* line;
    const char* time;
    const char* type;
    const char* message;
};

TEST(ViewLogRules, CutsEachLineIntoTimeTypeAndMessage) {
    const LineCase cases[] = {
        {"Jan 01 00:00:05 | [System] Device started", "Jan 01 00:00:05", "System", " Device started"},
        {"12:00:01|kern [Wireless]assoc 00:11:22", "12:00:01", "Wireless", "assoc 00:11:22"},
        {"no bar [Notice] text", "", "Notice", " text"},
        {"time | no brackets", "time", "", " no brackets"},
        {"a | b] c [d] e", "a", "d", " e"},
        {"a | x [y", "a", "", "y"},
        {"t | [a|b] m", "t", "a|b", " m"},
        {"t | [ System ] m", "t", " System ", " m"},
        {"   ", "", "", "   "},
        {"\tt\t| [x] m", "t", "x", " m"},
    };
    for (const LineCase& c : cases) {
        const LogRow row = ParseLogLine(c.line);
        EXPECT_EQ(row.time, c.time) << c.line;
        EXPECT_EQ(row.type, c.type) << c.line;
        EXPECT_EQ(row.message, c.message) << c.line;
    }
}

TEST(ViewLogRules, SplitsAtLineFeedsAndDropsTheCarriageReturnOfALineEnd) {
    EXPECT_EQ(SplitLogLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(SplitLogLines("t | [x] m\r\n"), std::vector<std::string>{"t | [x] m"});
    EXPECT_EQ(SplitLogLines("inner\rcr\n"), std::vector<std::string>{"inner\rcr"})
        << "only the CR before the LF ends the line";
    EXPECT_TRUE(SplitLogLines("").empty());
}

TEST(ViewLogRules, EmptyLinesGiveNoRowButBlankLinesDo) {
    const std::vector<LogRow> rows = ParseLogLines(SplitLogLines("t | [x] m\r\n\r\n  \r\nu | [y] n\r\n"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].message, " m") << "no CR left at the end of a message";
    EXPECT_EQ(rows[1].message, "  ");
    EXPECT_EQ(rows[2].time, "u");
}

}  // namespace
