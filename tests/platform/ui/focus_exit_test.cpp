// The exit check of an edit: when the focus moves to another control of the
// same form, the edit's exit handler runs first; a handler that rejects the
// value (by taking the focus back) keeps the focus in the edit and the click
// or key that moved it has no other effect.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <string>

#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiFocusExit : public uitest::UiTest {
public:
    uiFocusExit() : form_(nullptr) {
        form_.SetClientSize(300, 150);
        port_ = new ui::Edit(&form_);
        port_->SetName("Ed_Port");
        port_->SetBounds(10, 10, 100, 24);
        other_ = new ui::Edit(&form_);
        other_->SetName("Ed_Other");
        other_->SetBounds(10, 50, 100, 24);
        save_ = new ui::Button(&form_);
        save_->SetName("Bt_Save");
        save_->SetBounds(10, 100, 80, 26);
        // A number check as the edit constraints make it: a rejected value
        // is reported, the last accepted text comes back and the edit keeps
        // the focus.
        port_->OnExit = [this](ui::Component* sender) {
            EXPECT_EQ(sender, port_);
            ++exits_;
            std::string text = port_->Text();
            if (text.find_first_not_of("0123456789") == std::string::npos) {
                accepted_ = text;
                return;
            }
            ui::MessageBox("Please enter a number!", "test_platform_ui");
            port_->SetText(accepted_);
            port_->SetFocus();
        };
        save_->OnClick = [this](ui::Component*) { ++saves_; };
        ShowActive(form_);
        port_->SetFocus();
    }

    void Click(ui::Control* control) { QTest::mouseClick(control->Widget(), Qt::LeftButton); }

    ui::Form form_;
    ui::Edit* port_;
    ui::Edit* other_;
    ui::Button* save_;
    std::string accepted_ = "161";
    int exits_ = 0;
    int saves_ = 0;
};

TEST_F(uiFocusExit, EveryWayOfLeavingTheEditRunsTheCheckOnceAndARejectionKeepsTheFocus) {
    struct Case {
        const char* name;
        std::function<void(uiFocusExit&)> leave;
        ui::Control* (*target)(uiFocusExit&);
        int savesWhenAccepted;
    };
    const Case cases[] = {
        {"click on a button", [](uiFocusExit& t) { t.Click(t.save_); },
         [](uiFocusExit& t) -> ui::Control* { return t.save_; }, 1},
        {"click on another edit", [](uiFocusExit& t) { t.Click(t.other_); },
         [](uiFocusExit& t) -> ui::Control* { return t.other_; }, 0},
        {"Tab", [](uiFocusExit& t) { QTest::keyClick(t.port_->Widget(), Qt::Key_Tab); },
         [](uiFocusExit& t) -> ui::Control* { return t.other_; }, 0},
        {"the program's SetFocus", [](uiFocusExit& t) { t.other_->SetFocus(); },
         [](uiFocusExit& t) -> ui::Control* { return t.other_; }, 0},
    };
    for (const Case& c : cases) {
        for (bool valid : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (valid ? ", valid value" : ", rejected value"));
            port_->SetFocus();
            ASSERT_TRUE(port_->Focused());
            port_->SetText(valid ? "8080" : "80x");
            exits_ = 0;
            saves_ = 0;
            if (!valid) Dialogs().ExpectBox("test_platform_ui", "Please enter a number!", ui::Answer::Ok);
            c.leave(*this);
            EXPECT_EQ(exits_, 1);
            EXPECT_EQ(Dialogs().PendingCount(), 0u);
            if (valid) {
                EXPECT_TRUE(c.target(*this)->Focused());
                EXPECT_EQ(saves_, c.savesWhenAccepted);
            } else {
                EXPECT_TRUE(port_->Focused());
                EXPECT_EQ(port_->Text(), accepted_);
                EXPECT_EQ(saves_, 0);
            }
        }
    }
}

// After a rejection the user corrects the value and the next click works.
TEST_F(uiFocusExit, AfterARejectionTheCorrectedValueLetsTheClickThrough) {
    port_->SetText("abc");
    Dialogs().ExpectBox("test_platform_ui", "Please enter a number!", ui::Answer::Ok);
    Click(save_);
    EXPECT_EQ(saves_, 0);
    EXPECT_EQ(port_->Text(), "161");
    port_->SetText("162");
    Click(save_);
    EXPECT_EQ(saves_, 1);
    EXPECT_EQ(exits_, 2);
    EXPECT_TRUE(save_->Focused());
}

// Only moves inside the form count: another window taking the focus runs no
// check.
TEST_F(uiFocusExit, AnotherWindowTakingTheFocusRunsNoCheck) {
    port_->SetText("80x");
    ui::Form other(nullptr);
    auto* edit = new ui::Edit(&other);
    ShowActive(other);
    edit->SetFocus();
    EXPECT_EQ(exits_, 0);
    ShowActive(form_);
    EXPECT_EQ(exits_, 0);
    EXPECT_TRUE(port_->Focused());
}

// A click that does not move the focus (on the edit itself, on the form's
// background) runs no check.
TEST_F(uiFocusExit, AClickThatMovesNoFocusRunsNoCheck) {
    port_->SetText("80x");
    Click(port_);
    QTest::mouseClick(form_.Widget(), Qt::LeftButton, {}, QPoint(250, 140));
    EXPECT_EQ(exits_, 0);
    EXPECT_TRUE(port_->Focused());
}

}  // namespace

namespace {

// With a real message box: its window takes the focus while it is open,
// which must not count as leaving the edit (that would check again, and
// again); afterwards the focus is back in the edit and the click is gone.
TEST_F(uiFocusExit, ARealRejectionBoxDoesNotRetriggerTheCheck) {
    ui::DialogService* scripted = ui::SetDialogService(nullptr);
    port_->SetText("80x");
    bool answered = false;
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            Later(10, answer);
            return;
        }
        RunFor(30);  // let the box's activation settle before answering
        box->button(QMessageBox::Ok)->click();
        answered = true;
    };
    Later(10, answer);
    Click(save_);
    ui::SetDialogService(scripted);
    EXPECT_TRUE(answered);
    EXPECT_EQ(exits_, 1);
    EXPECT_EQ(saves_, 0);
    EXPECT_EQ(port_->Text(), "161");
    EXPECT_TRUE(RunUntil([&] { return port_->Focused(); }, 2000));
    EXPECT_EQ(exits_, 1);
}

}  // namespace
