// The Client Information page against the simulated access point: the
// refresh write, then the walk of the rebuilt station table, the stations
// listed among free rows and numbered, the close guard and "Refresh" held
// for every detection, and the refresh write refused or unanswered.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/client_info_page.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;

constexpr char kRefresh[] = "E.2.1.3.3.4.1.1.1.1";
constexpr char kMac[] = "E.2.1.3.3.4.2.1.2.";  // + row 1..8
constexpr char kPsm[] = "E.2.1.3.3.4.2.1.6.";
constexpr char kSsid[] = "E.2.1.3.3.4.2.1.7.";
constexpr char kNoMac[] = "000000000000";

std::vector<std::string> Row(const ui::ListView& view, int index) {
    const ui::ListItem& item = *view.Item(index);
    std::vector<std::string> cells{item.Caption()};
    for (int i = 0; i < item.SubItemCount(); ++i) cells.push_back(item.SubItem(i));
    return cells;
}

bool CanClose(TClientInformation& page) {
    bool canClose = false;
    page.FormCloseQuery(nullptr, canClose);
    return canClose;
}

class ClientInfoPageTest : public pagetest::PageTest {
protected:
    bool DetectionEnds() {
        return RunUntil([] { return ClientInformation != nullptr && !ClientInformation->Busy; }, 20000);
    }
};

TEST_F(ClientInfoPageTest, ListsTheStationsOfTheRebuiltTable) {
    ASSERT_TRUE(Started());
    SetValue(std::string(kMac) + "5", "00AABBCCDD05");
    SetValue(std::string(kSsid) + "5", "\"4\"");
    SetValue(std::string(kPsm) + "5", "2");
    Control("clearlog");
    OpenedPage<TClientInformation> page(ClientInformation);
    EXPECT_TRUE(page->Busy);
    EXPECT_FALSE(CanClose(*page)) << "closing waits for the detection";
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(page->Lb_Band->Caption(), "2.4GHZ");
    ASSERT_EQ(page->User_ListView->ItemCount(), 3);
    EXPECT_EQ(Row(*page->User_ListView, 0),
              (std::vector<std::string>{"1", "1", "001122334455", "G", "opensystem", "-48", "Off"}));
    EXPECT_EQ(Row(*page->User_ListView, 1),
              (std::vector<std::string>{"2", "2", "0011223344AA", "N", "wpa2-psk", "-61", "On"}));
    EXPECT_EQ(Row(*page->User_ListView, 2),
              (std::vector<std::string>{"3", "4", "00AABBCCDD05", "G", "opensystem", "0", "2"}));
    EXPECT_EQ(page->NumOfRecord->Caption(), "3");
    EXPECT_TRUE(page->Bt_Rfrsh->Enabled());
    EXPECT_TRUE(CanClose(*page));
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{DeviceOid(kRefresh) + "=integer:1"});

    // The device's stations leave: a Refresh lists what the new table holds.
    for (const char* row : {"1", "2", "5"}) SetValue(kMac + std::string(row), kNoMac);
    page->Bt_Rfrsh->Click();
    EXPECT_EQ(page->User_ListView->ItemCount(), 0) << "the list is empty while detecting";
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(page->User_ListView->ItemCount(), 0);
    EXPECT_EQ(page->NumOfRecord->Caption(), "0");
}

TEST_F(ClientInfoPageTest, RefreshIsHeldWhileADetectionRuns) {
    ASSERT_TRUE(Started());
    Control("scandelay 4000");  // the refresh is answered late
    Control("clearlog");
    OpenedPage<TClientInformation> page(ClientInformation);
    EXPECT_EQ(page->StatusBar->SimpleText(), "Detect Client Info...");
    EXPECT_FALSE(page->Bt_Rfrsh->Enabled()) << "also during the detection at opening";
    page->Bt_Rfrsh->Click();
    page->Bt_RfrshClick(nullptr);
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(Logged("SET").size(), 1u) << "one detection, one refresh write";
    EXPECT_EQ(page->User_ListView->ItemCount(), 2) << "no station listed twice";
}

TEST_F(ClientInfoPageTest, ARefusedRefreshEndsTheDetection) {
    ASSERT_TRUE(Started());
    Control("error " + DeviceOid(kRefresh) + " genErr");
    Control("clearlog");
    OpenedPage<TClientInformation> page(ClientInformation);
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(page->StatusBar->SimpleText().rfind("Detect timed out!", 0), 0u) << page->StatusBar->SimpleText();
    EXPECT_GT(page->StatusBar->SimpleText().size(), std::string("Detect timed out!").size()) << "with the reason";
    EXPECT_TRUE(Logged("GETNEXT").empty()) << "no walk without the rebuilt table";
    EXPECT_EQ(page->NumOfRecord->Caption(), "0");
    EXPECT_TRUE(page->Bt_Rfrsh->Enabled());
    EXPECT_TRUE(CanClose(*page));
}

TEST_F(ClientInfoPageTest, AnUnansweredRefreshLetsThePageClose) {
    ASSERT_TRUE(Started());
    OpenedPage<TClientInformation> page(ClientInformation);
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(page->RefreshRequest->request.timeout, 10000);
    page->RefreshRequest->request.timeout = 100;  // a short wait for the silent device
    Control("drop 2");                              // the refresh write and its retry
    page->Bt_Rfrsh->Click();
    EXPECT_FALSE(CanClose(*page));
    ASSERT_TRUE(DetectionEnds());
    EXPECT_EQ(page->StatusBar->SimpleText().rfind("Detect timed out!", 0), 0u) << page->StatusBar->SimpleText();
    EXPECT_TRUE(CanClose(*page));
    EXPECT_TRUE(page->Bt_Rfrsh->Enabled());
}

TEST_F(ClientInfoPageTest, ADetectionThatEndedWithoutItsAnswerDoesNotHoldThePage) {
    ASSERT_TRUE(Started());
    OpenedPage<TClientInformation> page(ClientInformation);
    EXPECT_FALSE(CanClose(*page)) << "the refresh write is outstanding";
    ASSERT_TRUE(DetectionEnds());
    page->Busy = true;  // as left by a walk an answer row stopped: no exchange runs any more
    page->Bt_Rfrsh->SetEnabled(false);
    EXPECT_TRUE(CanClose(*page));
    EXPECT_TRUE(page->Bt_Rfrsh->Enabled());
}

TEST_F(ClientInfoPageTest, EmptyAndFullTables) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* fixture;
        int stations;
    };
    for (const Case& c : {Case{"empty.txt", 0}, Case{"full.txt", 8}}) {
        SCOPED_TRACE(c.fixture);
        RestartSim({"--fixture", std::string(VAP_STATUS_FIXTURES) + "/" + c.fixture});
        OpenedPage<TClientInformation> page(ClientInformation);
        ASSERT_TRUE(DetectionEnds());
        ASSERT_EQ(page->User_ListView->ItemCount(), c.stations);
        EXPECT_EQ(page->NumOfRecord->Caption(), std::to_string(c.stations));
        if (c.stations > 0) {
            EXPECT_EQ(Row(*page->User_ListView, c.stations - 1)[0], std::to_string(c.stations));
        }
    }
}

}  // namespace
