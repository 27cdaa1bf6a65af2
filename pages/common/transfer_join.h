#pragma once
// A file page's chain goes on from a device transfer once both of its ends
// are known, in either order: the device took the command that starts the
// transfer, and the armed transfer reported how the transfer ended. Then
// `next` runs once with that end (Done, Failed or NotStarted); a command the
// device did not take is the caller's own failure and Cancel drops the wait.
// TransferChain (transfer_chain.h) is built on it; pages use the chain.
//
//   join.Begin([this](const VkTFTPTransferEnd& end) { ... });
//   TftpServer.Arm(path, direction, [this](const VkTFTPTransferEnd& end) { join.TransferEnded(end); });
//   WriteCommand(*TftpCommandRequest, [this](const VkSNMPError& result) {
//       if (result.code != 0) return Fail(result.text);
//       join.CommandTaken();
//   });

#include <functional>
#include <optional>

#include "library/tftp/armed_transfer.h"

class TransferJoin {
public:
    using Next = std::function<void(const VkTFTPTransferEnd& end)>;

    // Waits for a new pair of ends; what an earlier wait heard is forgotten.
    void Begin(Next next);
    void CommandTaken();
    void TransferEnded(const VkTFTPTransferEnd& end);
    // Stops waiting: next does not run.
    void Cancel();
    bool Waiting() const { return static_cast<bool>(next_); }

private:
    void ContinueWhenBoth();

    Next next_;
    bool commandTaken_ = false;
    std::optional<VkTFTPTransferEnd> end_;
};
