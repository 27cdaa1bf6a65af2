// A small page bound to the simulated access point: one group of scalars in
// edits, a combo box, a check box, a radio group and a label, and one table
// in a list view with edits for the selected row. Every hook records itself,
// so the order of a read and a write is asserted as the page sees it.

#include "library/snmp/request_to_edits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "platform/os/exception.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"
#include "tests/library/snmp/snmp_session_env.h"

namespace {

using Texts = std::vector<std::string>;
using namespace VkSNMPSyntax;

#define FORM_ROOT "1.3.6.1.4.1.32473.10.37.44.98"

const char* const kFixture = R"(
fInt    E.98.1.1.0 integer rw 0..100 7
fText   E.98.1.2.0 string  rw 0..32  "hello"
fMode   E.98.1.3.0 integer rw 1..3   2
fEnable E.98.1.4.0 integer rw 0..1   1
fBand   E.98.1.5.0 integer rw 1..3   3
fRo     E.98.1.6.0 integer ro -      42
rName   E.98.2.1.2.[1-3] string  rw 0..32   "first"
rValue  E.98.2.1.3.[1-3] integer rw 0..1000 10
E.98.2.1.2.2 "second"
E.98.2.1.3.2 20
E.98.2.1.2.3 "third"
E.98.2.1.3.3 30
)";

const VkOptionEntry kModeRows[] = {{1, "Off"}, {2, "Auto"}, {3, "On"}, {}};
const VkOptionEntry kEnableRows[] = {{0, "Disabled"}, {1, "Enabled"}, {}};
const VkOptionEntry kBandRows[] = {{1, "2.4 GHz"}, {2, "5 GHz"}, {3, "Both"}, {}};
const VkOptionList kMode(kModeRows, OPT_INT, false);
const VkOptionList kEnable(kEnableRows, OPT_INT, false);
const VkOptionList kBand(kBandRows, OPT_INT, false);

enum Scalar { kInt, kText, kModeItem, kEnableItem, kBandItem, kRo };
const VkSNMPVarEntry kScalars[] = {
    {FORM_ROOT ".1.1", "fInt", integer, VkSNMPAccess::readwrite},
    {FORM_ROOT ".1.2", "fText", displaystr, VkSNMPAccess::readwrite},
    {FORM_ROOT ".1.3", "fMode", integer, VkSNMPAccess::readwrite, &kMode},
    {FORM_ROOT ".1.4", "fEnable", integer, VkSNMPAccess::readwrite, &kEnable},
    {FORM_ROOT ".1.5", "fBand", integer, VkSNMPAccess::readwrite, &kBand},
    {FORM_ROOT ".1.6", "fRo", integer, VkSNMPAccess::readonly},
    {}};
// One object the agent has and one it lacks.
const VkSNMPVarEntry kPartlyServed[] = {
    {FORM_ROOT ".1.1", "fInt", integer, VkSNMPAccess::readwrite},
    {FORM_ROOT ".1.9", "fAbsent", integer, VkSNMPAccess::readwrite},
    {},
};
const VkSNMPVarEntry kRows[] = {
    {FORM_ROOT ".2.1.1", "rIndex", integer, VkSNMPAccess::notaccess},
    {FORM_ROOT ".2.1.2", "rName", displaystr, VkSNMPAccess::readwrite},
    {FORM_ROOT ".2.1.3", "rValue", integer, VkSNMPAccess::readwrite},
    {}};

// A bound request that records every hook it passes.
class ProbedRequest : public VkSNMPRequest2Edits {
public:
    ProbedRequest(ui::Control* owner, Texts& log) : VkSNMPRequest2Edits(owner), log_(log) {
        request.onError = [this](const VkSNMPError& error) {
            log_.push_back("report " + std::to_string(error.code) + " " + std::to_string(error.errorCount));
        };
        OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
            log_.push_back("getDone " + std::to_string(result->code) + (busy ? " busy" : ""));
        };
        OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
            log_.push_back("setDone " + std::to_string(result->code) + (busy ? " busy" : ""));
        };
    }

    void BeforeGet() override {
        log_.push_back("BeforeGet");
        VkSNMPRequest2Edits::BeforeGet();
    }
    void BeforeSet() override {
        log_.push_back("BeforeSet");
        VkSNMPRequest2Edits::BeforeSet();
    }
    void AddRow() override {
        log_.push_back("AddRow");
        VkSNMPRequest2Edits::AddRow();
        if (rowCount + 1 == disableAfterRow) request.enabled = false;
    }
    void CollectValues() override {
        log_.push_back("CollectValues");
        VkSNMPRequest2Edits::CollectValues();
    }
    void AfterGet() override {
        log_.push_back("AfterGet");
        VkSNMPRequest2Edits::AfterGet();
    }
    void AfterSet() override {
        log_.push_back("AfterSet");
        VkSNMPRequest2Edits::AfterSet();
    }

    int disableAfterRow = 0;  // the row after which the request is disabled

private:
    Texts& log_;
};

class BoundPageTest : public ::testing::TestWithParam<snmptest::AccessMode> {
protected:
    BoundPageTest() : form_(nullptr) {
        std::string fixture = folder_.Path() + "/form.txt";
        std::ofstream(fixture) << kFixture;
        sim_.Settings().arguments = {"--fixture", fixture, "--ro-community",
                                     "rdcomm", "--rw-community", "wrcomm"};
        form_.SetClientSize(400, 400);
        intEdit_ = new ui::Edit(&form_);
        textEdit_ = new ui::Edit(&form_);
        mode_ = new ui::ComboBox(&form_);
        enable_ = new ui::CheckBox(&form_);
        band_ = new ui::RadioGroup(&form_);
        ro_ = new ui::Label(&form_);
        view_ = new ui::ListView(&form_);
        name_ = new ui::Edit(&form_);
        value_ = new ui::Edit(&form_);
        status_ = new ui::StatusBar(&form_);
        enable_->OnClick = [this](ui::Component*) { log_.push_back("click"); };
    }

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim_.Start(error)) << error;
    }

    std::unique_ptr<ProbedRequest> ScalarPage() {
        auto page = NewRequest(kScalars, SVT_SV, 0);
        page->BindEdits(kInt, "%u", intEdit_);
        page->BindEdits(kText, "%s", textEdit_);
        page->BindComboBox(kModeItem, mode_);
        page->BindCheckBox(kEnableItem, enable_);
        page->BindCheckBox(kBandItem, band_);
        page->BindLabel(kRo, ro_);
        return page;
    }

    std::unique_ptr<ProbedRequest> TablePage() {
        auto page = NewRequest(kRows, MVT_FMV, 1);
        page->BindListView(view_, true);
        page->BindEdits(1, "%s", name_);
        page->BindEdits(2, "%u", value_);
        return page;
    }

    std::unique_ptr<ProbedRequest> NewRequest(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind,
                                              int keyCount) {
        auto page = std::make_unique<ProbedRequest>(&form_, log_);
        page->async = false;
        GetParam().ApplyTo(page->request, sim_);
        page->request.vars = VkSNMPVarList(rows, kind, keyCount);
        return page;
    }

    std::string Value(const std::string& oid) {
        support::ControlReply reply = sim_.Control("get " + oid);
        return reply.ok && !reply.lines.empty() ? reply.lines.front() : "<" + reply.error + ">";
    }

    // The SET lines of the agent's PDU log.
    Texts Sets() {
        Texts sets;
        for (const std::string& line : sim_.Control("log").lines)
            if (line.rfind("SET ", 0) == 0) sets.push_back(line);
        return sets;
    }

    static std::string Choice(const ui::ComboBox* box) {
        return box->ItemIndex() < 0 ? "<none>" : box->ItemText(box->ItemIndex());
    }

    snmptest::TempFolder folder_;
    support::SimProcess sim_;
    ui::Form form_;
    ui::Edit* intEdit_;
    ui::Edit* textEdit_;
    ui::ComboBox* mode_;
    ui::CheckBox* enable_;
    ui::RadioGroup* band_;
    ui::Label* ro_;
    ui::ListView* view_;
    ui::Edit* name_;
    ui::Edit* value_;
    ui::StatusBar* status_;
    Texts log_;
};

TEST_P(BoundPageTest, GetFillsEveryControlAndSetWritesOnlyWritableItems) {
    auto page = ScalarPage();
    EXPECT_TRUE(page->Get());
    EXPECT_EQ(log_, (Texts{"BeforeGet", "AddRow", "click", "AfterGet", "report 0 -1"}));
    EXPECT_EQ(intEdit_->Text(), "7");
    EXPECT_EQ(textEdit_->Text(), "hello");
    EXPECT_EQ(Choice(mode_), "Auto");
    EXPECT_TRUE(enable_->Checked());
    EXPECT_EQ(band_->ItemText(band_->ItemIndex()), "Both");
    EXPECT_EQ(ro_->Caption(), "42");
    EXPECT_TRUE(page->lastReadOk);
    EXPECT_FALSE(page->busy);

    intEdit_->SetText("55");
    textEdit_->SetText("changed");
    mode_->SetItemIndex(2);
    enable_->SetChecked(false);
    band_->SetItemIndex(0);
    page->request.vars.Item(kText)->access = VkSNMPAccess::readonly;  // read, but not written now
    sim_.Control("clearlog");
    log_.clear();
    EXPECT_TRUE(page->Set(false, true));
    EXPECT_EQ(log_, (Texts{"BeforeSet", "CollectValues", "AfterSet", "report 0 -1"}));
    Texts sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    for (const char* written : {".1.1.0=", ".1.3.0=", ".1.4.0=", ".1.5.0="})
        EXPECT_NE(sets[0].find(FORM_ROOT + std::string(written)), std::string::npos) << written;
    for (const char* left : {".1.2.0", ".1.6.0"})
        EXPECT_EQ(sets[0].find(FORM_ROOT + std::string(left)), std::string::npos) << left;
    EXPECT_EQ(Value(FORM_ROOT ".1.1.0"), "55");
    EXPECT_EQ(Value(FORM_ROOT ".1.3.0"), "3");
    EXPECT_EQ(Value(FORM_ROOT ".1.4.0"), "0");
    EXPECT_EQ(Value(FORM_ROOT ".1.5.0"), "1");
    EXPECT_NE(Value(FORM_ROOT ".1.2.0").find("hello"), std::string::npos);
}

TEST_P(BoundPageTest, WalkIntoTheListViewWritesTheSelectedRowAtItsIndex) {
    auto page = TablePage();
    EXPECT_TRUE(page->Get());
    EXPECT_EQ(page->rowCount, 3);
    EXPECT_TRUE(page->lastReadOk);
    ASSERT_EQ(view_->ItemCount(), 3);
    EXPECT_EQ(view_->Item(1)->SubItem(0), "second");
    EXPECT_FALSE(name_->Enabled());
    EXPECT_FALSE(value_->Enabled());

    view_->SetSelected(view_->Item(1));
    EXPECT_TRUE(value_->Enabled());
    EXPECT_EQ(name_->Text(), "second");
    value_->SetText("222");
    sim_.Control("clearlog");
    log_.clear();
    EXPECT_TRUE(page->Set(true, true));
    Texts sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(FORM_ROOT ".2.1.3.2=integer:222"), std::string::npos) << sets[0];
    EXPECT_EQ(sets[0].find(FORM_ROOT ".2.1.1"), std::string::npos) << "the index is never written";
    EXPECT_EQ(Value(FORM_ROOT ".2.1.3.2"), "222");
    EXPECT_EQ(Value(FORM_ROOT ".2.1.3.1"), "10");
    // The table is read again after the write.
    ASSERT_GE(log_.size(), 5u);
    EXPECT_EQ(Texts(log_.begin(), log_.begin() + 5),
              (Texts{"BeforeSet", "CollectValues", "AfterSet", "report 0 -1", "BeforeGet"}));
    ASSERT_EQ(view_->ItemCount(), 3);
    EXPECT_EQ(view_->Item(1)->SubItem(1), "222");
}

TEST_P(BoundPageTest, AsynchronousWalkDisabledHalfWayEndsAsASuccess) {
    auto page = TablePage();
    page->async = true;
    page->disableAfterRow = 1;
    EXPECT_TRUE(page->Get());
    EXPECT_TRUE(page->busy);
    ASSERT_TRUE(snmptest::RunUntil([&] { return !page->busy; }));
    snmptest::RunFor(100);
    EXPECT_EQ(log_, (Texts{"BeforeGet", "AddRow", "AfterGet", "report 0 -1", "getDone 0"}));
    EXPECT_EQ(view_->ItemCount(), 1);
    EXPECT_TRUE(page->lastReadOk);
}

TEST_P(BoundPageTest, AnObjectTheAgentLacksLeavesTheReadIncomplete) {
    for (bool async : {false, true}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        auto page = NewRequest(kPartlyServed, SVT_SV, 0);
        page->async = async;
        page->BindEdits(0, "%u", intEdit_);
        page->Get();
        ASSERT_TRUE(snmptest::RunUntil([&] { return !page->busy; }));
        EXPECT_FALSE(page->lastReadOk);
    }
}

TEST_P(BoundPageTest, SynchronousReadFromASilentAgent) {
    auto page = ScalarPage();
    sim_.Control("down");
    EXPECT_FALSE(page->Get());
    EXPECT_EQ(log_, (Texts{"BeforeGet", "report -405 1", "AddRow", "AfterGet"}));
    EXPECT_EQ(page->rowCount, 1);
    EXPECT_FALSE(page->lastReadOk);
    EXPECT_FALSE(page->busy);
    EXPECT_EQ(intEdit_->Text(), "(NULL)");
    EXPECT_EQ(Choice(mode_), "<none>");
}

TEST_P(BoundPageTest, AsynchronousFailuresReachOnlyTheDoneEvents) {
    auto page = ScalarPage();
    page->async = true;
    sim_.Control("down");
    EXPECT_TRUE(page->Get());
    ASSERT_TRUE(snmptest::RunUntil([&] { return !page->busy; }));
    EXPECT_EQ(log_, (Texts{"BeforeGet", "getDone -405"}));
    EXPECT_FALSE(page->lastReadOk);
    sim_.Control("up");

    // A send the session refuses (larger than any message) ends the write too.
    log_.clear();
    for (int item : {kInt, kModeItem, kEnableItem, kBandItem})
        page->request.vars.Item(item)->access = VkSNMPAccess::readonly;
    textEdit_->SetText(std::string(70000, 'x'));
    EXPECT_TRUE(page->Set(false, true));
    ASSERT_TRUE(snmptest::RunUntil([&] { return !page->busy; }));
    EXPECT_EQ(log_, (Texts{"BeforeSet", "CollectValues", "setDone -411"}));
}

TEST_P(BoundPageTest, AnExceptionWhileBusyKeepsItsCodeAndClearsBusy) {
    for (bool async : {false, true}) {
        auto page = ScalarPage();
        page->async = async;
        page->request.address = "no-such-host.invalid";
        try {
            page->Get();
            ADD_FAILURE() << "no exception";
        } catch (const os::Exception& error) {
            EXPECT_EQ(error.HelpContext(), VK_ERR_BAD_ADDRESS);
            EXPECT_EQ(error.Message(), MessageText(VK_ERR_BAD_ADDRESS));
        }
        EXPECT_FALSE(page->busy);
        EXPECT_EQ(log_.back(), "BeforeGet") << "no AfterGet and no report";
        log_.clear();
    }
}

// An asynchronous read whose row cannot be shown ends there: the message
// goes to the status line, and neither AfterGet nor OnGetDone follows.
TEST_P(BoundPageTest, AFailingRowOfAnAsynchronousReadIsShownInTheStatusLine) {
    auto page = NewRequest(kScalars, SVT_SV, 0);
    page->async = true;
    page->SetStatusBar(status_);
    page->BindCheckBox(kInt, enable_);  // an integer without list is no truth value
    EXPECT_TRUE(page->Get());
    ASSERT_TRUE(snmptest::RunUntil([&] { return !page->busy; }));
    snmptest::RunFor(100);
    EXPECT_EQ(log_, (Texts{"BeforeGet", "AddRow"}));
    std::string line = status_->SimpleText();
    EXPECT_EQ(line.rfind("Get: " + MessageText(VK_ERR_BAD_PART_SYNTAX) + ". Receive at ", 0), 0u) << line;
    EXPECT_FALSE(page->lastReadOk);
}

// A table write is read back, after a failed write as after a good one
// (synchronously), and only after a good one (asynchronously).
TEST_P(BoundPageTest, TableWritesAreReadBack) {
    auto page = TablePage();
    ASSERT_TRUE(page->Get());
    view_->SetSelected(view_->Item(0));
    sim_.Control("error " FORM_ROOT ".2.1.3.1 genErr");
    log_.clear();
    EXPECT_FALSE(page->Set(true, true));
    ASSERT_GE(log_.size(), 5u);
    EXPECT_EQ(Texts(log_.begin(), log_.begin() + 5),
              (Texts{"BeforeSet", "CollectValues", "report -105 1", "AfterSet", "BeforeGet"}));
    EXPECT_EQ(view_->ItemCount(), 3);

    page->async = true;
    view_->SetSelected(view_->Item(2));
    value_->SetText("333");
    log_.clear();
    EXPECT_TRUE(page->Set(true, true));
    ASSERT_TRUE(snmptest::RunUntil([&] { return !log_.empty() && log_.back() == "getDone 0"; }));
    EXPECT_EQ(log_, (Texts{"BeforeSet", "CollectValues", "AfterSet", "report 0 -1", "setDone 0", "BeforeGet",
                           "AddRow", "AddRow", "AddRow", "AfterGet", "report 0 -1", "getDone 0"}));
    EXPECT_EQ(Value(FORM_ROOT ".2.1.3.3"), "333");
}

// Answers that arrive while a page deletes its request find nothing to call.
TEST_P(BoundPageTest, AnswersAfterThePageDeletedItsRequestAreDropped) {
    auto page = TablePage();
    page->async = true;
    sim_.Control("delay 100");
    EXPECT_TRUE(page->Get());
    page.reset();  // waits for the answer, which is dropped
    snmptest::RunFor(200);
    EXPECT_EQ(log_, Texts{"BeforeGet"});
    EXPECT_EQ(view_->ItemCount(), 0);
}

// A second read while an asynchronous walk is under way restarts the walk:
// the view holds the rows once and the page hears of one end.
TEST_P(BoundPageTest, ASecondReadRestartsAWalkUnderWay) {
    auto page = TablePage();
    page->async = true;
    EXPECT_TRUE(page->Get());
    EXPECT_TRUE(page->Get());
    ASSERT_TRUE(snmptest::RunUntil([&] { return !page->busy; }));
    snmptest::RunFor(200);
    EXPECT_EQ(view_->ItemCount(), 3);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "getDone 0"), 1);
    EXPECT_EQ(view_->Item(2)->SubItem(0), "third");
}

// A walk that runs into the end of the agent's view: SNMPv1 ends it with
// noSuchName, so a synchronous Get gives false, yet nothing failed and every
// value was read.
TEST_P(BoundPageTest, AWalkToTheEndOfTheViewCountsAsRead) {
    const VkSNMPVarEntry lastColumn[] = {
        {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyType", integer, VkSNMPAccess::readonly}, {}};
    auto page = NewRequest(lastColumn, MVT_UMV, 0);
    page->BindListView(view_, true);
    EXPECT_EQ(page->Get(), GetParam().version != 0);
    EXPECT_GT(view_->ItemCount(), 0);
    EXPECT_TRUE(page->lastReadOk);
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "report 0 -1"), GetParam().version != 0 ? 1 : 0);
    auto isFailure = [](const std::string& line) { return line.rfind("report -", 0) == 0; };
    EXPECT_EQ(std::count_if(log_.begin(), log_.end(), isFailure), 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, BoundPageTest,
                         ::testing::Values(snmptest::AllModes()[0], snmptest::AllModes()[1]),
                         [](const ::testing::TestParamInfo<snmptest::AccessMode>& info) {
                             return info.param.name;
                         });

}  // namespace
