#include "pages/maintenance/firmware_page.h"

#include <utility>

#include "pages/common/device_restart.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/common/transfer_groups.h"
#include "pages/common/waiting_steps.h"
#include "pages/maintenance/firmware_page_vars.h"
#include "pages/maintenance/ssl_key_reboot_state.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

TFM_Firmware* FM_Firmware = nullptr;

const char* const FwCantPerformText = "Can't Perform Operation,Please try again!";
const char* const FwRebootReminderText = "Please reboot the device for update ssl key setting.";
const char* const FwNotBackText = "The device did not answer again after the restart.";

namespace {

// TFTP: one wait of 30 s for the device, 3 sends.
constexpr int kTftpTimeout = 3000;
constexpr int kTftpSends = 3;

// Positions in the hidden combos (the option lists' order).
constexpr int kGet = 0;
constexpr int kFirmwareUpdate = 0;
constexpr int kCertificateUpdate = 5;
constexpr int kKeyUpdate = 6;

constexpr char kPowerText[] = "Please DO NOT POWER OFF the device !";

// What differs between the four uploads.
struct UploadTexts {
    const char* empty;
    const char* badFormat;
    const char* missing;
    bool focusOnBadFormat;
    const char* loading;
    const char* updating;  // the notice during Firmwareupdate
    const char* success;
};

const UploadTexts& TextsOf(int operation) {
    static const UploadTexts firmware{"Please put in the firmware file & path.",
                                      "Please put in valid firmware file & path.",
                                      "Please put in valid firmware file & path.",
                                      false,
                                      "Loading firmware file...",
                                      "Updating firmware file now...",
                                      "Update firmware success!"};
    static const UploadTexts language{"Empty file is not accepted!",
                                      "File format error! Please try again.",
                                      "Please put in valid Language file & path.",
                                      true,
                                      "Loading language file...",
                                      "Updating Language Pack now...",
                                      "Update language file success!"};
    static const UploadTexts certificate{"Empty file is not accepted!", "File format error! Please try again.",
                                         "Please put in valid pem file & path.", true, "Loading pem file...", "",
                                         "Update SSL success!"};
    static const UploadTexts key{"Empty file is not accepted!",
                                 "File format error! Please try again.",
                                 "Please put in valid pem file & path.",
                                 true,
                                 "Loading pem file...",
                                 "",
                                 "Update KEY success!Please reboot the device for update ssl key setting."};
    switch (operation) {
    case TFM_Firmware::kFirmware: return firmware;
    case TFM_Firmware::kLanguagePack: return language;
    case TFM_Firmware::kCertificate: return certificate;
    default: return key;
    }
}

bool RightSuffix(int operation, const std::string& name) {
    if (operation == TFM_Firmware::kFirmware) return HasSuffix(name, ".bin") || HasSuffix(name, ".tfp");
    if (operation == TFM_Firmware::kLanguagePack) return HasSuffix(name, ".bin");
    return HasSuffix(name, ".pem");
}

}  // namespace

TFM_Firmware::TFM_Firmware(ui::Component* owner)
    : ui::Form(owner), TftpServer(this, kTftpTimeout, kTftpSends) {
    SetupPageForm(*this, "FM_Firmware", "Tools \\ Firmware & SSL", 452, 268);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

TFM_Firmware::~TFM_Firmware() { notice_.reset(); }

void TFM_Firmware::BuildControls() {
    La_Firmware = NewLabel(this, "La_Firmware", "Update Firmware From Local Hard Drive", 12, 10);
    Label1 = NewLabel(this, "Label1", "Upload Firmware From File:", 24, 34);
    Ed_UpgFile = NewEdit(this, "Ed_UpgFile", "", 24, 52, 264);
    Bt_Browse = NewButton(this, "Bt_Browse", "Browse", 296, 50, 64);
    Bt_OK = NewButton(this, "Bt_OK", "Upload", 368, 50, 64);
    La_Language = NewLabel(this, "La_Language", "Language Pack Upgrade", 12, 84);
    Label2 = NewLabel(this, "Label2", "Upload Language From File:", 24, 108);
    Ed_UpLanguageFile = NewEdit(this, "Ed_UpLanguageFile", "", 24, 126, 264);
    Bt_Language = NewButton(this, "Bt_Language", "Browse", 296, 124, 64);
    Bt_Lpack = NewButton(this, "Bt_Lpack", "Upload", 368, 124, 64);
    La_Ssl = NewLabel(this, "La_Ssl", "Update SSL Certification From Local Hard Drive", 12, 158);
    Label3 = NewLabel(this, "Label3", "Upload Certificate From File :", 24, 182);
    EDT_Certificate = NewEdit(this, "EDT_Certificate", "", 196, 178, 96);
    Bt_CBrowse = NewButton(this, "Bt_CBrowse", "Browse", 296, 176, 64);
    Bt_CUpload = NewButton(this, "Bt_CUpload", "Upload", 368, 176, 64);
    Label4 = NewLabel(this, "Label4", "Upload Key From File : ", 24, 212);
    EDT_Key = NewEdit(this, "EDT_Key", "", 196, 208, 96);
    Bt_KBrowse = NewButton(this, "Bt_KBrowse", "Browse", 296, 206, 64);
    Bt_KUpload = NewButton(this, "Bt_KUpload", "Upload", 368, 206, 64);
    NewTransferControls(this, TransferPartsOf(*this));
    StatusBar = NewStatusBar(this, "StatusBar", 50);
    Bt_Browse->OnClick = [this](ui::Component* sender) { Bt_BrowseClick(sender); };
    Bt_Language->OnClick = [this](ui::Component* sender) { Bt_LanguageClick(sender); };
    Bt_CBrowse->OnClick = [this](ui::Component* sender) { Bt_CBrowseClick(sender); };
    Bt_KBrowse->OnClick = [this](ui::Component* sender) { Bt_KBrowseClick(sender); };
    Bt_OK->OnClick = [this](ui::Component* sender) { Bt_OKClick(sender); };
    Bt_Lpack->OnClick = [this](ui::Component* sender) { Bt_LpackClick(sender); };
    Bt_CUpload->OnClick = [this](ui::Component* sender) { Bt_CUploadClick(sender); };
    Bt_KUpload->OnClick = [this](ui::Component* sender) { Bt_KUploadClick(sender); };
}

void TFM_Firmware::FormCreate(ui::Component*) {
    TransferGroupSettings settings;
    settings.serverSeconds = 400;
    settings.transferSeconds = 150;
    settings.serverTable = VarsTftpServerFirmware;
    settings.status = StatusBar;
    try {
        MakeFileTransferGroups(Groups, TransferPartsOf(*this), settings, Transfer);
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    // The request layer's text for the taken Get.
    Transfer.commandTaken = [this](const std::string& answer) { StatusBar->ShowMessage(answer); };
    if (!TftpServer.Open()) return;
    SetUploadsEnabled(true);
    if (SslKeyRebootState == kSslKeyWaitsForReboot) ui::MessageBox(FwRebootReminderText, "Warning");
}

void TFM_Firmware::Browse(const char* filter, ui::Edit* edit) {
    std::string path;
    if (ui::OpenFileDialog({"", filter, "", ""}, path)) edit->SetText(path);
}

void TFM_Firmware::Bt_BrowseClick(ui::Component*) {
    Browse("Firmware bin files (*.bin)|*.bin|All files (*.*)|*.*", Ed_UpgFile);
}

void TFM_Firmware::Bt_LanguageClick(ui::Component*) {
    Browse("Language bin files (*.bin)|*.bin|All files (*.*)|*.*", Ed_UpLanguageFile);
}

void TFM_Firmware::Bt_CBrowseClick(ui::Component*) {
    Browse("SSL files (*.pem)|*.pem|All files (*.*)|*.*", EDT_Certificate);
}

void TFM_Firmware::Bt_KBrowseClick(ui::Component*) { Browse("Key files (*.pem)|*.pem|All files (*.*)|*.*", EDT_Key); }

void TFM_Firmware::Bt_OKClick(ui::Component*) { Upload(kFirmware, Ed_UpgFile); }
void TFM_Firmware::Bt_LpackClick(ui::Component*) { Upload(kLanguagePack, Ed_UpLanguageFile); }
void TFM_Firmware::Bt_CUploadClick(ui::Component*) { Upload(kCertificate, EDT_Certificate); }
void TFM_Firmware::Bt_KUploadClick(ui::Component*) { Upload(kKey, EDT_Key); }

bool TFM_Firmware::FileChecked(int operation, ui::Edit* edit) {
    const UploadTexts& texts = TextsOf(operation);
    const std::string path = edit->Text();
    if (path.empty() || path.back() == '/') return Refuse(texts.empty, "Warning", nullptr);
    if (!RightSuffix(operation, FileNameOf(path)))
        return Refuse(texts.badFormat, "Warning", texts.focusOnBadFormat ? edit : nullptr);
    if (!IsRegularFile(path)) return Refuse(texts.missing, "Warning", nullptr);
    return TftpServer.PrepareFor(path, Ed_TfpSrv);
}

void TFM_Firmware::Upload(int operation, ui::Edit* edit) {
    if (ChainRunning || TftpServerRequest == nullptr) return;
    if (!FileChecked(operation, edit)) return;
    Operation = operation;
    ChainRunning = true;
    SetUploadsEnabled(false);
    StatusBar->ShowMessage("");
    Transfer.Start(edit->Text(), VkTFTPDirection::DeviceFetches, kGet, [this](const std::string& failure) {
        if (!failure.empty()) return Fail(FwCantPerformText, "Warning", failure);
        if (Operation == kFirmware || Operation == kLanguagePack) ContinueFirmware();
        else ContinueCertificateOrKey();
    });
}

void TFM_Firmware::ContinueFirmware() {
    const UploadTexts& texts = TextsOf(Operation);
    RunWaitingDialog(kFwLoadSteps, {"", "", texts.loading});
    notice_ = std::make_unique<WaitNotice>(this, texts.updating, kPowerText);
    Transfer.Upgrade(kFirmwareUpdate, [this](const VkSNMPError& result) {
        if (result.code != 0) return InstallFailed(result.text);
        notice_.reset();
        RebootAfterUpdate();
    });
}

void TFM_Firmware::RebootAfterUpdate() {
    RestartDevice(Transfer, kFwRestartSteps, [this](const RestartEnd& end) {
        if (end.refused) return InstallFailed(end.reason);
        if (!end.back) return Fail(FwNotBackText, "ERROR", FwNotBackText);
        if (Operation == kFirmware) StatusBar->ShowMessage(end.version);
        SslKeyRebootState = kSslKeyRebooted;
        Finish();
        ui::MessageBox(TextsOf(Operation).success, "OK");
    });
}

void TFM_Firmware::ContinueCertificateOrKey() {
    Transfer.Upgrade(Operation == kCertificate ? kCertificateUpdate : kKeyUpdate, [this](const VkSNMPError& result) {
        if (result.code != 0) return InstallFailed(result.text);
        RunWaitingDialog(kFwLoadSteps, {"", "", TextsOf(Operation).loading});
        if (Operation == kCertificate) {
            EDT_Certificate->SetText("");
            KeyAllowed = true;
        } else {
            EDT_Key->SetText("");
            KeyAllowed = false;
            SslKeyRebootState = kSslKeyWaitsForReboot;
        }
        Finish();
        ui::MessageBox(TextsOf(Operation).success, "OK");
    });
}

void TFM_Firmware::SetUploadsEnabled(bool enabled) {
    for (ui::Control* control : {static_cast<ui::Control*>(Bt_OK), static_cast<ui::Control*>(Bt_Lpack),
                                 static_cast<ui::Control*>(Bt_CUpload)})
        control->SetEnabled(enabled);
    for (ui::Control* control : {static_cast<ui::Control*>(EDT_Key), static_cast<ui::Control*>(Bt_KBrowse),
                                 static_cast<ui::Control*>(Bt_KUpload)})
        control->SetEnabled(enabled && KeyAllowed);
}

void TFM_Firmware::Finish() {
    TftpServer.Disarm();
    notice_.reset();
    ChainRunning = false;
    SetUploadsEnabled(true);
}

void TFM_Firmware::Fail(const std::string& text, const std::string& caption, const std::string& status) {
    InstallFailed(status);
    ui::MessageBox(text, caption);
}

void TFM_Firmware::InstallFailed(const std::string& status) {
    Finish();
    StatusBar->ShowMessage(status);
}

void TFM_Firmware::FormCloseQuery(ui::Component*, bool& canClose) { canClose = !ChainRunning; }

