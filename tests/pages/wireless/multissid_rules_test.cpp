// The Multi-SSID page's rules as tables: the stored authentication as the
// visible security choices in every AP mode and back, which stored values
// the page can show as they are, the cipher list, the "Encryption" column,
// WEP key sizes and the periodic key change's start time.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/multissid_page_rules.h"

namespace {

using Texts = std::vector<std::string>;
constexpr int N = -1;  // no selection

TEST(MultiSsidRules, StoredAuthenticationShownByApMode) {
    // By authentication 0..9: {security, wpa} in Access Point, WDS With Ap,
    // WDS, Wireless Client. Without an entry (or past the list) the security
    // shows "Open System" and the WPA mode nothing.
    const MssidSecurityView expected[10][4] = {
        {{0, 0}, {0, 0}, {0, 0}, {0, 0}},  // opensystem
        {{0, 0}, {0, 0}, {0, 0}, {0, N}},  // sharedkey
        {{0, N}, {0, N}, {0, N}, {0, N}},  // opensystem-sharedkey
        {{1, 2}, {0, N}, {0, N}, {1, 2}},  // wpa-psk
        {{2, 2}, {0, N}, {0, N}, {0, N}},  // wpa-eap
        {{1, 1}, {1, 1}, {1, 0}, {1, 1}},  // wpa2-psk
        {{2, 1}, {0, 1}, {0, N}, {0, N}},  // wpa2-eap: no enterprise item with WDS With Ap
        {{1, 0}, {1, 0}, {0, N}, {1, 0}},  // wpa2-auto-psk
        {{2, 0}, {0, 0}, {0, N}, {0, N}},  // wpa2-auto-eap
        {{3, 0}, {0, N}, {0, N}, {0, N}},  // dot1x
    };
    for (int a = 0; a < 10; ++a)
        for (int m = 0; m < 4; ++m) {
            SCOPED_TRACE(std::to_string(a) + " in mode " + std::to_string(m));
            const MssidSecurityView view = MssidSecurityOf(m, a);
            EXPECT_EQ(view.security, expected[a][m].security);
            EXPECT_EQ(view.wpa, expected[a][m].wpa);
        }
    EXPECT_EQ(MssidSecurityOf(-1, 5).security, N);  // no AP mode read: nothing selected
}

TEST(MultiSsidRules, VisibleChoicesWrittenAsAuthentication) {
    struct Case {
        int security, wpa, accessPoint, wdsWithAp;
    } const cases[] = {
        {0, 0, 0, 0}, {0, 2, 0, 0}, {1, 0, 7, 7}, {1, 1, 5, 5}, {1, 2, 3, N}, {2, 0, 8, 8},
        {2, 1, 6, 6}, {2, 2, 4, N}, {3, 0, 9, N}, {3, 1, 9, N}, {1, N, N, N},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.security) + "/" + std::to_string(c.wpa));
        EXPECT_EQ(MssidAuthenticationOf(MssidApMode::AccessPoint, c.security, c.wpa), c.accessPoint);
        EXPECT_EQ(MssidAuthenticationOf(MssidApMode::WdsWithAp, c.security, c.wpa), c.wdsWithAp);
        EXPECT_EQ(MssidAuthenticationOf(MssidApMode::Wds, c.security, c.wpa), N);
        EXPECT_EQ(MssidAuthenticationOf(MssidApMode::WirelessClient, c.security, c.wpa), N);
    }
}

// Only a value that the shown choices write back unchanged is shown as it is.
TEST(MultiSsidRules, ShowableOnlyWhenTheViewWritesItBack) {
    using A = int;
    const A ap = MssidApMode::AccessPoint;
    const A wdsAp = MssidApMode::WdsWithAp;
    EXPECT_TRUE(MssidSecurityShowable(ap, ap, MssidAuthentication::OpenSystem));
    EXPECT_FALSE(MssidSecurityShowable(ap, ap, MssidAuthentication::SharedKey));
    EXPECT_FALSE(MssidSecurityShowable(ap, ap, MssidAuthentication::OpenSharedKey));
    for (A a : {3, 4, 5, 6, 7, 8, 9}) EXPECT_TRUE(MssidSecurityShowable(ap, ap, a)) << a;
    EXPECT_FALSE(MssidSecurityShowable(wdsAp, wdsAp, MssidAuthentication::Wpa2Eap));
    EXPECT_TRUE(MssidSecurityShowable(wdsAp, wdsAp, MssidAuthentication::Wpa2Psk));
    // WDS shows wpa2-psk as "WPA2 Only" at position 0: written after the
    // switch to an access point it stays WPA2 only.
    EXPECT_TRUE(MssidSecurityShowable(MssidApMode::Wds, ap, MssidAuthentication::Wpa2Psk));
    EXPECT_FALSE(MssidSecurityShowable(MssidApMode::Wds, ap, MssidAuthentication::WpaEap));
}

TEST(MultiSsidRules, WpaModeKeptAcrossTheSwitchToAccessPoint) {
    EXPECT_EQ(MssidWpaPositionIn(MssidApMode::Wds, 0, MssidApMode::AccessPoint), 1);
    EXPECT_EQ(MssidWpaPositionIn(MssidApMode::WirelessClient, 2, MssidApMode::AccessPoint), 2);
    EXPECT_EQ(MssidWpaPositionIn(MssidApMode::AccessPoint, 2, MssidApMode::WdsWithAp), -1);
    EXPECT_EQ(MssidWpaPositionIn(MssidApMode::AccessPoint, -1, MssidApMode::AccessPoint), -1);
    EXPECT_EQ(MssidWpaPositionIn(MssidApMode::Wds, 5, MssidApMode::AccessPoint), -1);
}

TEST(MultiSsidRules, ListsByApMode) {
    EXPECT_EQ(MssidSecurityModes(1), (Texts{"Open System", "WPA-Personal"}));
    EXPECT_EQ(MssidSecurityModes(2).size(), 4u);
    EXPECT_TRUE(MssidSecurityModes(-1).empty());
    EXPECT_EQ(MssidWpaModes(2), (Texts{"WPA2 Only"}));
    EXPECT_EQ(MssidWpaModes(1), (Texts{"AUTO(WPA or WPA2)", "WPA2 Only"}));
    EXPECT_EQ(MssidWpaModes(3), (Texts{"AUTO(WPA or WPA2)", "WPA2 Only", "WPA Only"}));
    EXPECT_FALSE(MssidWpaModeChoosable(2));
    EXPECT_TRUE(MssidWpaModeChoosable(0));
}

TEST(MultiSsidRules, CipherListAndMap) {
    EXPECT_EQ(MssidCipherItems(1), (Texts{"Auto", "AES"}));
    const Texts items = MssidCipherItems(0);
    EXPECT_EQ(items, (Texts{"Auto", "AES", "TKIP"}));
    EXPECT_EQ(MssidCipherItemOf(items, "auto"), 0);
    EXPECT_EQ(MssidCipherItemOf(items, "tkip"), 2);
    EXPECT_EQ(MssidCipherItemOf(items, "wep"), 0);
    EXPECT_EQ(MssidCipherItemOf(MssidCipherItems(1), "tkip"), 0);
    const struct {
        const char* text;
        int value;
    } map[] = {{"Auto", 0}, {"AES", 1}, {"TKIP", 2}, {"WEP", 3}, {"aes", -1}, {"", -1}};
    for (const auto& c : map) EXPECT_EQ(MssidCipherTypeOf(c.text), c.value) << c.text;
}

TEST(MultiSsidRules, EncryptionColumn) {
    const struct {
        const char* authentication;
        bool on;
        const char* text;
    } cases[] = {
        {"opensystem", false, "None"},      {"opensystem", true, "OpenSystem"},
        {"sharedkey", false, "SharedKey"},  {"wpa-psk", true, "WPA-Personal"},
        {"wpa-eap", false, "WPA-Enterprise"}, {"wpa2-psk", false, "WPA2-Personal"},
        {"wpa2-eap", false, "WPA2-Enterprise"}, {"wpa2-auto-psk", true, "WPA2-Auto-Personal"},
        {"wpa2-auto-eap", false, "WPA2-Auto-Enterprise"}, {"dot1x", false, "802.1x"},
        {"opensystem-sharedkey", true, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(MssidEncryptionText(c.on, c.authentication), c.text) << c.authentication;
}

TEST(MultiSsidRules, WepKeySizesAndLengths) {
    // key type, length -> size shown
    EXPECT_EQ(MssidKeySizeOf(0, 5), 0);
    EXPECT_EQ(MssidKeySizeOf(0, 13), 1);
    EXPECT_EQ(MssidKeySizeOf(0, 7), 0);
    EXPECT_EQ(MssidKeySizeOf(1, 10), 0);
    EXPECT_EQ(MssidKeySizeOf(1, 26), 1);
    EXPECT_EQ(MssidKeySizeOf(1, 13), 0);
    EXPECT_EQ(MssidKeySizeOf(-1, 13), -1);
    EXPECT_EQ(MssidKeyMaxLength(0, 0), 5);
    EXPECT_EQ(MssidKeyMaxLength(0, 1), 13);
    EXPECT_EQ(MssidKeyMaxLength(1, 0), 10);
    EXPECT_EQ(MssidKeyMaxLength(1, 1), 26);
    EXPECT_EQ(MssidKeyMaxLength(1, -1), -1);
    EXPECT_EQ(MssidKeyLengthMessage(1, 0, 10), "");
    EXPECT_EQ(MssidKeyLengthMessage(1, 0, 9), "The Length of the key  must be 10!");
    EXPECT_EQ(MssidKeyLengthMessage(1, 1, 10), "The Length of the key  must be 26!");
    EXPECT_EQ(MssidKeyLengthMessage(0, 0, 6), "The Length of the key in IEEE802.11g must be 5!");
    EXPECT_EQ(MssidKeyLengthMessage(-1, 1, 5), "The Length of the key in IEEE802.11g must be 13!");
    EXPECT_TRUE(IsHexKey("0123456789abcdefABCDEF"));
    EXPECT_FALSE(IsHexKey("01234567G9"));
}

TEST(MultiSsidRules, RekeyStartTimeSplitAndJoin) {
    const struct {
        const char* stored;
        const char* hour;
        const char* minute;
    } cases[] = {{"07:30", "07", "30"}, {" 23:59 ", "23", "59"}, {"9:05", "", "05"}, {"0730", "", ""}, {"", "", ""}};
    for (const auto& c : cases) {
        const MssidRekeyTime time = SplitRekeyStartTime(c.stored);
        EXPECT_EQ(time.hour, c.hour) << c.stored;
        EXPECT_EQ(time.minute, c.minute) << c.stored;
    }
    EXPECT_EQ(JoinRekeyStartTime("07", " 30"), "07:30");
}

TEST(MultiSsidRules, ScheduleLockedWhileThePrimaryChangesItsKey) {
    EXPECT_TRUE(MssidRekeyScheduleEditable("wpa2-psk", "Manual"));
    EXPECT_FALSE(MssidRekeyScheduleEditable("wpa2-psk", "Periodical Key Change "));
    EXPECT_TRUE(MssidRekeyScheduleEditable("wpa2-eap", "Periodical Key Change "));
    EXPECT_TRUE(MssidRekeyScheduleEditable("", ""));
}

// The Index combo's positions stand for the SSID table's own indexes, and
// back; anything else is no entry.
TEST(MultiSsidRules, IndexPositionsAndTableIndexes) {
    const struct {
        int position;
        const char* index;
    } pairs[] = {{0, "1"}, {1, "2"}, {7, "8"}};
    for (const auto& p : pairs) {
        EXPECT_EQ(MssidEntryIndex(p.position), p.index);
        EXPECT_EQ(MssidEntryPosition(p.index), p.position);
    }
    for (int position : {-1, 8}) EXPECT_EQ(MssidEntryIndex(position), "") << position;
    for (const char* index : {"0", "9", "", "x", "-1"}) EXPECT_EQ(MssidEntryPosition(index), -1) << index;
}

}  // namespace
