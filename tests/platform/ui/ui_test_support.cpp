#include "tests/platform/ui/ui_test_support.h"

#include <cstdlib>

#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/os/clock.h"

namespace uitest {

namespace {

// Every test runs headless unless told otherwise.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<ui::Application>(argc_, argv_);
        app_->SetTitle("UiTest");
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "ui_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<ui::Application> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

UiTest::UiTest()
    : dialogs_(std::make_unique<ui::ScriptedDialogs>(
          [](const std::string& failure) { ADD_FAILURE() << failure; })) {}

UiTest::~UiTest() = default;

bool UiTest::RunUntil(const std::function<bool()>& done, int milliseconds) {
    uint64_t deadline = os::TickCount() + static_cast<uint64_t>(milliseconds);
    while (!done()) {
        if (os::TickCount() >= deadline) return false;
        App().WaitForMessages(10);
    }
    return true;
}

void UiTest::RunFor(int milliseconds) {
    uint64_t deadline = os::TickCount() + static_cast<uint64_t>(milliseconds);
    while (os::TickCount() < deadline) App().WaitForMessages(5);
}

void UiTest::ShowActive(ui::Form& form) {
    form.Show();
    form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
}

void UiTest::Later(int milliseconds, std::function<void()> action) {
    QTimer::singleShot(milliseconds, std::move(action));
}

}  // namespace uitest
