// The Schedule page against the simulated access point: the rules it lists
// and their texts, Add (all day, timed with zero fill, overnight), a changed
// rule (its delete, then its add; an add the device refuses; a delete it
// refuses), Delete of the loaded rule, Save of the status and the rules'
// states, the checks, and a close with a write outstanding.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pages/wireless/schedule_page.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kStatus[] = "E.3.10.1.1.1.0";
constexpr char kDays[] = "E.3.10.1.2.2.0";
constexpr char kAction[] = "E.3.10.1.2.7.0";
const char* const kTaken = "The SSID has been exist already.";

std::string Fixture(const std::string& name) { return std::string(VAP_ADVANCED_FIXTURES) + "/" + name + ".txt"; }
std::string NodeStatus(int instance) { return "E.3.10.2.1.1.8." + std::to_string(instance); }

class SchedulePageTest : public pagetest::PageTest {
protected:
    bool Settle(TFM_Scheduling& page) {
        return RunUntil([&] {
            return (page.RuleRequest == nullptr || !page.RuleRequest->busy) && !page.ListRequest->busy;
        });
    }
    void Open(OpenedPage<TFM_Scheduling>& page) { ASSERT_TRUE(Settle(*page)); }
    void OpenWithRules() { RestartSim({"--fixture", Fixture("schedule-rules")}); }

    // "name|SSID index|SSID|days|time frame|wireless|+" (+ when the rule is on).
    static Texts Listed(const TFM_Scheduling& page) {
        Texts rows;
        for (int i = 0; i < page.User_ListView->ItemCount(); ++i) {
            const ui::ListItem& row = *page.User_ListView->Item(i);
            rows.push_back(pagetest::RowText(row, "|") + (row.Checked() ? "|+" : "|-"));
        }
        return rows;
    }
    static void Select(TFM_Scheduling& page, int position) {
        page.User_ListView->Item(position)->SetSelected(true);
        page.User_ListView->OnClick(page.User_ListView);
    }
    static void TypeTimes(TFM_Scheduling& page, const char* sh, const char* sm, const char* eh, const char* em) {
        page.Ed_StartHour->SetText(sh);
        page.Ed_StartMinute->SetText(sm);
        page.Ed_EndHour->SetText(eh);
        page.Ed_EndMinute->SetText(em);
    }
    void Act(TFM_Scheduling& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    Texts Sets() { return wirelesstest::Named(Logged("SET")); }
};

TEST_F(SchedulePageTest, OpensWithTheStatusAndTheNamedRules) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ Schedule");
    EXPECT_EQ(page->CBox_ScheduleStatus->Text(), "Enable");
    EXPECT_EQ(Listed(*page), (Texts{"office|SSID2|Guests|Mon,Wed,Fri|9:00-17:30|on|+",
                                    "night|SSID5|Lab|All Week|22:00-6:00+|off|-"}))
        << "free rows are not listed";
    EXPECT_EQ(page->Rules.Indexes(), (Texts{"1", "2"}));
    EXPECT_EQ(page->RowCount, 2);
    EXPECT_EQ(page->EditMode, 0);
    EXPECT_EQ(page->User_ListView->ColumnCaption(2), "SSID ");
    EXPECT_EQ(page->User_ListView->ColumnWidth(4), 100);
    EXPECT_EQ(pagetest::Items(page->Cbox_SchIndex),
              (Texts{"Primary SSID", "SSID1", "SSID2", "SSID3", "SSID4", "SSID5", "SSID6", "SSID7"}));
    EXPECT_EQ(page->Ed_SchSsid->Text(), "vap7720");
    EXPECT_FALSE(page->Ed_SchSsid->Enabled());
    EXPECT_TRUE(page->Btn_Add->Enabled());
    EXPECT_FALSE(page->Btn_Del->Enabled());
    EXPECT_EQ(page->Ed_ScheduleName->MaxLength(), 32);
    EXPECT_EQ(page->lbl_overshow->Caption(), "+: To the end time of the next day overnight. ");
    EXPECT_EQ(page->StatusRequest->request.timeout, 50000) << "the status walk waits 500 s";
    EXPECT_EQ(page->RuleRequest->request.timeout, 50000);
    EXPECT_EQ(Status(*page), "Get OK!");
    SavePicture(*page, "schedule-page");

    pagetest::Pick(page->Cbox_SchIndex, "SSID3");
    EXPECT_EQ(page->Ed_SchSsid->Text(), "Staff");
    pagetest::Pick(page->CBox_ScheduleStatus, "Disable");
    EXPECT_FALSE(page->Btn_Add->Enabled());
    EXPECT_FALSE(page->Ed_ScheduleName->Enabled());
    EXPECT_FALSE(page->User_ListView->Enabled());
    EXPECT_TRUE(page->Btn_Apply->Enabled());
}

// Every column of the rule list is in view in the list's designed width,
// "Name" and "Time Frame" at their designed 100 pixels.
TEST_F(SchedulePageTest, EveryColumnOfTheListIsInView) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    const ui::ListView& list = *page->User_ListView;
    EXPECT_EQ(pagetest::ColumnCaptions(list), (Texts{"Name", "SSID Index", "SSID ", "Days", "Time Frame", "Wireless"}));
    EXPECT_EQ(list.ColumnWidth(0), 100);
    EXPECT_EQ(list.ColumnWidth(4), 100);
    EXPECT_EQ(list.Width(), 428);
    EXPECT_LE(pagetest::ColumnsWidth(list), pagetest::ListInnerWidth(list));
}

TEST_F(SchedulePageTest, LoadingARuleShowsItsDaysAndTimes) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    Select(*page, 0);
    EXPECT_EQ(page->Ed_ScheduleName->Text(), "office");
    EXPECT_EQ(page->Cbox_SchIndex->Text(), "SSID2");
    EXPECT_EQ(page->SelectedSsidIndex, 2);
    EXPECT_TRUE(page->RB_Day->Checked());
    for (ui::CheckBox* box : {page->CheckBox_Mon, page->CheckBox_Wed, page->CheckBox_Fri}) EXPECT_TRUE(box->Checked());
    for (ui::CheckBox* box : {page->CheckBox_Sun, page->CheckBox_Tue, page->CheckBox_Thu, page->CheckBox_Sat})
        EXPECT_FALSE(box->Checked());
    EXPECT_EQ(page->Ed_StartHour->Text(), "9") << "a one-digit hour loads as read";
    EXPECT_EQ(page->Ed_StartMinute->Text(), "00");
    EXPECT_EQ(page->Ed_EndHour->Text(), "17");
    EXPECT_EQ(page->Ed_EndMinute->Text(), "30");
    EXPECT_FALSE(page->chk_Over->Checked());
    EXPECT_EQ(page->EditMode, 1);
    EXPECT_TRUE(page->Btn_Del->Enabled());

    Select(*page, 1);
    EXPECT_TRUE(page->RB_Week->Checked());
    EXPECT_TRUE(page->CheckBox_Sat->Checked());
    EXPECT_FALSE(page->CheckBox_Sat->Enabled());
    EXPECT_EQ(page->Ed_EndHour->Text(), "6");
    EXPECT_TRUE(page->chk_Over->Checked());

    page->Btn_Clear->Click();
    EXPECT_EQ(page->EditMode, 0);
    EXPECT_EQ(page->Ed_ScheduleName->Text(), "");
    EXPECT_TRUE(page->RB_Day->Checked());
    EXPECT_FALSE(page->Btn_Del->Enabled());
}

// Each rule goes to a free SSID index; the first to the primary SSID, whose
// index 0 the free rows also read.
TEST_F(SchedulePageTest, AddWritesTheRuleWithItsActionAndListsIt) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    struct Case {
        const char* name;
        const char* ssid;
        bool allWeek;
        bool allDay;
        const char* times[4];
        bool overnight;
        const char* pdu;
        const char* listed;
    } const cases[] = {
        {"allday", "Primary SSID", true, true, {}, false,
         "dot11ScheduleRuleName=allday dot11ScheduleDaysSelect=0 dot11ScheduleAllDaySelect=1 "
         "dot11ScheduleSSIDIndex=0 dot11ScheduleNodeStatus=1 dot11Over=0 dot11ScheduleAction=1",
         "allday|Primary SSID|vap7720|All Week|All Day(s)|on|+"},
        {"timed", "SSID1", false, false, {"9", "5", "17", "30"}, false,
         "dot11ScheduleRuleName=timed dot11ScheduleDaysSelect=34 dot11ScheduleAllDaySelect=0 "
         "dot11ScheduleRuleStartTime=09:05 dot11ScheduleRuleEndTime=17:30 dot11ScheduleSSIDIndex=1 "
         "dot11ScheduleNodeStatus=1 dot11Over=0 dot11ScheduleAction=1",
         "timed|SSID1||Mon,Fri|9:05-17:30|on|+"},
        {"late", "SSID3", false, false, {"22", "00", "6", "00"}, true,
         "dot11ScheduleRuleName=late dot11ScheduleDaysSelect=34 dot11ScheduleAllDaySelect=0 "
         "dot11ScheduleRuleStartTime=22:00 dot11ScheduleRuleEndTime=06:00 dot11ScheduleSSIDIndex=3 "
         "dot11ScheduleNodeStatus=1 dot11Over=1 dot11ScheduleAction=1",
         "late|SSID3|Staff|Mon,Fri|22:00-6:00+|on|+"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->Ed_ScheduleName->SetText(c.name);
        pagetest::Pick(page->Cbox_SchIndex, c.ssid);
        if (c.allWeek) {
            page->RB_Week->SetChecked(true);
        } else {
            page->CheckBox_Mon->SetChecked(true);
            page->CheckBox_Fri->SetChecked(true);
        }
        page->CheckBox_AllDay->SetChecked(c.allDay);
        if (!c.allDay) TypeTimes(*page, c.times[0], c.times[1], c.times[2], c.times[3]);
        page->chk_Over->SetChecked(c.overnight);
        Act(*page, page->Btn_Add);
        EXPECT_EQ(Sets(), Texts{c.pdu});
        const Texts listed = Listed(*page);
        EXPECT_EQ(listed.back(), c.listed);
        EXPECT_EQ(Status(*page), "Save OK!");
        EXPECT_EQ(page->Ed_ScheduleName->Text(), "") << "Add clears the editing controls";
    }
    EXPECT_EQ(page->RowCount, 5);
}

TEST_F(SchedulePageTest, ChecksRefuseBeforeAnythingIsWritten) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    struct Case {
        const char* name;
        const char* ssid;
        bool anyDay;
        const char* times[4];
        const char* caption;
        const char* text;
        ui::Edit* emptied;
    } const cases[] = {
        {"dup", "SSID2", true, {"08", "00", "17", "00"}, "Warning", kTaken, nullptr},
        {"", "SSID1", true, {"08", "00", "17", "00"}, "Warning", "The Name field can not be blank.", nullptr},
        {" lead", "SSID1", true, {"08", "00", "17", "00"}, "Error", "The first character can't be blank.", nullptr},
        {"caf\xe9", "SSID1", true, {"08", "00", "17", "00"}, "Warning",
         "There are some invalid characters in the Name field.Please check it.", nullptr},
        {"nodays", "SSID1", false, {"08", "00", "17", "00"}, "Warning", "Please Select Day(s)", nullptr},
        {"range", "SSID1", true, {"08", "", "17", "00"}, "Warning", "Invalid Time Range!", nullptr},
        {"hour", "SSID1", true, {"24", "00", "17", "00"}, "Warning", "Invalid Hour!", page->Ed_StartHour},
        {"order", "SSID1", true, {"17", "00", "08", "00"}, "Warning",
         "End time must be larger than Start time if you don't choose over night!", page->Ed_EndMinute},
    };
    Control("clearlog");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        page->Ed_ScheduleName->SetText(c.name);
        pagetest::Pick(page->Cbox_SchIndex, c.ssid);
        page->RB_Day->SetChecked(true);
        page->CheckBox_Tue->SetChecked(c.anyDay);
        TypeTimes(*page, c.times[0], c.times[1], c.times[2], c.times[3]);
        Dialogs().ExpectBox(c.caption, c.text, ui::Answer::Ok);
        page->Btn_Add->Click();
        if (c.emptied != nullptr) {
            EXPECT_EQ(c.emptied->Text(), "");
        }
    }
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(SchedulePageTest, AChangedRuleIsDeletedAsStoredThenAdded) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    Select(*page, 0);
    page->Ed_ScheduleName->SetText("office2");
    pagetest::Pick(page->Cbox_SchIndex, "SSID4");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Sets(), (Texts{"dot11ScheduleRuleName=office dot11ScheduleSSIDIndex=2 dot11Over=0 "
                             "dot11ScheduleAction=0",
                             "dot11ScheduleRuleName=office2 dot11ScheduleDaysSelect=42 "
                             "dot11ScheduleAllDaySelect=0 dot11ScheduleRuleStartTime=09:00 "
                             "dot11ScheduleRuleEndTime=17:30 dot11ScheduleSSIDIndex=4 "
                             "dot11ScheduleNodeStatus=1 dot11Over=0 dot11ScheduleAction=1"}));
    EXPECT_EQ(Listed(*page), (Texts{"night|SSID5|Lab|All Week|22:00-6:00+|off|-",
                                    "office2|SSID4||Mon,Wed,Fri|9:00-17:30|on|+"}));
    EXPECT_EQ(Status(*page), "Save OK!");

    // A changed rule may keep its SSID, not take another rule's.
    Select(*page, 1);
    pagetest::Pick(page->Cbox_SchIndex, "SSID5");
    Dialogs().ExpectBox("Warning", kTaken, ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(SchedulePageTest, AChangeWhoseAddIsRefusedNamesTheRuleThatIsGone) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    // The days go only with the add.
    Control(std::string("error ") + DeviceOid(kDays) + " genErr");
    Select(*page, 0);
    page->Ed_ScheduleName->SetText("renamed");
    Dialogs().ExpectBox("Error",
                        "The rule \"office\" was deleted, but its changed settings could not be added: "
                        "(SNMP) Cannot perform operation, General Error!",
                        ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET").size(), 2u);
    EXPECT_EQ(Listed(*page), Texts{"night|SSID5|Lab|All Week|22:00-6:00+|off|-"});
    EXPECT_NE(Status(*page).find("General Error"), std::string::npos) << Status(*page);
}

TEST_F(SchedulePageTest, AChangeWhoseDeleteIsRefusedAddsNothing) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    Control(std::string("error ") + DeviceOid(kAction) + " genErr");
    Select(*page, 0);
    page->Ed_ScheduleName->SetText("renamed");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET").size(), 1u) << "no add after a failed delete";
    EXPECT_EQ(Listed(*page).size(), 2u);
    EXPECT_NE(Status(*page).find("General Error"), std::string::npos) << Status(*page);
    EXPECT_EQ(page->Ed_ScheduleName->Text(), "renamed") << "the edit stays for another try";
}

TEST_F(SchedulePageTest, DeleteNamesTheLoadedRuleAsStored) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    Control("clearlog");
    page->Btn_Del->Click();  // no rule loaded: nothing happens
    EXPECT_TRUE(Logged("SET").empty());

    Select(*page, 1);
    page->Ed_ScheduleName->SetText("edited");
    pagetest::Pick(page->Cbox_SchIndex, "SSID1");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Ok);
    Act(*page, page->Btn_Del);
    EXPECT_EQ(Sets(), Texts{"dot11ScheduleRuleName=night dot11ScheduleSSIDIndex=5 dot11Over=1 "
                            "dot11ScheduleAction=0"});
    EXPECT_EQ(Listed(*page), Texts{"office|SSID2|Guests|Mon,Wed,Fri|9:00-17:30|on|+"});
    EXPECT_EQ(Status(*page), "Delete OK!");
}

TEST_F(SchedulePageTest, SaveWritesTheStatusAndEachRulesStateIntoItsRow) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    page->User_ListView->Item(0)->SetChecked(false);
    page->User_ListView->Item(1)->SetChecked(true);
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Logged("SET"), (Texts{DeviceOid(kStatus) + "=integer:1",
                                    DeviceOid(NodeStatus(1)) + "=integer:0 " + DeviceOid(NodeStatus(2)) +
                                        "=integer:1"}));
    EXPECT_EQ(Listed(*page), (Texts{"office|SSID2|Guests|Mon,Wed,Fri|9:00-17:30|on|-",
                                    "night|SSID5|Lab|All Week|22:00-6:00+|off|+"}));
    EXPECT_EQ(Status(*page), "Save OK!");

    pagetest::Pick(page->CBox_ScheduleStatus, "Disable");
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kStatus) + "=integer:0"}) << "the states are not written";
    EXPECT_EQ(Status(*page), "Save OK!");
}

// Save writes each listed rule's state into its own row, whatever place the
// rule has in the list: free rows before and between the rules.
TEST_F(SchedulePageTest, SaveWritesEachRulesStateByItsWalkedIndex) {
    ASSERT_TRUE(Started());
    struct Layout {
        const char* name;
        const char* fixture;            // "" the device's defaults with the schedule on
        std::vector<int> named;          // rows named here (with SSID index k-1 each)
        Texts indexes;                   // the listed rules' rows, in list order
        std::vector<bool> ticks;         // what the user ticks before Save
    } const layouts[] = {
        {"free rows before and between", "schedule-free-first", {}, {"2", "4"}, {false, true}},
        {"rules at the end", "", {7, 8}, {"7", "8"}, {true, false}},
        {"one rule in the middle", "", {5}, {"5"}, {true}},
        {"rules in order from the first row", "schedule-rules", {}, {"1", "2"}, {true, true}},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        RestartSim(*layout.fixture ? std::vector<std::string>{"--fixture", Fixture(layout.fixture)}
                                   : std::vector<std::string>{});
        SetValue(kStatus, "1");
        for (int row : layout.named) {
            SetValue("E.3.10.2.1.1.2." + std::to_string(row), "\"rule" + std::to_string(row) + "\"");
            SetValue("E.3.10.2.1.1.6." + std::to_string(row), std::to_string(row - 1));
        }
        OpenedPage<TFM_Scheduling> page(FM_Scheduling);
        Open(page);
        ASSERT_EQ(page->Rules.Indexes(), layout.indexes);
        ASSERT_EQ(page->User_ListView->ItemCount(), static_cast<int>(layout.ticks.size()));
        std::string states;
        for (size_t k = 0; k < layout.ticks.size(); ++k) {
            page->User_ListView->Item(static_cast<int>(k))->SetChecked(layout.ticks[k]);
            states += (k == 0 ? "" : " ") + DeviceOid(NodeStatus(std::stoi(layout.indexes[k]))) + "=integer:" +
                      (layout.ticks[k] ? "1" : "0");
        }
        Act(*page, page->Btn_Apply);
        EXPECT_EQ(Logged("SET"), (Texts{DeviceOid(kStatus) + "=integer:1", states}));
        for (size_t k = 0; k < layout.ticks.size(); ++k)
            EXPECT_EQ(Value(NodeStatus(std::stoi(layout.indexes[k]))), layout.ticks[k] ? "1" : "0") << k;
        EXPECT_EQ(Status(*page), "Save OK!");
    }
}

TEST_F(SchedulePageTest, WirelessClientModeLocksTheStatus) {
    ASSERT_TRUE(Started());
    SetValue(kApMode, "4");
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    EXPECT_FALSE(page->CBox_ScheduleStatus->Enabled());
    EXPECT_EQ(page->CBox_ScheduleStatus->Text(), "Disable");
    EXPECT_FALSE(page->Btn_Add->Enabled());
}

TEST_F(SchedulePageTest, ClosingWithARuleWriteOutstandingLeavesNothingBehind) {
    ASSERT_TRUE(Started());
    OpenWithRules();
    OpenedPage<TFM_Scheduling> page(FM_Scheduling);
    Open(page);
    Control("delay 300");
    page->Ed_ScheduleName->SetText("held");
    pagetest::Pick(page->Cbox_SchIndex, "SSID6");
    page->CheckBox_AllDay->SetChecked(true);
    page->CheckBox_Sun->SetChecked(true);
    page->Btn_Add->Click();
    ASSERT_TRUE(page->RuleRequest->busy);
    page.Close();
    RunFor(600);
    EXPECT_EQ(FM_Scheduling, nullptr);
}

TEST_F(SchedulePageTest, TheAdvancedMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterWirelessPages();
    bool seen = false;
    // The opening's reads may let the first tick pass before the page shows.
    std::function<void()> closeWhenShown = [&] {
        if (FM_Scheduling == nullptr || !FM_Scheduling->Modal()) {
            Later(20, closeWhenShown);
            return;
        }
        seen = true;
        FM_Scheduling->Close();
    };
    Later(20, closeWhenShown);
    EXPECT_TRUE(OpenRegisteredPage("Scheduling1"));
    EXPECT_TRUE(seen);
}

}  // namespace
