// Real clients through a relay that loses or doubles chosen datagrams: lost
// answers are recovered when the client repeats itself, a final ACK lost at
// the end of a put is answered when the client repeats its last block seconds
// later, and a doubled datagram adds no packet of the server's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/tftp/tftp_packet.h"
#include "tests/library/tftp/lossy_relay.h"
#include "tests/library/tftp/tftp_clients.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;
using Way = LossyRelay::Way;
using Act = LossyRelay::Act;

struct RelayCase {
    const char* label;
    Client client;
    Direction direction;
    size_t size;
    LossyRelay::Rule rule;
    // Datagrams the client receives through the relay; -1: not checked.
    int toClient = -1;
};

void PrintTo(const RelayCase& c, std::ostream* out) { *out << c.label; }

class TftpRelayTest : public ServerTest, public ::testing::WithParamInterface<RelayCase> {
protected:
    // Moves a file through a relay applying the case's rule and checks that
    // it arrived whole, once, without a time-out.
    void Transfer(const RelayCase& c) {
        LossyRelay relay(Port(), {c.rule});
        TempFolder local;
        bool get = c.direction == Direction::Get;
        std::string content = PatternBytes(c.size, 7);
        std::string source = (get ? root : local).File("file.bin");
        std::string target = (get ? local : root).File("file.bin");
        WriteFile(source, content);

        os::ProcessResult result = RunClient(
            ClientCommand(c.client, c.direction, relay.Port(), "file.bin", get ? target : source));
        ASSERT_EQ(result.outcome, os::ProcessResult::Outcome::Exited) << result.errors;
        EXPECT_EQ(result.exitCode, 0) << result.output << result.errors;
        ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }))
            << "statuses: " << ::testing::PrintToString(recorder.Statuses());

        EXPECT_EQ(relay.AppliedCount(), c.rule.times);  // the rule really acted
        EXPECT_EQ(ReadFile(target), content);
        // A repeated request reaches the live session instead of opening another.
        EXPECT_EQ(recorder.Count(TFTP_CONNECTED), 1);
        EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
        EXPECT_EQ(root.Entries(), std::vector<std::string>{"file.bin"});
        if (c.toClient >= 0) {
            EXPECT_EQ(relay.Delivered(Way::ToClient), c.toClient);
        }
    }
};

TEST_P(TftpRelayTest, FileArrivesWholeOnce) { Transfer(GetParam()); }

const RelayCase kLosses[] = {
    {"FirstDataOfAGet", Client::TftpHpa, Direction::Get, 1300, {Way::ToClient, tftp::kData, 1}},
    {"FirstAckOfAPut", Client::TftpHpa, Direction::Put, 1300, {Way::ToClient, tftp::kAck, 0}},
    {"AckInTheMiddleOfAPut", Client::TftpHpa, Direction::Put, 2100, {Way::ToClient, tftp::kAck, 2}},
    {"AckOfTheGetLostOnTheWayIn", Client::TftpHpa, Direction::Get, 2100,
     {Way::ToServer, tftp::kAck, 2}},
};

INSTANTIATE_TEST_SUITE_P(Losses, TftpRelayTest, ::testing::ValuesIn(kLosses),
                         [](const auto& info) { return std::string(info.param.label); });

// Eleven blocks (5220 bytes). A doubled datagram is answered at most once:
// the client sees each of the server's packets once, plus the relay's copy
// when it doubled one of them. atftp sends its block again on every ACK it
// gets, so one doubled ACK answered in full would double every block after.
constexpr size_t kElevenBlocks = 10 * 512 + 100;

const RelayCase kDoubles[] = {
    {"FirstAckOfAnAtftpPut", Client::Atftp, Direction::Put, kElevenBlocks,
     {Way::ToClient, tftp::kAck, 0, Act::Double}, 12 + 1},
    {"DataOfATftpHpaPut", Client::TftpHpa, Direction::Put, kElevenBlocks,
     {Way::ToServer, tftp::kData, 3, Act::Double}, 12},
    {"RequestOfAnAtftpPut", Client::Atftp, Direction::Put, kElevenBlocks,
     {Way::ToServer, tftp::kWriteRequest, 0x6669 /* "fi" */, Act::Double}, 12},
    {"DataOfAnAtftpGet", Client::Atftp, Direction::Get, kElevenBlocks,
     {Way::ToClient, tftp::kData, 3, Act::Double}, 11 + 1},
    {"AckOfATftpHpaGet", Client::TftpHpa, Direction::Get, kElevenBlocks,
     {Way::ToServer, tftp::kAck, 3, Act::Double}, 11},
};

class TftpDoubleTest : public TftpRelayTest {
protected:
    // A re-send after a wait would show as a packet too many.
    TftpDoubleTest() { server->SetTimeout(100, 3); }
};

TEST_P(TftpDoubleTest, AddsNoPacketOfTheServers) { Transfer(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Doubles, TftpDoubleTest, ::testing::ValuesIn(kDoubles),
                         [](const auto& info) { return std::string(info.param.label); });

// DATA 2 of a get is lost three times, 2 s apart, while tftp-hpa repeats its
// ACK of block 1 every 5 s: the client was heard after the second send, so
// the server goes on sending past its three sends and the file arrives.
class TftpStillAskingTest : public TftpRelayTest {
protected:
    TftpStillAskingTest() { server->SetTimeout(200, 3); }
};

TEST_F(TftpStillAskingTest, BlockLostThreeTimesArrivesWithTheFourthSend) {
    Transfer({"DataLostThreeTimes", Client::TftpHpa, Direction::Get, 1300,
              {Way::ToClient, tftp::kData, 2, Act::Lose, 3}});
}

// curl repeats its last block some 6 s after the ACK it did not get; the
// finished session must still be there to answer it, although the server's
// own wait (3 s) ran out long before.
class TftpFinalAckTest : public TftpRelayTest {
protected:
    TftpFinalAckTest() { server->SetTimeout(300, 3); }
};

TEST_F(TftpFinalAckTest, LostFinalAckOfACurlPutIsAnsweredWhenCurlRepeats) {
    Transfer({"FinalAck", Client::Curl, Direction::Put, 700, {Way::ToClient, tftp::kAck, 2}});
    EXPECT_EQ(recorder.Count(TFTP_SUCCESS), 1);
}

}  // namespace
