#include "platform/ui/edit.h"
#include "shell/local_address_discovery.h"
#include "shell/main_form.h"
#include "shell/network_address.h"
#include "shell/scaffold_pages.h"

bool TLogForm::GetPCIPAddress(ui::Edit* target) {
    if (::MainForm == nullptr || target == nullptr) return false;
    std::string address;
    if (!FindPcAddress({::MainForm->IPAddressEdit->Text(), ::MainForm->SubMaskEdit->Text(),
                        ::MainForm->Ed_SysIpaddress->Text()},
                       ::MainForm->LogDir, ::MainForm->PcAddresses, address))
        return false;
    target->SetText(address);
    return true;
}

std::string TLogForm::NetworkAddress(const std::string& address, const std::string& mask) {
    return ::NetworkAddress(address, mask);
}
