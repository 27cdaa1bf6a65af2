#include "platform/os/user_folders.h"

#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>

using os_test::ScopedEnv;
using os_test::TempFolder;

namespace {

using Env = std::optional<std::string>;

struct FolderCase {
    const char* what;
    Env appData, xdgData, xdgConfig, xdgRuntime;
    std::function<std::string()> folder;
    std::string expected;
};

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

TEST(UserFolders, FollowTheEnvironmentWithXdgDefaults) {
    const Env unset;
    const FolderCase cases[] = {
        {"APPDATA wins", std::string("/win/appdata"), std::string("/xdg/data"), unset, unset,
         os::UserDataFolder, "/win/appdata"},
        {"XDG data home", std::string(""), std::string("/xdg/data"), unset, unset, os::UserDataFolder,
         "/xdg/data"},
        {"data default", unset, unset, unset, unset, os::UserDataFolder, "/home/u/.local/share"},
        {"relative XDG is ignored", unset, std::string("rel/data"), unset, unset, os::UserDataFolder,
         "/home/u/.local/share"},
        {"XDG config home", unset, unset, std::string("/xdg/config"), unset, os::UserConfigFolder,
         "/xdg/config"},
        {"config default", unset, unset, std::string(""), unset, os::UserConfigFolder, "/home/u/.config"},
        {"XDG runtime dir", unset, unset, unset, std::string("/run/user/7"), os::RuntimeFolder,
         "/run/user/7"},
        {"runtime default", unset, unset, unset, unset, os::RuntimeFolder, "/tmp"},
        {"relative runtime", unset, unset, unset, std::string("run"), os::RuntimeFolder, "/tmp"},
    };
    ScopedEnv home("HOME", std::string("/home/u"));
    for (const FolderCase& c : cases) {
        ScopedEnv appData("APPDATA", c.appData);
        ScopedEnv data("XDG_DATA_HOME", c.xdgData);
        ScopedEnv config("XDG_CONFIG_HOME", c.xdgConfig);
        ScopedEnv runtime("XDG_RUNTIME_DIR", c.xdgRuntime);
        EXPECT_EQ(c.folder(), c.expected) << c.what;
    }
}

TEST(UserFolders, CreateFolderPathMakesEveryMissingLevel) {
    TempFolder temp;
    os_test::WriteFile(temp / "file", "x");
    struct Case {
        std::string path;
        int error;
        bool madeFolder;
    };
    const Case cases[] = {
        {temp / "a/b/c", 0, true},
        {temp / "a/b/c", 0, true},  // already there
        {temp / "d//e/", 0, true},  // empty components and a trailing slash
        {temp.Path(), 0, true},
        {temp / "file", ENOTDIR, false},
        {temp / "file/below", ENOTDIR, false},
        {"", ENOENT, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os::CreateFolderPath(c.path), c.error) << c.path;
        EXPECT_EQ(IsFolder(c.path), c.madeFolder) << c.path;
    }
    EXPECT_TRUE(IsFolder(temp / "d/e"));
}

TEST(UserFolders, CreateFolderPathReportsAFolderItMayNotWriteIn) {
    TempFolder temp;
    ::chmod(temp.Path().c_str(), 0755);
    std::string wanted = temp / "not/mine";
    EXPECT_TRUE(os_test::RunUnprivileged([&] { return os::CreateFolderPath(wanted) == EACCES; }));
    EXPECT_FALSE(IsFolder(temp / "not"));
}
