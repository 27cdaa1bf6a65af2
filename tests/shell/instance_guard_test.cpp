#include "shell/instance_guard.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/os/instance_lock.h"
#include "shell/shell_texts.h"
#include "tests/platform/os/test_support.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class InstanceGuardTest : public uitest::UiTest {
protected:
    os_test::TempFolder runtime_;
    os_test::ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.Path()};
};

// Whether another process could take the guard of caption.
bool AnotherProcessTakes(const std::string& caption) {
    pid_t child = ::fork();
    if (child == 0) {
        os::InstanceLock lock(caption);
        ::_exit(lock.GetStatus() == os::InstanceLock::Status::Held ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST_F(InstanceGuardTest, OneCopyPerCaptionAnotherAddressRuns) {
    const std::string caption = DeviceCaption("VAP-7720", "192.168.0.50");
    EXPECT_EQ(caption, "VAP-7720 : 192.168.0.50");
    EXPECT_TRUE(AnotherProcessTakes(caption));  // free before
    ASSERT_TRUE(TakeInstanceGuard(caption));
    EXPECT_FALSE(AnotherProcessTakes(caption));
    EXPECT_FALSE(TakeInstanceGuard(caption));  // a second copy, also in this process
    EXPECT_TRUE(TakeInstanceGuard(DeviceCaption("VAP-7720", "192.168.0.51")));
    EXPECT_TRUE(TakeInstanceGuard(DeviceCaption("VAP-7720", "ap-office")));  // a name is another text
    EXPECT_TRUE(TakeInstanceGuard(DeviceCaption("vap-7720", "192.168.0.50")));  // case counts
    EXPECT_FALSE(AnotherProcessTakes(caption));  // still held after the refusals
}

TEST_F(InstanceGuardTest, AGuardThatCannotBeMadeRefusesToo) {
    os_test::WriteFile(runtime_ / "file", "");
    os_test::ScopedEnv blocked("XDG_RUNTIME_DIR", runtime_ / "file");  // not a folder
    EXPECT_FALSE(TakeInstanceGuard(DeviceCaption("VAP-7720", "192.168.0.50")));
}

TEST_F(InstanceGuardTest, TheRefusalIsAWarningWithOk) {
    Dialogs().ExpectBox("Warning", "SNMP Timeout or another VAP-7720 module is running!", ui::Answer::Ok);
    ShowInstanceGuardMessage();
    ASSERT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(Dialogs().Boxes()[0].buttons, ui::Buttons::Ok);
}
