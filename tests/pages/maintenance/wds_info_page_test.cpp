// The WDS Information page against the simulated access point: the channel
// header, the refresh write and the walk of the rebuilt peer table, the
// previous list kept when a refresh or a walk fails, "Refresh" held while a
// detection runs, and closing with answers outstanding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/wds_info_page.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Cells = std::vector<std::string>;

constexpr char kRefresh[] = "E.2.1.3.3.5.1.1.1.1";
constexpr char kStatus3[] = "E.2.1.3.3.5.2.1.9.1.3";
constexpr char kMac3[] = "E.2.1.3.3.5.2.1.2.1.3";
constexpr char kAuth3[] = "E.2.1.3.3.5.2.1.4.1.3";
constexpr char kRssi3[] = "E.2.1.3.3.5.2.1.5.1.3";
constexpr char kName3[] = "E.2.1.3.3.5.2.1.7.1.3";

std::vector<Cells> Rows(const ui::ListView& view) {
    std::vector<Cells> rows;
    for (int i = 0; i < view.ItemCount(); ++i) {
        const ui::ListItem& item = *view.Item(i);
        Cells cells{item.Caption()};
        for (int k = 0; k < item.SubItemCount(); ++k) cells.push_back(item.SubItem(k));
        rows.push_back(cells);
    }
    return rows;
}

const std::vector<Cells> kInitialPeers = {{"Backbone", "00907A1C3A01", "wpa2-psk", "72%", "On"},
                                          {"Annex", "00907A1C3A02", "opensystem", "", "Off"}};

class WdsInfoPageTest : public pagetest::PageTest {
protected:
    bool DetectionEnds() {
        return RunUntil([] { return FM_WDSInfo != nullptr && FM_WDSInfo->Btn_Refresh->Enabled(); }, 20000);
    }
    // A third peer in the device's table, with the WDS numbering's "wpa-eap".
    void AddThirdPeer() {
        SetValue(kStatus3, "\"on\"");
        SetValue(kMac3, "00907A1C3A03");
        SetValue(kAuth3, "3");
        SetValue(kRssi3, "55");
        SetValue(kName3, "\"Yard\"");
    }
};

TEST_F(WdsInfoPageTest, ShowsTheChannelAndThePeersOfTheRebuiltTable) {
    ASSERT_TRUE(Started());
    Control("clearlog");
    OpenedPage<TFM_WDSInfo> page(FM_WDSInfo);
    EXPECT_EQ(page->Lb_Channel->Caption(), "6");
    EXPECT_EQ(page->Lb_Band->Caption(), "2.4");
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(Rows(*page->WDS_ClientListView), kInitialPeers) << "rows with the status \"empty\" are left out";
    EXPECT_EQ(page->StatusBar1->SimpleText(), "OK");
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{DeviceOid(kRefresh) + "=integer:1"});

    AddThirdPeer();
    page->Btn_Refresh->Click();
    EXPECT_EQ(page->StatusBar1->SimpleText(), "Refresh WDS Info...");
    EXPECT_EQ(Rows(*page->WDS_ClientListView), kInitialPeers) << "the list stays until the walk ends";
    ASSERT_TRUE(DetectionEnds());
    std::vector<Cells> expected = kInitialPeers;
    expected.push_back({"Yard", "00907A1C3A03", "wpa-eap", "55%", "On"});
    EXPECT_EQ(Rows(*page->WDS_ClientListView), expected);
}

TEST_F(WdsInfoPageTest, AFailedRefreshKeepsThePreviousList) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WDSInfo> page(FM_WDSInfo);
    ASSERT_TRUE(DetectionEnds());
    AddThirdPeer();
    Control("error " + DeviceOid(kRefresh) + " genErr");
    page->Btn_Refresh->Click();
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(page->StatusBar1->SimpleText().rfind("Get timed out!", 0), 0u) << page->StatusBar1->SimpleText();
    EXPECT_EQ(Rows(*page->WDS_ClientListView), kInitialPeers);

    // The refresh goes through but the walk is not answered.
    page->TableRequest->request.timeout = 100;  // a short wait for the silent device
    Control("drop 2 after 1");                  // the walk's first request and its retry
    page->Btn_Refresh->Click();
    ASSERT_TRUE(DetectionEnds());
    EXPECT_NE(page->StatusBar1->SimpleText(), "OK");
    EXPECT_EQ(Rows(*page->WDS_ClientListView), kInitialPeers);
}

TEST_F(WdsInfoPageTest, RefreshIsHeldWhileADetectionRuns) {
    ASSERT_TRUE(Started());
    Control("scandelay 4000");
    Control("clearlog");
    OpenedPage<TFM_WDSInfo> page(FM_WDSInfo);
    EXPECT_FALSE(page->Btn_Refresh->Enabled());
    page->Btn_RefreshClick(nullptr);
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(Logged("SET").size(), 1u);
    EXPECT_EQ(Rows(*page->WDS_ClientListView), kInitialPeers) << "no peer listed twice";
}

TEST_F(WdsInfoPageTest, ClosesDuringADetection) {
    ASSERT_TRUE(Started());
    Control("scandelay 2000");
    {
        OpenedPage<TFM_WDSInfo> page(FM_WDSInfo);
        bool canClose = true;
        if (page->OnCloseQuery) page->OnCloseQuery(nullptr, canClose);
        EXPECT_TRUE(canClose);
    }
    RunFor(300);  // the late answer arrives to nothing
    EXPECT_EQ(FM_WDSInfo, nullptr);
}

TEST_F(WdsInfoPageTest, EmptyAndFullTables) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* fixture;
        size_t peers;
    };
    for (const Case& c : {Case{"empty.txt", 0}, Case{"full.txt", 8}}) {
        SCOPED_TRACE(c.fixture);
        RestartSim({"--fixture", std::string(VAP_STATUS_FIXTURES) + "/" + c.fixture});
        OpenedPage<TFM_WDSInfo> page(FM_WDSInfo);
        ASSERT_TRUE(DetectionEnds());
        const std::vector<Cells> rows = Rows(*page->WDS_ClientListView);
        ASSERT_EQ(rows.size(), c.peers);
        if (c.peers > 0) {
            EXPECT_EQ(rows.back(), (Cells{"Peer8", "00AABBCC1008", "", "", "Off"}));
        }
    }
}

}  // namespace
