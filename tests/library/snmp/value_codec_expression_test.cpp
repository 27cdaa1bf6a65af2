// The expression hooks (SubstituteValues, ApplyExpression, EvaluateCondition)
// and the column-end test of a walk.

#include "library/snmp/value_codec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/os/exception.h"

namespace {

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

const VkOptionEntry kStatusRows[] = {{0, "Disable"}, {1, "Enable"}, {}};
const VkOptionList OptStatus(kStatusRows, OPT_INT, false);

const VkSNMPVarEntry VarsValues[] = {
    {"1.3.6.1.9.0", "count", integer, readwrite},
    {"1.3.6.1.9.1", "flag", boolean, readwrite},
    {"1.3.6.1.9.2", "name", displaystr, readwrite},
    {"1.3.6.1.9.3", "uptime", timeticks, readonly},
    {"1.3.6.1.9.4", "status", integer, readwrite, &OptStatus},
    {"1.3.6.1.9.5", "stamp", bcdatetime, readwrite},
    {"1.3.6.1.9.6", "tricky", displaystr, readwrite},
    {"1.3.6.1.9.7", "missing", integer, readwrite},
    {"1.3.6.1.9.8", "octets", octetstr, readwrite},
    {"1.3.6.1.9.9", "big", counter64, readwrite},
    {},
};

struct Values : VkSNMPValueCodec {
    Values() {
        vars = VkSNMPVarList(VarsValues, SVT_SV, 0);
        const char* const values[] = {"5",          "true", "ab", "0:01:00.00",
                                      "Enable",     "1899/12/31 12:00:00 am",
                                      "$0 and $1",  "(NULL)", "0AFF", "18446744073709551615"};
        for (int i = 0; i < vars.Count(); ++i) vars.Item(i)->value = values[i];
    }
};

int RaisedCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const os::Exception& e) {
        return e.HelpContext();
    }
    return 0;
}

}  // namespace

TEST(ValueCodecExpressions, SubstituteValuesPutsInItemValuesBySyntax) {
    struct Case {
        const char* expression;
        bool quote;
        const char* marker;
        const char* result;
    };
    const Case cases[] = {
        {"$0+$3", false, "$", "5+6000"},
        {"$1*$4", false, "$", "1*1"},
        {"$5", false, "$", "1"},
        {"$9", false, "$", "18446744073709551615"},
        {"$2 = x", true, "$", "\"ab\" = x"},
        {"$8", true, "$", "\"0AFF\""},
        {"$6", true, "$", "\"$0 and $1\""},  // a value holding the marker is not rescanned
        {"$", false, "$", "5"},              // no digits: item 0
        {"$00$01", false, "$", "51"},
        {"#0-$0", false, "#", "5-$0"},
        {"$0", false, "", "$0"},
        {"no marker", false, "$", "no marker"},
        {"", true, "$", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        Values values;
        EXPECT_EQ(values.SubstituteValues(c.expression, c.quote, c.marker), c.result);
    }
}

TEST(ValueCodecExpressions, SubstituteValuesRaisesForNullsStringsAndItemsOutside) {
    Values values;
    EXPECT_EQ(RaisedCode([&] { values.SubstituteValues("$7", true, "$"); }), -512);
    EXPECT_EQ(RaisedCode([&] { values.SubstituteValues("$2", false, "$"); }), -513);
    EXPECT_EQ(RaisedCode([&] { values.SubstituteValues("$8", false, "$"); }), -513);
    EXPECT_THROW(values.SubstituteValues("$10", true, "$"), os::ListIndexError);
    EXPECT_THROW(values.SubstituteValues("$99999999999999999999", true, "$"), os::ListIndexError);
}

TEST(ValueCodecExpressions, ApplyExpressionStoresTheResultBySyntax) {
    struct Case {
        int syntax;
        const VkOptionList* options;
        const char* expression;
        const char* value;
    };
    const Case cases[] = {
        {integer, nullptr, "7.9", "7"},
        {integer, nullptr, "$1*2", "6"},  // item 1 holds 3 below
        {integer, nullptr, "0-7.9", "-7"},
        {integer, nullptr, "1e12", "2147483647"},
        {boolean, nullptr, "0", "false"},
        {boolean, nullptr, "0.5", "true"},
        {counter, nullptr, "0-3", "0"},
        {guage, nullptr, "3000000000.7", "3000000000"},
        {uinteger, nullptr, "1e12", "4294967295"},
        {timeticks, nullptr, "6000", "0:01:00.00"},
        {counter64, nullptr, "1e19", "10000000000000000000"},
        {double_, nullptr, "5/2", "2.5"},
        {bcdatetime, nullptr, "0.5", "1899/12/30 12:00:00 pm"},
        {integer, &OptStatus, "2-1", "Enable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        const VkSNMPVarEntry rows[] = {
            {"1.3.6.1.9.0", "target", c.syntax, readwrite, c.options, c.expression, nullptr},
            {"1.3.6.1.9.1", "other", integer, readwrite},
            {},
        };
        VkSNMPValueCodec codec;
        codec.vars = VkSNMPVarList(rows, SVT_SV, 0);
        codec.vars.Item(0)->value = "before";
        codec.vars.Item(1)->value = "3";
        codec.ApplyExpression(0, false);  // no write expression: unchanged
        EXPECT_EQ(codec.vars.Item(0)->value, "before");
        codec.ApplyExpression(0, true);
        EXPECT_EQ(codec.vars.Item(0)->value, c.value);
    }
}

TEST(ValueCodecExpressions, ApplyExpressionUsesTheWriteExpressionBeforeAWrite) {
    const VkSNMPVarEntry rows[] = {
        {"1.3.6.1.9.0", "scaled", integer, readwrite, nullptr, "$0*10", "$0/10"}, {}};
    VkSNMPValueCodec codec;
    codec.vars = VkSNMPVarList(rows, SVT_SV, 0);
    codec.vars.Item(0)->value = "42";
    codec.ApplyExpression(0, false);
    EXPECT_EQ(codec.vars.Item(0)->value, "4");
    codec.ApplyExpression(0, true);
    EXPECT_EQ(codec.vars.Item(0)->value, "40");
}

TEST(ValueCodecExpressions, ApplyExpressionRaisesForSyntaxesWithoutANumber) {
    const int syntaxes[] = {displaystr, octetstr, ipaddress, macaddress, objectid, 99};
    for (int syntax : syntaxes) {
        const VkSNMPVarEntry rows[] = {{"1.3.6.1.9.0", "x", syntax, readwrite, nullptr, "1"}, {}};
        VkSNMPValueCodec codec;
        codec.vars = VkSNMPVarList(rows, SVT_SV, 0);
        EXPECT_EQ(RaisedCode([&] { codec.ApplyExpression(0, true); }), -513) << syntax;
    }
}

TEST(ValueCodecExpressions, ConditionsSeeItemValues) {
    struct Case {
        const char* condition;
        bool result;
    };
    const Case cases[] = {
        {"", true},
        {"$0=5", true},
        {"$0=6", false},
        {"$2=\"ab\"", true},
        {"$2=ab", true},
        {"($0=5)&($4=1)", true},
        {"($0=5)&($2=x)", false},
        {"($0=6)|($1=1)", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.condition);
        Values values;
        EXPECT_EQ(values.EvaluateCondition(c.condition), c.result);
        EXPECT_EQ(values.MatchesCondition(c.condition), c.result);
    }
    Values values;
    EXPECT_EQ(RaisedCode([&] { values.EvaluateCondition("$7=1"); }), -512);
}

TEST(ValueCodecColumnEnd, OnlyTableWalksEndTheirColumns) {
    struct Case {
        VkSNMPVarListKind kind;
        const char* last;
        const char* received;
        bool ended;
    };
    const char* const base = "1.3.6.1.9.1.2";
    const Case cases[] = {
        {MVT_FMV, "", "1.3.6.1.9.1.2.1", false},
        {MVT_FMV, "1.3.6.1.9.1.2.1", "1.3.6.1.9.1.2.2", false},
        {MVT_UMV, "1.3.6.1.9.1.2.1", "1.3.6.1.9.1.2.7.3", false},
        {MVT_FMV, "1.3.6.1.9.1.2.2", "1.3.6.1.9.1.2.2", true},  // an agent repeating the request
        {MVT_FMV, "1.3.6.1.9.1.2.2", "1.3.6.1.9.1.3.1", true},  // the next column
        {MVT_FMV, "", "1.3.6.1.9.1.21.1", true},                 // a column sharing the digits
        {MVT_UMV, "", "1.3.6.1.9.1.2", true},                    // the column itself
        {MVT_FMV, "", "", true},
        {SVT_SV, "1.3.6.1.9.1.2.2", "1.3.6.1.9.1.2.2", false},
        {MVT_SV, "", "1.3.6.1.9.1.3.1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.received);
        VkSNMPValueCodec codec;
        codec.vars.kind = c.kind;
        EXPECT_EQ(codec.IsColumnEnd(base, c.last, c.received), c.ended);
    }
}

// A subclass overrides an operation in place; the other operations keep
// calling it through the same slot.
TEST(ValueCodecColumnEnd, SubclassesOverrideOperationsInPlace) {
    struct Upper : VkSNMPValueCodec {
        void VbToValue(int item, const VkSNMPVarBind& binding) override {
            VkSNMPValueCodec::VbToValue(item, binding);
            vars.Item(item)->value += "!";
        }
        bool EvaluateCondition(const std::string&) override { return false; }
    };
    Upper upper;
    upper.vars = VkSNMPVarList(VarsValues, SVT_SV, 0);
    VkSNMPValueCodec& codec = upper;
    VkSNMPVarBind binding;
    binding.SetInteger(3);
    codec.VbToValue(0, binding);
    EXPECT_EQ(upper.vars.Item(0)->value, "3!");
    EXPECT_FALSE(codec.MatchesCondition(""));
}
