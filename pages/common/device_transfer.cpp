#include "pages/common/device_transfer.h"

#include <cstdio>

#include "library/snmp/global_session.h"
#include "library/tftp/server_port.h"
#include "platform/os/exception.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/owned.h"
#include "platform/ui/status_bar.h"
#include "shell/local_address_discovery.h"
#include "shell/main_form.h"
#include "shell/startup_failure.h"

const char* const TftpInitErrorText = "TFTP Service Init Error:";
const char* const NoPcAddressText = "No address of this PC is on the device's network.";
const char* const TransferNotStartedText = "The device did not start the file transfer.";

namespace {

bool MainWindowPcAddress(std::string& address) {
    if (MainForm == nullptr) return false;
    return FindPcAddress({MainForm->IPAddressEdit->Text(), MainForm->SubMaskEdit->Text(),
                          MainForm->Ed_SysIpaddress->Text()},
                         MainForm->LogDir, MainForm->PcAddresses, address);
}

// The module cannot do what the page is for: it ends, as a failure.
void EndModule() { EndFailedModule(); }

}  // namespace

FileTransferHooks& TransferHooks() {
    static FileTransferHooks hooks{MainWindowPcAddress, EndModule};
    return hooks;
}

DeviceTransfer::DeviceTransfer(ui::Component* owner, int timeout, int retries)
    : transfer_(&(new ui::Owned<VkArmedTransfer>(owner, std::make_unique<VkArmedTransfer>()))
                     ->Get()) {
    transfer_->SetTimeout(timeout, retries);
}

bool DeviceTransfer::Open() {
    try {
        transfer_->Start(VkTFTPServerPort());
        return true;
    } catch (const os::Exception& error) {
        const std::string message = std::string(TftpInitErrorText) + error.Message();
        std::fprintf(stderr, "%s\n", message.c_str());
        ui::ShowMessage(message);
    }
    if (TransferHooks().endModule) TransferHooks().endModule();
    return false;
}

bool DeviceTransfer::PcAddress(std::string& address) {
    if (TransferHooks().pcAddress && TransferHooks().pcAddress(address)) return true;
    ui::MessageBox(NoPcAddressText, "Warning");
    return false;
}

bool DeviceTransfer::PrepareFor(const std::string& path, ui::Edit* serverEdit) {
    std::string pcAddress;
    if (!PcAddress(pcAddress)) return false;
    if (FolderOf(path).empty()) {
        ui::MessageBox("The file path is error.", "Warning");
        return false;
    }
    serverEdit->SetText(pcAddress);
    return true;
}

bool DeviceTransfer::FindPcAddress(std::string& address) {
    return TransferHooks().pcAddress && TransferHooks().pcAddress(address);
}

void DeviceTransfer::Arm(const std::string& path, VkTFTPDirection direction,
                         const VkTFTPTransferEndEvent& onEnd) {
    transfer_->Arm({GlobalSNMPDevice.address, FolderOf(path), FileNameOf(path), direction, kStartWaitMs},
                   onEnd);
}

void DeviceTransfer::Disarm() { transfer_->Disarm(); }
