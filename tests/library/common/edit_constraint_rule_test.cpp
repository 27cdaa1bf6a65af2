#include "library/common/edit_constraint_rule.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/os/exception.h"

namespace {

const double kDoubleMax = std::numeric_limits<double>::max();

struct GoodFormat {
    const char* constraint;
    EditConstraintRule rule;
};

// Every field of the parsed rule, against a rule written out by hand:
// {type, delimiter, min, max, maxLen, flags, jumpChar, width}.
const GoodFormat kGoodFormats[] = {
    {"%s", {'s', 0, 0, 0, 0, 0, 0, 0}},
    {"%h", {'h', 0, 0, 0, 0, 0, 0, 0}},
    {"%i", {'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0}},
    {"%u", {'u', 0, 0, 4294967295.0, 0, 0, 0, 0}},
    {"%f", {'f', 0, -kDoubleMax, kDoubleMax, 0, 0, 0, 0}},
    {"%n.", {'n', '.', 0, 4294967295.0, 0, 0, 0, 0}},
    {"%n:", {'n', ':', 0, 4294967295.0, 0, 0, 0, 0}},
    {"%s{}", {'s', 0, 0, 0, 0, 0, 0, 0}},
    {"%u{n1x100}", {'u', 0, 1, 100, 0, 0, 0, 0}},
    {"%h{l12f}", {'h', 0, 0, 0, 12, 2, 0, 0}},
    {"%s{l32n}", {'s', 0, 0, 0, 32, 4, 0, 0}},
    {"%s{l5a}", {'s', 0, 0, 0, 5, 1, 0, 0}},
    {"%s{l8afn}", {'s', 0, 0, 0, 8, 7, 0, 0}},
    {"%n.{x255}", {'n', '.', 0, 255, 0, 0, 0, 0}},
    {"%n.{l4f}", {'n', '.', 0, 4294967295.0, 4, 2, 0, 0}},
    {"%s{e.}", {'s', 0, 0, 0, 0, 0, '.', 0}},
    {"%s{e}}", {'s', 0, 0, 0, 0, 0, '}', 0}},
    {"%i{n-5x-1}", {'i', 0, -5, -1, 0, 0, 0, 0}},
    {"%f{n-1.5x2.25}", {'f', 0, -1.5, 2.25, 0, 0, 0, 0}},
    {"%u{w120}", {'u', 0, 0, 4294967295.0, 0, 0, 0, 120}},
    // Options in any order; a later one overrides an earlier one.
    {"%u{x9l3x7n2}", {'u', 0, 2, 7, 3, 0, 0, 0}},
    {"%s{l5al7}", {'s', 0, 0, 0, 7, 0, 0, 0}},
    {"%s{w10e-l2}", {'s', 0, 0, 0, 2, 0, '-', 10}},
};

TEST(EditConstraintRule, GoodFormatsGiveEveryField) {
    for (const GoodFormat& c : kGoodFormats) {
        SCOPED_TRACE(c.constraint);
        EditConstraintRule rule = ParseEditConstraint(c.constraint);
        EXPECT_EQ(rule.type, c.rule.type);
        EXPECT_EQ(rule.delimiter, c.rule.delimiter);
        EXPECT_EQ(rule.min, c.rule.min);
        EXPECT_EQ(rule.max, c.rule.max);
        EXPECT_EQ(rule.maxLen, c.rule.maxLen);
        EXPECT_EQ(rule.flags, c.rule.flags);
        EXPECT_EQ(rule.jumpChar, c.rule.jumpChar);
        EXPECT_EQ(rule.width, c.rule.width);
    }
}

TEST(EditConstraintRule, BadFormatsRaiseCodeMinus2WithItsMessage) {
    const char* const bad[] = {
        "", "%", "s", "x%s", "%x", "%S", "%n", "%s}", "%s ", "%s {l5}", "%s{", "%s{l}",
        "%s{lz}", "%u{x}", "%u{n}", "%s{w}", "%s{e}", "%s{q1}", "%s{L5}", "%s{l5",
        "%u{l3n5}", "%s{l5afna}", "%s{l 5}", "%n.x{x5}", "%u{x5}x", "%s{l5}}",
    };
    for (const char* constraint : bad) {
        SCOPED_TRACE(std::string("\"") + constraint + "\"");
        try {
            ParseEditConstraint(constraint);
            ADD_FAILURE() << "accepted";
        } catch (const os::ConvertError&) {
            ADD_FAILURE() << "conversion error instead of -2";
        } catch (const os::Exception& e) {
            EXPECT_EQ(e.HelpContext(), -2);
            EXPECT_EQ(e.Message(), "(VkCommon) Bad format specifier of edit's constraint!");
        }
    }
}

TEST(EditConstraintRule, NumberRunsThatDoNotReadRaiseTheConversionError) {
    for (const char* constraint : {"%u{n-}", "%u{x1-2}", "%f{x.}", "%f{n1.2.3}", "%s{l99999999999}"}) {
        SCOPED_TRACE(constraint);
        EXPECT_THROW(ParseEditConstraint(constraint), os::ConvertError);
    }
}

TEST(EditConstraintRule, AFormatIsCutBeforeEveryPercentButTheFirst) {
    struct Case {
        const char* format;
        std::vector<std::string> pieces;
    } cases[] = {
        {"%s%u", {"%s", "%u"}},
        {"%u{x255}%u{x255}%u%h{l2}", {"%u{x255}", "%u{x255}", "%u", "%h{l2}"}},
        {"%s", {"%s"}},
        {"", {}},
        {"ab%s", {"ab", "%s"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(SplitConstraintFormat(c.format), c.pieces);
    }
}

// The filter: the position of the first character that must be cut.
TEST(EditConstraintRule, FilterFindsTheFirstCharacterNotAdmitted) {
    const size_t none = std::string::npos;
    struct Case {
        const char* constraint;
        const char* text;
        size_t rejected;
    } cases[] = {
        {"%s", "any *thing* -.%", none},
        {"%u", "12a3", 2},
        {"%u", "123", none},
        {"%u", "-5", 0},
        {"%u", "1.5", 1},
        {"%h", "09afAF", none},
        {"%h", "0xAF", 1},
        {"%h", "G", 0},
        {"%i", "-12", none},
        {"%i", "1-2", 1},
        {"%i", "--1", 1},
        {"%f", "-1.5", none},
        {"%f", "1.2.3", 3},
        {"%f", ".5", none},
        {"%f", "1e5", 1},
        {"%n.", "1.2.", none},
        {"%n.", ".1", 0},
        {"%n.", "1..2", 2},
        {"%n.", "1,2", 1},
        {"%n:", "1:2.3", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.constraint) + " " + c.text);
        EXPECT_EQ(FirstRejectedChar(ParseEditConstraint(c.constraint), c.text), c.rejected);
    }
}

TEST(EditConstraintRule, PlaceholderTextsAreTheTwoNoValueTexts) {
    EXPECT_TRUE(IsPlaceholderText("(NULL)"));
    EXPECT_TRUE(IsPlaceholderText("(NOTDONE)"));
    EXPECT_FALSE(IsPlaceholderText("(null)"));
    EXPECT_FALSE(IsPlaceholderText(""));
}

TEST(EditConstraintRule, OnlyTheNumberListTakesNoMaximumLength) {
    for (const char* constraint : {"%s", "%h", "%i", "%u", "%f"}) {
        EXPECT_TRUE(LimitsLength(ParseEditConstraint(constraint))) << constraint;
    }
    EXPECT_FALSE(LimitsLength(ParseEditConstraint("%n.")));
}

// Leaving the edit: outcome and the message shown, with its placeholders.
TEST(EditConstraintRule, CheckOnLeavingGivesTheOutcomeAndItsMessage) {
    const char* const kNumbers = "(VkCommon) Please enter a delimited number string with delimiter '.'.\n";
    struct Case {
        const char* constraint;
        const char* text;
        EditCheck::Outcome outcome;
        std::string message;
    } cases[] = {
        {"%u", "4294967295", EditCheck::Accepted, ""},
        {"%u", "4294967296", EditCheck::Rejected,
         "(VkCommon) Please enter a number between 0 and 4294967295!"},
        {"%u", "0", EditCheck::Accepted, ""},
        {"%u{n1x100}", "1", EditCheck::Accepted, ""},
        {"%u{n1x100}", "100", EditCheck::Accepted, ""},
        {"%u{n1x100}", "0", EditCheck::Rejected,
         "(VkCommon) Please enter a number between 1 and 100!"},
        {"%u{n1x100}", "101", EditCheck::Rejected,
         "(VkCommon) Please enter a number between 1 and 100!"},
        {"%u", "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
               "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
               "99999999999999999999999999999999999999999999999999999999999999999999999999999999"
               "99999999999999999999999999999999999999999999999999999999999999999999999999999999",
         EditCheck::Rejected, "(VkCommon) Please enter a number between 0 and 4294967295!"},
        {"%i", "-2147483648", EditCheck::Accepted, ""},
        {"%i", "-2147483649", EditCheck::Rejected,
         "(VkCommon) Please enter a number between -2147483648 and 2147483647!"},
        {"%i", "-", EditCheck::Accepted, ""},  // reads as 0
        {"%f{n-1.5x2.5}", "-1.5", EditCheck::Accepted, ""},
        {"%f{n-1.5x2.5}", "2.51", EditCheck::Rejected,
         "(VkCommon) Please enter a number between -1.5 and 2.5!"},
        {"%f{n0.5}", ".", EditCheck::Rejected,
         "(VkCommon) Please enter a number between 0.5 and 1.7976931348623157E308!"},
        {"%s", "", EditCheck::Ignored, ""},
        {"%u{x5}", "", EditCheck::Ignored, ""},
        {"%s{l4n}", "", EditCheck::Rejected, "(VkCommon) Empty value is not allowed!"},
        {"%u{n5l9n}", "", EditCheck::Rejected, "(VkCommon) Empty value is not allowed!"},
        {"%s", "a very long text indeed", EditCheck::Accepted, ""},
        {"%s{l4}", "abcd", EditCheck::Accepted, ""},
        {"%s{l4}", "abcde", EditCheck::Rejected,
         "(VkCommon) Please enter a string whose length is less than 4!"},
        {"%s{l4f}", "abc", EditCheck::Rejected, "(VkCommon) Please enter a string whose length is 4!"},
        {"%s{l4f}", "abcd", EditCheck::Accepted, ""},
        {"%h{l2}", "ABC", EditCheck::Rejected,
         "(VkCommon) Please enter a hex string whose length is less than 2!"},
        {"%h{l12f}", "00112233445", EditCheck::Rejected,
         "(VkCommon) Please enter a hex string whose length is 12!"},
        {"%h{l12f}", "001122334455", EditCheck::Accepted, ""},
        {"%n.{x255}", "1.2.255", EditCheck::Accepted, ""},
        {"%n.{x255}", "1.2.300", EditCheck::Rejected,
         std::string(kNumbers) + "Here,each number is between 0 and 255!"},
        {"%n.{n1x255}", "1.2.", EditCheck::Rejected,  // the empty last number is 0
         std::string(kNumbers) + "Here,each number is between 1 and 255!"},
        {"%n.{l4f}", "1.2.3", EditCheck::Rejected,
         std::string(kNumbers) + "Here,the count of the number is equal to 4!"},
        {"%n.{l4f}", "1.2.3.4", EditCheck::Accepted, ""},
        {"%n.{l2}", "1.2.3", EditCheck::Rejected,
         std::string(kNumbers) + "Here,the count of the number is less than 2!"},
        {"%n.{l2}", "1.2", EditCheck::Accepted, ""},
        // Limits outside the unsigned range are cut to it.
        {"%n.{n-5}", "0.1", EditCheck::Accepted, ""},
        {"%n.{n-5x1}", "0.2", EditCheck::Rejected,
         std::string(kNumbers) + "Here,each number is between 0 and 1!"},
        // Numbers beyond 32 bits wrap around, as the list reads them.
        {"%n.{x5}", "4294967297", EditCheck::Accepted, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.constraint) + " \"" + c.text + "\"");
        EditConstraintRule rule = ParseEditConstraint(c.constraint);
        EditCheck check = CheckEditValue(rule, c.text);
        EXPECT_EQ(check.outcome, c.outcome);
        if (c.outcome == EditCheck::Rejected) {
            EXPECT_EQ(RejectionText(rule, check.message), c.message);
        }
    }
}

}  // namespace
