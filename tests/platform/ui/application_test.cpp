#include "platform/ui/application.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiApplication : public uitest::UiTest {
protected:
    // Terminate cannot be undone in a process, so these cases run in a child
    // process of their own; `check` returns whether everything held.
    static void InChildProcess(const std::function<bool()>& check) {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(std::_Exit(check() ? 0 : 1), ::testing::ExitedWithCode(0), "");
    }
};

TEST_F(uiApplication, AnExceptionInAClickHandlerIsShownOnceAndTheProgramGoesOn) {
    ui::Form form(nullptr);
    auto* button = new ui::Button(&form);
    int clicks = 0;
    button->OnClick = [&](ui::Component*) {
        if (++clicks == 1) throw os::Exception("Bad format of the value!", -2);
    };
    ShowActive(form);
    Dialogs().ExpectBox("UiTest", "Bad format of the value!", ui::Answer::Ok);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().Boxes()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(Dialogs().Boxes()[0].icon, ui::Icon::Error);
}

TEST_F(uiApplication, TerminateBeforeShowModalMeansTheFormNeverShows) {
    InChildProcess([] {
        ui::Form form(nullptr);
        bool shown = false;
        form.OnShow = [&](ui::Component*) { shown = true; };
        ui::Application::Instance()->Terminate();
        int result = form.ShowModal();
        ui::Application::Instance()->Run();  // returns at once as well
        return result == ui::kModalCancel && !shown && !form.Widget()->isVisible();
    });
}

TEST_F(uiApplication, TerminateInTheCreationHandlerMeansThePageNeverShows) {
    InChildProcess([] {
        std::unique_ptr<ui::Form> page(new ui::Form(nullptr));
        page->OnCreate = [](ui::Component*) { ui::Application::Instance()->Terminate(); };
        bool shown = false;
        page->OnShow = [&](ui::Component*) { shown = true; };
        page->ShowModal();
        return !shown && !page->Widget()->isVisible();
    });
}

TEST_F(uiApplication, TerminateDuringAModalLoopEndsItWithoutTheCloseQuery) {
    InChildProcess([] {
        ui::Form form(nullptr);
        bool queried = false;
        form.OnCloseQuery = [&](ui::Component*, bool&) { queried = true; };
        uitest::UiTest::Later(20, [] { ui::Application::Instance()->Terminate(); });
        int result = form.ShowModal();
        return result == ui::kModalCancel && !queried && !form.Widget()->isVisible();
    });
}

TEST_F(uiApplication, ClosingTheMainFormEndsTheMessageLoop) {
    InChildProcess([] {
        ui::Form main(nullptr);
        ui::Form::SetMainForm(&main);
        main.Show();
        uitest::UiTest::Later(20, [&] { main.Widget()->close(); });
        ui::Application::Instance()->Run();
        return ui::Application::Instance()->Terminated() && !main.Widget()->isVisible();
    });
}

TEST_F(uiApplication, TheCursorIsOneValueNotAStack) {
    App().SetCursor(ui::Cursor::HourGlass);
    App().SetCursor(ui::Cursor::HourGlass);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    App().SetCursor(ui::Cursor::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(App().CurrentCursor(), ui::Cursor::Default);
}

TEST_F(uiApplication, KnowsItsExecutableAndTitle) {
    EXPECT_EQ(ui::Application::ExeName(), "test_platform_ui");
    EXPECT_EQ(ui::Application::ExePath(), ui::Application::ExeFolder() + "/test_platform_ui");
    Dialogs().ExpectBox("UiTest", "This module is only used in the suite.", ui::Answer::Ok);
    ui::ShowMessage("This module is only used in the suite.");
}

}  // namespace
