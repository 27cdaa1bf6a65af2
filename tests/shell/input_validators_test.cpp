#include "shell/input_validators.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

#include "tests/platform/ui/ui_test_support.h"

namespace {

using Case = std::pair<std::string, bool>;

}  // namespace

TEST(HasNoEdgeBlank, RefusesEmptyTextsAndBlanksAtEitherEnd) {
    const Case cases[] = {
        {"a b", true},  {"a", true},     {"a  b c", true}, {"", false},
        {" ", false},   {" a", false},   {"a ", false},    {" a b", false},
        {"a b ", false}, {"\ta", true},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(HasNoEdgeBlank(text), expected) << text;
}

TEST(IsValidHostAddress, FollowsTheOctetRulesAndReadsLeadingZerosInDecimal) {
    const Case cases[] = {
        {"192.168.0.1", true},
        {"192.168.000.001", true},
        {"192.168.010.5", true},
        {"192.168.09.5", true},
        {"10.0.0.0", true},          // a host part of zeros is not refused here
        {"1.0.0.0", true},
        {"223.255.255.254", true},
        {"126.1.1.1", true},
        {"128.0.0.1", true},
        {"192.168.0.255", false},    // part 4 at most 254
        {"224.0.0.1", false},        // multicast
        {"240.0.0.1", false},
        {"127.0.0.1", false},        // loopback
        {"127.1.2.3", false},
        {"0.1.2.3", false},
        {"0.0.0.0", false},
        {"255.255.255.255", false},
        {"1.256.3.4", false},
        {"1.2.256.4", false},
        {"1.2.3", false},
        {"1.2.3.4.5", false},
        {".1.2.3", false},
        {"1.2.3.", false},           // an empty part 4 is no number
        {"1..2.3", false},
        {"1.2.3.4 ", false},
        {" 1.2.3.4", false},
        {"1.2. 3.4", false},
        {"1.2.+3.4", false},         // parts are digits only
        {"1.2.-0.4", false},
        {"0x1.2.3.4", false},
        {"a.b.c.d", false},
        {"1.2.3.4a", false},
        {"192.168.0.99999999999", false},
        {"", false},
        {"1", false},
        {".", false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(IsValidHostAddress(text), expected) << text;
        EXPECT_EQ(IsValidLanAddress(text), expected) << text;
    }
}

TEST(IsValidSubnetMask, TakesContiguousMasksFrom192To255_255_255_254) {
    const Case cases[] = {
        {"255.255.255.0", true},
        {"192.0.0.0", true},
        {"255.255.255.254", true},
        {"255.255.255.252", true},
        {"255.255.0.0", true},
        {"255.255.255.128", true},
        {"255.255.255.000", true},
        {"255.255.255.255", false},  // prefix 32
        {"128.0.0.0", false},        // prefix 1
        {"0.0.0.0", false},
        {"127.0.0.0", false},
        {"255.0.255.0", false},      // a hole
        {"255.255.1.0", false},
        {"255.255.255.1", false},
        {"255.254.255.0", false},
        {"255.255.255.256", false},
        {"255.255.255", false},
        {"255.255.255.0.0", false},
        {"255.255. 255.0", false},
        {".255.255.0", false},
        {"", false},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(IsValidSubnetMask(text), expected) << text;
}

TEST(IsValidHostInSubnet, NeedsNetworkAndHostPartsNeitherZeroNorAllOnes) {
    struct InSubnetCase {
        std::string address;
        std::string mask;
        bool expected;
    };
    const InSubnetCase cases[] = {
        {"192.168.0.1", "255.255.255.0", true},
        {"192.168.0.254", "255.255.255.0", true},
        {"10.1.2.3", "255.0.0.0", true},
        {"192.168.0.0", "255.255.255.0", false},    // host part zero
        {"192.168.0.255", "255.255.255.0", false},  // host part all ones
        {"0.0.0.5", "255.255.255.0", false},        // network part zero
        {"255.255.255.7", "255.255.255.0", false},  // network part all ones
        // Leading zeros are decimal here as in the other checks: 010 is ten.
        {"192.168.010.5", "255.255.255.0", true},
        {"192.168.0.010", "255.255.255.248", true},   // .10: host 2 of .8/29
        {"192.168.0.08", "255.255.255.248", false},   // .8: host part zero
        {"192.168.0.015", "255.255.255.248", false},  // .15: host part all ones
        {"192.168.09.5", "255.255.255.0", true},
        {"192.168.0.1", "255.255.255.0 ", false},   // not a dotted address
        {"192.168.0", "255.255.255.0", false},
        {"192.168.0.1", "", false},
        {"", "255.255.255.0", false},
        {"192.168.0.1", "255.255.255.256", false},
    };
    for (const auto& [address, mask, expected] : cases)
        EXPECT_EQ(IsValidHostInSubnet(address, mask), expected) << address << " / " << mask;
}

TEST(IsValidHostInSubnet, AgreesWithTheAddressCheckOnEveryLeadingZeroSpelling) {
    for (const std::string address : {"192.168.010.5", "010.001.001.001", "192.168.000.077"}) {
        ASSERT_TRUE(IsValidHostAddress(address)) << address;
        EXPECT_TRUE(IsValidHostInSubnet(address, "255.255.255.0")) << address;
    }
}

TEST(IsAsciiText, RefusesAnyByteFrom128On) {
    const Case cases[] = {
        {"", true},
        {"a", true},
        {"plain text ~!\x7F", true},
        {std::string("\x01\x1F", 2), true},
        {"caf\xE9", false},
        {"\x80", false},
        {"\xFF", false},
        {"ab\xC3\xA9", false},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(IsAsciiText(text), expected) << text;
}

class IsValidMacAddressTest : public uitest::UiTest {};

TEST_F(IsValidMacAddressTest, TakesIndividualAddressesSilently) {
    for (const std::string text :
         {"000000000001", "001122334455", "02AABBCCDDEE", "0400", "06", "08FFFFFFFFFF",
          "0A0000000000", "0c0000000000", "0E0000000000", "0e", "0g", "0 ", "xyz"}) {
        EXPECT_TRUE(IsValidMacAddress(text)) << text;
    }
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(IsValidMacAddressTest, RefusesEmptyZeroGroupAndOneCharacterTextsWithTheMessage) {
    const std::string refused[] = {
        "",  "000000000000", "010000000000", "03", "05", "07", "09",
        "0B", "0b", "0D", "0d", "0F", "0f", "FFFFFFFFFFFF", "0",  "A",
    };
    for (const std::string& text : refused) {
        Dialogs().ExpectBox("Warning", "Invalid MAC Address.", ui::Answer::Ok);
        EXPECT_FALSE(IsValidMacAddress(text)) << text;
        EXPECT_EQ(Dialogs().PendingCount(), 0u) << text;
    }
    EXPECT_EQ(Dialogs().Boxes().size(), std::size(refused));
    EXPECT_EQ(Dialogs().Boxes().back().buttons, ui::Buttons::Ok);
}
