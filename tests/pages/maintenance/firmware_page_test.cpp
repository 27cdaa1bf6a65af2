// The Firmware & SSL page against the simulated access point: each upload
// fetched whole by the device through the armed transfer, the install and
// restart commands only after a fetch that ended well, the key only after a
// certificate, and every failure ending its chain with the page usable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/tftp/tftp_packet.h"
#include "pages/common/device_transfer.h"
#include "pages/maintenance/firmware_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "pages/maintenance/ssl_key_reboot_state.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/file_page_test_support.h"

namespace {

using filepagetest::ReadFile;
using filepagetest::WriteFile;
using pagetest::DeviceOid;
using pagetest::OpenedPage;
using ui::Answer;

constexpr char kTftpCommand[] = "E.4.3.2.4.0";
constexpr char kUpgradeCommand[] = "E.4.3.2.5.0";
constexpr char kFirmwareVersion[] = "E.5.1.1.0";

std::string ServerSet(const std::string& name) {
    return DeviceOid("E.4.3.2.1.0") + "=ipaddress:127.0.0.1 " + DeviceOid("E.4.3.2.2.0") + "=string:" + name;
}
std::string Command(const char* oid, int value) { return DeviceOid(oid) + "=integer:" + std::to_string(value); }

// Several blocks, the version on the first line.
std::string FirmwareImage(const std::string& version) {
    std::string image = version + "\n";
    for (int i = 0; image.size() < 5000; ++i) image += static_cast<char>('a' + i % 26);
    return image;
}

class FirmwarePageTest : public filepagetest::FilePageTest {
protected:
    FirmwarePageTest() { SslKeyRebootState = 0; }

    bool RunChain(TFM_Firmware& page, ui::Edit* edit, ui::Button* button, const std::string& path) {
        edit->SetText(path);
        Control("clearlog");
        button->Click();
        return RunUntil([&] { return !page.ChainRunning; }, 60000);
    }

};

TEST_F(FirmwarePageTest, FirmwareIsFetchedWholeInstalledAndTheNewVersionShown) {
    ASSERT_TRUE(Started());
    const std::string image = FirmwareImage("2.1.7");
    WriteFile(files.File("vap.BIN"), image);
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    Dialogs().ExpectBox("OK", "Update firmware success!", Answer::Ok);
    ASSERT_TRUE(RunChain(*page, page->Ed_UpgFile, page->Bt_OK, files.File("vap.BIN")));
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{ServerSet("vap.BIN"), Command(kTftpCommand, 2),
                                                       Command(kUpgradeCommand, 1), Command(kUpgradeCommand, 4)}));
    EXPECT_EQ(Fetched("vap.BIN"), image);
    EXPECT_EQ(Value(kFirmwareVersion), "2.1.7");
    EXPECT_EQ(Status(*page), "2.1.7");
    EXPECT_EQ(SslKeyRebootState, kSslKeyRebooted);
    EXPECT_TRUE(page->Bt_OK->Enabled());
    EXPECT_TRUE(page->Bt_Lpack->Enabled());
}

TEST_F(FirmwarePageTest, LanguagePackGoesTheFirmwareWay) {
    ASSERT_TRUE(Started());
    WriteFile(files.File("lang.bin"), FirmwareImage("lang-de"));
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    Dialogs().ExpectBox("OK", "Update language file success!", Answer::Ok);
    ASSERT_TRUE(RunChain(*page, page->Ed_UpLanguageFile, page->Bt_Lpack, files.File("lang.bin")));
    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{ServerSet("lang.bin"), Command(kTftpCommand, 2),
                                                       Command(kUpgradeCommand, 1), Command(kUpgradeCommand, 4)}));
    EXPECT_EQ(Fetched("lang.bin"), FirmwareImage("lang-de"));
}

TEST_F(FirmwarePageTest, CertificateThenKeyAndTheReminderAtTheNextOpening) {
    ASSERT_TRUE(Started());
    WriteFile(files.File("cert.pem"), "certificate");
    WriteFile(files.File("key.PEM"), "key");
    {
        OpenedPage<TFM_Firmware> page(FM_Firmware);
        EXPECT_FALSE(page->Bt_KUpload->Enabled());
        EXPECT_FALSE(page->EDT_Key->Enabled());
        Dialogs().ExpectBox("OK", "Update SSL success!", Answer::Ok);
        ASSERT_TRUE(RunChain(*page, page->EDT_Certificate, page->Bt_CUpload, files.File("cert.pem")));
        EXPECT_EQ(Logged("SET"), (std::vector<std::string>{ServerSet("cert.pem"), Command(kTftpCommand, 2),
                                                           Command(kUpgradeCommand, 7)}));
        EXPECT_EQ(Fetched("cert.pem"), "certificate");
        EXPECT_EQ(page->EDT_Certificate->Text(), "");
        EXPECT_TRUE(page->Bt_KUpload->Enabled());

        Dialogs().ExpectBox("OK", "Update KEY success!Please reboot the device for update ssl key setting.",
                            Answer::Ok);
        ASSERT_TRUE(RunChain(*page, page->EDT_Key, page->Bt_KUpload, files.File("key.PEM")));
        EXPECT_EQ(Logged("SET"), (std::vector<std::string>{ServerSet("key.PEM"), Command(kTftpCommand, 2),
                                                           Command(kUpgradeCommand, 8)}));
        EXPECT_EQ(Fetched("key.PEM"), "key");
        EXPECT_FALSE(page->Bt_KUpload->Enabled()) << "a second key needs a new certificate";
        EXPECT_EQ(SslKeyRebootState, kSslKeyWaitsForReboot);
    }
    Dialogs().ExpectBox("Warning", FwRebootReminderText, Answer::Ok);
    OpenedPage<TFM_Firmware> reopened(FM_Firmware);
}

// A key the device refuses or leaves unanswered is not installed: no reboot
// reminder, the key stays allowed, and the same key goes through afterwards.
TEST_F(FirmwarePageTest, AKeyRefusedOrUnansweredIsNotInstalledAndCanBeSentAgain) {
    ASSERT_TRUE(Started());
    WriteFile(files.File("cert.pem"), "certificate");
    WriteFile(files.File("key.pem"), "key");
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    Dialogs().ExpectBox("OK", "Update SSL success!", Answer::Ok);
    ASSERT_TRUE(RunChain(*page, page->EDT_Certificate, page->Bt_CUpload, files.File("cert.pem")));
    const std::vector<std::string> keyChain{ServerSet("key.pem"), Command(kTftpCommand, 2),
                                            Command(kUpgradeCommand, 8)};
    struct Case {
        const char* label;
        std::string setup;
        size_t setsSent;
    };
    const Case cases[] = {
        {"refused", std::string("error ") + kUpgradeCommand + " genErr", 3},
        // The address write and Get pass; keyFileUpdate and its retry are lost.
        {"unanswered", "drop 2 after 2", 2},
    };
    ShortenAnswerWaits({page->TftpServerRequest, page->TftpCommandRequest, page->UpgradeCommandRequest});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Control(c.setup);
        // An install failure is said in the status line only, without a box.
        ASSERT_TRUE(RunChain(*page, page->EDT_Key, page->Bt_KUpload, files.File("key.pem")));
        EXPECT_EQ(Logged("SET"), std::vector<std::string>(keyChain.begin(), keyChain.begin() + static_cast<std::ptrdiff_t>(c.setsSent)));
        EXPECT_NE(Status(*page), "");
        EXPECT_EQ(SslKeyRebootState, 0) << "no reminder for a key not installed";
        EXPECT_EQ(page->EDT_Key->Text(), files.File("key.pem"));
        EXPECT_TRUE(page->Bt_KUpload->Enabled());
        EXPECT_TRUE(page->Bt_OK->Enabled());
    }
    Dialogs().ExpectBox("OK", "Update KEY success!Please reboot the device for update ssl key setting.",
                        Answer::Ok);
    ASSERT_TRUE(RunChain(*page, page->EDT_Key, page->Bt_KUpload, files.File("key.pem")));
    EXPECT_EQ(Logged("SET"), keyChain);
    EXPECT_EQ(SslKeyRebootState, kSslKeyWaitsForReboot);
}

struct FailureCase {
    const char* label;
    std::vector<std::string> setup;
    size_t setsSent;  // of server/name, Get, Firmwareupdate, Reboot
    const char* caption = "Warning";  // null: no box, the status line only
    const char* text = FwCantPerformText;
    bool restarted = false;  // the device took the firmware and restarted
    bool lost = false;  // the last SET reached the device, then its retry, and neither was answered
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.label; }

class FirmwareFailureTest : public FirmwarePageTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FirmwareFailureTest, NothingIsInstalledAfterAFailureAndThePageStaysUsable) {
    ASSERT_TRUE(Started());
    const FailureCase& c = GetParam();
    WriteFile(files.File("fw.bin"), FirmwareImage("9.9.9"));
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    const std::string before = Value(kFirmwareVersion);
    ShortenAnswerWaits({page->TftpServerRequest, page->TftpCommandRequest, page->UpgradeCommandRequest});
    for (const std::string& command : c.setup) Control(command);
    if (c.caption != nullptr) Dialogs().ExpectBox(c.caption, c.text, Answer::Ok);
    ASSERT_TRUE(RunChain(*page, page->Ed_UpgFile, page->Bt_OK, files.File("fw.bin")));
    std::vector<std::string> expected{ServerSet("fw.bin"), Command(kTftpCommand, 2), Command(kUpgradeCommand, 1),
                                      Command(kUpgradeCommand, 4)};
    expected.resize(c.setsSent);
    if (c.lost) expected.push_back(expected.back());
    EXPECT_EQ(Logged("SET"), expected);
    if (!c.restarted) {
        EXPECT_EQ(Value(kFirmwareVersion), before) << "nothing installed";
    }
    EXPECT_NE(Status(*page), "");
    EXPECT_NE(Status(*page), "9.9.9") << "no version shown for a device that did not answer";
    EXPECT_EQ(SslKeyRebootState, 0);
    EXPECT_TRUE(page->Enabled());
    for (ui::Button* button : {page->Bt_OK, page->Bt_Lpack, page->Bt_CUpload}) EXPECT_TRUE(button->Enabled());
    bool canClose = false;
    page->FormCloseQuery(nullptr, canClose);
    EXPECT_TRUE(canClose);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FirmwareFailureTest,
    ::testing::Values(FailureCase{"GetRefused", {std::string("error ") + kTftpCommand + " genErr"}, 2},
                      FailureCase{"GetUnanswered", {"drop 2 after 1"}, 1},
                      FailureCase{"FetchStalls", {"tftpfault stall"}, 2},
                      FailureCase{"FetchOfAnotherName", {"tftpfault wrongname"}, 2},
                      // An install or Reboot failure shows no box.
                      FailureCase{"InstallRefused", {std::string("error ") + kUpgradeCommand + " genErr"}, 3, nullptr},
                      // Firmwareupdate and its retry never reach the device.
                      FailureCase{"InstallUnanswered", {std::string("lose ") + kUpgradeCommand + " 2"}, 3, nullptr,
                                  nullptr, false, true},
                      // Firmwareupdate passes, Reboot is refused.
                      FailureCase{"RebootRefused", {std::string("error ") + kUpgradeCommand + " genErr after 1"}, 4,
                                  nullptr, nullptr, true},
                      // Everything passes up to the restart; afterwards the device stays silent.
                      FailureCase{"DeviceDoesNotComeBack", {"drop 1000 after 6"}, 4, "ERROR", FwNotBackText, true}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.label); });

// The device may restart before its answer to Reboot leaves: the update
// goes on to the restart wait and succeeds once the device answers again.
struct UpdateCase {
    const char* label;
    bool firmware;  // else a language pack
    const char* success;
};

void PrintTo(const UpdateCase& c, std::ostream* out) { *out << c.label; }

class FirmwareRebootTest : public FirmwarePageTest, public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(FirmwareRebootTest, AnUnansweredRebootGoesOnToTheRestartWait) {
    ASSERT_TRUE(Started());
    const UpdateCase& c = GetParam();
    WriteFile(files.File("new.bin"), FirmwareImage("3.0.1"));
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    ShortenAnswerWaits({page->TftpServerRequest, page->TftpCommandRequest, page->UpgradeCommandRequest});
    Control("quietrestart 2");
    Dialogs().ExpectBox("OK", c.success, Answer::Ok);
    ui::Edit* edit = c.firmware ? page->Ed_UpgFile : page->Ed_UpLanguageFile;
    ASSERT_TRUE(RunChain(*page, edit, c.firmware ? page->Bt_OK : page->Bt_Lpack, files.File("new.bin")));
    const std::vector<std::string> chain{ServerSet("new.bin"), Command(kTftpCommand, 2), Command(kUpgradeCommand, 1),
                                         Command(kUpgradeCommand, 4)};
    const std::vector<std::string> sets = Logged("SET");
    ASSERT_GE(sets.size(), chain.size());
    EXPECT_EQ(std::vector<std::string>(sets.begin(), sets.begin() + 4), chain);
    for (size_t i = chain.size(); i < sets.size(); ++i)
        EXPECT_EQ(sets[i], Command(kUpgradeCommand, 4)) << "nothing but Reboot's retry";
    if (c.firmware) {
        EXPECT_EQ(Status(*page), "3.0.1");
    }
    EXPECT_EQ(SslKeyRebootState, kSslKeyRebooted);
    EXPECT_TRUE(page->Bt_OK->Enabled());
    EXPECT_FALSE(page->ChainRunning);
}

INSTANTIATE_TEST_SUITE_P(Updates, FirmwareRebootTest,
                         ::testing::Values(UpdateCase{"Firmware", true, "Update firmware success!"},
                                           UpdateCase{"LanguagePack", false, "Update language file success!"}),
                         [](const ::testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.label); });

// Another host asking for the armed file gets a TFTP error and nothing of
// it; the device's own fetch then goes through and the update ends well.
TEST_F(FirmwarePageTest, AnotherHostIsRefusedWhileTheTransferIsArmed) {
    ASSERT_TRUE(Started());
    const std::string image = FirmwareImage("4.0.0");
    WriteFile(files.File("fw.bin"), image);
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    page->Ed_UpgFile->SetText(files.File("fw.bin"));
    Control("delay 2000");  // the device takes Get only after the stranger asked
    page->Bt_OK->Click();
    ASSERT_TRUE(page->TftpServer.Transfer().Busy());
    EXPECT_EQ(StrangerAsks(true, "fw.bin"), tftp::kError);
    Control("delay 0");
    Dialogs().ExpectBox("OK", "Update firmware success!", Answer::Ok);
    ASSERT_TRUE(RunUntil([&] { return !page->ChainRunning; }, 60000));
    EXPECT_EQ(Fetched("fw.bin"), image);
    EXPECT_EQ(Value(kFirmwareVersion), "4.0.0");
}

TEST_F(FirmwarePageTest, ChecksRefuseBeforeAnythingIsSent) {
    ASSERT_TRUE(Started());
    for (const char* name : {"fw.tfp.txt", "fw.bin", "lang.BIN", "cert.pem"}) WriteFile(files.File(name), "x");
    OpenedPage<TFM_Firmware> page(FM_Firmware);
    struct Case {
        ui::Edit* edit;
        ui::Button* button;
        std::string path;
        const char* text;
    };
    const Case cases[] = {
        {page->Ed_UpgFile, page->Bt_OK, "", "Please put in the firmware file & path."},
        {page->Ed_UpgFile, page->Bt_OK, files.File("sub") + "/", "Please put in the firmware file & path."},
        {page->Ed_UpgFile, page->Bt_OK, files.File("fw.tfp.txt"), "Please put in valid firmware file & path."},
        {page->Ed_UpgFile, page->Bt_OK, files.File("gone.bin"), "Please put in valid firmware file & path."},
        {page->Ed_UpgFile, page->Bt_OK, "fw.bin", "Please put in valid firmware file & path."},
        {page->Ed_UpLanguageFile, page->Bt_Lpack, "", "Empty file is not accepted!"},
        {page->Ed_UpLanguageFile, page->Bt_Lpack, files.File("cert.pem"), "File format error! Please try again."},
        {page->Ed_UpLanguageFile, page->Bt_Lpack, files.File("gone.bin"), "Please put in valid Language file & path."},
        {page->EDT_Certificate, page->Bt_CUpload, files.File("fw.bin"), "File format error! Please try again."},
        {page->EDT_Certificate, page->Bt_CUpload, files.File("gone.pem"), "Please put in valid pem file & path."},
    };
    Control("clearlog");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " / " + c.text);
        c.edit->SetText(c.path);
        Dialogs().ExpectBox("Warning", c.text, Answer::Ok);
        c.button->Click();
        EXPECT_FALSE(page->ChainRunning);
        EXPECT_TRUE(c.button->Enabled());
    }
    TransferHooks().pcAddress = [](std::string&) { return false; };
    page->Ed_UpLanguageFile->SetText(files.File("lang.BIN"));
    Dialogs().ExpectBox("Warning", NoPcAddressText, Answer::Ok);
    page->Bt_Lpack->Click();
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(FirmwarePageTest, TheToolsMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterMaintenancePages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_Firmware != nullptr && FM_Firmware->Modal() && FM_Firmware->Caption() == "Tools \\ Firmware & SSL";
        if (FM_Firmware) {
            SavePicture(*FM_Firmware, "firmware-ssl-page");
            FM_Firmware->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("Firmware1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Firmware, nullptr);
}

}  // namespace
