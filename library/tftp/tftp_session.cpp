#include "library/tftp/tftp_session.h"

#include <algorithm>

#include "library/tftp/loop_access.h"
#include "library/tftp/served_path.h"
#include "library/tftp/tftp_packet.h"
#include "platform/os/clock.h"

using tftp::AckPacket;
using tftp::ErrorPacket;
using tftp::kBlockSize;
using tftp::kDataHeaderSize;

namespace {

// TFTP error codes this session sends.
enum ErrorCode : uint16_t {
    kNotDefined = 0,
    kFileNotFound = 1,
    kAccessViolation = 2,
    kDiskFull = 3,
    kIllegalOperation = 4,
    kUnknownTransferId = 5,
    kNoSuchUser = 7,  // the highest code RFC 1350 defines
};

}  // namespace

// Marks the session as inside one of its steps for as long as it lives.
class _TFTPSession::BusyScope {
public:
    explicit BusyScope(_TFTPSession& session) : session_(session) { ++session_.busyDepth; }
    ~BusyScope() { --session_.busyDepth; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    _TFTPSession& session_;
};

_TFTPSession::_TFTPSession(const std::string& root, const VkTFTPStatusEvent& statusEvent,
                           const VkTFTPMsg& request, const std::string& requesterAddress,
                           uint16_t requesterPort, int mostSendsValue)
    : mostSends(mostSendsValue),
      peerAddress(requesterAddress),
      peerPort(requesterPort),
      msg(request),
      onStatus(statusEvent),
      rootDir(root) {
    msg.bytesTransferred = 0;
    msg.lastBlockBytes = -1;
    SetStatus(TFTP_CONNECTED);
    if (!OpenSocket()) SetStatus(TFTP_ERR_SOCKET);
}

_TFTPSession::~_TFTPSession() {
    watch.reset();
    sock.Close();
    CloseFile();
    SetStatus(TFTP_DISCONNECTED);
}

bool _TFTPSession::OpenSocket() {
    if (sock.Open() != 0 || sock.Bind(std::string(), 0) != 0) {
        sock.Close();
        return false;
    }
    watch = tftp::Loop().WatchReadable(sock.Descriptor(), [this] { ReceivePacket(); });
    return true;
}

void _TFTPSession::SetStatus(int status) {
    msg.status = status;
    msg.statusText = VkTFTPStatusText(status);
    // The file is settled before the page hears of the outcome, so that a
    // page told "done" finds the received file in place.
    if (status == TFTP_SUCCESS) state = kDone;
    if (status < 0) state = kFailed;
    if (state != kActive) CloseFile();
    if (!onStatus) return;
    BusyScope busy(*this);
    VkTFTPStatusEvent handler = onStatus;
    tftp::CallGuarded([&] { handler(&msg, &cancel); });
}

void _TFTPSession::Begin() {
    if (state != kActive) return;
    BusyScope busy(*this);
    if (cancel) {
        CancelTransfer();
        return;
    }
    switch (msg.opcode) {
    case tftp::kReadRequest:
        BeginRead();
        break;
    case tftp::kWriteRequest:
        BeginWrite();
        break;
    default:
        Fail(kIllegalOperation, TFTP_ERR_BAD_OPERATION);
    }
}

void _TFTPSession::BeginRead() {
    std::string path = tftp::ReadablePath(rootDir, msg.fileName);
    if (path.empty() || !source.Open(path)) {
        Fail(kFileNotFound, TFTP_ERR_FILE_NOT_FOUND);
        return;
    }
    lastBlock = 0;
    SendNextBlock();
}

void _TFTPSession::BeginWrite() {
    std::string path = tftp::WritablePath(rootDir, msg.fileName);
    if (path.empty() || !upload.Open(path)) {
        Fail(kAccessViolation, TFTP_ERR_ACCESS_VIOLATION);
        return;
    }
    lastBlock = 0;
    MarkProgress();
    msg.sendCount = 1;
    if (!SendLastPacket()) {
        SetStatus(TFTP_ERR_SOCKET_IO);
        return;
    }
    RenewDeadline();
    SetStatus(TFTP_TRANSFERRING);
}

bool _TFTPSession::Resend() {
    if (state != kActive) return false;
    BusyScope busy(*this);
    if (silentSends >= mostSends) return true;
    ++msg.sendCount;
    if (!SendLastPacket()) {
        SetStatus(TFTP_ERR_SOCKET_IO);
        return false;
    }
    RenewDeadline();
    SetStatus(TFTP_TRANSFERRING);
    return false;
}

bool _TFTPSession::Stalled(uint64_t now) const {
    if (state != kActive || deadline == 0) return false;
    return now - progressAt >= Waits(std::max(mostSends, kWaitsWithoutProgress));
}

void _TFTPSession::AnswerRepeatedRequest() {
    if (state != kActive || deadline == 0) return;  // nothing sent yet, or done
    silentSends = 0;
    if (!AnswersRepeat()) return;
    BusyScope busy(*this);
    if (!SendLastPacket()) SetStatus(TFTP_ERR_SOCKET_IO);
}

bool _TFTPSession::AnswersRepeat() const {
    int least = std::min(os::Scaled(kLeastRepeatMs), WaitMilliseconds() / 2);
    return os::TickCount() - lastSendAt >= static_cast<uint64_t>(least);
}

bool _TFTPSession::SendLastPacket() {
    ++silentSends;
    lastSendAt = os::TickCount();
    if (msg.opcode == tftp::kReadRequest) return Send(sendBuffer);
    return Send(AckPacket(lastBlock));
}

void _TFTPSession::MarkProgress() { progressAt = os::TickCount(); }

bool _TFTPSession::Matches(const VkTFTPMsg& request) const {
    return request.opcode == msg.opcode && request.mode == msg.mode &&
           request.clientIP == msg.clientIP && request.clientPort == msg.clientPort &&
           request.fileName == msg.fileName;
}

void _TFTPSession::ReceivePacket() {
    BusyScope busy(*this);
    // One datagram per notification, read also when it is dropped: the
    // notification repeats for as long as another one waits.
    os::Datagram datagram;
    if (sock.ReceiveFrom(datagram) == 0) TakePacket(datagram);
}

void _TFTPSession::TakePacket(const os::Datagram& datagram) {
    uint16_t opcode = tftp::NumberAt(datagram.data, 0);
    if (!IsFromPeer(datagram)) {
        // RFC 1350: a packet from another transfer ID is answered with ERROR 5
        // and changes nothing. An ERROR is never answered.
        if (opcode != tftp::kError) {
            sock.SendTo(ErrorPacket(kUnknownTransferId, "Unknown transfer ID"), datagram.address,
                        datagram.port);
        }
        return;
    }
    if (datagram.data.size() < kDataHeaderSize) return;
    silentSends = 0;  // whatever it says, the device is still there
    uint16_t block = tftp::NumberAt(datagram.data, 2);
    if (opcode == tftp::kError) {
        TakeError(block);
        return;
    }
    if (msg.opcode == tftp::kReadRequest && opcode == tftp::kAck) TakeAck(block);
    if (msg.opcode == tftp::kWriteRequest && opcode == tftp::kData) TakeData(block, datagram.data);
}

void _TFTPSession::TakeError(uint16_t code) {
    // The device gave up (RFC 1350: an ERROR ends the transfer, unanswered).
    // Its code e is reported as status -1101 - e.
    if (state != kActive) return;
    SetStatus(code <= kNoSuchUser ? TFTP_ERR_UNDEFINED - code : TFTP_ERR_UNDEFINED);
}

void _TFTPSession::TakeAck(uint16_t block) {
    // Only the ACK of the block last sent counts: a repeated or late ACK, or
    // one for a block never sent, changes nothing (and sends nothing, so no
    // duplicate stream arises).
    if (state != kActive || block != lastBlock) return;
    deadline = 0;
    msg.clientPort = peerPort;
    if (cancel) {
        CancelTransfer();
        return;
    }
    if (msg.lastBlockBytes < static_cast<int>(kBlockSize)) {
        SetStatus(TFTP_SUCCESS);
        return;
    }
    SendNextBlock();
}

void _TFTPSession::TakeData(uint16_t block, const std::string& packet) {
    if (block == lastBlock) {
        // The device did not get our ACK and sent the block again.
        if (state != kFailed && AnswersRepeat()) AcknowledgeAgain();
        return;
    }
    if (state != kActive || block != static_cast<uint16_t>(lastBlock + 1)) return;
    if (packet.size() > kDataHeaderSize + kBlockSize) {
        // Blocks are never longer (no block size is agreed): such a packet
        // is no part of this transfer, and storing it would corrupt the file.
        Fail(kIllegalOperation, TFTP_ERR_BAD_OPERATION, "Block longer than 512 bytes");
        return;
    }
    deadline = 0;
    lastBlock = block;
    msg.clientPort = peerPort;
    if (cancel) {
        CancelTransfer();
        return;
    }
    StoreData(packet);
}

void _TFTPSession::StoreData(const std::string& packet) {
    size_t size = packet.size() - kDataHeaderSize;
    if (!upload.Write(packet.data() + kDataHeaderSize, size)) {
        Fail(kDiskFull, TFTP_ERR_DISK_FULL);
        return;
    }
    msg.lastBlockBytes = static_cast<int>(size);
    msg.bytesTransferred += static_cast<int64_t>(size);
    bool last = size < kBlockSize;
    if (last && !upload.Commit()) {
        Fail(kDiskFull, TFTP_ERR_DISK_FULL);
        return;
    }
    MarkProgress();
    msg.sendCount = 1;
    if (!SendLastPacket()) {
        SetStatus(TFTP_ERR_SOCKET_IO);
        return;
    }
    if (last) {
        Linger();
        SetStatus(TFTP_SUCCESS);
        return;
    }
    RenewDeadline();
    SetStatus(TFTP_TRANSFERRING);
}

void _TFTPSession::AcknowledgeAgain() {
    bool sent = SendLastPacket();
    if (state != kActive) {
        Linger();  // the device still repeats the final block: stay for its next repeat
        return;    // nothing more to report
    }
    if (!sent) {
        SetStatus(TFTP_ERR_SOCKET_IO);
        return;
    }
    RenewDeadline();
    SetStatus(TFTP_TRANSFERRING);
}

void _TFTPSession::SendNextBlock() {
    char data[kBlockSize];
    long count = source.Read(data, sizeof data);
    if (count < 0) {
        Fail(kNotDefined, TFTP_ERR_UNDEFINED, "Read error");
        return;
    }
    msg.lastBlockBytes = static_cast<int>(count);
    msg.bytesTransferred += count;
    ++lastBlock;  // 65535 rolls over to 0
    sendBuffer = tftp::DataPacket(lastBlock, data, static_cast<size_t>(count));
    MarkProgress();
    msg.sendCount = 1;
    if (!SendLastPacket()) {
        SetStatus(TFTP_ERR_SOCKET_IO);
        return;
    }
    RenewDeadline();
    SetStatus(TFTP_TRANSFERRING);
}

void _TFTPSession::CancelTransfer() {
    if (state != kActive) return;
    Send(ErrorPacket(kNotDefined, "Transfer canceled"));
    SetStatus(TFTP_ERR_CANCELED);
}

void _TFTPSession::Fail(uint16_t code, int status, const std::string& message) {
    bool sent = Send(ErrorPacket(code, message));
    SetStatus(sent ? status : TFTP_ERR_SOCKET_IO);
}

bool _TFTPSession::Send(const std::string& packet) {
    return sock.SendTo(packet, peerAddress, peerPort) == 0;
}

bool _TFTPSession::IsFromPeer(const os::Datagram& datagram) const {
    return datagram.address == peerAddress && datagram.port == peerPort;
}

void _TFTPSession::Linger() {
    uint64_t least = static_cast<uint64_t>(os::Scaled(kLeastLingerMs));
    lingerUntil = os::TickCount() + std::max(Waits(mostSends), least);
}

uint64_t _TFTPSession::Waits(int count) const {
    return static_cast<uint64_t>(WaitMilliseconds()) * static_cast<uint64_t>(count > 0 ? count : 1);
}

void _TFTPSession::RenewDeadline() {
    deadline = os::TickCount() + static_cast<uint64_t>(WaitMilliseconds());
}

int _TFTPSession::WaitMilliseconds() const {
    int wait = os::Scaled(msg.timeout * 10);
    return wait > 0 ? wait : 1;
}

void _TFTPSession::CloseFile() {
    deadline = 0;
    source.Close();
    upload.Abort();
}

bool _TFTPSession::Removable(uint64_t now, bool stopping) const {
    return state != kActive && (stopping || now >= lingerUntil);
}
