#include "pages/common/device_transfer.h"

#include <sys/stat.h>

#include <cstdio>

#include "library/snmp/global_session.h"
#include "library/tftp/server_port.h"
#include "platform/os/ascii_case.h"
#include "platform/os/exception.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
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

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool HasSuffix(const std::string& name, const std::string& suffix) {
    if (name.size() < suffix.size()) return false;
    return os::EqualIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

DeviceTransfer::DeviceTransfer(ui::Component* owner, int timeout, int retries)
    : transfer_(new VkArmedTransfer(owner)) {
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

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
