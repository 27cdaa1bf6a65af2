#include "library/common/text.h"

#include <gtest/gtest.h>

#include "platform/os/exception.h"

TEST(Text, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim("  161  "), "161");
    EXPECT_EQ(Trim("\t\r\n a b \x01"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xE9t\xE9 "), "\xE9t\xE9");  // bytes above 0x7F are text, not blanks
}

TEST(Text, CaseInsensitiveComparisonFoldsAsciiLettersOnly) {
    EXPECT_TRUE(SameText("Enable", "eNABLE"));
    EXPECT_FALSE(SameText("Enable", "Enable "));
    EXPECT_FALSE(SameText("\xC9", "\xE9"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("b", "A"), 0);
    EXPECT_LT(CompareText("ab", "AbC"), 0);
    EXPECT_EQ(CompareText("", ""), 0);
}

TEST(Text, StrToIntAcceptsDecimalAndHexadecimalWithinThirtyTwoBits) {
    struct Case { const char* text; bool ok; int value; };
    const Case cases[] = {
        {"0", true, 0},           {"42", true, 42},           {"-17", true, -17},
        {"+5", true, 5},          {"  7", true, 7},           {"$1F", true, 31},
        {"0x10", true, 16},       {"-$10", true, -16},        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"", false, 0},             {"(NULL)", false, 0},
        {"7 ", false, 0},         {"1.5", false, 0},          {"-", false, 0},
        {"$", false, 0},          {"12a", false, 0},          {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        int value = -999;
        EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
            EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
        } else {
            EXPECT_EQ(value, -999) << c.text;
            EXPECT_THROW(StrToInt(c.text), os::ConvertError) << c.text;
        }
    }
}

TEST(Text, FloatToStrGivesTheShortestGeneralForm) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {0, "0"}, {12, "12"}, {0.5, "0.5"}, {-3.25, "-3.25"}, {1e20, "1E20"},
        {1.5e-7, "1.5E-7"}, {1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}
