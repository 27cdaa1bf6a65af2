#pragma once
// The road of a file between the device and this PC that every file page
// takes. The page opens it when it opens: the module's TFTP server starts
// (on VkTFTPServerPort(); when that fails the plain box "TFTP Service Init
// Error:" and the reason is shown and the module ends). For each transfer
// the page asks for the PC's address on the device's network (a box says so
// when there is none), arms the server for the device's address, the file's
// folder and bare name and the direction, writes the address and name into
// the device and gives the device its command (these three steps are
// TransferChain's, transfer_chain.h); the armed transfer reports how the device's
// transfer ended (library/tftp/armed_transfer.h).
//
// Paths are POSIX paths (file_names.h).

#include <functional>
#include <string>

#include "library/tftp/armed_transfer.h"
#include "pages/common/file_names.h"

namespace ui {
class Edit;
class Component;
}

extern const char* const TftpInitErrorText;  // "TFTP Service Init Error:"
extern const char* const NoPcAddressText;    // "No address of this PC is on the device's network."
// The device took its transfer command but made no request in time.
extern const char* const TransferNotStartedText;

// Where the road meets the rest of the module; tests replace them.
struct FileTransferHooks {
    // The PC's address on the device's network; false when there is none.
    std::function<bool(std::string& address)> pcAddress;
    // Ends the module after the server could not start.
    std::function<void()> endModule;
};
FileTransferHooks& TransferHooks();


class DeviceTransfer {
public:
    // owner: the page. timeout: one wait for the device (10 ms units);
    // retries: most sends of a packet.
    DeviceTransfer(ui::Component* owner, int timeout, int retries);

    // Starts the server; false after the init error was shown and the module
    // was asked to end.
    bool Open();
    // The PC's address on the device's network, or false after the box that
    // says there is none.
    bool PcAddress(std::string& address);
    // The same without the box, for a page that says it in its own words.
    static bool FindPcAddress(std::string& address);
    // Before a transfer of the file at path: the PC's address, written into
    // serverEdit, and a path that names its folder; false, with the warning
    // shown, when either is missing.
    bool PrepareFor(const std::string& path, ui::Edit* serverEdit);
    // Arms the server for the device (the request's address) and one file.
    void Arm(const std::string& path, VkTFTPDirection direction, const VkTFTPTransferEndEvent& onEnd);
    void Disarm();

    VkArmedTransfer& Transfer() { return *transfer_; }

    // How long the device has to start its transfer after the command.
    static constexpr int kStartWaitMs = 30000;

private:
    VkArmedTransfer* transfer_;
};
