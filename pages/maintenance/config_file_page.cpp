#include "pages/maintenance/config_file_page.h"

#include <utility>

#include "library/common/path.h"
#include "pages/common/device_restart.h"
#include "pages/common/page_controls.h"
#include "pages/common/transfer_groups.h"
#include "pages/common/waiting_steps.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/color.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

TFM_CfgFile* FM_CfgFile = nullptr;

const char* const CfgRestoreOkText = "The configuration file update successfully!";
const char* const CfgSaveOkText = "The configuration file saved successfully!";
const char* const CfgFailText = "Fail to save the configuration file!";
const char* const CfgNotBackText = "The device did not answer again after the restart.";

namespace {

constexpr char kFilter[] = ".dcf document|*.dcf|All Files|*.*";
constexpr char kSuffix[] = ".dcf";
constexpr char kNoticeLine1[] = "Please wait...";
constexpr char kNoticeLine2[] = "The settings are saving now.";
// TFTP: one wait of 3 s for the device, 3 sends.
constexpr int kTftpTimeout = 300;
constexpr int kTftpSends = 3;

// Positions in the hidden combos (the option lists' order).
constexpr int kGet = 0;
constexpr int kPut = 1;
constexpr int kConfigSetting = 1;
constexpr int kConfigSave = 2;

}  // namespace

TFM_CfgFile::TFM_CfgFile(ui::Component* owner)
    : ui::Form(owner), TftpServer(this, kTftpTimeout, kTftpSends) {
    SetupPageForm(*this, "FM_CfgFile", "Tools \\ Configuration File", 424, 243);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

TFM_CfgFile::~TFM_CfgFile() { notice_.reset(); }

void TFM_CfgFile::BuildControls() {
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Update Configuration File ", 12, 10, 400, 70);
    Label1 = NewLabel(GroupBox1, "Label1", "Update File", 14, 32);
    Ed_UpgFile = NewEdit(GroupBox1, "Ed_UpgFile", "", 84, 28, 168);
    Bt_Browse = NewButton(GroupBox1, "Bt_Browse", "Browse", 258, 26, 64);
    Bt_OK = NewButton(GroupBox1, "Bt_OK", "OK", 328, 26, 60);
    Label3 = NewLabel(this, "Label3", "Download Configuration File ", 14, 92);
    GroupBox2 = NewGroupBox(this, "GroupBox2", "Load Settings to Local Hard Drive", 12, 120, 400, 70);
    Label2 = NewLabel(GroupBox2, "Label2", "Save File", 14, 32);
    Ed_SaveFile = NewEdit(GroupBox2, "Ed_SaveFile", "", 84, 28, 168);
    Bt_SavBrw = NewButton(GroupBox2, "Bt_SavBrw", "Browse", 258, 26, 64);
    Bt_Upload = NewButton(GroupBox2, "Bt_Upload", "OK", 328, 26, 60);
    NewTransferControls(this, TransferPartsOf(*this));
    StatusBar = NewStatusBar(this, "StatusBar", 50);
    Bt_Browse->OnClick = [this](ui::Component* sender) { Bt_BrowseClick(sender); };
    Bt_OK->OnClick = [this](ui::Component* sender) { Bt_OKClick(sender); };
    Bt_SavBrw->OnClick = [this](ui::Component* sender) { Bt_SavBrwClick(sender); };
    Bt_Upload->OnClick = [this](ui::Component* sender) { Bt_UploadClick(sender); };
}

void TFM_CfgFile::FormCreate(ui::Component*) {
    TransferGroupSettings settings;
    settings.status = StatusBar;
    try {
        MakeFileTransferGroups(Groups, TransferPartsOf(*this), settings, Transfer);
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
    Ed_SaveFile->SetReadOnly(true);
    Ed_SaveFile->SetBackgroundColor(ui::kColorButtonFace);
    TftpServer.Open();
}

void TFM_CfgFile::Bt_BrowseClick(ui::Component*) {
    std::string path;
    if (!ui::OpenFileDialog({"", kFilter, "", ""}, path)) return;
    Ed_SaveFile->SetText("");
    Ed_UpgFile->SetText(path);
}

void TFM_CfgFile::Bt_SavBrwClick(ui::Component*) {
    std::string path;
    if (!ui::SaveFileDialog({"", kFilter, "", ""}, path)) return;
    Ed_SaveFile->SetText("");
    Ed_SaveFile->SetText(path);
}

void TFM_CfgFile::Bt_OKClick(ui::Component*) {
    if (ChainRunning) return;
    const std::string path = Ed_UpgFile->Text();
    if (path.empty()) {
        ui::MessageBox("Empty file is not accepted.", "Warning");
        return;
    }
    if (!IsRegularFile(path) || !HasSuffix(FileNameOf(path), kSuffix)) {
        ui::MessageBox("File format error! Please try again!", "Warning");
        return;
    }
    if (!TftpServer.PrepareFor(path, Ed_TfpSrv)) return;
    StartTransfer(path, VkTFTPDirection::DeviceFetches, kGet, [this] { ApplyRestore(); });
}

void TFM_CfgFile::Bt_UploadClick(ui::Component*) {
    if (ChainRunning) return;
    const std::string chosen = Ed_SaveFile->Text();
    if (chosen.empty()) {
        ui::MessageBox("Empty file is not accepted.", "Warning");
        return;
    }
    if (!TftpServer.PrepareFor(chosen, Ed_TfpSrv)) return;
    std::string name = FileNameOf(chosen);
    if (!HasSuffix(name, kSuffix)) name += kSuffix;
    StartTransfer(JoinPath(FolderOf(chosen), name), VkTFTPDirection::DeviceSends, kPut,
                  [this] { FinishSave(); });
}

void TFM_CfgFile::StartTransfer(const std::string& path, VkTFTPDirection direction, int commandPosition,
                                std::function<void()> afterTransfer) {
    ChainRunning = true;
    StatusBar->ShowMessage("");
    notice_ = std::make_unique<WaitNotice>(this, kNoticeLine1, kNoticeLine2);
    Transfer.Start(path, direction, commandPosition, [this, next = std::move(afterTransfer)](const std::string& failure) {
        if (!failure.empty()) return Fail(failure);
        next();
    });
}

void TFM_CfgFile::ApplyRestore() {
    Transfer.Upgrade(kConfigSave, [this](const VkSNMPError& result) {
        if (result.code != 0) return Fail(result.text);
        notice_.reset();
        RunWaitingDialog(kCfgApplySteps, {"", "", "Updating config file..."});
        RebootAfterRestore();
    });
}

void TFM_CfgFile::RebootAfterRestore() {
    RestartDevice(Transfer, kCfgRestartSteps, [this](const RestartEnd& end) {
        if (end.refused) return Fail(end.reason);
        if (!end.back) return Fail(CfgNotBackText);
        Succeed(CfgRestoreOkText);
    });
}

void TFM_CfgFile::FinishSave() {
    Transfer.Upgrade(kConfigSetting, [this](const VkSNMPError& result) {
        if (result.code != 0) return Fail(result.text);
        Succeed(CfgSaveOkText);
    });
}

void TFM_CfgFile::Succeed(const std::string& text) {
    notice_.reset();
    ChainRunning = false;
    ui::MessageBox(text, "OK");
}

void TFM_CfgFile::Fail(const std::string& reason) {
    TftpServer.Disarm();
    notice_.reset();
    SetEnabled(true);
    ChainRunning = false;
    StatusBar->ShowMessage(reason);
    ui::MessageBox(reason == CfgNotBackText ? CfgNotBackText : CfgFailText, "ERROR");
}

void TFM_CfgFile::FormCloseQuery(ui::Component*, bool& canClose) { canClose = !ChainRunning; }

