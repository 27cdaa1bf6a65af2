#include "pages/common/transfer_chain.h"

#include <utility>

#include "library/snmp/request_to_edits.h"
#include "library/snmp/write_result.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"

namespace {

// A failure always has a reason to show, also when the layer gave no text.
std::string Reason(const std::string& text) { return text.empty() ? "The file transfer failed." : text; }

constexpr char kNotMadeText[] = "The transfer requests were not made.";

}  // namespace

void TransferChain::Start(const std::string& path, VkTFTPDirection direction, int commandPosition, Done done) {
    Drop();
    running_ = true;
    done_ = std::move(done);
    join_.Begin([this](const VkTFTPTransferEnd& end) { TransferEnded(end); });
    if (groups_.server == nullptr || groups_.command == nullptr) return Finish(kNotMadeText);
    transfer_.Arm(path, direction, [this](const VkTFTPTransferEnd& end) { join_.TransferEnded(end); });
    groups_.remoteName->SetText(FileNameOf(path));
    const VkWriteResult written = WriteNow(*groups_.server);
    if (!written.ok) return Finish(Reason(written.text));
    groups_.commandCombo->SetItemIndex(commandPosition);
    WriteCommand(*groups_.command, [this](const VkSNMPError& result) { CommandAnswered(result); });
}

void TransferChain::Upgrade(int position, const CommandDone& done) {
    if (groups_.upgrade == nullptr) {
        VkSNMPError notMade;
        notMade.code = -1;
        notMade.text = kNotMadeText;
        return done(notMade);
    }
    groups_.upgradeCombo->SetItemIndex(position);
    WriteCommand(*groups_.upgrade, done);
}

void TransferChain::Drop() {
    if (!running_) return;
    transfer_.Disarm();
    join_.Cancel();
    running_ = false;
    done_ = nullptr;
}

void TransferChain::CommandAnswered(const VkSNMPError& result) {
    if (!running_) return;
    if (result.code != 0) return Finish(Reason(result.text));
    if (commandTaken) commandTaken(result.text);
    if (running_) join_.CommandTaken();
}

// Both ends are known: the device took the command and the transfer ended.
void TransferChain::TransferEnded(const VkTFTPTransferEnd& end) {
    if (!running_) return;
    if (end.kind == VkTFTPTransferEnd::NotStarted) return Finish(TransferNotStartedText);
    if (end.kind != VkTFTPTransferEnd::Done) return Finish(Reason(end.text));
    Finish(std::string());
}

// Ends the chain before its report runs, so the report may start another.
void TransferChain::Finish(const std::string& failure) {
    if (!failure.empty()) transfer_.Disarm();
    running_ = false;
    join_.Cancel();
    Done done = std::move(done_);
    done_ = nullptr;
    if (done) done(failure);
}
