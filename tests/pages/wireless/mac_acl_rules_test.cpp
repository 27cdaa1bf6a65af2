// The Wireless MAC ACL page's decisions as tables: which check refuses an
// address, the zone-defence warning, how stations' authentication shows and
// the names list files get.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/mac_acl_page_rules.h"

namespace {

TEST(MacAclRules, ATypedAddressIsTwelveCharactersAndNotZero) {
    struct Case {
        const char* mac;
        AclRefusal refusal;
    };
    for (const Case& c : {Case{"", AclRefusal::Length}, Case{"0011223344A", AclRefusal::Length},
                          Case{"0011223344AAB", AclRefusal::Length}, Case{"000000000000", AclRefusal::Zero},
                          Case{"0011223344aa", AclRefusal::None}}) {
        SCOPED_TRACE(c.mac);
        EXPECT_EQ(CheckTypedMac(c.mac), c.refusal);
    }
}

TEST(MacAclRules, RoomForAnAddressCountsTheListedAndComparesInEitherCase) {
    const std::vector<std::string> held{"00A0C5112233", "000000000000", "00A0C5445566"};
    struct Case {
        size_t listed;
        const char* mac;
        AclRefusal refusal;
    };
    for (const Case& c : {Case{2, "0011223344AA", AclRefusal::None}, Case{255, "0011223344AA", AclRefusal::None},
                          Case{256, "0011223344AA", AclRefusal::Full}, Case{300, "0011223344AA", AclRefusal::Full},
                          Case{2, "00A0C5445566", AclRefusal::Duplicate}, Case{2, "00a0c5445566", AclRefusal::Duplicate},
                          Case{2, "00A0C544556", AclRefusal::None}, Case{256, "00A0C5445566", AclRefusal::Full}}) {
        SCOPED_TRACE(std::to_string(c.listed) + " " + c.mac);
        EXPECT_EQ(CheckAclRoom(c.listed, held, c.mac), c.refusal);
    }
}

TEST(MacAclRules, OnlyLeavingRejectWhileZoneDefenceIsOnWarns) {
    struct Case {
        const char* mode;
        const char* zone;
        bool warns;
    };
    for (const Case& c : {Case{"Accept", "enable", true}, Case{"Disable", "enable", true},
                          Case{"Reject", "enable", false}, Case{"Accept", "disable", false},
                          Case{"Accept", "", false}}) {
        SCOPED_TRACE(std::string(c.mode) + " " + c.zone);
        EXPECT_EQ(WarnsZoneDefence(c.mode, c.zone), c.warns);
    }
}

TEST(MacAclRules, StationAuthenticationShowsItsShortNameOrAsRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"opensystem", "OPEN"},        {"sharedkey", "WEP"},          {"wpa-psk", "WPA-PSK"},
        {"wpa-eap", "WPA-EAP"},        {"wpa2-psk", "WPA2-PSK"},      {"wpa2-eap", "WPA2-EAP"},
        {"wpa2-auto-psk", "wpa2-auto-psk"}, {"802.1x/WEP", "802.1x/WEP"}, {"WEP", "WEP"},
        {"3", "3"},                    {"WPA2-PSK", "WPA2-PSK"},
    };
    for (const auto& [read, shown] : cases) EXPECT_EQ(ClientAuthenticationText(read), shown) << read;
}

TEST(MacAclRules, ListFilesEndInAcl) {
    struct Case {
        const char* chosen;
        const char* stored;
        bool isList;
    };
    for (const Case& c : {Case{"list.txt", "list.txt.acl", false}, Case{"office.acl", "office.acl", true},
                          Case{"office.ACL", "office.ACL", true}, Case{"office", "office.acl", false},
                          Case{"acl.txt", "acl.txt.acl", false}, Case{".acl", ".acl", true}}) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(AclDownloadName(c.chosen), c.stored);
        EXPECT_EQ(IsAclFileName(c.chosen), c.isList);
    }
}

}  // namespace
