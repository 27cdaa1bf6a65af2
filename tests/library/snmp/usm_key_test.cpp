// SNMPv3 pass phrase keys (RFC 3414 A.2), made without net-snmp's length limit.

#include <gtest/gtest.h>

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include "library/snmp/usm_key.h"

namespace {

std::string Hex(const std::string& octets) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char octet : octets) {
        text += digits[octet >> 4];
        text += digits[octet & 15];
    }
    return text;
}

// RFC 3414 A.3: "maplesyrup" localised for the engine 00 .. 00 02.
TEST(UsmKey, MatchesTheRfcSamples) {
    const std::string engine("\0\0\0\0\0\0\0\0\0\0\0\2", 12);
    struct Sample {
        int protocol;
        const char* ku;
        const char* kul;
    };
    const Sample samples[] = {
        {2, "9faf3283884e92834ebc9847d8edd963", "526f5eed9fcce26f8964c2930787d82b"},
        {3, "9fb5cc0381497b3793528939ff788d5d79145211", "6695febc9288e36282235fc7151f128497b38f3f"},
    };
    for (const Sample& s : samples) {
        std::string ku = UsmPassphraseKey(s.protocol, "maplesyrup");
        EXPECT_EQ(Hex(ku), s.ku);
        EXPECT_EQ(Hex(UsmLocalizedKey(s.protocol, ku, engine)), s.kul);
    }
}

// Where net-snmp makes keys itself (8 characters and more), ours are the same;
// shorter pass phrases get keys too.
TEST(UsmKey, AgreesWithNetsnmpAndTakesShortPassPhrases) {
    for (int protocol : {2, 3}) {
        for (const char* phrase : {"12345678", "a much longer pass phrase than that"}) {
            const oid* type = protocol == 2 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
            u_char key[64];
            size_t length = sizeof key;
            ASSERT_EQ(generate_Ku(type, USM_AUTH_PROTO_MD5_LEN, reinterpret_cast<const u_char*>(phrase),
                                  strlen(phrase), key, &length), SNMPERR_SUCCESS);
            EXPECT_EQ(UsmPassphraseKey(protocol, phrase),
                      std::string(reinterpret_cast<const char*>(key), length));
        }
        EXPECT_EQ(UsmPassphraseKey(protocol, "abc").size(), protocol == 2 ? 16u : 20u);
        EXPECT_NE(UsmPassphraseKey(protocol, "abc"), UsmPassphraseKey(protocol, "abd"));
    }
    EXPECT_TRUE(UsmPassphraseKey(1, "12345678").empty());
    EXPECT_TRUE(UsmPassphraseKey(2, "").empty());
}

}  // namespace
