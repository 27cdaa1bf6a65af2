// The PC address under which the device reaches the module's TFTP server,
// for the pages that let the device fetch or send a file
// (local_address_discovery.h).

#include "platform/ui/edit.h"
#include "shell/local_address_discovery.h"
#include "shell/main_form.h"

bool TMainForm::GetPCIPAddress(ui::Edit* target) {
    if (::MainForm == nullptr || target == nullptr) return false;
    std::string address;
    if (!FindPcAddress({::MainForm->IPAddressEdit->Text(), ::MainForm->SubMaskEdit->Text(),
                        ::MainForm->Ed_SysIpaddress->Text()},
                       ::MainForm->LogDir, ::MainForm->PcAddresses, address))
        return false;
    target->SetText(address);
    return true;
}
