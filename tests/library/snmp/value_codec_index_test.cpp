// Index column values to OID sub-identifiers (EncodeIndex) and back
// (DecodeIndex), syntax by syntax.

#include "library/snmp/value_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/os/exception.h"

namespace {

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

const VkOptionEntry kStatusRows[] = {{0, "Disable"}, {1, "Enable"}, {}};
const VkOptionList OptStatus(kStatusRows, OPT_INT, false);

// Two index columns and one data column.
const VkSNMPVarEntry VarsTable[] = {
    {" ", "firstIndex", integer, notaccess},
    {"1.3.6.1.9.1.2", "secondIndex", integer, notaccess},
    {"1.3.6.1.9.1.3", "data", integer, readwrite},
    {},
};

// A codec over a two-key table whose index item `item` gets the syntax,
// access and option list of a case.
struct IndexTable {
    IndexTable(int item, int syntax, bool implied, const VkOptionList* options = nullptr)
        : item(item) {
        codec.vars = VkSNMPVarList(VarsTable, MVT_FMV, 2);
        VkSNMPVarItem& entry = *codec.vars.Item(item);
        entry.syntax = syntax;
        entry.access = implied ? (notaccess | VkSNMPAccess::implied) : notaccess;
        entry.options = options;
    }
    std::string Encode(const std::string& value) {
        codec.vars.Item(item)->value = value;
        return codec.EncodeIndex(item);
    }
    // The item's value and the rest of the suffix, as "value | rest".
    std::string Decode(const std::string& suffix) {
        std::string rest = codec.DecodeIndex(item, suffix);
        return codec.vars.Item(item)->value + " | " + rest;
    }
    int item;
    VkSNMPValueCodec codec;
};

struct EncodeCase {
    int syntax;
    bool lastImplied;
    const char* value;
    const char* index;
};

const EncodeCase kEncodeCases[] = {
    {boolean, false, "true", "1"},
    {boolean, false, "True", "0"},
    {integer, false, "42", "42"},
    {integer, false, "-1", "4294967295"},
    {counter, false, "3000000000", "3000000000"},
    {guage, false, "7", "7"},
    {uinteger, false, "", "0"},
    {octetstr, false, "0AFF", "2.10.255"},
    {octetstr, true, "0AFF", "10.255"},
    {octetstr, false, "", "0"},
    {bitstr, false, "ABC", "2.10.188"},
    {opaque, true, "01", "1"},
    {null, false, "anything", ""},
    {objectid, false, "1.3.6", "3.1.3.6"},
    {objectid, true, "1.3.6", "1.3.6"},
    {ipaddress, false, "192.168.0.1", "192.168.0.1"},
    {nsapaddr, false, "10.0.0.2", "10.0.0.2"},
    {ipaddress, false, "", ""},
    {timeticks, false, "0:01:00.00", "6000"},
    {counter64, false, "4294967297", "1.1"},
    {double_, false, "1", "0.1072693248"},
    {macaddress, false, "001A2B3C4D11", "0.26.43.60.77.17"},
    {macaddress, true, "001A2B3C4D1122", "0.26.43.60.77.17"},
    {macaddress, false, "0011", ""},
    {datetime, false, "2004-5-26,13:30:15.0,+8:0", "7.212.5.26.13.30.15.0.43.8.0"},
    {bcdatetime, false, "1899/12/30 12:00:00 pm", "0.1071644672"},
    {displaystr, false, "ab", "2.97.98"},
    {displaystr, true, "ab", "97.98"},
    {displaystr, false, "", "0"},
};

struct DecodeCase {
    int syntax;
    bool lastImplied;
    const char* suffix;
    const char* valueAndRest;
};

const DecodeCase kDecodeCases[] = {
    {boolean, false, "5.7", "true | 7"},
    {boolean, false, "0", "false | "},
    {integer, false, "4294967295.1.2", "-1 | 1.2"},
    {integer, false, "", "(NULL) | "},
    {integer, false, "x.y", "(NULL) | "},
    {counter, false, "4294967295", "4294967295 | "},
    {uinteger, false, "3000000000.9", "3000000000 | 9"},
    {octetstr, false, "2.10.255.9", "0AFF | 9"},
    {octetstr, true, "10.255.9", "0AFF09 | "},
    {octetstr, false, "2.266.1", "0A01 | "},  // an octet is the low 8 bits
    {octetstr, false, "0.5", " | 5"},
    {octetstr, false, "3.1.2", " | "},       // shorter than its length prefix
    {octetstr, false, "4294967295.1", " | "},
    {null, false, "1.2", "(NULL) | 1.2"},
    {objectid, false, "3.1.3.6.9", "1.3.6 | 9"},
    {objectid, true, "3.1.3.6.9", "3.1.3.6.9 | "},
    {objectid, false, "4.1", "(NULL) | "},
    {ipaddress, false, "192.168.0.1.5", "192.168.0.1 | 5"},
    {nsapaddr, false, "1.2.3", "(NULL) | "},
    {timeticks, false, "6000", "0:01:00.00 | "},
    {counter64, false, "1.1.7", "4294967297 | 7"},
    {counter64, false, "1", "(NULL) | "},
    {double_, false, "0.1072693248", "1 | "},
    {macaddress, false, "0.26.43.60.77.17.3", "001A2B3C4D11 | 3"},
    {macaddress, false, "1.2", " | "},
    {datetime, false, "7.212.5.26.13.30.15.0.43.8.0", "2004-5-26,13:30:15.0,+8:0 | "},
    {datetime, false, "7.212.5", "(NULL) | "},
    {bcdatetime, false, "0.1071644672", "1899/12/30 12:00:00 pm | "},
    {displaystr, false, "2.97.98.1", "ab | 1"},
    {displaystr, true, "97.98", "ab | "},
    {displaystr, false, "5.97", " | "},
};

int RaisedCode(IndexTable& table, bool encoding) {
    try {
        if (encoding)
            table.Encode("1.x");
        else
            table.Decode("1.2");
    } catch (const os::Exception& e) {
        return e.HelpContext();
    }
    return 0;
}

}  // namespace

TEST(ValueCodecIndex, ValuesEncodeAsSubIdentifiers) {
    for (const EncodeCase& c : kEncodeCases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " " + c.value);
        IndexTable table(1, c.syntax, c.lastImplied);
        EXPECT_EQ(table.Encode(c.value), c.index);
    }
}

TEST(ValueCodecIndex, SuffixesDecodeIntoValueAndRest) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " " + c.suffix);
        IndexTable table(1, c.syntax, c.lastImplied);
        EXPECT_EQ(table.Decode(c.suffix), c.valueAndRest);
    }
}

// A canonical value text survives encoding and decoding, and decoding stops
// where the value ends.
TEST(ValueCodecIndex, EncodedValuesDecodeBackFollowedByTheRest) {
    struct Case {
        int syntax;
        const char* value;
    };
    const Case cases[] = {
        {integer, "-7"},          {counter, "4294967295"},     {octetstr, "00FF10"},
        {objectid, "1.3.6.1"},    {ipaddress, "172.16.0.9"},   {timeticks, "1 day 0:00:00.01"},
        {counter64, "12345678901234"}, {double_, "-2.75"},     {macaddress, "001A2B3C4D11"},
        {datetime, "2026-12-10,14:16:19.0,-5:30"},             {bcdatetime, "2026/12/10 02:16:19 pm"},
        {displaystr, "ssid one"}, {boolean, "true"},
    };
    for (const Case& c : cases) {
        for (bool implied : {false, true}) {
            SCOPED_TRACE(std::to_string(c.syntax) + " " + c.value + (implied ? " implied" : ""));
            IndexTable table(1, c.syntax, implied);
            std::string index = table.Encode(c.value);
            std::string rest = implied ? "" : "77";
            EXPECT_EQ(table.Decode(implied ? index : index + ".77"), c.value + (" | " + rest));
        }
    }
}

// Only the last index column with the implied bit goes without a length prefix.
TEST(ValueCodecIndex, ImpliedCountsOnlyForTheLastIndexColumn) {
    IndexTable first(0, displaystr, true);
    EXPECT_EQ(first.Encode("ab"), "2.97.98");
    EXPECT_EQ(first.Decode("2.97.98.5"), "ab | 5");
    IndexTable last(1, displaystr, true);
    last.codec.vars.keyCount = 3;
    EXPECT_EQ(last.Encode("ab"), "2.97.98");
}

TEST(ValueCodecIndex, OptionListsMapIndexValues) {
    IndexTable table(0, integer, false, &OptStatus);
    EXPECT_EQ(table.Encode("Enable"), "1");
    EXPECT_EQ(table.Encode("5"), "5");
    EXPECT_EQ(table.Decode("1.4"), "Enable | 4");
    EXPECT_EQ(table.Decode("9"), "9 | ");
}

TEST(ValueCodecIndex, FailuresAreRaisedWithTheirCodes) {
    IndexTable unknown(1, 99, false);
    EXPECT_EQ(RaisedCode(unknown, true), -511);
    EXPECT_EQ(RaisedCode(unknown, false), -511);
    IndexTable part(1, int8, false);
    EXPECT_EQ(RaisedCode(part, true), -511);
    IndexTable oidIndex(1, objectid, false);
    EXPECT_EQ(RaisedCode(oidIndex, true), -417);
    IndexTable date(1, bcdatetime, false);
    EXPECT_THROW(date.Encode("(NULL)"), os::ConvertError);
    IndexTable outside(1, integer, false);
    EXPECT_THROW(outside.codec.EncodeIndex(3), os::ListIndexError);
    EXPECT_THROW(outside.codec.DecodeIndex(-1, "1"), os::ListIndexError);
}
