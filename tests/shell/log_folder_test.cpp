#include "shell/log_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "tests/platform/os/test_support.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

class LogFolderTest : public uitest::UiTest {
protected:
    os_test::TempFolder temp_;
    os_test::ScopedEnv home_{"HOME", temp_ / "home"};
    os_test::ScopedEnv data_{"XDG_DATA_HOME", temp_ / "data"};
};

}  // namespace

TEST_F(LogFolderTest, LiesInAppDataWhenSetElseInTheUsersDataFolder) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {temp_ / "appdata", temp_ / "appdata/VAP-7720"},
        {temp_ / "appdata/", temp_ / "appdata/VAP-7720"},
        {std::nullopt, temp_ / "data/VAP-7720"},
        {std::string(), temp_ / "data/VAP-7720"},
    };
    for (const auto& [appData, folder] : cases) {
        os_test::ScopedEnv env("APPDATA", appData);
        EXPECT_EQ(PrepareLogFolder(), folder);
        EXPECT_TRUE(IsFolder(folder)) << folder;
    }
    EXPECT_TRUE(Dialogs().Boxes().empty());
}

TEST_F(LogFolderTest, AnExistingFolderIsKept) {
    os_test::ScopedEnv env("APPDATA", temp_.Path());
    PrepareLogFolder();
    os_test::WriteFile(temp_ / "VAP-7720/LogFile.RD", "log");
    EXPECT_EQ(PrepareLogFolder(), temp_ / "VAP-7720");
    EXPECT_EQ(os_test::FileText(temp_ / "VAP-7720/LogFile.RD"), "log");
}

TEST_F(LogFolderTest, AFolderThatCannotBeMadeIsReportedAndStillReturned) {
    os_test::WriteFile(temp_ / "file", "");
    os_test::ScopedEnv env("APPDATA", temp_ / "file");
    const std::string folder = temp_ / "file/VAP-7720";
    Dialogs().ExpectBox("UiTest", "Can not create  \"" + folder + "\" Log directory!", ui::Answer::Ok);
    EXPECT_EQ(PrepareLogFolder(), folder);
}
