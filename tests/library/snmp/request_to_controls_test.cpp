// The control-bound request without a device: where status lines go, how
// results are reported without a status control, and what a disabled request
// still runs.

#include "library/snmp/request_to_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/common/messages.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/memo.h"
#include "platform/ui/scripted_dialogs.h"
#include "platform/ui/status_bar.h"

namespace {

using Texts = std::vector<std::string>;

const VkSNMPVarEntry kScalar[] = {{"1.3.6.1.4.1.32473.10.37.44.98.1.1", "fInt", VkSNMPSyntax::integer,
                                   VkSNMPAccess::readwrite},
                                  {}};

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest()
        : dialogs_([](const std::string& failure) { ADD_FAILURE() << failure; }),
          form_(nullptr),
          bound_(&form_) {
        bound_.request.vars = VkSNMPVarList(kScalar, SVT_SV, 0);
        memo_ = new ui::Memo(&form_);
        bar_ = new ui::StatusBar(&form_);
        panels_ = new ui::StatusBar(&form_);
        panels_->AddPanel(50);
        panels_->AddPanel(50);
    }

    ui::ScriptedDialogs dialogs_;
    ui::Form form_;
    VkSNMPRequest2Edits bound_;
    ui::Memo* memo_;
    ui::StatusBar* bar_;
    ui::StatusBar* panels_;
};

// "Get: <message>. Receive at hh:nn:ss AM." with the default template.
::testing::AssertionResult IsGetLine(const std::string& line, const std::string& message) {
    std::string start = "Get: " + message + ". Receive at ";
    bool ok = line.rfind(start, 0) == 0 && line.size() == start.size() + 12 && line.back() == '.';
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "line: " << line;
}

TEST_F(ControlsTest, StatusLinesGoToTheChosenOutput) {
    bound_.ShowStatus("nowhere");  // no status control: nothing happens

    bound_.SetStatusMemo(memo_);
    bound_.ShowStatus("first");
    bound_.ShowStatus("second");
    ASSERT_EQ(memo_->LineCount(), 2);
    EXPECT_TRUE(IsGetLine(memo_->Line(1), "second"));

    bound_.SetStatusBar(bar_);
    bound_.ShowStatus("bar");
    EXPECT_TRUE(IsGetLine(bar_->SimpleText(), "bar"));

    bound_.SetStatusMemo(panels_, 1);
    bound_.request.vars.description = "LAN";
    bound_.lastOperation = 1;
    bound_.ShowStatus("panel");
    std::string line = panels_->PanelText(1);
    EXPECT_EQ(line.rfind("Set: panel Request:LAN. Receive at ", 0), 0u) << line;
    EXPECT_EQ(panels_->PanelText(0), "");
    EXPECT_EQ(memo_->LineCount(), 2);
}

TEST_F(ControlsTest, ResultsWithoutStatusControlAreShownInAMessageBox) {
    VkSNMPError result;
    result.text = "timed out";
    dialogs_.ExpectBox(ui::Application::ExeName(), "timed out", ui::Answer::Ok);
    bound_.lastOperation = 1;
    bound_.ReportGetResult(&result);
    EXPECT_EQ(bound_.lastOperation, 0);
    bound_.SetStatusBar(bar_);
    bound_.ReportSetResult(&result);
    EXPECT_EQ(bound_.lastOperation, 1);
    EXPECT_EQ(bar_->SimpleText().rfind("Set: timed out. Receive at ", 0), 0u);
}

// A disabled request sends nothing. The synchronous forms still run their
// hooks (a single-value list gets its AddRow); the asynchronous forms return
// true at once and raise no event.
TEST_F(ControlsTest, ADisabledRequestSendsNothing) {
    Texts log;
    auto* edit = new ui::Edit(&form_);
    edit->SetText("old");
    bound_.BindEdits(0, "%s", edit);
    bound_.request.enabled = false;
    bound_.request.onError = [&](const VkSNMPError& e) { log.push_back("report " + std::to_string(e.code)); };
    bound_.OnBeforeGet = [&] { log.push_back("BeforeGet"); };
    bound_.OnAfterGet = [&] { log.push_back("AfterGet"); };
    bound_.OnBeforeSet = [&] { log.push_back("BeforeSet"); };
    bound_.OnAfterSet = [&] { log.push_back("AfterSet"); };
    bound_.OnGetDone = [&](VkSNMPRequest2Controls*, VkSNMPError*) { log.push_back("getDone"); };
    bound_.OnSetDone = [&](VkSNMPRequest2Controls*, VkSNMPError*) { log.push_back("setDone"); };

    bound_.async = false;
    EXPECT_FALSE(bound_.Get());
    EXPECT_EQ(bound_.rowCount, 1);
    EXPECT_EQ(edit->Text(), "") << "the row was shown";
    EXPECT_FALSE(bound_.Set(true, true));
    EXPECT_EQ(log, (Texts{"BeforeGet", "AfterGet", "BeforeSet", "AfterSet"}));
    EXPECT_FALSE(bound_.lastReadOk);

    log.clear();
    bound_.async = true;
    EXPECT_TRUE(bound_.Get());
    EXPECT_FALSE(bound_.busy);
    EXPECT_TRUE(bound_.Set(false, true));
    EXPECT_FALSE(bound_.busy);
    ui::Application::Instance()->ProcessMessages();
    EXPECT_EQ(log, (Texts{"BeforeGet", "BeforeSet"}));
}

}  // namespace
