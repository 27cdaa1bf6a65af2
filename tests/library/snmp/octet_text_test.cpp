#include "library/snmp/octet_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct HexCase {
    const char* text;
    std::string octets;
};

const HexCase kToOctets[] = {
    {"", ""},
    {"0AFF", std::string("\x0a\xff", 2)},
    {"a ff", std::string("\x0a\xff", 2)},
    {" 0 a f f ", std::string("\x0a\xff", 2)},
    {"ABC", std::string("\x0a\xbc", 2)},
    {"ZZ", std::string("\x00", 1)},
    {"G1", std::string("\x01", 1)},
    {"001a2B3c4D5e", std::string("\x00\x1a\x2b\x3c\x4d\x5e", 6)},
    {"F", std::string("\x0f", 1)},
};

}  // namespace

TEST(OctetText, HexTextToOctets) {
    for (const HexCase& c : kToOctets) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HexToOctets(c.text), c.octets);
    }
}

TEST(OctetText, OctetsToUpperCaseHexWithoutSeparators) {
    EXPECT_EQ(OctetsToHex(""), "");
    EXPECT_EQ(OctetsToHex(std::string("\x0a\xff", 2)), "0AFF");
    EXPECT_EQ(OctetsToHex(std::string("\x00\x1a\x2b\x3c\x4d\x5e", 6)), "001A2B3C4D5E");
    std::string every;
    for (int i = 0; i < 256; ++i) every += static_cast<char>(i);
    EXPECT_EQ(HexToOctets(OctetsToHex(every)), every);
}
