// The Traffic Control page against the simulated access point: what each tab
// shows after the opening (availability from the Multi-SSID state, the SSID
// states and the WDS peers, short device tables), the Link, QoS and Traffic
// Manager Saves as the device receives them, and the rule add, edit, delete
// sequences with their failures.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "pages/common/page_groups.h"
#include "pages/network/network_pages.h"
#include "pages/network/traffic_control_page.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "sim/line_tokens.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

const std::string kFixtures = VAP_NETWORK_FIXTURES;
constexpr char kDownBandwidth[] = "E.3.9.1.2.1.0";
constexpr char kUpBandwidth[] = "E.3.9.1.2.2.0";
constexpr char kQosState[] = "E.3.9.2.2.1.1.0";
constexpr char kManagerStatus[] = "E.3.9.3.1.1.0";
constexpr char kRuleIp[] = "E.3.9.3.2.2.0";
constexpr char kRuleAction[] = "E.3.9.3.2.6.0";
constexpr int kMultiSsid1 = TrafficInterface::FirstMultiSsid;
constexpr int kWds1 = TrafficInterface::FirstWds;

std::string Mode(int row) { return "E.3.9.1.1.1.1.3." + std::to_string(row + 1); }
std::string Set(const std::string& oid, const std::string& syntax, const std::string& value) {
    return DeviceOid(oid) + "=" + syntax + ":" + value;
}
std::string Joined(const Texts& varbinds) {
    std::string text;
    for (const std::string& varbind : varbinds) text += (text.empty() ? "" : " ") + varbind;
    return text;
}
// The SET of the mode rows 0 .. count-1 with these modes.
std::string ModesSet(const std::vector<int>& modes) {
    Texts varbinds;
    for (size_t row = 0; row < modes.size(); ++row)
        varbinds.push_back(Set(Mode(static_cast<int>(row)), "integer", std::to_string(modes[row])));
    return Joined(varbinds);
}
std::string BandwidthSet(const std::string& down, const std::string& up) {
    return Set(kDownBandwidth, "integer", down) + " " + Set(kUpBandwidth, "integer", up);
}
// The rule scalars with their action, as the device receives them.
std::string RuleSet(const std::string& name, const std::string& ip, const std::string& down, const std::string& up,
                    int action) {
    Texts varbinds = {Set("E.3.9.3.2.1.0", "string", sim::QuoteToken(name))};
    if (!ip.empty()) varbinds.push_back(Set(kRuleIp, "ipaddress", ip));
    if (!down.empty()) varbinds.push_back(Set("E.3.9.3.2.4.0", "integer", down));
    if (!up.empty()) varbinds.push_back(Set("E.3.9.3.2.5.0", "integer", up));
    varbinds.push_back(Set(kRuleAction, "integer", std::to_string(action)));
    return Joined(varbinds);
}

class TrafficPageTest : public pagetest::PageTest {
protected:
    void UseFixture() { RestartSim({"--fixture", kFixtures + "/traffic_control.txt"}); }
    // Waits until no asynchronous read or write of the page is outstanding.
    bool Settle(TFM_TrafficCtrl& page) {
        return RunUntil([&] {
            return !page.QosPortRequest->busy && !page.TrafficRuleRequest->busy &&
                   !page.TrafficRuleListRequest->busy && page.RuleWriteStep == TFM_TrafficCtrl::RuleStep::None;
        });
    }
    void Open(OpenedPage<TFM_TrafficCtrl>& page) { ASSERT_TRUE(Settle(*page)); }
    void Act(TFM_TrafficCtrl& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    static Texts Rules(const TFM_TrafficCtrl& page) { return pagetest::ListRows(*page.LV_TrafficManRuleUser, " "); }
    static void ChooseRule(TFM_TrafficCtrl& page, int position) {
        page.LV_TrafficManRuleUser->Item(position)->SetSelected(true);
        page.LV_TrafficManRuleUser->OnClick(page.LV_TrafficManRuleUser);
    }
    static void TypeRule(TFM_TrafficCtrl& page, const std::string& name, const std::string& ip,
                         const std::string& down, const std::string& up) {
        page.Ed_Name->SetText(name);
        page.Ed_ClientIP->SetText(ip);
        page.Ed_ClientMAC->SetText("");
        page.Ed_DLinkSp->SetText(down);
        page.Ed_ULinkSp->SetText(up);
    }
    // Checked / enabled of a pair: "D" or "U" for the checked box, "-" for
    // none, then "e" or "x" for each box enabled or not.
    static std::string Pair(const TFM_TrafficCtrl& page, int row) {
        const ui::CheckBox& down = *page.DownlinkBoxes[row];
        const ui::CheckBox& up = *page.UplinkBoxes[row];
        std::string text = down.Checked() ? "D" : up.Checked() ? "U" : "-";
        if (down.Checked() && up.Checked()) text = "DU";
        return text + (down.Enabled() ? "e" : "x") + (up.Enabled() ? "e" : "x");
    }
    static std::string Status3(const TFM_TrafficCtrl& page) { return page.StatusBar3->SimpleText(); }
};

// A device that does not answer stops the opening at its first read; every
// tab says why and the rule list stays empty.
TEST_F(TrafficPageTest, ASilentDeviceStopsTheOpeningOnEveryTab) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Control("up");
    for (ui::StatusBar* bar : {page->StatusBar1, page->StatusBar2, page->StatusBar3})
        EXPECT_EQ(bar->SimpleText(), DeviceSilentText);
    EXPECT_EQ(page->LV_TrafficManRule->ItemCount(), 0);
}

TEST_F(TrafficPageTest, OpensWithEachTabShowingTheDevice) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ Traffic Control");
    EXPECT_EQ(page->ts1->Caption(), "UplinkDownlink Setting");
    EXPECT_EQ(page->ts2->Caption(), " QoS");
    EXPECT_EQ(page->ts3->Caption(), "Traffic Manager");
    // A device mode is shown in its pair, also in a pair that cannot be used.
    const Texts pairs = {"Dex", "Uxe", "-ee", "Dxx", "Uxe", "-xx", "-xx", "-xx", "-xx",
                         "Dex", "Uxx", "-ee", "-xx", "-xx", "-xx", "-xx", "-xx"};
    for (int row = 0; row < TrafficInterface::Count; ++row) EXPECT_EQ(Pair(*page, row), pairs[row]) << row;
    EXPECT_EQ(page->DownlinkBoxes[kMultiSsid1]->Name(), "ChBox_Multissid1");
    EXPECT_EQ(page->UplinkBoxes[kWds1]->Caption(), "WDS1");
    EXPECT_EQ(page->DownlinkBoxes[0]->Caption(), "Ethernet ");
    for (ui::Edit* edit : {page->Ed_DownLink, page->Ed_DownLBWidth, page->Ed_DownLBand}) EXPECT_EQ(edit->Text(), "100");
    for (ui::Edit* edit : {page->Ed_UpLink, page->Ed_UpLBWidth, page->Ed_UpLBand}) EXPECT_EQ(edit->Text(), "50");
    for (ui::Edit* mirror : {page->Ed_DownLBWidth, page->Ed_UpLBWidth, page->Ed_DownLBand, page->Ed_UpLBand})
        EXPECT_FALSE(mirror->Enabled()) << mirror->Name();
    EXPECT_TRUE(page->StatusBar1->SimpleText().empty()) << page->StatusBar1->SimpleText();
    SavePicture(*page, "traffic-control-links");

    // QoS on: its controls are usable but the device's fixed ports.
    EXPECT_TRUE(page->ChBox_Qos->Checked());
    EXPECT_EQ(pagetest::Items(page->PriorityCombos[0]), (Texts{"highest", "second", "thrid", "low"}));
    EXPECT_EQ(page->PriorityCombos[0]->Text(), "highest");
    EXPECT_EQ(page->PriorityCombos[8]->Text(), "low");
    EXPECT_TRUE(page->LimitEdits[4]->Enabled());
    EXPECT_EQ(page->PortEdits[0]->Text(), "53,67,68");
    EXPECT_FALSE(page->PortEdits[0]->Enabled());
    EXPECT_EQ(page->PortStartEdits[0]->Text(), "5000");
    EXPECT_EQ(page->PortEndEdits[3]->Text(), "8100");
    EXPECT_FALSE(page->PortEdits[4]->Visible());
    page->pgc1->SetActivePageIndex(1);
    SavePicture(*page, "traffic-control-qos");

    // The traffic manager on: its rules, the free row between them left out.
    EXPECT_EQ(page->Cbox_TrafficMan->Text(), "Enable");
    EXPECT_EQ(page->Cbox_ClientTraffic->Text(), "Deny");
    EXPECT_TRUE(page->GroupBox7->Visible());
    EXPECT_EQ(Rules(*page), (Texts{"alpha 192.168.0.20 000000000000 10 5", "beta 0.0.0.0 00907A0000B0 20 0"}));
    EXPECT_TRUE(page->Bt_TrafficAdd->Enabled());
    EXPECT_FALSE(page->Bt_TrafficDel->Enabled());
    EXPECT_EQ(page->Ed_ClientMAC->MaxLength(), 12);
    ChooseRule(*page, 1);
    EXPECT_EQ(page->Ed_Name->Text(), "beta");
    EXPECT_EQ(page->Ed_ClientIP->Text(), "") << "no client IP";
    EXPECT_EQ(page->Ed_ClientMAC->Text(), "00907A0000B0");
    EXPECT_EQ(page->Ed_DLinkSp->Text(), "20");
    page->pgc1->SetActivePageIndex(2);
    SavePicture(*page, "traffic-control-manager");
}

// The first object of each logged request.
Texts FirstObjects(const Texts& pdus) {
    Texts objects;
    for (const std::string& pdu : pdus) objects.push_back(pdu.substr(0, pdu.find_first_of("= ")));
    return objects;
}

TEST_F(TrafficPageTest, TheOpeningReadsInTheDevicesOrderWithItsGroupsTimeOutsAndModes) {
    ASSERT_TRUE(Started());
    Control("clearlog");
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    const std::string bandwidths = DeviceOid(kDownBandwidth);
    EXPECT_EQ(FirstObjects(Logged("GET")),
              (Texts{DeviceOid("E.3.3.1.1.1.1"), DeviceOid(Mode(0)), bandwidths, DeviceOid(kQosState), bandwidths,
                     DeviceOid("E.3.9.2.2.2.1.1.3.1"), DeviceOid("E.3.9.2.2.2.1.1.4.1"),
                     DeviceOid("E.3.9.2.2.2.1.1.5.1"), bandwidths, DeviceOid(kManagerStatus)}));
    const Texts walks = FirstObjects(Logged("GETNEXT"));
    ASSERT_FALSE(walks.empty());
    EXPECT_EQ(walks.front(), DeviceOid("E.3.3.3.1.2")) << "the SSID states first";
    EXPECT_NE(std::find(walks.begin(), walks.end(), DeviceOid("E.2.1.3.3.1.2.1.1.2")), walks.end());
    EXPECT_EQ(walks.back().rfind(DeviceOid("E.3.9.3.3.1."), 0), 0u) << "the rule list last";

    using P = TFM_TrafficCtrl;
    VkSNMPRequest2Edits* P::*const asyncGroups[] = {&P::QosPortRequest, &P::TrafficRuleRequest,
                                                    &P::TrafficRuleListRequest};
    VkSNMPRequest2Edits* P::*const groups[] = {
        &P::SsidStateWalkRequest, &P::RemoteApWalkRequest,    &P::MssidStateRequest,       &P::InterfaceModeRequest,
        &P::LinkBandwidthRequest, &P::QosStateRequest,        &P::QosBandwidthRequest,     &P::QosPriorityRequest,
        &P::QosLimitRequest,      &P::QosPortRequest,         &P::ManagerBandwidthRequest, &P::ManagerStateRequest,
        &P::TrafficRuleRequest,   &P::TrafficRuleListRequest};
    for (VkSNMPRequest2Edits* P::*group : groups) {
        const VkSNMPRequest2Edits& request = *((*page).*group);
        EXPECT_EQ(request.request.timeout, 10000);
        const bool async = std::find(std::begin(asyncGroups), std::end(asyncGroups), group) != std::end(asyncGroups);
        EXPECT_EQ(request.async, async) << request.request.vars.Item(0)->name;
    }
}

TEST_F(TrafficPageTest, WithMultiSsidOffOnlyEthernetAndThePrimarySsidAreShapedAndSaved) {
    ASSERT_TRUE(Started());
    SetValue(Mode(kWds1), "1");  // a mode the page cannot change now
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    EXPECT_EQ(Pair(*page, 0), "-ee");
    EXPECT_EQ(Pair(*page, 1), "-ee");
    EXPECT_EQ(Pair(*page, kMultiSsid1), "-xx");
    EXPECT_EQ(Pair(*page, kWds1), "Dxx");
    for (ui::Edit* edit : {page->Ed_DownLink, page->Ed_UpLink, page->Ed_DownLBWidth, page->Ed_UpLBand})
        EXPECT_EQ(edit->Text(), "") << "a bandwidth of 0 is not set";

    // The boxes of a pair exclude each other.
    page->DownlinkBoxes[0]->SetChecked(true);
    EXPECT_EQ(Pair(*page, 0), "Dex");
    page->DownlinkBoxes[0]->SetChecked(false);
    EXPECT_EQ(Pair(*page, 0), "-ee");
    page->UplinkBoxes[1]->SetChecked(true);

    Dialogs().ExpectBox("Warning", "Downlink or uplink bandwidth range should be 1~150 mega bits/sec!", ui::Answer::Ok);
    page->Ed_DownLink->SetText("151");
    page->Ed_UpLink->SetText("20");
    Act(*page, page->Bt_LinkApply);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_DownLink->Text(), "") << "the refused edit is emptied";

    page->Ed_DownLink->SetText("150");
    Act(*page, page->Bt_LinkApply);
    EXPECT_EQ(Logged("SET"), (Texts{ModesSet({0, 2}), BandwidthSet("150", "20")}));
    EXPECT_EQ(page->StatusBar1->SimpleText(), "Save OK!");
    EXPECT_EQ(Value(Mode(kWds1)), "1");
    for (ui::Edit* mirror : {page->Ed_DownLBWidth, page->Ed_DownLBand}) EXPECT_EQ(mirror->Text(), "150");
    for (ui::Edit* mirror : {page->Ed_UpLBWidth, page->Ed_UpLBand}) EXPECT_EQ(mirror->Text(), "20");
}

TEST_F(TrafficPageTest, LinkSaveWritesAllSeventeenModesAndAnUnavailablePairKeepsItsMode) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    page->UplinkBoxes[1]->SetChecked(false);  // the primary SSID: no longer shaped
    page->DownlinkBoxes[kMultiSsid1]->SetChecked(true);
    Act(*page, page->Bt_LinkApply);
    EXPECT_EQ(Logged("SET"),
              (Texts{ModesSet({1, 0, 1, 1, 2, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0, 0, 0}), BandwidthSet("100", "50")}));
    EXPECT_EQ(page->StatusBar1->SimpleText(), "Save OK!");
}

TEST_F(TrafficPageTest, AFailedLinkSaveSaysSoAndTheOtherTabsKeepTheDevicesBandwidths) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    Control("error " + DeviceOid(kDownBandwidth) + " genErr");
    page->Ed_DownLink->SetText("120");
    Act(*page, page->Bt_LinkApply);
    EXPECT_EQ(page->StatusBar1->SimpleText(), "Save Fail!");
    EXPECT_EQ(page->Ed_DownLBWidth->Text(), "100");
    EXPECT_EQ(page->Ed_DownLBand->Text(), "100");

    // A later QoS Save writes the bandwidth the device holds, not the one typed.
    Act(*page, page->Bt_QosApply);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_EQ(sets[0], Set(kQosState, "integer", "1"));
    EXPECT_EQ(sets[1], BandwidthSet("100", "50"));
    EXPECT_EQ(page->StatusBar2->SimpleText(), "Save OK!");
}

TEST_F(TrafficPageTest, QosSaveChecksEveryRangeThenMakesItsFiveWrites) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    page->PortStartEdits[3]->SetText("99999");
    Dialogs().ExpectBox("Warning", "Invaild value for the port !", ui::Answer::Ok);
    Act(*page, page->Bt_QosApply);
    EXPECT_EQ(page->PortStartEdits[3]->Text(), "");
    page->PortStartEdits[3]->SetText("9000");
    page->PortEndEdits[3]->SetText("8000");
    Dialogs().ExpectBox("Warning", "The end port must be equal or larger than the start port !", ui::Answer::Ok);
    Act(*page, page->Bt_QosApply);
    EXPECT_EQ(page->PortStartEdits[3]->Text(), "9000") << "kept for correcting";
    page->LimitEdits[2]->SetText("101");
    Dialogs().ExpectBox("Warning", "Invaild value for the limit !", ui::Answer::Ok);
    Act(*page, page->Bt_QosApply);
    EXPECT_TRUE(Logged("SET").empty());

    page->LimitEdits[2]->SetText("40");
    page->PortEndEdits[3]->SetText("9100");
    pagetest::Pick(page->PriorityCombos[1], "low");
    Act(*page, page->Bt_QosApply);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_NE(sets[2].find(Set("E.3.9.2.2.2.1.1.3.2", "integer", "4")), std::string::npos) << sets[2];
    EXPECT_NE(sets[3].find(Set("E.3.9.2.2.2.1.1.4.3", "integer", "40")), std::string::npos) << sets[3];
    EXPECT_EQ(sets[4], Joined({Set("E.3.9.2.2.2.1.1.5.1", "string", sim::QuoteToken("53,67,68")),
                               Set("E.3.9.2.2.2.1.1.5.2", "string", sim::QuoteToken("80,443")),
                               Set("E.3.9.2.2.2.1.1.5.3", "string", sim::QuoteToken("25,110,143")),
                               Set("E.3.9.2.2.2.1.1.5.4", "string", sim::QuoteToken("20,21")),
                               Set("E.3.9.2.2.2.1.1.5.5", "string", sim::QuoteToken("5000-5100")),
                               Set("E.3.9.2.2.2.1.1.5.6", "string", sim::QuoteToken("6000-6100")),
                               Set("E.3.9.2.2.2.1.1.5.7", "string", sim::QuoteToken("7000-7100")),
                               Set("E.3.9.2.2.2.1.1.5.8", "string", sim::QuoteToken("9000-9100"))}))
        << "the fixed ports as read";
    EXPECT_EQ(page->StatusBar2->SimpleText(), "Save OK!");
}

TEST_F(TrafficPageTest, UserClassesTheDeviceLeavesAt0To0AreSavedAsTheyAre) {
    ASSERT_TRUE(Started());
    UseFixture();
    for (const char* oid : {"E.3.9.2.2.2.1.1.5.6", "E.3.9.2.2.2.1.1.5.7", "E.3.9.2.2.2.1.1.5.8"})
        SetValue(oid, sim::QuoteToken("0-0"));
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    EXPECT_EQ(page->PortStartEdits[1]->Text(), "0");
    Act(*page, page->Bt_QosApply);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 5u);
    for (const char* oid : {"E.3.9.2.2.2.1.1.5.6", "E.3.9.2.2.2.1.1.5.7", "E.3.9.2.2.2.1.1.5.8"})
        EXPECT_NE(sets[4].find(Set(oid, "string", sim::QuoteToken("0-0"))), std::string::npos) << sets[4];
    EXPECT_EQ(page->StatusBar2->SimpleText(), "Save OK!");
}

TEST_F(TrafficPageTest, QosOnWithoutBandwidthIsShownAsTheDeviceHasItAndOnlyTheUserIsRefused) {
    ASSERT_TRUE(Started());
    SetValue(kQosState, "1");
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    EXPECT_TRUE(page->ChBox_Qos->Checked()) << "no refusal for the device's own state";
    EXPECT_TRUE(page->LimitEdits[0]->Enabled());
    page->ChBox_Qos->SetChecked(false);
    EXPECT_FALSE(page->LimitEdits[0]->Enabled());
    Dialogs().ExpectBox("Warning",
                        "Qos can't enable if uplink and downlink bandwidth are empty in uplink/downlink/setting!",
                        ui::Answer::Ok);
    page->ChBox_Qos->SetChecked(true);
    EXPECT_FALSE(page->ChBox_Qos->Checked());
    EXPECT_FALSE(page->LimitEdits[0]->Enabled());
    page->Ed_UpLink->SetText("10");
    page->ChBox_Qos->SetChecked(true);
    EXPECT_TRUE(page->ChBox_Qos->Checked()) << "one bandwidth is enough";
}

TEST_F(TrafficPageTest, TheManagersSaveWritesItsOwnSettingsOnlyAndTheRuleGroupsFollowItsState) {
    ASSERT_TRUE(Started());
    SetValue(kUpBandwidth, "30");
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    EXPECT_FALSE(page->GroupBox7->Visible());
    EXPECT_FALSE(page->GroupBox8->Visible());
    pagetest::Pick(page->Cbox_TrafficMan, "Enable");
    EXPECT_TRUE(page->GroupBox7->Visible());
    EXPECT_TRUE(page->GroupBox8->Visible());
    TypeRule(*page, "cam", "192.168.0.9", "", "5");
    Act(*page, page->Bt_TrafficApply);
    EXPECT_EQ(Logged("SET"), Texts{Set(kManagerStatus, "integer", "1") + " " + Set("E.3.9.3.1.2.0", "integer", "1")})
        << "no rule scalars, no bandwidths, no ports";
    EXPECT_EQ(Status3(*page), "Save OK!");
}

TEST_F(TrafficPageTest, EnablingTheManagerWithoutBandwidthIsRefused) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    Dialogs().ExpectBox("Warning",
                        "Traffic Manager can't enable if uplink and downlink bandwidth are empty in "
                        "uplink/downlink/setting!",
                        ui::Answer::Ok);
    pagetest::Pick(page->Cbox_TrafficMan, "Enable");
    EXPECT_FALSE(page->GroupBox7->Visible());
}

TEST_F(TrafficPageTest, ANewRuleIsAddedAndTheListReadAgain) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    TypeRule(*page, "gamma", "192.168.0.30", "", "50");
    Act(*page, page->Bt_TrafficAdd);
    EXPECT_EQ(Logged("SET"), Texts{RuleSet("gamma", "192.168.0.30", "0", "50", 1)}) << "an empty speed is 0";
    EXPECT_EQ(Status3(*page), "Add OK!");
    EXPECT_EQ(Rules(*page), (Texts{"alpha 192.168.0.20 000000000000 10 5", "gamma 192.168.0.30 000000000000 0 50",
                                   "beta 0.0.0.0 00907A0000B0 20 0"}))
        << "the new rule went to the free row";
    EXPECT_EQ(page->Ed_Name->Text(), "");

    TypeRule(*page, "beta", "192.168.0.31", "1", "");
    Dialogs().ExpectBox("Warning", "The name has exist, please input username again!", ui::Answer::Ok);
    Act(*page, page->Bt_TrafficAdd);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(TrafficPageTest, AnEditDeletesTheOldRuleByItsNameThenAddsTheNewValues) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    ChooseRule(*page, 0);
    page->Ed_Name->SetText("delta");
    page->Ed_DLinkSp->SetText("40");
    Control("clearlog");
    page->Bt_TrafficAdd->Click();
    EXPECT_FALSE(page->GroupBox7->Enabled()) << "the editor waits for the edit";
    EXPECT_FALSE(page->GroupBox8->Enabled());
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Logged("SET"), (Texts{RuleSet("alpha", "", "", "", 0), RuleSet("delta", "192.168.0.20", "40", "5", 1)}));
    EXPECT_EQ(Status3(*page), "Add OK!");
    EXPECT_EQ(Rules(*page), (Texts{"delta 192.168.0.20 000000000000 40 5", "beta 0.0.0.0 00907A0000B0 20 0"}));
    EXPECT_TRUE(page->GroupBox7->Enabled());
    EXPECT_TRUE(page->GroupBox8->Enabled());

    // Into the name of another rule: refused before anything is deleted.
    ChooseRule(*page, 0);
    page->Ed_Name->SetText("beta");
    Dialogs().ExpectBox("Warning", "The name has exist, please input username again!", ui::Answer::Ok);
    Act(*page, page->Bt_TrafficAdd);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Rules(*page).size(), 2u);
}

TEST_F(TrafficPageTest, AFailedDeleteHalfEndsTheEditAndTheNextAddReplaysNothing) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    ChooseRule(*page, 0);
    page->Ed_Name->SetText("delta");
    Control("error " + DeviceOid(kRuleAction) + " genErr");
    Act(*page, page->Bt_TrafficAdd);
    EXPECT_EQ(Logged("SET").size(), 1u) << "no add after a failed delete";
    EXPECT_EQ(Status3(*page).rfind("Add Fail!", 0), 0u) << Status3(*page);
    EXPECT_EQ(page->Ed_Name->Text(), "delta") << "the new values stay for another try";
    EXPECT_EQ(Rules(*page).size(), 2u);
    EXPECT_TRUE(page->GroupBox7->Enabled());

    page->Bt_TrafficClear->Click();
    TypeRule(*page, "omega", "192.168.0.40", "3", "");
    Act(*page, page->Bt_TrafficAdd);
    EXPECT_EQ(Logged("SET"), Texts{RuleSet("omega", "192.168.0.40", "3", "0", 1)});
    EXPECT_EQ(Rules(*page).size(), 3u);
}

TEST_F(TrafficPageTest, AFailedReAddNamesTheRuleThatIsNowMissing) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    ChooseRule(*page, 0);
    page->Ed_Name->SetText("delta");
    Control("error " + DeviceOid(kRuleIp) + " genErr");  // the add writes the IP, the delete does not
    Act(*page, page->Bt_TrafficAdd);
    EXPECT_EQ(Logged("SET").size(), 2u);
    EXPECT_NE(Status3(*page).find("\"alpha\" was deleted"), std::string::npos) << Status3(*page);
    EXPECT_EQ(Rules(*page), Texts{"beta 0.0.0.0 00907A0000B0 20 0"}) << "the list shows the device";
    EXPECT_EQ(page->Ed_Name->Text(), "delta");
}

TEST_F(TrafficPageTest, DeleteRemovesTheChosenRuleByItsOwnName) {
    ASSERT_TRUE(Started());
    UseFixture();
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    ChooseRule(*page, 1);
    page->Ed_Name->SetText("alpha");  // typed after the choice: not what is deleted
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Cancel);
    Act(*page, page->Bt_TrafficDel);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_Name->Text(), "") << "Cancel still empties the editor";

    ChooseRule(*page, 1);
    Control("error " + DeviceOid(kRuleAction) + " genErr");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Ok);
    Act(*page, page->Bt_TrafficDel);
    EXPECT_EQ(Status3(*page).rfind("Delete Fail!", 0), 0u) << Status3(*page);

    ChooseRule(*page, 1);
    page->Ed_Name->SetText("alpha");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Ok);
    Act(*page, page->Bt_TrafficDel);
    EXPECT_EQ(Logged("SET"), Texts{RuleSet("beta", "", "", "", 0)});
    EXPECT_EQ(Status3(*page), "Delete OK!");
    EXPECT_EQ(Rules(*page), Texts{"alpha 192.168.0.20 000000000000 10 5"});
}

TEST_F(TrafficPageTest, ADeviceWithShortSsidAndWdsTablesLeavesTheMissingRowsUnavailable) {
    ASSERT_TRUE(Started());
    RestartSimWithout({"dot11MssIndividualState", "dot11RemoteApMacAddressList"},
                      {"--fixture", kFixtures + "/traffic_short.txt"});
    OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
    Open(page);
    for (int row = 0; row < TrafficInterface::Count; ++row) {
        const bool listed = row < kMultiSsid1 + 2 || (row >= kWds1 && row < kWds1 + 2);
        EXPECT_EQ(page->DownlinkBoxes[row]->Enabled(), listed) << row;
        EXPECT_EQ(page->UplinkBoxes[row]->Enabled(), listed) << row;
    }
}

TEST_F(TrafficPageTest, ClosingWithARuleWriteOutstandingIsSafe) {
    ASSERT_TRUE(Started());
    UseFixture();
    {
        OpenedPage<TFM_TrafficCtrl> page(FM_TrafficCtrl);
        Open(page);
        TypeRule(*page, "late", "192.168.0.50", "1", "");
        Control("delay 300");
        page->Bt_TrafficAdd->Click();
        EXPECT_TRUE(page->TrafficRuleRequest->busy);
    }
    EXPECT_EQ(FM_TrafficCtrl, nullptr);
    RunFor(400);  // the late answer arrives to nothing
    Control("delay 0");
}

TEST_F(TrafficPageTest, TheMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterNetworkPages();
    bool seen = false;
    // Closes the page once it is shown (its opening reads take a while).
    std::function<void()> closeWhenShown = [&] {
        if (FM_TrafficCtrl == nullptr || !FM_TrafficCtrl->Modal()) {
            Later(20, closeWhenShown);
            return;
        }
        seen = true;
        FM_TrafficCtrl->Close();
    };
    Later(20, closeWhenShown);
    EXPECT_TRUE(OpenRegisteredPage("mniTrafficControl1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_TrafficCtrl, nullptr);
}

}  // namespace
