#pragma once
// The mapping of SNMP-library status values into the program-wide codes, and
// the result record handed to error and completion callbacks.
// The SNMP adapter produces statuses in the number space used here (0, 1400
// and -1401 success; 1..18 PDU error-status; -1..-23 session errors;
// -1402..-1418 SNMPv3 message processing; 1401..1414 SNMPv3 user security).

#include <cstdint>
#include <functional>
#include <string>

// A code of the program-wide space and its text, taken from the message table
// in force at the moment of the mapping.
struct VkMappedStatus {
    int code = 0;
    std::string text;
};

// 0, 1400, -1401          -> 0           VkSNMPLayerMessages entry 0
// 1401 .. 1414            -> 1100 - s    VkSNMPUsmMessages entry s - 1401
// -1418 .. -1402          -> s + 1201    VkSNMPv3Messages entry -1402 - s
// 1 .. 18                 -> -100 - s    VkSNMPPduMessages entry s - 1
// -23 .. -1               -> s - 400     VkSNMPClassMessages entry -1 - s
// anything else (-1400 among them) -> -528, VkSNMPLayerMessages entry 28
VkMappedStatus MapSNMPStatus(int status);

// The result record of a request: handed to a request's error callback and to
// every asynchronous completion callback. Built on the stack of the reporting
// code and valid only during the callback. Fields a report does not fill keep
// the defaults below.
struct VkSNMPError {
    int32_t code = 0;           // 0 for success, else a program-wide code
    int32_t errorIndex = 0;     // the PDU's error index (asynchronous results)
    std::string text;           // the code's message text
    std::string agentAddress;   // dotted address of the agent that answered (asynchronous results)
    uint16_t agentPort = 0;     // UDP port of that agent (asynchronous results)
    bool endOfTable = false;    // the read is complete: no further walk step follows
    int64_t errorCount = 0;     // the request's error count after this failure; -1 in success reports

    // Fills code and text from a library status (MapSNMPStatus).
    void SetStatus(int status);
};

// A request's error callback. An empty function means "no callback".
using VkSNMPErrorCallback = std::function<void(const VkSNMPError&)>;
