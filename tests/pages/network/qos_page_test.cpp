// The QoS page against the simulated access point: the opening load and the
// rule list, the Wireless Client lock, rules added, rewritten and deleted by
// their row's index (a free row between rules, a full table), Save with and
// without rules (states to the rules' own indexes, 64 in one PDU), failed
// and unanswered writes that leave the page usable, and the close guard.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "pages/network/network_pages.h"
#include "pages/network/qos_page.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kStatus[] = "E.3.7.1.0";
constexpr char kHttp[] = "E.3.7.2.1.0";
constexpr char kAutomatic[] = "E.3.7.2.2.0";
constexpr char kDelete[] = "E.3.7.2.4.0";
const std::string kFixtures = VAP_NETWORK_FIXTURES;
constexpr char kEmptyText[] = "\"\"";  // how the simulator shows an empty text

std::string RuleCell(int column, int row) {
    return "E.3.7.2.5.1." + std::to_string(column) + "." + std::to_string(row);
}
constexpr int kStateColumn = 2;
constexpr int kNameColumn = 3;
constexpr int kPriorityColumn = 4;

std::string Set(const std::string& oid, const std::string& value) { return DeviceOid(oid) + "=integer:" + value; }

class QosPageTest : public pagetest::PageTest {
protected:
    // Waits until the rule table's read or write has ended.
    bool Settle(TFM_QosSetting& page) {
        return RunUntil([&] { return !page.QosRulesRequest->busy; });
    }
    void Open(OpenedPage<TFM_QosSetting>& page) { ASSERT_TRUE(Settle(*page)); }
    void Act(TFM_QosSetting& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    static Texts Rows(const ui::ListView& view) {
        Texts rows;
        for (int i = 0; i < view.ItemCount(); ++i) {
            const ui::ListItem& row = *view.Item(i);
            rows.push_back(std::string(row.Checked() ? "[x] " : "[ ] ") + pagetest::RowText(row, " | "));
        }
        return rows;
    }
    static void Choose(TFM_QosSetting& page, int rule) {
        page.LV_QosRulesUser->Item(rule)->SetSelected(true);
        page.LV_QosRulesUser->OnClick(page.LV_QosRulesUser);
    }
    static void TypeRule(TFM_QosSetting& page, const std::string& name, const std::string& ip) {
        page.Ed_QosName->SetText(name);
        page.Ed_IpFrom1->SetText(ip);
    }
    // The rule PDU of an Add: the varbinds' OIDs below the rule table's row.
    static bool Writes(const std::string& pdu, int column, int row, const std::string& value) {
        return pdu.find(DeviceOid(RuleCell(column, row)) + "=") != std::string::npos &&
               pdu.find(DeviceOid(RuleCell(column, row)) + "=" + value) != std::string::npos;
    }
    static bool WritesColumn(const std::string& pdu, int column, int row) {
        return pdu.find(DeviceOid(RuleCell(column, row)) + "=") != std::string::npos;
    }
    // QoS on with something classified: a Save asks nothing.
    void UseQosWithAClassifier() {
        SetValue(kStatus, "1");
        SetValue(kHttp, "1");
    }
    void UseGapFixture() {
        RestartSim({"--fixture", kFixtures + "/qos_gap.txt"});
        SetValue(kStatus, "1");
    }
};

TEST_F(QosPageTest, OpensWithTheNamedRulesListedAndTheFreeRowReady) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    SetValue(kHttp, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ QoS Setting");
    EXPECT_EQ(page->CB_EnableQos->Text(), "Enable");
    EXPECT_TRUE(page->CheckBox_Http->Checked());
    EXPECT_FALSE(page->CheckBox_Automatic->Checked());
    EXPECT_EQ(Rows(*page->LV_QosRulesUser),
              (Texts{"[x] voice | Voice(VO) | 192.168.0.20~192.168.0.29 | any | UDP 5060/5061 Any",
                     "[ ] web | Best Effort(BE) | 192.168.0.50~192.168.0.50 | any | TCP 80/Any Any"}));
    EXPECT_EQ(page->LV_QosRules->ItemCount(), 64) << "every row walked, free ones included";
    EXPECT_EQ(page->LB_Index->Caption(), "3") << "the first free row";
    EXPECT_EQ(page->EditMode, 0);
    EXPECT_TRUE(page->Btn_Add->Enabled());
    EXPECT_FALSE(page->Btn_Del->Enabled());
    EXPECT_TRUE(page->Btn_Apply->Enabled());
    EXPECT_EQ(page->Ed_ProtocolName->Text(), "256");
    EXPECT_FALSE(page->Ed_ProtocolName->Enabled());
    EXPECT_FALSE(page->Ed_PortFrom1->Enabled()) << "protocol Any has no ports";
    EXPECT_EQ(Status(*page), "Get OK!");
    SavePicture(*page, "qos-page");

    // A rule loaded: its own row, 0 and 0.0.0.0 shown empty, its ports open.
    Choose(*page, 1);
    EXPECT_EQ(page->LB_Index->Caption(), "2");
    EXPECT_EQ(page->Ed_QosName->Text(), "web");
    EXPECT_EQ(page->CB_Protocol->Text(), "TCP");
    EXPECT_EQ(page->Ed_PortTo1->Text(), "");
    EXPECT_EQ(page->Ed_IpFrom2->Text(), "");
    EXPECT_TRUE(page->Ed_PortFrom1->Enabled());
    EXPECT_TRUE(page->Btn_Del->Enabled());
    EXPECT_EQ(page->EditMode, 1);
    // Clear goes back to the free row.
    page->Btn_Clear->Click();
    EXPECT_EQ(page->LB_Index->Caption(), "3");
    EXPECT_EQ(page->Ed_QosName->Text(), "");
    EXPECT_FALSE(page->Btn_Del->Enabled());
}

TEST_F(QosPageTest, WirelessClientModeLocksQosOffAndEveryRuleControl) {
    ASSERT_TRUE(Started());
    SetValue(kApMode, "4");
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    EXPECT_EQ(page->CB_EnableQos->Text(), "Disable");
    EXPECT_FALSE(page->CB_EnableQos->Enabled());
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             page->CheckBox_Http, page->Ed_QosName, page->CB_Priority, page->CB_Protocol, page->Ed_ProtocolName,
             page->Ed_IpFrom1, page->Ed_PortFrom1, page->Ed_IpTo2, page->Ed_PortTo2, page->LV_QosRulesUser,
             page->Btn_Add, page->Btn_Del, page->Btn_Clear})
        EXPECT_FALSE(control->Enabled()) << control->Name();
    EXPECT_TRUE(page->Btn_Apply->Enabled());
}

TEST_F(QosPageTest, AddWritesTheFreeRowBetweenRulesWithTheMarkedRowsOnly) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    ASSERT_EQ(page->LV_QosRulesUser->ItemCount(), 2);
    EXPECT_EQ(page->LB_Index->Caption(), "2") << "the free row between the rules";
    TypeRule(*page, "ftp", "192.168.0.70");
    pagetest::Pick(page->CB_Protocol, "TCP");
    EXPECT_EQ(page->Ed_ProtocolName->Text(), "6");
    page->Ed_PortFrom1->SetText("80");
    Act(*page, page->Btn_Add);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], Set(kStatus, "1"));
    const std::string& rule = sets[1];
    EXPECT_TRUE(Writes(rule, kStateColumn, 2, "integer:1")) << rule;
    EXPECT_TRUE(Writes(rule, kNameColumn, 2, "string:\"ftp\"") || Writes(rule, kNameColumn, 2, "string:ftp")) << rule;
    EXPECT_TRUE(Writes(rule, 5, 2, "integer:6")) << rule;
    EXPECT_TRUE(Writes(rule, 8, 2, "ipaddress:192.168.0.70")) << "an empty end takes the start: " << rule;
    EXPECT_TRUE(Writes(rule, 9, 2, "integer:1")) << rule;
    EXPECT_TRUE(Writes(rule, 10, 2, "integer:80")) << rule;
    EXPECT_TRUE(Writes(rule, 11, 2, "integer:80")) << rule;
    EXPECT_TRUE(Writes(rule, 12, 2, "integer:1")) << rule;
    for (int column = 13; column <= 18; ++column)
        EXPECT_FALSE(WritesColumn(rule, column, 2)) << "host 2 left empty: column " << column << " " << rule;
    EXPECT_EQ(rule.find(".3.7.2.5.1.1."), std::string::npos) << "the index column is not written";
    EXPECT_EQ(Value(RuleCell(kNameColumn, 2)), "ftp");
    EXPECT_EQ(Value(RuleCell(kNameColumn, 3)), "video") << "the rule after the gap is untouched";
    EXPECT_EQ(page->LV_QosRulesUser->ItemCount(), 3);
    EXPECT_EQ(page->LB_Index->Caption(), "4") << "the next free row";
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_TRUE(page->Enabled());
}

// A free-looking row the device did not return whole (a cell missing) may
// hold something: a new rule goes to the next whole free row, written whole.
TEST_F(QosPageTest, AddSkipsAFreeRowWithACellMissing) {
    ASSERT_TRUE(Started());
    support::TempFolder folder;
    const std::string fixture = folder.Path() + "/qos_gap_missing.txt";
    std::ofstream(fixture) << "remove " << RuleCell(5, 2) << "\n";  // the protocol
    RestartSim({"--fixture", kFixtures + "/qos_gap.txt", "--fixture", fixture});
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    EXPECT_EQ(page->LV_QosRulesUser->ItemCount(), 2) << "the half row is no rule";
    EXPECT_EQ(page->LB_Index->Caption(), "4") << "the first whole free row";
    TypeRule(*page, "ftp", "192.168.0.70");
    Act(*page, page->Btn_Add);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_TRUE(Writes(sets[1], kNameColumn, 4, "string:\"ftp\"") || Writes(sets[1], kNameColumn, 4, "string:ftp"))
        << sets[1];
    EXPECT_TRUE(Writes(sets[1], 5, 4, "integer:256")) << "protocol Any: " << sets[1];
    EXPECT_FALSE(WritesColumn(sets[1], kNameColumn, 2)) << sets[1];
}

TEST_F(QosPageTest, AnEditedRuleAfterTheGapIsRewrittenInItsOwnRow) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    Choose(*page, 1);
    ASSERT_EQ(page->Ed_QosName->Text(), "video");
    EXPECT_EQ(page->LB_Index->Caption(), "3");
    EXPECT_EQ(page->Ed_IpFrom2->Text(), "10.0.0.1");
    pagetest::Pick(page->CB_Priority, "Background(BK)");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Value(RuleCell(kPriorityColumn, 3)), "3");
    EXPECT_EQ(Value(RuleCell(kNameColumn, 2)), kEmptyText) << "the free row stays free";
    ASSERT_EQ(Logged("SET").size(), 2u);
    EXPECT_TRUE(Writes(Logged("SET")[1], 15, 3, "integer:9")) << "host 2 written with its size";
    EXPECT_EQ(Rows(*page->LV_QosRulesUser).back(),
              "[x] video | Background(BK) | 192.168.0.60~192.168.0.61 | 10.0.0.1~10.0.0.9 | UDP Any Any");
}

TEST_F(QosPageTest, SaveWritesTheStatesToTheRulesOwnIndexesThenStatusAndClassifiers) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    page->LV_QosRulesUser->Item(0)->SetChecked(false);
    page->CheckBox_Automatic->SetChecked(true);
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Logged("SET"), (Texts{Set(RuleCell(kStateColumn, 1), "0") + " " + Set(RuleCell(kStateColumn, 3), "1"),
                                    Set(kStatus, "1"), Set(kHttp, "0") + " " + Set(kAutomatic, "1")}));
    const Texts gets = Logged("GET");
    ASSERT_FALSE(gets.empty());
    EXPECT_EQ(gets[0], DeviceOid(RuleCell(kStateColumn, 1)) + " " + DeviceOid(RuleCell(kStateColumn, 3)))
        << "the states are read before they are written";
    EXPECT_EQ(Value(RuleCell(kStateColumn, 1)), "0");
    EXPECT_EQ(Value(RuleCell(kStateColumn, 2)), "0") << "the free row is not written";
    EXPECT_EQ(Rows(*page->LV_QosRulesUser).front().substr(0, 3), "[ ]") << "read again after the Save";
    EXPECT_EQ(Status(*page), "Get OK!");
}

TEST_F(QosPageTest, SaveWithoutRulesWarnsAndWritesStatusAndClassifiersOnly) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    SetValue(RuleCell(kNameColumn, 1), "\"\"");
    SetValue(RuleCell(kNameColumn, 2), "\"\"");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    ASSERT_EQ(page->LV_QosRulesUser->ItemCount(), 0);
    Dialogs().ExpectBox("Warning",
                        "All traffic will be treated as priority of 'Best Effort'\nbecause of priority classifier "
                        "specified and empty rule table.",
                        ui::Answer::Ok);
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Logged("SET"), (Texts{Set(kStatus, "1"), Set(kHttp, "0") + " " + Set(kAutomatic, "0")}));
    for (const std::string& get : Logged("GET"))
        EXPECT_EQ(get.find(DeviceOid(RuleCell(kStateColumn, 1))), std::string::npos) << "no rule state to read";
    EXPECT_TRUE(page->Enabled());
}

TEST_F(QosPageTest, SaveWithQosOffWritesOnlyTheStatus) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    pagetest::Pick(page->CB_EnableQos, "Disable");
    EXPECT_FALSE(page->Btn_Add->Enabled());
    EXPECT_FALSE(page->CheckBox_Http->Enabled());
    page->LV_QosRulesUser->Item(1)->SetChecked(true);
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Logged("SET"), Texts{Set(kStatus, "0")});
    EXPECT_EQ(Status(*page), "Set OK!");
    EXPECT_TRUE(page->Enabled());
    EXPECT_TRUE(page->Btn_Apply->Enabled());
}

TEST_F(QosPageTest, AFailedStateWriteIsReportedAsFailure) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    Control("error " + DeviceOid(RuleCell(kStateColumn, 2)) + " genErr");
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Status(*page).rfind("Set Error!", 0), 0u) << Status(*page);
    EXPECT_TRUE(page->Enabled());
}

TEST_F(QosPageTest, AfterASaveWithARuleLoadedItsAddLeavesTheStateAsSaved) {
    ASSERT_TRUE(Started());
    UseQosWithAClassifier();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    Choose(*page, 0);
    page->LV_QosRulesUser->Item(0)->SetChecked(false);
    Act(*page, page->Btn_Apply);
    EXPECT_EQ(Status(*page), "Set OK!") << "no read after a Save with a rule loaded";
    EXPECT_EQ(Value(RuleCell(kStateColumn, 1)), "0");
    EXPECT_EQ(page->Ed_QosName->Text(), "voice");
    page->Ed_PortTo1->SetText("5062");
    Act(*page, page->Btn_Add);
    ASSERT_EQ(Logged("SET").size(), 2u);
    EXPECT_FALSE(WritesColumn(Logged("SET")[1], kStateColumn, 1)) << Logged("SET")[1];
    EXPECT_TRUE(Writes(Logged("SET")[1], 11, 1, "integer:5062"));
    EXPECT_EQ(Value(RuleCell(kStateColumn, 1)), "0");
    EXPECT_EQ(Rows(*page->LV_QosRulesUser)[0].substr(0, 3), "[ ]") << "every column read, the state too";

    // The next Add writes the state again.
    Choose(*page, 0);
    Act(*page, page->Btn_Add);
    ASSERT_EQ(Logged("SET").size(), 2u);
    EXPECT_TRUE(Writes(Logged("SET")[1], kStateColumn, 1, "integer:1"));
}

TEST_F(QosPageTest, TheStateKeptBySaveBelongsToTheLoadedRuleNotToTheNextNewOne) {
    ASSERT_TRUE(Started());
    UseQosWithAClassifier();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    Choose(*page, 0);
    Act(*page, page->Btn_Apply);
    ASSERT_EQ(Status(*page), "Set OK!");
    page->Btn_Clear->Click();
    ASSERT_EQ(page->LB_Index->Caption(), "3");
    TypeRule(*page, "newrule", "192.168.0.70");
    Act(*page, page->Btn_Add);
    ASSERT_EQ(Logged("SET").size(), 2u);
    EXPECT_TRUE(Writes(Logged("SET")[1], kStateColumn, 3, "integer:1")) << Logged("SET")[1];
    EXPECT_EQ(Value(RuleCell(kStateColumn, 3)), "1");
    EXPECT_EQ(Rows(*page->LV_QosRulesUser).back().substr(0, 3), "[x]");
    // (The loaded rule's own next Add: AfterASaveWithARuleLoadedItsAddLeavesTheStateAsSaved.)
}

TEST_F(QosPageTest, HostTwoEmptiedInALoadedRuleIsWrittenAsUnset) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    Choose(*page, 1);
    ASSERT_EQ(page->Ed_IpFrom2->Text(), "10.0.0.1");
    page->Ed_IpFrom2->SetText("");
    page->Ed_IpTo2->SetText("");
    Act(*page, page->Btn_Add);
    ASSERT_EQ(Logged("SET").size(), 2u);
    const std::string rule = Logged("SET")[1];
    EXPECT_TRUE(Writes(rule, 13, 3, "ipaddress:0.0.0.0")) << rule;
    EXPECT_TRUE(Writes(rule, 14, 3, "ipaddress:0.0.0.0")) << rule;
    EXPECT_TRUE(Writes(rule, 15, 3, "integer:0")) << rule;
    EXPECT_EQ(Value(RuleCell(13, 3)), "0.0.0.0");
    EXPECT_NE(Rows(*page->LV_QosRulesUser).back().find("192.168.0.61 | any |"), std::string::npos)
        << Rows(*page->LV_QosRulesUser).back();
}

TEST_F(QosPageTest, AFullTableRefusesAddAndSavesAll64StatesInOnePdu) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/qos_full.txt"});
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    ASSERT_EQ(page->LV_QosRulesUser->ItemCount(), 64);
    EXPECT_EQ(page->EditMode, 3);
    EXPECT_FALSE(page->Btn_Add->Enabled());
    for (int i = 0; i < 64; ++i) page->LV_QosRulesUser->Item(i)->SetChecked(i < 32);
    Act(*page, page->Btn_Apply);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 3u);
    std::string states;
    for (int row = 1; row <= 64; ++row)
        states += (row > 1 ? " " : "") + Set(RuleCell(kStateColumn, row), row <= 32 ? "1" : "0");
    EXPECT_EQ(sets[0], states);
    EXPECT_EQ(Value(RuleCell(kStateColumn, 64)), "0");
    EXPECT_EQ(Value(RuleCell(kStateColumn, 32)), "1");
    EXPECT_EQ(Status(*page), "Get OK!");
}

TEST_F(QosPageTest, DeleteEmptiesTheChosenRuleByItsIndexAfterConfirmation) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    Choose(*page, 1);
    Dialogs().ExpectBox("Warning", "Are you sure you want to delete video?", ui::Answer::Cancel);
    Act(*page, page->Btn_Del);
    EXPECT_TRUE(Logged("SET").empty());

    Control("error " + DeviceOid(kDelete) + " genErr");
    Dialogs().ExpectBox("Warning", "Are you sure you want to delete video?", ui::Answer::Ok);
    Act(*page, page->Btn_Del);
    EXPECT_EQ(Status(*page), "Delete Fail!");
    EXPECT_EQ(page->LV_QosRulesUser->ItemCount(), 2);

    Dialogs().ExpectBox("Warning", "Are you sure you want to delete video?", ui::Answer::Ok);
    Act(*page, page->Btn_Del);
    EXPECT_EQ(Logged("SET"), Texts{Set(kDelete, "3")});
    EXPECT_EQ(Value(RuleCell(kNameColumn, 3)), kEmptyText);
    EXPECT_EQ(Rows(*page->LV_QosRulesUser).size(), 1u);
    EXPECT_EQ(page->LB_Index->Caption(), "2");
}

TEST_F(QosPageTest, ARefusedOrUnansweredRuleWriteLeavesThePageUsable) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    TypeRule(*page, "ftp", "192.168.0.70");
    Control("error " + DeviceOid(RuleCell(kNameColumn, 3)) + " genErr");
    Act(*page, page->Btn_Add);
    EXPECT_NE(Status(*page), "Adding QOS!");
    EXPECT_NE(Status(*page), "Get OK!");
    EXPECT_TRUE(page->Enabled());
    EXPECT_EQ(Value(RuleCell(kNameColumn, 3)), kEmptyText);

    // Unanswered: a short time-out instead of the page's 100 s. The wait
    // notice's firmware read and the status write go through, the rule write
    // and its retry do not.
    page->QosRulesRequest->request.timeout = 20;
    Control("drop 2 after 2");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{Set(kStatus, "1")});
    EXPECT_TRUE(page->Enabled());
    EXPECT_TRUE(page->Btn_Add->Enabled());
    EXPECT_NE(Status(*page), "Adding QOS!");
    EXPECT_NE(Status(*page), "Set Error!") << "the status write went through";
}

// The port edits admit digits only; a port that is no number is refused by
// the same check (see the rules' table test).
TEST_F(QosPageTest, AnInvalidPortIsRefusedAndNothingWritten) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    Open(page);
    TypeRule(*page, "ftp", "192.168.0.70");
    pagetest::Pick(page->CB_Protocol, "UDP");
    page->Ed_PortFrom1->SetText("53");
    page->Ed_PortTo1->SetText("65536");
    Dialogs().ExpectBox("Warning", "Invalid port!", ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_TRUE(page->Enabled());
    EXPECT_EQ(Value(RuleCell(kNameColumn, 3)), kEmptyText);
}

TEST_F(QosPageTest, ThePageClosesOnlyAfterTheFirstRuleWalk) {
    ASSERT_TRUE(Started());
    Control("delay 200");
    OpenedPage<TFM_QosSetting> page(FM_QosSetting);
    ASSERT_TRUE(page->QosRulesRequest->busy);
    bool canClose = true;
    page->FormCloseQuery(page.operator->(), canClose);
    EXPECT_FALSE(canClose);
    Open(page);
    page->FormCloseQuery(page.operator->(), canClose);
    EXPECT_TRUE(canClose);
    Control("delay 0");
}

TEST_F(QosPageTest, TheMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterNetworkPages();
    bool seen = false;
    // Closing is refused until the rule walk has ended.
    std::function<void()> closeWhenRead = [&] {
        if (FM_QosSetting == nullptr) return;
        seen = seen || FM_QosSetting->Modal();
        if (FM_QosSetting->FirstReadDone)
            FM_QosSetting->Close();
        else
            Later(20, closeWhenRead);
    };
    Later(20, closeWhenRead);
    EXPECT_TRUE(OpenRegisteredPage("QosSetting1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_QosSetting, nullptr);
}

}  // namespace
