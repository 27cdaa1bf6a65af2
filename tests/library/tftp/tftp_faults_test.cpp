// The device's side played packet by packet: what the server does with
// strangers, out-of-order blocks, lost ACKs, names outside its folder,
// aborted uploads, floods of requests, cancel and junk on its port.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <ostream>

#include "library/tftp/tftp_packet.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;
using tftp::AckPacket;
using tftp::kAck;
using tftp::kData;
using tftp::kError;

class TftpFaultTest : public ServerTest {
protected:
    bool Finished() {
        return RunUntil([&] {
            return !recorder.Statuses().empty() && recorder.Statuses().back() == TFTP_DISCONNECTED;
        });
    }
};

TEST_F(TftpFaultTest, StrangerGetsUnknownTransferIdAndChangesNothing) {
    std::string content = PatternBytes(1000);
    WriteFile(root.File("fw.bin"), content);
    RawClient device;
    RawClient stranger;
    device.Send(ReadRequest("fw.bin"), Port());
    os::Datagram first = Expect(device, kData, 1);

    stranger.Send(AckPacket(1), first.port);
    os::Datagram refusal = Expect(stranger, kError, 5);
    EXPECT_EQ(refusal.port, first.port);
    EXPECT_NE(refusal.data.find("Unknown transfer ID"), std::string::npos);
    EXPECT_TRUE(device.NothingArrives());

    device.Send(AckPacket(1), first.port);
    os::Datagram second = Expect(device, kData, 2);
    EXPECT_EQ(PayloadOf(first) + PayloadOf(second), content);
    device.Send(AckPacket(2), first.port);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Count(TFTP_SUCCESS), 1);
    EXPECT_TRUE(stranger.NothingArrives(50));
}

TEST_F(TftpFaultTest, StrangerDataIsNotWritten) {
    RawClient device;
    RawClient stranger;
    device.Send(WriteRequest("up.bin"), Port());
    os::Datagram ack = Expect(device, kAck, 0);
    stranger.Send(Data(1, "intruder"), ack.port);
    Expect(stranger, kError, 5);
    EXPECT_TRUE(device.NothingArrives());
    device.Send(Data(1, "device"), ack.port);
    Expect(device, kAck, 1);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(ReadFile(root.File("up.bin")), "device");
}

TEST_F(TftpFaultTest, SkippedDataBlockIsNotAcceptedOrWritten) {
    std::string one = PatternBytes(512, 1);
    std::string two = PatternBytes(512, 2);
    std::string three = PatternBytes(100, 3);
    RawClient device;
    device.Send(WriteRequest("cfg.dcf"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, one), session);
    Expect(device, kAck, 1);
    device.Send(Data(3, three), session);
    EXPECT_TRUE(device.NothingArrives());
    device.Send(Data(2, two), session);
    Expect(device, kAck, 2);
    device.Send(Data(3, three), session);
    Expect(device, kAck, 3);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Count(TFTP_SUCCESS), 1);
    EXPECT_EQ(ReadFile(root.File("cfg.dcf")), one + two + three);
}

TEST_F(TftpFaultTest, AckForABlockNeverSentIsIgnored) {
    std::string content = PatternBytes(1500);
    WriteFile(root.File("fw.bin"), content);
    RawClient device;
    device.Send(ReadRequest("fw.bin"), Port());
    os::Datagram first = Expect(device, kData, 1);
    device.Send(AckPacket(2), first.port);
    EXPECT_TRUE(device.NothingArrives());
    device.Send(AckPacket(1), first.port);
    os::Datagram second = Expect(device, kData, 2);
    EXPECT_EQ(PayloadOf(second), content.substr(512, 512));
}

TEST_F(TftpFaultTest, RepeatedDataIsAcknowledgedAgainAlsoAfterTheLastBlock) {
    std::string one = PatternBytes(512, 1), two = PatternBytes(7, 2);
    RawClient device;
    device.Send(WriteRequest("log.rd"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, one), session);
    Expect(device, kAck, 1);
    WaitBeforeRepeat();
    device.Send(Data(1, one), session);  // as if ACK 1 was lost
    Expect(device, kAck, 1);
    device.Send(Data(2, two), session);
    Expect(device, kAck, 2);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }));
    WaitBeforeRepeat();
    device.Send(Data(2, two), session);  // as if the final ACK was lost
    Expect(device, kAck, 2);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(ReadFile(root.File("log.rd")), one + two);
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
}

// A name that must not reach past the served folder.
struct NameCase {
    const char* label;
    std::string name;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << '"' << c.name << '"'; }

class TftpNameTest : public TftpFaultTest, public ::testing::WithParamInterface<NameCase> {
protected:
    // Layout: <root>/outside.txt, <root>/served/{a/b, sub/, link -> ../outside.txt}
    void SetUp() override {
        served = root.File("served");
        ASSERT_EQ(::mkdir(served.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir((served + "/a").c_str(), 0755), 0);
        ASSERT_EQ(::mkdir((served + "/sub").c_str(), 0755), 0);
        WriteFile(served + "/a/b", "inner");
        WriteFile(root.File("outside.txt"), "outside");
        ASSERT_EQ(::symlink("../outside.txt", (served + "/link").c_str()), 0);
        server->Start(served, 0);  // listening already: only the root moves
    }

    void ExpectRefused(const std::string& request, uint16_t errorCode, int status) {
        RawClient device;
        device.Send(request, Port());
        Expect(device, kError, errorCode);
        EXPECT_TRUE(Finished());
        EXPECT_EQ(recorder.Statuses(),
                  (std::vector<int>{TFTP_CONNECTED, status, TFTP_DISCONNECTED}));
        EXPECT_EQ(ReadFile(root.File("outside.txt")), "outside");
        EXPECT_EQ(ReadFile(served + "/a/b"), "inner");
    }

    std::string served;
};

TEST_P(TftpNameTest, ReadIsRefusedAsFileNotFound) {
    ExpectRefused(ReadRequest(GetParam().name), 1, TFTP_ERR_FILE_NOT_FOUND);
}

TEST_P(TftpNameTest, WriteIsRefusedAsAccessViolation) {
    std::vector<std::string> before = TempFolder::EntriesOf(served);
    ExpectRefused(WriteRequest(GetParam().name), 2, TFTP_ERR_ACCESS_VIOLATION);
    EXPECT_EQ(TempFolder::EntriesOf(served), before);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TftpNameTest,
    ::testing::Values(NameCase{"Parent", "../outside.txt"}, NameCase{"Absolute", "/etc/hostname"},
                      NameCase{"SubFolder", "a/b"}, NameCase{"Empty", ""}, NameCase{"Dots", ".."},
                      NameCase{"Dot", "."}, NameCase{"Backslash", "a\\b"},
                      NameCase{"DriveLetter", "C:outside.txt"},
                      NameCase{"LinkOutside", "link"}, NameCase{"Folder", "sub"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.label); });

TEST_F(TftpFaultTest, ServerWithoutRootRefusesEveryRequest) {
    // The working folder must not be served in place of an unset root.
    TempFolder work;
    WriteFile(work.File("here.txt"), "here");
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(work.Path().c_str()), 0);
    server->Start("", 0);
    RawClient device;
    device.Send(ReadRequest("here.txt"), Port());
    Expect(device, kError, 1);
    device.Send(WriteRequest("new.txt"), Port());
    Expect(device, kError, 2);
    EXPECT_TRUE(RunUntil([&] { return recorder.Count(TFTP_DISCONNECTED) == 2; }));
    EXPECT_EQ(work.Entries(), std::vector<std::string>{"here.txt"});
    ASSERT_EQ(::chdir(previous), 0);
}

// How an upload over an existing file ends before its last block.
enum class Abort { TimeOut, Cancel, ServerDeleted };

const char* AbortLabel(Abort abort) {
    switch (abort) {
    case Abort::TimeOut: return "TimeOut";
    case Abort::Cancel: return "Cancel";
    case Abort::ServerDeleted: return "ServerDeleted";
    }
    return "";
}

void PrintTo(Abort abort, std::ostream* out) { *out << AbortLabel(abort); }

class TftpUploadAbortTest : public TftpFaultTest, public ::testing::WithParamInterface<Abort> {};

TEST_P(TftpUploadAbortTest, LeavesTheExistingFileUntouched) {
    // Deleting the server ends a transfer still waiting for the device (its
    // wait outlasts the server's stop).
    server->SetTimeout(GetParam() == Abort::ServerDeleted ? 100000 : 300, 3);
    WriteFile(root.File("cfg.dcf"), "previous configuration");
    if (GetParam() == Abort::Cancel) {
        recorder.cancelWhen = [](const VkTFTPMsg& msg) { return msg.bytesTransferred == 512; };
    }
    RawClient device;
    device.Send(WriteRequest("cfg.dcf"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, PatternBytes(512)), session);
    Expect(device, kAck, 1);
    switch (GetParam()) {
    case Abort::TimeOut:
        EXPECT_TRUE(Finished());
        EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 1);
        break;
    case Abort::Cancel:
        Expect(device, kError, 0);  // told without sending anything more
        EXPECT_TRUE(Finished());
        EXPECT_EQ(recorder.Count(TFTP_ERR_CANCELED), 1);
        break;
    case Abort::ServerDeleted:
        server.reset();
        EXPECT_EQ(recorder.Statuses().back(), TFTP_DISCONNECTED);
        EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
        break;
    }
    EXPECT_EQ(ReadFile(root.File("cfg.dcf")), "previous configuration");
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"cfg.dcf"});
}

INSTANTIATE_TEST_SUITE_P(Aborts, TftpUploadAbortTest,
                         ::testing::Values(Abort::TimeOut, Abort::Cancel, Abort::ServerDeleted),
                         [](const ::testing::TestParamInfo<Abort>& info) {
                             return std::string(AbortLabel(info.param));
                         });

TEST_F(TftpFaultTest, CompleteUploadReplacesTheExistingFile) {
    WriteFile(root.File("cfg.dcf"), "previous configuration");
    RawClient device;
    device.Send(WriteRequest("cfg.dcf"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, "new"), session);
    Expect(device, kAck, 1);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }));
    EXPECT_EQ(ReadFile(root.File("cfg.dcf")), "new");
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"cfg.dcf"});
}

TEST_F(TftpFaultTest, TwentySimultaneousRequestsGetEightSessions) {
    WriteFile(root.File("fw.bin"), PatternBytes(2000));
    std::vector<std::unique_ptr<RawClient>> devices;
    for (int i = 0; i < 20; ++i) {
        devices.push_back(std::make_unique<RawClient>());
        devices.back()->Send(ReadRequest("fw.bin"), Port());
    }
    int served = 0;
    int refused = 0;
    for (auto& device : devices) {
        std::optional<os::Datagram> answer = device->Receive();
        ASSERT_TRUE(answer.has_value());
        if (OpcodeOf(*answer) == kData && NumberOf(*answer) == 1) ++served;
        if (OpcodeOf(*answer) == kError && NumberOf(*answer) == 0) ++refused;
    }
    EXPECT_EQ(served, 8);
    EXPECT_EQ(refused, 12);
    EXPECT_EQ(server->SessionCount(), 8u);
    EXPECT_EQ(recorder.Count(TFTP_CONNECTED), 8);
}

class TftpCancelAtConnectTest : public TftpFaultTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TftpCancelAtConnectTest, EndsBeforeTouchingTheFile) {
    bool write = GetParam();
    WriteFile(root.File("fw.bin"), PatternBytes(100));
    recorder.cancelWhen = [](const VkTFTPMsg& msg) { return msg.status == TFTP_CONNECTED; };
    RawClient device;
    device.Send(write ? WriteRequest("new.bin") : ReadRequest("fw.bin"), Port());
    Expect(device, kError, 0);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Statuses(),
              (std::vector<int>{TFTP_CONNECTED, TFTP_ERR_CANCELED, TFTP_DISCONNECTED}));
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"fw.bin"});
}

INSTANTIATE_TEST_SUITE_P(Directions, TftpCancelAtConnectTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Write" : "Read");
                         });

TEST_F(TftpFaultTest, CancelMidTransferTellsTheDevice) {
    WriteFile(root.File("fw.bin"), PatternBytes(3000));
    recorder.cancelWhen = [](const VkTFTPMsg& msg) {
        return msg.status == TFTP_TRANSFERRING && msg.bytesTransferred == 1024;
    };
    RawClient device;
    device.Send(ReadRequest("fw.bin"), Port());
    uint16_t session = Expect(device, kData, 1).port;
    device.Send(AckPacket(1), session);
    Expect(device, kData, 2);
    // The device's ACK may come before or after the next tick; either way
    // the next packet it gets is ERROR 0 and no DATA 3 is ever sent.
    device.Send(AckPacket(2), session);
    Expect(device, kError, 0);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Count(TFTP_ERR_CANCELED), 1);
    EXPECT_TRUE(device.NothingArrives(50));
}

class TftpDeviceErrorTest : public TftpFaultTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TftpDeviceErrorTest, ErrorFromTheDeviceEndsTheTransfer) {
    bool write = GetParam();
    WriteFile(root.File("fw.bin"), PatternBytes(3000));
    RawClient device;
    device.Send(write ? WriteRequest("fw.bin") : ReadRequest("fw.bin"), Port());
    os::Datagram first = Expect(device, write ? kAck : kData, write ? 0 : 1);
    if (write) {
        device.Send(Data(1, PatternBytes(512, 9)), first.port);
        Expect(device, kAck, 1);
    }
    device.Send(tftp::ErrorPacket(3, "Disk full"), first.port);
    EXPECT_TRUE(Finished());
    EXPECT_EQ(recorder.Statuses()[recorder.Statuses().size() - 2], TFTP_ERR_DISK_FULL);
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
    EXPECT_TRUE(device.NothingArrives(50));  // an ERROR is never answered
    EXPECT_EQ(ReadFile(root.File("fw.bin")), PatternBytes(3000));
    EXPECT_EQ(root.Entries(), std::vector<std::string>{"fw.bin"});
}

INSTANTIATE_TEST_SUITE_P(Directions, TftpDeviceErrorTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Write" : "Read");
                         });

TEST_F(TftpFaultTest, ModeNeverChangesTheBytes) {
    const char raw[] = "line one\nline two\r\n\r\0end";
    std::string text(raw, sizeof raw - 1);
    WriteFile(root.File("text.txt"), text);
    for (const char* mode : {"netascii", "mail", "OCTET"}) {
        SCOPED_TRACE(mode);
        RawClient reader;
        reader.Send(ReadRequest("text.txt", mode), Port());
        os::Datagram data = Expect(reader, kData, 1);
        EXPECT_EQ(PayloadOf(data), text);
        reader.Send(AckPacket(1), data.port);

        RawClient writer;
        writer.Send(WriteRequest(std::string("copy-") + mode, mode), Port());
        uint16_t session = Expect(writer, kAck, 0).port;
        writer.Send(Data(1, text), session);
        Expect(writer, kAck, 1);
        EXPECT_TRUE(RunUntil([&] { return Exists(root.File(std::string("copy-") + mode)); }));
        EXPECT_EQ(ReadFile(root.File(std::string("copy-") + mode)), text);
    }
}

// Descriptors open in this process now.
size_t OpenDescriptorCount() {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        (void)entry;
        ++count;
    }
    return count;
}

TEST_F(TftpFaultTest, NoDescriptorStaysOpenOnAnyPath) {
    server.reset();
    RunFor(20);  // the message loop has made whatever it keeps
    size_t before = OpenDescriptorCount();
    {
        VkTFTPServer local;
        local.SetTimeout(300, 3);
        local.SetOnStatus(recorder.Callback());
        local.Start(root.Path(), 0);
        WriteFile(root.File("fw.bin"), PatternBytes(700));
        RawClient reader, writer, refused, silent, unfinished;
        reader.Send(ReadRequest("fw.bin"), local.ListeningPort());
        uint16_t readSession = Expect(reader, kData, 1).port;
        reader.Send(AckPacket(1), readSession);
        Expect(reader, kData, 2);
        reader.Send(AckPacket(2), readSession);
        writer.Send(WriteRequest("up.bin"), local.ListeningPort());
        writer.Send(Data(1, "x"), Expect(writer, kAck, 0).port);
        Expect(writer, kAck, 1);
        refused.Send(ReadRequest("missing"), local.ListeningPort());
        Expect(refused, kError, 1);
        silent.Send(ReadRequest("fw.bin"), local.ListeningPort());
        Expect(silent, kData, 1);
        EXPECT_TRUE(RunUntil([&] { return recorder.Count(TFTP_ERR_TIMEOUT) == 1; }));
        local.SetTimeout(100000, 3);  // outlasts the stop: ended by the destructor
        unfinished.Send(WriteRequest("partial.bin"), local.ListeningPort());
        unfinished.Send(Data(1, PatternBytes(512)), Expect(unfinished, kAck, 0).port);
        Expect(unfinished, kAck, 1);
    }
    EXPECT_EQ(OpenDescriptorCount(), before);
    EXPECT_EQ(root.Entries(), (std::vector<std::string>{"fw.bin", "up.bin"}));
}

TEST_F(TftpFaultTest, JunkOnTheListeningPortGetsNoAnswer) {
    const std::string junk[] = {
        std::string("\0\1f", 3),               // 3 bytes
        std::string("\0\3\0\1data", 8),        // DATA
        std::string("\0\4\0\1", 4),            // ACK
        std::string("\0\5\0\1\0", 5),          // ERROR
    };
    RawClient device;
    for (const std::string& datagram : junk) {
        device.Send(datagram, Port());
        EXPECT_TRUE(device.NothingArrives(100));
    }
    EXPECT_TRUE(recorder.Statuses().empty());
    EXPECT_EQ(server->SessionCount(), 0u);
    WriteFile(root.File("fw.bin"), "still served");
    device.Send(ReadRequest("fw.bin"), Port());
    EXPECT_EQ(PayloadOf(Expect(device, kData, 1)), "still served");
}

// The first answer to a request was lost and the device asks again: the
// live session answers at once with its last packet; no second session.
TEST_F(TftpFaultTest, RepeatedRequestGetsTheLastPacketAgain) {
    std::string content = PatternBytes(1000);
    WriteFile(root.File("fw.bin"), content);
    RawClient device;
    RawClient other;
    device.Send(ReadRequest("fw.bin"), Port());
    os::Datagram first = Expect(device, kData, 1);
    WaitBeforeRepeat();
    device.Send(ReadRequest("fw.bin"), Port());
    os::Datagram again = Expect(device, kData, 1);
    EXPECT_EQ(again.port, first.port);
    EXPECT_EQ(again.data, first.data);
    EXPECT_EQ(recorder.Count(TFTP_CONNECTED), 1);
    device.Send(AckPacket(1), first.port);
    EXPECT_EQ(PayloadOf(Expect(device, kData, 2)), content.substr(512));
    other.Send(ReadRequest("fw.bin"), Port());
    Expect(other, kData, 1);
    EXPECT_EQ(recorder.Count(TFTP_CONNECTED), 2);

    RawClient writer;
    writer.Send(WriteRequest("up.bin"), Port());
    os::Datagram ack = Expect(writer, kAck, 0);
    WaitBeforeRepeat();
    writer.Send(WriteRequest("up.bin"), Port());
    EXPECT_EQ(Expect(writer, kAck, 0).port, ack.port);
    writer.Send(Data(1, "whole"), ack.port);
    Expect(writer, kAck, 1);
    ASSERT_TRUE(RunUntil([&] { return Exists(root.File("up.bin")); }));
    EXPECT_EQ(ReadFile(root.File("up.bin")), "whole");
}

// A write whose ACK was lost while the device waits for it silently: the
// server repeats the ACK as often as a read repeats its DATA, then gives up.
TEST_F(TftpFaultTest, SilentWriterGetsTheLastAckAgainBeforeTheTimeOut) {
    server->SetTimeout(100, 3);
    RawClient device;
    device.Send(WriteRequest("up.bin"), Port());
    uint16_t session = Expect(device, kAck, 0).port;
    device.Send(Data(1, PatternBytes(512)), session);
    for (int send = 0; send < 3; ++send) Expect(device, kAck, 1);
    device.Send(Data(2, "tail"), session);
    Expect(device, kAck, 2);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 1; }));
    EXPECT_EQ(ReadFile(root.File("up.bin")), PatternBytes(512) + "tail");
    EXPECT_EQ(recorder.Count(TFTP_ERR_TIMEOUT), 0);
}

// Sessions that ended and only linger for a repeated last block leave room
// for new transfers.
TEST_F(TftpFaultTest, FinishedSessionsDoNotCountTowardTheLimit) {
    WriteFile(root.File("f"), "small");
    for (size_t i = 0; i < VkTFTPServer::kMostSessions; ++i) {
        RawClient device;
        device.Send(WriteRequest("w" + std::to_string(i)), Port());
        uint16_t session = Expect(device, kAck, 0).port;
        device.Send(Data(1, "x"), session);
        Expect(device, kAck, 1);
    }
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(TFTP_SUCCESS) == 8; }));
    EXPECT_EQ(server->ActiveSessionCount(), 0u);
    RawClient late;
    late.Send(ReadRequest("f"), Port());
    EXPECT_EQ(PayloadOf(Expect(late, kData, 1)), "small");
}

TEST_F(TftpFaultTest, StartWhileListeningMovesOnlyTheRoot) {
    TempFolder second;
    std::string first = PatternBytes(600, 1);
    WriteFile(root.File("f"), first);
    WriteFile(second.File("f"), "second");
    RawClient early;
    early.Send(ReadRequest("f"), Port());
    uint16_t session = Expect(early, kData, 1).port;
    uint16_t port = Port();
    server->Start(second.Path(), 0);
    EXPECT_EQ(Port(), port);
    early.Send(AckPacket(1), session);
    EXPECT_EQ(PayloadOf(Expect(early, kData, 2)), first.substr(512));
    RawClient later;
    later.Send(ReadRequest("f"), Port());
    EXPECT_EQ(PayloadOf(Expect(later, kData, 1)), "second");
}

TEST_F(TftpFaultTest, StopReturnsOnceASilentTransferTimesOut) {
    server->SetTimeout(100, 3);  // three waits well within the stop's own bound
    WriteFile(root.File("fw.bin"), PatternBytes(1000));
    RawClient device;
    device.Send(ReadRequest("fw.bin"), Port());
    Expect(device, kData, 1);
    server->Stop();
    EXPECT_EQ(server->SessionCount(), 0u);
    EXPECT_FALSE(server->Listening());
    ASSERT_GE(recorder.Statuses().size(), 2u);
    EXPECT_EQ(recorder.Statuses()[recorder.Statuses().size() - 2], TFTP_ERR_TIMEOUT);
    EXPECT_EQ(recorder.Statuses().back(), TFTP_DISCONNECTED);
}

}  // namespace
