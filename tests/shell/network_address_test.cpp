#include "shell/network_address.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "shell/dotted_quad.h"

TEST(NetworkAddress, AndsThePartsOfAddressAndMask) {
    struct Case {
        std::string address;
        std::string mask;
        std::string expected;
    };
    const Case cases[] = {
        {"192.168.1.77", "255.255.255.0", "192.168.1.0"},
        {"192.168.7.1", "255.255.0.0", "192.168.0.0"},
        {"10.1.2.3", "255", "10.1.2.3"},             // a mask without dots serves every part
        {"10.1.2", "255.255.255.255", "10.1.2.2"},   // the last part is read again
        {"192.168.010.5", "255.255.255.0", "192.168.10.0"},  // decimal, not octal
        {" 192. 168.  1.77", "255.255.255.0", "192.168.1.0"},  // leading blanks skipped
        {"192.168.1.77 ", "255.255.255.255", "192.168.1.0"},   // a trailing blank is no number
        {"a.b.c.d", "255.255.255.255", "0.0.0.0"},
        {"", "255.255.255.0", "0.0.0.0"},
        {"192.168.0.1", "", "0.0.0.0"},
        {"300.1.2.3", "255.255.255.255", "44.1.2.3"},  // modulo 256
        {"1.2.3.4.5", "255.255.255.255", "1.2.3.4"},
        {"+1.-2.3.4", "255.255.255.255", "0.0.3.4"},
    };
    for (const auto& [address, mask, expected] : cases)
        EXPECT_EQ(NetworkAddress(address, mask), expected) << address << " / " << mask;
}

TEST(DecimalOrDefault, ReadsDecimalDigitsOnly) {
    EXPECT_EQ(DecimalOrDefault("0", -1), 0);
    EXPECT_EQ(DecimalOrDefault("010", -1), 10);
    EXPECT_EQ(DecimalOrDefault("2147483647", -1), 2147483647);
    for (const std::string text : {"", " 1", "1 ", "+1", "-1", "0x10", "$10", "1a", "2147483648"})
        EXPECT_EQ(DecimalOrDefault(text, -7), -7) << text;
}

TEST(ReadDottedParts, SplitsAtTheThreeDotsOrRefusesTheShape) {
    std::array<int, 4> parts{};
    ASSERT_TRUE(ReadDottedParts("1.x..255", parts));
    EXPECT_EQ(parts, (std::array<int, 4>{1, -1, -1, 255}));
    for (const std::string text : {"", "1.2.3", ".1.2.3", "1.", "1.2.3.4.", "1.2.3 .4"})
        EXPECT_FALSE(ReadDottedParts(text, parts)) << text;
}

TEST(ReadAddressValue, GivesThe32BitValueWithThe1stPartOnTop) {
    uint32_t value = 0;
    ASSERT_TRUE(ReadAddressValue("192.168.010.5", value));
    EXPECT_EQ(value, 0xC0A80A05u);
    EXPECT_EQ(DottedText(value), "192.168.10.5");
    EXPECT_FALSE(ReadAddressValue("192.168.0.256", value));
    EXPECT_FALSE(ReadAddressValue("192.168..5", value));
    EXPECT_EQ(value, 0xC0A80A05u);  // unchanged by a refused text
}
