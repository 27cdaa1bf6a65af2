#include "sim/transfer_job.h"

#include <utility>

namespace sim {

TransferJob::~TransferJob() {
    if (worker_.joinable()) worker_.join();
}

bool TransferJob::Start(TransferRequest request) {
    if (Busy()) return false;
    finished_ = false;
    result_ = TransferResult{std::move(request), {}, {}};
    worker_ = std::thread([this] {
        const TransferRequest& r = result_.request;
        result_.outcome = r.kind == TransferKind::Get ? TftpGet(r.server, r.file, result_.content)
                                                      : TftpPut(r.server, r.file, r.content);
        finished_ = true;
    });
    return true;
}

std::optional<TransferResult> TransferJob::TakeResult() {
    if (!Busy() || !finished_) return std::nullopt;
    worker_.join();
    return std::move(result_);
}

}  // namespace sim
