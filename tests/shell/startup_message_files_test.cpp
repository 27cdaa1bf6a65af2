#include "shell/startup_message_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "library/common/messages.h"
#include "platform/os/user_folders.h"
#include "tests/platform/os/test_support.h"

namespace {

struct TableFile {
    const char* file;
    VkMessageTable& table;
};

const TableFile kFiles[] = {
    {"common.err", VkCommonMessages},       {"snmp.err", VkSNMPPduMessages},
    {"snmpv3.err", VkSNMPv3Messages},       {"snmpusm.err", VkSNMPUsmMessages},
    {"snmpclass.err", VkSNMPClassMessages}, {"vksnmp.err", VkSNMPLayerMessages},
    {"snmp.msg", VkSNMPStatusTemplates},
};

class StartupMessageFilesTest : public ::testing::Test {
protected:
    ~StartupMessageFilesTest() override {
        for (const TableFile& f : kFiles) f.table.ResetToBuiltIn();
    }

    // A message folder whose every file's first line names the file and tag.
    void WriteFolder(const std::string& folder, const std::string& tag) {
        ASSERT_EQ(os::CreateFolderPath(folder), 0);
        for (const TableFile& f : kFiles) os_test::WriteFile(folder + "/" + f.file, Text(f, tag) + "\n");
    }
    static std::string Text(const TableFile& f, const std::string& tag) {
        return std::string(f.file) + " from " + tag;
    }

    os_test::TempFolder temp_;
};

}  // namespace

TEST_F(StartupMessageFilesTest, TheProgramsFolderFillsEveryTableTheModulesFolderReplacesThem) {
    WriteFolder(temp_ / "bin/errMSg", "bin");
    WriteFolder(temp_ / "module/errmsg", "module");
    LoadProgramMessageFiles(temp_ / "bin");
    for (const TableFile& f : kFiles) EXPECT_EQ(f.table.Text(0), Text(f, "bin")) << f.file;
    LoadModuleMessageFiles(temp_ / "module/");
    for (const TableFile& f : kFiles) EXPECT_EQ(f.table.Text(0), Text(f, "module")) << f.file;
}

TEST_F(StartupMessageFilesTest, FolderNamesAreFoundInAnyCase) {
    const std::pair<const char*, void (*)(const std::string&)> cases[] = {
        {"errmsg", LoadProgramMessageFiles}, {"ERRMSG", LoadProgramMessageFiles},
        {"errMSg", LoadModuleMessageFiles},  {"ErrMsg", LoadModuleMessageFiles},
    };
    for (const auto& [spelling, load] : cases) {
        os_test::TempFolder folder;
        WriteFolder(folder / spelling, spelling);
        load(folder.Path());
        EXPECT_EQ(VkCommonMessages.Text(0), Text(kFiles[0], spelling));
        EXPECT_EQ(VkSNMPStatusTemplates.Text(0), Text(kFiles[6], spelling));
    }
}

TEST_F(StartupMessageFilesTest, MissingOrEmptyFilesKeepWhatWasLoadedBefore) {
    WriteFolder(temp_ / "bin/errMSg", "bin");
    ASSERT_EQ(os::CreateFolderPath(temp_ / "module/errmsg"), 0);
    os_test::WriteFile(temp_ / "module/errmsg/snmp.err", "PDU from module\n");
    os_test::WriteFile(temp_ / "module/errmsg/common.err", "\n  \n\t\n");  // no line counts
    LoadProgramMessageFiles(temp_ / "bin");
    LoadModuleMessageFiles(temp_ / "module");
    EXPECT_EQ(VkSNMPPduMessages.Text(0), "PDU from module");
    EXPECT_EQ(VkCommonMessages.Text(0), Text(kFiles[0], "bin"));
    EXPECT_EQ(VkSNMPClassMessages.Text(0), Text(kFiles[4], "bin"));

    LoadModuleMessageFiles(temp_ / "nowhere");  // no folder at all
    EXPECT_EQ(VkSNMPPduMessages.Text(0), "PDU from module");
}

TEST_F(StartupMessageFilesTest, AnEmptyModuleFolderIsTheCurrentFolder) {
    WriteFolder(temp_ / "errmsg", "current");
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(temp_.Path().c_str()), 0);
    LoadModuleMessageFiles("");
    EXPECT_EQ(::chdir(previous), 0);
    for (const TableFile& f : kFiles) EXPECT_EQ(f.table.Text(0), Text(f, "current")) << f.file;
}
