// The Wireless MAC ACL page's list file against the simulated access point,
// with real TFTP between the page's server and the device: the list saved
// and sent back byte for byte, the names the device is given, and every
// failure (refused or unanswered command, failed transfer) ending with its
// message, the device's list left as it was and no file left behind.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "library/tftp/tftp_server.h"
#include "pages/common/device_transfer.h"
#include "pages/wireless/mac_acl_page.h"
#include "platform/os/udp_socket.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "tests/pages/file_page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using filepagetest::ReadFile;
using filepagetest::WriteFile;
using pagetest::OpenedPage;
using ui::Answer;
using Pdus = std::vector<std::string>;

constexpr char kTftpCommand[] = "E.4.3.2.4.0";
constexpr char kUpgradeCommand[] = "E.4.3.2.5.0";
std::string Row(int row) { return "E.2.1.3.3.2.3.3.1.2." + std::to_string(row); }
std::string Numbered(int n) {
    char mac[16];
    snprintf(mac, sizeof mac, "0200%08X", n);
    return mac;
}
// What the device sends for the standard list.
const char kStandardFile[] = "00A0C5112233\n00A0C5445566\n";

std::string ServerSet(const std::string& name) {
    return "tftpServerIPAddress=127.0.0.1 tftpRemoteFileName=" + name;
}

class MacAclTransferTest : public filepagetest::FilePageTest {
protected:
    bool Ready(TFM_FilterMACACL& page) {
        return RunUntil([&] { return page.ListReady && !page.ChainRunning; }, 30000);
    }
    void Upload(TFM_FilterMACACL& page, const std::string& path) {
        page.Ed_UpgFile->SetText(path);
        Control("clearlog");
        page.Btn_Upload->Click();
        ASSERT_TRUE(Ready(page));
    }
    void Download(TFM_FilterMACACL& page, const std::string& path) {
        Dialogs().ExpectFile(path);
        Control("clearlog");
        page.Btn_Download->Click();
        ASSERT_TRUE(Ready(page));
    }
    Pdus Sets() { return wirelesstest::Named(Logged("SET")); }
    std::string DeviceList() {
        std::string list;
        for (int row = 1; row <= 4; ++row) list += Value(Row(row)) + " ";
        return list;
    }
};

TEST_F(MacAclTransferTest, TheListGoesToAFileAndComesBackWhole) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    ASSERT_TRUE(page->TftpServer.Transfer().Listening());
    page->Ed_UpgFile->SetText("left from before");

    // Saved under the chosen name with ".acl" added.
    Dialogs().ExpectBox("OK", AclSaveOkText, Answer::Ok);
    Download(*page, files.File("list.txt"));
    EXPECT_EQ(Sets(), (Pdus{ServerSet("list.txt.acl"), "tftpcommand=5", "tftpUpgradeSettingCommand=9"}));
    EXPECT_EQ(ReadFile(files.File("list.txt.acl")), kStandardFile);
    EXPECT_EQ(files.Entries(), Pdus{"list.txt.acl"});
    EXPECT_EQ(page->Ed_UpgFile->Text(), "");
    EXPECT_EQ(DeviceList(), "00A0C5112233 000000000000 00A0C5445566 000000000000 ")
        << "the getacl after a download changes nothing";

    // Sent back edited: the device fetches the same bytes, then takes them.
    const std::string edited = "0011223344AA\n00A0C5445566\n0011223344BB\n";
    WriteFile(files.File("office.ACL"), edited);
    Dialogs().ExpectBox("OK", AclUpdateOkText, Answer::Ok);
    Upload(*page, files.File("office.ACL"));
    EXPECT_EQ(Sets(), (Pdus{ServerSet("office.ACL"), "tftpcommand=2", "tftpUpgradeSettingCommand=9"}));
    EXPECT_EQ(Fetched("office.ACL"), edited);
    EXPECT_EQ(DeviceList(), "0011223344AA 00A0C5445566 0011223344BB 000000000000 ");
    EXPECT_EQ(page->ListedMacs(), (Pdus{"0011223344AA", "00A0C5445566", "0011223344BB"}));
    EXPECT_EQ(page->Ed_UpgFile->Text(), files.File("office.ACL"));
    EXPECT_TRUE(page->Btn_Upload->Enabled());
}

// A failure at any step ends the chain with the failure box and the reason
// in the status line; the device is not told to take a list it did not
// fetch whole, and a download leaves no file.
struct FailureCase {
    const char* label;
    bool upload;
    std::vector<std::string> setup;  // control commands before the click
    size_t setsSent;                 // how many of the chain's SETs went out
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.label; }

class MacAclTransferFailureTest : public MacAclTransferTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(MacAclTransferFailureTest, EndsWithTheFailureAndLeavesTheListAsItWas) {
    ASSERT_TRUE(Started());
    const FailureCase& c = GetParam();
    // Lists of more than one block, so that a stalled transfer stops before
    // its end.
    std::string file;
    for (int n = 1; n <= 60; ++n) file += Numbered(n) + "\n";
    WriteFile(files.File("new.acl"), file);
    if (!c.upload)
        for (int row = 5; row <= 64; ++row) SetValue(Row(row), Numbered(row));
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    const std::string before = DeviceList();
    ShortenAnswerWaits({page->TftpServerRequest, page->TftpCommandRequest, page->UpgradeCommandRequest});
    for (const std::string& command : c.setup) Control(command);
    Dialogs().ExpectBox("ERROR", AclFailText, Answer::Ok);
    if (c.upload) Upload(*page, files.File("new.acl"));
    else Download(*page, files.File("out.acl"));
    Pdus expected = c.upload ? Pdus{ServerSet("new.acl"), "tftpcommand=2", "tftpUpgradeSettingCommand=9"}
                             : Pdus{ServerSet("out.acl"), "tftpcommand=5", "tftpUpgradeSettingCommand=9"};
    expected.resize(c.setsSent);
    EXPECT_EQ(Sets(), expected);
    EXPECT_NE(page->StatusBar1->PanelText(0), "");
    EXPECT_FALSE(page->TftpServer.Transfer().Busy());
    EXPECT_TRUE(page->Btn_Upload->Enabled());
    EXPECT_TRUE(page->Btn_Download->Enabled());
    bool canClose = false;
    page->FormCloseQuery(nullptr, canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(DeviceList(), before);
    EXPECT_EQ(files.Entries(), Pdus{"new.acl"}) << "no partial file";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MacAclTransferFailureTest,
    ::testing::Values(
        FailureCase{"UploadGetRefused", true, {"error " + pagetest::DeviceOid(kTftpCommand) + " genErr"}, 2},
        // The address write passes; Get and its retry are not answered.
        FailureCase{"UploadGetUnanswered", true, {"drop 2 after 1"}, 1},
        FailureCase{"UploadFetchStalls", true, {"tftpfault stall"}, 2},
        FailureCase{"UploadFetchOfAnotherName", true, {"tftpfault wrongname"}, 2},
        FailureCase{"UploadGetAclRefused", true, {"error " + pagetest::DeviceOid(kUpgradeCommand) + " genErr"}, 3},
        FailureCase{"DownloadPutAclRefused", false, {"error " + pagetest::DeviceOid(kTftpCommand) + " genErr"}, 2},
        FailureCase{"DownloadStalls", false, {"tftpfault stall"}, 2}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.label); });

TEST_F(MacAclTransferTest, ChecksRefuseBeforeAnythingIsSent) {
    ASSERT_TRUE(Started());
    WriteFile(files.File("notes.txt"), "x");
    WriteFile(files.File("list.acl.txt"), "x");
    ASSERT_EQ(::mkdir(files.File("folder.acl").c_str(), 0755), 0);
    WriteFile(files.File("folder.acl") + "/plain", "x");
    struct Case {
        std::string path;
        const char* text;
    };
    const Case cases[] = {
        {"", "Empty file is not accepted."},
        {files.File("missing.acl"), "File format error! Please try again!"},
        {files.File("notes.txt"), "File format error! Please try again!"},
        {files.File("list.acl.txt"), "File format error! Please try again!"},
        {files.File("folder.acl"), "File format error! Please try again!"},
        {files.File("folder.acl") + "/plain", "File format error! Please try again!"},
    };
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    Control("clearlog");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        page->Ed_UpgFile->SetText(c.path);
        Dialogs().ExpectBox("Warning", c.text, Answer::Ok);
        page->Btn_Upload->Click();
    }
    Dialogs().ExpectFile("");  // cancelled
    page->Btn_Download->Click();
    Dialogs().ExpectFile("bare.acl");
    Dialogs().ExpectBox("Warning", "The file path is error.", Answer::Ok);
    page->Btn_Download->Click();
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_FALSE(page->ChainRunning);
    EXPECT_EQ(Dialogs().FileRequests().at(0).filter, "*.acl|*.acl|all files|*.*");
}

TEST_F(MacAclTransferTest, NoPcAddressIsSaidAndNothingIsSent) {
    ASSERT_TRUE(Started());
    TransferHooks().pcAddress = [](std::string&) { return false; };
    WriteFile(files.File("good.acl"), "0011223344AA\n");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    Control("clearlog");
    page->Ed_UpgFile->SetText(files.File("good.acl"));
    Dialogs().ExpectBox("Warning", NoPcAddressText, Answer::Ok);
    page->Btn_Upload->Click();
    Dialogs().ExpectFile(files.File("out.acl"));
    Dialogs().ExpectBox("Warning", NoPcAddressText, Answer::Ok);
    page->Btn_Download->Click();
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(MacAclTransferTest, APortHeldElsewhereEndsTheModuleWithTheInitError) {
    ASSERT_TRUE(Started());
    os::UdpSocket holder;
    ASSERT_EQ(holder.Open(), 0);
    ASSERT_EQ(holder.Bind("", static_cast<uint16_t>(tftpPort)), 0);
    Dialogs().ExpectBox(App().Title(), std::string(TftpInitErrorText) + VkTFTPStatusText(TFTP_ERR_SOCKET) +
                                            " (port " + std::to_string(tftpPort) + ": Address already in use)",
                        Answer::Ok);
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    EXPECT_TRUE(moduleEnded);
    EXPECT_FALSE(page->TftpServer.Transfer().Listening());
    ASSERT_TRUE(Ready(*page));
}

}  // namespace
