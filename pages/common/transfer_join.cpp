#include "pages/common/transfer_join.h"

#include <utility>

void TransferJoin::Begin(Next next) {
    next_ = std::move(next);
    commandTaken_ = false;
    end_.reset();
}

void TransferJoin::CommandTaken() {
    commandTaken_ = true;
    ContinueWhenBoth();
}

void TransferJoin::TransferEnded(const VkTFTPTransferEnd& end) {
    end_ = end;
    ContinueWhenBoth();
}

void TransferJoin::Cancel() { Begin(nullptr); }

void TransferJoin::ContinueWhenBoth() {
    if (!next_ || !commandTaken_ || !end_) return;
    const VkTFTPTransferEnd end = *end_;
    Next next = std::move(next_);
    Begin(nullptr);
    next(end);
}
