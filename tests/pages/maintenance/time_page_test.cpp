// The Time and Date page against the simulated access point: opening with
// the enabling rules, Save by NTP (the manual time's empty write included)
// and by hand (the manual time text on the wire), the refusals that write
// nothing, and the notice gone after every Save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/maintenance_pages.h"
#include "pages/maintenance/time_page.h"
#include "pages/maintenance/time_page_rules.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using pagetest::Pick;
using pagetest::Select;
using ui::Answer;

std::string Sntp(int object) { return "E.4.8." + std::to_string(object) + ".0"; }
std::string Int(int object, int value) { return DeviceOid(Sntp(object)) + "=integer:" + std::to_string(value); }

class TimePageTest : public pagetest::PageTest {
protected:
    void Save(TFM_Time& page) {
        Control("clearlog");
        page.Btn_Apply->Click();
    }
};

TEST_F(TimePageTest, OpeningShowsTheDeviceAndThePcClockWithTheEnablingRules) {
    ASSERT_TRUE(Started());
    SetValue(Sntp(5), "1");
    SetValue(Sntp(3), "1");
    SetValue(Sntp(7), "\"03/04/2025 10:11:12\"");
    OpenedPage<TFM_Time> page(FM_Time);
    EXPECT_EQ(Status(*page), "");
    EXPECT_EQ(page->LB_CurrentTime->Caption(), "03/04/2025 10:11:12");
    EXPECT_EQ(page->Ed_ServerIp->Text(), "") << "0.0.0.0 shows as no server";
    EXPECT_EQ(page->CB_TimeZone->ItemCount(), 75);
    EXPECT_EQ(page->CB_TimeZone->Text(), "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London");
    EXPECT_TRUE(page->CheckBox_Daylight->Enabled());
    EXPECT_TRUE(page->CB_EndTime->Enabled());
    EXPECT_FALSE(page->CB_Year->Enabled()) << "NTP on: the manual time is not used";
    EXPECT_NE(page->CB_Year->ItemIndex(), -1) << "the PC's year is offered";
    EXPECT_EQ(page->CB_ServerName->ItemIndex(), 0);

    // A zone without daylight saving clears and disables it; back in a zone
    // with it, the box is usable again but stays cleared.
    Pick(page->CB_TimeZone, "(GMT+09:00) Osaka, Sapporo, Tokyo");
    EXPECT_FALSE(page->CheckBox_Daylight->Enabled());
    EXPECT_FALSE(page->CheckBox_Daylight->Checked());
    EXPECT_FALSE(page->CB_StartMonth->Enabled());
    Pick(page->CB_TimeZone, "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris");
    EXPECT_TRUE(page->CheckBox_Daylight->Enabled());
    EXPECT_FALSE(page->CheckBox_Daylight->Checked());

    page->CheckBox_NTP->SetChecked(false);
    EXPECT_TRUE(page->CB_Year->Enabled());
    EXPECT_FALSE(page->Ed_ServerIp->Enabled());
    EXPECT_FALSE(page->CheckBox_Daylight->Enabled());
}

TEST_F(TimePageTest, TheDayListFollowsMonthAndYear) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Time> page(FM_Time);
    Select(page->CB_Year, "2004");
    Select(page->CB_Day, "31");
    Pick(page->CB_Month, "02");
    EXPECT_EQ(page->CB_Day->ItemCount(), 29);
    EXPECT_EQ(page->CB_Day->ItemIndex(), -1) << "the 31st is not in February";
    Select(page->CB_Day, "29");
    Pick(page->CB_Year, "2003");
    EXPECT_EQ(page->CB_Day->ItemCount(), 28);
    Pick(page->CB_Month, "03");
    EXPECT_EQ(page->CB_Day->ItemCount(), 31);
}

TEST_F(TimePageTest, SaveByNtpWritesServerZoneAndDaylightSaving) {
    ASSERT_TRUE(Started());
    SetValue(Sntp(5), "1");
    OpenedPage<TFM_Time> page(FM_Time);
    Select(page->CB_ServerName, "ntp.example.com");
    page->Btn_Convert->Click();
    EXPECT_EQ(page->Ed_ServerIp->Text(), OutsideNtpServer);
    page->CheckBox_Daylight->SetChecked(true);
    Select(page->CB_StartMonth, "Apr");
    Save(*page);
    EXPECT_EQ(Status(*page), TimeSetOkText);
    const std::string sntp = DeviceOid(Sntp(1)) + "=ipaddress:" + OutsideNtpServer + " " + Int(2, 27) + " " +
                             Int(3, 1) + " " + Int(5, 1) + " " + Int(8, 4) + " " + Int(9, 5) + " " +
                             Int(10, 0) + " " + Int(11, 2) + " " + Int(12, 10) + " " + Int(13, 5) + " " +
                             Int(14, 0) + " " + Int(15, 3);
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{sntp, ""})) << "the manual time goes out empty";
    EXPECT_EQ(Value(Sntp(8)), "4");
    EXPECT_EQ(page->CB_ServerName->ItemIndex(), 0);
    EXPECT_TRUE(page->Enabled()) << "the notice is gone";
}

TEST_F(TimePageTest, SaveByHandWritesTheManualTimeText) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Time> page(FM_Time);
    ASSERT_FALSE(page->CheckBox_NTP->Checked());
    Select(page->CB_Year, "2030");
    Select(page->CB_Month, "02");
    page->CB_YearChange(nullptr);
    Select(page->CB_Day, "28");
    Select(page->CB_Hour, "07");
    Select(page->CB_Minute, "08");
    Select(page->CB_Second, "09");
    Save(*page);
    EXPECT_EQ(Status(*page), TimeSetOkText);
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{Int(2, 27) + " " + Int(3, 0) + " " + Int(5, 0),
                                                       DeviceOid(Sntp(7)) + "=string:\"02/28/2030 07:08:09\""}));
    EXPECT_EQ(page->LB_CurrentTime->Caption(), "02/28/2030 07:08:09") << "read again after the write";
}

TEST_F(TimePageTest, RefusedSavesWriteNothing) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Time> page(FM_Time);
    Select(page->CB_Day, "");
    Dialogs().ExpectBox("Warning", ManualTimeIncompleteText, Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());

    page->CheckBox_NTP->SetChecked(true);
    page->Ed_ServerIp->SetText("0.0.0.0");
    Dialogs().ExpectBox("Warning", TimeServerInvalidText, Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_ServerIp->Text(), "");

    page->Ed_ServerIp->SetText("192.168.0.1");
    page->CheckBox_Daylight->SetChecked(true);
    for (const auto& [start, end] : {std::pair{page->CB_StartMonth, page->CB_EndMonth},
                                     std::pair{page->CB_StartWeek, page->CB_EndWeek},
                                     std::pair{page->CB_StartDay, page->CB_EndDay},
                                     std::pair{page->CB_StartTime, page->CB_EndTime}})
        end->SetItemIndex(start->ItemIndex());
    Dialogs().ExpectBox("Warning", DstSameText, Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(TimePageTest, AFailedWriteSaysSettingError) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Time> page(FM_Time);
    Control("error " + DeviceOid(Sntp(7)) + " wrongValue");
    Save(*page);
    EXPECT_NE(Status(*page).find(TimeSetErrorText), std::string::npos) << Status(*page);
    EXPECT_TRUE(page->Enabled());
}

TEST_F(TimePageTest, TheToolsMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    SetValue(Sntp(5), "1");
    SetValue(Sntp(3), "1");
    RegisterMaintenancePages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_Time != nullptr && FM_Time->Modal() && FM_Time->Caption() == "Tools \\ Time and Date";
        if (FM_Time) {
            SavePicture(*FM_Time, "time-page");
            FM_Time->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("Time"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Time, nullptr);
}

}  // namespace
