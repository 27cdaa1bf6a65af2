#pragma once
// The real TFTP clients the tests run against the server (tftp-hpa, atftp,
// curl), each as the command that moves one file, run while the message loop
// serves it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/os/process_runner.h"

namespace tftptest {

enum class Client { TftpHpa, Atftp, AtftpBlksize, Curl, CurlNoOptions };
enum class Direction { Get, Put };

const char* ClientLabel(Client client);

struct Command {
    std::string program;
    std::vector<std::string> arguments;
};

// The command that moves remote (on the server at 127.0.0.1:port) to or from
// local.
Command ClientCommand(Client client, Direction direction, uint16_t port, const std::string& remote,
                      const std::string& local);

// The longest a client may take before it is killed.
constexpr int kClientBoundMs = 120000;

// Runs the client while the message loop serves it.
os::ProcessResult RunClient(const Command& command);

}  // namespace tftptest
