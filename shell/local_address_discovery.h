#pragma once
// Finding the PC's own address under which the device reaches it, for the
// pages that let the device fetch or send a file through the module's TFTP
// server.
//
// 1. The device's network is NetworkAddress(LAN address, subnet mask). The
//    first of the PC's interfaces (up to ten, GetNetInterfaces) whose
//    NetworkAddress(address, netmask) equals it gives the result.
// 2. Failing that, `ip -4 -o addr show` runs (an argument list, no shell,
//    waited for at most 2 s). When it ends by itself, its output is kept in
//    <log folder>/ipconfig.txt while its addresses are added to the PC address
//    list (AddListedAddresses), then that file is removed. The first entry of
//    the list in the same /24 network as the device's interface address gives
//    the result, trimmed. The list lives as long as the process and is never
//    cleared, so addresses of earlier runs stay candidates.
// 3. Otherwise there is no result.
//
// The main window holds the inputs: IPAddressEdit, SubMaskEdit and
// Ed_SysIpaddress (DeviceAddresses), LogDir and PcAddresses;
// TMainForm::GetPCIPAddress is how the file pages ask.
// The main window's hidden IpConfigList is not needed: the lines are parsed
// from the file's text.

#include <functional>
#include <string>
#include <vector>

#include "platform/os/ipv4_interfaces.h"
#include "platform/os/process_runner.h"

// What the discovery reads of the device, as the main window shows it.
struct DeviceAddresses {
    std::string lanAddress;        // the device's LAN address
    std::string subnetMask;        // its subnet mask
    std::string interfaceAddress;  // its interface address (the /24 fallback)
};

// Where the PC's addresses come from; tests put in their own.
struct PcAddressSources {
    std::function<std::vector<os::Ipv4Interface>()> interfaces;
    // Runs the address listing (`ip -4 -o addr show`) and returns what it did.
    std::function<os::ProcessResult()> runListing;
};

// The system's interfaces and the real `ip` program.
PcAddressSources SystemPcAddressSources();

constexpr const char* kListingFileName = "ipconfig.txt";
constexpr int kListingTimeoutMilliseconds = 2000;

// Runs the listing and adds the addresses it reports to pcAddresses (see 2.
// above). A listing that times out, fails or cannot start adds nothing.
void CollectPcAddresses(const std::string& logFolder, std::vector<std::string>& pcAddresses,
                        const PcAddressSources& sources);

// Steps 1 to 3 above: true with the address in pcAddress, or false with
// pcAddress left as it was.
bool FindPcAddress(const DeviceAddresses& device, const std::string& logFolder,
                   std::vector<std::string>& pcAddresses, std::string& pcAddress,
                   const PcAddressSources& sources = SystemPcAddressSources());
