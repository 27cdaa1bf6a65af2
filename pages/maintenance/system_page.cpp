#include "pages/maintenance/system_page.h"

#include <string>

#include "library/snmp/write_result.h"
#include "pages/common/page_controls.h"
#include "pages/common/waiting_steps.h"
#include "pages/maintenance/ssl_key_reboot_state.h"
#include "pages/maintenance/system_page_vars.h"
#include "shell/mib_option_lists.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

TFM_Sytem* FM_Sytem = nullptr;

const char* const SystemRestartCaption = "System is rebooting, please waiting.....";
const char* const SystemRestoreCaption = "System is rebooting, please waiting.....!";
const char* const SystemRestoreIpText = "The system IP will be 192.168.0.50 !";

namespace {

constexpr int kActionPosition = 1;  // the command's value 1 in each list

}  // namespace

TFM_Sytem::TFM_Sytem(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Sytem", "Tools \\ System Settings", 345, 155);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_Sytem::BuildControls() {
    Label1 = NewLabel(this, "Label1", "Restart the Device", 24, 24);
    Button1 = NewButton(this, "Button1", "Restart", 246, 19, 75);
    Button1->OnClick = [this](ui::Component* sender) { Button1Click(sender); };
    Label2 = NewLabel(this, "Label2", "Restore to Factory Default Settings", 24, 59);
    Button2 = NewButton(this, "Button2", "Restore", 246, 54, 75);
    Button2->OnClick = [this](ui::Component* sender) { Button2Click(sender); };
    Label3 = NewLabel(this, "Label3", "Clear Language Pack", 24, 94);
    Bt_LanguageClear = NewButton(this, "Bt_LanguageClear", "Clear", 246, 89, 75);
    Bt_LanguageClear->OnClick = [this](ui::Component* sender) { Bt_LanguageClearClick(sender); };
    CB_Restart = NewHiddenComboBox(this, "CB_Restart", OptDeviceRestart);
    CB_Restore = NewHiddenComboBox(this, "CB_Restore", OptDeviceFactoryDefault);
    Cbox_LanguagePack = NewHiddenComboBox(this, "Cbox_LanguagePack", OptLanguagePackClear);
    StatusBar = NewStatusBar(this, "StatusBar", 50);
}

void TFM_Sytem::FormCreate(ui::Component*) {
    try {
        Groups.Make(ActionRequest, {"system actions", VarsSystemActions, SVT_SV, 0, Seconds(100)});
        ActionRequest->BindComboBox(SystemActionRow::Restart, CB_Restart);
        ActionRequest->BindComboBox(SystemActionRow::FactoryDefault, CB_Restore);
        ActionRequest->BindComboBox(SystemActionRow::LanguagePackClear, Cbox_LanguagePack);
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
}

bool TFM_Sytem::SendAction(int row, ui::ComboBox* combo, const char* question) {
    if (ActionRequest == nullptr) return false;
    combo->SetItemIndex(kActionPosition);
    if (ui::MessageBox(question, "Warning", ui::Buttons::OkCancel) != ui::Answer::Ok) return false;
    StatusBar->ShowMessage("");
    const VkWriteResult written = WriteRowsNow(*ActionRequest, {row});
    if (!written.ok) StatusBar->ShowMessage(written.text);
    return written.ok;
}

void TFM_Sytem::Button1Click(ui::Component*) {
    if (!SendAction(SystemActionRow::Restart, CB_Restart, "Device will reboot, continue?")) return;
    RunWaitingDialog(kSystemRestartSteps, {SystemRestartCaption, "", ""});
    SslKeyRebootState = kSslKeyRebooted;
}

void TFM_Sytem::Button2Click(ui::Component*) {
    if (!SendAction(SystemActionRow::FactoryDefault, CB_Restore, "Restore to Factory Default Settings?"))
        return;
    RunWaitingDialog(kSystemRestartSteps, {SystemRestoreCaption, "", SystemRestoreIpText});
}

void TFM_Sytem::Bt_LanguageClearClick(ui::Component*) {
    SendAction(SystemActionRow::LanguagePackClear, Cbox_LanguagePack, "Clear the language pack ?");
}

