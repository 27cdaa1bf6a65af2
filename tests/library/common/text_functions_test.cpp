#include "library/common/text_functions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(TextFunctions, Unquote) {
    struct Case { const char* text; const char* result; };
    const Case cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\"abc\"", "abc"},
        {"\"abc", "\"abc"},          // a quote only at the start: unchanged
        {"abc\"", "abc\""},          // only at the end: unchanged
        {"\"", ""},                  // a lone quote
        {"\"\"", ""},                // two quotes alone
        {"\"a\"b\"", "a\"b"},        // quotes inside stay
        {"\"\"\"\"", "\"\""},        // only one pair removed
        {" \"abc\" ", " \"abc\" "},  // not trimmed
    };
    for (const Case& c : cases) EXPECT_EQ(Unquote(c.text), c.result) << c.text;
}

TEST(TextFunctions, ReplaceAll) {
    struct Case { const char* source; const char* pattern; const char* replacement; const char* result; };
    const Case cases[] = {
        {"[MIN]-[MIN]", "[MIN]", "0", "0-0"},
        {"[MIN]-[MIN]", "[MIN]", "[MIN][MIN]", "[MIN][MIN]-[MIN][MIN]"},  // never rescanned
        {"between [MIN] and [MAX]!", "[MAX]", "100", "between [MIN] and 100!"},
        {"aaa", "aa", "b", "ba"},
        {"abc", "", "x", "abc"},  // empty pattern changes nothing
        {"abc", "d", "x", "abc"},
        {"", "a", "x", ""},
        {"a-b-c", "-", "", "abc"},
        {"xx", "x", "xx", "xxxx"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAll(c.source, c.pattern, c.replacement), c.result)
            << c.source << " / " << c.pattern << " / " << c.replacement;
}

TEST(TextFunctions, SpanOfChars) {
    const std::string digits = "0123456789";
    struct Case { const char* text; int start; const char* set; int result; };
    const Case cases[] = {
        {"x12}", 2, "0123456789", 3},
        {"x12}", 1, "0123456789", 0},   // start not admitted
        {"x12}", 3, "0123456789", 3},
        {"x12}", 4, "0123456789", 0},
        {"x12}", 5, "0123456789", 0},   // beyond the end
        {"x12}", 0, "0123456789", 0},   // before the start
        {"x12}", -3, "0123456789", 0},
        {"123", 1, "0123456789", 3},    // run to the end
        {"", 1, "0123456789", 0},
        {"%s{l12}", 2, "sShHiIuUfFnN", 2},
        {"abc", 1, "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpanOfChars(c.text, c.start, c.set), c.result) << c.text << " @" << c.start;
}

TEST(TextFunctions, SplitAtOperatorUsesTheFirstOperatorOfTheTableThatOccurs) {
    static const char* const ops[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};
    static const char* const eqFirst[] = {"=", "<", nullptr};
    struct Case { const char* const* table; const char* text; int index; const char* left; const char* right; };
    const Case cases[] = {
        {ops, "a<>b", 0, "a", "b"},
        {ops, "a>=b", 1, "a", "b"},
        {ops, "a<=b", 2, "a", "b"},
        {ops, "a>b", 3, "a", "b"},
        {ops, "a<b", 4, "a", "b"},
        {ops, "a=b", 5, "a", "b"},
        {ops, "a=b<c", 4, "a=b", "c"},     // table order, not the leftmost in the text
        {eqFirst, "a<b=c", 0, "a<b", "c"},
        {ops, "a<b<c", 4, "a", "b<c"},     // first occurrence of the operator
        {ops, "=", 5, "", ""},
    };
    for (const Case& c : cases) {
        std::string left = "?", right = "?";
        EXPECT_EQ(SplitAtOperator(c.table, c.text, left, right), c.index) << c.text;
        EXPECT_EQ(left, c.left) << c.text;
        EXPECT_EQ(right, c.right) << c.text;
    }
    std::string left = "keep", right = "also";
    EXPECT_EQ(SplitAtOperator(ops, "abc", left, right), -1);
    EXPECT_EQ(left, "keep");
    EXPECT_EQ(right, "also");
}

TEST(TextFunctions, IntPower) {
    struct Case { int base; unsigned exponent; int result; };
    const Case cases[] = {
        {2, 0, 1},   {0, 0, 1},        {7, 1, 7},        {2, 7, 128},
        {2, 30, 1 << 30},               {2, 31, INT_MIN}, {2, 32, 0},   // overflow wraps
        {-3, 3, -27}, {-2, 2, 4},       {10, 9, 1000000000},
        {10, 10, 1410065408},           {1, 1000, 1},     {-1, 1001, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IntPower(c.base, c.exponent), c.result) << c.base << "^" << c.exponent;
    // The control binding's mask of bit b within its octet (first bit = MSB).
    const int masks[] = {128, 64, 32, 16, 8, 4, 2, 1};
    for (int b = 0; b < 16; ++b) EXPECT_EQ(IntPower(2, 7 - (b % 8)), masks[b % 8]) << b;
}
