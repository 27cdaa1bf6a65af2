#pragma once
// net-snmp's command-line tools (snmpget, snmpgetnext, snmpwalk, snmpset) run
// against an agent, as a test uses them to talk to the simulator.

#include <string>
#include <vector>

#include "tests/support/run_tool.h"

namespace support {

// The version and credential options of one way of talking to an agent,
// e.g. {"-v2c", "-c", "public"} or {"-v3", "-l", "authPriv", ...}.
using SnmpAccess = std::vector<std::string>;

// Runs `tool` with numeric OIDs, a time-out of `timeoutSeconds` (a decimal
// text such as "0.3") and `retries` retries.
ToolResult RunSnmp(const std::string& tool, const SnmpAccess& access, const std::string& address,
                   const std::vector<std::string>& arguments, int retries = 1,
                   const std::string& timeoutSeconds = "1");

// The value text snmpget prints for one object (-Oqv), without the newline.
std::string SnmpValue(const SnmpAccess& access, const std::string& address, const std::string& oid);

}  // namespace support
