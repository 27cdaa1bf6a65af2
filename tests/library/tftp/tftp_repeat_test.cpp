// What the server does with repeats: a device that keeps asking while its
// block is lost, one that asks for ever, copies doubled on the way, a final
// block repeated long after the transfer ended, and a block too long to be
// one.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "library/tftp/tftp_packet.h"
#include "platform/os/clock.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;
using tftp::AckPacket;
using tftp::kAck;
using tftp::kData;
using tftp::kError;

// One wait for the device: 3 s before scaling.
constexpr int kTimeout = 300;

class TftpRepeatTest : public ServerTest {
protected:
    TftpRepeatTest() { server->SetTimeout(kTimeout, 3); }

    static int WaitMs() { return os::Scaled(kTimeout * 10); }

    bool Finished() {
        return RunUntil([&] {
            return !recorder.Statuses().empty() && recorder.Statuses().back() == TFTP_DISCONNECTED;
        });
    }

    // Sends packet to port about every third of a wait until stop() holds or
    // boundMs pass; returns how many datagrams with opcode and number arrived
    // meanwhile.
    int RepeatUntil(RawClient& device, const std::string& packet, uint16_t port,
                    const std::function<bool(int arrived)>& stop, uint16_t opcode, uint16_t number,
                    int boundMs = 10000) {
        int arrived = 0;
        uint64_t end = os::TickCount() + static_cast<uint64_t>(boundMs);
        while (!stop(arrived) && os::TickCount() < end) {
            device.Send(packet, port);
            ++repeats;
            while (std::optional<os::Datagram> got = device.Receive(WaitMs() / 3)) {
                if (OpcodeOf(*got) == opcode && NumberOf(*got) == number) ++arrived;
                if (stop(arrived)) break;
            }
        }
        return arrived;
    }

    int repeats = 0;
};

// DATA 2 keeps getting lost while the device repeats its ACK of block 1: the
// server sends DATA 2 again once per wait (never on the repeated ACK) for as
// long as the device is heard, not only three times.
TEST_F(TftpRepeatTest, ReaderStillAskingGetsTheBlockAgainPastThreeSends) {
    std::string content = PatternBytes(1000);
    WriteFile(root.File("fw.bin"), content);
    RawClient device;
    device.Send(ReadRequest("fw.bin"), Port());
    uint16_t session = Expect(device, kData, 1).port;
    device.Send(AckPacket(1), session);
    os::Datagram second = Expect(device, kData, 2);  // as if lost
    for (int copy = 0; copy < 5; ++copy) device.Send(AckPacket(1), session);
    EXPECT_TRUE(device.NothingArrives(WaitMs() / 3)) << "DATA sent on a repeated ACK";

    int resent = RepeatUntil(device, AckPacket(1), session,
                             [](int arrived) { return arrived >= 4; }, kData, 2);
    ASSERT_EQ(resent, 4) << "statuses: " << ::testing::PrintToString(recorder.Statuses());
    EXPECT_GT(repeats, resent);
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
    device.Send(AckPacket(2), session);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Count(TFTP_SUCCESS), 1);
    EXPECT_EQ(PayloadOf(second), content.substr(512));
}

// A device that repeats for ever without taking the next step: the session
// still ends, after ten waits without a new block, and removes the upload.
class TftpEndlessRepeatTest : public TftpRepeatTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TftpEndlessRepeatTest, EndsAfterTenWaitsWithoutProgress) {
    bool write = GetParam();
    WriteFile(root.File("fw.bin"), PatternBytes(1000));
    RawClient device;
    device.Send(write ? WriteRequest("up.bin") : ReadRequest("fw.bin"), Port());
    uint16_t session = Expect(device, write ? kAck : kData, write ? 0 : 1).port;
    std::string step = write ? Data(1, PatternBytes(512)) : AckPacket(1);
    device.Send(step, session);
    Expect(device, write ? kAck : kData, write ? 1 : 2);
    // A write repeats its block (answered each time), a read the ACK of the
    // block before the one it waits for (never answered).
    std::string repeat = write ? step : AckPacket(1);
    int answers = RepeatUntil(device, repeat, session,
                              [&](int) { return recorder.Count(TFTP_ERR_TIMEOUT) == 1; },
                              write ? kAck : kData, write ? 1 : 2);
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 1)
        << "statuses: " << ::testing::PrintToString(recorder.Statuses());
    EXPECT_TRUE(Finished());
    if (!write) {
        EXPECT_GT(answers, 3);   // not given up after three sends
        EXPECT_LE(answers, 10);  // one send a wait, and no more than ten waits
    }
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"fw.bin"});
}

INSTANTIATE_TEST_SUITE_P(Directions, TftpEndlessRepeatTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Write" : "Read");
                         });

// A packet doubled on the way arrives twice at once: answered once, so that a
// device that sends again on every answer does not double the transfer.
struct CopyCase {
    const char* label;
    bool write;
    bool doubledRequest;  // else the first DATA (write) or ACK (read) is doubled
};

void PrintTo(const CopyCase& c, std::ostream* out) { *out << c.label; }

class TftpCopyTest : public TftpRepeatTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(TftpCopyTest, IsAnsweredOnce) {
    const CopyCase& c = GetParam();
    std::string one = PatternBytes(512, 1), two = PatternBytes(20, 2);
    WriteFile(root.File("fw.bin"), one + two);
    RawClient device;
    std::string request = c.write ? WriteRequest("up.bin") : ReadRequest("fw.bin");
    device.Send(request, Port());
    if (c.doubledRequest) device.Send(request, Port());
    uint16_t session = Expect(device, c.write ? kAck : kData, c.write ? 0 : 1).port;
    if (c.doubledRequest) {
        EXPECT_TRUE(device.NothingArrives(WaitMs() / 3));
    }
    std::string step = c.write ? Data(1, one) : AckPacket(1);
    device.Send(step, session);
    if (!c.doubledRequest) device.Send(step, session);
    Expect(device, c.write ? kAck : kData, c.write ? 1 : 2);
    EXPECT_TRUE(device.NothingArrives(WaitMs() / 3));
    device.Send(c.write ? Data(2, two) : AckPacket(2), session);
    if (c.write) Expect(device, kAck, 2);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }));
    EXPECT_EQ(recorder.Count(TFTP_CONNECTED), 1);
    if (c.write) {
        EXPECT_EQ(ReadFile(root.File("up.bin")), one + two);
    }
}

INSTANTIATE_TEST_SUITE_P(Copies, TftpCopyTest,
                         ::testing::Values(CopyCase{"WriteRequest", true, true},
                                           CopyCase{"ReadRequest", false, true},
                                           CopyCase{"DataOfAWrite", true, false},
                                           CopyCase{"AckOfARead", false, false}),
                         [](const ::testing::TestParamInfo<CopyCase>& info) {
                             return std::string(info.param.label);
                         });

// The final ACK was lost and the device repeats its last block long after the
// transfer ended, again and again: every repeat is acknowledged, and the
// finished session does not count as active meanwhile.
TEST_F(TftpRepeatTest, FinalBlockRepeatedLateIsAcknowledgedEachTime) {
    RawClient device;
    device.Send(WriteRequest("log.rd"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    std::string last = Data(1, "tail");
    device.Send(last, session);
    Expect(device, kAck, 1);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }));
    for (int repeat = 0; repeat < 3; ++repeat) {
        RunFor(4 * WaitMs());  // past the block time-out times the sends
        EXPECT_EQ(server->ActiveSessionCount(), 0u);
        device.Send(last, session);
        Expect(device, kAck, 1);
    }
    EXPECT_TRUE(Finished());
    EXPECT_EQ(ReadFile(root.File("log.rd")), "tail");
    EXPECT_EQ(recorder.Count(TFTP_SUCCESS), 1);
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
}

// A DATA packet longer than a block (none is agreed) is an illegal operation:
// ERROR 4, the upload ends and nothing of it is kept.
class TftpLongBlockTest : public TftpRepeatTest, public ::testing::WithParamInterface<uint16_t> {};

TEST_P(TftpLongBlockTest, EndsTheUploadWithIllegalOperation) {
    uint16_t longBlock = GetParam();
    WriteFile(root.File("cfg.dcf"), "previous configuration");
    RawClient device;
    device.Send(WriteRequest("cfg.dcf"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    for (uint16_t block = 1; block < longBlock; ++block) {
        device.Send(Data(block, PatternBytes(512, block)), session);
        Expect(device, kAck, block);
    }
    device.Send(Data(longBlock, PatternBytes(1400)), session);
    os::Datagram error = Expect(device, kError, 4);
    EXPECT_NE(error.data.find("512"), std::string::npos);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Count(TFTP_ERR_BAD_OPERATION), 1);
    EXPECT_EQ(recorder.Count(TFTP_SUCCESS), 0);
    EXPECT_TRUE(device.NothingArrives(50));
    EXPECT_EQ(ReadFile(root.File("cfg.dcf")), "previous configuration");
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"cfg.dcf"});
}

INSTANTIATE_TEST_SUITE_P(Blocks, TftpLongBlockTest, ::testing::Values(1, 3),
                         [](const ::testing::TestParamInfo<uint16_t>& info) {
                             return "Block" + std::to_string(info.param);
                         });

}  // namespace
