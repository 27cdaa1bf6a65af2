// The Wireless page's channel, country and application rules and the handlers
// of its security fields, without a device: each test fills the hidden value
// holders and the lists the device reads would fill, runs one operation and
// looks at the controls and the message boxes.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/basic/wireless_page.h"
#include "tests/pages/basic/wireless_test_texts.h"
#include "tests/pages/page_test_support.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

using namespace wirelesstest;

constexpr char kAllChannels24[] = "1 2 3 4 5 6 7 8 9 10 11 12 13";
constexpr char kIndoorWds[] = "36 40 44 48";
constexpr char kIndoor[] = "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140";
constexpr char kOutdoor[] = "100 104 108 112 116 120 124 128 132 136 140";

constexpr char kApp24[] = "Concurrent 11b/g/n on 2.4GHz for indoor/outdoor";
constexpr char kAppIndoor[] = "Concurrent 11a/n on W52/W53/W56 for indoor";
constexpr char kAppOutdoor[] = "Concurrent 11a/n on W56 for outdoor";

constexpr char kNetProtectWarning[] =
    "If Network Access Protection enable,\nLimit Administrator Status will be disable !";
constexpr char kSharedKeyWarning[] = "Key value is used by SSID! \nTo change Key value affects other SSID settings.";

std::string Joined(const ui::ComboBox* combo) {
    std::string text;
    for (const std::string& item : Items(combo)) text += (text.empty() ? "" : " ") + item;
    return text;
}

int IndexOf(const ui::ComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->ItemCount(); ++i)
        if (combo->ItemText(i) == text) return i;
    return -1;
}

class WirelessChannelsTest : public uitest::UiTest {
protected:
    WirelessChannelsTest() {
        MultiSsidEnabled = false;
        // What the bound option lists give these combos after a read.
        Fill(page.CB_AuSc, {"Disable", "Enable"});
        Fill(page.CB_APMode, {"Access Point", "WDS with AP", "WDS", "Wireless Client"});
        Fill(page.CB_App, {"disable", "indoor", "outdoor"});
        Fill(page.CB_ChannelWidth, {"20MHz", "Auto 20/40 MHz"});
        Fill(page.CB_dot11Encryption, {"Disable", "Enable"});
        Fill(page.CB_LimitVidStatus, {"disable", "vlanID", "ipaddress", "both"});
        Fill(page.CB_NetProtect, {"Disable", "Enable"});
        Fill(page.CB_AccountMode, {"Disable", "Enable"});
        Fill(page.Cbox_RadiusSer, {"External", "Internal"});
        Fill(page.CB_AutoRekeyType, {"Manual", "Periodical Key Change "});
        Fill(page.CB_DefaultKey, {"First", "Second", "Third", "Fourth"});
        Fill(page.CB_CipherType, {"Auto", "AES", "TKIP"});
        Fill(page.CB_SecurityMode, {"Open System", "Shared Key", "WPA-Personal", "WPA-Enterprise", "802.1X"});
        for (ui::ComboBox* type : {page.CB_KeyType1, page.CB_KeyType2, page.CB_KeyType3, page.CB_KeyType4})
            Fill(type, {"ASCII", "HEX"});
    }
    ~WirelessChannelsTest() override { MultiSsidEnabled = false; }

    void Select(ui::ComboBox* combo, const std::string& text) {
        const int index = IndexOf(combo, text);
        ASSERT_GE(index, 0) << "no entry \"" << text << "\"";
        combo->SetItemIndex(index);
    }

    // The 5 GHz application items as the page fills them, with `item` selected.
    void ShowApplications5(int item) {
        Fill(page.CB_Applicaiton, {kAppIndoor, kAppOutdoor});
        page.CB_Applicaiton->SetItemIndex(item);
    }

    TFM_Wirless page{nullptr};
};

// ---- the channel list ----------------------------------------------------------

enum class Holder { None, ListA, IndoorWds, Indoor, Outdoor };

struct ChannelCase {
    const char* name;
    int band;
    const char* country;
    int application;  // item of the 5 GHz application list, -1 none
    const char* mode;
    const char* listA;
    const char* indoorWds;
    const char* indoor;
    const char* outdoor;
    Holder used;
    const char* offered;  // the channel combo's items, blank-separated
};

TEST_F(WirelessChannelsTest, ChooseChannelListTakesTheListOfBandCountryModeAndApplication) {
    const ChannelCase cases[] = {
        {"2.4 GHz, empty list", 0, "US", 0, "Access Point", "", "", "", "", Holder::ListA, kAllChannels24},
        {"2.4 GHz, device list", 0, "US", 0, "WDS", "1 6 11", "", "", "", Holder::ListA, "1 6 11"},
        {"2.4 GHz ignores JP outdoor", 0, "JP", 1, "Access Point", "1 6 11", "", "", "100 104", Holder::ListA,
         "1 6 11"},
        {"5 GHz WDS, empty WDS list", 1, "US", 0, "WDS", "", "", "", "", Holder::IndoorWds, kIndoorWds},
        {"5 GHz WDS with AP", 1, "US", 0, "WDS with AP", "", "36 40", "36 52", "", Holder::IndoorWds, "36 40"},
        {"5 GHz AP, empty indoor list", 1, "US", 0, "Access Point", "", "36 40", "", "", Holder::Indoor, kIndoor},
        {"5 GHz client", 1, "US", 1, "Wireless Client", "", "36 40", "36 52 100", "100 104", Holder::Indoor,
         "36 52 100"},
        {"5 GHz US outdoor item stays indoor", 1, "US", 1, "Access Point", "", "", "36 52", "100 104", Holder::Indoor,
         "36 52"},
        {"JP indoor WDS", 1, "JP", 0, "WDS", "", "36 44", "36 52", "100 104", Holder::IndoorWds, "36 44"},
        {"JP indoor AP", 1, "JP", 0, "Access Point", "", "36 44", "36 52", "100 104", Holder::Indoor, "36 52"},
        {"JP outdoor, empty outdoor list", 1, "JP", 1, "WDS", "", "36 44", "36 52", "", Holder::Outdoor, kOutdoor},
        {"JP outdoor", 1, "JP", 1, "Access Point", "", "36 44", "36 52", "100 104", Holder::Outdoor, "100 104"},
        {"country compared exactly", 1, "jp", 1, "Access Point", "", "", "36 52", "100 104", Holder::Indoor, "36 52"},
        {"JP without application", 1, "JP", -1, "Access Point", "", "36 44", "36 52", "100 104", Holder::None, "7"},
        {"no band", -1, "US", 0, "Access Point", "1 6", "36 44", "36 52", "100 104", Holder::None, "7"},
    };
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.name);
        page.CB_Band->SetItemIndex(c.band);
        page.ED_Country->SetText(c.country);
        ShowApplications5(c.application);
        Select(page.CB_APMode, c.mode);
        page.CB_AuSc->SetItemIndex(0);
        page.Ed_ChanListA->SetText(c.listA);
        page.ED_IndoorWdsChannelList->SetText(c.indoorWds);
        page.ED_IndoorChannelList->SetText(c.indoor);
        page.ED_OutdoorChannelList->SetText(c.outdoor);
        // What an earlier fill left: kept when no list applies.
        Fill(page.CB_Chanal, {"7"});
        page.CB_Chanal->SetItemIndex(0);
        page.Ed_Channel->SetText("no such channel");
        page.LastChannelIndex = -5;
        page.ChannelPicked = true;

        page.ChooseChannelList();

        EXPECT_EQ(Joined(page.CB_Chanal), c.offered);
        // A channel the list lacks selects nothing: the first entry would
        // pass for the device's channel. A list not filled again keeps its
        // selection, and the user's pick with it.
        const int kept = c.used == Holder::None ? 0 : -1;
        EXPECT_EQ(page.CB_Chanal->ItemIndex(), kept);
        EXPECT_EQ(page.LastChannelIndex, kept);
        EXPECT_EQ(page.ChannelPicked, c.used == Holder::None);
        EXPECT_EQ(page.Ed_Channel->Text(), "no such channel");
        // Only the list used gets its default, and keeps it.
        EXPECT_EQ(page.Ed_ChanListA->Text(), c.used == Holder::ListA ? c.offered : c.listA);
        EXPECT_EQ(page.ED_IndoorWdsChannelList->Text(), c.used == Holder::IndoorWds ? c.offered : c.indoorWds);
        EXPECT_EQ(page.ED_IndoorChannelList->Text(), c.used == Holder::Indoor ? c.offered : c.indoor);
        EXPECT_EQ(page.ED_OutdoorChannelList->Text(), c.used == Holder::Outdoor ? c.offered : c.outdoor);
    }
}

TEST_F(WirelessChannelsTest, ChooseChannelListSelectsTheChannelInUseWhileScanningAndKeepsTheConfiguredOne) {
    struct Case {
        int autoScan;
        const char* configured;
        const char* inUse;
        const char* selected;
        int index;
    };
    const Case cases[] = {
        {0, "6", "11", "6", 1},    // scan off: the configured channel
        {1, "6", "11", "11", 2},   // scan on: the channel the radio uses
        {1, "6", "", "", -1},      // scan on, nothing in use known: none
        {-1, "11", "1", "11", 2},  // no scan state: the configured channel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("scan ") + std::to_string(c.autoScan) + ", configured " + c.configured);
        page.CB_Band->SetItemIndex(0);
        page.Ed_ChanListA->SetText("1 6 11");
        page.CB_AuSc->SetItemIndex(c.autoScan);
        page.Ed_Channel->SetText(c.configured);
        page.Ed_BaseChannel->SetText(c.inUse);

        page.ChooseChannelList();

        EXPECT_EQ(page.CB_Chanal->Text(), c.selected);
        EXPECT_EQ(page.LastChannelIndex, c.index);
        EXPECT_EQ(page.Ed_Channel->Text(), c.configured);
        EXPECT_EQ(page.Ed_BaseChannel->Text(), c.inUse);
    }
}

TEST_F(WirelessChannelsTest, CopyComboTextCopiesTheShownChannel) {
    Fill(page.CB_Chanal, {"36", "40"});
    for (int index : {1, 0, -1}) {
        page.CB_Chanal->SetItemIndex(index);
        page.Ed_Channel->SetText("old");
        EXPECT_TRUE(page.CopyComboText(page.CB_Chanal, page.Ed_Channel));
        EXPECT_EQ(page.Ed_Channel->Text(), index < 0 ? "" : page.CB_Chanal->ItemText(index));
    }
}

// ---- application ----------------------------------------------------------------

TEST_F(WirelessChannelsTest, FillApplicationListOffersTheBandsItemsAndSelectsTheDeviceValue) {
    struct Case {
        int band;
        int application;  // CB_App: -1 none, 0 disable, 1 indoor, 2 outdoor
        std::vector<std::string> items;
        int selected;
    };
    const Case cases[] = {
        {0, -1, {kApp24}, 0},
        {0, 0, {kApp24}, 0},
        {0, 1, {kApp24}, 0},
        {0, 2, {kApp24}, 0},
        {1, -1, {kAppIndoor, kAppOutdoor}, 0},
        {1, 0, {kAppIndoor, kAppOutdoor}, 0},
        {1, 1, {kAppIndoor, kAppOutdoor}, 0},
        {1, 2, {kAppIndoor, kAppOutdoor}, 1},
        {-1, 2, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("band " + std::to_string(c.band) + ", application " + std::to_string(c.application));
        Fill(page.CB_Applicaiton, {"left over", "from", "before"});
        page.CB_Applicaiton->SetItemIndex(2);
        page.CB_Band->SetItemIndex(c.band);
        page.CB_App->SetItemIndex(c.application);

        page.FillApplicationList();

        EXPECT_EQ(Items(page.CB_Applicaiton), c.items);
        EXPECT_EQ(page.CB_Applicaiton->ItemIndex(), c.selected);
    }
}

TEST_F(WirelessChannelsTest, StoreApplicationGivesTheDeviceValueOfTheShownItem) {
    struct Case {
        std::vector<std::string> values;  // CB_App's items
        int shown;                        // CB_Applicaiton item
        int stored;
    };
    const Case cases[] = {
        {{"disable", "indoor", "outdoor"}, 0, 1},
        {{"disable", "indoor", "outdoor"}, 1, 2},
        {{"disable", "indoor", "outdoor"}, -1, 0},
        {{"disable", "indoor"}, 1, 0},  // beyond the values: the first one
        {{}, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("shown " + std::to_string(c.shown) + " of " + std::to_string(c.values.size()) + " values");
        Fill(page.CB_App, c.values);
        page.CB_App->SetItemIndex(c.values.empty() ? -1 : static_cast<int>(c.values.size()) - 1);
        ShowApplications5(c.shown);

        page.StoreApplication();

        EXPECT_EQ(page.CB_App->ItemIndex(), c.stored);
    }
}

TEST_F(WirelessChannelsTest, ADisabledApplicationShowsIndoorAndIsStoredAsIndoor) {
    page.CB_Band->SetItemIndex(1);
    Select(page.CB_App, "disable");
    page.FillApplicationList();
    EXPECT_EQ(page.CB_Applicaiton->Text(), kAppIndoor);
    page.StoreApplication();
    EXPECT_EQ(page.CB_App->Text(), "indoor");
}

TEST_F(WirelessChannelsTest, SaveApplicationStoresTheShownApplicationForJapanOnly) {
    struct Case {
        const char* country;
        const char* stored;
    };
    const Case cases[] = {{"JP", "outdoor"}, {"US", "indoor"}, {"jp", "indoor"}, {"", "indoor"}};
    page.CB_Band->SetItemIndex(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        ShowApplications5(1);
        Select(page.CB_App, "indoor");
        page.ED_Country->SetText(c.country);
        // No application request: the group was never read, so nothing is written.
        page.SaveApplication();
        EXPECT_EQ(page.CB_App->Text(), c.stored);
    }
}

TEST_F(WirelessChannelsTest, ApplicationChangeRebuildsTheModeListAndSelectsTheDevicesModeByText) {
    struct Case {
        const char* name;
        int band;
        const char* country;
        int application;
        const char* modeAtLoad;
        std::vector<std::string> modes;
        const char* selected;
        const char* offered;
    };
    const std::vector<std::string> all = {"Access Point", "WDS with AP", "WDS", "Wireless Client"};
    const std::vector<std::string> outdoor = {"Access Point", "Wireless Client"};
    const Case cases[] = {
        {"JP outdoor, client", 1, "JP", 1, "Wireless Client", outdoor, "Wireless Client", "100 104"},
        {"JP outdoor, WDS not offered", 1, "JP", 1, "WDS", outdoor, "Access Point", "100 104"},
        {"JP indoor, WDS", 1, "JP", 0, "WDS", all, "WDS", "36 44"},
        {"JP indoor, client", 1, "JP", 0, "Wireless Client", all, "Wireless Client", "36 52"},
        {"2.4 GHz", 0, "JP", 0, "WDS with AP", all, "WDS with AP", "1 6"},
        {"nothing read", 1, "JP", 0, "", all, "Access Point", "36 52"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page.CB_Band->SetItemIndex(c.band);
        page.ED_Country->SetText(c.country);
        page.Ed_ChanListA->SetText("1 6");
        page.ED_IndoorWdsChannelList->SetText("36 44");
        page.ED_IndoorChannelList->SetText("36 52");
        page.ED_OutdoorChannelList->SetText("100 104");
        page.Ed_Channel->SetText("");
        // The list the page showed before: the user's mode differs from the device's.
        Fill(page.CB_APMode, all);
        page.CB_APMode->SetItemIndex(1);
        page.AtLoad.Set(page.CB_APMode, c.modeAtLoad);
        ShowApplications5(c.application);

        page.CB_ApplicaitonChange(page.CB_Applicaiton);

        EXPECT_EQ(Items(page.CB_APMode), c.modes);
        EXPECT_EQ(page.CB_APMode->Text(), c.selected);
        EXPECT_EQ(Joined(page.CB_Chanal), c.offered);
    }
}

TEST_F(WirelessChannelsTest, BandChangeFillsTheApplicationsAndTheirModes) {
    struct Case {
        int band;
        const char* application;
        const char* shown;
        size_t modes;
    };
    const Case cases[] = {
        {1, "outdoor", kAppOutdoor, 2},
        {1, "indoor", kAppIndoor, 4},
        {0, "outdoor", kApp24, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        page.ED_Country->SetText("JP");
        page.CB_Band->SetItemIndex(c.band);
        Select(page.CB_App, c.application);
        page.AtLoad.Set(page.CB_APMode, "Access Point");

        page.CB_BandChange(page.CB_Band);

        EXPECT_EQ(page.CB_Applicaiton->Text(), c.shown);
        EXPECT_EQ(page.CB_APMode->ItemCount(), static_cast<int>(c.modes));
        EXPECT_EQ(page.CB_APMode->Text(), "Access Point");
    }
}

TEST_F(WirelessChannelsTest, ArrangeApplicationRowRemovesTheRowOutsideJapan) {
    ui::Control* const moved[] = {page.La_Band, page.La_APMode, page.La_SSID,         page.La_SsidBroadcast,
                                  page.La_AuSc, page.La_Chanal, page.La_ChannelWidth, page.La_SecurityMode,
                                  page.CB_Band, page.CB_APMode, page.Ed_SSID,         page.CB_SsidBroadcast,
                                  page.CB_AuSc, page.CB_Chanal, page.CB_ChannelWidth, page.CB_SecurityMode};
    std::vector<int> designTops;
    for (ui::Control* control : moved) designTops.push_back(control->Top());
    const int applicationTop = page.CB_Applicaiton->Top();
    ASSERT_EQ(page.CB_Applicaiton->Height() + 4, 25) << "the standard combo height is 21";

    struct Case {
        const char* country;
        bool rowShown;
        int rise;
        int height;
    };
    const Case cases[] = {{"JP", true, 0, 157}, {"US", false, 25, 132}, {"", false, 25, 132}, {"jp", false, 25, 132}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        TFM_Wirless fresh(nullptr);
        fresh.ED_Country->SetText(c.country);
        SettingsGroupHeight = 0;

        fresh.ArrangeApplicationRow();

        ui::Control* const freshMoved[] = {
            fresh.La_Band, fresh.La_APMode, fresh.La_SSID,         fresh.La_SsidBroadcast,
            fresh.La_AuSc, fresh.La_Chanal, fresh.La_ChannelWidth, fresh.La_SecurityMode,
            fresh.CB_Band, fresh.CB_APMode, fresh.Ed_SSID,         fresh.CB_SsidBroadcast,
            fresh.CB_AuSc, fresh.CB_Chanal, fresh.CB_ChannelWidth, fresh.CB_SecurityMode};
        for (size_t i = 0; i < designTops.size(); ++i)
            EXPECT_EQ(freshMoved[i]->Top(), designTops[i] - c.rise) << freshMoved[i]->Name();
        EXPECT_EQ(fresh.Label51->Visible(), c.rowShown);
        EXPECT_EQ(fresh.CB_Applicaiton->Visible(), c.rowShown);
        EXPECT_EQ(fresh.CB_Applicaiton->Top(), applicationTop);
        EXPECT_EQ(SettingsGroupHeight, c.height);
        EXPECT_EQ(fresh.GroupBox1->Height(), c.height);
    }
}

// ---- channel width ----------------------------------------------------------------

TEST_F(WirelessChannelsTest, ApplyChannelWidthRuleLocksTheWidthWhere40MHzCannotBeUsed) {
    struct Case {
        const char* name;
        const char* mode;
        bool hasN;
        const char* channel;
        bool keyLayout;
        const char* encryption;
        const char* cipher;
        const char* security;
        int widthBefore;
        int width;
        bool enabled;
    };
    const Case cases[] = {
        {"client locks at auto", "Wireless Client", true, "36", true, "Disable", "Auto", "Open System", 0, 1, false},
        {"client before no-N", "Wireless Client", false, "165", true, "Enable", "TKIP", "802.1X", 0, 1, false},
        {"no 802.11n", "Access Point", false, "36", true, "Disable", "Auto", "Open System", 1, 0, false},
        {"channel 12", "Access Point", true, "12", true, "Disable", "Auto", "Open System", 1, 0, false},
        {"channel 13", "WDS", true, "13", true, "Disable", "Auto", "Open System", 1, 0, false},
        {"channel 14", "Access Point", true, "14", true, "Disable", "Auto", "Open System", 1, 0, false},
        {"channel 140", "WDS with AP", true, "140", true, "Disable", "Auto", "Open System", 1, 0, false},
        {"channel 165", "Access Point", true, "165", true, "Disable", "Auto", "Open System", 1, 0, false},
        {"channel 1", "Access Point", true, "1", true, "Disable", "Auto", "Open System", 1, 1, true},
        {"channel 16 is not 165", "Access Point", true, "16", true, "Disable", "Auto", "Open System", 1, 1, true},
        {"channel 36 keeps 20MHz", "Access Point", true, "36", true, "Disable", "Auto", "Open System", 0, 0, true},
        {"WEP in use", "Access Point", true, "36", true, "Enable", "AES", "Open System", 1, 0, false},
        {"WEP list hidden", "Access Point", true, "36", false, "Enable", "AES", "WPA-Personal", 1, 1, true},
        {"TKIP", "Access Point", true, "36", false, "Disable", "TKIP", "WPA-Personal", 1, 0, false},
        {"TKIP with keys shown", "Access Point", true, "36", true, "Disable", "TKIP", "Open System", 1, 1, true},
        {"802.1X", "Access Point", true, "36", false, "Disable", "AES", "802.1X", 1, 0, false},
        {"no channel", "Access Point", true, "", true, "Disable", "Auto", "WPA-Enterprise", -1, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Select(page.CB_APMode, c.mode);
        page.WifiModeHasN = c.hasN;
        Fill(page.CB_Chanal, {c.channel});
        page.CB_Chanal->SetItemIndex(0);
        page.GroupBox5->SetVisible(c.keyLayout);
        Select(page.CB_dot11Encryption, c.encryption);
        Select(page.CB_CipherType, c.cipher);
        Select(page.CB_SecurityMode, c.security);
        page.CB_ChannelWidth->SetItemIndex(c.widthBefore);
        page.CB_ChannelWidth->SetEnabled(false);

        page.ApplyChannelWidthRule();

        EXPECT_EQ(page.CB_ChannelWidth->ItemIndex(), c.width);
        EXPECT_EQ(page.CB_ChannelWidth->Enabled(), c.enabled);
    }
}

TEST_F(WirelessChannelsTest, ChannelChangeAppliesTheWidthRule) {
    Select(page.CB_APMode, "Access Point");
    Select(page.CB_SecurityMode, "Open System");
    Select(page.CB_dot11Encryption, "Disable");
    Fill(page.CB_Chanal, {"161", "165"});
    for (int channel : {1, 0}) {
        page.CB_Chanal->SetItemIndex(channel);
        page.CB_ChannelWidth->SetItemIndex(1);
        page.CB_ChanalChange(page.CB_Chanal);
        EXPECT_EQ(page.CB_ChannelWidth->Enabled(), channel == 0) << page.CB_Chanal->Text();
        EXPECT_EQ(page.CB_ChannelWidth->ItemIndex(), channel == 0 ? 1 : 0) << page.CB_Chanal->Text();
    }
}

// Only the user's pick marks the channel to be written: the load runs the
// handler too.
TEST_F(WirelessChannelsTest, OnlyTheUsersChannelChangeCountsAsAPick) {
    Select(page.CB_APMode, "Access Point");
    Fill(page.CB_Chanal, {"1", "6", "11"});
    page.CB_Chanal->SetItemIndex(1);
    page.CB_ChanalChange(&page);
    EXPECT_FALSE(page.ChannelPicked);
    Pick(page.CB_Chanal, "11");
    EXPECT_TRUE(page.ChannelPicked);
}

// ---- enabling handlers --------------------------------------------------------------

TEST_F(WirelessChannelsTest, EncryptionChangeEnablesTheKeyControlsUnlessDisabled) {
    ui::Control* const keyControls[] = {page.CB_WepEncryp1, page.CB_WepEncryp2, page.CB_WepEncryp3, page.CB_WepEncryp4,
                                        page.CB_KeyType1,   page.CB_KeyType2,   page.CB_KeyType3,   page.CB_KeyType4,
                                        page.CB_DefaultKey, page.Ed_Key1,       page.Ed_Key2,       page.Ed_Key3,
                                        page.Ed_Key4,       page.Ed_ConfirmKey};
    struct Case {
        int encryption;
        bool enabled;
        int width;  // the key layout with WEP in use allows 20MHz only
    };
    const Case cases[] = {{0, false, 1}, {1, true, 0}, {-1, true, 1}};
    Select(page.CB_APMode, "Access Point");
    Select(page.CB_SecurityMode, "Open System");
    Fill(page.CB_Chanal, {"36"});
    page.CB_Chanal->SetItemIndex(0);
    page.GroupBox5->SetVisible(true);
    for (const Case& c : cases) {
        SCOPED_TRACE("encryption " + std::to_string(c.encryption));
        page.CB_dot11Encryption->SetItemIndex(c.encryption);
        page.CB_ChannelWidth->SetItemIndex(1);
        for (ui::Control* control : keyControls) control->SetEnabled(!c.enabled);

        page.CB_dot11EncryptionChange(page.CB_dot11Encryption);

        for (ui::Control* control : keyControls) EXPECT_EQ(control->Enabled(), c.enabled) << control->Name();
        EXPECT_EQ(page.CB_ChannelWidth->ItemIndex(), c.width);
    }
}

TEST_F(WirelessChannelsTest, AccountingFollowsItsModeOnlyWithTheExternalServer) {
    ui::Control* const accounting[] = {page.Edt_AccountServer,   page.Edt_AccountPort,
                                       page.Edt_AccountSecret,   page.Edt_BackAccountServer,
                                       page.Edt_BackAccountPort, page.Edt_BackAccountSecret};
    struct Case {
        int source;
        int mode;
        bool before;
        bool after;
    };
    const Case cases[] = {
        {0, 0, true, false},  {0, 1, false, true}, {0, -1, false, true},
        {-1, 0, true, false}, {1, 0, true, true},  {1, 1, false, false},  // the internal server: nothing changes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("source " + std::to_string(c.source) + ", mode " + std::to_string(c.mode));
        page.Cbox_RadiusSer->SetItemIndex(c.source);
        page.CB_AccountMode->SetItemIndex(c.mode);
        for (ui::Control* control : accounting) control->SetEnabled(c.before);

        page.CB_AccountModeChange(page.CB_AccountMode);

        for (ui::Control* control : accounting) EXPECT_EQ(control->Enabled(), c.after) << control->Name();
    }
}

TEST_F(WirelessChannelsTest, RadiusSourceEnablesTheServersAndThenTheAccountingByItsMode) {
    ui::Control* const radius[] = {page.Edt_RadiusServer,     page.Edt_RadiusPort,     page.Edt_RadiusSecret,
                                   page.Edt_BackRadiusServer, page.Edt_BackRadiusPort, page.Edt_BackRadiusSecret,
                                   page.CB_AccountMode};
    ui::Control* const accounting[] = {page.Edt_AccountServer,   page.Edt_AccountPort,
                                       page.Edt_AccountSecret,   page.Edt_BackAccountServer,
                                       page.Edt_BackAccountPort, page.Edt_BackAccountSecret};
    struct Case {
        int source;
        int mode;
        bool radiusEnabled;
        bool accountingEnabled;
    };
    const Case cases[] = {
        {1, 1, false, false}, {1, 0, false, false}, {0, 0, true, false}, {0, 1, true, true}, {-1, 1, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("source " + std::to_string(c.source) + ", mode " + std::to_string(c.mode));
        page.Cbox_RadiusSer->SetItemIndex(c.source);
        page.CB_AccountMode->SetItemIndex(c.mode);
        for (ui::Control* control : radius) control->SetEnabled(!c.radiusEnabled);
        for (ui::Control* control : accounting) control->SetEnabled(!c.accountingEnabled);

        page.Cbox_RadiusSerChange(page.Cbox_RadiusSer);

        for (ui::Control* control : radius) EXPECT_EQ(control->Enabled(), c.radiusEnabled) << control->Name();
        for (ui::Control* control : accounting) EXPECT_EQ(control->Enabled(), c.accountingEnabled) << control->Name();
    }
}

// Without the re-key list (every layout but an access point's WPA-Personal)
// the pass-phrase rows stay as the layout left them: shown or hidden.
TEST_F(WirelessChannelsTest, AutoRekeyShowsTheDevicesPassphraseAndEnablesTheSchedule) {
    ui::Control* const schedule[] = {page.CB_TimeWeek, page.CB_TimeHour, page.CB_TimeSec, page.Ed_TimeInterval};
    ui::Control* const entry[] = {page.Ed_Passphrase, page.Ed_ConfirmPass, page.Label_ConPassphrase};
    struct Case {
        bool listShown;
        int rekey;
        const char* security;
        bool entryBefore;
        bool entryShown;
        bool rekeyEntryShown;  // the device's re-key pass-phrase
        bool scheduleEnabled;
        int width;
        bool widthEnabled;
    };
    const Case cases[] = {
        {true, 1, "WPA-Personal", true, false, true, true, 1, true},
        {true, 0, "WPA-Personal", false, true, false, false, 1, true},
        {false, 1, "WPA-Personal", true, true, false, true, 1, true},
        {true, -1, "Open System", false, true, false, true, 1, true},
        {false, 0, "802.1X", false, false, false, false, 0, false},
        {false, 0, "WPA-Enterprise", false, false, false, false, 1, true},
        {true, 1, "802.1X", true, false, true, true, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.listShown ? "shown" : "hidden") + ", re-key " + std::to_string(c.rekey) + ", " +
                     c.security);
        page.CB_AutoRekeyType->SetVisible(c.listShown);
        page.CB_AutoRekeyType->SetItemIndex(c.rekey);
        Select(page.CB_SecurityMode, c.security);
        for (ui::Control* control : entry) control->SetVisible(c.entryBefore);
        page.Ed_AutoRekeyPassphrase->SetVisible(!c.rekeyEntryShown);
        for (ui::Control* control : schedule) control->SetEnabled(!c.scheduleEnabled);
        page.CB_ChannelWidth->SetItemIndex(1);
        page.CB_ChannelWidth->SetEnabled(true);

        page.CB_AutoRekeyTypeChange(page.CB_AutoRekeyType);

        for (ui::Control* control : entry) EXPECT_EQ(control->Visible(), c.entryShown) << control->Name();
        EXPECT_EQ(page.Ed_AutoRekeyPassphrase->Visible(), c.rekeyEntryShown);
        for (ui::Control* control : schedule) EXPECT_EQ(control->Enabled(), c.scheduleEnabled) << control->Name();
        EXPECT_EQ(page.CB_ChannelWidth->ItemIndex(), c.width);
        EXPECT_EQ(page.CB_ChannelWidth->Enabled(), c.widthEnabled);
    }
}

TEST_F(WirelessChannelsTest, NetworkAccessProtectionWarnsWhenManagerLimitingUsesTheVlan) {
    struct Case {
        int limit;
        int protect;
        bool warns;
    };
    const Case cases[] = {{1, 1, true},   {3, 1, true},  {2, 1, false}, {0, 1, false},
                          {-1, 1, false}, {1, 0, false}, {3, 0, false}, {3, -1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("limit " + std::to_string(c.limit) + ", protection " + std::to_string(c.protect));
        page.CB_LimitVidStatus->SetItemIndex(c.limit);
        page.CB_NetProtect->SetItemIndex(c.protect);
        const size_t before = Dialogs().Boxes().size();
        if (c.warns) Dialogs().ExpectBox("Warning", kNetProtectWarning, ui::Answer::Ok);

        page.CB_NetProtectChange(page.CB_NetProtect);

        EXPECT_EQ(Dialogs().Boxes().size() - before, c.warns ? 1u : 0u);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
        EXPECT_EQ(page.CB_NetProtect->ItemIndex(), c.protect);
        EXPECT_EQ(page.CB_LimitVidStatus->ItemIndex(), c.limit);
    }
}

// ---- masked fields -----------------------------------------------------------------

TEST_F(WirelessChannelsTest, ClickingAMaskedFieldEmptiesItAndOnlyTheFieldsItOwns) {
    struct Field {
        const char* name;
        ui::Edit* edit;
    };
    const std::vector<Field> fields = {
        {"Ed_Key1", page.Ed_Key1},
        {"Ed_Key2", page.Ed_Key2},
        {"Ed_Key3", page.Ed_Key3},
        {"Ed_Key4", page.Ed_Key4},
        {"Ed_ConfirmKey", page.Ed_ConfirmKey},
        {"Ed_Passphrase", page.Ed_Passphrase},
        {"Ed_AutoRekeyPassphrase", page.Ed_AutoRekeyPassphrase},
        {"Ed_ConfirmPass", page.Ed_ConfirmPass},
        {"Edt_RadiusSecret", page.Edt_RadiusSecret},
        {"Edt_BackRadiusSecret", page.Edt_BackRadiusSecret},
        {"Edt_AccountSecret", page.Edt_AccountSecret},
        {"Edt_BackAccountSecret", page.Edt_BackAccountSecret},
    };
    struct Case {
        const char* handler;
        std::function<void()> click;
        std::vector<std::string> cleared;
    };
    const Case cases[] = {
        {"WsKey1Click", [&] { page.WsKey1Click(page.Ed_Key1); }, {"Ed_Key1"}},
        {"WsKey2Click", [&] { page.WsKey2Click(page.Ed_Key2); }, {"Ed_Key2"}},
        {"WsKeyClick", [&] { page.WsKeyClick(page.Ed_Key3); }, {"Ed_Key3"}},
        {"WsKey4Click", [&] { page.WsKey4Click(page.Ed_Key4); }, {"Ed_Key4"}},
        {"WsKeyConClick", [&] { page.WsKeyConClick(page.Ed_ConfirmKey); }, {"Ed_ConfirmKey"}},
        {"WsPass2Click", [&] { page.WsPass2Click(page.Ed_Passphrase); }, {"Ed_Passphrase", "Ed_AutoRekeyPassphrase"}},
        {"WsConfimPassClick", [&] { page.WsConfimPassClick(page.Ed_ConfirmPass); }, {"Ed_ConfirmPass"}},
        {"WsRadiusClick", [&] { page.WsRadiusClick(page.Edt_RadiusSecret); }, {"Edt_RadiusSecret"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        for (const Field& field : fields) field.edit->SetText(std::string("secret of ") + field.name);

        c.click();

        for (const Field& field : fields) {
            bool cleared = false;
            for (const std::string& name : c.cleared) cleared = cleared || name == field.name;
            EXPECT_EQ(field.edit->Text(), cleared ? "" : std::string("secret of ") + field.name) << field.name;
        }
    }
}

// ---- WEP keys ----------------------------------------------------------------------

TEST_F(WirelessChannelsTest, DeriveWepKeySizesFollowsEachKeysTypeAndLength) {
    ui::ComboBox* const types[] = {page.CB_KeyType1, page.CB_KeyType2, page.CB_KeyType3, page.CB_KeyType4};
    ui::ComboBox* const sizes[] = {page.CB_WepEncryp1, page.CB_WepEncryp2, page.CB_WepEncryp3, page.CB_WepEncryp4};
    ui::Edit* const keys[] = {page.Ed_Key1, page.Ed_Key2, page.Ed_Key3, page.Ed_Key4};
    struct Case {
        int type;
        size_t length;
        int sizeBefore;
        int size;
    };
    const Case cases[] = {
        {0, 13, 0, 1}, {0, 5, 1, 0},  {0, 26, 1, 0}, {0, 14, 1, 0},  {0, 0, -1, 0},    {1, 26, 0, 1},
        {1, 13, 1, 0}, {1, 10, 1, 0}, {1, 27, 1, 0}, {-1, 13, 1, 1}, {-1, 26, -1, -1},  // no entry method: the size
                                                                                        // stays
    };
    for (const Case& c : cases) {
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE("key " + std::to_string(k + 1) + ", type " + std::to_string(c.type) + ", length " +
                         std::to_string(c.length));
            // The other keys have no entry method, so their sizes must stay.
            for (int other = 0; other < 4; ++other) {
                types[other]->SetItemIndex(-1);
                sizes[other]->SetItemIndex(-1);
                keys[other]->SetText(std::string(26, 'a'));
            }
            types[k]->SetItemIndex(c.type);
            sizes[k]->SetItemIndex(c.sizeBefore);
            keys[k]->SetText(std::string(c.length, 'b'));

            page.DeriveWepKeySizes();

            for (int other = 0; other < 4; ++other)
                EXPECT_EQ(sizes[other]->ItemIndex(), other == k ? c.size : -1) << "size of key " << other + 1;
        }
    }
}

TEST_F(WirelessChannelsTest, CopyKeyToConfirmTakesTheKeyOfTheIndex) {
    const std::vector<std::string> expected = {"old", "key one", "key two", "key three", "key four", "old"};
    page.Ed_Key1->SetText("key one");
    page.Ed_Key2->SetText("key two");
    page.Ed_Key3->SetText("key three");
    page.Ed_Key4->SetText("key four");
    for (int index = -1; index <= 4; ++index) {
        page.Ed_ConfirmKey->SetText("old");
        page.CopyKeyToConfirm(index);
        EXPECT_EQ(page.Ed_ConfirmKey->Text(), expected[index + 1]) << "index " << index;
    }
}

TEST_F(WirelessChannelsTest, SsidIsAsciiRefusesBytesFrom0x80On) {
    struct Case {
        std::string ssid;
        bool ascii;
    };
    const Case cases[] = {{"", true},         {"office AP", true}, {std::string("\x01\x7f", 2), true},
                          {"caf\xe9", false}, {"\x80", false},     {std::string("a\xff", 2), false}};
    for (const Case& c : cases) EXPECT_EQ(TFM_Wirless::SsidIsAscii(c.ssid), c.ascii) << c.ssid;
}

// ---- row places ----------------------------------------------------------------------

TEST_F(WirelessChannelsTest, RadiusAndKeyIntervalRowsGoToTheirDesignPlaces) {
    struct Place {
        ui::Control* control;
        int top;
    };
    const Place radius[] = {{page.La_PrimaryRadius, 53}, {page.La_RadiusServer, 73}, {page.Edt_RadiusServer, 68},
                            {page.La_RadiusPort, 70},    {page.Edt_RadiusPort, 68},  {page.La_RadiusSecret, 96},
                            {page.Edt_RadiusSecret, 94}};
    const Place interval[] = {{page.Label19, 55}, {page.Ed_Update2, 51}, {page.La_Seconds, 55}};
    for (const Place& place : radius) place.control->SetTop(3);
    for (const Place& place : interval) place.control->SetTop(3);
    const int intervalEditTop = page.Ed_UpdateInterval->Top();

    page.PlaceRadiusRows();
    for (const Place& place : radius) EXPECT_EQ(place.control->Top(), place.top) << place.control->Name();
    for (const Place& place : interval) EXPECT_EQ(place.control->Top(), 3) << place.control->Name();

    page.PlaceKeyIntervalRow();
    for (const Place& place : interval) EXPECT_EQ(place.control->Top(), place.top) << place.control->Name();
    EXPECT_EQ(page.Ed_UpdateInterval->Top(), intervalEditTop);
}

// ---- shared WEP key ----------------------------------------------------------------------

// One multi-SSID rule as the binding layer puts it into LV_Multi2: the table
// has no hidden column (no row is write-only, hidden or invalid), so the
// columns follow the table: the caption is ifIndex, then sub-items 0 to 11 are
// dot11MssidIndex, state, SSID, suppression, authentication, encryption, key
// index, key, VLAN tag, cipher, pass-phrase and key type.
struct Rule {
    const char* state = "Enabled";
    const char* authentication = "Open System";
    const char* encryption = "Enabled";
    const char* keyIndex = "First";
    const char* key = "other";
};

std::vector<std::string> RuleCells(const Rule& rule, int number) {
    return {"1",
            std::to_string(number),
            rule.state,
            "SSID" + std::to_string(number),
            "Disabled",
            rule.authentication,
            rule.encryption,
            rule.keyIndex,
            rule.key,
            "1",
            "Auto",
            "",
            "ASCII"};
}

void PrepareRuleColumns(ui::ListView* view) {
    view->ClearColumns();
    for (const char* caption :
         {"ifIndex", "dot11MssidIndex", "dot11MssIndividualState", "dot11MssidSsid", "dot11MssidSuppress",
          "dot11MssidAuthentication", "dot11MssidEncryption", "dot11MssidWepKeyIndex", "dot11MssidWepKey",
          "dot11MssidVlanTagID", "dot11MssidCipherType", "dot11MssidPassPhrase", "dot11MssidKeyType"})
        view->AddColumn(caption, 80);
}

void AddRule(ui::ListView* view, const Rule& rule, int number) {
    const std::vector<std::string> cells = RuleCells(rule, number);
    ui::ListItem* row = view->AddItem();
    row->SetCaption(cells[0]);
    for (size_t i = 1; i < cells.size(); ++i) row->AddSubItem(cells[i]);
}

TEST_F(WirelessChannelsTest, RuleRowsHaveTheCellsTheBindingLayerGivesThem) {
    VkSNMPRequest2Edits request(&page);
    request.request.vars = VkSNMPVarList(VarsWirelessMssidTable, MVT_UMV, 2);
    request.BindListView(page.LV_Multi2, false);
    const Rule rule{"Enabled", "Shared Key", "Disabled", "Third", "abcde"};
    const std::vector<std::string> cells = RuleCells(rule, 4);
    ASSERT_EQ(request.request.vars.Count(), static_cast<int>(cells.size()));
    for (int i = 0; i < request.request.vars.Count(); ++i) request.request.vars.Item(i)->value = cells[i];

    request.AddListRow();

    ASSERT_EQ(page.LV_Multi2->ItemCount(), 1);
    const ui::ListItem& row = *page.LV_Multi2->Item(0);
    std::vector<std::string> shown = {row.Caption()};
    for (int i = 0; i < row.SubItemCount(); ++i) shown.push_back(row.SubItem(i));
    EXPECT_EQ(shown, cells);
}

TEST_F(WirelessChannelsTest, WarnSharedWepKeyWarnsOnceForAnotherKeyOfAnEnabledWepRule) {
    struct Case {
        const char* name;
        bool multiSsid;
        const char* security;
        const char* encryption;
        std::vector<Rule> rules;  // the first row is never examined
        bool warns;
    };
    const Rule match;
    const Case cases[] = {
        {"open, other key", true, "Open System", "Enable", {Rule{}, match}, true},
        {"shared key page", true, "Shared Key", "Enable", {Rule{}, match}, true},
        {"rule with shared key",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "Shared Key", "Enabled", "First", "other"}},
         true},
        {"rule open or shared",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "Open System / Shared Key", "Enabled", "First", "other"}},
         true},
        {"two matching rules warn once", true, "Open System", "Enable", {Rule{}, match, match}, true},
        {"later row matches",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Disabled", "Open System", "Enabled", "First", "other"}, match},
         true},
        {"only the first row matches", true, "Open System", "Enable", {match}, false},
        {"first row matches, second not",
         true,
         "Open System",
         "Enable",
         {match, {"Enabled", "Open System", "Enabled", "Second", "other"}},
         false},
        {"multi-SSID off", false, "Open System", "Enable", {Rule{}, match}, false},
        {"WPA page", true, "WPA-Personal", "Enable", {Rule{}, match}, false},
        {"encryption off", true, "Open System", "Disable", {Rule{}, match}, false},
        {"rule disabled",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Disabled", "Open System", "Enabled", "First", "other"}},
         false},
        {"rule without WEP",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "Open System", "Disabled", "First", "other"}},
         false},
        {"rule with WPA",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "WPA-PSK", "Enabled", "First", "other"}},
         false},
        {"other key index",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "Open System", "Enabled", "Second", "other"}},
         false},
        {"rule without key",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "Open System", "Enabled", "First", ""}},
         false},
        {"same key",
         true,
         "Open System",
         "Enable",
         {Rule{}, {"Enabled", "Open System", "Enabled", "First", "12345"}},
         false},
        {"no rules", true, "Open System", "Enable", {}, false},
    };
    PrepareRuleColumns(page.LV_Multi2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MultiSsidEnabled = c.multiSsid;
        Select(page.CB_SecurityMode, c.security);
        Select(page.CB_dot11Encryption, c.encryption);
        Select(page.CB_DefaultKey, "First");
        page.Ed_ConfirmKey->SetText("12345");
        page.LV_Multi2->ClearItems();
        for (size_t i = 0; i < c.rules.size(); ++i) AddRule(page.LV_Multi2, c.rules[i], static_cast<int>(i) + 1);
        const size_t before = Dialogs().Boxes().size();
        if (c.warns) Dialogs().ExpectBox("Warning", kSharedKeyWarning, ui::Answer::Ok);

        page.WarnSharedWepKey();

        EXPECT_EQ(Dialogs().Boxes().size() - before, c.warns ? 1u : 0u);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
    }
}

// ---- reads ------------------------------------------------------------------------------

// With the device gone silent the loaders skip their reads, so what they
// create and bind can be looked at without a device.
TEST_F(WirelessChannelsTest, LoadersCreateTheirRequestsOnTheFirstLoadOnly) {
    struct Case {
        const char* group;
        std::function<void()> load;
        VkSNMPRequest2Edits** slot;
        const char* variable;
        VkSNMPVarListKind kind;
        int indexColumns;
        int timeout;
        ui::Control* bound;  // null: the list view
    };
    const Case cases[] = {
        {"country code", [&] { page.LoadCountryCode(); }, &page.CountryCodeRequest, "dot11Countrycode", MVT_SV, 0, 5000,
         page.ED_Country},
        {"application", [&] { page.LoadApplication(); }, &page.ApplicationRequest, "dot11Application", MVT_SV, 0, 5000,
         page.CB_App},
        {"5 GHz indoor WDS channels", [&] { page.Load5GHzChannelLists(); }, &page.IndoorWdsChannelsRequest,
         "dot11Band5GHzIndoorWdsChannelList", MVT_SV, 0, 5000, page.ED_IndoorWdsChannelList},
        {"5 GHz indoor channels", [&] { page.Load5GHzChannelLists(); }, &page.IndoorChannelsRequest,
         "dot11Band5GHzIndoorChannelList", MVT_SV, 0, 5000, page.ED_IndoorChannelList},
        {"5 GHz outdoor channels", [&] { page.Load5GHzChannelLists(); }, &page.OutdoorChannelsRequest,
         "dot11Band5GHzOutdoorChannelList", MVT_SV, 0, 5000, page.ED_OutdoorChannelList},
        {"multi-SSID rules", [&] { page.LoadMssidTable(); }, &page.WirelessMssidTableRequest, "ifIndex", MVT_UMV, 2,
         1000, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        page.RequestsCreated = false;
        page.Groups.BeginLoad();
        page.Groups.StopLoad();
        c.load();

        ASSERT_TRUE(*c.slot);
        VkSNMPRequest2Edits& request = **c.slot;
        EXPECT_FALSE(request.async);
        EXPECT_EQ(request.request.timeout, c.timeout);
        EXPECT_EQ(request.request.vars.kind, c.kind);
        EXPECT_EQ(request.request.vars.keyCount, c.indexColumns);
        ASSERT_GE(request.request.vars.Count(), 1);
        EXPECT_EQ(request.request.vars.Item(0)->name, c.variable);
        if (c.bound == nullptr) {
            EXPECT_EQ(request.listView, page.LV_Multi2);
        } else {
            ASSERT_EQ(request.bindings.size(), 1u);
            EXPECT_EQ(request.bindings[0]->item, 0);
            ASSERT_EQ(request.bindings[0]->controls.size(), 1u);
            EXPECT_EQ(request.bindings[0]->controls[0], c.bound);
        }
        const std::vector<std::string>& unread = page.Groups.Unread();
        EXPECT_NE(std::find(unread.begin(), unread.end(), c.group), unread.end())
            << "the group's read is reported under its name";

        const VkSNMPRequest2Edits* first = *c.slot;
        page.RequestsCreated = true;
        c.load();
        EXPECT_EQ(*c.slot, first) << "a later load reads with the same request";
    }
}

TEST_F(WirelessChannelsTest, LoadApplicationFillsTheApplicationListAfterItsRead) {
    page.Groups.StopLoad();
    page.CB_Band->SetItemIndex(1);
    page.LoadApplication();  // binds CB_App, which its option list fills anew
    page.RequestsCreated = true;
    Select(page.CB_App, "outdoor");
    page.LoadApplication();
    EXPECT_EQ(Items(page.CB_Applicaiton), (std::vector<std::string>{kAppIndoor, kAppOutdoor}));
    EXPECT_EQ(page.CB_Applicaiton->Text(), kAppOutdoor);
}

}  // namespace
