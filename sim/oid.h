#pragma once
// Object identifiers as the simulator keeps them: a sequence of arcs, ordered
// lexicographically as SNMP orders them.

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

using Oid = std::vector<uint32_t>;

// The device's enterprise root 1.3.6.1.4.1.32473.10.37.44; "E" at the start of
// an OID text stands for it.
const Oid& DeviceRoot();

// Parses "1.3.6.1.2.1.1.1.0", ".1.3.6..." or "E.4.2.3.0". Returns false for
// anything else (empty arcs, non-digits, arcs above 2^32-1).
bool ParseOid(const std::string& text, Oid& oid);

// Dotted decimal without a leading dot.
std::string FormatOid(const Oid& oid);

// True when oid lies in the subtree rooted at prefix (or equals it).
bool StartsWith(const Oid& oid, const Oid& prefix);

}  // namespace sim
