#pragma once
// The first half of a file page's chain, the same for every page whose
// device moves a file itself: arm the page's transfer for the device, write
// the server's address and the bare file name into the device (one
// synchronous write), give the device its transfer command, then wait for
// both the command's answer and the end of the device's transfer. Whatever
// happens, `done` runs exactly once: with an empty reason when the device
// took the command and its transfer ended well (the whole file sent, or
// received and in place), else with the reason (the write's or the
// command's failure, the transfer's failure, no transfer started).
//
//   Transfer.Start(path, VkTFTPDirection::DeviceFetches, kGet, [this](const std::string& failure) {
//       if (!failure.empty()) return Fail(failure);
//       ...the device's next command...
//   });

#include <functional>
#include <string>

#include "pages/common/device_transfer.h"
#include "pages/common/transfer_join.h"

class VkSNMPRequest2Edits;
namespace ui {
class ComboBox;
class Edit;
}  // namespace ui

class TransferChain {
public:
    using Done = std::function<void(const std::string& failure)>;

    // The server group (address and file name rows, the name from
    // remoteName) and the command group (its combo by position).
    struct Groups {
        VkSNMPRequest2Edits* server = nullptr;
        ui::Edit* remoteName = nullptr;
        VkSNMPRequest2Edits* command = nullptr;
        ui::ComboBox* commandCombo = nullptr;
    };

    explicit TransferChain(DeviceTransfer& transfer) : transfer_(transfer) {}

    // The groups, once the page has made them.
    void Use(const Groups& groups) { groups_ = groups; }
    // Starts the chain for the file at path; a chain still running is
    // dropped first, without its report.
    void Start(const std::string& path, VkTFTPDirection direction, int commandPosition, Done done);
    bool Running() const { return running_; }
    // Drops the running chain without a report.
    void Drop();

private:
    void CommandAnswered(const std::string& failure);
    void TransferEnded(const VkTFTPTransferEnd& end);
    void Finish(const std::string& failure);

    DeviceTransfer& transfer_;
    Groups groups_;
    Done done_;
    bool running_ = false;
    TransferJoin join_;
};
