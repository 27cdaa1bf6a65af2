// The statuses a page's callback sees, in order, for the typical transfers.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "library/tftp/tftp_packet.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;
using tftp::AckPacket;
using tftp::kAck;
using tftp::kData;
using tftp::kError;

constexpr int C = TFTP_CONNECTED, T = TFTP_TRANSFERRING, S = TFTP_SUCCESS, D = TFTP_DISCONNECTED;

struct SequenceCase {
    const char* label;
    // Plays the device against the server on port.
    std::function<void(RawClient& device, uint16_t port, TempFolder& root)> play;
    std::vector<int> statuses;
    int bytesTransferred;
};

void PrintTo(const SequenceCase& c, std::ostream* out) { *out << c.label; }

class TftpStatusSequenceTest : public ServerTest,
                               public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(TftpStatusSequenceTest, CallbackSeesEveryStatusInOrder) {
    server->SetTimeout(300, 3);
    RawClient device;
    GetParam().play(device, Port(), root);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(D) == 1; }));
    RunFor(20);  // nothing may follow status 0
    EXPECT_EQ(recorder.Statuses(), GetParam().statuses);
    EXPECT_EQ(recorder.Last().bytesTransferred, GetParam().bytesTransferred);
    EXPECT_EQ(recorder.Last().requestSerial, 0);
    EXPECT_EQ(recorder.Last().clientPort, device.Port());
}

void ReadOf1000Bytes(RawClient& device, uint16_t port, TempFolder& root) {
    WriteFile(root.File("f"), PatternBytes(1000));
    device.Send(ReadRequest("f"), port);
    uint16_t session = Expect(device, kData, 1).port;
    device.Send(AckPacket(1), session);
    EXPECT_EQ(PayloadOf(Expect(device, kData, 2)).size(), 488u);
    device.Send(AckPacket(2), session);
}

void WriteOf600Bytes(RawClient& device, uint16_t port, TempFolder&) {
    device.Send(WriteRequest("f"), port);
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, PatternBytes(512)), session);
    Expect(device, kAck, 1);
    device.Send(Data(2, PatternBytes(88)), session);
    Expect(device, kAck, 2);
}

void ReadOfMissingFile(RawClient& device, uint16_t port, TempFolder&) {
    device.Send(ReadRequest("missing"), port);
    os::Datagram error = Expect(device, kError, 1);
    EXPECT_EQ(error.data, std::string("\0\5\0\1\0", 5));
}

void SilentReader(RawClient& device, uint16_t port, TempFolder& root) {
    WriteFile(root.File("f"), PatternBytes(1000));
    device.Send(ReadRequest("f"), port);
    for (int send = 0; send < 3; ++send) Expect(device, kData, 1);
}

void SilentWriter(RawClient& device, uint16_t port, TempFolder&) {
    device.Send(WriteRequest("f"), port);
    for (int send = 0; send < 3; ++send) Expect(device, kAck, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, TftpStatusSequenceTest,
    ::testing::Values(SequenceCase{"Read", ReadOf1000Bytes, {C, T, T, S, D}, 1000},
                      SequenceCase{"Write", WriteOf600Bytes, {C, T, T, S, D}, 600},
                      SequenceCase{"MissingFile", ReadOfMissingFile,
                                   {C, TFTP_ERR_FILE_NOT_FOUND, D}, 0},
                      SequenceCase{"ReadTimeOut", SilentReader,
                                   {C, T, T, T, TFTP_ERR_TIMEOUT, D}, 512},
                      SequenceCase{"WriteTimeOut", SilentWriter,
                                   {C, T, T, T, TFTP_ERR_TIMEOUT, D}, 0}),
    [](const ::testing::TestParamInfo<SequenceCase>& info) {
        return std::string(info.param.label);
    });

}  // namespace
