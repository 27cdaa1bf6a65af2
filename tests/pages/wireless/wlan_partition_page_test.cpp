// The WLAN Partition page against the simulated access point: the radio
// groups shown from the device's values by position, the enabling by
// multi-SSID state and AP mode, the one ten-row SET of Save, the warning,
// and a Save after a failed read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/wireless_pages.h"
#include "pages/wireless/wlan_partition_page.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/group_box.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using Pdus = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kPrimary[] = "E.2.1.3.3.2.3.1.1.4.1";

std::string Fixture(const std::string& name) { return std::string(VAP_ADVANCED_FIXTURES) + "/" + name + ".txt"; }

std::string PartitionSet(int access, const std::vector<int>& ssids, int link) {
    std::string text = "dot11EthernetToWlanAccess=" + std::to_string(access);
    const char* const names[] = {"PrimarySSID", "MultiSSID1", "MultiSSID2", "MultiSSID3",
                                 "MultiSSID4",  "MultiSSID5", "MultiSSID6", "MultiSSID7"};
    for (size_t k = 0; k < ssids.size(); ++k)
        text += std::string(" dot11InternalStationConnection") + names[k] + "=" + std::to_string(ssids[k]);
    return text + " dot11LinkIntegrate=" + std::to_string(link);
}

class WlanPartitionPageTest : public pagetest::PageTest {
protected:
    void Save(TFM_WLANPart& page) {
        Control("clearlog");
        page.Btn_Apply->Click();
    }
    static std::vector<bool> Enabled(TFM_WLANPart& page) {
        std::vector<bool> enabled;
        for (ui::RadioGroup* group : page.RadioGroup) enabled.push_back(group->Enabled());
        return enabled;
    }
};

TEST_F(WlanPartitionPageTest, ShowsEachSsidByPositionAndLaysOutEightRows) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", Fixture("partition-multissid")});
    OpenedPage<TFM_WLANPart> page(FM_WLANPart);
    EXPECT_EQ(page->Caption(), "Advanced \\WLAN Partition");
    EXPECT_EQ(page->CB_WBand->Text(), "2.4GHz");
    EXPECT_FALSE(page->CB_WBand->Enabled());
    EXPECT_EQ(page->CB_WLANAccess->Text(), "Disable");
    EXPECT_EQ(page->Cbox_LinkInte->Text(), "Disable");
    EXPECT_TRUE(page->Chkbox_MulssidStatus->Checked());
    // Device value 0 ("Disabled") is shown as the first item, "Enable".
    EXPECT_EQ(page->RadioGroup[0]->ItemIndex(), 0);
    EXPECT_EQ(page->RadioGroup[0]->ItemText(0), "Enable");
    EXPECT_EQ(page->RadioGroup[1]->ItemIndex(), 1);
    EXPECT_EQ(page->RadioGroup[7]->ItemIndex(), 2);
    EXPECT_EQ(page->RadioGroup[7]->ItemText(2), "GuestMode");
    EXPECT_EQ(Enabled(*page), std::vector<bool>(8, true));
    for (ui::RadioGroup* group : page->RadioGroup) EXPECT_TRUE(group->Visible()) << group->Name();
    EXPECT_EQ(page->ClientHeight(), 600);
    EXPECT_EQ(page->GroupBox1->Height(), 385);
    EXPECT_EQ(page->Btn_Apply->Top(), 500);
    EXPECT_FALSE(page->Btn_Refresh->Visible());
    EXPECT_FALSE(page->Btn_Close->Visible());
    EXPECT_EQ(Status(*page), "");
    SavePicture(*page, "wlan-partition-page");
}

TEST_F(WlanPartitionPageTest, SaveWritesAllTenRowsInOneSetByPosition) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", Fixture("partition-multissid")});
    OpenedPage<TFM_WLANPart> page(FM_WLANPart);
    page->RadioGroup[0]->SetItemIndex(1);  // "Disable "
    page->RadioGroup[3]->SetItemIndex(2);  // "GuestMode"
    Save(*page);
    EXPECT_EQ(wirelesstest::Named(Logged("SET")), Pdus{PartitionSet(0, {1, 1, 1, 2, 1, 1, 1, 2}, 0)});
    EXPECT_EQ(Status(*page), "Setting Success!");
    EXPECT_EQ(Value(kPrimary), "1");
}

// Multi-SSID off: only the primary SSID is offered; Wireless Client: nothing.
// Save writes every row as read all the same.
TEST_F(WlanPartitionPageTest, DisabledRowsAreStillWrittenAsRead) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* mode;
        std::vector<bool> enabled;
        bool others;
    } const cases[] = {
        {"1", {true, false, false, false, false, false, false, false}, true},
        {"4", std::vector<bool>(8, false), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        SetValue(kApMode, c.mode);
        OpenedPage<TFM_WLANPart> page(FM_WLANPart);
        EXPECT_FALSE(page->Chkbox_MulssidStatus->Checked());
        EXPECT_EQ(Enabled(*page), c.enabled);
        EXPECT_EQ(page->CB_WLANAccess->Enabled(), c.others);
        EXPECT_EQ(page->Cbox_LinkInte->Enabled(), c.others);
        Save(*page);
        EXPECT_EQ(wirelesstest::Named(Logged("SET")), Pdus{PartitionSet(1, std::vector<int>(8, 1), 0)});
        EXPECT_EQ(Status(*page), "Setting Success!");
    }
}

TEST_F(WlanPartitionPageTest, OnlyDisablingEthernetAccessWarns) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WLANPart> page(FM_WLANPart);
    Dialogs().ExpectBox("Warning", PartitionWarningText, ui::Answer::Ok);
    pagetest::Pick(page->CB_WLANAccess, "Disable");
    pagetest::Pick(page->CB_WLANAccess, "Enable");  // no box: an unexpected one fails the test
}

TEST_F(WlanPartitionPageTest, AfterAFailedReadSaveWritesNothing) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11InternalStationConnectionMultiSSID3");
    OpenedPage<TFM_WLANPart> page(FM_WLANPart);
    EXPECT_EQ(Status(*page), "Not read from the device: partition settings");
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Status(*page), "Setting Error! Not read from the device: partition settings");
}

TEST_F(WlanPartitionPageTest, AFailedWriteIsReported) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WLANPart> page(FM_WLANPart);
    Control("error " + pagetest::DeviceOid(kPrimary) + " genErr");
    Save(*page);
    EXPECT_EQ(Status(*page), "Setting Error!");
    Save(*page);
    EXPECT_EQ(Status(*page), "Setting Success!");
}

TEST_F(WlanPartitionPageTest, TheFilterMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterWirelessPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_WLANPart != nullptr && FM_WLANPart->Modal() && FM_WLANPart->RadioGroup[0]->ItemIndex() == 1;
        if (FM_WLANPart) FM_WLANPart->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("WLANPartition1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_WLANPart, nullptr);
}

}  // namespace
