#include "library/snmp/multi_edit_layout.h"

#include <gtest/gtest.h>

#include "tests/support/raised_code.h"

#include <functional>
#include <string>
#include <vector>

#include "library/snmp/value_octets.h"
#include "library/snmp/var_entry.h"
#include "platform/os/exception.h"

namespace {

using namespace VkSNMPSyntax;
using Texts = std::vector<std::string>;

using support::RaisedCode;

// Shows the value text in edits that held `before`, as the binding does:
// with the octets of the text.
Texts Shown(int syntax, const std::string& text, Texts before) {
    ShowOverEdits(syntax, text, TextToOctets(text, syntax), before);
    return before;
}

struct ShowCase {
    int syntax;
    const char* text;
    Texts before;
    Texts after;
};

const ShowCase kShowCases[] = {
    {ipaddress, "192.168.0.1", {"", "", "", ""}, {"192", "168", "0", "1"}},
    {nsapaddr, "10.0.0.7", {"", "", "", "", "x"}, {"10", "0", "0", "7", "x"}},
    {ipaddress, "(NULL)", {"a", "b", "c", "d"}, {"a", "b", "c", "d"}},
    {macaddress, "001A2B3C4D5E", {"", "", "", "", "", ""}, {"00", "1A", "2B", "3C", "4D", "5E"}},
    {macaddress, "(NULL)", {"1", "2", "3", "4", "5", "6"}, {"1", "2", "3", "4", "5", "6"}},
    {octetstr, "0aff", {"", "", "x"}, {"0A", "FF", "x"}},
    {bitstr, "(NULL)", {"x"}, {"x"}},
    {objectid, "1.3.4294967295", {"", "", "", "y"}, {"1", "3", "4294967295", "y"}},
    {timeticks, "1 day 1:01:01.01", {"", "", "", "", ""}, {"1", "1", "1", "1", "1"}},
    {timeticks, "0:00:00.00", {"", "", "", "", ""}, {"0", "0", "0", "0", "0"}},
    {timeticks, "(NULL)", {"a", "b", "c", "d", "e"}, {"a", "b", "c", "d", "e"}},
    {datetime, "2004-5-26,13:30:15.7,-8:30", Texts(10, ""),
     {"2004", "5", "26", "13", "30", "15", "7", "-", "8", "30"}},
    {datetime, "2004-5-26,13:30:15.0", Texts(10, ""),
     {"2004", "5", "26", "13", "30", "15", "0", "+", "0", "0"}},
    {datetime, "(NULL)", Texts(10, "k"), Texts(10, "k")},
    {bcdatetime, "2004/05/26 01:30:15 pm", Texts(7, ""), {"2004", "5", "26", "13", "30", "15", "0"}},
    {bcdatetime, "1899/12/29 06:00:00 am", Texts(7, ""), {"1899", "12", "29", "6", "0", "0", "0"}},
    {bcdatetime, "(NULL)", Texts(7, "k"), Texts(7, "k")},
    {integer, "42", {"", "keep"}, {"42", "keep"}},
    {displaystr, "Lobby", {"", "keep"}, {"Lobby", "keep"}},
    {integer, "(NULL)", {"", "keep"}, {"(NULL)", "keep"}},
};

TEST(MultiEditLayout, ShowingSpreadsTheValueOverTheEdits) {
    for (const ShowCase& c : kShowCases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " \"" + c.text + "\"");
        EXPECT_EQ(Shown(c.syntax, c.text, c.before), c.after);
    }
}

struct CollectCase {
    int syntax;
    Texts edits;
    const char* text;
};

const CollectCase kCollectCases[] = {
    {ipaddress, {"10", "", "a", "7"}, "10.0.0.7"},
    {ipaddress, {" 1", "2x", "3", "4", "ignored"}, "1.2.3.4"},
    {macaddress, {"0", "A", "", "1b", "FF", "10"}, "000A00" "1bFF10"},
    {octetstr, {"A", "", "BC"}, "0A00BC"},
    {objectid, {"1", "3", "x", "4294967295"}, "1.3.0.4294967295"},
    {timeticks, {"1", "1", "1", "1", "1"}, "1 day 1:01:01.01"},
    {timeticks, {"", "", "1", "", ""}, "0:01:00.00"},
    {timeticks, {"100000", "0", "0", "0", "0"}, "497 days, 2:27:52.95"},  // held at 32 bits
    {datetime, {"2004", "5", "26", "13", "30", "15", "7", "-", "8", "30"}, "2004-5-26,13:30:15.7,-8:30"},
    {datetime, {"2004", "5", "26", "13", "30", "15", "0", "", "0", "0"}, "2004-5-26,13:30:15.0"},
    {bcdatetime, {"2004", "5", "26", "13", "30", "15", "0"}, "2004/05/26 01:30:15 pm"},
    {integer, {"17", "99"}, "17"},
    {displaystr, {"Lobby", "x"}, "Lobby"},
};

TEST(MultiEditLayout, CollectingBuildsThePartTextFromTheEdits) {
    for (const CollectCase& c : kCollectCases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " \"" + c.text + "\"");
        EXPECT_EQ(CollectFromEdits(c.syntax, c.edits), c.text);
    }
}

// What the edits show comes back as the same value.
TEST(MultiEditLayout, ShownValuesCollectBackUnchanged) {
    struct Case {
        int syntax;
        const char* text;
        size_t edits;
    } cases[] = {
        {ipaddress, "192.168.0.1", 4},   {macaddress, "001A2B3C4D5E", 6},
        {octetstr, "00FF10", 3},         {objectid, "1.3.6.1.4.1.32473", 7},
        {timeticks, "12 days, 3:04:05.06", 5}, {datetime, "2026-12-10,14:45:9.3,+1:0", 10},
        {datetime, "1999-1-1,0:0:0.0,-11:45", 10}, {bcdatetime, "2004/05/26 12:00:00 am", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Texts edits = Shown(c.syntax, c.text, Texts(c.edits, ""));
        EXPECT_EQ(CollectFromEdits(c.syntax, edits), c.text);
    }
}

TEST(MultiEditLayout, TooFewEditsRaiseMinus522) {
    struct Case {
        int syntax;
        const char* text;
        size_t enough;
    } cases[] = {
        {ipaddress, "1.2.3.4", 4}, {nsapaddr, "1.2.3.4", 4},   {timeticks, "5", 5},
        {macaddress, "001A2B3C4D5E", 6}, {datetime, "2004-5-26,13:30:15.0", 10},
        {bcdatetime, "2004/05/26 01:30:15 pm", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.syntax);
        std::string octets = TextToOctets(c.text, c.syntax);
        Texts fewer(c.enough - 1, "");
        EXPECT_EQ(RaisedCode([&] { ShowOverEdits(c.syntax, c.text, octets, fewer); }), -522);
        EXPECT_EQ(RaisedCode([&] { CollectFromEdits(c.syntax, fewer); }), -522);
        Texts enough(c.enough, "");
        EXPECT_EQ(RaisedCode([&] { ShowOverEdits(c.syntax, c.text, octets, enough); }), 0);
        EXPECT_EQ(RaisedCode([&] { CollectFromEdits(c.syntax, enough); }), 0);
    }
    // Octet strings and OIDs need one edit per octet or sub-identifier.
    Texts two(2, "");
    EXPECT_EQ(RaisedCode([&] { ShowOverEdits(octetstr, "010203", TextToOctets("010203", octetstr), two); }),
              -522);
    EXPECT_EQ(RaisedCode([&] { ShowOverEdits(objectid, "1.3.6", TextToOctets("1.3.6", objectid), two); }),
              -522);
    EXPECT_EQ(CollectFromEdits(objectid, two), "0.0");
}

}  // namespace
