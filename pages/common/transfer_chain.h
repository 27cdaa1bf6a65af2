#pragma once
// The first half of a file page's chain, the same for every page whose
// device moves a file itself: arm the page's transfer for the device, write
// the server's address and the bare file name into the device (one
// synchronous write), give the device its transfer command, then wait for
// both the command's answer and the end of the device's transfer. Whatever
// happens, `done` runs exactly once: with an empty reason when the device
// took the command and its transfer ended well (the whole file sent, or
// received and in place), else with the reason (the write's or the
// command's failure, the transfer's failure, no transfer started). The
// device's next commands (install, apply, Reboot ...) then go through
// Upgrade, each from the completion of the one before.
//
//   Transfer.Start(path, VkTFTPDirection::DeviceFetches, kGet, [this](const std::string& failure) {
//       if (!failure.empty()) return Fail(failure);
//       Transfer.Upgrade(kConfigSave, [this](const VkSNMPError& result) { ... });
//   });

#include <functional>
#include <string>

#include "pages/common/command_write.h"
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
    // remoteName), the transfer command group and the upgrade command group
    // (each its combo by position); transfer_groups.h makes them.
    struct Groups {
        VkSNMPRequest2Edits* server = nullptr;
        ui::Edit* remoteName = nullptr;
        VkSNMPRequest2Edits* command = nullptr;
        ui::ComboBox* commandCombo = nullptr;
        VkSNMPRequest2Edits* upgrade = nullptr;
        ui::ComboBox* upgradeCombo = nullptr;
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
    // Gives the device the upgrade command at that position of the upgrade
    // combo; done runs once with the outcome (command_write.h).
    void Upgrade(int position, const CommandDone& done);

    // Shown the device's answer when it took the transfer command, before
    // the transfer's end is known (optional).
    std::function<void(const std::string& answer)> commandTaken;

private:
    void CommandAnswered(const VkSNMPError& result);
    void TransferEnded(const VkTFTPTransferEnd& end);
    void Finish(const std::string& failure);

    DeviceTransfer& transfer_;
    Groups groups_;
    Done done_;
    bool running_ = false;
    TransferJoin join_;
};
