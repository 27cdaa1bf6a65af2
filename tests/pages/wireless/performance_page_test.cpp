// The Performance page against the simulated access point: what it reads and
// shows, the writes of a Save in each AP mode (from the simulator's PDU log),
// the radio "Off" shortcut, the checks, and the Saves that write nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/performance_page.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "pages/wireless/performance_page_vars.h"
#include "shell/mib_tables.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using Pdus = std::vector<std::string>;

constexpr char kShortGi[] = "E.2.1.3.3.1.1.1.32.1";
constexpr char kChannelWidth[] = "E.2.1.3.3.1.1.1.29.1";
constexpr char kFragment[] = "E.2.1.3.3.1.1.1.19.1";
constexpr char kRts[] = "E.2.1.3.3.1.1.1.20.1";
constexpr char kWifiMode[] = "E.2.1.3.3.1.1.1.16.1";
constexpr char kRadioWave[] = "E.2.1.3.3.1.1.1.23.1";
constexpr char kMulticastG[] = "E.2.1.3.3.1.1.1.45.1";
constexpr char kDataRate[] = "E.2.1.3.3.1.1.1.11.1";

std::string Fixture(const std::string& name) { return std::string(VAP_ADVANCED_FIXTURES) + "/" + name + ".txt"; }

// The values an object has in the PDUs, one per PDU that carries it.
Pdus ValuesOf(const Pdus& pdus, const std::string& object) {
    Pdus values;
    for (const std::string& pdu : pdus) {
        const std::string start = object + "=";
        const size_t at = pdu.rfind(start, 0) == 0 ? 0 : pdu.find(" " + start);
        if (at == std::string::npos) continue;
        const size_t from = pdu.find('=', at) + 1;
        values.push_back(pdu.substr(from, pdu.find(' ', from) - from));
    }
    return values;
}

// The radio group's SET as the default device values give it, by rows.
const std::string kBeaconDtim = "dot11BeaconInterval=100 dot11Dtim=1 ";
const std::string kPowerWmm = "dot11TransmitPower=1 dot11Wmm=1 ";

class PerformancePageTest : public pagetest::PageTest {
protected:
    void Save(TFM_Performace& page) {
        Control("clearlog");
        page.Bt_Apply_a->Click();
    }
    Pdus Sets() { return wirelesstest::Named(Logged("SET")); }
};

TEST_F(PerformancePageTest, OpensWithTheDevicesSettingsInItsReadingOrder) {
    ASSERT_TRUE(Started());
    Control("clearlog");
    OpenedPage<TFM_Performace> page(FM_Performace);
    EXPECT_EQ(page->Caption(), "Advanced \\ Performance");
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_EQ(page->CB_Radio->Text(), "On");
    EXPECT_TRUE(page->CB_WMode1->Visible());
    EXPECT_FALSE(page->CB_WMode2->Visible());
    EXPECT_EQ(page->CB_WMode1->Text(), "Mixed 802.11n,802.11g and 802.11b");
    EXPECT_EQ(page->CB_WMode2->ItemCount(), 0) << "the other band's mode combo stays empty";
    EXPECT_EQ(page->CB_DRate->Text(), "Best(up to 300)");
    EXPECT_EQ(page->Ed_BeInta->Text(), "100");
    EXPECT_EQ(page->Ed_DTIMa->Text(), "1");
    EXPECT_EQ(page->CB_TranPa->Text(), "100%");
    EXPECT_EQ(page->Ed_AckTimeOut->Text(), "64");
    EXPECT_EQ(page->Ed_ULimit->Text(), "20");
    EXPECT_EQ(page->CB_Grouping->Text(), "Disable");
    EXPECT_FALSE(page->Ed_ULimit->Enabled());
    // An 802.11n mode offers the device's rates without "Disable": the stored
    // "Disable" selects nothing (and is written back as read).
    EXPECT_EQ(page->CB_RateBand->ItemIndex(), -1);
    EXPECT_EQ(page->CB_RateBand->ItemText(0), "1");
    EXPECT_EQ(page->CB_RateBand->DropDownCount(), 15);
    EXPECT_EQ(page->Label_Ack->Caption(), "Ack Time Out (2.4GHz, 64~200)");
    EXPECT_EQ(page->LB_RateBand->Caption(), "Multicast Rate for 2.4G Band");
    struct Limit {
        ui::Edit* edit;
        int length;
    } const limits[] = {{page->Ed_BeInta, 3}, {page->Ed_DTIMa, 2}, {page->Ed_AckTimeOut, 3}, {page->Ed_ULimit, 2}};
    for (const Limit& l : limits) EXPECT_EQ(l.edit->MaxLength(), l.length) << l.edit->Name();
    // The band first (it picks the wireless-mode object), then the load.
    const Pdus gets = wirelesstest::Named(Logged("GET"));
    const char* const firsts[] = {"dot11Band=",           "dot11Authentication=", "dot11CipherType=",
                                  "dot11BeaconInterval=", "dot11ApMode=",         "dot11ChannelWidth=",
                                  "dot11Band=",           "dot11MulticastRateABandList=", "dot11WifiMode="};
    ASSERT_EQ(gets.size(), std::size(firsts));
    for (size_t i = 0; i < gets.size(); ++i) EXPECT_EQ(gets[i].rfind(firsts[i], 0), 0u) << gets[i];
    EXPECT_EQ(gets[3].find("dot11FragmentLength"), gets[3].rfind("dot11FragmentLength")) << "read once";
    SavePicture(*page, "performance-page");
}

TEST_F(PerformancePageTest, The5GHzBandUsesItsModeObjectsAndTexts) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", Fixture("band5")});
    OpenedPage<TFM_Performace> page(FM_Performace);
    EXPECT_TRUE(page->CB_WMode2->Visible());
    EXPECT_FALSE(page->CB_WMode1->Visible());
    EXPECT_EQ(page->CB_WMode2->Text(), "Mixed 802.11n and 802.11a");
    EXPECT_EQ(page->Label_Ack->Caption(), "Ack Time Out (5GHz, 50~200)");
    EXPECT_EQ(page->LB_RateBand->Caption(), "Multicast Rate for 5G Band");
    EXPECT_EQ(page->CB_DRate->ItemCount(), 9);
    Save(*page);
    EXPECT_EQ(Sets(), (Pdus{"dot11WifiMode=9",
                            kBeaconDtim + kPowerWmm +
                                "dot11ShortGI=1 dot11Igmpsnooping=0 dot11RadioWave=1 dot11DataRate=Auto "
                                "dot11LoadBalance=0 dot11LinkIntegrate=0 dot11AckTimeout=50 dot11MulticastRateABand=Disable",
                            "dot11MulticastRateABand=Disable dot11MulticastRateGBand=Disable"}));
    EXPECT_EQ(Status(*page), "Save OK!");
}

// Each AP mode writes its rows: the WDS modes no connection limit, Wireless
// Client neither beacon, DTIM, IGMP snooping, data rate, limit nor mode;
// fragment and RTS lengths never.
TEST_F(PerformancePageTest, EachApModeWritesItsObjectsInOrder) {
    ASSERT_TRUE(Started());
    const std::string wds = kBeaconDtim + kPowerWmm +
                            "dot11ShortGI=1 dot11Igmpsnooping=0 dot11RadioWave=1 dot11DataRate=Auto "
                            "dot11LinkIntegrate=0 dot11AckTimeout=64 dot11MulticastRateGBand=Disable";
    struct Case {
        const char* fixture;
        Pdus sets;
    } const cases[] = {
        {"",
         {"dot11WifiMode=6",
          kBeaconDtim + kPowerWmm +
              "dot11ShortGI=1 dot11Igmpsnooping=0 dot11RadioWave=1 dot11DataRate=Auto dot11LoadBalance=0 "
              "dot11LinkIntegrate=0 dot11AckTimeout=64 dot11MulticastRateGBand=Disable",
          "dot11MulticastRateGBand=Disable"}},
        {"limit-on",
         {"dot11WifiMode=6",
          kBeaconDtim + kPowerWmm +
              "dot11ShortGI=1 dot11Igmpsnooping=0 dot11RadioWave=1 dot11DataRate=Auto dot11LoadBalance=1 "
              "dot11UserLimit=30 dot11LinkIntegrate=0 dot11AckTimeout=64 dot11MulticastRateGBand=Disable",
          "dot11MulticastRateGBand=Disable"}},
        {"wds-with-ap", {"dot11WifiMode=6", wds, "dot11MulticastRateGBand=Disable"}},
        {"wds", {"dot11WifiMode=6", wds, "dot11MulticastRateGBand=Disable"}},
        {"client",
         {kPowerWmm + "dot11ShortGI=1 dot11RadioWave=1 dot11LinkIntegrate=0 dot11AckTimeout=64 "
                      "dot11MulticastRateGBand=Disable",
          "dot11MulticastRateGBand=Disable"}},
        // Short GI is forced off without 802.11n; the device's "on" is not
        // overwritten unasked.
        {"legacy-mode",
         {"dot11WifiMode=3",
          kBeaconDtim + kPowerWmm +
              "dot11Igmpsnooping=0 dot11RadioWave=1 dot11DataRate=11 dot11LoadBalance=0 "
              "dot11LinkIntegrate=0 dot11AckTimeout=64 dot11MulticastRateGBand=5.5",
          "dot11MulticastRateGBand=5.5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.fixture ? c.fixture : "access point");
        RestartSim(*c.fixture ? std::vector<std::string>{"--fixture", Fixture(c.fixture)} : std::vector<std::string>{});
        OpenedPage<TFM_Performace> page(FM_Performace);
        Save(*page);
        EXPECT_EQ(Sets(), c.sets);
        EXPECT_EQ(Status(*page), "Save OK!");
        EXPECT_EQ(Value(kFragment), "2346");
        EXPECT_EQ(Value(kRts), "2347");
    }
}

// A value the page chose itself is not written unless the user changes it:
// a Wireless Client's Short GI forced by the channel width, the first mode
// shown in place of a removed "802.11n Only".
TEST_F(PerformancePageTest, ValuesThePageChoseAreWrittenOnlyWhenTheUserChangesThem) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", Fixture("client")});
    SetValue(kChannelWidth, "1");
    {
        OpenedPage<TFM_Performace> page(FM_Performace);
        EXPECT_EQ(page->CB_ShortGI->Text(), "Disable");
        Save(*page);
        ASSERT_FALSE(Logged("SET").empty());
        EXPECT_EQ(Sets()[0].find("dot11ShortGI"), std::string::npos) << Sets()[0];
        EXPECT_EQ(Value(kShortGi), "1");
    }
    RestartSim({"--fixture", Fixture("tkip-n-only")});
    OpenedPage<TFM_Performace> page(FM_Performace);
    EXPECT_EQ(pagetest::Items(page->CB_WMode1),
              (pagetest::Texts{"Mixed 802.11n,802.11g and 802.11b", "Mixed 802.11g and 802.11b"}));
    EXPECT_EQ(page->CB_WMode1->ItemIndex(), 0);
    Save(*page);
    ASSERT_EQ(Sets().size(), 2u) << "no wireless-mode write";
    EXPECT_EQ(Sets()[0].rfind("dot11BeaconInterval", 0), 0u);
    EXPECT_EQ(Value(kWifiMode), "2");
    pagetest::Pick(page->CB_WMode1, "Mixed 802.11g and 802.11b");
    Save(*page);
    EXPECT_EQ(Sets().front(), "dot11WifiMode=3");
    EXPECT_EQ(Status(*page), "Save OK!");
}

// In a mode without 802.11n a stored rate the list does not offer is shown
// by a fallback entry ("Disable" for the multicast rate, "Best(up to 54)"
// for "Auto"): a Save that changes only the beacon interval leaves such a
// rate out, a rate shown as stored or chosen by the user is written.
TEST_F(PerformancePageTest, ARateShownByFallbackIsWrittenOnlyWhenTheUserChangesIt) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* name;
        const char* storedMulticast;
        const char* storedDataRate;
        const char* pickMulticast;  // "" left alone
        const char* pickDataRate;   // "" left alone
        Pdus multicast;             // the multicast rate in each SET that carries it
        Pdus dataRate;
    } const cases[] = {
        {"offered, unchanged", "5.5", "11", "", "", {"5.5", "5.5"}, {"11"}},
        {"offered, changed", "5.5", "11", "12", "24", {"12", "12"}, {"24"}},
        {"not offered, unchanged", "6.5", "Auto", "", "", {}, {}},
        {"not offered, changed", "6.5", "Auto", "9", "54", {"9", "9"}, {"54"}},
        {"Auto, chosen away and back", "6.5", "Auto", "", "Best(up to 54)", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RestartSim({"--fixture", Fixture("legacy-mode")});
        SetValue(kMulticastG, std::string("\"") + c.storedMulticast + "\"");
        SetValue(kDataRate, std::string("\"") + c.storedDataRate + "\"");
        OpenedPage<TFM_Performace> page(FM_Performace);
        page->Ed_BeInta->SetText("200");
        if (*c.pickMulticast) pagetest::Pick(page->CB_RateBand, c.pickMulticast);
        if (*c.pickDataRate) {
            pagetest::Pick(page->CB_DRate, "6");  // a change, then the entry the case picks
            pagetest::Pick(page->CB_DRate, c.pickDataRate);
        }
        Save(*page);
        EXPECT_EQ(ValuesOf(Sets(), "dot11MulticastRateGBand"), c.multicast);
        EXPECT_EQ(ValuesOf(Sets(), "dot11DataRate"), c.dataRate);
        EXPECT_NE(Sets().at(1).find("dot11BeaconInterval=200"), std::string::npos);
        EXPECT_EQ(Status(*page), "Save OK!");
        EXPECT_EQ(Value(kMulticastG), c.multicast.empty() ? c.storedMulticast : c.multicast.front());
    }
}

TEST_F(PerformancePageTest, RadioOffWritesOnlyTheSwitchThenReadsAgain) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Performace> page(FM_Performace);
    pagetest::Pick(page->CB_Radio, "Off");
    page->Ed_BeInta->SetText("1");  // not checked on this path
    Control("clearlog");
    page->Bt_Apply_a->Click();
    EXPECT_EQ(Sets(), Pdus{"dot11RadioWave=0"});
    EXPECT_FALSE(Logged("GET").empty()) << "the page is read again";
    EXPECT_EQ(page->Ed_BeInta->Text(), "100");
    EXPECT_EQ(Status(*page), "Save OK!");
    EXPECT_EQ(Value(kRadioWave), "0");
    // On again: a full Save.
    pagetest::Pick(page->CB_Radio, "On");
    Save(*page);
    ASSERT_EQ(Sets().size(), 3u);
    EXPECT_NE(Sets()[1].find("dot11RadioWave=1"), std::string::npos);
    // A failed switch is reported after the reading.
    pagetest::Pick(page->CB_Radio, "Off");
    Control("error " + pagetest::DeviceOid(kRadioWave) + " genErr");
    Save(*page);
    EXPECT_EQ(Status(*page), "Set Error!");
}

TEST_F(PerformancePageTest, ARefusedValueWritesNothingAndEmptiesItsEdit) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Performace> page(FM_Performace);
    struct Case {
        ui::Edit* edit;
        const char* text;
        const char* message;
    } const cases[] = {
        {page->Ed_BeInta, "501", "Please input a number between 25 and 500."},
        {page->Ed_DTIMa, "16", "Please input a number between 1 and 15."},
        {page->Ed_ULimit, "65", "The range of 'User Limit' is from 0 to 64."},
        {page->Ed_AckTimeOut, "201", "The Ack TimeOut value range is 64~200."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const std::string before = c.edit->Text();
        c.edit->SetText(c.text);
        Dialogs().ExpectBox("Error", c.message, ui::Answer::Ok);
        Save(*page);
        EXPECT_TRUE(Logged("SET").empty());
        EXPECT_EQ(c.edit->Text(), "");
        c.edit->SetText(before);
    }
}

// "Save OK!" only when all three writes went through; every write is tried.
TEST_F(PerformancePageTest, AFailedWriteOfAnyGroupIsReported) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", Fixture("band5")});
    OpenedPage<TFM_Performace> page(FM_Performace);
    for (const char* oid : {kMulticastG, kWifiMode}) {
        SCOPED_TRACE(oid);
        Control("error " + pagetest::DeviceOid(oid) + " genErr");
        Save(*page);
        EXPECT_EQ(Sets().size(), 3u);
        EXPECT_EQ(Status(*page), "Set Error!");
    }
    Save(*page);
    EXPECT_EQ(Status(*page), "Save OK!");
}

TEST_F(PerformancePageTest, AModeThatCouldNotBeReadIsNeverWritten) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11WifiMode");
    OpenedPage<TFM_Performace> page(FM_Performace);
    EXPECT_EQ(Status(*page), "Not read from the device: wireless mode");
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Status(*page), "Set Error! Not read from the device: wireless mode");
}

TEST_F(PerformancePageTest, ASilentDeviceStopsTheLoadAndSaveWritesNothing) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_Performace> page(FM_Performace);
    EXPECT_EQ(Status(*page), "The device does not answer: the rest of the settings were not read.");
    Control("up");
    page->Ed_BeInta->SetText("100");
    page->Ed_DTIMa->SetText("1");
    page->Ed_ULimit->SetText("20");
    page->Ed_AckTimeOut->SetText("64");
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Status(*page).rfind("Set Error! Not read from the device: ", 0), 0u) << Status(*page);
}

// Each row: a group of the page, the table it reads (told apart by each row's
// object and option list: the two bands' wireless modes differ only in the
// latter) and its time-out (hundredths of a second per try); every group is
// synchronous, one instance without index columns.
struct GroupCase {
    const char* name;
    VkSNMPRequest2Edits* TFM_Performace::*group;
    const VkSNMPVarEntry* table;
    int timeout;
};

void ExpectGroup(const TFM_Performace& page, const GroupCase& c) {
    SCOPED_TRACE(c.name);
    const VkSNMPRequest2Edits* group = page.*c.group;
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->request.timeout, c.timeout);
    EXPECT_FALSE(group->async);
    EXPECT_EQ(group->request.vars.kind, MVT_SV);
    EXPECT_EQ(group->request.vars.keyCount, 0);
    int rows = 0;
    while (c.table[rows].oid != nullptr) ++rows;
    ASSERT_EQ(group->request.vars.Count(), rows);
    for (int row = 0; row < rows; ++row) {
        EXPECT_EQ(group->request.vars.Item(row)->oid, c.table[row].oid) << "row " << row;
        EXPECT_EQ(group->request.vars.Item(row)->options, c.table[row].options) << "row " << row;
    }
}

TEST_F(PerformancePageTest, EachGroupHasItsTableTimeOutAndMode) {
    ASSERT_TRUE(Started());
    using P = TFM_Performace;
    const GroupCase cases[] = {
        {"security", &P::SecurityRequest, VarsWirelessSecurity, 5000},
        {"cipher", &P::CipherRequest, VarsWirelessWpaPsk, 1000},
        {"radio", &P::RadioRequest, VarsPerformanceRadio, 10000},
        {"AP mode", &P::ApModeRequest, VarsDot11ApMode, 10000},
        {"channel width", &P::ChannelWidthRequest, VarsPerformanceChannelWidth, 10000},
        {"band", &P::BandRequest, VarsDot11Band, 10000},
        {"wireless mode at 2.4 GHz", &P::WifiModeRequest, VarsWifiMode24, 10000},
        {"multicast rate", &P::MulticastRateRequest, VarsPerformanceMulticastRate, 10000},
    };
    {
        OpenedPage<TFM_Performace> page(FM_Performace);
        for (const GroupCase& c : cases) ExpectGroup(*page, c);
    }
    RestartSim({"--fixture", Fixture("band5")});
    OpenedPage<TFM_Performace> page(FM_Performace);
    ExpectGroup(*page, {"wireless mode at 5 GHz", &P::WifiModeRequest, VarsWifiMode5, 10000});
}

TEST_F(PerformancePageTest, TheAdvancedMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterWirelessPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_Performace != nullptr && FM_Performace->Modal() && FM_Performace->Ed_BeInta->Text() == "100";
        if (FM_Performace) FM_Performace->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("adPerformance1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Performace, nullptr);
}

}  // namespace
