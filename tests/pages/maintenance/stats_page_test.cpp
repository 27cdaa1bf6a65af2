// The two statistics pages against the simulated access point, as one table
// of twins: the counters at opening and on Refresh with each page's texts,
// Clear taken (zeros, then the device's counts from the clear on) and Clear
// refused or unanswered (the counters stay, the error is shown).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/maintenance/ethernet_stats_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "pages/maintenance/wlan_stats_page.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;

struct Twin {
    const char* name;
    const char* firstCounter;  // the transmitted packets
    const char* firstValue;    // as the object data starts it
    size_t counters;
    const char* clearOid;
    const char* openOk;
    const char* refreshOk;
    const char* clearing;  // what the status shows after a Clear the device did not take
    const char* clearOk;
};

void PrintTo(const Twin& twin, std::ostream* out) { *out << twin.name; }

const Twin kTwins[] = {
    {"Wlan", "E.5.2.2.1.1.1.19.1", "18240", 11, "E.5.2.2.1.1.1.30.1", "Wlan Info Get OK!", "Refresh Wlan Info OK!",
     "", "Clear Wlan Info OK!"},
    {"Ethernet", "E.5.2.1.1.1.1.1.1", "40211", 6, "E.5.2.1.1.1.1.16.1", "Ethernet Info Get OK!",
     "Refresh Ethernet Info OK!", "Ethernet Info is Clearing!", "Clear Ethernet Info is OK!"},
};

class StatsPageTest : public pagetest::PageTest, public ::testing::WithParamInterface<Twin> {
protected:
    // Opens the twin as the menu makes it; closing deletes it.
    std::unique_ptr<TStatsPage> Open() {
        std::unique_ptr<TStatsPage> page;
        if (std::string(GetParam().name) == "Wlan") page = std::make_unique<TFM_StatWLAN>(nullptr);
        else page = std::make_unique<TFM_Static>(nullptr);
        page->Create();
        return page;
    }
    static std::vector<std::string> Shown(const TStatsPage& page) {
        std::vector<std::string> shown;
        for (const ui::Edit* counter : page.Counters) shown.push_back(counter->Text());
        return shown;
    }
};

TEST_P(StatsPageTest, CountersAtOpeningAndOnRefresh) {
    ASSERT_TRUE(Started());
    const Twin& twin = GetParam();
    std::unique_ptr<TStatsPage> page = Open();
    ASSERT_EQ(page->Counters.size(), twin.counters);
    EXPECT_EQ(page->Counters[0]->Text(), twin.firstValue);
    EXPECT_EQ(page->StatusBar1->SimpleText(), twin.openOk);
    const long opened = std::stol(page->Counters[0]->Text());
    page->Btn_Refresh->Click();
    EXPECT_GT(std::stol(page->Counters[0]->Text()), opened) << "the device kept counting";
    EXPECT_EQ(page->StatusBar1->SimpleText(), twin.refreshOk);
    EXPECT_TRUE(page->Btn_Refresh->Enabled());
    EXPECT_TRUE(page->Btn_Clear->Enabled());
}

TEST_P(StatsPageTest, AClearTheDeviceTookShowsItsCountsFromZero) {
    ASSERT_TRUE(Started());
    const Twin& twin = GetParam();
    std::unique_ptr<TStatsPage> page = Open();
    Control("clearlog");
    page->Btn_Clear->Click();
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{DeviceOid(twin.clearOid) + "=integer:1"});
    EXPECT_EQ(Logged("GET").size(), 1u) << "the counters are read again";
    EXPECT_EQ(Shown(*page), std::vector<std::string>(twin.counters, "0"));
    EXPECT_EQ(page->StatusBar1->SimpleText(), twin.clearOk);
    page->Btn_Refresh->Click();
    EXPECT_GT(std::stol(page->Counters[0]->Text()), 0) << "Refresh shows the device's counts";
}

TEST_P(StatsPageTest, AClearTheDeviceRefusedLeavesTheCounters) {
    ASSERT_TRUE(Started());
    const Twin& twin = GetParam();
    std::unique_ptr<TStatsPage> page = Open();
    const std::vector<std::string> before = Shown(*page);
    Control("error " + DeviceOid(twin.clearOid) + " genErr");
    page->Btn_Clear->Click();
    EXPECT_EQ(Shown(*page), before);
    const std::string status = page->StatusBar1->SimpleText();
    EXPECT_NE(status, twin.clearOk);
    EXPECT_NE(status, twin.clearing) << "the error replaces the progress text";
    EXPECT_NE(status, "");
    EXPECT_NE(Value(twin.firstCounter), "0") << "the device still counts on";
}

INSTANTIATE_TEST_SUITE_P(Stats, StatsPageTest, ::testing::ValuesIn(kTwins),
                         [](const ::testing::TestParamInfo<Twin>& info) { return info.param.name; });

class StatsPagesTest : public pagetest::PageTest {};

TEST_F(StatsPagesTest, AnUnansweredClearLeavesTheCounters) {
    ASSERT_TRUE(Started());
    TFM_Static page(nullptr);
    page.Create();
    const std::string before = page.Counters[0]->Text();
    Control("drop 2");  // the clear and its retry
    page.Btn_Clear->Click();
    EXPECT_EQ(page.Counters[0]->Text(), before);
    EXPECT_NE(page.StatusBar1->SimpleText(), "Clear Ethernet Info is OK!");
    EXPECT_NE(page.StatusBar1->SimpleText(), "Ethernet Info is Clearing!");
}

TEST_F(StatsPagesTest, ACounterTheDeviceLacksShowsTheOpenError) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11ReceivedPHYErrorCount");
    TFM_StatWLAN page(nullptr);
    page.Create();
    EXPECT_EQ(page.StatusBar1->SimpleText(), "Wlan Info Get Error!");
    page.Btn_Refresh->Click();
    EXPECT_EQ(page.StatusBar1->SimpleText(), "Refresh Wlan Info Error!");
    EXPECT_TRUE(page.Btn_Refresh->Enabled()) << "the buttons come back after a failed read";
    EXPECT_TRUE(page.Btn_Clear->Enabled());
}

}  // namespace
