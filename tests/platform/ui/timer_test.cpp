#include "platform/ui/timer.h"

#include <stdexcept>
#include <vector>

#include "platform/os/clock.h"
#include "platform/os/exception.h"
#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiTimer : public uitest::UiTest {};

TEST_F(uiTimer, RepeatsWhileEnabledAndStopsWhenDisabledInItsOwnHandler) {
    ui::Timer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&](ui::Component* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3) timer.SetEnabled(false);
    };
    ASSERT_TRUE(RunUntil([&] { return ticks == 3; }));
    RunFor(100);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(uiTimer, WithoutHandlerOrIntervalNothingRuns) {
    ui::Timer timer(nullptr);
    timer.SetInterval(5);
    RunFor(30);  // no handler yet: ticks go nowhere
    int ticks = 0;
    timer.SetInterval(0);
    timer.OnTimer = [&](ui::Component*) { ++ticks; };
    RunFor(50);
    EXPECT_EQ(ticks, 0);
    timer.SetInterval(5);
    EXPECT_TRUE(RunUntil([&] { return ticks > 0; }));
}

TEST_F(uiTimer, EnablingRestartsTheInterval) {
    ui::Timer timer(nullptr);
    std::vector<uint64_t> ticks;
    timer.SetInterval(300);
    uint64_t start = os::TickCount();
    timer.OnTimer = [&](ui::Component*) { ticks.push_back(os::TickCount() - start); };
    RunFor(150);
    timer.SetEnabled(true);  // already enabled: restarts, next tick at ~450
    ASSERT_TRUE(RunUntil([&] { return !ticks.empty(); }));
    EXPECT_GE(ticks.front(), 400u);
}

TEST_F(uiTimer, EnablingInsideItsOwnHandlerKeepsItRunning) {
    ui::Timer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&](ui::Component*) {
        ++ticks;
        timer.SetEnabled(false);
        timer.SetEnabled(true);
    };
    EXPECT_TRUE(RunUntil([&] { return ticks >= 3; }));
}

TEST_F(uiTimer, IsDeletedWithItsOwnerAndNeverFiresAfterwards) {
    int ticks = 0;
    auto* form = new ui::Form(nullptr);
    auto* timer = new ui::Timer(form);
    timer->SetName("PollTimer");
    timer->SetInterval(5);
    timer->OnTimer = [&](ui::Component*) { ++ticks; };
    EXPECT_EQ(form->FindComponent("PollTimer"), timer);
    ASSERT_TRUE(RunUntil([&] { return ticks > 0; }));
    delete form;
    int before = ticks;
    RunFor(40);
    EXPECT_EQ(ticks, before);
}

TEST_F(uiTimer, AFormsTimerFiresInsideItsModalLoop) {
    ui::Form form(nullptr);
    auto* timer = new ui::Timer(&form);
    int ticks = 0;
    timer->SetInterval(5);
    timer->OnTimer = [&](ui::Component*) {
        if (++ticks == 3) form.Close();
    };
    form.ShowModal();
    EXPECT_GE(ticks, 3);
}

// An exception out of a timer handler is shown once; the timer and the loop
// go on.
TEST_F(uiTimer, AnExceptionInTheHandlerIsShownOnceAndTheLoopGoesOn) {
    struct Case {
        const char* name;
        std::function<void()> thrower;
        const char* shown;
    };
    const Case cases[] = {
        {"our exception", [] { throw os::Exception("Device unreachable", -401); }, "Device unreachable"},
        {"conversion error", [] { throw os::ConvertError("'x' is not a valid integer value"); },
         "'x' is not a valid integer value"},
        {"standard exception", [] { throw std::runtime_error("bad state"); }, "bad state"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Dialogs().ExpectBox("UiTest", c.shown, ui::Answer::Ok);
        ui::Timer timer(nullptr);
        int ticks = 0;
        timer.SetInterval(5);
        timer.OnTimer = [&](ui::Component*) {
            if (++ticks == 1) c.thrower();
        };
        EXPECT_TRUE(RunUntil([&] { return ticks >= 3; }));
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
    }
    ASSERT_EQ(Dialogs().Boxes().size(), 3u);
    EXPECT_EQ(Dialogs().Boxes()[0].icon, ui::Icon::Error);
}

// A box opened by one timer's handler runs its own loop, in which another
// timer keeps firing.
TEST_F(uiTimer, AnotherTimerKeepsFiringWhileAHandlerShowsAMessageBox) {
    ui::Timer slow(nullptr);
    ui::Timer fast(nullptr);
    int fastTicks = 0;
    int fastTicksWhileOpen = -1;
    fast.SetInterval(5);
    fast.OnTimer = [&](ui::Component*) { ++fastTicks; };
    Dialogs().ExpectBox("Warning", "Link lost", ui::Answer::Ok, [&] {
        int before = fastTicks;
        RunUntil([&] { return fastTicks >= before + 3; }, 2000);
        fastTicksWhileOpen = fastTicks - before;
    });
    bool shown = false;
    slow.SetInterval(20);
    slow.OnTimer = [&](ui::Component*) {
        slow.SetEnabled(false);
        ui::MessageBox("Link lost", "Warning", ui::Buttons::Ok, ui::Icon::Warning);
        shown = true;
    };
    ASSERT_TRUE(RunUntil([&] { return shown; }));
    EXPECT_GE(fastTicksWhileOpen, 3);
}

}  // namespace
