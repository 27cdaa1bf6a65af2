#include "library/snmp/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct DecimalCase {
    const char* text;
    int64_t decimal;
    int32_t int32;
    uint32_t uint32;
    uint64_t uint64;
};

const DecimalCase kDecimals[] = {
    {"", 0, 0, 0, 0},
    {"abc", 0, 0, 0, 0},
    {"42", 42, 42, 42, 42},
    {"  -17xyz", -17, -17, 4294967279u, 0},
    {"+8", 8, 8, 8, 8},
    {"-", 0, 0, 0, 0},
    {"3000000000", 3000000000, INT32_MAX, 3000000000u, 3000000000u},
    {"4294967295", 4294967295, INT32_MAX, 4294967295u, 4294967295u},
    {"4294967296", 4294967296, INT32_MAX, 4294967295u, 4294967296u},
    {"-1", -1, -1, 4294967295u, 0},
    {"-2147483649", -2147483649, INT32_MIN, 2147483647u, 0},
    {"18446744073709551615", INT64_MAX, INT32_MAX, 4294967295u, UINT64_MAX},
    {"99999999999999999999", INT64_MAX, INT32_MAX, 4294967295u, UINT64_MAX},
    {"-99999999999999999999", -INT64_MAX, INT32_MIN, 4294967295u, 0},
};

}  // namespace

TEST(NumberText, DecimalsAreReadAndHeldWithinRange) {
    for (const DecimalCase& c : kDecimals) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDecimal(c.text), c.decimal);
        EXPECT_EQ(ReadInt32(c.text), c.int32);
        EXPECT_EQ(ReadUInt32(c.text), c.uint32);
        EXPECT_EQ(ReadUInt64(c.text), c.uint64);
    }
}

TEST(NumberText, DoublesAreReadInTheCForm) {
    EXPECT_EQ(ReadDouble("2.5"), 2.5);
    EXPECT_EQ(ReadDouble("  +1e3x"), 1000.0);
    EXPECT_EQ(ReadDouble("-0.125"), -0.125);
    EXPECT_EQ(ReadDouble("2,5"), 2.0);
    EXPECT_EQ(ReadDouble("x1"), 0.0);
    EXPECT_EQ(ReadDouble(""), 0.0);
}

TEST(NumberText, DoubleOctetsAndWordsRoundTrip) {
    const double values[] = {0.0, 1.5, -2.25e300, 38000.75};
    for (double value : values) {
        double back = 0;
        ASSERT_TRUE(OctetsToDouble(DoubleToOctets(value), back));
        EXPECT_EQ(back, value);
        uint32_t low = 0, high = 0;
        DoubleToWords(value, low, high);
        EXPECT_EQ(WordsToDouble(low, high), value);
    }
    uint32_t low = 1, high = 1;
    DoubleToWords(1.0, low, high);  // 0x3FF0000000000000
    EXPECT_EQ(low, 0u);
    EXPECT_EQ(high, 0x3FF00000u);
    double untouched = 7;
    EXPECT_FALSE(OctetsToDouble(std::string(7, '\x01'), untouched));
    EXPECT_EQ(untouched, 7);
}

TEST(NumberText, TruncationIsHeldWithinRange) {
    EXPECT_EQ(TruncateWithin(2.9, INT32_MIN, INT32_MAX), 2);
    EXPECT_EQ(TruncateWithin(-2.9, INT32_MIN, INT32_MAX), -2);
    EXPECT_EQ(TruncateWithin(1e12, INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(TruncateWithin(-1e12, INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(TruncateWithin(-5, 0, UINT32_MAX), 0);
    EXPECT_EQ(TruncateWithin(std::nan(""), 0, 10), 0);
    EXPECT_EQ(TruncateToUInt64(1e30), UINT64_MAX);
    EXPECT_EQ(TruncateToUInt64(-3), 0u);
    EXPECT_EQ(TruncateToUInt64(12345.9), 12345u);
    EXPECT_EQ(TruncateToUInt64(std::numeric_limits<double>::quiet_NaN()), 0u);
}
