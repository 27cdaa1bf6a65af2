#include "shell/startup_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/shell_texts.h"
#include "tests/platform/os/test_support.h"

namespace {

struct RegistryCase {
    const char* store;  // the store file's text; nullptr: no file
    const char* moduleFolder;
    const char* settingsFolder;
};

const char kHelp[] = "[\\SOFTWARE\\Velkor\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.37.44=";
const char kExe[] = "[\\SOFTWARE\\Velkor\\Vistrel5.1\\ExePath]\n";
const char kMib[] = "[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile]\n";

std::string Help(const std::string& value) { return std::string(kHelp) + value + "\n"; }

}  // namespace

TEST(StartupRegistry, FoldersDeriveFromTheSuitesValues) {
    const std::string cases[][3] = {
        // store text, module folder, settings folder
        {"<no file>", "", ""},
        {"", "", ""},
        {Help("/opt/vistrel/modules/vap7720/VAP-7720.hlp"), "/opt/vistrel/modules/vap7720/", ""},
        {Help("123456789012"), "", ""},  // 12 characters or fewer: no folder
        {Help("/123456789012"), "/", ""},
        {Help("short"), "", ""},
        {"[\\software\\velkor\\modules\\helppath]\n1.3.6.1.4.1.32473.10.37.44=/m/VAP-7720.hlp\n", "/m/", ""},
        {"[\\SOFTWARE\\Velkor\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.37.45=/m/VAP-7720.hlp\n", "", ""},
        {std::string(kExe) + "Path=/opt/vistrel/bin/\n", "", "/opt/vistrel/bin/../Conf/MBF/"},
        {std::string(kExe) + "Path=/opt/vistrel/bin\n", "", "/opt/vistrel/bin/../Conf/MBF/"},
        {kExe, "", "../Conf/MBF/"},  // a key without its value
        {std::string(kExe) + "Path=/opt/vistrel/bin\n" + kMib + "Path=/srv/mbf/\n", "", "/srv/mbf/"},
        {std::string(kMib) + "Path=/srv/mbf/\n" + kExe + "Path=/opt/vistrel/bin\n", "", "/srv/mbf/"},
        {std::string(kExe) + "Path=/opt/vistrel/bin\n" + kMib, "", ""},  // MibFile wins even empty
        {"[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile\\Sub]\nPath=/x/\n", "", ""},  // a key below opens it
    };
    for (const auto& c : cases) {
        os_test::TempFolder folder;
        std::string path = folder / "registry.ini";
        if (c[0] != "<no file>") os_test::WriteFile(path, c[0]);
        os::RegistryStore store(path);
        EXPECT_EQ(ReadModuleFolder(store), c[1]) << c[0];
        EXPECT_EQ(ReadSettingsFolder(store), c[2]) << c[0];
    }
}

TEST(StartupRegistry, ReadingTheModuleFolderCreatesTheHelpPathKeyAndKeepsTheRest) {
    os_test::TempFolder folder;
    std::string path = folder / "registry.ini";
    os_test::WriteFile(path, std::string(kExe) + "Path=/opt/vistrel/bin\n");
    os::RegistryStore store(path);
    EXPECT_FALSE(store.KeyExists(kHelpPathKey));
    EXPECT_EQ(ReadModuleFolder(store), "");
    EXPECT_TRUE(store.KeyExists(kHelpPathKey));
    EXPECT_EQ(store.ReadString(kSuiteExePathKey, "Path").value_or("<none>"), "/opt/vistrel/bin");

    os::RegistryStore nowhere(folder / "file-in-the-way/registry.ini");
    os_test::WriteFile(folder / "file-in-the-way", "");
    EXPECT_EQ(ReadModuleFolder(nowhere), "");  // cannot be created: ignored
}
