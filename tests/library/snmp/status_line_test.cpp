// Status lines of control-bound requests: templates filled with the message,
// the variable list's description and the time.

#include <gtest/gtest.h>

#include "library/common/messages.h"
#include "library/snmp/status_line.h"

namespace {

struct LineCase {
    const char* name;
    std::string templateText;
    std::string description;
    std::string expected;
};

TEST(StatusLine, FillsTheTemplates) {
    const std::string get = VkSNMPStatusTemplates.BuiltInText(0);
    const std::string set = VkSNMPStatusTemplates.BuiltInText(1);
    const LineCase cases[] = {
        {"read without description", get, "", "Get: timed out. Receive at 01:02:03 PM."},
        {"write without description", set, "", "Set: timed out. Receive at 01:02:03 PM."},
        {"read with description", get, "LAN", "Get: timed out Request:LAN. Receive at 01:02:03 PM."},
        {"no [VARLIST]", "[ERROR] at [TIME]", "", "timed out at 01:02:03 PM"},
        {"[VARLIST] before [ERROR] stays", "[VARLIST] [ERROR]", "", "[VARLIST] timed out"},
        {"cut ends with [VARLIST]", "<[ERROR]|x[VARLIST]|[VARLIST]>", "", "<timed out|[VARLIST]>"},
        {"every [VARLIST] replaced", "[VARLIST]/[VARLIST]", "d", "d/d"},
        {"every [ERROR] replaced", "[ERROR]+[ERROR]", "d", "timed out+timed out"},
        {"no [ERROR]: nothing cut", "Request:[VARLIST].", "", "Request:[VARLIST]."},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FillStatusLine(c.templateText, c.description, "timed out", "01:02:03 PM"), c.expected);
    }
}

TEST(StatusLine, TimeOfDayHasTwelveHoursAndAnAmPmMark) {
    struct TimeCase {
        int hour, minute, second;
        const char* expected;
    };
    const TimeCase cases[] = {
        {0, 0, 0, "12:00:00 AM"},  {1, 2, 3, "01:02:03 AM"},  {11, 59, 59, "11:59:59 AM"},
        {12, 0, 1, "12:00:01 PM"}, {13, 5, 9, "01:05:09 PM"}, {23, 30, 0, "11:30:00 PM"},
    };
    for (const TimeCase& c : cases) {
        std::tm time{};
        time.tm_hour = c.hour;
        time.tm_min = c.minute;
        time.tm_sec = c.second;
        EXPECT_EQ(StatusTimeText(time), c.expected);
    }
}

}  // namespace
