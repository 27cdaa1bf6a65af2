// Real TFTP clients (tftp-hpa, atftp, curl) fetch files from the server and
// send files to it; every result is compared with cmp.
#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "library/tftp/armed_transfer.h"
#include "platform/os/process_runner.h"
#include "tests/support/sim_process.h"
#include "tests/support/snmp_tools.h"
#include "tests/library/tftp/tftp_clients.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;

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

// The armed transfer with real clients: the armed file moves whole in the
// armed direction; a request for another name or the other direction fails
// at the client and leaves the folder as it was.
class ArmedInteropTest : public ::testing::TestWithParam<Client> {
protected:
    ArmedInteropTest() : transfer(std::make_unique<VkArmedTransfer>()) {
        transfer->SetTimeout(1000, 3);
        transfer->Start(0);
    }

    void Arm(const std::string& name, VkTFTPDirection direction) {
        transfer->Arm({"127.0.0.1", served.Path(), name, direction, 60000},
                      [this](const VkTFTPTransferEnd& end) { ends.push_back(end); });
    }

    os::ProcessResult Run(Direction direction, const std::string& remote, const std::string& local) {
        return RunClient(ClientCommand(GetParam(), direction, transfer->ListeningPort(), remote, local));
    }

    TempFolder served;
    TempFolder local;
    std::unique_ptr<VkArmedTransfer> transfer;
    std::vector<VkTFTPTransferEnd> ends;
};

TEST_P(ArmedInteropTest, OnlyTheArmedTransferMoves) {
    std::string firmware = PatternBytes(100000, 7);
    WriteFile(served.File("fw.bin"), firmware);
    WriteFile(local.File("cfg.dcf"), PatternBytes(3000, 9));

    Arm("fw.bin", VkTFTPDirection::DeviceFetches);
    // (tftp-hpa's exit code does not tell a refused transfer; the files do.)
    Run(Direction::Get, "other.bin", local.File("other.bin"));
    EXPECT_FALSE(Exists(local.File("other.bin")) && !ReadFile(local.File("other.bin")).empty());
    Run(Direction::Put, "fw.bin", local.File("cfg.dcf"));
    EXPECT_EQ(ReadFile(served.File("fw.bin")), firmware);
    EXPECT_EQ(served.Entries(), std::vector<std::string>{"fw.bin"});
    EXPECT_TRUE(ends.empty());

    os::ProcessResult fetched = Run(Direction::Get, "fw.bin", local.File("fw.bin"));
    EXPECT_EQ(fetched.exitCode, 0) << fetched.output << fetched.errors;
    ASSERT_TRUE(RunUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_EQ(ends[0].bytes, 100000);
    EXPECT_TRUE(SameFiles(served.File("fw.bin"), local.File("fw.bin")));

    ends.clear();
    Arm("cfg.dcf", VkTFTPDirection::DeviceSends);
    os::ProcessResult sent = Run(Direction::Put, "cfg.dcf", local.File("cfg.dcf"));
    EXPECT_EQ(sent.exitCode, 0) << sent.output << sent.errors;
    ASSERT_TRUE(RunUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_TRUE(SameFiles(served.File("cfg.dcf"), local.File("cfg.dcf")));
    EXPECT_EQ(served.Entries(), (std::vector<std::string>{"cfg.dcf", "fw.bin"}));
}

INSTANTIATE_TEST_SUITE_P(Clients, ArmedInteropTest,
                         ::testing::Values(Client::TftpHpa, Client::Atftp),
                         [](const ::testing::TestParamInfo<Client>& info) {
                             return std::string(ClientLabel(info.param));
                         });

// The simulated device's own TFTP client against the armed transfer: a fetch
// and an upload of the armed names arrive whole; a fetch of another name is
// refused, the device reports the failure and the arm ends unstarted.
class ArmedSimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        transfer = std::make_unique<VkArmedTransfer>();
        transfer->SetTimeout(1000, 3);
        transfer->Start(0);
        sim.Settings().arguments = {"--tftp-port", std::to_string(transfer->ListeningPort()),
                                    "--tftp-timeout", "2000"};
        std::string error;
        ASSERT_TRUE(sim.Start(error)) << error;
    }

    void Arm(const std::string& name, VkTFTPDirection direction, int startWaitMs = 20000) {
        ends.clear();
        transfer->Arm({"127.0.0.1", served.Path(), name, direction, startWaitMs},
                      [this](const VkTFTPTransferEnd& end) { ends.push_back(end); });
    }

    // The device's command with the server address and the file name.
    void Command(int command, const std::string& file) {
        const std::string root = "1.3.6.1.4.1.32473.10.37.44";
        support::ToolResult set = support::RunSnmp(
            "snmpset", {"-v2c", "-c", "private"}, sim.Address(),
            {root + ".4.3.2.1.0", "a", "127.0.0.1", root + ".4.3.2.2.0", "s", file,
             root + ".4.3.2.4.0", "i", std::to_string(command)});
        ASSERT_EQ(set.exitCode, 0) << set.output;
    }

    std::string DeviceTransfer() {
        std::string line;
        RunUntil([&] {
            support::ControlReply reply = sim.Control("tftp");
            line = reply.lines.empty() ? std::string() : reply.lines[0];
            return line.rfind("state=busy", 0) != 0;
        });
        return line;
    }

    TempFolder served;
    std::unique_ptr<VkArmedTransfer> transfer;
    support::SimProcess sim;
    std::vector<VkTFTPTransferEnd> ends;
};

TEST_F(ArmedSimulatorTest, DeviceFetchesAndSendsTheArmedFilesOnly) {
    std::string firmware = "FW 2.0.1\n" + PatternBytes(70000, 3);
    WriteFile(served.File("fw.bin"), firmware);
    Arm("fw.bin", VkTFTPDirection::DeviceFetches);
    Command(2, "fw.bin");
    ASSERT_TRUE(RunUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_EQ(DeviceTransfer().rfind("state=done", 0), 0u);
    EXPECT_EQ(ReadFile(sim.StateFolder() + "/files/fw.bin"), firmware);

    Arm("saved.dcf", VkTFTPDirection::DeviceSends);
    Command(3, "saved.dcf");
    ASSERT_TRUE(RunUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_NE(ReadFile(served.File("saved.dcf")).find(".4.3.2.1.0"), std::string::npos);
    std::string sent = DeviceTransfer();
    EXPECT_EQ(sent.rfind("state=done", 0), 0u) << sent;

    Arm("expected.bin", VkTFTPDirection::DeviceFetches, 3000);
    Command(2, "fw.bin");
    std::string refused = DeviceTransfer();
    EXPECT_EQ(refused.rfind("state=failed", 0), 0u) << refused;
    ASSERT_TRUE(RunUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::NotStarted);
    EXPECT_EQ(served.Entries(), (std::vector<std::string>{"fw.bin", "saved.dcf"}));
}

}  // namespace
