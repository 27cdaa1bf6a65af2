// The armed transfer played packet by packet: only the armed device address,
// file name and direction are served, only while armed, and each transfer is
// reported once as done, failed or not started.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "library/tftp/armed_transfer.h"
#include "library/tftp/server_port.h"
#include "library/tftp/tftp_packet.h"
#include "library/tftp/tftp_server.h"
#include "tests/library/tftp/tftp_test_support.h"
#include "tests/support/network_namespace.h"

namespace {

using namespace tftptest;
using tftp::AckPacket;
using tftp::kAck;
using tftp::kData;
using tftp::kError;

constexpr char kDevice[] = "127.0.0.1";
constexpr char kOtherHost[] = "127.0.0.2";  // another loopback address: another sender

class ArmedTransferTest : public ::testing::Test {
protected:
    ArmedTransferTest() : transfer(std::make_unique<VkArmedTransfer>()) {
        transfer->SetTimeout(1000, 3);
        transfer->Start(0);
    }

    uint16_t Port() const { return transfer->ListeningPort(); }

    void Arm(const std::string& name, VkTFTPDirection direction, int startWaitMs = 20000) {
        ends.clear();
        transfer->Arm({kDevice, folder.Path(), name, direction, startWaitMs},
                      [this](const VkTFTPTransferEnd& end) { ends.push_back(end); });
    }

    bool Reported() {
        return RunUntil([&] { return !ends.empty(); });
    }

    // The request is refused with ERROR 2: no session, nothing reported.
    void ExpectRefused(RawClient& client, const std::string& request) {
        size_t reports = ends.size();
        size_t sessions = transfer->Server().SessionCount();
        client.Send(request, Port());
        Expect(client, kError, 2);
        RunFor(50);
        EXPECT_EQ(ends.size(), reports);
        EXPECT_EQ(transfer->Server().SessionCount(), sessions);
    }

    TempFolder folder;
    std::unique_ptr<VkArmedTransfer> transfer;
    std::vector<VkTFTPTransferEnd> ends;
};

TEST_F(ArmedTransferTest, FetchOfTheArmedFileIsReportedDoneWithItsBytes) {
    std::string content = PatternBytes(1000);
    WriteFile(folder.File("fw.bin"), content);
    Arm("fw.bin", VkTFTPDirection::DeviceFetches);
    RawClient device;
    device.Send(ReadRequest("fw.bin"), Port());
    os::Datagram first = Expect(device, kData, 1);
    device.Send(AckPacket(1), first.port);
    os::Datagram second = Expect(device, kData, 2);
    EXPECT_TRUE(ends.empty());  // not before the last ACK
    device.Send(AckPacket(2), first.port);
    ASSERT_TRUE(Reported());
    EXPECT_EQ(PayloadOf(first) + PayloadOf(second), content);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_EQ(ends[0].status, TFTP_SUCCESS);
    EXPECT_EQ(ends[0].bytes, 1000);
    EXPECT_FALSE(transfer->Busy());
    RunFor(50);
    EXPECT_EQ(ends.size(), 1u);
}

TEST_F(ArmedTransferTest, UploadIsReportedDoneOnlyWithTheWholeFileInPlace) {
    Arm("cfg.dcf", VkTFTPDirection::DeviceSends);
    RawClient device;
    device.Send(WriteRequest("cfg.dcf"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, PatternBytes(512)), session);
    Expect(device, kAck, 1);
    RunFor(30);
    EXPECT_TRUE(ends.empty());
    EXPECT_FALSE(Exists(folder.File("cfg.dcf")));
    device.Send(Data(2, "end"), session);
    Expect(device, kAck, 2);
    ASSERT_TRUE(Reported());
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_EQ(ends[0].bytes, 515);
    EXPECT_EQ(ReadFile(folder.File("cfg.dcf")), PatternBytes(512) + "end");
}

TEST_F(ArmedTransferTest, RequestsOutsideTheArmAreRefusedAndLeaveNoFile) {
    WriteFile(folder.File("fw.bin"), "firmware");
    WriteFile(folder.File("other.bin"), "other");
    RawClient device;
    RawClient stranger(kOtherHost);

    // Nothing armed: every request is refused.
    ExpectRefused(device, ReadRequest("fw.bin"));
    ExpectRefused(device, WriteRequest("new.bin"));

    Arm("fw.bin", VkTFTPDirection::DeviceFetches);
    ExpectRefused(stranger, ReadRequest("fw.bin"));     // another address
    ExpectRefused(device, ReadRequest("other.bin"));    // another name
    ExpectRefused(device, ReadRequest("FW.BIN"));       // names are exact
    ExpectRefused(device, WriteRequest("fw.bin"));      // the other direction
    EXPECT_TRUE(transfer->Busy());

    // The armed request still gets through afterwards.
    device.Send(ReadRequest("fw.bin"), Port());
    os::Datagram data = Expect(device, kData, 1);
    EXPECT_EQ(PayloadOf(data), "firmware");
    // The arm is taken: a second request for the same file is refused.
    RawClient again;
    ExpectRefused(again, ReadRequest("fw.bin"));
    device.Send(AckPacket(1), data.port);
    ASSERT_TRUE(Reported());
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_EQ(ReadFile(folder.File("fw.bin")), "firmware");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"fw.bin", "other.bin"}));
}

TEST_F(ArmedTransferTest, UploadFromAnotherAddressWritesNothing) {
    Arm("cfg.dcf", VkTFTPDirection::DeviceSends);
    RawClient stranger(kOtherHost);
    ExpectRefused(stranger, WriteRequest("cfg.dcf"));
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(ArmedTransferTest, NoRequestWithinTheStartWaitIsReportedNotStarted) {
    WriteFile(folder.File("fw.bin"), "firmware");
    Arm("fw.bin", VkTFTPDirection::DeviceFetches, 2000);
    ASSERT_TRUE(Reported());
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::NotStarted);
    EXPECT_FALSE(transfer->Busy());
    RawClient late;
    ExpectRefused(late, ReadRequest("fw.bin"));  // no longer armed
}

TEST_F(ArmedTransferTest, FailuresCarryTheSessionsStatusAndText) {
    struct Case {
        const char* label;
        std::string name;
        VkTFTPDirection direction;
        int status;
    };
    const Case cases[] = {
        {"missing file", "missing.bin", VkTFTPDirection::DeviceFetches, TFTP_ERR_FILE_NOT_FOUND},
        {"device gives up", "cfg.dcf", VkTFTPDirection::DeviceSends, TFTP_ERR_DISK_FULL},
        {"silent device", "fw.bin", VkTFTPDirection::DeviceFetches, TFTP_ERR_TIMEOUT},
    };
    WriteFile(folder.File("fw.bin"), "firmware");
    transfer->SetTimeout(100, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Arm(c.name, c.direction);
        RawClient device;
        bool fetch = c.direction == VkTFTPDirection::DeviceFetches;
        device.Send(fetch ? ReadRequest(c.name) : WriteRequest(c.name), Port());
        std::optional<os::Datagram> answer = device.Receive();
        ASSERT_TRUE(answer.has_value());
        if (c.status == TFTP_ERR_DISK_FULL) device.Send(tftp::ErrorPacket(3, "full"), answer->port);
        ASSERT_TRUE(Reported());
        EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Failed);
        EXPECT_EQ(ends[0].status, c.status);
        EXPECT_EQ(ends[0].text, VkTFTPStatusText(c.status));
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"fw.bin"});
}

TEST_F(ArmedTransferTest, DisarmDropsTheReport) {
    WriteFile(folder.File("fw.bin"), "firmware");
    Arm("fw.bin", VkTFTPDirection::DeviceFetches, 500);
    transfer->Disarm();
    RunFor(100);
    EXPECT_TRUE(ends.empty());
    RawClient device;
    ExpectRefused(device, ReadRequest("fw.bin"));
}

// Two addresses on a veth pair of a private network namespace: the armed
// device on one, a stranger on the other. The stranger's read and write are
// refused and nothing lands in the folder; the device is still served.
TEST(ArmedTransferNamespaceTest, RequestFromAnotherHostIsRefused) {
    constexpr char kArmedDevice[] = "10.213.7.1";
    constexpr char kStranger[] = "10.213.7.2";
    support::ThreadNetworkNamespace network(kArmedDevice, kStranger);
    if (!network.SkipReason().empty()) GTEST_SKIP() << network.SkipReason();

    TempFolder folder;
    WriteFile(folder.File("fw.bin"), "firmware");
    VkArmedTransfer transfer;
    transfer.SetTimeout(1000, 3);
    transfer.Start(0);
    std::vector<VkTFTPTransferEnd> ends;
    auto arm = [&](const std::string& name, VkTFTPDirection direction) {
        transfer.Arm({kArmedDevice, folder.Path(), name, direction, 20000},
                     [&](const VkTFTPTransferEnd& end) { ends.push_back(end); });
    };
    RawClient device(kArmedDevice);
    RawClient stranger(kStranger);

    arm("cfg.dcf", VkTFTPDirection::DeviceSends);
    stranger.Send(WriteRequest("cfg.dcf"), transfer.ListeningPort());
    Expect(stranger, kError, 2);
    transfer.Disarm();
    arm("fw.bin", VkTFTPDirection::DeviceFetches);
    stranger.Send(ReadRequest("fw.bin"), transfer.ListeningPort());
    Expect(stranger, kError, 2);
    EXPECT_EQ(transfer.Server().SessionCount(), 0u);
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"fw.bin"});

    device.Send(ReadRequest("fw.bin"), transfer.ListeningPort());
    os::Datagram data = Expect(device, kData, 1);
    EXPECT_EQ(PayloadOf(data), "firmware");
    device.Send(AckPacket(1), data.port);
    ASSERT_TRUE(RunUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends[0].kind, VkTFTPTransferEnd::Done);
    EXPECT_TRUE(stranger.NothingArrives());
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"fw.bin"});
}

TEST(TftpServerPort, ComesFromTheEnvironmentOr69) {
    struct Case {
        const char* value;
        int port;
    };
    const Case cases[] = {{nullptr, 69}, {"", 69}, {"6969", 6969}, {"0", 69},
                          {"65536", 69}, {"12x", 69}, {"65535", 65535}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value == nullptr ? "(unset)" : c.value);
        if (c.value == nullptr) unsetenv("VAP_TFTP_PORT");
        else setenv("VAP_TFTP_PORT", c.value, 1);
        EXPECT_EQ(VkTFTPServerPort(), c.port);
    }
    unsetenv("VAP_TFTP_PORT");
}

}  // namespace
