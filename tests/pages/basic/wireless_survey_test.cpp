// The Wireless page's scans against the simulated access point: the WDS and
// client site surveys (buttons locked while they run, the walk of the survey
// started, failures), using survey rows (WDS partners, the network to join,
// the band check), adding WDS partners, the MAC clone scan, and closing the
// page with a survey outstanding.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/common/messages.h"
#include "pages/basic/wireless_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "tests/pages/basic/wireless_test_texts.h"
#include "tests/pages/page_test_support.h"

namespace {

using namespace wirelesstest;

using pagetest::OpenedPage;

const char* const kWdsRefresh = "E.2.1.3.3.1.4.1.1.1.1";
const char* const kClientRefresh = "E.2.1.3.3.1.3.1.1.1.1";
const char* const kCloneRefresh = "E.2.1.3.3.6.1.1.4.1";
const char* const kDuplicateText =
    "There is an existent entry with the same MAC Address\nPlease change the MAC Address.";


// Scan, Save, Refresh, Close and the operating mode, enabled or not.
struct Locks {
    bool scan, save, refresh, close, mode;
    bool operator==(const Locks& o) const {
        return scan == o.scan && save == o.save && refresh == o.refresh && close == o.close && mode == o.mode;
    }
};
std::ostream& operator<<(std::ostream& out, const Locks& l) {
    return out << "scan " << l.scan << " save " << l.save << " refresh " << l.refresh << " close " << l.close
               << " mode " << l.mode;
}
const Locks kAllLocked{false, false, false, false, false};
const Locks kAllFree{true, true, true, true, true};

class WirelessSurveyTest : public pagetest::PageTest {
protected:
    void UseFixtures(const std::vector<std::string>& names) {
        std::vector<std::string> arguments;
        for (const std::string& name : names) arguments.insert(arguments.end(), {"--fixture", FixtureFile(name)});
        RestartSim(arguments);
    }
    static Locks LocksOf(TFM_Wirless& page) {
        return {page.SiteScan->Enabled(), page.Bt_Apply->Enabled(), page.Bt_Refresh->Enabled(),
                page.Bt_Close->Enabled(), page.CB_APMode->Enabled()};
    }
    bool SurveyDone(TFM_Wirless& page) {
        return RunUntil([&] { return page.RunningSurvey == TFM_Wirless::SurveyKind::None; });
    }
    bool WalksDone(TFM_Wirless& page) {
        return RunUntil([&] { return page.RemoteApTableRequest && !page.RemoteApTableRequest->busy; });
    }
    static void ClickRow(ui::ListView& view, int row) {
        view.Item(row)->SetSelected(true);
        view.OnClick(&view);
    }
    static std::vector<std::string> WdsEdits(TFM_Wirless& page) {
        std::vector<std::string> texts;
        for (ui::Edit* edit : page.Ed_ReMAddra) texts.push_back(edit->Text());
        return texts;
    }
    // How many logged PDUs of that type name the OID (full form).
    size_t LoggedWith(const std::string& type, const std::string& oid) {
        size_t count = 0;
        for (const std::string& pdu : Logged(type))
            if (pdu.find(pagetest::DeviceOid(oid)) != std::string::npos) ++count;
        return count;
    }
};

TEST_F(WirelessSurveyTest, WdsSurveyLocksThePageUntilItsWalkHasFilledTheList) {
    UseFixtures({"wds"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    ASSERT_EQ(LocksOf(*page), kAllFree);
    Control("scandelay 400");
    Control("clearlog");

    // What the page shows when the refresh write has completed.
    std::string statusAfterRefresh;
    Locks locksAfterRefresh{};
    bool walkRunning = false;
    VkSNMPDoneEvent refreshDone = page->WdsSiteSurveyRefreshRequest->OnSetDone;
    page->WdsSiteSurveyRefreshRequest->OnSetDone = [&](VkSNMPRequest2Controls* s, VkSNMPError* r) {
        refreshDone(s, r);
        statusAfterRefresh = Status(*page);
        locksAfterRefresh = LocksOf(*page);
        walkRunning = page->WdsSiteSurveyRequest->busy;
    };

    page->SiteScan->Click();
    EXPECT_EQ("Detecting...", Status(*page));
    EXPECT_EQ(LocksOf(*page), kAllLocked);
    EXPECT_TRUE(page->LV_WdsSiteServey->Visible());
    EXPECT_FALSE(page->LV_ClientSiteServey->Visible());

    ASSERT_TRUE(SurveyDone(*page));
    EXPECT_EQ("Refresh...!", statusAfterRefresh);
    EXPECT_EQ(locksAfterRefresh, kAllLocked);
    EXPECT_TRUE(walkRunning);
    EXPECT_EQ(MessageText(0), Status(*page));
    EXPECT_EQ(LocksOf(*page), kAllFree);
    ASSERT_EQ(2, page->LV_WdsSiteServey->ItemCount());
    EXPECT_EQ("00907A0A0C02", page->LV_WdsSiteServey->Item(1)->SubItem(2));
    EXPECT_EQ(std::vector<std::string>{pagetest::DeviceOid(kWdsRefresh) + "=integer:1"}, Logged("SET"));

    // Rows fill the first free partner places; a BSSID already there is refused.
    ClickRow(*page->LV_WdsSiteServey, 1);
    ClickRow(*page->LV_WdsSiteServey, 0);
    EXPECT_EQ((std::vector<std::string>{"00907A0A0C02", "00907A0A0C01", "", "", "", "", "", ""}), WdsEdits(*page));
    Dialogs().ExpectBox("Warning", kDuplicateText, ui::Answer::Ok);
    ClickRow(*page->LV_WdsSiteServey, 0);
    EXPECT_EQ("", page->Ed_ReMAddra[2]->Text());
}

TEST_F(WirelessSurveyTest, ClientSurveyRowGivesTheNetworkToJoin) {
    UseFixtures({"client"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    page->SiteScan->Click();
    EXPECT_TRUE(page->LV_ClientSiteServey->Visible());
    EXPECT_FALSE(page->LV_WdsSiteServey->Visible());
    ASSERT_TRUE(SurveyDone(*page));
    EXPECT_EQ(MessageText(0), Status(*page));
    ASSERT_EQ(3, page->LV_ClientSiteServey->ItemCount());

    ClickRow(*page->LV_ClientSiteServey, 1);  // channel 6, "guest"
    EXPECT_EQ("guest", page->Ed_SSID->Text());
    EXPECT_EQ("6", page->CB_Chanal->Text());
    ClickRow(*page->LV_ClientSiteServey, 2);  // channel 36 on 2.4 GHz: not this band
    EXPECT_EQ("guest", page->Ed_SSID->Text());
    EXPECT_EQ("6", page->CB_Chanal->Text());
    EXPECT_EQ(std::vector<std::string>(8, ""), WdsEdits(*page)) << "no partner in client mode";
}

struct BandCase {
    const char* name;
    std::vector<std::string> fixtures;
    const char* channel;  // of the row, set before the scan
    bool used;
};

TEST_F(WirelessSurveyTest, ClientSurveyRowOfTheOtherBandIsIgnored) {
    const BandCase cases[] = {
        {"2.4 GHz, channel 1", {"client"}, "1", true},
        {"2.4 GHz, channel 13", {"client"}, "13", true},
        {"2.4 GHz, channel 14", {"client"}, "14", false},
        {"2.4 GHz, channel 36", {"client"}, "36", false},
        {"5 GHz, channel 36", {"band5-us", "client"}, "36", true},
        {"5 GHz, channel 6", {"band5-us", "client"}, "6", false},
        {"5 GHz, channel 13", {"band5-us", "client"}, "13", false},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseFixtures(c.fixtures);
        ASSERT_TRUE(Started());
        SetValue("E.2.1.3.3.1.3.2.1.3.1", c.channel);  // what the next scan finds
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        ASSERT_TRUE(WalksDone(*page));
        const std::string ssidBefore = page->Ed_SSID->Text();
        page->SiteScan->Click();
        ASSERT_TRUE(SurveyDone(*page));
        ASSERT_EQ(3, page->LV_ClientSiteServey->ItemCount());
        ASSERT_EQ(c.channel, page->LV_ClientSiteServey->Item(0)->SubItem(0));
        ClickRow(*page->LV_ClientSiteServey, 0);
        EXPECT_EQ(c.used ? "office" : ssidBefore, page->Ed_SSID->Text());
    }
}

TEST_F(WirelessSurveyTest, ModeCannotChangeTheSurveyThatRuns) {
    UseFixtures({"wds"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    Control("scandelay 600");
    Control("clearlog");
    page->SiteScan->Click();
    EXPECT_FALSE(page->CB_APMode->Enabled());
    // Even a mode the program puts in does not decide the walk.
    for (int i = 0; i < page->CB_APMode->ItemCount(); ++i)
        if (page->CB_APMode->ItemText(i) == "Access Point") page->CB_APMode->SetItemIndex(i);
    ASSERT_EQ("Access Point", page->CB_APMode->Text());
    ASSERT_TRUE(SurveyDone(*page));
    EXPECT_EQ(2, page->LV_WdsSiteServey->ItemCount());
    EXPECT_GT(LoggedWith("GETNEXT", "E.2.1.3.3.1.4.2"), 0u);
    EXPECT_EQ(0u, LoggedWith("GETNEXT", "E.2.1.3.3.1.3.2"));
    EXPECT_EQ(LocksOf(*page), kAllFree);
}

struct ChangedCase {
    const char* name;
    const char* error;  // planned for the refresh write; "" none
    bool success;
};

TEST_F(WirelessSurveyTest, ChangedModeKeepsScanDisabledAfterEveryEnd) {
    const ChangedCase cases[] = {{"walk done", "", true}, {"refresh failed", "genErr", false}};
    for (const ChangedCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseFixtures({"wds"});
        ASSERT_TRUE(Started());
        OpenedPage<TFM_Wirless> page(FM_Wirless);
        ASSERT_TRUE(WalksDone(*page));
        if (*c.error) Control(std::string("error ") + pagetest::DeviceOid(kWdsRefresh) + " " + c.error);
        page->SiteScan->Click();
        page->Ed_APModeChange->SetText("changed");  // as a load during the survey would leave it
        ASSERT_TRUE(SurveyDone(*page));
        EXPECT_EQ(LocksOf(*page), (Locks{false, true, true, true, true}));
        EXPECT_EQ(c.success, Status(*page) == MessageText(0)) << Status(*page);
    }

    // A device already "changed" when the page opens: no survey starts.
    UseFixtures({"wds", "ap-mode-changed"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    EXPECT_FALSE(page->SiteScan->Enabled());
    Control("clearlog");
    page->SiteScanClick(page->SiteScan);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->RunningSurvey, TFM_Wirless::SurveyKind::None);
    EXPECT_FALSE(page->SiteScan->Enabled());
    EXPECT_TRUE(page->Bt_Close->Enabled());
}

TEST_F(WirelessSurveyTest, FailedRefreshShowsItsTextAndStartsNoWalk) {
    UseFixtures({"client"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    Control(std::string("error ") + pagetest::DeviceOid(kClientRefresh) + " genErr");
    Control("clearlog");
    page->SiteScan->Click();
    ASSERT_TRUE(SurveyDone(*page));
    EXPECT_NE(MessageText(0), Status(*page));
    EXPECT_NE("Detecting...", Status(*page));
    EXPECT_NE("Refresh...!", Status(*page));
    EXPECT_FALSE(Status(*page).empty());
    EXPECT_EQ(LocksOf(*page), kAllFree);
    EXPECT_EQ(0u, LoggedWith("GETNEXT", "E.2.1.3.3.1.3.2"));
    EXPECT_EQ(0, page->LV_ClientSiteServey->ItemCount());
}

TEST_F(WirelessSurveyTest, WalkEndingWithoutCompletionStillFreesThePage) {
    UseFixtures({"wds"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    // As when an exception inside an answer ends the walk: no completion.
    page->WdsSiteSurveyRequest->OnGetDone = nullptr;
    page->SiteScan->Click();
    ASSERT_TRUE(RunUntil([&] { return !page->WdsSiteSurveyRequest->busy && page->Bt_Close->Enabled(); }));
    EXPECT_EQ(LocksOf(*page), kAllFree);
}

struct AddCase {
    const char* name;
    std::vector<std::string> edits;
    std::string mac;
    bool placed;
    bool duplicate;
    std::vector<std::string> after;
};

TEST_F(WirelessSurveyTest, AddWdsMacFillsTheFirstFreePlace) {
    const std::string a = "00907A0A0C01", b = "00907A0A0C02";
    const std::vector<std::string> full = {a, "00907A0A0C03", "00907A0A0C04", "00907A0A0C05",
                                           "00907A0A0C06", "00907A0A0C07", "00907A0A0C08", "00907A0A0C09"};
    const AddCase cases[] = {
        {"empty list", {"", "", "", "", "", "", "", ""}, a, true, false, {a, "", "", "", "", "", "", ""}},
        {"zero address is free", {"000000000000", "", "", "", "", "", "", ""}, a, true, false,
         {a, "", "", "", "", "", "", ""}},
        {"partial address is free", {b, "00907A", "", "", "", "", "", ""}, a, true, false,
         {b, a, "", "", "", "", "", ""}},
        {"duplicate in edit 3", {"", "", a, "", "", "", "", ""}, a, false, true, {"", "", a, "", "", "", "", ""}},
        {"case counts", {"", "", "00907a0a0c01", "", "", "", "", ""}, a, true, false,
         {a, "", "00907a0a0c01", "", "", "", "", ""}},
        {"all taken", full, b, false, false, full},
        {"too short", {"", "", "", "", "", "", "", ""}, "00907A0A0C", false, false, {"", "", "", "", "", "", "", ""}},
        {"empty", {"", "", "", "", "", "", "", ""}, "", false, false, {"", "", "", "", "", "", "", ""}},
        {"with colons is too long", {"", "", "", "", "", "", "", ""}, "00:90:7A:0A:0C:01", false, false,
         {"", "", "", "", "", "", "", ""}},
    };
    UseFixtures({"wds"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < 8; ++i) page->Ed_ReMAddra[i]->SetText(c.edits[i]);
        if (c.duplicate) Dialogs().ExpectBox("Warning", kDuplicateText, ui::Answer::Ok);
        EXPECT_EQ(c.placed, page->AddWdsMac(c.mac));
        EXPECT_EQ(c.after, WdsEdits(*page));
        EXPECT_EQ(0u, Dialogs().PendingCount());
    }
    std::string text = "00:90:7A::0C";
    TFM_Wirless::StripColons(text);
    EXPECT_EQ("00907A0C", text);
}

TEST_F(WirelessSurveyTest, CloneScanListsAddressesToPick) {
    UseFixtures({"client"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    ASSERT_TRUE(page->Bt_CloneScan->Enabled());
    Control("clearlog");
    page->Bt_CloneScan->Click();
    ASSERT_TRUE(RunUntil([&] { return !page->CloneScanRunning; }));
    EXPECT_EQ("Scan Success", Status(*page));
    EXPECT_TRUE(page->Bt_CloneScan->Enabled());
    EXPECT_EQ(std::vector<std::string>{pagetest::DeviceOid(kCloneRefresh) + "=integer:1"}, Logged("SET"));
    ASSERT_EQ(3, page->LV_MacClone->ItemCount());
    ClickRow(*page->LV_MacClone, 1);
    EXPECT_EQ("00D0B7445566", page->Ed_CloneMac->Text());

    // An empty manual address scans as well.
    page->Ed_CloneMac->SetText("");
    page->Bt_CloneScan->Click();
    ASSERT_TRUE(RunUntil([&] { return !page->CloneScanRunning; }));
    EXPECT_EQ("Scan Success", Status(*page));
}

TEST_F(WirelessSurveyTest, CloneScanFailsWhenTheRefreshFails) {
    UseFixtures({"client"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    Control(std::string("error ") + pagetest::DeviceOid(kCloneRefresh) + " genErr");
    page->Bt_CloneScan->Click();
    ASSERT_TRUE(RunUntil([&] { return !page->CloneScanRunning; }));
    EXPECT_EQ("Scan Fail!", Status(*page));
    EXPECT_TRUE(page->Bt_CloneScan->Enabled());
}

TEST_F(WirelessSurveyTest, CloneScanRefusesAManualAddressOfTheWrongLength) {
    UseFixtures({"client"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    ShowActive(*page);
    page->Ed_CloneMac->SetText("001122AABBC");
    Control("clearlog");
    Dialogs().ExpectBox("Error", "The length is 12 in MAC Address.", ui::Answer::Ok);
    page->Bt_CloneScan->Click();
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_TRUE(page->Ed_CloneMac->Focused());
    EXPECT_TRUE(page->Bt_CloneScan->Enabled());
}

TEST_F(WirelessSurveyTest, ClosingWithTheSurveyWalkOutstandingLeavesNothingBehind) {
    UseFixtures({"wds"});
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    ASSERT_TRUE(WalksDone(*page));
    page->SiteScan->Click();
    ASSERT_TRUE(RunUntil([&] { return page->WdsSiteSurveyRequest->busy; }));
    Control("delay 200");
    page.Close();
    RunFor(1500);  // the walk's answers and its time-out come after the page has gone
    EXPECT_EQ(nullptr, FM_Wirless);
}

}  // namespace
