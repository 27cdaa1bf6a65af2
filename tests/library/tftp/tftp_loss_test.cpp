// tftp-hpa through a relay that loses chosen datagrams: the lost first answer
// to a read or write request and a lost ACK in the middle of a put are
// recovered when the client repeats itself, and the file arrives whole.
#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "library/tftp/tftp_packet.h"
#include "platform/os/process_runner.h"
#include "tests/library/tftp/lossy_relay.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;
using Way = LossyRelay::Way;

struct LossCase {
    const char* label;
    bool get;
    size_t size;
    LossyRelay::Loss loss;
};

void PrintTo(const LossCase& c, std::ostream* out) { *out << c.label; }

os::ProcessResult RunTftpHpa(uint16_t port, bool get, const std::string& remote,
                             const std::string& local) {
    std::vector<std::string> arguments = {"-m", "octet", "127.0.0.1", std::to_string(port), "-c",
                                          get ? "get" : "put", get ? remote : local,
                                          get ? local : remote};
    auto running = std::async(std::launch::async, [arguments] {
        return os::RunProcess("tftp", arguments, 60000);
    });
    RunUntil([&] { return running.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
             65000);
    return running.get();
}

class TftpLossTest : public ServerTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(TftpLossTest, ClientRepeatsAndTheFileArrivesWhole) {
    const LossCase& c = GetParam();
    LossyRelay relay(Port(), {c.loss});
    TempFolder local;
    std::string content = PatternBytes(c.size, 7);
    std::string source = (c.get ? root : local).File("file.bin");
    std::string target = (c.get ? local : root).File("file.bin");
    WriteFile(source, content);

    os::ProcessResult result = RunTftpHpa(relay.Port(), c.get, "file.bin", c.get ? target : source);
    ASSERT_EQ(result.outcome, os::ProcessResult::Outcome::Exited) << result.errors;
    EXPECT_EQ(result.exitCode, 0) << result.output << result.errors;
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }))
        << "statuses: " << ::testing::PrintToString(recorder.Statuses());

    EXPECT_EQ(relay.LostCount(), 1);  // the loss really happened
    EXPECT_EQ(ReadFile(target), content);
    // A repeated request reaches the live session instead of opening another.
    EXPECT_EQ(recorder.Count(TFTP_CONNECTED), 1);
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"file.bin"});
}

const LossCase kLosses[] = {
    {"FirstDataOfAGet", true, 1300, {Way::ToClient, tftp::kData, 1}},
    {"FirstAckOfAPut", false, 1300, {Way::ToClient, tftp::kAck, 0}},
    {"AckInTheMiddleOfAPut", false, 2100, {Way::ToClient, tftp::kAck, 2}},
    {"AckOfTheGetLostOnTheWayIn", true, 2100, {Way::ToServer, tftp::kAck, 2}},
};

INSTANTIATE_TEST_SUITE_P(Losses, TftpLossTest, ::testing::ValuesIn(kLosses),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
