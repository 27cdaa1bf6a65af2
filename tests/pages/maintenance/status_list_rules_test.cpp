// The Status lists' rules as tables: which station and WDS peer rows are
// shown, their numbering and cell texts, and the band and authentication
// texts of both tables (each table numbers the authentication modes its own
// way).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/client_info_page_rules.h"
#include "pages/maintenance/wds_info_page_rules.h"
#include "pages/maintenance/wds_info_page_vars.h"
#include "shell/mib_option_lists.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

WalkedStation Station(const std::string& mac, const std::string& ssid = "1", const std::string& psm = "0") {
    return {ssid, mac, "G", "opensystem", "-50", psm};
}

TEST(ClientListRows, FreeRowsAreSkippedAndTakeNoNumber) {
    struct Case {
        const char* name;
        std::vector<WalkedStation> walked;
        std::vector<std::string> shownMacs;
    };
    const Case cases[] = {
        {"every row free", {Station("000000000000"), Station("000000000000")}, {}},
        {"no rows", {}, {}},
        {"stations among free rows",
         {Station("000000000000"), Station("001122334455"), Station("000000000000"), Station("0011223344AA"),
          Station("000000000000"), Station("00112233BBCC")},
         {"001122334455", "0011223344AA", "00112233BBCC"}},
        {"a free row in lower case", {Station("000000000000"), Station("00aabbccddee")}, {"00aabbccddee"}},
        {"a MAC that only starts with zeros", {Station("000000000001")}, {"000000000001"}},
    };
    for (const Case& c : cases) {
        const Rows shown = ClientListRows(c.walked);
        ASSERT_EQ(shown.size(), c.shownMacs.size()) << c.name;
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i][0], std::to_string(i + 1)) << c.name;
            EXPECT_EQ(shown[i][2], c.shownMacs[i]) << c.name;
        }
    }
}

TEST(ClientListRows, CellsInColumnOrder) {
    const WalkedStation station{"3", "0011223344AA", "N", "wpa2-psk", "-61", "1"};
    EXPECT_EQ(ClientListRows({station}),
              (Rows{{"1", "3", "0011223344AA", "N", "wpa2-psk", "-61", "On"}}));
}

TEST(ClientListRows, PowerSavingTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "On"}, {"0", "Off"}, {"2", "2"}, {"", ""}, {"01", "01"}, {"(NULL)", "(NULL)"}};
    for (const auto& [value, shown] : cases) EXPECT_EQ(PowerSavingText(value), shown) << value;
}

TEST(ClientListRows, HeaderBand) {
    EXPECT_EQ(ClientBandText(0), "2.4GHZ");
    EXPECT_EQ(ClientBandText(1), "5GHZ");
    EXPECT_EQ(ClientBandText(-1), "") << "a band not read is not guessed";
}

WalkedPeer Peer(const std::string& status, const std::string& name = "Backbone") {
    return {name, "00907A1C3A01", "wpa2-psk", "72", status};
}

TEST(WdsListRows, EmptyRowsAreSkipped) {
    EXPECT_TRUE(WdsListRows({Peer("empty"), Peer("empty"), Peer("empty")}).empty());
    const Rows shown = WdsListRows({Peer("empty"), Peer("on", "A"), Peer("empty"), Peer("off", "B")});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0][0], "A");
    EXPECT_EQ(shown[1][0], "B");
}

TEST(WdsListRows, CellTexts) {
    struct Case {
        const char* name;
        WalkedPeer peer;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"a linked peer", {"Backbone", "00907A1C3A01", "wpa2-psk", "72", "on"},
         {"Backbone", "00907A1C3A01", "wpa2-psk", "72%", "On"}},
        {"zeros show as empty cells", {"Annex", "000000000000", "0", "0", "off"}, {"Annex", "", "", "", "Off"}},
        {"a signal of 55", {"", "00907A1C3A02", "WEP", "55", "on"}, {"", "00907A1C3A02", "WEP", "55%", "On"}},
        {"another status has no fifth text", {"X", "00907A1C3A03", "opensystem", "10", "linking"},
         {"X", "00907A1C3A03", "opensystem", "10%"}},
        {"status texts are exact", {"Y", "00907A1C3A04", "opensystem", "1", "ON"},
         {"Y", "00907A1C3A04", "opensystem", "1%"}},
    };
    for (const Case& c : cases) EXPECT_EQ(WdsListRows({c.peer}), Rows{c.shown}) << c.name;
}

TEST(StatusListTexts, BandAndAuthenticationOfEachTable) {
    struct Case {
        const VkOptionList* list;
        const char* value;
        const char* text;
    };
    const Case cases[] = {
        {&OptDot11ClientBand, "0", "A"},
        {&OptDot11ClientBand, "3", "N"},
        {&OptDot11ClientAuthentication, "4", "wpa-psk"},
        {&OptDot11ClientAuthentication, "5", "wpa-eap"},
        {&OptDot11ClientAuthentication, "10", "802.1x/WEP"},
        {&OptDot11ClientAuthentication, "11", "WEP"},
        {&OptDot11WdsBand, "2", "dot11g"},
        {&OptDot11WdsBand, "4", "dot11n"},
        {&OptDot11WdsAuthentication, "3", "wpa-eap"},
        {&OptDot11WdsAuthentication, "4", "wpa-psk"},
        {&OptDot11WdsAuthentication, "6", "wpa2-eap"},
        {&OptDot11WdsAuthentication, "9", "wpa2-auto-psk"},
        {&OptDot11WdsAuthentication, "10", "802.1x/WEP"},
        {&OptDot11WdsRefresh, "1", "get"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.list->ValueToText(c.value), c.text) << c.value << " " << c.text;
}

}  // namespace
