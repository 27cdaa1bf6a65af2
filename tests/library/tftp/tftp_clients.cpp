#include "tests/library/tftp/tftp_clients.h"

#include <chrono>
#include <future>

#include "tests/library/tftp/tftp_test_support.h"

namespace tftptest {

const char* ClientLabel(Client client) {
    switch (client) {
    case Client::TftpHpa: return "TftpHpa";
    case Client::Atftp: return "Atftp";
    case Client::AtftpBlksize: return "AtftpBlksize1024";
    case Client::Curl: return "Curl";
    case Client::CurlNoOptions: return "CurlNoOptions";
    }
    return "";
}

Command ClientCommand(Client client, Direction direction, uint16_t port, const std::string& remote,
                      const std::string& local) {
    std::string portText = std::to_string(port);
    bool get = direction == Direction::Get;
    switch (client) {
    case Client::TftpHpa:
        return {"tftp", {"-m", "octet", "127.0.0.1", portText, "-c", get ? "get" : "put",
                         get ? remote : local, get ? local : remote}};
    case Client::Atftp:
    case Client::AtftpBlksize: {
        Command command{"atftp", {get ? "-g" : "-p", "-r", remote, "-l", local}};
        if (client == Client::AtftpBlksize) {
            command.arguments.insert(command.arguments.end(), {"--option", "blksize 1024"});
        }
        command.arguments.insert(command.arguments.end(), {"127.0.0.1", portText});
        return command;
    }
    case Client::Curl:
    case Client::CurlNoOptions: {
        Command command{"curl", {"-sS", "--max-time", "120"}};
        if (client == Client::CurlNoOptions) command.arguments.push_back("--tftp-no-options");
        command.arguments.insert(command.arguments.end(),
                                 {get ? "-o" : "-T", local,
                                  "tftp://127.0.0.1:" + portText + "/" + remote});
        return command;
    }
    }
    return {};
}

os::ProcessResult RunClient(const Command& command) {
    auto running = std::async(std::launch::async, [command] {
        return os::RunProcess(command.program, command.arguments, kClientBoundMs);
    });
    RunUntil([&] { return running.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
             kClientBoundMs + 5000);
    return running.get();
}

}  // namespace tftptest
