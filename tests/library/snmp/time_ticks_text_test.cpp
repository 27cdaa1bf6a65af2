#include "library/snmp/time_ticks_text.h"

#include <gtest/gtest.h>

namespace {

struct PrintCase {
    uint32_t hundredths;
    const char* text;
};

const PrintCase kPrinted[] = {
    {0, "0:00:00.00"},
    {1, "0:00:00.01"},
    {6000, "0:01:00.00"},
    {8639999, "23:59:59.99"},
    {8640000, "1 day 0:00:00.00"},
    {8640000 + 360000 * 5 + 6000 * 4 + 300 + 2, "1 day 5:04:03.02"},
    {17280001, "2 days, 0:00:00.01"},
    {4294967295u, "497 days, 2:27:52.95"},
};

struct ParseCase {
    const char* text;
    uint32_t hundredths;
};

const ParseCase kParsed[] = {
    {"0:01:00.00", 6000},
    {"90", 0},
    {"", 0},
    {"1 day 0:00:00.00", 8640000},
    {"2 days, 0:00:00.01", 17280001},
    {"1 day 5:04:03.02", 8640000 + 360000 * 5 + 6000 * 4 + 300 + 2},
    {"497 days, 2:27:52.95", 4294967295u},
    {"12:34:56.78", 360000u * 12 + 6000 * 34 + 5678},
    {"1:30", 360000},           // minutes need a second ':'
    {"0:00:05", 0},             // seconds need a '.'
    {"0:00:05.5", 505},         // the number after '.' counts hundredths
    {"  3:  4: 5.  6", 360000u * 3 + 6000 * 4 + 506},
    {"5.25", 525},
    {"100000 days, 0:00:00.00", 4294967295u},  // held at the 32-bit limit
};

}  // namespace

TEST(TimeTicksText, Prints) {
    for (const PrintCase& c : kPrinted) {
        SCOPED_TRACE(c.hundredths);
        EXPECT_EQ(TimeTicksToText(c.hundredths), c.text);
    }
}

TEST(TimeTicksText, Parses) {
    for (const ParseCase& c : kParsed) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToTimeTicks(c.text), c.hundredths);
    }
}

TEST(TimeTicksText, PrintedTextsReadBackToTheSameValue) {
    for (const PrintCase& c : kPrinted) EXPECT_EQ(TextToTimeTicks(c.text), c.hundredths) << c.text;
}
