// The Wireless page against the simulated access point: what it shows after
// opening on each kind of device (operating mode, band, country, security,
// multi-SSID, channel lists), Refresh, a device that stops answering or
// lacks an object, and closing with the WDS walk outstanding.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "pages/basic/basic_pages.h"
#include "pages/basic/wireless_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_root.h"
#include "shell/page_openers.h"
#include "tests/pages/basic/wireless_test_texts.h"
#include "tests/pages/page_test_support.h"

namespace {

using namespace wirelesstest;

using pagetest::OpenedPage;


std::vector<std::string> Numbers(const std::string& list) {
    std::vector<std::string> numbers;
    std::istringstream in(list);
    for (std::string number; in >> number;) numbers.push_back(number);
    return numbers;
}

const char* const kIndoorChannels = "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140";
const char* const kOutdoorChannels = "100 104 108 112 116 120 124 128 132 136 140";

class WirelessPageTest : public pagetest::PageTest {
protected:
    void UseFixture(const std::string& name) {
        if (!name.empty()) RestartSim({"--fixture", FixtureFile(name)});
    }
    // Waits until the asynchronous walk of the WDS partners has ended.
    bool WdsWalkDone(TFM_Wirless& page) {
        return RunUntil([&] { return page.RemoteApTableRequest && !page.RemoteApTableRequest->busy; });
    }
    static void TypeWdsSettingsAndSave(TFM_Wirless& page) {
        page.Ed_ReMAddra[0]->SetText("001122334455");
        page.Ed_Passphrase->SetText("wdsphrase1");
        page.Ed_ConfirmPass->SetText("wdsphrase1");
        page.Bt_Apply->Click();
    }
};

// Which groups a layout shows.
struct Groups {
    bool wds, survey, keys, passphrase, macClone;
};

struct OpenCase {
    const char* fixture;  // "" : the simulator's own objects
    const char* mode;
    const char* securityMode;
    const char* wpaMode;  // "" : not checked
    Groups groups;
};

TEST_F(WirelessPageTest, OpensEachKindOfDeviceInItsModeSecurityAndLayout) {
    ASSERT_TRUE(Started());
    const OpenCase cases[] = {
        {"", "Access Point", "Open System", "", {false, false, true, false, false}},
        {"ap-wpa2-personal", "Access Point", "WPA-Personal", "WPA2 Only", {false, false, false, true, false}},
        {"ap-wep-shared", "Access Point", "Shared Key", "", {false, false, true, false, false}},
        {"ap-enterprise", "Access Point", "WPA-Enterprise", "WPA2 Only", {false, false, false, true, false}},
        {"ap-8021x", "Access Point", "802.1X", "", {false, false, false, true, false}},
        {"wds-with-ap", "WDS with AP", "Open System", "", {true, true, true, false, false}},
        {"wds", "WDS", "WPA-Personal", "WPA2 Only", {true, true, false, true, false}},
        {"client", "Wireless Client", "Open System", "", {false, true, true, false, true}},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(*c.fixture ? c.fixture : "standard objects");
        UseFixture(c.fixture);
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        EXPECT_EQ(page->CB_APMode->Text(), c.mode);
        EXPECT_EQ(page->CB_SecurityMode->Text(), c.securityMode);
        if (*c.wpaMode) {
            EXPECT_EQ(page->CB_WPAMode->Text(), c.wpaMode);
        }
        EXPECT_TRUE(page->AuthenticationShown);
        EXPECT_TRUE(page->Groups.Unread().empty()) << Status(*page);
        EXPECT_EQ(page->GroupBox3->Visible(), c.groups.wds);
        EXPECT_EQ(page->GroupBox4->Visible(), c.groups.survey);
        EXPECT_EQ(page->GroupBox5->Visible(), c.groups.keys);
        EXPECT_EQ(page->GroupBox6->Visible(), c.groups.passphrase);
        EXPECT_EQ(page->GroupBox7->Visible(), c.groups.macClone);
        EXPECT_EQ(page->Ed_ConfirmPass->Text(), page->Ed_Passphrase->Text());
        EXPECT_TRUE(WdsWalkDone(*page));
    }
}

TEST_F(WirelessPageTest, ShowsTheDevicesValuesBehindEachSecurityMode) {
    ASSERT_TRUE(Started());
    {
        UseFixture("ap-wpa2-personal");
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        EXPECT_EQ(page->Ed_Passphrase->Text(), "secretpass1");
        EXPECT_EQ(page->CB_CipherType->Text(), "AES");
        EXPECT_EQ(page->Ed_SSID->Text(), Value("E.2.1.3.3.1.1.1.1.1"));
        EXPECT_EQ(page->GroupBox6->Caption(), "Passphrase Settings");
    }
    {
        UseFixture("ap-wep-shared");
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        page->Show();  // showing the page shows the row of the key in use
        EXPECT_EQ(page->CB_DefaultKey->Text(), "Second");
        EXPECT_EQ(page->CB_KeyType2->Text(), "HEX");
        EXPECT_EQ(page->Ed_Key2->Text(), "ABCDEF1234");
        EXPECT_EQ(page->Ed_ConfirmKey->Text(), "ABCDEF1234");
        EXPECT_EQ(page->CB_WepEncryp2->Text(), "64Bits");
        EXPECT_TRUE(page->Ed_Key2->Visible());
        EXPECT_FALSE(page->Ed_Key1->Visible());
        EXPECT_EQ(page->CB_dot11Encryption->Text(), "Enable");
        EXPECT_FALSE(page->CB_dot11Encryption->Enabled());
    }
    {
        UseFixture("ap-enterprise");
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        EXPECT_EQ(page->GroupBox6->Caption(), "RADIUS Server Settings");
        EXPECT_EQ(page->Edt_RadiusServer->Text(), "192.168.0.10");
        EXPECT_EQ(page->Edt_RadiusPort->Text(), "1812");
        EXPECT_EQ(page->CB_NetProtect->Text(), "Enable");
        EXPECT_TRUE(page->GroupBox2->Visible());
    }
}

TEST_F(WirelessPageTest, ASecurityModeTheListCannotShowIsSaidSo) {
    ASSERT_TRUE(Started());
    UseFixture("wds-with-ap");
    SetValue("E.2.1.3.3.2.1.1.1.1", "7");  // wpa2-eap: WDS with AP offers no enterprise mode
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    EXPECT_EQ(page->CB_dot11Authentication->Text(), "wpa2-eap");
    EXPECT_FALSE(page->AuthenticationShown);
    EXPECT_EQ(Status(*page), WirelessAuthenticationUnshownText);
}

TEST_F(WirelessPageTest, WdsPartnersAppearWhenTheWalkHasCompleted) {
    ASSERT_TRUE(Started());
    UseFixture("wds-with-ap");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WdsWalkDone(*page));
    EXPECT_EQ(page->Ed_ReMAddra[0]->Text(), "00907A0A0C01");
    EXPECT_EQ(page->Ed_ReMAddra[1]->Text(), "00907A0A0C02");
    for (int i = 2; i < 8; ++i) EXPECT_EQ(page->Ed_ReMAddra[i]->Text(), "") << "free entries show empty";
    EXPECT_FALSE(page->Ed_ReMAddra[0]->ReadOnly());
    EXPECT_EQ(page->GroupBox3->Caption(), "WDS with AP");
}

TEST_F(WirelessPageTest, AClientShowsItsMacCloneSettings) {
    ASSERT_TRUE(Started());
    UseFixture("client");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    EXPECT_EQ(page->Cbox_Status->Text(), "Enable");
    EXPECT_EQ(page->Cbox_MacSource->Text(), "Manual");
    EXPECT_EQ(page->Ed_CloneMac->Text(), "001122AABBCC");
    EXPECT_TRUE(page->Ed_CloneMac->Enabled());
    EXPECT_EQ(page->CB_SsidBroadcast->Text(), "Enable");
    EXPECT_FALSE(page->CB_SsidBroadcast->Enabled());
    EXPECT_FALSE(page->CB_Chanal->Enabled());
    EXPECT_EQ(page->CB_ChannelWidth->Text(), "Auto 20/40 MHz");
    EXPECT_TRUE(page->Ed_ReMAddra[0]->ReadOnly());
    SavePicture(*page, "wireless-client");
}

// Each row: the fixture; the channel list offered, the channel shown; whether
// the Application row is there.
struct ChannelCase {
    const char* fixture;
    std::string channels;
    const char* channel;
    bool applicationRow;
};

TEST_F(WirelessPageTest, OffersTheChannelsOfTheBandCountryAndApplication) {
    ASSERT_TRUE(Started());
    const ChannelCase cases[] = {
        {"", "1 2 3 4 5 6 7 8 9 10 11", "6", true},
        {"empty-channel-lists", "1 2 3 4 5 6 7 8 9 10 11 12 13", "6", true},
        {"band5-us", kIndoorChannels, "36", false},
        {"band5-jp-outdoor", kOutdoorChannels, "", true},
    };
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(*c.fixture ? c.fixture : "standard objects");
        UseFixture(c.fixture);
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        EXPECT_EQ(Items(page->CB_Chanal), Numbers(c.channels));
        if (*c.channel) {
            EXPECT_EQ(page->CB_Chanal->Text(), c.channel);
        }
        EXPECT_EQ(page->CB_Applicaiton->Visible(), c.applicationRow);
        EXPECT_EQ(page->GroupBox1->Height(), c.applicationRow ? 157 : 132);
    }
}

TEST_F(WirelessPageTest, AnOutdoorClientInJapanStaysAClientAcrossRefresh) {
    ASSERT_TRUE(Started());
    UseFixture("band5-jp-outdoor");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    const std::vector<std::string> modes = {"Access Point", "Wireless Client"};
    EXPECT_EQ(Items(page->CB_APMode), modes);
    EXPECT_EQ(page->CB_APMode->Text(), "Wireless Client");
    EXPECT_EQ(page->CB_Applicaiton->ItemIndex(), 1);
    for (int refresh = 0; refresh < 2; ++refresh) {
        page->Bt_Refresh->Click();
        EXPECT_EQ(Items(page->CB_APMode), modes);
        EXPECT_EQ(page->CB_APMode->Text(), "Wireless Client") << "refresh " << refresh + 1;
        EXPECT_EQ(page->AtLoad.At(page->CB_APMode), "Wireless Client");
    }
}

TEST_F(WirelessPageTest, RefreshReadsTheSameGroupsWithTheSameRequests) {
    ASSERT_TRUE(Started());
    UseFixture("ap-wpa2-personal");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WdsWalkDone(*page));
    const VkSNMPRequest2Edits* const before[] = {page->BasicRequest, page->SecurityRequest,
                                                 page->WifiModeRequest, page->RadiusRequest,
                                                 page->SiteSurveyRequest, page->MacCloneRequest};
    std::vector<std::string> reads[2];
    for (auto& logged : reads) {
        Control("clearlog");
        page->Bt_Refresh->Click();
        ASSERT_TRUE(WdsWalkDone(*page));
        logged = Logged("GET");
        EXPECT_TRUE(page->Bt_Refresh->Enabled());
    }
    EXPECT_FALSE(reads[0].empty());
    EXPECT_EQ(reads[0], reads[1]);
    const VkSNMPRequest2Edits* const after[] = {page->BasicRequest, page->SecurityRequest,
                                                page->WifiModeRequest, page->RadiusRequest,
                                                page->SiteSurveyRequest, page->MacCloneRequest};
    for (size_t i = 0; i < std::size(before); ++i) EXPECT_EQ(before[i], after[i]) << "request " << i;
    EXPECT_EQ(page->CB_SecurityMode->Text(), "WPA-Personal");
}

// The first object of each logged PDU, below the device root ("E...") or
// as it stands.
std::vector<std::string> FirstObjects(const std::vector<std::string>& pdus) {
    const std::string root = MibDeviceRoot;
    std::vector<std::string> objects;
    for (const std::string& pdu : pdus) {
        std::string oid = pdu.substr(0, pdu.find_first_of("= "));
        if (oid.rfind(root, 0) == 0) oid = "E" + oid.substr(root.size());
        objects.push_back(oid);
    }
    return objects;
}

// The groups every load reads, in their order, by the first object each
// read asks for.
const std::vector<std::string> kEveryLoadReads = {
    "E.2.1.3.3.1.1.1.38.1",   // operating mode state
    "E.4.10.1.1.0",           // manager address limiting
    "E.3.6.1.1.0",            // VLAN state
    "E.2.1.3.3.1.1.1.36.1",   // 5 GHz indoor WDS channels
    "E.2.1.3.3.1.1.1.37.1",   // 5 GHz indoor channels
    "E.2.1.3.3.1.1.1.41.1",   // 5 GHz outdoor channels
    "E.2.1.3.3.1.1.1.39.1",   // country code
    "E.2.1.3.3.1.1.1.40.1",   // application
    "E.2.1.3.3.1.1.1.1.1",    // basic settings
    "E.5.1.2.1.1.8.1",        // channel in use
    "E.2.1.3.3.1.1.1.16.1",   // wireless mode
    "E.3.3.1.1.1.1",          // multi-SSID state
    "E.2.1.3.3.2.1.1.1.1",    // security
    "E.2.1.3.3.2.2.1.2.1.1",  // WEP keys 1 to 4
    "E.2.1.3.3.2.2.1.2.1.2",
    "E.2.1.3.3.2.2.1.2.1.3",
    "E.2.1.3.3.2.2.1.2.1.4",
    "E.2.1.3.3.2.1.1.4.1",    // pass phrase settings
    "E.2.1.3.3.2.1.1.22.1",   // RADIUS settings
    "E.2.1.3.3.6.1.1.1.1",    // MAC clone state
    "E.2.1.3.3.6.1.1.4.1",    // MAC clone scan
    "E.2.1.3.3.6.1.1.2.1",    // MAC clone address
};

bool Walked(const std::vector<std::string>& getNexts, const std::string& column) {
    for (const std::string& object : FirstObjects(getNexts))
        if (object.rfind(column, 0) == 0) return true;
    return false;
}

TEST_F(WirelessPageTest, TheOpeningAndRefreshReadTheirGroupsInOrder) {
    ASSERT_TRUE(Started());
    Control("clearlog");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WdsWalkDone(*page));
    std::vector<std::string> opening = kEveryLoadReads;
    opening.push_back("E.3.11.1.1.1.0");  // AP array state, only when the page opens
    EXPECT_EQ(FirstObjects(Logged("GET")), opening);
    EXPECT_TRUE(Walked(Logged("GETNEXT"), "E.2.1.3.3.1.2.1.1.2")) << "the WDS partners";
    EXPECT_TRUE(Walked(Logged("GETNEXT"), "E.3.3.3.1.2")) << "the multi-SSID rules";

    Control("clearlog");
    page->Bt_Refresh->Click();
    ASSERT_TRUE(WdsWalkDone(*page));
    EXPECT_EQ(FirstObjects(Logged("GET")), kEveryLoadReads);
    EXPECT_TRUE(Walked(Logged("GETNEXT"), "E.2.1.3.3.1.2.1.1.2"));
    EXPECT_FALSE(Walked(Logged("GETNEXT"), "E.3.3.3.1.2")) << "the rules are read when the page opens";
    // The RADIUS group reads protection, the primary server and the key
    // update interval only.
    const std::string radius = Logged("GET").at(18);
    for (const char* object : {"E.2.1.3.3.2.1.1.22.1", "E.2.1.3.3.2.1.1.8.1", "E.2.1.3.3.2.1.1.9.1",
                               "E.2.1.3.3.2.1.1.10.1", "E.2.1.3.3.2.1.1.24.1"})
        EXPECT_NE(radius.find(pagetest::DeviceOid(object)), std::string::npos) << object << " in " << radius;
    EXPECT_EQ(radius.find(pagetest::DeviceOid("E.2.1.3.3.2.1.1.11.1")), std::string::npos) << "no backup server";
}

// Each row: the group, its time-out (hundredths of a second per try),
// whether it is asynchronous, its list kind and index columns.
struct GroupCase {
    const char* name;
    VkSNMPRequest2Edits* TFM_Wirless::*group;
    int timeout;
    bool async;
    VkSNMPVarListKind kind;
    int indexColumns;
};

TEST_F(WirelessPageTest, EachGroupHasItsTimeOutAndMode) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WdsWalkDone(*page));
    using P = TFM_Wirless;
    const GroupCase cases[] = {
        {"basic", &P::BasicRequest, 2000, false, MVT_SV, 0},
        {"channel in use", &P::BaseChannelRequest, 5000, false, MVT_SV, 0},
        {"wireless mode", &P::WifiModeRequest, 10000, false, MVT_SV, 0},
        {"multi-SSID state", &P::MssidStateRequest, 1000, false, MVT_SV, 0},
        {"security", &P::SecurityRequest, 5000, false, MVT_SV, 0},
        {"WEP key 1", &P::WepKey1Request, 1000, false, MVT_SV, 0},
        {"WEP key 4", &P::WepKey4Request, 1000, false, MVT_SV, 0},
        {"pass phrase", &P::WpaPskRequest, 1000, false, MVT_SV, 0},
        {"RADIUS", &P::RadiusRequest, 1000, false, MVT_SV, 0},
        {"partner places", &P::RemoteApListRequest, 5000, false, MVT_SV, 0},
        {"partner walk", &P::RemoteApTableRequest, 5000, true, MVT_UMV, 2},
        {"delete-all", &P::RemoteApDeleteAllRequest, 100, false, MVT_SV, 0},
        {"multi-SSID rules", &P::WirelessMssidTableRequest, 1000, false, MVT_UMV, 2},
        {"survey refresh", &P::SiteSurveyRefreshRequest, 1000, true, MVT_SV, 0},
        {"survey", &P::SiteSurveyRequest, 1000, true, MVT_UMV, 1},
        {"WDS survey refresh", &P::WdsSiteSurveyRefreshRequest, 1000, true, MVT_SV, 0},
        {"WDS survey", &P::WdsSiteSurveyRequest, 1000, true, MVT_UMV, 1},
        {"manager address limiting", &P::ManagerIpStatusRequest, 10000, false, SVT_SV, 0},
        {"VLAN state", &P::VlanStatusRequest, 10000, false, SVT_SV, 0},
        {"AP array state", &P::ApArrayStatusRequest, 10000, false, SVT_SV, 0},
        {"operating mode state", &P::ApModeStatusRequest, 5000, false, MVT_SV, 0},
        {"country code", &P::CountryCodeRequest, 5000, false, MVT_SV, 0},
        {"application", &P::ApplicationRequest, 5000, false, MVT_SV, 0},
        {"5 GHz indoor WDS channels", &P::IndoorWdsChannelsRequest, 5000, false, MVT_SV, 0},
        {"5 GHz indoor channels", &P::IndoorChannelsRequest, 5000, false, MVT_SV, 0},
        {"5 GHz outdoor channels", &P::OutdoorChannelsRequest, 5000, false, MVT_SV, 0},
        {"MAC clone state", &P::MacCloneStatusRequest, 50000, false, MVT_SV, 0},
        {"MAC clone scan", &P::MacCloneRefreshRequest, 50000, false, MVT_SV, 0},
        {"MAC clone address", &P::MacCloneRequest, 50000, false, MVT_SV, 0},
        {"MAC clone list", &P::MacCloneListRequest, 10000, true, MVT_UMV, 1},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.name);
        const VkSNMPRequest2Edits* group = (*page).*c.group;
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->request.timeout, c.timeout);
        EXPECT_EQ(group->async, c.async);
        EXPECT_EQ(group->request.vars.kind, c.kind);
        EXPECT_EQ(group->request.vars.keyCount, c.indexColumns);
    }
}

// A group only the opening reads (the AP array state) that could not be
// read then is read by Refresh, so that a Save can write it.
TEST_F(WirelessPageTest, RefreshReadsAgainWhatAnEarlierLoadCouldNotRead) {
    ASSERT_TRUE(Started());
    UseFixture("wds");
    ShortenTimeouts();
    Control("drop 2");  // the first read and its retry: the opening stops
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_EQ(Status(*page), DeviceSilentText);
    Control("clearlog");
    page->Bt_Refresh->Click();
    ASSERT_TRUE(WdsWalkDone(*page));
    const std::vector<std::string> reads = FirstObjects(Logged("GET"));
    EXPECT_EQ(reads.back(), "E.3.11.1.1.1.0") << "the AP array state, after the groups of every load";
    EXPECT_TRUE(Walked(Logged("GETNEXT"), "E.3.3.3.1.2")) << "the multi-SSID rules";
    EXPECT_TRUE(page->Groups.Unread().empty()) << Status(*page);
    TypeWdsSettingsAndSave(*page);
    EXPECT_EQ(Status(*page), "Setting Success!");
    EXPECT_EQ(Value("E.3.11.1.1.1.0"), "0") << "the AP array is off in WDS";
}

TEST_F(WirelessPageTest, TheLoadStopsAtTheFirstReadTheDeviceDoesNotAnswer) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("drop 2");  // the first read and its retry
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    EXPECT_TRUE(page->Groups.Silent());
    EXPECT_EQ(Status(*page), DeviceSilentText);
    EXPECT_TRUE(Logged("GET").empty()) << "nothing read after the silence";
    EXPECT_FALSE(page->BasicRequest->lastReadOk);
    // The device answers again: Refresh reads everything.
    page->Bt_Refresh->Click();
    EXPECT_FALSE(page->Groups.Silent());
    EXPECT_TRUE(page->Groups.Unread().empty()) << Status(*page);
    EXPECT_TRUE(page->BasicRequest->lastReadOk);
    EXPECT_EQ(page->CB_APMode->Text(), "Access Point");
}

TEST_F(WirelessPageTest, AGroupTheDeviceLacksIsNamedAndTheRestIsRead) {
    ASSERT_TRUE(Started());
    // The device's objects without the radio's operating-mode state.
    RestartSimWithout("dot11ApModeStatus");
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    EXPECT_EQ(page->Groups.Unread(), std::vector<std::string>{"operating mode state"});
    EXPECT_EQ(Status(*page), std::string(NotReadPrefix) + "operating mode state");
    EXPECT_FALSE(page->ApModeStatusRequest->lastReadOk);
    EXPECT_TRUE(page->BasicRequest->lastReadOk);
    EXPECT_EQ(page->Ed_SSID->Text(), Value("E.2.1.3.3.1.1.1.1.1"));
}

TEST_F(WirelessPageTest, ClosingWithTheWdsWalkOutstandingIsSafe) {
    ASSERT_TRUE(Started());
    UseFixture("wds-with-ap");
    Control("delay 200");
    {
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        EXPECT_TRUE(page->RemoteApTableRequest->busy);
    }
    RunFor(500);  // the walk's answers arrive after the page has gone
    EXPECT_FALSE(Logged("GETNEXT").empty()) << "the device answered the walk";
}

class WirelessPageAccessTest : public WirelessPageTest, public ::testing::WithParamInterface<pagetest::Access> {};

TEST_P(WirelessPageAccessTest, ReadsTheRadioAndItsSecurity) {
    ASSERT_TRUE(Started());
    UseFixture("ap-wpa2-personal");
    UseAccess(GetParam());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    EXPECT_TRUE(page->Groups.Unread().empty()) << Status(*page);
    EXPECT_EQ(page->CB_SecurityMode->Text(), "WPA-Personal");
    EXPECT_EQ(page->Ed_Passphrase->Text(), "secretpass1");
}

INSTANTIATE_TEST_SUITE_P(Versions, WirelessPageAccessTest, ::testing::Values(pagetest::kV1, pagetest::kV3AuthPriv),
                         [](const auto& info) { return std::string(info.param.version == 0 ? "v1" : "v3"); });

TEST_F(WirelessPageTest, TheHomeMenuEntryOpensThePageAndCloseClosesIt) {
    ASSERT_TRUE(Started());
    UseFixture("ap-wpa2-personal");
    RegisterBasicPages();
    // The page's creation step processes messages while it fills its lists,
    // so wait for the modal loop before closing.
    bool seen = false;
    std::function<void()> closeWhenShown = [&] {
        if (FM_Wirless == nullptr || !FM_Wirless->Modal()) {
            Later(20, closeWhenShown);
            return;
        }
        seen = true;
        SavePicture(*FM_Wirless, "wireless-ap-wpa2-personal");
        FM_Wirless->Bt_Close->Click();
    };
    Later(20, closeWhenShown);
    EXPECT_TRUE(OpenRegisteredPage("hWirelessBand1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Wirless, nullptr);
}

}  // namespace
