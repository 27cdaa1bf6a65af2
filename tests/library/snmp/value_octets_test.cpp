#include "library/snmp/value_octets.h"

#include <gtest/gtest.h>

#include "tests/support/raised_code.h"

#include <cfloat>
#include <functional>
#include <string>
#include <vector>

#include "library/snmp/number_text.h"
#include "library/snmp/var_entry.h"
#include "platform/os/exception.h"

namespace {

using namespace VkSNMPSyntax;

// Octets written as hex text, for readable tables.
std::string Hex(const std::string& octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (char c : octets) {
        if (!text.empty()) text += ' ';
        text += kDigits[static_cast<unsigned char>(c) >> 4];
        text += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return text;
}

using support::RaisedCode;

struct RoundTrip {
    int syntax;
    const char* text;
    const char* octets;  // as Hex() writes them
    const char* back;    // OctetsToText of those octets
};

// Each syntax: text -> octets -> text.
const RoundTrip kRoundTrips[] = {
    {boolean, "true", "01 00 00 00", "true"},
    {boolean, "True", "00 00 00 00", "false"},
    {integer, "-2", "FE FF FF FF", "-2"},
    {integer, "  +17abc", "11 00 00 00", "17"},
    {integer, "x", "00 00 00 00", "0"},
    {integer, "2147483648", "FF FF FF 7F", "2147483647"},
    {bitstr, "80 40", "80 40", "8040"},
    {octetstr, "001a2B", "00 1A 2B", "001A2B"},
    {opaque, "ABC", "0A BC", "0ABC"},
    {null, "anything", "", "(NULL)"},
    {objectid, "1.3.6.1", "01 00 00 00 03 00 00 00 06 00 00 00 01 00 00 00", "1.3.6.1"},
    {objectid, ".1.4294967295", "01 00 00 00 FF FF FF FF", "1.4294967295"},
    {ipaddress, "192.168.0.1", "C0 A8 00 01", "192.168.0.1"},
    {nsapaddr, "10.0.0.7", "0A 00 00 07", "10.0.0.7"},
    {ipaddress, "1.2.3.260.9", "01 02 03 04 09", "1.2.3.4"},
    {counter, "4294967295", "FF FF FF FF", "4294967295"},
    {guage, "7", "07 00 00 00", "7"},
    {uinteger, "3000000000", "00 5E D0 B2", "3000000000"},
    {timeticks, "1 day 1:01:01.01", "15 6C 89 00", "1 day 1:01:01.01"},
    {counter64, "4294967296", "00 00 00 00 01 00 00 00", "4294967296"},
    {counter64, "18446744073709551615", "FF FF FF FF FF FF FF FF", "18446744073709551615"},
    {double_, "1.5", "00 00 00 00 00 00 F8 3F", "1.5"},
    {octetstr, "00:1A", "00 00 1A", "00001A"},  // not a hex digit counts as 0
    {macaddress, "001A2B3C4D5E", "00 1A 2B 3C 4D 5E", "001A2B3C4D5E"},
    {datetime, "2004-5-26,13:30:15.0,+8:0", "07 D4 05 1A 0D 1E 0F 00 2B 08 00",
     "2004-5-26,13:30:15.0,+8:0"},
    {bcdatetime, "2004/05/26 01:30:15 pm", "C1 16 6C 01 B2 9E E2 40", "2004/05/26 01:30:15 pm"},
    {displaystr, "Lobby AP", "4C 6F 62 62 79 20 41 50", "Lobby AP"},
    {bool8, "true", "01", "true"},
    {bool8, "yes", "00", "false"},
    {int8, "-1", "FF", "-1"},
    {uint8, "255", "FF", "255"},
    {uint8, "300", "2C", "44"},
    {bool16, "true", "00 01", "true"},
    {int16, "-2", "FF FE", "-2"},
    {uint16, "65534", "FF FE", "65534"},
};

TEST(ValueOctets, EverySyntaxTurnsTextIntoOctetsAndBack) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(std::to_string(c.syntax) + " \"" + c.text + "\"");
        std::string octets = TextToOctets(c.text, c.syntax);
        EXPECT_EQ(Hex(octets), c.octets);
        EXPECT_EQ(OctetsToText(octets, c.syntax), c.back);
    }
}

// A received double shown as text and written back sends the same octets,
// the largest magnitudes included.
TEST(ValueOctets, AShownDoubleWritesBackTheSameOctets) {
    for (double value : {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1.0 / 3, 0.1 + 0.2, 2.5}) {
        std::string received = DoubleToOctets(value);
        std::string shown = OctetsToText(received, double_);
        EXPECT_EQ(Hex(TextToOctets(shown, double_)), Hex(received)) << shown;
    }
}

TEST(ValueOctets, SameOctetsReadByAnotherSyntax) {
    std::string minus2 = TextToOctets("-2", integer);
    EXPECT_EQ(OctetsToText(minus2, uinteger), "4294967294");
    EXPECT_EQ(OctetsToText(TextToOctets("65534", uint16), int16), "-2");
    EXPECT_EQ(OctetsToText(std::string("\x80\x01\x02\x03\x04", 5), int8), "-128");
    EXPECT_EQ(OctetsToText(std::string("ab\0cd", 5), displaystr), "ab");
}

TEST(ValueOctets, NullTextAndNoOctets) {
    const int all[] = {boolean,    integer,   bitstr,    octetstr, null,     objectid, ipaddress,
                       counter,    guage,     timeticks, opaque,   nsapaddr, counter64, uinteger,
                       double_,    macaddress, datetime, bcdatetime, displaystr, bool8, int8,
                       uint8,      bool16,    int16,     uint16};
    for (int syntax : all) {
        SCOPED_TRACE(syntax);
        EXPECT_EQ(TextToOctets("(NULL)", syntax), "");
        EXPECT_EQ(OctetsToText("", syntax), syntax == displaystr ? "" : "(NULL)");
        EXPECT_EQ(ExtractPart("", 3, syntax), "");
    }
}

TEST(ValueOctets, FewerOctetsThanTheMinimumRaiseMinus518) {
    struct Case {
        int syntax;
        size_t tooFew;  // 0: no minimum
    } cases[] = {
        {boolean, 3},   {integer, 3},  {ipaddress, 3}, {nsapaddr, 3}, {counter, 3},
        {guage, 3},     {uinteger, 3}, {timeticks, 3}, {counter64, 7}, {double_, 7},
        {macaddress, 5}, {datetime, 10}, {bcdatetime, 7}, {bool16, 1}, {int16, 1},
        {uint16, 1},    {octetstr, 0}, {bitstr, 0},    {opaque, 0},   {objectid, 0},
        {displaystr, 0}, {bool8, 0},   {int8, 0},      {uint8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.syntax);
        if (c.tooFew > 0) {
            EXPECT_EQ(RaisedCode([&] { OctetsToText(std::string(c.tooFew, '\1'), c.syntax); }), -518);
            EXPECT_EQ(RaisedCode([&] { OctetsToText(std::string(c.tooFew + 1, '\1'), c.syntax); }), 0);
        } else {
            EXPECT_EQ(RaisedCode([&] { OctetsToText(std::string(1, '\1'), c.syntax); }), 0);
        }
    }
}

TEST(ValueOctets, UnknownSyntaxRaisesMinus511) {
    for (int syntax : {0, 7, 63, 77, 192, 199, -1}) {
        SCOPED_TRACE(syntax);
        EXPECT_EQ(RaisedCode([&] { TextToOctets("1", syntax); }), -511);
        EXPECT_EQ(RaisedCode([&] { OctetsToText("\1\2\3\4", syntax); }), -511);
        EXPECT_EQ(RaisedCode([&] { ExtractPart("\1\2\3\4", 0, syntax); }), -511);
    }
}

TEST(ValueOctets, AnUnreadableDateAndTimeRaisesTheConversionError) {
    EXPECT_THROW(TextToOctets("", bcdatetime), os::ConvertError);
    EXPECT_THROW(TextToOctets("yesterday", bcdatetime), os::ConvertError);
}

TEST(ValueOctets, ExtractPartTakesThePartSizeOrTheRest) {
    const std::string value("\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B", 12);
    struct Case {
        int offset;
        int syntax;
        const char* part;  // or the error code in `code`
        int code;
    } cases[] = {
        {2, uint16, "12 13", 0},
        {0, integer, "10 11 12 13", 0},
        {8, integer, "18 19 1A 1B", 0},
        {9, integer, "", -519},
        {11, uint8, "1B", 0},
        {12, uint8, "", -519},
        {4, counter64, "14 15 16 17 18 19 1A 1B", 0},
        {5, counter64, "", -519},
        {1, datetime, "11 12 13 14 15 16 17 18 19 1A 1B", 0},
        {6, macaddress, "16 17 18 19 1A 1B", 0},
        {10, octetstr, "1A 1B", 0},
        {12, displaystr, "", 0},
        {13, octetstr, "", -519},
        {-1, octetstr, "", -519},
        {4, objectid, "14 15 16 17 18 19 1A 1B", 0},
        {3, null, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.offset) + " as " + std::to_string(c.syntax));
        std::string part;
        EXPECT_EQ(RaisedCode([&] { part = ExtractPart(value, c.offset, c.syntax); }), c.code);
        if (c.code == 0) {
            EXPECT_EQ(Hex(part), c.part);
        }
    }
    std::string four("\1\2\3\4", 4);
    EXPECT_EQ(Hex(ExtractPart(four, 2, uint16)), "03 04");
    EXPECT_EQ(RaisedCode([&] { ExtractPart(four, 2, integer); }), -519);
}

TEST(ValueOctets, PutPartLengthensAndKeepsTheOctetsAfterThePart) {
    struct Case {
        std::string value;
        int offset;
        std::string part;
        const char* result;
    } cases[] = {
        {"", 0, "\x01\x02", "01 02"},
        {"", 2, "\x01", "00 00 01"},
        {std::string("\xAA\xBB\xCC\xDD", 4), 1, "\x01", "AA 01 CC DD"},
        {std::string("\xAA\xBB", 2), 1, "\x01\x02\x03", "AA 01 02 03"},
    };
    for (Case& c : cases) {
        PutPart(c.value, c.offset, c.part);
        EXPECT_EQ(Hex(c.value), c.result);
    }
}

TEST(ValueOctets, BitZeroIsTheMostSignificantBitOfOctetZero) {
    EXPECT_EQ(Hex(OctetsOfBits({0, 9}, {true, true})), "80 40");
    EXPECT_EQ(Hex(OctetsOfBits({0, 9}, {false, true})), "00 40");
    EXPECT_EQ(Hex(OctetsOfBits({7, 15, 16}, {true, false, true})), "01 00 80");
    EXPECT_EQ(BitsOfOctets("\x80", {0, 1, 7}), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(BitsOfOctets(std::string("\x01\x40", 2), {7, 9, 8}),
              (std::vector<bool>{true, true, false}));
    EXPECT_EQ(RaisedCode([] { BitsOfOctets("\x80", {0, 9}); }), -519);
    EXPECT_EQ(RaisedCode([] { BitsOfOctets("", {0}); }), -519);
    EXPECT_EQ(RaisedCode([] { BitsOfOctets("\xFF", {-1}); }), -519);
}

// The round trip of a collected part through its value: the part goes in at
// its offset, the bits not named by a box are 0 in the covered octets.
TEST(ValueOctets, CollectedBitsGoBackIntoTheValue) {
    std::string value("\xFF\xFF\xFF", 3);
    PutPart(value, 1, OctetsOfBits({0, 3}, {false, true}));
    EXPECT_EQ(Hex(value), "FF 10 FF");
    EXPECT_EQ(BitsOfOctets(ExtractPart(value, 1, uint8), {0, 3}), (std::vector<bool>{false, true}));
}

}  // namespace
