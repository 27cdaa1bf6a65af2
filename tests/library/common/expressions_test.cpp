#include "library/common/expressions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <ctime>
#include <string>

#include "library/common/day_count.h"
#include "library/common/text.h"
#include "platform/os/exception.h"

namespace {

// Runs `f` and checks that it raises the library exception with code -1 and
// VkCommon message 1.
template <typename F>
void ExpectBadOperand(F f, const std::string& what) {
    try {
        f();
        ADD_FAILURE() << "no exception: " << what;
    } catch (const os::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -1) << what;
        EXPECT_EQ(e.Message(), "(VkCommon) Bad logic operand!") << what;
    }
}

}  // namespace

TEST(DayCount, CountsDaysSince30December1899) {
    struct Case { int y, mo, d, h, mi, s, ms; double value; };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0, 0},      {1899, 12, 31, 0, 0, 0, 0, 1},
        {1900, 1, 1, 0, 0, 0, 0, 2},        {2000, 1, 1, 0, 0, 0, 0, 36526},
        {2024, 2, 29, 0, 0, 0, 0, 45351},   {2026, 12, 10, 18, 0, 0, 0, 46366.75},
        {1899, 12, 30, 12, 0, 0, 0, 0.5},   {1899, 12, 29, 0, 0, 0, 0, -1},
        {1899, 12, 29, 6, 0, 0, 0, -1.25},  // the platform's convention before the epoch
        {1, 1, 1, 0, 0, 0, 0, -693593},
        {2000, 13, 1, 0, 0, 0, 0, 36892},   // month 13 carries into 2001-01-01
        {2000, 0, 1, 0, 0, 0, 0, 36495},    // month 0 is December 1999
        {2000, 1, 1, 24, 0, 0, 0, 36527},   // 24:00 carries into the next day
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DayCount(c.y, c.mo, c.d, c.h, c.mi, c.s, c.ms), c.value)
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h;
    EXPECT_NEAR(DayCount(2000, 1, 1, 0, 0, 0, 1), 36526 + 1.0 / 86400000, 1e-12);
}

// Read with the clock NowAsDayCount reads: time() may lag it by a tick across
// a second's edge.
std::time_t ClockSeconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec;
}

TEST(DayCount, NowIsTheLocalDateAndTime) {
    std::time_t before = ClockSeconds();
    double now = NowAsDayCount();
    std::time_t after = ClockSeconds();
    std::tm a{}, b{};
    localtime_r(&before, &a);
    localtime_r(&after, &b);
    double low = DayCount(a.tm_year + 1900, a.tm_mon + 1, a.tm_mday, a.tm_hour, a.tm_min, a.tm_sec);
    double high = DayCount(b.tm_year + 1900, b.tm_mon + 1, b.tm_mday, b.tm_hour, b.tm_min, b.tm_sec, 999);
    EXPECT_GE(now, low);
    EXPECT_LE(now, high);
}

TEST(Expressions, ComparisonComparesTextsByteByByte) {
    struct Case { const char* text; bool result; };
    const Case cases[] = {
        {"a<>b", true},          {"a<>a", false},  // "<>", not "<" then ">b"
        {"abc<abd", true},       {"abd<abc", false},
        {"10<9", true},          {"9>10", true},   // texts, not numbers
        {"10=10.0", false},
        {"a>=a", true},          {"a>=b", false},  {"b>=a", true},
        {"a<=a", true},          {"b<=a", false},
        {"b>a", true},           {"a>a", false},
        {"a<b", true},           {"a=a", true},    {"A=a", false},  // case-sensitive
        {"\xE9>z", true},        // bytes compared as unsigned
        {" a = a ", true},       {"\ta\r\n=a", true},              // sides trimmed
        {"\"x y\"=x y", true},   {"\" a\"=a", false},              // unquoted after trimming
        {"\"\"=", true},         {"=", true},
        {"now>0", true},         {"NOW<99999", true}, {"\"Now\">0", true},
        {"now=x", false},
        {"TRUE", true},          {"False", false},  {"true", true},
        {" true ", true},        {"\tfalse\n", false},  // decision: blanks around are ignored
        // Quotes do not protect an operator: the split is at the first '='.
        {"\"a=b\"=\"a=b\"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(EvaluateComparison(c.text), c.result) << c.text;

    for (const char* bad : {"yes", "", "   ", "truex", "\"true\"", "true false", "1"})
        ExpectBadOperand([&] { EvaluateComparison(bad); }, bad);
}

TEST(Expressions, ComparisonWithNowUsesTheDayCountText) {
    double now = NowAsDayCount();
    // The day count as text compared with texts just below and far above it.
    std::string whole = IntToStr(static_cast<long long>(now));
    EXPECT_TRUE(EvaluateComparison("now>" + whole));
    EXPECT_TRUE(EvaluateComparison(whole + "<NOW"));
    EXPECT_TRUE(EvaluateComparison("now<" + IntToStr(static_cast<long long>(now) + 1)));
}

TEST(Expressions, ArithmeticSplitsAtTheFirstOperator) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"2*3+1", 7},       {"(1+2)*3", 9},     {"10-2-3", 11},   // right grouping
        {"6/3*2", 12},      {"8/2/2", 8},       {"", 0},
        {"-5", -5},         {"1.5+2.25", 3.75}, {" 7", 7},        {"7 ", 7},
        {"abc", 0},         {"12abc", 12},      {"2*(3+4)", 14},  {"((2+3)*(1+1))", 10},
        {"(1+2", 2},        // '(' without ')' is no parenthesis: "(1" reads as 0
        {"()", 0},          {"1+2+3", 6},       {"2*3*4", 24},    {"100/10", 10},
        {"2*-3", -3},       // split at '-': "2*" (2*0) minus "3"
        {"(2-3)*2", -2},    {"1e3", 1000},      {"1e-3", -2},     // "1e" minus "3"
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(EvaluateArithmetic("1/0")));
}

TEST(Expressions, ArithmeticReadsNowAsTheDayCount) {
    double before = NowAsDayCount();
    double now = EvaluateArithmetic("NOW");
    double tomorrow = EvaluateArithmetic("now+1");
    double after = NowAsDayCount();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    EXPECT_GE(tomorrow, before + 1);
    EXPECT_LE(tomorrow, after + 1);
    EXPECT_DOUBLE_EQ(EvaluateArithmetic(" now"), 0);  // an operand is not trimmed
}

TEST(Expressions, ArithmeticIgnoresTheProcessLocale) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
    const char* set = nullptr;
    for (const char* l : locales)
        if ((set = std::setlocale(LC_ALL, l)) != nullptr) break;
    if (!set) GTEST_SKIP() << "no locale with a decimal comma installed";
    double value = EvaluateArithmetic("1.5+1");
    std::setlocale(LC_ALL, "C");
    EXPECT_DOUBLE_EQ(value, 2.5);
}

TEST(Expressions, Logic) {
    struct Case { const char* text; bool result; };
    const Case cases[] = {
        {"1=1|yes", true},                 // right side of '|' not evaluated
        {"1=2&yes", false},                // right side of '&' not evaluated
        {"!(2=1)", true},  {"!(1=1)", false},
        {"(1=1)&(2=2)", true}, {"(1=1)&(2=3)", false},
        {"1=1|1=2&1=3", true},             // a OR (b AND c)
        {"1=2|1=1&1=3", false},
        {"1=2&1=2|1=1", true},
        {"((1=1|2=3)&!(a=b))", true},
        {"!!1=2", false},
        {"TRUE", true}, {"false", false},
        {"(1=1) & (2=2)", true},           // decision: blanks around true/false ignored
        {"(1=1) | (2=3)", true},
        {"z=\"x|y\"", false},              // the quoted '|' is ignored: one comparison
        {"\"x|y\"=\"x|y\"", true},
        {"\"a&b\"=\"a&b\"", true},
        {"a=\"(b)\"", false},              // quoted parenthesis is no parenthesis
        {"\"(\"=\"(\"", true},
        {"\"!\"=\"!\"", true},
        {"a<>b", true}, {"10<9", true},
    };
    for (const Case& c : cases) EXPECT_EQ(EvaluateLogic(c.text), c.result) << c.text;

    const char* bad[] = {
        "yes",
        "1=2|yes",             // '|' evaluates the right side when the left is false
        "1=1&yes",
        "(1=1)|(yes)",         // parentheses are evaluated before the OR
        "!",
        "",
    };
    for (const char* b : bad) ExpectBadOperand([&] { EvaluateLogic(b); }, b);
}

namespace {

std::string Repeated(const std::string& part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += part;
    return text;
}

std::string Nested(const std::string& inner, int depth) {
    return Repeated("(", depth) + inner + Repeated(")", depth);
}

// The start of a long text and its length, for failure messages.
std::string Shown(const std::string& text) {
    return text.substr(0, 40) + "... (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace

// A received value can put any number of operators into a condition or an
// expression: moderate depths evaluate, deep texts are refused as a whole
// (false, 0) instead of running the stack out.
TEST(Expressions, DeepTextsAreRefusedAsAWhole) {
    struct LogicCase { std::string text; bool result; };
    const LogicCase logic[] = {
        {Repeated("!", 100) + "1=1", true},
        {Repeated("!", 101) + "1=2", true},
        {Nested("1=1", 60), true},
        {Repeated("1=2|", 60) + "1=1", true},
        {Repeated("!", 60001) + "1=2", false},  // refused, not negated
        {Repeated("!", 60000) + "1=1", false},
        {Nested("1=1", 60000), false},
        {Nested("!1=2", 60000), false},
        {Repeated("1=2|", 60000) + "1=1", false},
        {Repeated("(1=1)&", 30000) + "1=1", false},
        {"1=1|" + Repeated("!", 60000) + "1=1", true},  // the deep side is not evaluated
    };
    for (const LogicCase& c : logic)
        EXPECT_EQ(EvaluateLogic(c.text), c.result) << Shown(c.text);

    struct ArithmeticCase { std::string text; double result; };
    const ArithmeticCase arithmetic[] = {
        {Nested("7", 60), 7},
        {Repeated("1+", 60) + "1", 61},
        {Nested("7", 60000), 0},
        {Repeated("1+", 60000) + "1", 0},
        {Repeated("2*", 60000) + "1", 0},
        {Repeated("-", 60000) + "5", 0},
    };
    for (const ArithmeticCase& c : arithmetic)
        EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.text), c.result) << Shown(c.text);
}
