// The Wireless page's Save against the simulated access point: which objects
// each operating mode and security mode writes, in which order and which
// rows, read back from the simulator's PDU log; the status text and the
// re-read; a write the device rejects; the steps after the writes; a mode
// written by its text; a security mode the page cannot show; a group that was
// not read.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "pages/basic/wireless_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "tests/pages/basic/wireless_test_texts.h"
#include "tests/pages/page_test_support.h"

namespace {

using namespace wirelesstest;

using pagetest::OpenedPage;

// The objects the page writes, by the short names the cases use.
const std::map<std::string, std::string>& ObjectNames() {
    static const std::map<std::string, std::string> names = {
        {"E.2.1.3.3.1.1.1.40.1", "application"},
        {"E.3.3.1.1.1.1", "mssid"},
        {"E.2.1.3.3.6.1.1.1.1", "clone"},
        {"E.2.1.3.3.6.1.1.2.1", "cloneSource"},
        {"E.2.1.3.3.6.1.1.3.1", "cloneAddress"},
        {"E.2.1.3.3.1.1.1.1.1", "ssid"},
        {"E.2.1.3.3.1.1.1.2.1", "broadcast"},
        {"E.2.1.3.3.1.1.1.3.1", "channel"},
        {"E.2.1.3.3.1.1.1.4.1", "channelList"},
        {"E.2.1.3.3.1.1.1.24.1", "scan"},
        {"E.2.1.3.3.1.1.1.28.1", "mode"},
        {"E.2.1.3.3.1.1.1.34.1", "band"},
        {"E.2.1.3.3.1.1.1.29.1", "width"},
        {"E.2.1.3.3.2.1.1.1.1", "auth"},
        {"E.2.1.3.3.2.1.1.3.1", "keyIndex"},
        {"E.2.1.3.3.2.1.1.2.1", "encryption"},
        {"E.2.1.3.3.2.2.1.2.1.1", "keyType1"},
        {"E.2.1.3.3.2.2.1.3.1.1", "key1"},
        {"E.2.1.3.3.2.2.1.2.1.2", "keyType2"},
        {"E.2.1.3.3.2.2.1.3.1.2", "key2"},
        {"E.2.1.3.3.2.1.1.4.1", "passPhrase"},
        {"E.2.1.3.3.2.1.1.5.1", "cipher"},
        {"E.2.1.3.3.2.1.1.6.1", "groupKeyInterval"},
        {"E.2.1.3.3.2.1.1.29.1", "rekey"},
        {"E.2.1.3.3.2.1.1.30.1", "rekeyWeek"},
        {"E.2.1.3.3.2.1.1.31.1", "rekeyTime"},
        {"E.2.1.3.3.2.1.1.32.1", "rekeyHours"},
        {"E.2.1.3.3.2.1.1.22.1", "protection"},
        {"E.2.1.3.3.2.1.1.8.1", "radiusServer"},
        {"E.2.1.3.3.2.1.1.9.1", "radiusPort"},
        {"E.2.1.3.3.2.1.1.10.1", "radiusSecret"},
        {"E.2.1.3.3.2.1.1.24.1", "radiusKeyInterval"},
        {"E.2.1.3.3.1.2.2.1.3.1", "deleteAll"},
        {"E.2.1.3.3.1.2.1.1.2.1.1", "wds1"},
        {"E.2.1.3.3.1.2.1.1.2.1.2", "wds2"},
        {"E.2.1.3.3.1.1.1.16.1", "wifiMode"},
        {"E.3.11.1.1.1.0", "apArray"},
    };
    return names;
}

std::string NameOf(const std::string& oid) {
    for (const auto& [device, name] : ObjectNames())
        if (pagetest::DeviceOid(device) == oid) return name;
    return oid;
}

// One logged SET PDU: its varbinds as (short name, value) in PDU order.
using Varbinds = std::vector<std::pair<std::string, std::string>>;

Varbinds Parse(const std::string& pdu) {
    const std::string root = "1.3.6.1.";  // every varbind's OID begins so
    Varbinds varbinds;
    size_t at = pdu.find(root);
    while (at != std::string::npos) {
        size_t next = pdu.find(" " + root, at + 1);
        const std::string varbind = pdu.substr(at, next == std::string::npos ? std::string::npos : next - at);
        const size_t equals = varbind.find('=');
        varbinds.emplace_back(NameOf(varbind.substr(0, equals)),
                              equals == std::string::npos ? std::string() : varbind.substr(equals + 1));
        at = next == std::string::npos ? next : next + 1;
    }
    return varbinds;
}

// A PDU by its objects' names: "ssid mode width".
std::string Objects(const std::string& pdu) {
    std::string text;
    for (const auto& [name, value] : Parse(pdu)) text += (text.empty() ? "" : " ") + name;
    return text;
}


constexpr char kSuccess[] = "Setting Success!";
constexpr char kError[] = "Setting error!";

class WirelessSaveTest : public pagetest::PageTest {
protected:
    // Later fixtures override earlier ones.
    void UseFixtures(const std::vector<std::string>& names) {
        std::vector<std::string> arguments;
        for (const std::string& name : names) {
            arguments.push_back("--fixture");
            arguments.push_back(FixtureFile(name));
        }
        RestartSim(arguments);
    }
    bool WdsWalkDone(TFM_Wirless& page) {
        return RunUntil([&] { return page.RemoteApTableRequest && !page.RemoteApTableRequest->busy; });
    }
    // Saves and returns the SET PDUs it sent, by their objects' names.
    std::vector<std::string> SaveAndLogged(TFM_Wirless& page) {
        Control("clearlog");
        page.Bt_Apply->Click();
        std::vector<std::string> pdus;
        for (const std::string& pdu : Logged("SET")) pdus.push_back(Objects(pdu));
        return pdus;
    }
    // The value the last logged SET gave the object ("" when none did).
    std::string Written(const std::string& name) {
        std::string value;
        for (const std::string& pdu : Logged("SET"))
            for (const auto& [object, written] : Parse(pdu))
                if (object == name) value = written;
        return value;
    }
};

// As the user picks an entry: the selection, then the combo's change event.
void TypeKey(TFM_Wirless& page, ui::Edit* key, const std::string& text) {
    key->SetText(text);
    page.Ed_ConfirmKey->SetText(text);
}

void TypePassPhrase(TFM_Wirless& page, const std::string& text) {
    page.Ed_Passphrase->SetText(text);
    page.Ed_ConfirmPass->SetText(text);
}

// The device's country is Japan on 2.4 GHz unless a fixture says otherwise:
// its one application item cannot be chosen, so no Save writes it. A channel
// goes only when the user picked one.
const char* const kApBasic = "ssid broadcast scan mode width";
const char* const kWdsBasic = "ssid broadcast mode width";
const char* const kClientBasic = "ssid mode width";
const char* const kClone = "clone";
const char* const kCloneAddress = "cloneSource cloneAddress";

// Each row: the fixtures, what the user changes, the SET PDUs in order.
struct WriteCase {
    const char* name;
    std::vector<std::string> fixtures;
    std::function<void(TFM_Wirless&)> change;
    std::vector<std::string> sets;
};

TEST_F(WirelessSaveTest, EachModeAndSecurityWritesItsGroupsInOrder) {
    ASSERT_TRUE(Started());
    auto none = [](TFM_Wirless&) {};
    auto partner = [](TFM_Wirless& page) { page.Ed_ReMAddra[0]->SetText("00907A0A0C09"); };
    const WriteCase cases[] = {
        {"access point, open", {}, none, {kApBasic, "auth encryption"}},
        {"access point, open, band changed",
         {"band5-us"},
         [](TFM_Wirless& page) { Pick(page.CB_Band, "2.4GHz"); },
         {"ssid broadcast scan mode band width", "auth encryption"}},
        {"access point, shared key, key kept",
         {"ap-wep-shared"},
         none,
         {kApBasic, "keyType2", "auth keyIndex encryption"}},
        {"access point, shared key, key typed",
         {"ap-wep-shared"},
         [](TFM_Wirless& page) { TypeKey(page, page.Ed_Key2, "0123456789"); },
         {kApBasic, "keyType2 key2", "auth keyIndex encryption"}},
        {"access point, open with WEP", {"wep-key1"}, none, {kApBasic, "keyType1", "auth keyIndex encryption"}},
        {"access point, WPA-Personal, pass phrase kept",
         {"ap-wpa2-personal"},
         none,
         {kApBasic, "cipher groupKeyInterval rekey", "auth"}},
        {"access point, WPA-Personal, pass phrase typed",
         {"ap-wpa2-personal"},
         [](TFM_Wirless& page) { TypePassPhrase(page, "another pass"); },
         {kApBasic, "passPhrase cipher groupKeyInterval rekey", "auth"}},
        {"access point, WPA-Enterprise, secret kept",
         {"ap-enterprise"},
         none,
         {kApBasic, "protection radiusServer radiusPort radiusKeyInterval", "cipher groupKeyInterval",
          "auth"}},
        {"access point, WPA-Enterprise, secret typed",
         {"ap-enterprise"},
         [](TFM_Wirless& page) { page.Edt_RadiusSecret->SetText("newsecret"); },
         {kApBasic, "protection radiusServer radiusPort radiusSecret radiusKeyInterval",
          "cipher groupKeyInterval", "auth"}},
        {"access point, 802.1X",
         {"ap-8021x"},
         [](TFM_Wirless& page) {
             page.Edt_RadiusServer->SetText("192.168.0.20");
             page.Edt_RadiusSecret->SetText("dot1xsecret");
         },
         {kApBasic, "protection radiusServer radiusPort radiusSecret radiusKeyInterval", "groupKeyInterval",
          "auth"}},
        {"WDS with AP, open",
         {"wds-with-ap"},
         none,
         {kWdsBasic, "auth encryption", "deleteAll", "wds1 wds2", "apArray"}},
        {"WDS with AP, WEP",
         {"wds-with-ap", "wep-key1"},
         none,
         {kWdsBasic, "keyType1", "auth keyIndex encryption", "deleteAll", "wds1 wds2", "apArray"}},
        {"WDS with AP, WPA-Personal",
         {"ap-wpa2-personal", "wds-with-ap"},
         none,
         {kWdsBasic, "cipher groupKeyInterval rekey", "auth", "deleteAll", "wds1 wds2", "apArray"}},
        {"WDS, open",
         {"wds"},
         [&](TFM_Wirless& page) {
             Pick(page.CB_SecurityMode, "Open System");
             partner(page);
         },
         {kWdsBasic, "auth encryption", "deleteAll", "wds1", "apArray"}},
        {"WDS, WEP",
         {"wds", "wep-key1"},
         partner,
         {kWdsBasic, "keyType1", "auth keyIndex encryption", "deleteAll", "wds1", "apArray"}},
        {"WDS, WPA-Personal with a new pass phrase, multi-SSID on",
         {"ap-multissid", "wds"},
         [&](TFM_Wirless& page) {
             TypePassPhrase(page, "wds pass phrase");
             partner(page);
         },
         {"mssid", kWdsBasic, "passPhrase cipher groupKeyInterval rekey", "auth", "deleteAll", "wds1",
          "apArray"}},
        {"client, open",
         {"client"},
         none,
         {kClone, kCloneAddress, kClientBasic, "auth encryption", "wifiMode", "apArray"}},
        {"client, WEP",
         {"client", "wep-key1"},
         none,
         {kClone, kCloneAddress, kClientBasic, "keyType1", kClone, kCloneAddress, "auth keyIndex encryption",
          "wifiMode", "apArray"}},
        {"client, WPA-Personal, pass phrase kept",
         {"ap-wpa2-personal", "client"},
         none,
         {kClone, kCloneAddress, kClone, kCloneAddress, kClientBasic, "cipher rekey", "auth", "wifiMode",
          "apArray"}},
        {"client, WPA-Personal, pass phrase typed, multi-SSID on",
         {"ap-wpa2-personal", "ap-multissid", "client"},
         [](TFM_Wirless& page) { TypePassPhrase(page, "client pass"); },
         {"mssid", kClone, kCloneAddress, kClone, kCloneAddress, kClientBasic, "passPhrase cipher rekey",
          "auth", "wifiMode", "apArray"}},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseFixtures(c.fixtures);
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        ASSERT_TRUE(WdsWalkDone(*page));
        c.change(*page);
        EXPECT_EQ(SaveAndLogged(*page), c.sets);
        EXPECT_EQ(Status(*page), kSuccess);
        EXPECT_TRUE(page->Bt_Apply->Enabled());
    }
}

// Each row: the device before opening (fixtures, then objects set), what the
// user does, the objects the Save writes with their logged values ("": not
// written), and the warnings it shows.
struct UserChoiceCase {
    const char* name;
    std::vector<std::string> fixtures;
    std::vector<std::pair<std::string, std::string>> device;
    std::function<void(TFM_Wirless&)> change;
    std::vector<std::pair<std::string, std::string>> written;
    std::vector<std::string> warnings;
};

constexpr char kScan[] = "E.2.1.3.3.1.1.1.24.1";
constexpr char kChannel[] = "E.2.1.3.3.1.1.1.3.1";
constexpr char kNewKeyText[] = "Please check the Log or E-mail for the new security key!";
constexpr char kSharedKeyText[] = "Key value is used by SSID! \nTo change Key value affects other SSID settings.";

TEST_F(WirelessSaveTest, WhatTheUserChoseIsWrittenAndWhatThePageChoseIsNot) {
    ASSERT_TRUE(Started());
    // A WEP rule of the second multi-SSID entry, enabled, on key 1 with another key.
    const std::vector<std::pair<std::string, std::string>> wepRule = {
        {"E.3.3.1.1.1.1", "1"},   {"E.3.3.3.1.2.1.2", "1"}, {"E.3.3.3.1.5.1.2", "1"},
        {"E.3.3.3.1.6.1.2", "1"}, {"E.3.3.3.1.7.1.2", "1"}, {"E.3.3.3.1.8.1.2", "0987654321"}};
    const UserChoiceCase cases[] = {
        {"channel picked",
         {"ap-wpa2-personal"},
         {{kScan, "0"}},
         [](TFM_Wirless& page) { Pick(page.CB_Chanal, "11"); },
         {{"channel", "integer:11"}},
         {}},
        {"cipher picked",
         {"ap-wpa2-personal"},
         {},
         [](TFM_Wirless& page) { Pick(page.CB_CipherType, "TKIP"); },
         {{"cipher", "integer:3"}, {"width", "integer:1"}},
         {}},
        {"periodical key change from 07:30",
         {"ap-wpa2-personal"},
         {},
         [](TFM_Wirless& page) {
             Pick(page.CB_AutoRekeyType, "Periodical Key Change ");
             Pick(page.CB_TimeHour, "07");
             Pick(page.CB_TimeSec, "30");
         },
         {{"rekey", "integer:1"}, {"rekeyTime", "string:07:30"}, {"passPhrase", ""}},
         {kNewKeyText}},
        {"periodical key change left as read",
         {"ap-wpa2-personal"},
         {{"E.2.1.3.3.2.1.1.29.1", "1"}, {"E.2.1.3.3.2.1.1.31.1", "05:15"}, {"E.2.1.3.3.2.1.1.32.1", "24"}},
         [](TFM_Wirless&) {},
         {{"rekeyTime", "string:05:15"}, {"rekeyHours", "integer:24"}},
         {}},
        {"WEP key another multi-SSID rule uses", {"wep-key1"}, wepRule, [](TFM_Wirless&) {},
         {{"keyType1", "integer:2"}, {"key1", ""}}, {kSharedKeyText}},
        // The page's own choices: none of them is written.
        {"device channel not in the list",
         {},
         {{kScan, "0"}, {kChannel, "13"}},
         [](TFM_Wirless&) {},
         {{"channel", ""}},
         {}},
        {"channel in use shown while scanning",
         {},
         {{"E.5.1.2.1.1.8.1", "11"}},
         [](TFM_Wirless&) {},
         {{"channel", ""}, {"scan", "integer:1"}},
         {}},
        {"application of a 2.4 GHz device in Japan",
         {},
         {{"E.2.1.3.3.1.1.1.40.1", "2"}},
         [](TFM_Wirless&) {},
         {{"application", ""}},
         {}},
        {"scan and width after a mode round trip",
         {},
         {{"E.2.1.3.3.1.1.1.29.1", "1"}},
         [](TFM_Wirless& page) {
             for (const char* mode : {kClient, kWds, kAP}) Pick(page.CB_APMode, mode);
         },
         {{"scan", "integer:1"}, {"width", "integer:1"}, {"mode", "integer:1"}},
         {}},
    };
    for (const UserChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseFixtures(c.fixtures);
        for (const auto& [oid, value] : c.device) SetValue(oid, value);
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        ASSERT_TRUE(WdsWalkDone(*page));
        c.change(*page);
        for (const std::string& text : c.warnings) Dialogs().ExpectBox(kWarning, text, ui::Answer::Ok);
        SaveAndLogged(*page);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
        for (const auto& [object, value] : c.written) EXPECT_EQ(Written(object), value) << object;
        EXPECT_EQ(Status(*page), kSuccess);
    }
}

TEST_F(WirelessSaveTest, ASuccessfulSaveReadsThePageAgainAndSaysSo) {
    ASSERT_TRUE(Started());
    UseFixtures({"ap-wpa2-personal"});
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    page->Ed_SSID->SetText("NewName");
    TypePassPhrase(*page, "freshphrase1");
    Control("clearlog");
    page->Bt_Apply->Click();
    EXPECT_EQ(Status(*page), kSuccess);
    EXPECT_FALSE(Logged("GET").empty()) << "the page is read again";
    EXPECT_EQ(Value("E.2.1.3.3.1.1.1.1.1"), "NewName");
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.4.1"), "freshphrase1");
    EXPECT_EQ(page->Ed_SSID->Text(), "NewName");
    // The read-back pass phrase is the device's again: a second Save leaves it.
    EXPECT_EQ(SaveAndLogged(*page), (std::vector<std::string>{kApBasic, "cipher groupKeyInterval rekey", "auth"}));
}

TEST_F(WirelessSaveTest, ARejectedSecurityWriteSaysErrorKeepsTheEarlierWritesAndReadsNothing) {
    ASSERT_TRUE(Started());
    UseFixtures({"ap-wep-shared"});
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    TypeKey(*page, page->Ed_Key2, "0123456789");
    Control("error " + pagetest::DeviceOid("E.2.1.3.3.2.1.1.1.1") + " genErr");
    EXPECT_EQ(SaveAndLogged(*page), (std::vector<std::string>{kApBasic, "keyType2 key2", "auth keyIndex encryption"}));
    EXPECT_EQ(Status(*page), kError);
    EXPECT_TRUE(Logged("GET").empty()) << "nothing is read after an error";
    EXPECT_EQ(Value("E.2.1.3.3.2.2.1.3.1.2"), "0123456789") << "the key written before stays";
    EXPECT_EQ(page->Ed_Key2->Text(), "0123456789");
    EXPECT_TRUE(page->Bt_Apply->Enabled());
}

TEST_F(WirelessSaveTest, ASecretWhoseWriteFailedIsWrittenAgainByTheNextSave) {
    ASSERT_TRUE(Started());
    UseFixtures({"ap-wpa2-personal"});
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    TypePassPhrase(*page, "retryphrase1");
    Control("error " + pagetest::DeviceOid("E.2.1.3.3.2.1.1.4.1") + " genErr");
    const std::vector<std::string> sets = {kApBasic, "passPhrase cipher groupKeyInterval rekey", "auth"};
    EXPECT_EQ(SaveAndLogged(*page), sets);
    EXPECT_EQ(Status(*page), kError);
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.4.1"), "secretpass1");
    EXPECT_EQ(SaveAndLogged(*page), sets);
    EXPECT_EQ(Status(*page), kSuccess);
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.4.1"), "retryphrase1");
}

TEST_F(WirelessSaveTest, MaskedSecretsTheUserLeftAreNotWrittenBack) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", FixtureFile("ap-enterprise"), "--fixture", FixtureFile("ap-wpa2-personal"),
                "--mask-secrets"});
    SetValue("E.2.1.3.3.2.1.1.1.1", "7");  // wpa2-eap
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_EQ(page->Edt_RadiusSecret->Text(), "*********");
    EXPECT_EQ(SaveAndLogged(*page),
              (std::vector<std::string>{kApBasic, "protection radiusServer radiusPort radiusKeyInterval",
                                        "cipher groupKeyInterval", "auth"}));
    EXPECT_EQ(Status(*page), kSuccess);
    SetValue("E.2.1.3.3.2.1.1.1.1", "6");  // wpa2-psk
    page->Bt_Refresh->Click();
    ASSERT_EQ(page->CB_SecurityMode->Text(), "WPA-Personal");
    EXPECT_EQ(SaveAndLogged(*page), (std::vector<std::string>{kApBasic, "cipher groupKeyInterval rekey", "auth"}));
}

TEST_F(WirelessSaveTest, AClientSetsItsWirelessModeAndDisablesTheApArray) {
    ASSERT_TRUE(Started());
    UseFixtures({"client"});
    SetValue("E.2.1.3.3.1.1.1.16.1", "3");  // "Mixed 802.11g and 802.11b"
    SetValue("E.3.11.1.1.1.0", "1");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    Control("clearlog");
    page->Bt_Apply->Click();
    EXPECT_EQ(Written("wifiMode"), "integer:6");
    EXPECT_EQ(Written("apArray"), "integer:0");
    EXPECT_EQ(Value("E.2.1.3.3.1.1.1.16.1"), "6");
    EXPECT_EQ(Value("E.3.11.1.1.1.0"), "0");
    EXPECT_EQ(Status(*page), kSuccess);
}

// Each row: the fixture, whether the main window's ARP entry shows after a Save.
struct ArpCase {
    const char* fixture;
    bool entryShown;
};

TEST_F(WirelessSaveTest, TheMainWindowsArpEntryIsHiddenForAClientOnly) {
    ASSERT_TRUE(Started());
    MainForm = new TMainForm(nullptr);
    const ArpCase cases[] = {{"client", false}, {"wds-with-ap", true}, {"ap-wpa2-personal", true}};
    for (const ArpCase& c : cases) {
        SCOPED_TRACE(c.fixture);
        UseFixtures({c.fixture});
        MainForm->ARPSpoofingPreventionSettings1->SetVisible(!c.entryShown);
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        ASSERT_TRUE(WdsWalkDone(*page));
        page->Bt_Apply->Click();
        EXPECT_EQ(MainForm->ARPSpoofingPreventionSettings1->Visible(), c.entryShown);
    }
    delete MainForm;
    MainForm = nullptr;
}

TEST_F(WirelessSaveTest, AnOutdoorClientInJapanIsWrittenAsAClient) {
    ASSERT_TRUE(Started());
    UseFixtures({"band5-jp-outdoor"});
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_EQ(page->CB_APMode->ItemCount(), 2);
    Control("clearlog");
    page->Bt_Apply->Click();
    EXPECT_EQ(Written("mode"), "integer:4");
    EXPECT_EQ(Written("application"), "integer:2");
    EXPECT_EQ(Written("wifiMode"), "integer:9") << "a client at 5 GHz runs the mixed mode";
    EXPECT_EQ(Value("E.2.1.3.3.1.1.1.28.1"), "4");
    EXPECT_EQ(Status(*page), kSuccess);
    EXPECT_EQ(page->CB_APMode->ItemCount(), 2);
    EXPECT_EQ(page->CB_APMode->Text(), "Wireless Client");
}

TEST_F(WirelessSaveTest, ASecurityModeThePageCannotShowIsLeftAsItIs) {
    ASSERT_TRUE(Started());
    UseFixtures({"wds-with-ap"});
    SetValue("E.2.1.3.3.2.1.1.1.1", "7");  // wpa2-eap: not offered in WDS with AP
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_FALSE(page->AuthenticationShown);
    ASSERT_TRUE(WdsWalkDone(*page));
    page->Ed_SSID->SetText("KeepSecurity");
    EXPECT_EQ(SaveAndLogged(*page), (std::vector<std::string>{kWdsBasic, "deleteAll", "wds1 wds2", "apArray"}));
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.1.1"), "7");
    EXPECT_EQ(Value("E.2.1.3.3.1.1.1.1.1"), "KeepSecurity");
    // Once the user picks a mode the page offers, it is written.
    ASSERT_TRUE(WdsWalkDone(*page));
    Pick(page->CB_SecurityMode, "WPA-Personal");
    Pick(page->CB_WPAMode, "WPA2 Only");
    TypePassPhrase(*page, "wdspass99");
    EXPECT_EQ(SaveAndLogged(*page),
              (std::vector<std::string>{kWdsBasic, "passPhrase cipher groupKeyInterval rekey", "auth", "deleteAll",
                                        "wds1 wds2", "apArray"}));
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.1.1"), "6");  // wpa2-psk
}

// The device's security is kept only in the operating mode it was read in:
// in another mode the pair would be one no list offers.
TEST_F(WirelessSaveTest, AnotherOperatingModeAsksForASecurityModeItCanShow) {
    ASSERT_TRUE(Started());
    UseFixtures({"ap-enterprise"});
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(page->AuthenticationShown);
    ASSERT_TRUE(WdsWalkDone(*page));
    Pick(page->CB_APMode, kWds);
    ASSERT_FALSE(page->AuthenticationShown);
    Dialogs().ExpectBox(kWarning, "Please input MAC Address.", ui::Answer::Ok);
    Dialogs().ExpectBox(kWarning,
                        "The device's security mode cannot be used in 'WDS' mode. Please choose an Authentication "
                        "of this mode.",
                        ui::Answer::Ok);
    EXPECT_TRUE(SaveAndLogged(*page).empty());
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
    EXPECT_EQ(Value("E.2.1.3.3.1.1.1.28.1"), "1") << "still an access point";
    // Back in the device's mode the device's security is kept again.
    Pick(page->CB_APMode, kAP);
    ASSERT_TRUE(page->AuthenticationShown);
    EXPECT_FALSE(SaveAndLogged(*page).empty());
    EXPECT_EQ(Status(*page), kSuccess);
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.1.1"), "7");
}

// Picking the entry shown in place of a mode the page cannot show is a
// choice all the same: the security objects are written.
TEST_F(WirelessSaveTest, PickingTheShownEntryOfAnUnshownSecurityModeWritesIt) {
    ASSERT_TRUE(Started());
    UseFixtures({"wds-with-ap"});
    SetValue("E.2.1.3.3.2.1.1.1.1", "7");  // wpa2-eap: not offered in WDS with AP
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_FALSE(page->AuthenticationShown);
    ASSERT_EQ(page->CB_SecurityMode->Text(), "Open System");
    ASSERT_TRUE(WdsWalkDone(*page));
    Pick(page->CB_SecurityMode, "Open System");
    EXPECT_EQ(SaveAndLogged(*page),
              (std::vector<std::string>{kWdsBasic, "auth encryption", "deleteAll", "wds1 wds2", "apArray"}));
    EXPECT_EQ(Status(*page), kSuccess);
    EXPECT_EQ(Value("E.2.1.3.3.2.1.1.1.1"), "1");  // opensystem
}

// What a Save marks for writing never changes what the next read fetches.
TEST_F(WirelessSaveTest, ASaveLeavesWhatRefreshReadsAsItWas) {
    ASSERT_TRUE(Started());
    UseFixtures({"ap-wpa2-personal"});
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WdsWalkDone(*page));
    Control("clearlog");
    page->Bt_Refresh->Click();
    ASSERT_TRUE(WdsWalkDone(*page));
    const std::vector<std::string> before = Logged("GET");
    for (const char* security : {"WPA-Personal", "Open System"}) {
        SCOPED_TRACE(security);
        Pick(page->CB_SecurityMode, security);
        TypePassPhrase(*page, "freshphrase1");
        SaveAndLogged(*page);
        ASSERT_EQ(Status(*page), kSuccess);
        Control("clearlog");
        page->Bt_Refresh->Click();
        ASSERT_TRUE(WdsWalkDone(*page));
        EXPECT_EQ(Logged("GET").size(), before.size());
        for (size_t i = 0; i < before.size() && i < Logged("GET").size(); ++i)
            EXPECT_EQ(Objects(Logged("GET")[i]), Objects(before[i])) << "read " << i;
    }
}

TEST_F(WirelessSaveTest, AGroupThatWasNotReadIsNotWrittenAndNamed) {
    ASSERT_TRUE(Started());
    // The device's objects without dot11Encryption: the security group cannot be read.
    RestartSimWithout("dot11Encryption");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_FALSE(page->SecurityRequest->lastReadOk);
    page->Ed_SSID->SetText("StillWritten");
    EXPECT_EQ(SaveAndLogged(*page), (std::vector<std::string>{kApBasic}));
    EXPECT_EQ(Status(*page), std::string(kError) + " " + NotReadPrefix + "security");
    EXPECT_TRUE(Logged("GET").empty());
    EXPECT_EQ(Value("E.2.1.3.3.1.1.1.1.1"), "StillWritten");
}

}  // namespace

namespace {

// A Save refused by a check writes nothing at all: not the multi-SSID state,
// the application or the MAC clone settings that used to go out before the
// security and address checks.
TEST_F(WirelessSaveTest, ASaveACheckRefusesWritesNothing) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* fixture;
        std::function<void(TFM_Wirless&)> edit;
        const char* caption;
        const char* text;
    } const cases[] = {
        {"wds",
         [](TFM_Wirless& page) { page.Ed_ReMAddra[0]->SetText("00907A0A0C0"); },
         "Error", "The length is 12 in IEEE802.11g MAC address."},
        {"client",
         [](TFM_Wirless& page) {
             Pick(page.CB_SecurityMode, "WPA-Personal");
             TypePassPhrase(page, "short");
         },
         "Error", "The Passphrase length is between 8 and 63."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        UseFixtures({c.fixture, "ap-multissid"});
        SetValue("E.2.1.3.3.1.1.1.28.1", std::string(c.fixture) == "wds" ? "3" : "4");
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        ASSERT_TRUE(WdsWalkDone(*page));
        c.edit(*page);
        Dialogs().ExpectBox(c.caption, c.text, ui::Answer::Ok);
        EXPECT_TRUE(SaveAndLogged(*page).empty());
        EXPECT_EQ(Value("E.3.3.1.1.1.1"), "1") << "multi-SSID stays on";
        EXPECT_TRUE(page->Bt_Apply->Enabled());
    }
}

TEST_F(WirelessSaveTest, AWdsSaveWaitsForThePartnerList) {
    ASSERT_TRUE(Started());
    UseFixtures({"wds-with-ap"});
    Control("delay 300");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(page->RemoteApTableRequest->busy);
    Dialogs().ExpectBox("Warning", "The WDS partner list has not been read from the device yet: Save writes nothing.",
                        ui::Answer::Ok);
    EXPECT_TRUE(SaveAndLogged(*page).empty());
    ASSERT_TRUE(WdsWalkDone(*page));
    Control("delay 0");
    const std::vector<std::string> sets = SaveAndLogged(*page);
    EXPECT_NE(std::find(sets.begin(), sets.end(), "wds1 wds2"), sets.end()) << "once read, the partners are written back";
}

}  // namespace
