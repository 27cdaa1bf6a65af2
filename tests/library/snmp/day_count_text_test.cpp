#include "library/snmp/day_count_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "library/common/day_count.h"
#include "platform/os/exception.h"

TEST(DayCountText, PrintsTwelveHourClockTexts) {
    struct Case {
        double dayCount;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "1899/12/30 12:00:00 am"},
        {0.5, "1899/12/30 12:00:00 pm"},
        {-1.25, "1899/12/29 06:00:00 am"},
        {DayCount(2004, 5, 26, 13, 30, 15), "2004/05/26 01:30:15 pm"},
        {DayCount(2000, 2, 29, 23, 59, 59), "2000/02/29 11:59:59 pm"},
        {DayCount(2026, 12, 31, 0, 0, 0) - 1e-10, "2026/12/31 12:00:00 am"},  // rounds to the next day
        {DayCount(2026, 12, 31, 0, 0, 0) - 1e-7, "2026/12/30 11:59:59 pm"},   // 8.64 ms before
        {DayCount(1, 1, 1), "0001/01/01 12:00:00 am"},
        {DayCount(9999, 12, 31, 23, 59, 59), "9999/12/31 11:59:59 pm"},
        {DayCount(10000, 1, 1), ""},
        {-1e300, ""},
        {std::nan(""), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DayCountToText(c.dayCount), c.text);
    }
}

TEST(DayCountText, ReadsTheTextsItPrintsAndPlainForms) {
    struct Case {
        const char* text;
        double dayCount;
    };
    const Case cases[] = {
        {"2004/05/26 01:30:15 pm", DayCount(2004, 5, 26, 13, 30, 15)},
        {"2004/05/26 12:00:00 am", DayCount(2004, 5, 26)},
        {"2004/05/26 12:10 PM", DayCount(2004, 5, 26, 12, 10)},
        {"2004-5-26 17:45", DayCount(2004, 5, 26, 17, 45)},
        {" 1999/12/31 ", DayCount(1999, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(TextToDayCount(c.text), c.dayCount);
    }
    const double samples[] = {0.5, 38133.5626736111, -1.25};
    for (double d : samples) {
        std::string text = DayCountToText(d);
        EXPECT_EQ(DayCountToText(TextToDayCount(text)), text);
    }
}

TEST(DayCountText, RejectsTextsThatAreNoDateAndTime) {
    const char* const rejected[] = {"",           "(NULL)",           "2004/13/01",
                                    "2003/02/29", "2004/05/26 24:00", "2004/05/26 00:10 pm",
                                    "2004/05/26 1:2:3 xm", "2004/05/26 12:00 am trailing"};
    for (const char* text : rejected) EXPECT_THROW(TextToDayCount(text), os::ConvertError) << text;
}
