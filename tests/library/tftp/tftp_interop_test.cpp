// Real TFTP clients (tftp-hpa, atftp, curl) fetch files from the server and
// send files to it; every result is compared with cmp.
#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "platform/os/process_runner.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;

enum class Client { TftpHpa, Atftp, AtftpBlksize, Curl, CurlNoOptions };
enum class Direction { Get, Put };

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

struct Command {
    std::string program;
    std::vector<std::string> arguments;
};

// The command that moves remote (on the server) to or from local.
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

// The longest a client may take before it is killed.
constexpr int kClientBoundMs = 120000;

// Runs the client while the message loop serves it.
os::ProcessResult RunClient(const Command& command) {
    auto running = std::async(std::launch::async, [command] {
        return os::RunProcess(command.program, command.arguments, kClientBoundMs);
    });
    RunUntil([&] { return running.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
             kClientBoundMs + 5000);
    return running.get();
}

bool SameFiles(const std::string& a, const std::string& b) {
    os::ProcessResult result = os::RunProcess("cmp", {a, b}, 60000);
    return result.outcome == os::ProcessResult::Outcome::Exited && result.exitCode == 0;
}

class TftpInteropTest : public ServerTest {
protected:
    void Transfer(Client client, Direction direction, size_t size) {
        TempFolder local;
        std::string source = (direction == Direction::Get ? root : local).File("source.bin");
        std::string target = (direction == Direction::Get ? local : root).File("target.bin");
        WriteFile(source, PatternBytes(size, static_cast<unsigned>(size)));
        std::string remote = direction == Direction::Get ? "source.bin" : "target.bin";
        std::string localFile = direction == Direction::Get ? target : source;
        os::ProcessResult result =
            RunClient(ClientCommand(client, direction, Port(), remote, localFile));
        ASSERT_EQ(result.outcome, os::ProcessResult::Outcome::Exited) << result.errors;
        EXPECT_EQ(result.exitCode, 0) << result.output << result.errors;
        // The server's side is complete once the session has reported success.
        EXPECT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }))
            << "statuses: " << ::testing::PrintToString(recorder.Statuses());
        EXPECT_TRUE(SameFiles(source, target)) << result.output << result.errors;
        EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
        // Nothing but the served or received file is left in the folder.
        EXPECT_EQ(root.Entries(), std::vector<std::string>{direction == Direction::Get
                                                                ? "source.bin"
                                                                : "target.bin"});
    }
};

using InteropCase = std::tuple<Client, Direction, size_t>;

class TftpInteropTable : public TftpInteropTest,
                         public ::testing::WithParamInterface<InteropCase> {};

TEST_P(TftpInteropTable, FileArrivesByteForByte) {
    auto [client, direction, size] = GetParam();
    Transfer(client, direction, size);
}

std::string CaseName(const ::testing::TestParamInfo<InteropCase>& info) {
    auto [client, direction, size] = info.param;
    return std::string(ClientLabel(client)) + (direction == Direction::Get ? "_Get_" : "_Put_") +
           std::to_string(size);
}

INSTANTIATE_TEST_SUITE_P(
    Clients, TftpInteropTable,
    ::testing::Combine(::testing::Values(Client::TftpHpa, Client::Atftp, Client::AtftpBlksize,
                                         Client::Curl, Client::CurlNoOptions),
                       ::testing::Values(Direction::Get, Direction::Put),
                       ::testing::Values(size_t{0}, size_t{1}, size_t{511}, size_t{512},
                                         size_t{513}, size_t{1} << 20)),
    CaseName);

// More than 65536 blocks: the block number rolls over from 65535 to 0.
constexpr size_t kBeyondBlockLimit = 65536 * 512 + 1000;

using LargeCase = std::tuple<Client, Direction>;

class TftpLargeFileTest : public TftpInteropTest,
                          public ::testing::WithParamInterface<LargeCase> {};

TEST_P(TftpLargeFileTest, BlockNumbersRollOver) {
    auto [client, direction] = GetParam();
    Transfer(client, direction, kBeyondBlockLimit);
}

std::string LargeCaseName(const ::testing::TestParamInfo<LargeCase>& info) {
    auto [client, direction] = info.param;
    return std::string(ClientLabel(client)) + (direction == Direction::Get ? "_Get" : "_Put");
}

INSTANTIATE_TEST_SUITE_P(Clients, TftpLargeFileTest,
                         ::testing::Combine(::testing::Values(Client::TftpHpa, Client::Curl),
                                            ::testing::Values(Direction::Get, Direction::Put)),
                         LargeCaseName);

}  // namespace
