#pragma once
// One TFTP transfer at a time, run on a worker thread so that the agent answers
// the SET that started it at once and keeps answering while it runs. The SNMP
// loop polls for the outcome.

#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "sim/tftp_client.h"

namespace sim {

enum class TransferKind { Get, Put };

struct TransferRequest {
    TransferKind kind = TransferKind::Get;
    TftpServer server;
    std::string file;
    std::string content;  // what a Put sends
};

struct TransferResult {
    TransferRequest request;
    TftpOutcome outcome;
    std::string content;  // what a Get fetched
};

class TransferJob {
public:
    TransferJob() = default;
    TransferJob(const TransferJob&) = delete;
    TransferJob& operator=(const TransferJob&) = delete;
    ~TransferJob();  // waits for a running transfer

    bool Busy() const { return worker_.joinable(); }

    // Starts a transfer; false while another one runs.
    bool Start(TransferRequest request);

    // The outcome once the transfer has ended (then the job is free again).
    std::optional<TransferResult> TakeResult();

private:
    std::thread worker_;
    std::atomic<bool> finished_{false};
    TransferResult result_;
};

}  // namespace sim
