// Start-up steps that change the whole process: the global session and the
// end of a failed start-up. A program of its own, since its last test ends
// the application.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "library/common/messages.h"
#include "library/snmp/global_session.h"
#include "platform/os/exception.h"
#include "shell/startup_failure.h"
#include "shell/startup_session.h"
#include "tests/platform/os/test_support.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class StartupEndTest : public uitest::UiTest {
protected:
    StartupEndTest() {
        char folder[4096];
        if (::getcwd(folder, sizeof folder) != nullptr) previous_ = folder;
        EXPECT_EQ(::chdir(temp_.Path().c_str()), 0);
    }
    ~StartupEndTest() override {
        FreeSNMPGlobals();
        EXPECT_EQ(::chdir(previous_.c_str()), 0);
    }

    os_test::TempFolder temp_;
    std::string previous_;
};

}  // namespace

TEST_F(StartupEndTest, TheSessionCountsItsBootsInTheCurrentFolderAndStartsWithVersionOne) {
    GlobalSNMPSecurity.version = 3;
    OpenDeviceSession();
    EXPECT_EQ(GlobalSNMPSecurity.version, 0);
    EXPECT_EQ(GlobalSNMPDevice.address, "127.0.0.1");
    EXPECT_NE(os_test::FileText(temp_ / kBootCounterFileName), "<missing>");
}

TEST_F(StartupEndTest, ASessionThatCannotCountItsBootsRaisesItsMessage) {
    ASSERT_EQ(::mkdir((temp_ / kBootCounterFileName).c_str(), 0700), 0);  // a folder in the way
    try {
        OpenDeviceSession();
        ADD_FAILURE() << "raised nothing";
    } catch (const os::Exception& error) {
        EXPECT_TRUE(error.HelpContext() == VK_ERR_LOAD_BOOTS || error.HelpContext() == VK_ERR_SAVE_BOOTS)
            << error.HelpContext();
        EXPECT_EQ(error.Message(), MessageText(error.HelpContext()));
    }
}

TEST_F(StartupEndTest, AFailedStartupShowsItsMessageOnceAndEndsTheModule) {
    Dialogs().ExpectBox("UiTest", "'x' is not a valid integer value", ui::Answer::Ok);
    EndFailedStartup(os::ConvertError("'x' is not a valid integer value"));
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
    EXPECT_TRUE(App().Terminated());
    ui::Form form(nullptr);
    EXPECT_EQ(form.ShowModal(), ui::kModalCancel);  // nothing runs any more
    App().Run();                                    // returns at once
}
