// Keys on a focused push button: Return (also the keypad's Enter) and Space
// press it, as on the desktop; other keys and Return with a modifier do not;
// a key the button's key handler consumes presses nothing; a held Return
// presses once; a pressed button's modal result ends its form's modal loop.

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <string>

#include "platform/ui/button.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiButtonKeys : public uitest::UiTest {
public:
    uiButtonKeys() : form_(nullptr), button_(new ui::Button(&form_)), other_(new ui::Button(&form_)) {
        form_.SetClientSize(200, 100);
        button_->SetBounds(10, 10, 75, 25);
        button_->SetCaption("OK");
        other_->SetBounds(100, 10, 75, 25);
        button_->OnClick = [this](ui::Component*) { ++clicks_; };
        other_->OnClick = [this](ui::Component*) { ++otherClicks_; };
    }

    ui::Form form_;
    ui::Button* button_;
    ui::Button* other_;
    int clicks_ = 0;
    int otherClicks_ = 0;
};

TEST_F(uiButtonKeys, ReturnAndSpacePressTheFocusedButtonOnly) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, 1},
        {"the keypad's Enter", Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"Space", Qt::Key_Space, Qt::NoModifier, 1},
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, 0},
        {"Alt+Return", Qt::Key_Return, Qt::AltModifier, 0},
        {"a letter", Qt::Key_A, Qt::NoModifier, 0},
        {"Escape on a non-modal form", Qt::Key_Escape, Qt::NoModifier, 0},
    };
    ShowActive(form_);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicks_ = 0;
        otherClicks_ = 0;
        button_->SetFocus();
        ASSERT_TRUE(button_->Focused());
        QTest::keyClick(button_->Widget(), c.key, c.modifiers);
        EXPECT_EQ(clicks_, c.clicks);
        EXPECT_EQ(otherClicks_, 0);
    }
}

TEST_F(uiButtonKeys, AReturnTheKeyHandlerConsumesPressesNothing) {
    std::string seen;
    button_->OnKeyDown = [&](ui::Component*, int& key, unsigned) {
        seen += std::to_string(key) + " ";
        if (key == ui::kKeyReturn) key = 0;
    };
    ShowActive(form_);
    button_->SetFocus();
    QTest::keyClick(button_->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicks_, 0);
    QTest::keyClick(button_->Widget(), Qt::Key_Space);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(seen, "13 32 ");
}

// A held Return presses the button once, not once per repeat.
TEST_F(uiButtonKeys, AHeldReturnPressesOnce) {
    ShowActive(form_);
    button_->SetFocus();
    QTest::keyPress(button_->Widget(), Qt::Key_Return);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(button_->Widget(), &again);
    }
    QTest::keyRelease(button_->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(uiButtonKeys, ReturnOnAButtonWithAModalResultEndsTheModalLoop) {
    button_->SetModalResult(ui::kModalOk);
    Later(20, [this] {
        button_->SetFocus();
        QTest::keyClick(button_->Widget(), Qt::Key_Return);
    });
    EXPECT_EQ(form_.ShowModal(), ui::kModalOk);
    EXPECT_EQ(clicks_, 1);
}

}  // namespace
