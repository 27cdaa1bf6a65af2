#include "shell/local_address_discovery.h"

#include <unistd.h>

#include "library/common/net_interfaces.h"
#include "library/common/path.h"
#include "library/common/text.h"
#include "platform/os/whole_file.h"
#include "shell/address_listing.h"
#include "shell/network_address.h"

namespace {

constexpr const char* kSlash24 = "255.255.255.0";

std::vector<os::Ipv4Interface> SystemInterfaces() {
    std::vector<os::Ipv4Interface> interfaces;
    os::ListIpv4Interfaces(interfaces);  // an empty list when the system gives none
    return interfaces;
}

os::ProcessResult RunIpListing() {
    return os::RunProcess("ip", {"-4", "-o", "addr", "show"}, kListingTimeoutMilliseconds);
}

bool EndedWell(const os::ProcessResult& result) {
    return result.outcome == os::ProcessResult::Outcome::Exited && result.exitCode == 0;
}

// Step 1: the first interface on the device's network. An interface without a
// netmask has no network to compare.
bool FindInterfaceOnDeviceNetwork(const DeviceAddresses& device, const PcAddressSources& sources,
                                  std::string& pcAddress) {
    const std::string deviceNetwork = NetworkAddress(device.lanAddress, device.subnetMask);
    VkNetInterface interfaces[MaxNetInterfaces];
    int count = GetNetInterfaces(sources.interfaces(), interfaces);
    for (int i = 0; i < count; ++i) {
        const VkNetInterface& entry = interfaces[i];
        bool onDeviceNetwork = NetworkAddress(entry.address, entry.netmask) == deviceNetwork;
        if (!entry.netmask.empty() && onDeviceNetwork) {
            pcAddress = entry.address;
            return true;
        }
    }
    return false;
}

// Step 2's choice: the first listed address in the device's /24 network.
bool FindListedAddressOnDevice24(const DeviceAddresses& device,
                                 const std::vector<std::string>& pcAddresses,
                                 std::string& pcAddress) {
    const std::string deviceNetwork = NetworkAddress(device.interfaceAddress, kSlash24);
    for (const std::string& entry : pcAddresses) {
        if (NetworkAddress(entry, kSlash24) == deviceNetwork) {
            pcAddress = Trim(entry);
            return true;
        }
    }
    return false;
}

}  // namespace

PcAddressSources SystemPcAddressSources() { return {SystemInterfaces, RunIpListing}; }

void CollectPcAddresses(const std::string& logFolder, std::vector<std::string>& pcAddresses,
                        const PcAddressSources& sources) {
    os::ProcessResult result = sources.runListing();
    if (!EndedWell(result)) return;  // a partial or missing output is not read
    // The file is complete before anything reads it; a log folder that cannot
    // take it does not stop the discovery.
    const std::string file = JoinPath(logFolder, kListingFileName);
    os::ReplaceWholeFile(file, result.output);
    AddListedAddresses(result.output, pcAddresses);
    ::unlink(file.c_str());
}

bool FindPcAddress(const DeviceAddresses& device, const std::string& logFolder,
                   std::vector<std::string>& pcAddresses, std::string& pcAddress,
                   const PcAddressSources& sources) {
    if (FindInterfaceOnDeviceNetwork(device, sources, pcAddress)) return true;
    CollectPcAddresses(logFolder, pcAddresses, sources);
    return FindListedAddressOnDevice24(device, pcAddresses, pcAddress);
}
