#include "library/common/text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <string>
#include <system_error>

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
        {1.5e-7, "1.5E-7"}, {123456789012345.0, "123456789012345"}, {0.1, "0.1"},
        {-1e-300, "-1E-300"},
        // More digits only where 15 would read back as another double.
        {1.0 / 3, "0.3333333333333333"}, {0.1 + 0.2, "0.30000000000000004"},
        {DBL_MAX, "1.7976931348623157E308"}, {-DBL_MAX, "-1.7976931348623157E308"},
        {DBL_MIN, "2.2250738585072014E-308"}, {DBL_TRUE_MIN, "4.94065645841247E-324"},
        {9007199254740993.0, "9007199254740992"}, {1234567890123456789.0, "1.2345678901234568E18"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

// Whatever the double, its text reads back to the same double, also in a
// process locale with a decimal comma.
TEST(Text, FloatToStrReadsBackToTheSameDouble) {
    const double values[] = {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1.0 / 3, 2.0 / 3,
                             0.1 + 0.2, 46366.75 + 1.0 / 86400000, 1e23, 5e-324 * 3, -0.0};
    const char* locales[] = {"C", "de_DE.UTF-8", "de_DE.utf8"};
    for (const char* locale : locales) {
        if (std::setlocale(LC_ALL, locale) == nullptr) continue;
        for (double value : values) {
            std::string text = FloatToStr(value);
            double read = 0;
            auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
            EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
            EXPECT_EQ(read, value) << locale << ": " << text;
        }
    }
    std::setlocale(LC_ALL, "C");
}
