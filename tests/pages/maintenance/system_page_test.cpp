// The System Settings page against the simulated access point: each command
// alone on the wire after its confirmation, nothing after Cancel, the
// waiting dialog only after a command the device took.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/ssl_key_reboot_state.h"
#include "pages/maintenance/system_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "shell/waiting_form.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::OpenedPage;
using ui::Answer;

constexpr char kRestart[] = "E.4.2.1.0";
constexpr char kFactoryDefault[] = "E.4.2.2.0";
constexpr char kLanguagePackClear[] = "E.4.2.5.0";

std::string CommandSet(const char* oid) { return pagetest::DeviceOid(oid) + "=integer:1"; }

struct Command {
    const char* label;
    const char* oid;
    const char* question;
    ui::Button* TFM_Sytem::*button;
    // The waiting dialog's caption and second line; null: no dialog.
    const char* caption;
    const char* label3;
};

const Command kCommands[] = {
    {"restart", kRestart, "Device will reboot, continue?", &TFM_Sytem::Button1, SystemRestartCaption,
     "The device is restarting."},
    {"restore", kFactoryDefault, "Restore to Factory Default Settings?", &TFM_Sytem::Button2,
     SystemRestoreCaption, SystemRestoreIpText},
    {"clear", kLanguagePackClear, "Clear the language pack ?", &TFM_Sytem::Bt_LanguageClear, nullptr, nullptr},
};

class SystemPageTest : public pagetest::PageTest {
protected:
    // Clicks the command's button; records the waiting dialog that shows.
    void Run(TFM_Sytem& page, const Command& command) {
        caption.clear();
        label3.clear();
        steps = 0;
        Later(30, [this] {
            if (FM_Waiting == nullptr) return;
            caption = FM_Waiting->Caption();
            label3 = FM_Waiting->Label3->Caption();
            steps = FM_Waiting->SecondsLeft;
        });
        (page.*command.button)->Click();
    }


    std::string caption;
    std::string label3;
    int steps = 0;
};

TEST_F(SystemPageTest, EachCommandGoesAloneAfterItsConfirmation) {
    ASSERT_TRUE(Started());
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.label);
        SslKeyRebootState = kSslKeyWaitsForReboot;
        Control("clearlog");
        OpenedPage<TFM_Sytem> page(FM_Sytem);
        Dialogs().ExpectBox("Warning", command.question, Answer::Ok);
        Run(*page, command);
        EXPECT_EQ(Logged("SET"), std::vector<std::string>{CommandSet(command.oid)});
        EXPECT_EQ(caption, command.caption ? command.caption : "");
        EXPECT_EQ(label3, command.label3 ? command.label3 : "");
        if (command.caption) {
            EXPECT_GT(steps, 50);  // counting down from 60
        }
        EXPECT_EQ(FM_Waiting, nullptr);
        EXPECT_EQ(Status(*page), "");
        bool restart = command.oid == std::string(kRestart);
        EXPECT_EQ(SslKeyRebootState, restart ? kSslKeyRebooted : kSslKeyWaitsForReboot);
    }
}

TEST_F(SystemPageTest, CancelSendsNothingAndLeavesNoMarkForTheNextCommand) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Sytem> page(FM_Sytem);
    Control("clearlog");
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.label);
        Dialogs().ExpectBox("Warning", command.question, Answer::Cancel);
        Run(*page, command);
        EXPECT_EQ(caption, "");
    }
    EXPECT_TRUE(Logged("SET").empty());
    // A restart cancelled, then Clear: only languagePackClear is written.
    Dialogs().ExpectBox("Warning", kCommands[0].question, Answer::Cancel);
    Run(*page, kCommands[0]);
    Dialogs().ExpectBox("Warning", kCommands[2].question, Answer::Ok);
    Run(*page, kCommands[2]);
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{CommandSet(kLanguagePackClear)});
}

TEST_F(SystemPageTest, ACommandTheDeviceRefusesShowsItsErrorAndNothingFollows) {
    ASSERT_TRUE(Started());
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.label);
        SslKeyRebootState = kSslKeyWaitsForReboot;
        OpenedPage<TFM_Sytem> page(FM_Sytem);
        Control(std::string("error ") + command.oid + " genErr");
        Dialogs().ExpectBox("Warning", command.question, Answer::Ok);
        Run(*page, command);
        EXPECT_EQ(caption, "") << "no waiting dialog after a refused command";
        EXPECT_NE(Status(*page), "");
        EXPECT_EQ(SslKeyRebootState, kSslKeyWaitsForReboot);
    }
    EXPECT_TRUE(Sim().Control("ping").ok);
    EXPECT_EQ(Value(kRestart), "0");
}

TEST_F(SystemPageTest, TheToolsMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterMaintenancePages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_Sytem != nullptr && FM_Sytem->Modal() && FM_Sytem->Caption() == "Tools \\ System Settings";
        if (FM_Sytem) {
            SavePicture(*FM_Sytem, "system-settings-page");
            FM_Sytem->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("tSystem2"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Sytem, nullptr);
}

}  // namespace
