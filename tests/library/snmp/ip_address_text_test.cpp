#include "library/snmp/ip_address_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(IpAddressText, PrintsOnlyFourOctetAddresses) {
    EXPECT_EQ(IPv4ToText(std::string("\xc0\xa8\x00\xfe", 4)), "192.168.0.254");
    EXPECT_EQ(IPv4ToText(std::string(4, '\0')), "0.0.0.0");
    EXPECT_EQ(IPv4ToText(""), "");
    EXPECT_EQ(IPv4ToText(std::string("\x01\x02\x03", 3)), "");
    EXPECT_EQ(IPv4ToText(std::string("\x01\x02\x03\x04\x05", 5)), "");
}

TEST(IpAddressText, ResolvesDottedAddressesAndHostNames) {
    struct Case {
        const char* text;
        bool ok;
        std::string octets;
    };
    const Case cases[] = {
        {"192.168.0.254", true, std::string("\xc0\xa8\x00\xfe", 4)},
        {"0.0.0.0", true, std::string(4, '\0')},
        {"localhost", true, std::string("\x7f\x00\x00\x01", 4)},
        {"", false, ""},
        {"256.1.1.1", false, ""},
        {"1.2.3", false, ""},
        {"1.2.3.4.5", false, ""},
        {"1.2.3.", false, ""},
        {"no-such-host.invalid", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string octets = "kept";
        EXPECT_EQ(ResolveIPv4(c.text, octets), c.ok);
        EXPECT_EQ(octets, c.ok ? c.octets : "kept");
    }
}
