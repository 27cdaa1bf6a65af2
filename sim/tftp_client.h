#pragma once
// The device's TFTP client: plain RFC 1350 read and write requests (octet
// mode, 512-byte blocks, no options) through libcurl. Blocking calls; the
// device runs them off its SNMP loop (transfer_job.h).

#include <string>

namespace sim {

struct TftpServer {
    std::string address;  // dotted IPv4
    int port = 69;
    int connectTimeoutMs = 5000;
    // A fault for tests: the transfer stops after its first block and says
    // nothing more to the server.
    bool stallAfterFirstBlock = false;
};

struct TftpOutcome {
    bool ok = false;
    std::string message;  // "ok" or the failure as libcurl names it
};

// Process-wide libcurl set-up; call once before any transfer, from the main
// thread, and the clean-up once after the last.
void TftpGlobalInit();
void TftpGlobalCleanup();

// RRQ: fetches `file` from the server into `content`.
TftpOutcome TftpGet(const TftpServer& server, const std::string& file, std::string& content);

// WRQ: sends `content` to the server under the name `file`.
TftpOutcome TftpPut(const TftpServer& server, const std::string& file, const std::string& content);

}  // namespace sim
