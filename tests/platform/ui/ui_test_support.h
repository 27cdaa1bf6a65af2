#pragma once
// Shared by the window-layer tests: one application object for the whole test
// program (made before the first test, deleted after the last), a fixture that
// installs a scripted dialog service failing the test on any unexpected box,
// and helpers that run the message loop until something happens.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/scripted_dialogs.h"

namespace uitest {

class UiTest : public ::testing::Test {
protected:
    UiTest();
    ~UiTest() override;

    ui::Application& App() { return *ui::Application::Instance(); }
    ui::ScriptedDialogs& Dialogs() { return *dialogs_; }

    // Runs the message loop until `done` holds or `milliseconds` of real time
    // pass; returns whether `done` held.
    bool RunUntil(const std::function<bool()>& done, int milliseconds = 5000);
    // Runs the message loop for `milliseconds` of real time.
    void RunFor(int milliseconds);
    // Shows the form non-modally and waits until it is the active window, so
    // that focus and clicks behave as for the user.
    void ShowActive(ui::Form& form);
    // Runs `action` from the message loop after `milliseconds` (for driving a
    // modal loop from the outside).
    static void Later(int milliseconds, std::function<void()> action);

private:
    std::unique_ptr<ui::ScriptedDialogs> dialogs_;
};

}  // namespace uitest
