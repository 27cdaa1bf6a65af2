#pragma once
// The log of the PDUs the agent received, one line each:
//   <type> <version> <request id> [<oid>[=<syntax>:<value>] ...]
// e.g. "SET v2c 1804289383 1.3.6.1.4.1.32473.10.37.44.4.2.3.0=integer:1".
// The varbinds keep the PDU's order; GET-type bindings carry no value. PDUs
// that were dropped before the agent saw them are not logged. The log keeps
// the latest lines only, so that a long demo or benchmark run stays small.

#include <deque>
#include <string>

#include "sim/netsnmp.h"

namespace sim {

class PduLog {
public:
    PduLog() = default;
    PduLog(const PduLog&) = delete;
    PduLog& operator=(const PduLog&) = delete;
    ~PduLog();

    // Wraps the agent session's callback; one log per process.
    bool Install();

    const std::deque<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

    static std::string Format(const netsnmp_pdu* pdu);

private:
    static int Receive(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu,
                       void* magic);

    netsnmp_session* session_ = nullptr;
    netsnmp_callback original_ = nullptr;
    std::deque<std::string> lines_;
};

}  // namespace sim
