// Edit constraints on real edits of a shown form: typing and program changes
// are filtered, leaving the edit checks the value, and the page's own
// handlers keep running in their place.

#include "library/snmp/edit_constraint.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/form.h"
#include "platform/ui/scripted_dialogs.h"

namespace {

const char kCaption[] = "test_library_snmp";  // the program's file name

class EditConstraintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (ui::Application::Instance() != nullptr) return;
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ownApplication_ = std::make_unique<ui::Application>(argc_, argv_);
    }
    static void TearDownTestSuite() { ownApplication_.reset(); }

    EditConstraintTest()
        : dialogs_([](const std::string& failure) { ADD_FAILURE() << failure; }),
          form_(nullptr),
          constraints_(&form_, true) {
        form_.SetClientSize(300, 160);
        edit_ = NewEdit("Ed_Value", 10);
        next_ = NewEdit("Ed_Next", 50);
        save_ = new ui::Button(&form_);
        save_->SetName("Bt_Save");
        save_->SetBounds(10, 100, 80, 26);
        save_->OnClick = [this](ui::Component*) { log_.push_back("save"); };
        form_.Show();
        form_.Widget()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.Widget()));
        edit_->SetFocus();
    }

    ui::Edit* NewEdit(const char* name, int top) {
        auto* edit = new ui::Edit(&form_);
        edit->SetName(name);
        edit->SetBounds(10, top, 120, 24);
        return edit;
    }

    // The page's own handlers, which record what they see.
    void SetPageHandlers(ui::Edit* edit) {
        edit->OnChange = [this](ui::Component* sender) {
            log_.push_back("change:" + static_cast<ui::Edit*>(sender)->Text());
        };
        edit->OnExit = [this](ui::Component* sender) {
            log_.push_back("exit:" + static_cast<ui::Edit*>(sender)->Text());
        };
    }

    static void Click(ui::Control* control) { QTest::mouseClick(control->Widget(), Qt::LeftButton); }
    static void Type(ui::Edit* edit, const std::string& keys) {
        QTest::keyClicks(edit->Widget(), QString::fromLatin1(keys.c_str()));
    }
    // Lets posted calls (a focus moving on) run.
    static void ProcessPosted() { ui::Application::Instance()->ProcessMessages(); }

    ui::ScriptedDialogs dialogs_;
    ui::Form form_;
    VkEditConstraint constraints_;
    ui::Edit* edit_;
    ui::Edit* next_;
    ui::Button* save_;
    std::vector<std::string> log_;

private:
    static inline int argc_ = 1;
    static inline char name_[] = "edit-constraint";
    static inline char* argv_[] = {name_, nullptr};
    static inline std::unique_ptr<ui::Application> ownApplication_;
};

// Every offending character is cut, one beep each, whether the user types the
// text or the program sets it.
TEST_F(EditConstraintTest, TextComingInIsFilteredWithOneBeepPerCutCharacter) {
    struct Case {
        const char* constraint;
        const char* input;
        const char* kept;
        int beeps;
    } cases[] = {
        {"%u", "12a3", "123", 1},   {"%u", "-5", "5", 1},      {"%u", "a1b2", "12", 2},
        {"%i", "-1-2", "-12", 1},   {"%f", "-1.5", "-1.5", 0}, {"%f", "1.2.3", "1.23", 1},
        {"%h", "0xAF", "0AF", 1},   {"%n.", ".1..2.", "1.2.", 2}, {"%s", "a-b %", "a-b %", 0},
    };
    for (const Case& c : cases) {
        for (bool typed : {true, false}) {
            SCOPED_TRACE(std::string(c.constraint) + " \"" + c.input + (typed ? "\" typed" : "\" set"));
            constraints_.Attach(c.constraint, edit_);
            edit_->SetText("");
            int beepsBefore = dialogs_.BeepCount();
            if (typed) {
                Type(edit_, c.input);
            } else {
                edit_->SetText(c.input);
            }
            EXPECT_EQ(edit_->Text(), c.kept);
            EXPECT_EQ(dialogs_.BeepCount() - beepsBefore, c.beeps);
        }
    }
}

TEST_F(EditConstraintTest, PlaceholderTextsAreNeitherFilteredNorChecked) {
    constraints_.Attach("%u{n1x9}", edit_);
    for (const char* placeholder : {"(NULL)", "(NOTDONE)"}) {
        edit_->SetFocus();
        edit_->SetText(placeholder);
        Click(save_);
        EXPECT_EQ(edit_->Text(), placeholder);
    }
    EXPECT_EQ(dialogs_.BeepCount(), 0);
    EXPECT_EQ(log_, (std::vector<std::string>{"save", "save"}));
}

TEST_F(EditConstraintTest, ARejectedValueKeepsTheFocusRestoresTheLastGoodTextAndSwallowsTheClick) {
    constraints_.Attach("%u", edit_);
    Type(edit_, "80");
    Click(next_);  // accepted, so remembered
    ASSERT_TRUE(next_->Focused());
    edit_->SetFocus();
    edit_->SetText("4294967296");
    dialogs_.ExpectBox(kCaption, "(VkCommon) Please enter a number between 0 and 4294967295!",
                       ui::Answer::Ok);
    Click(save_);
    EXPECT_EQ(dialogs_.Boxes().size(), 1u);
    EXPECT_TRUE(edit_->Focused());
    EXPECT_EQ(edit_->Text(), "80");
    EXPECT_TRUE(log_.empty()) << "the click on the button ran";
    // Corrected, the next click goes through.
    edit_->SetText("4294967295");
    Click(save_);
    EXPECT_EQ(log_, std::vector<std::string>{"save"});
    EXPECT_TRUE(save_->Focused());
}

// What a rejected entry falls back to: the value last accepted on leaving
// (while accepted values are remembered), or a value shown by the program
// and remembered explicitly (the binding remembers every value it shows).
TEST_F(EditConstraintTest, ARejectionRestoresTheLastRememberedText) {
    struct Case {
        bool rememberShown;
        bool rememberValid;
        const char* restored;
    } cases[] = {
        {true, true, "7"}, {false, true, "7"}, {true, false, "161"}, {false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rememberShown ? "shown value remembered" : "shown value not remembered") +
                     (c.rememberValid ? ", accepted values remembered" : ""));
        VkEditConstraint constraints(&form_, c.rememberValid);
        constraints.Attach("%u{x65535}", next_);
        next_->SetText("161");
        if (c.rememberShown) constraints.RememberText(next_);
        next_->SetFocus();
        next_->SetText("7");
        edit_->SetFocus();  // accepted
        next_->SetFocus();
        next_->SetText("99999");
        dialogs_.ExpectBox(kCaption, "(VkCommon) Please enter a number between 0 and 65535!",
                           ui::Answer::Ok);
        edit_->SetFocus();
        EXPECT_TRUE(next_->Focused());
        EXPECT_EQ(next_->Text(), c.restored);
        next_->SetText("1");
        edit_->SetFocus();
    }
}

TEST_F(EditConstraintTest, ThePagesOwnHandlersRunAfterTheFilterAndAfterAnAcceptedCheck) {
    SetPageHandlers(edit_);
    constraints_.Attach("%u{x100}", edit_);
    Type(edit_, "7x");
    Click(save_);
    EXPECT_EQ(log_, (std::vector<std::string>{"change:7", "change:7", "exit:7", "save"}));

    log_.clear();
    edit_->SetFocus();
    edit_->SetText("500");
    dialogs_.ExpectBox(kCaption, "(VkCommon) Please enter a number between 0 and 100!", ui::Answer::Ok);
    Click(save_);
    EXPECT_EQ(log_, (std::vector<std::string>{"change:500", "change:7"}));
}

TEST_F(EditConstraintTest, APageExitHandlerThatSetsTagMinus1VetoesTheValue) {
    edit_->OnExit = [this](ui::Component*) {
        log_.push_back("exit:" + edit_->Text());
        edit_->SetTag(edit_->Text() == "13" ? -1 : 0);
    };
    constraints_.Attach("%u", edit_);
    edit_->SetText("12");
    constraints_.RememberText(edit_);
    edit_->SetText("13");
    Click(next_);
    EXPECT_EQ(edit_->Text(), "12");
    EXPECT_TRUE(next_->Focused());
    // Nothing was remembered: a rejection still brings back "12".
    edit_->SetFocus();
    edit_->SetText("99999999999");
    dialogs_.ExpectBox(kCaption, "(VkCommon) Please enter a number between 0 and 4294967295!",
                       ui::Answer::Ok);
    Click(next_);
    EXPECT_EQ(edit_->Text(), "12");
    EXPECT_EQ(log_, (std::vector<std::string>{"exit:13"}));
}

TEST_F(EditConstraintTest, AFullEditMovesOnUnlessThePageChangeHandlerSaysNo) {
    for (bool veto : {false, true}) {
        SCOPED_TRACE(veto ? "vetoed" : "not vetoed");
        edit_->SetTag(0);
        edit_->OnChange = [this, veto](ui::Component*) { edit_->SetTag(veto ? -1 : 0); };
        constraints_.Attach("%s{l5a}", edit_);
        edit_->SetFocus();
        edit_->SetText("");
        Type(edit_, "abcd");
        ProcessPosted();
        EXPECT_TRUE(edit_->Focused());
        Type(edit_, "e");
        ProcessPosted();
        EXPECT_EQ(next_->Focused(), !veto);
        constraints_.Detach(edit_);
    }
}

// The focus moves on in the owner's form; without an owner, in the edit's.
TEST_F(EditConstraintTest, TheJumpCharacterIsCutAndMovesTheFocusOn) {
    for (ui::Control* owner : {static_cast<ui::Control*>(save_), static_cast<ui::Control*>(nullptr)}) {
        SCOPED_TRACE(owner != nullptr ? "owner inside the form" : "no owner");
        VkEditConstraint constraints(owner, true);
        constraints.Attach("%s{e.}", edit_);
        edit_->SetFocus();
        edit_->SetText("");
        Type(edit_, "12.");
        EXPECT_EQ(edit_->Text(), "12");
        EXPECT_TRUE(edit_->Focused());  // posted: only after the handler
        ProcessPosted();
        EXPECT_TRUE(next_->Focused());
        EXPECT_EQ(dialogs_.BeepCount(), 0);
    }
}

TEST_F(EditConstraintTest, AnEmptyEditIsRejectedOnlyWithTheNotEmptyFlag) {
    SetPageHandlers(edit_);
    constraints_.Attach("%s{l4n}", edit_);
    dialogs_.ExpectBox(kCaption, "(VkCommon) Empty value is not allowed!", ui::Answer::Ok);
    Click(save_);
    EXPECT_TRUE(edit_->Focused());
    EXPECT_TRUE(log_.empty());
    // Without the flag nothing at all happens, not even the page's handler.
    constraints_.Attach("%s", edit_);
    Click(save_);
    EXPECT_EQ(log_, std::vector<std::string>{"save"});
}

TEST_F(EditConstraintTest, AttachingSetsMaximumLengthAndWidth) {
    struct Case {
        const char* constraint;
        int maxLength;
        int width;
    } cases[] = {
        {"%s", 0, 120},  {"%u{l3w77}", 3, 77}, {"%h{l12f}", 12, 120},
        {"%n.{l4}", 10, 120},  // a count of numbers, not a length
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.constraint);
        edit_->SetMaxLength(10);
        edit_->SetWidth(120);
        constraints_.Attach(c.constraint, edit_);
        EXPECT_EQ(edit_->MaxLength(), c.maxLength);
        EXPECT_EQ(edit_->Width(), c.width);
    }
}

TEST_F(EditConstraintTest, ABadConstraintLeavesTheEditAsItWas) {
    SetPageHandlers(edit_);
    edit_->SetMaxLength(10);
    try {
        constraints_.Attach("%s{l}", edit_);
        ADD_FAILURE() << "accepted";
    } catch (const os::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -2);
    }
    EXPECT_EQ(edit_->MaxLength(), 10);
    EXPECT_TRUE(constraints_.records.empty());
    edit_->SetText("x");
    EXPECT_EQ(log_, std::vector<std::string>{"change:x"});
}

TEST_F(EditConstraintTest, DetachAndDestructionGiveTheEditItsOwnHandlersBack) {
    SetPageHandlers(edit_);
    constraints_.Attach("%u", edit_);
    constraints_.Detach(edit_);
    edit_->SetText("a");
    {
        VkEditConstraint constraints(&form_, true);
        constraints.Attach("%u", edit_);
        edit_->SetText("b1");
    }
    edit_->SetText("c");
    EXPECT_EQ(log_, (std::vector<std::string>{"change:a", "change:1", "change:c"}));
    EXPECT_EQ(edit_->Text(), "c");
}

TEST_F(EditConstraintTest, AttachingAgainReplacesTheConstraintAndKeepsThePageHandler) {
    SetPageHandlers(edit_);
    constraints_.Attach("%u", edit_);
    constraints_.Attach("%s", edit_);
    edit_->SetText("a");
    EXPECT_EQ(edit_->Text(), "a");
    EXPECT_EQ(log_, std::vector<std::string>{"change:a"});
    EXPECT_EQ(constraints_.records.size(), 1u);
    constraints_.Detach(edit_);
    edit_->SetText("b");
    EXPECT_EQ(log_, (std::vector<std::string>{"change:a", "change:b"}));
}

TEST_F(EditConstraintTest, AttachAllGivesEachEditItsPieceOfTheFormat) {
    constraints_.AttachAll("%s%u", {edit_, next_});
    edit_->SetText("a1");
    next_->SetText("a1");
    EXPECT_EQ(edit_->Text(), "a1");
    EXPECT_EQ(next_->Text(), "1");
    EXPECT_EQ(VkEditConstraint::Find(constraints_.records, next_)->rule.type, 'u');

    VkEditConstraint more(&form_, true);
    EXPECT_THROW(more.AttachAll("%h%i%u", {edit_, next_}), os::ListIndexError);
    EXPECT_EQ(more.records.size(), 2u);
    EXPECT_EQ(VkEditConstraint::Find(more.records, edit_)->rule.type, 'h');
}

}  // namespace
