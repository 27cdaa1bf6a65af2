// The Configuration File page against the simulated access point: the
// device's configuration saved into a file and restored from it, through the
// armed transfer, with the commands on the wire in order; every failure
// (refused or unanswered command, failed transfer) ends the chain with its
// message and leaves the page usable, and nothing is applied, rebooted or
// kept after a failed transfer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "library/tftp/tftp_packet.h"
#include "library/tftp/tftp_server.h"
#include "pages/common/device_transfer.h"
#include "pages/maintenance/config_file_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "platform/os/udp_socket.h"
#include "platform/ui/button.h"
#include "platform/ui/color.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/file_page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using filepagetest::ReadFile;
using filepagetest::WriteFile;
using ui::Answer;

constexpr char kSysName[] = "1.3.6.1.2.1.1.5.0";
constexpr char kTftpCommand[] = "E.4.3.2.4.0";
constexpr char kUpgradeCommand[] = "E.4.3.2.5.0";

std::string ServerSet(const std::string& name) {
    return DeviceOid("E.4.3.2.1.0") + "=ipaddress:127.0.0.1 " + DeviceOid("E.4.3.2.2.0") + "=string:" + name;
}
std::string Command(const char* oid, int value) { return DeviceOid(oid) + "=integer:" + std::to_string(value); }

const int kGet = 2, kPut = 3;
const int kConfigSetting = 2, kConfigSave = 3, kReboot = 4;

class ConfigFilePageTest : public filepagetest::FilePageTest {
protected:
    // Clicks and runs the loop until the chain has ended.
    bool RunChain(TFM_CfgFile& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        return RunUntil([&] { return !page.ChainRunning; }, 60000);
    }

    void Save(TFM_CfgFile& page, const std::string& path) {
        page.Ed_SaveFile->SetText(path);
        ASSERT_TRUE(RunChain(page, page.Bt_Upload));
    }

    void Restore(TFM_CfgFile& page, const std::string& path) {
        page.Ed_UpgFile->SetText(path);
        ASSERT_TRUE(RunChain(page, page.Bt_OK));
    }

};

TEST_F(ConfigFilePageTest, SaveThenRestoreMovesTheConfigurationWhole) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    ASSERT_TRUE(page->TftpServer.Transfer().Listening());

    // Saved under the chosen name with ".dcf" added.
    Dialogs().ExpectBox("OK", CfgSaveOkText, Answer::Ok);
    Save(*page, files.File("backup"));
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{ServerSet("backup.dcf"), Command(kTftpCommand, kPut),
                                                       Command(kUpgradeCommand, kConfigSetting)}));
    const std::string saved = ReadFile(files.File("backup.dcf"));
    EXPECT_NE(saved.find(std::string(kSysName) + " VAP-7720"), std::string::npos) << saved;
    EXPECT_NE(DeviceTransfer().find("bytes=" + std::to_string(saved.size())), std::string::npos);
    EXPECT_EQ(files.Entries(), std::vector<std::string>{"backup.dcf"});
    EXPECT_TRUE(page->Enabled());

    // Restored: the device fetches the same bytes, applies them and restarts.
    SetValue(kSysName, "changed");
    Dialogs().ExpectBox("OK", CfgRestoreOkText, Answer::Ok);
    Restore(*page, files.File("backup.dcf"));
    EXPECT_EQ(Logged("SET"),
              (std::vector<std::string>{ServerSet("backup.dcf"), Command(kTftpCommand, kGet),
                                        Command(kUpgradeCommand, kConfigSave), Command(kUpgradeCommand, kReboot)}));
    EXPECT_EQ(Fetched("backup.dcf"), saved);
    EXPECT_EQ(Value(kSysName), "VAP-7720");
    EXPECT_EQ(page->Ed_UpgFile->Text(), files.File("backup.dcf"));
    EXPECT_TRUE(page->Enabled());
}

TEST_F(ConfigFilePageTest, ANameEndingInDcfInAnyCaseIsKept) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    Dialogs().ExpectBox("OK", CfgSaveOkText, Answer::Ok);
    Save(*page, files.File("Site.DCF"));
    EXPECT_EQ(Logged("SET").at(0), ServerSet("Site.DCF"));
    EXPECT_EQ(files.Entries(), std::vector<std::string>{"Site.DCF"});
}

// A failure at any step ends the chain with the failure box, the reason in
// the status line, nothing of the later steps on the wire and the page
// usable; a save leaves no file.
struct FailureCase {
    const char* label;
    bool restore;
    std::vector<std::string> setup;  // control commands before the click
    size_t setsSent;                 // how many of the chain's SETs went out
    bool fileKept = false;           // a save's whole file stays (its transfer ended well)
    bool lost = false;               // the last SET and its retry reached the device unanswered
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.label; }

class ConfigFileFailureTest : public ConfigFilePageTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ConfigFileFailureTest, EndsTheChainAndLeavesThePageUsable) {
    ASSERT_TRUE(Started());
    const FailureCase& c = GetParam();
    const std::string source = files.File("restore.dcf");
    // More than one block, so that a stalled fetch stops before the end.
    WriteFile(source, std::string(kSysName) + " \"from-file\"\n" + std::string(600, 'x') + "\n");
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    ShortenAnswerWaits({page->TftpServerRequest, page->TftpCommandRequest, page->UpgradeCommandRequest});
    for (const std::string& command : c.setup) Control(command);
    Dialogs().ExpectBox("ERROR", CfgFailText, Answer::Ok);
    if (c.restore) Restore(*page, source);
    else Save(*page, files.File("out.dcf"));
    std::vector<std::string> expected =
        c.restore ? std::vector<std::string>{ServerSet("restore.dcf"), Command(kTftpCommand, kGet),
                                             Command(kUpgradeCommand, kConfigSave)}
                  : std::vector<std::string>{ServerSet("out.dcf"), Command(kTftpCommand, kPut),
                                             Command(kUpgradeCommand, kConfigSetting)};
    expected.resize(c.setsSent);
    if (c.lost) expected.push_back(expected.back());
    EXPECT_EQ(Logged("SET"), expected);
    EXPECT_NE(Status(*page), "");
    EXPECT_TRUE(page->Enabled());
    EXPECT_FALSE(page->TftpServer.Transfer().Busy());
    EXPECT_EQ(Value(kSysName), "VAP-7720") << "nothing applied";
    std::vector<std::string> entries{"restore.dcf"};
    if (c.fileKept) entries.insert(entries.begin(), "out.dcf");
    EXPECT_EQ(files.Entries(), entries) << "no partial file";

    // The page works again afterwards.
    Control("tftpfault none");
    Dialogs().ExpectBox("OK", CfgSaveOkText, Answer::Ok);
    Save(*page, files.File("again.dcf"));
    EXPECT_FALSE(ReadFile(files.File("again.dcf")).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ConfigFileFailureTest,
    ::testing::Values(
        FailureCase{"RestoreGetRefused", true, {std::string("error ") + kTftpCommand + " genErr"}, 2},
        // The notice's version read and the address write pass; Get and its retry not.
        FailureCase{"RestoreGetUnanswered", true, {"drop 2 after 2"}, 1},
        FailureCase{"RestoreFetchStalls", true, {"tftpfault stall"}, 2},
        FailureCase{"RestoreFetchOfAnotherName", true, {"tftpfault wrongname"}, 2},
        FailureCase{"RestoreApplyRefused", true, {std::string("error ") + kUpgradeCommand + " genErr"}, 3},
        FailureCase{"RestoreApplyUnanswered", true, {std::string("lose ") + kUpgradeCommand + " 2"}, 3, false, true},
        FailureCase{"SaveServerRefused", false, {"error E.4.3.2.2.0 genErr"}, 1},
        FailureCase{"SavePutRefused", false, {std::string("error ") + kTftpCommand + " genErr"}, 2},
        FailureCase{"SaveUploadStalls", false, {"tftpfault stall"}, 2},
        FailureCase{"SavePutUnanswered", false, {std::string("lose ") + kTftpCommand + " 2"}, 2, false, true},
        FailureCase{"SaveConfigSettingRefused", false, {std::string("error ") + kUpgradeCommand + " genErr"}, 3,
                    true}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.label); });

// The device may restart before its answer to Reboot leaves: the restore
// goes on to the restart wait and succeeds once the device answers again.
// Only an error answer to Reboot is a failure. Either way the device applied
// the file when it took Configsave.
struct RebootCase {
    const char* label;
    std::vector<std::string> setup;
    bool succeeds;
};

void PrintTo(const RebootCase& c, std::ostream* out) { *out << c.label; }

class ConfigFileRebootTest : public ConfigFilePageTest, public ::testing::WithParamInterface<RebootCase> {};

TEST_P(ConfigFileRebootTest, OnlyARefusedRebootFailsTheRestore) {
    ASSERT_TRUE(Started());
    const RebootCase& c = GetParam();
    const std::string source = files.File("restore.dcf");
    WriteFile(source, std::string(kSysName) + " \"from-file\"\n");
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    ShortenAnswerWaits({page->TftpServerRequest, page->TftpCommandRequest, page->UpgradeCommandRequest});
    for (const std::string& command : c.setup) Control(command);
    if (c.succeeds) Dialogs().ExpectBox("OK", CfgRestoreOkText, Answer::Ok);
    else Dialogs().ExpectBox("ERROR", CfgFailText, Answer::Ok);
    Restore(*page, source);
    const std::vector<std::string> chain{ServerSet("restore.dcf"), Command(kTftpCommand, kGet),
                                         Command(kUpgradeCommand, kConfigSave), Command(kUpgradeCommand, kReboot)};
    const std::vector<std::string> sets = Logged("SET");
    ASSERT_GE(sets.size(), chain.size());
    EXPECT_EQ(std::vector<std::string>(sets.begin(), sets.begin() + 4), chain);
    for (size_t i = chain.size(); i < sets.size(); ++i)
        EXPECT_EQ(sets[i], Command(kUpgradeCommand, kReboot)) << "nothing but Reboot's retry";
    EXPECT_EQ(Value(kSysName), "from-file");
    EXPECT_EQ(Status(*page).empty(), c.succeeds);
    EXPECT_TRUE(page->Enabled());
    EXPECT_FALSE(page->TftpServer.Transfer().Busy());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ConfigFileRebootTest,
    ::testing::Values(RebootCase{"Unanswered", {"quietrestart 2"}, true},
                      // Configsave passes, Reboot is refused.
                      RebootCase{"Refused", {std::string("error ") + kUpgradeCommand + " genErr after 1"}, false}),
    [](const ::testing::TestParamInfo<RebootCase>& info) { return std::string(info.param.label); });

// Another host asking for the armed file, in the armed direction, gets a
// TFTP error and nothing of the file; the device's own transfer then goes
// through and the chain ends well.
TEST_F(ConfigFilePageTest, AnotherHostIsRefusedWhileTheTransferIsArmed) {
    ASSERT_TRUE(Started());
    const std::string source = files.File("restore.dcf");
    WriteFile(source, std::string(kSysName) + " \"from-file\"\n");
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    struct Case {
        bool restore;
        ui::Edit* edit;
        std::string path;
        ui::Button* button;
        const char* success;
    };
    const Case cases[] = {
        {true, page->Ed_UpgFile, source, page->Bt_OK, CfgRestoreOkText},
        {false, page->Ed_SaveFile, files.File("out.dcf"), page->Bt_Upload, CfgSaveOkText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        c.edit->SetText(c.path);
        Control("delay 2000");  // the device takes its command only after the stranger asked
        c.button->Click();
        ASSERT_TRUE(page->TftpServer.Transfer().Busy());
        EXPECT_EQ(StrangerAsks(c.restore, FileNameOf(c.path)), tftp::kError);
        Control("delay 0");
        Dialogs().ExpectBox("OK", c.success, Answer::Ok);
        ASSERT_TRUE(RunUntil([&] { return !page->ChainRunning; }, 60000));
    }
    EXPECT_EQ(Fetched("restore.dcf"), ReadFile(source));
    EXPECT_EQ(Value(kSysName), "from-file");
    EXPECT_NE(ReadFile(files.File("out.dcf")).find(std::string(kSysName) + " from-file"), std::string::npos)
        << "the device's configuration, nothing of the stranger's";
    EXPECT_EQ(files.Entries(), (std::vector<std::string>{"out.dcf", "restore.dcf"}));
}

TEST_F(ConfigFilePageTest, TheSaveFileEditIsReadOnlyOnTheButtonFace) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    EXPECT_TRUE(page->Ed_SaveFile->ReadOnly());
    EXPECT_EQ(page->Ed_SaveFile->BackgroundColor(), ui::kColorButtonFace);
    EXPECT_NE(page->Ed_UpgFile->BackgroundColor(), ui::kColorButtonFace) << "the edit the user types in stays white";
}

TEST_F(ConfigFilePageTest, ChecksRefuseBeforeAnythingIsSent) {
    ASSERT_TRUE(Started());
    WriteFile(files.File("good.dcf"), "x");
    WriteFile(files.File("notes.txt"), "x");
    WriteFile(files.File("cfg.dcf.txt"), "x");
    ASSERT_EQ(::mkdir(files.File("in.dcf").c_str(), 0755), 0);
    WriteFile(files.File("in.dcf") + "/plain", "x");
    struct Case {
        std::string path;
        const char* text;
    };
    const Case cases[] = {
        {"", "Empty file is not accepted."},
        {files.File("missing.dcf"), "File format error! Please try again!"},
        {files.File("notes.txt"), "File format error! Please try again!"},
        {files.File("cfg.dcf.txt"), "File format error! Please try again!"},
        {files.File("in.dcf") + "/plain", "File format error! Please try again!"},
        {files.File("in.dcf"), "File format error! Please try again!"},
    };
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    Control("clearlog");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        page->Ed_UpgFile->SetText(c.path);
        Dialogs().ExpectBox("Warning", c.text, Answer::Ok);
        page->Bt_OK->Click();
    }
    page->Ed_SaveFile->SetText("");
    Dialogs().ExpectBox("Warning", "Empty file is not accepted.", Answer::Ok);
    page->Bt_Upload->Click();
    page->Ed_SaveFile->SetText("bare.dcf");
    Dialogs().ExpectBox("Warning", "The file path is error.", Answer::Ok);
    page->Bt_Upload->Click();
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_FALSE(page->ChainRunning);
}

TEST_F(ConfigFilePageTest, NoPcAddressIsSaidAndNothingIsSent) {
    ASSERT_TRUE(Started());
    TransferHooks().pcAddress = [](std::string&) { return false; };
    WriteFile(files.File("good.dcf"), "x");
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    Control("clearlog");
    page->Ed_UpgFile->SetText(files.File("good.dcf"));
    Dialogs().ExpectBox("Warning", NoPcAddressText, Answer::Ok);
    page->Bt_OK->Click();
    page->Ed_SaveFile->SetText(files.File("out.dcf"));
    Dialogs().ExpectBox("Warning", NoPcAddressText, Answer::Ok);
    page->Bt_Upload->Click();
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(ConfigFilePageTest, APortHeldElsewhereEndsTheModuleWithTheInitError) {
    ASSERT_TRUE(Started());
    os::UdpSocket holder;
    ASSERT_EQ(holder.Open(), 0);
    ASSERT_EQ(holder.Bind("", static_cast<uint16_t>(tftpPort)), 0);
    Dialogs().ExpectBox(App().Title(), std::string(TftpInitErrorText) + VkTFTPStatusText(TFTP_ERR_SOCKET) +
                                            " (port " + std::to_string(tftpPort) + ": Address already in use)",
                        Answer::Ok);
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    EXPECT_TRUE(moduleEnded);
    EXPECT_FALSE(page->TftpServer.Transfer().Listening());
}

TEST_F(ConfigFilePageTest, ClosingIsRefusedWhileAChainRuns) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_CfgFile> page(FM_CfgFile);
    page->Ed_SaveFile->SetText(files.File("slow.dcf"));
    Control("delay 300");
    page->Bt_Upload->Click();
    ASSERT_TRUE(page->ChainRunning);
    bool canClose = true;
    page->FormCloseQuery(nullptr, canClose);
    EXPECT_FALSE(canClose);
    Control("delay 0");
    Dialogs().ExpectBox("OK", CfgSaveOkText, Answer::Ok);
    ASSERT_TRUE(RunUntil([&] { return !page->ChainRunning; }, 30000));
    page->FormCloseQuery(nullptr, canClose);
    EXPECT_TRUE(canClose);
}

TEST_F(ConfigFilePageTest, TheToolsMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterMaintenancePages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_CfgFile != nullptr && FM_CfgFile->Modal() &&
               FM_CfgFile->Caption() == "Tools \\ Configuration File" && FM_CfgFile->Ed_SaveFile->ReadOnly();
        if (FM_CfgFile) {
            SavePicture(*FM_CfgFile, "configuration-file-page");
            FM_CfgFile->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("tUpdate2"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_CfgFile, nullptr);
}

}  // namespace
