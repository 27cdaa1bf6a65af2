#include "pages/common/transfer_chain.h"

#include <utility>

#include "library/snmp/request_to_edits.h"
#include "pages/common/command_write.h"
#include "platform/os/exception.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"

namespace {

// A failure always has a reason to show, also when the layer gave no text.
std::string Reason(const std::string& text) { return text.empty() ? "The file transfer failed." : text; }

// Writes the group synchronously; the failure's text, or nothing.
std::optional<std::string> WriteNow(VkSNMPRequest2Edits& group) {
    std::string failure;
    group.request.onError = [&failure](const VkSNMPError& error) {
        if (error.code != 0) failure = error.text;
    };
    bool written = false;
    try {
        written = group.Set(true, true);
    } catch (const os::Exception& error) {
        failure = error.Message();
    }
    group.request.onError = nullptr;
    if (written) return std::nullopt;
    return Reason(failure);
}

}  // namespace

void TransferChain::Start(const std::string& path, VkTFTPDirection direction, int commandPosition, Done done) {
    Drop();
    running_ = true;
    commandTaken_ = false;
    end_.reset();
    done_ = std::move(done);
    if (groups_.server == nullptr || groups_.command == nullptr) return Finish("The transfer requests were not made.");
    transfer_.Arm(path, direction, [this](const VkTFTPTransferEnd& end) { TransferEnded(end); });
    groups_.remoteName->SetText(FileNameOf(path));
    if (std::optional<std::string> failure = WriteNow(*groups_.server)) return Finish(*failure);
    groups_.commandCombo->SetItemIndex(commandPosition);
    WriteCommand(*groups_.command, [this](const VkSNMPError& result) {
        CommandAnswered(result.code != 0 ? Reason(result.text) : std::string());
    });
}

void TransferChain::Drop() {
    if (!running_) return;
    transfer_.Disarm();
    running_ = false;
    done_ = nullptr;
}

void TransferChain::CommandAnswered(const std::string& failure) {
    if (!running_) return;
    if (!failure.empty()) return Finish(failure);
    commandTaken_ = true;
    FinishWhenBothEnded();
}

void TransferChain::TransferEnded(const VkTFTPTransferEnd& end) {
    if (!running_) return;
    end_ = end;
    FinishWhenBothEnded();
}

void TransferChain::FinishWhenBothEnded() {
    if (!commandTaken_ || !end_) return;
    if (end_->kind == VkTFTPTransferEnd::NotStarted) return Finish(TransferNotStartedText);
    if (end_->kind != VkTFTPTransferEnd::Done) return Finish(Reason(end_->text));
    Finish(std::string());
}

// Ends the chain before its report runs, so the report may start another.
void TransferChain::Finish(const std::string& failure) {
    if (!failure.empty()) transfer_.Disarm();
    running_ = false;
    commandTaken_ = false;
    end_.reset();
    Done done = std::move(done_);
    done_ = nullptr;
    if (done) done(failure);
}
