#include "platform/ui/edit.h"

#include <QLineEdit>
#include <QTest>
#include <string>

#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiEdit : public uitest::UiTest {
public:
    uiEdit() : form_(nullptr), edit_(new ui::Edit(&form_)) {
        edit_->SetBounds(10, 10, 200, 24);
        edit_->OnChange = [this](ui::Component* sender) {
            EXPECT_EQ(sender, edit_);
            ++changes_;
        };
    }
    void Type(const std::string& keys) { QTest::keyClicks(edit_->Widget(), QString::fromLatin1(keys.c_str())); }
    void Key(Qt::Key key) { QTest::keyClick(edit_->Widget(), key); }

    ui::Form form_;
    ui::Edit* edit_;
    int changes_ = 0;
};

// The change event fires for the user and for the program, once per real
// change of the text.
TEST_F(uiEdit, ChangeFiresOnceForEveryRealChangeByUserOrProgram) {
    struct Case {
        const char* name;
        const char* before;
        std::function<void(uiEdit&)> act;
        int changes;
        const char* after;
    };
    const Case cases[] = {
        {"program sets a new text", "", [](uiEdit& t) { t.edit_->SetText("abc"); }, 1, "abc"},
        {"program sets the same text", "abc", [](uiEdit& t) { t.edit_->SetText("abc"); }, 0, "abc"},
        {"program empties it", "abc", [](uiEdit& t) { t.edit_->SetText(""); }, 1, ""},
        {"user types two characters", "", [](uiEdit& t) { t.Type("ab"); }, 2, "ab"},
        {"user deletes one", "ab", [](uiEdit& t) { t.Key(Qt::Key_Backspace); }, 1, "a"},
        {"user's key changes nothing", "ab", [](uiEdit& t) { t.Key(Qt::Key_Left); }, 0, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit_->SetText(c.before);
        changes_ = 0;
        c.act(*this);
        EXPECT_EQ(changes_, c.changes);
        EXPECT_EQ(edit_->Text(), c.after);
    }
}

// A handler that cuts a character by writing the text runs again, nested,
// on the shortened text (the way an input filter removes what does not fit).
TEST_F(uiEdit, AHandlerThatWritesTheTextRunsAgainNested) {
    std::vector<std::string> seen;
    edit_->OnChange = [&](ui::Component*) {
        std::string text = edit_->Text();
        seen.push_back(text);
        size_t bad = text.find_first_not_of("0123456789");
        if (bad != std::string::npos) edit_->SetText(text.erase(bad, 1));
    };
    Type("1a2");
    EXPECT_EQ(edit_->Text(), "12");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "1a", "1", "12"}));
}

// Maximum length limits typing only; 0 means no limit, and nothing the
// program shows is ever cut.
TEST_F(uiEdit, MaximumLengthLimitsTypingButNeverCutsAShownText) {
    struct Case {
        const char* name;
        int maxLength;
        std::function<void(uiEdit&)> act;
        std::string after;
    };
    const std::string longText(300, 'x');
    const Case cases[] = {
        {"0 takes 300 typed characters", 0, [&](uiEdit& t) { t.Type(longText); }, longText},
        {"5 stops typing at 5", 5, [](uiEdit& t) { t.Type("abcdefgh"); }, "abcde"},
        {"5 keeps a longer text set by the program", 5,
         [](uiEdit& t) { t.edit_->SetText("abcdefgh"); }, "abcdefgh"},
        {"a new maximum keeps the text shown", 0,
         [](uiEdit& t) {
             t.edit_->SetText("abcdefgh");
             t.edit_->SetMaxLength(3);
         },
         "abcdefgh"},
        {"the user cannot lengthen an over-long text", 3,
         [](uiEdit& t) {
             t.edit_->SetText("abcdefgh");
             t.Type("z");
         },
         "abcdefgh"},
        {"but can shorten it", 3,
         [](uiEdit& t) {
             t.edit_->SetText("abcdefgh");
             t.Key(Qt::Key_End);
             t.Key(Qt::Key_Backspace);
             t.Type("z");
         },
         "abcdefg"},
        {"a lifted maximum lets typing go on", 2,
         [](uiEdit& t) {
             t.Type("abc");
             t.edit_->SetMaxLength(0);
             t.Type("def");
         },
         "abdef"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit_->SetMaxLength(0);
        edit_->SetText("");
        edit_->SetMaxLength(c.maxLength);
        c.act(*this);
        EXPECT_EQ(edit_->Text(), c.after);
    }
}

// A value too long for its edit shows its start after the program sets it,
// whatever else the program does to the edit; the user's typing is not
// disturbed by a text set again unchanged.
TEST_F(uiEdit, AValueSetByTheProgramShowsItsStart) {
    struct Case {
        const char* name;
        std::function<void(uiEdit&)> act;
        int cursor;
    };
    const std::string longValue = "00907A123456 an access point description longer than the edit";
    const Case cases[] = {
        {"a long value", [&](uiEdit& t) { t.edit_->SetText(longValue); }, 0},
        {"a long value over a typed one",
         [&](uiEdit& t) {
             t.Type("abc");
             t.edit_->SetText(longValue);
         },
         0},
        {"a maximum set after the value",
         [&](uiEdit& t) {
             t.edit_->SetText(longValue);
             t.edit_->SetMaxLength(12);
         },
         0},
        {"a maximum lifted after the value",
         [&](uiEdit& t) {
             t.edit_->SetMaxLength(12);
             t.edit_->SetText(longValue);
             t.edit_->SetMaxLength(0);
         },
         0},
        {"the typed text set again",
         [](uiEdit& t) {
             t.Type("abc");
             t.edit_->SetText("abc");
         },
         3},
    };
    edit_->SetWidth(60);
    ShowActive(form_);
    auto* line = static_cast<QLineEdit*>(edit_->Widget());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit_->SetMaxLength(0);
        edit_->SetText("");
        c.act(*this);
        EXPECT_EQ(line->cursorPosition(), c.cursor);
    }
    // What shows is the value's first character at the edit's left.
    edit_->SetText(longValue);
    EXPECT_LT(line->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 10);
}

TEST_F(uiEdit, EveryByteRoundTripsThroughTheEdit) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    edit_->SetText(bytes);
    EXPECT_EQ(edit_->Text(), bytes);
    std::string high = "\x80\xA0\xE4\xFF";
    edit_->SetText(high);
    EXPECT_EQ(edit_->Text(), high);
    EXPECT_EQ(edit_->Text().size(), 4u);
}

TEST_F(uiEdit, PasswordCharMasksAndReadOnlyRefusesTyping) {
    edit_->SetPasswordChar('*');
    EXPECT_EQ(static_cast<QLineEdit*>(edit_->Widget())->echoMode(), QLineEdit::Password);
    edit_->SetPasswordChar(0);
    EXPECT_EQ(static_cast<QLineEdit*>(edit_->Widget())->echoMode(), QLineEdit::Normal);
    edit_->SetText("fixed");
    edit_->SetReadOnly(true);
    Type("x");
    EXPECT_EQ(edit_->Text(), "fixed");
}

TEST_F(uiEdit, AClickIntoTheEditRunsItsClickEvent) {
    int clicks = 0;
    edit_->OnClick = [&](ui::Component*) { ++clicks; };
    ShowActive(form_);
    QTest::mouseClick(edit_->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
