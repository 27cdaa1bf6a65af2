#include "tests/support/snmp_tools.h"

namespace support {

ToolResult RunSnmp(const std::string& tool, const SnmpAccess& access, const std::string& address,
                   const std::vector<std::string>& arguments, int retries,
                   const std::string& timeoutSeconds) {
    std::vector<std::string> argv = {tool, "-On", "-t", timeoutSeconds, "-r", std::to_string(retries)};
    argv.insert(argv.end(), access.begin(), access.end());
    argv.push_back(address);
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunTool(argv);
}

std::string SnmpValue(const SnmpAccess& access, const std::string& address, const std::string& oid) {
    ToolResult result = RunSnmp("snmpget", access, address, {"-Oqv", oid});
    std::string text = result.exitCode == 0 ? result.output : "<failed: " + result.output + ">";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace support
