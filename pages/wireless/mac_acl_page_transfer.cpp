// The Wireless MAC ACL page's file transfer: the whole list moved as a file.
// The device moves the file itself through the page's armed transfer:
//
//   upload    checks -> PC address -> arm the fetch -> address and name ->
//             Get; once the device took Get and its fetch ended well:
//             getacl -> 4-step wait -> success box -> the list read again
//   download  save dialog -> PC address -> arm the upload -> address and
//             name (".acl" added) -> putacl; once the device took putacl and
//             the whole file is in place: getacl -> success box
//
// Any failure ends the chain with the failure box and its reason in the
// status line; after a failed fetch the device is not told to take a list.
#include "library/common/path.h"
#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/common/transfer_groups.h"
#include "pages/common/waiting_steps.h"
#include "pages/wireless/mac_acl_page.h"
#include "pages/wireless/mac_acl_page_rules.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"

const char* const AclUpdateOkText = "The ACL file update successfully!";
const char* const AclSaveOkText = "The ACL file saved successfully!";
const char* const AclFailText = "Fail to save the ACL file!";

namespace {

constexpr char kFilter[] = "*.acl|*.acl|all files|*.*";
constexpr char kUpdating[] = "Updating ACL file...";

// Positions in the hidden command combos (the option lists' order).
constexpr int kGet = 0;
constexpr int kPutAcl = 3;
constexpr int kGetAcl = 7;

}  // namespace

void TFM_FilterMACACL::BuildTransferControls() {
    PlaceControls(this, {
        {Label_UploadHeader, "Label_UploadHeader", "Upload ACL File", 12, 380},
        {Label_UploadFile, "Label_UploadFile", "Upload File :", 12, 408},
        {Ed_UpgFile, "Ed_UpgFile", 100, 404, 236},
        {Btn_Browse, "Btn_Browse", "Browse", 345, 402, 75},
        {Btn_Upload, "Btn_Upload", "Upload", 437, 402, 75},
        {Label_DownloadHeader, "Label_DownloadHeader", "Download ACL File", 12, 440},
        {Label_DownloadFile, "Label_DownloadFile", "Load ACL File to Local Hard Driver :", 12, 468},
        {Btn_Download, "Btn_Download", "Download", 437, 462, 75},
        {Bt_Apply, "Bt_Apply", "Save", 437, 500, 75},
    });
    StatusBar1 = NewStatusBar(this, "StatusBar1", 500);
    NewTransferControls(this, TransferPartsOf(*this));
    Ed_SaveFile = NewHiddenEdit(this, "Ed_SaveFile");
    Btn_Browse->OnClick = [this](ui::Component* sender) { Btn_BrowseClick(sender); };
    Btn_Upload->OnClick = [this](ui::Component* sender) { Btn_UploadClick(sender); };
    Btn_Download->OnClick = [this](ui::Component* sender) { Btn_DownloadClick(sender); };
    Bt_Apply->OnClick = [this](ui::Component* sender) { Bt_ApplyClick(sender); };
}

void TFM_FilterMACACL::MakeTransferGroups() {
    TransferGroupSettings settings;
    settings.status = StatusBar1;
    settings.statusPanel = 0;
    try {
        MakeFileTransferGroups(Groups, TransferPartsOf(*this), settings, Transfer);
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    TftpServer.Open();
}

void TFM_FilterMACACL::Btn_BrowseClick(ui::Component*) {
    std::string path;
    if (ui::OpenFileDialog({"", kFilter, "", ""}, path)) Ed_UpgFile->SetText(path);
}

void TFM_FilterMACACL::Btn_UploadClick(ui::Component*) {
    if (ChainRunning) return;
    const std::string path = Ed_UpgFile->Text();
    if (path.empty()) {
        ui::MessageBox("Empty file is not accepted.", "Warning");
        return;
    }
    if (!IsRegularFile(path) || !IsAclFileName(FileNameOf(path))) {
        ui::MessageBox("File format error! Please try again!", "Warning");
        return;
    }
    if (!TftpServer.PrepareFor(path, Ed_TfpSrv)) return;
    ChainRunning = true;
    EnableControls({Btn_Browse, Btn_Upload, Btn_Download}, false);
    StatusBar1->ShowMessage("");
    Transfer.Start(path, VkTFTPDirection::DeviceFetches, kGet, [this](const std::string& failure) {
        if (!failure.empty()) return TransferFailed(failure);
        // Only a list the device has whole is the one it takes.
        Transfer.Upgrade(kGetAcl, [this](const VkSNMPError& result) {
            if (result.code != 0) return TransferFailed(result.text);
            AdoptUploadedList();
        });
    });
}

void TFM_FilterMACACL::AdoptUploadedList() {
    RunWaitingDialog(kAclUpdateSteps, {"", "", kUpdating});
    TransferSucceeded(AclUpdateOkText);
    Groups.BeginLoad();
    StatusBar1->ShowMessage("Refresh...");
    if (Groups.Read(*ModeRequest)) accessModeFromDevice_ = true;
    BeginListChange();
    ReadList();
    Ed_MacAdd->SetText("");
    Ed_MacAdd2->SetText("");
}

void TFM_FilterMACACL::Btn_DownloadClick(ui::Component*) {
    if (ChainRunning) return;
    std::string chosen;
    if (!ui::SaveFileDialog({"", kFilter, "", ""}, chosen)) return;
    Ed_SaveFile->SetText(chosen);
    if (chosen.empty()) {
        ui::MessageBox("Empty file is not accepted.", "Warning");
        return;
    }
    if (!TftpServer.PrepareFor(chosen, Ed_TfpSrv)) return;
    ChainRunning = true;
    EnableControls({Btn_Browse, Btn_Upload, Btn_Download}, false);
    StatusBar1->ShowMessage("");
    const std::string path = JoinPath(FolderOf(chosen), AclDownloadName(FileNameOf(chosen)));
    Transfer.Start(path, VkTFTPDirection::DeviceSends, kPutAcl, [this](const std::string& failure) {
        if (!failure.empty()) return TransferFailed(failure);
        Transfer.Upgrade(kGetAcl, [this](const VkSNMPError& result) {
            if (result.code != 0) return TransferFailed(result.text);
            TransferSucceeded(AclSaveOkText);
        });
    });
    Ed_UpgFile->SetText("");
}

void TFM_FilterMACACL::TransferFailed(const std::string& reason) {
    ChainRunning = false;
    EnableControls({Btn_Browse, Btn_Upload, Btn_Download}, true);
    StatusBar1->ShowMessage(reason);
    ui::MessageBox(AclFailText, "ERROR");
}

void TFM_FilterMACACL::TransferSucceeded(const std::string& text) {
    ChainRunning = false;
    EnableControls({Btn_Browse, Btn_Upload, Btn_Download}, true);
    ui::MessageBox(text, "OK");
}
