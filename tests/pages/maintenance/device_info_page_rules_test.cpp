// The Device Information page's derived texts as tables: the security
// summary over authentication, encryption, cipher, key type and key length,
// the gateway, the firmware version and the wireless caption.
#include <gtest/gtest.h>

#include "pages/maintenance/device_info_page_rules.h"

namespace {

constexpr int kDisabled = 0;
constexpr int kEnabled = 1;
constexpr int kAscii = 0;
constexpr int kHex = 1;
constexpr int kNone = -1;

struct SummaryCase {
    const char* authentication;
    int encryption;
    const char* cipher;
    int keyType;
    size_t keyLength;
    const char* expected;
};

const SummaryCase kSummaryCases[] = {
    {"opensystem", kDisabled, "aes", kAscii, 13, "None"},
    {"opensystem", kEnabled, "wep", kAscii, 13, "Open / 128bits"},
    {"opensystem", kEnabled, "wep", kAscii, 5, "Open / 64bits"},
    {"opensystem", kEnabled, "wep", kAscii, 0, "Open / 64bits"},
    {"opensystem", kEnabled, "wep", kAscii, 7, "Open / "},
    {"opensystem", kEnabled, "wep", kAscii, 26, "Open / "},
    {"opensystem", kNone, "wep", kAscii, 5, "Open / 64bits"},
    {"opensystem", kEnabled, "wep", kHex, 10, "Open / 64bits"},
    {"opensystem", kEnabled, "wep", kHex, 0, "Open / 64bits"},
    {"opensystem", kEnabled, "wep", kHex, 13, "Open / "},
    {"opensystem", kEnabled, "wep", kNone, 5, "Open / "},
    {"sharedkey", kEnabled, "wep", kHex, 26, "Shared Key / 128bits"},
    {"sharedkey", kDisabled, "wep", kHex, 10, "Shared Key / 64bits"},
    {"sharedkey", kEnabled, "wep", kAscii, 26, "Shared Key / "},
    {"wpa-psk", kEnabled, "tkip", kAscii, 5, "WPA-Personal / TKIP"},
    {"wpa-eap", kEnabled, "auto", kAscii, 5, "WPA-Enterprise / AUTO"},
    {"wpa2-psk", kEnabled, "aes", kAscii, 5, "WPA2-Personal / AES"},
    {"wpa2-eap", kDisabled, "aes", kAscii, 5, "WPA2-Enterprise / AES"},
    {"wpa2-auto-psk", kEnabled, "wep", kHex, 0, "WPA2-Auto-Personal / WEP"},
    {"wpa2-auto-eap", kEnabled, "tkip", kHex, 0, "WPA2-Auto-Enterprise / TKIP"},
    {"wpa2-psk", kEnabled, "", kAscii, 5, "WPA2-Personal / "},
    {"dot1x", kEnabled, "aes", kAscii, 5, "802.1x / WEP"},
    {"opensystem-sharedkey", kEnabled, "aes", kAscii, 5, ""},
    {"", kEnabled, "aes", kAscii, 5, ""},
    {"OpenSystem", kDisabled, "aes", kAscii, 5, ""},
};

TEST(DeviceInfoRulesTest, SecuritySummaryFollowsAuthenticationEncryptionCipherAndKey) {
    for (const SummaryCase& c : kSummaryCases) {
        SCOPED_TRACE(std::string(c.authentication) + " enc " + std::to_string(c.encryption) + " key type " +
                     std::to_string(c.keyType) + " length " + std::to_string(c.keyLength));
        SecurityShown shown{c.authentication, c.encryption, c.cipher, c.keyType, c.keyLength};
        EXPECT_EQ(BuildSecuritySummary(shown), c.expected);
    }
}

TEST(DeviceInfoRulesTest, DerivedTexts) {
    EXPECT_EQ(GatewayText("0.0.0.0"), "N/A");
    EXPECT_EQ(GatewayText("192.168.0.254"), "192.168.0.254");
    EXPECT_EQ(GatewayText(""), "");
    EXPECT_EQ(FirmwareText("1.23.456"), "1.23");
    EXPECT_EQ(FirmwareText("1.0"), "1.0");
    EXPECT_EQ(FirmwareText(""), "");
    EXPECT_EQ(WirelessCaption(0), "Wireless(2.4GHz)");
    EXPECT_EQ(WirelessCaption(1), "Wireless(5GHz)");
    EXPECT_EQ(WirelessCaption(-1), "Wireless(5GHz)");
}

}  // namespace
