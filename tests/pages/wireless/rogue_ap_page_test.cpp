// The Intrusion page against the simulated access point: the survey list
// and its close guard, Detect behind its notice, the reclassifying writes
// and their rescan, the filter with Select All and the "Mark All New"
// choice, and scans that fail or go unanswered.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "pages/wireless/rogue_ap_page.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kRefresh[] = "E.3.4.4.1.0";
std::string SurveyCell(int column, int row) { return "E.3.4.4.4.1." + std::to_string(column) + "." + std::to_string(row); }
constexpr int kSsidColumn = 9;
constexpr int kTypeColumn = 11;
constexpr int kGenErr = -105;  // the device's genErr as the request layer codes it

class RoguePageTest : public pagetest::PageTest {
protected:
    // Waits for the survey answer that ends the opening or a scan.
    bool Settle(TFM_RogueAP& page) {
        return RunUntil([&] { return page.RogueSurveyDone && page.Enabled() && !page.SurveyRequest->busy; });
    }
    // Each visible row: its cells joined by "|", the tick first.
    static Texts Rows(TFM_RogueAP& page) {
        Texts rows;
        for (int i = 0; i < page.AP_UserListView->ItemCount(); ++i) {
            const ui::ListItem& item = *page.AP_UserListView->Item(i);
            rows.push_back(std::string(item.Checked() ? "x " : "  ") + pagetest::RowText(item, "|"));
        }
        return rows;
    }
    static Texts Types(TFM_RogueAP& page) {
        Texts types;
        for (int i = 0; i < page.AP_UserListView->ItemCount(); ++i)
            types.push_back(page.AP_UserListView->Item(i)->Caption());
        return types;
    }
    static Texts Ticked(TFM_RogueAP& page) {
        Texts ticked;
        for (int i = 0; i < page.AP_UserListView->ItemCount(); ++i)
            if (page.AP_UserListView->Item(i)->Checked()) ticked.push_back(page.AP_UserListView->Item(i)->SubItem(6));
        return ticked;
    }
    static void Tick(TFM_RogueAP& page, const Texts& indexes) {
        for (int i = 0; i < page.AP_UserListView->ItemCount(); ++i) {
            ui::ListItem* item = page.AP_UserListView->Item(i);
            for (const std::string& index : indexes)
                if (item->SubItem(6) == index) item->SetChecked(true);
        }
    }
    Texts Sets() { return wirelesstest::Named(Logged("SET")); }
    static bool CanClose(TFM_RogueAP& page) {
        bool canClose = true;
        page.FormCloseQuery(&page, canClose);
        return canClose;
    }
};

TEST_F(RoguePageTest, OpensWithTheSurveyAsHeldAndClosesOnlyOnceItIsIn) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    EXPECT_EQ(page->Caption(), "Advanced \\ Intrusion");
    EXPECT_FALSE(CanClose(*page)) << "the survey is still being walked";
    EXPECT_FALSE(page->Btn_Detect->Enabled()) << "Detect waits for the walk";
    EXPECT_EQ(Status(*page), "Refresh...");
    ASSERT_TRUE(Settle(*page));
    EXPECT_TRUE(CanClose(*page));
    EXPECT_TRUE(page->Btn_Detect->Enabled());
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_EQ(Rows(*page), (Texts{
                               "  valid|N|1|office|00907A1B0001|2026/12/10 09:12:44|up|1",
                               "  neighborhood|G|6|cafe-free|001E58C40A12|2026/12/10 09:12:40|up|2",
                               "  rogue|N|11|office|00AA55E0C0DE|2026/12/10 09:11:58|up|3",
                               "  new|N|36|printer-setup|0026F2334455|2026/12/10 09:12:31|up|4",
                               "  new|B|1|lab|001B2F667788|2026/12/10 09:05:02|down|5",
                           }));
    EXPECT_EQ(page->AP_UserListView->ColumnWidth(7), 0) << "the index column is not shown";
    EXPECT_EQ(page->CB_OperatorType->Text(), "All");
    EXPECT_TRUE(page->CheckBox_SelectAll->Enabled());
    EXPECT_TRUE(page->RB_MarkAllValid->Checked());
    EXPECT_TRUE(Logged("SET").empty()) << "opening asks for no scan";
    const Texts gets = wirelesstest::Named(Logged("GET"));
    for (const char* object : {"dot11RogueApAddtoValid", "dot11RogueApAddtoNeighbor", "dot11RogueApAddtoRouge",
                               "dot11RogueApAddtoNew"}) {
        bool read = false;
        for (const std::string& get : gets) read = read || get.find(object) != std::string::npos;
        EXPECT_TRUE(read) << object;
    }
    SavePicture(*page, "intrusion-page");
}

TEST_F(RoguePageTest, DetectScansBehindTheNoticeThenListsWhatTheScanFound) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    SetValue(SurveyCell(kSsidColumn, 4), "\"newcomer\"");
    pagetest::Pick(page->CB_OperatorType, "Rogue");
    Control("scandelay 400");
    Control("clearlog");
    page->Btn_Detect->Click();
    EXPECT_FALSE(page->Enabled()) << "the notice is over the page";
    EXPECT_FALSE(page->Btn_Detect->Enabled());
    EXPECT_EQ(page->CB_OperatorType->Text(), "All");
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Sets(), Texts{"dot11RogueApSurveyRefresh=1"});
    EXPECT_EQ(page->AP_UserListView->Item(3)->SubItem(2), "newcomer");
    EXPECT_EQ(page->AP_UserListView->ItemCount(), 5);
    EXPECT_TRUE(page->Btn_Detect->Enabled());
    EXPECT_TRUE(page->RB_MarkAllValid->Enabled());
    EXPECT_EQ(Status(*page), "Get OK!");
}

// Each row: the button, the rows ticked (by survey index), what is written
// and the type those rows have after the rescan.
TEST_F(RoguePageTest, EachSetAsWritesEveryTickedIndexThenScansOnce) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    struct Case {
        ui::Button* TFM_RogueAP::*button;
        Texts ticked;
        const char* object;
        const char* type;
    } const cases[] = {
        {&TFM_RogueAP::Btn_SetNeigh, {"1", "3", "5"}, "dot11RogueApAddtoNeighbor", "neighborhood"},
        {&TFM_RogueAP::Btn_SetValid, {"2"}, "dot11RogueApAddtoValid", "valid"},
        {&TFM_RogueAP::Btn_SetRogue, {"4"}, "dot11RogueApAddtoRouge", "rogue"},
        {&TFM_RogueAP::Btn_SetNew, {"1", "2"}, "dot11RogueApAddtoNew", "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object);
        Tick(*page, c.ticked);
        Control("clearlog");
        ((*page).*c.button)->Click();
        ASSERT_TRUE(Settle(*page));
        Texts expected;
        for (const std::string& index : c.ticked) expected.push_back(std::string(c.object) + "=" + index);
        expected.push_back("dot11RogueApSurveyRefresh=1");
        EXPECT_EQ(Sets(), expected);
        for (const std::string& index : c.ticked)
            EXPECT_EQ(page->AP_UserListView->Item(std::stoi(index) - 1)->Caption(), c.type) << index;
        EXPECT_TRUE(Ticked(*page).empty()) << "the rescan lists the rows unticked";
        EXPECT_EQ(Status(*page), "Get OK!");
    }
}

// Under a type filter the listed rows are not the survey's first ones: each
// ticked row's write carries its own walked survey index.
TEST_F(RoguePageTest, UnderAFilterEachTickedRowIsWrittenByItsSurveyIndex) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* filter;
        std::vector<int> tick;  // visible positions ticked
        ui::Button* TFM_RogueAP::*button;
        Texts sets;
    } const cases[] = {
        {"New", {0, 1}, &TFM_RogueAP::Btn_SetRogue, {"dot11RogueApAddtoRouge=4", "dot11RogueApAddtoRouge=5"}},
        {"New", {1}, &TFM_RogueAP::Btn_SetValid, {"dot11RogueApAddtoValid=5"}},
        {"Rogue", {0}, &TFM_RogueAP::Btn_SetNew, {"dot11RogueApAddtoNew=3"}},
        {"Neighborhood", {0}, &TFM_RogueAP::Btn_SetValid, {"dot11RogueApAddtoValid=2"}},
        {"New", {0, 1}, &TFM_RogueAP::Btn_Apply, {"dot11RogueApAddtoValid=4", "dot11RogueApAddtoValid=5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.filter) + " " + std::to_string(c.sets.size()));
        RestartSim({});
        OpenedPage<TFM_RogueAP> page(FM_RogueAP);
        ASSERT_TRUE(Settle(*page));
        pagetest::Pick(page->CB_OperatorType, c.filter);
        for (int position : c.tick) page->AP_UserListView->Item(position)->SetChecked(true);
        Control("clearlog");
        ((*page).*c.button)->Click();
        ASSERT_TRUE(Settle(*page));
        Texts expected = c.sets;
        expected.push_back("dot11RogueApSurveyRefresh=1");
        EXPECT_EQ(Sets(), expected);
    }
}

TEST_F(RoguePageTest, MarkAllTicksTheNewRowsAndSaveMakesThemRogueOrValid) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    Tick(*page, {"1"});
    page->RB_MarkAllRogue->SetChecked(true);
    EXPECT_EQ(Ticked(*page), (Texts{"1", "4", "5"})) << "new rows join the ticks already there";
    Control("clearlog");
    page->Btn_Apply->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Sets(), (Texts{"dot11RogueApAddtoRouge=1", "dot11RogueApAddtoRouge=4", "dot11RogueApAddtoRouge=5",
                             "dot11RogueApSurveyRefresh=1"}));
    EXPECT_EQ(Types(*page), (Texts{"rogue", "neighborhood", "rogue", "rogue", "rogue"}));
    EXPECT_TRUE(page->RB_MarkAllValid->Checked()) << "the survey answer brings the choice back to valid";

    SetValue(SurveyCell(kTypeColumn, 2), "1");  // a new access point appears
    page->Btn_Detect->Click();
    ASSERT_TRUE(Settle(*page));
    page->RB_MarkAllRogue->SetChecked(true);
    page->RB_MarkAllValid->SetChecked(true);
    Control("clearlog");
    page->Btn_Apply->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Sets(), (Texts{"dot11RogueApAddtoValid=2", "dot11RogueApSurveyRefresh=1"}));
}

TEST_F(RoguePageTest, NothingTickedWarnsWritesNothingAndSaveResetsTheFilter) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    pagetest::Pick(page->CB_OperatorType, "Rogue");
    page->RB_MarkAllRogue->SetChecked(true);
    Control("clearlog");
    Dialogs().ExpectBox("Warning", RogueNoEntryText, ui::Answer::Ok);
    page->Btn_SetValid->Click();
    Dialogs().ExpectBox("Warning", RogueNoEntryText, ui::Answer::Ok);
    page->Btn_Apply->Click();
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->CB_OperatorType->Text(), "All");
    EXPECT_EQ(page->AP_UserListView->ItemCount(), 5);
    EXPECT_TRUE(page->RB_MarkAllValid->Checked());
    EXPECT_TRUE(page->RB_MarkAllValid->Enabled());
    EXPECT_TRUE(page->Enabled());
}

TEST_F(RoguePageTest, AnEmptySurveyListsNothingLetsThePageCloseAndSaveWarns) {
    // A device that heard no access point: its survey table has no rows.
    RestartSimWithout({"dot11RogueApSurveyChannel", "dot11RogueApSurveyBssid", "dot11RogueApSurveyMode",
                       "dot11RogueApSurveySsid", "dot11RogueApSurveyLastseem", "dot11RogueApSurveyType",
                       "dot11RogueApSurveyStatus"},
                      {});
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Rows(*page), Texts{});
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_TRUE(CanClose(*page));
    EXPECT_TRUE(page->Btn_Detect->Enabled());
    EXPECT_FALSE(page->CheckBox_SelectAll->Enabled()) << "nothing to select";
    Control("clearlog");
    Dialogs().ExpectBox("Warning", RogueNoEntryText, ui::Answer::Ok);
    page->Btn_Apply->Click();
    EXPECT_TRUE(Logged("SET").empty());
    // A scan that again finds nothing leaves the page as it was.
    page->Btn_Detect->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Sets(), Texts{"dot11RogueApSurveyRefresh=1"});
    EXPECT_EQ(Rows(*page), Texts{});
    EXPECT_EQ(Status(*page), "Get OK!");
}

// Each row: the filter picked; the types listed and whether the "Mark All
// New" choice is offered.
TEST_F(RoguePageTest, TheFilterListsOneTypeAndOffersMarkAllOnlyWhereNewRowsCanBe) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    struct Case {
        const char* filter;
        Texts types;
        bool markAllOffered;
    } const cases[] = {
        {"Valid", {"valid"}, false},
        {"Neighborhood", {"neighborhood"}, false},
        {"Rogue", {"rogue"}, false},
        {"New", {"new", "new"}, true},
        {"All", {"valid", "neighborhood", "rogue", "new", "new"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        page->RB_MarkAllRogue->SetChecked(true);
        page->CheckBox_SelectAll->SetChecked(true);
        pagetest::Pick(page->CB_OperatorType, c.filter);
        EXPECT_EQ(Types(*page), c.types);
        EXPECT_EQ(page->RB_MarkAllValid->Enabled(), c.markAllOffered);
        EXPECT_EQ(page->RB_MarkAllRogue->Enabled(), c.markAllOffered);
        EXPECT_TRUE(page->RB_MarkAllValid->Checked()) << "another filter brings the choice back to valid";
        EXPECT_FALSE(page->CheckBox_SelectAll->Checked());
    }
    // Picking the filter shown already leaves the choice as it is.
    page->RB_MarkAllRogue->SetChecked(true);
    pagetest::Pick(page->CB_OperatorType, "All");
    EXPECT_TRUE(page->RB_MarkAllRogue->Checked());

    for (int i = 0; i < page->AP_UserListView->ItemCount(); ++i) page->AP_UserListView->Item(i)->SetChecked(false);
    page->CheckBox_SelectAll->SetChecked(true);
    EXPECT_EQ(Ticked(*page), (Texts{"1", "2", "3", "4", "5"}));
    page->CheckBox_SelectAll->SetChecked(false);
    EXPECT_TRUE(Ticked(*page).empty());
}

// A refused scan, and a scan whose survey walk goes unanswered: the notice
// goes, the page is usable and closable again, and the status says why.
TEST_F(RoguePageTest, AScanThatFailsLeavesThePageUsableAndClosable) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));

    Control("error " + pagetest::DeviceOid(kRefresh) + " genErr");
    Control("clearlog");
    page->Btn_Detect->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_TRUE(Logged("GETNEXT").empty()) << "no walk after a refused scan";
    EXPECT_EQ(Status(*page), MessageText(kGenErr));
    EXPECT_TRUE(page->Btn_Detect->Enabled());
    EXPECT_TRUE(page->Btn_Apply->Enabled());
    EXPECT_TRUE(CanClose(*page));

    // The scan is taken, the walk after it is not answered (both tries); the
    // notice reads the firmware version first.
    page->SurveyRequest->request.timeout = 10;
    Control("drop 2 after 2");
    page->Btn_Detect->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Status(*page), MessageText(VK_ERR_TIMEOUT));
    EXPECT_TRUE(page->Btn_Detect->Enabled());
    EXPECT_TRUE(CanClose(*page));

    // A reclassifying write the device refuses: the rescan still shows the
    // device's survey, and the status the refusal.
    Control("error " + pagetest::DeviceOid("E.3.4.4.6.0") + " genErr");
    Tick(*page, {"4"});
    page->Btn_SetNeigh->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(page->AP_UserListView->Item(3)->Caption(), "new");
    EXPECT_EQ(Status(*page), MessageText(kGenErr));

    // The scan itself goes unanswered.
    page->RefreshRequest->request.timeout = 10;
    Control("drop 2 after 1");
    page->Btn_Detect->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Status(*page), MessageText(VK_ERR_TIMEOUT));
    EXPECT_TRUE(page->Btn_Detect->Enabled());
}

// The page goes while a scan runs: its notice goes with it, and the scan's
// answers reach nothing.
TEST_F(RoguePageTest, AnswersAfterThePageWentReachNothing) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_RogueAP> page(FM_RogueAP);
    ASSERT_TRUE(Settle(*page));
    Control("scandelay 100");
    Control("clearlog");
    page->Btn_Detect->Click();
    ASSERT_TRUE(page->RefreshRequest->busy);
    page.Close();
    RunFor(300);
    EXPECT_EQ(wirelesstest::Named(Logged("SET")), Texts{"dot11RogueApSurveyRefresh=1"});
    EXPECT_TRUE(Logged("GETNEXT").empty()) << "no walk follows the scan";
}

TEST_F(RoguePageTest, TheMenuEntryOpensThePageWhichClosesOnceTheSurveyIsIn) {
    RegisterWirelessPages();
    bool closedAfterSurvey = false;
    std::function<void()> closeWhenListed = [&] {
        if (FM_RogueAP == nullptr || !FM_RogueAP->Modal() || !FM_RogueAP->RogueSurveyDone)
            return Later(20, closeWhenListed);
        closedAfterSurvey = FM_RogueAP->AP_UserListView->ItemCount() == 5;
        FM_RogueAP->Close();
    };
    Later(20, closeWhenListed);
    EXPECT_TRUE(OpenRegisteredPage("Intrusion1"));
    EXPECT_TRUE(closedAfterSurvey);
    EXPECT_EQ(FM_RogueAP, nullptr);
}

}  // namespace
