#pragma once
// One TFTP transfer (RFC 1350) that the server accepted, on a UDP socket of
// its own (its transfer ID). A read request sends the file in 512-byte DATA
// blocks and waits for each ACK; a write request receives DATA blocks into a
// temporary file and acknowledges each. Every change of state goes to the
// status callback with the session's own copy of the request record.
//
// Beyond the plain protocol steps the session:
// - answers datagrams from any address or port but the requester's with
//   ERROR 5 and otherwise ignores them;
// - takes DATA only with the next block number and ACK only for the block it
//   last sent; block numbers roll over from 65535 to 0;
// - acknowledges a repeated last DATA block again (its ACK was lost), also
//   after the final one for as long as a device may still repeat it (the
//   sends times the wait, and at least kLeastLingerMs after the last repeat),
//   without counting as an active transfer then;
// - sends its last packet again when the device repeats its request (the
//   first answer was lost), and when the wait for the device runs out: the
//   last DATA of a read, the last ACK of a write;
// - answers a repeat only when it comes kLeastRepeatMs or more after its own
//   last send: a copy that comes sooner was doubled on the way or by a device
//   that sends again on every answer, and answering it would double every
//   packet from then on. A repeated ACK is never answered with DATA;
// - gives up when the wait runs out after the most sends with no packet from
//   the device since, or after kWaitsWithoutProgress waits (at least the most
//   sends) with no new block, however many repeats the device sends;
// - ends a write with ERROR 4 when a DATA block is longer than 512 bytes;
// - serves only plain files inside the root folder;
// - replaces a received file only when the whole file has arrived;
// - on cancel tells the device with ERROR 0;
// - ends the transfer when the device sends ERROR (status -1101 - its code).
//
// The server owns its sessions and destroys them; the destructor closes the
// socket and the file (removing a partial upload) and reports status 0.

#include <cstdint>
#include <memory>
#include <string>

#include "library/tftp/source_file.h"
#include "library/tftp/tftp_msg.h"
#include "library/tftp/upload_file.h"
#include "platform/os/event_loop.h"
#include "platform/os/udp_socket.h"

class _TFTPSession {
public:
    enum State { kFailed = 0, kActive = 1, kDone = 2 };

    // A repeat that comes sooner after the session's own send is a copy, not
    // a re-send: below the re-send time of real clients (1 s and more), far
    // above the time a doubled packet takes. At most half the wait.
    static constexpr int kLeastRepeatMs = 500;
    // How long a finished write waits at least for a repeated final block:
    // real clients repeat it up to 6 s apart, several times.
    static constexpr int kLeastLingerMs = 20000;
    // Waits without a new block after which a session ends, however lively
    // the device.
    static constexpr int kWaitsWithoutProgress = 10;

    // Opens the session's socket and reports status 1 (or -1109 when the
    // socket cannot be set up; such a session never begins).
    // mostSends: the most sends of one packet to a silent device.
    _TFTPSession(const std::string& root, const VkTFTPStatusEvent& statusEvent,
                 const VkTFTPMsg& request, const std::string& requesterAddress,
                 uint16_t requesterPort, int mostSends);
    ~_TFTPSession();
    _TFTPSession(const _TFTPSession&) = delete;
    _TFTPSession& operator=(const _TFTPSession&) = delete;

    // Opens the file and sends the first packet (DATA 1 or ACK 0).
    void Begin();
    // Called once the device's time to answer has passed: the session sends
    // its last packet (DATA of a read, ACK of a write) again unless the device
    // has been silent for the most sends. True when the session gives up.
    bool Resend();
    // True when an active session has moved no block for the longest wait
    // without progress: it gives up even though the device keeps repeating.
    bool Stalled(uint64_t now) const;
    // The device sent its request again because our first answer was lost:
    // an active session sends its last packet again at once (unless the
    // request is a copy that came right after that answer).
    void AnswerRepeatedRequest();
    // True when opcode, mode, client address and port and file name equal the
    // request's.
    bool Matches(const VkTFTPMsg& request) const;
    // Reads and handles one datagram waiting on the session's socket.
    void ReceivePacket();
    // Records and reports a status; 3 ends the session as done, a negative one
    // as failed.
    void SetStatus(int status);

    // Ends an active session whose cancel flag is set: ERROR 0 to the device,
    // status -1114.
    void CancelTransfer();

    int State() const { return state; }
    bool CancelRequested() const { return cancel; }
    bool DeadlinePassed(uint64_t now) const { return deadline != 0 && now >= deadline; }
    // True while the session is inside one of its own steps (a status callback
    // may run nested message loops); it must not be destroyed then.
    bool Busy() const { return busyDepth > 0; }
    // A finished session may go once it no longer waits for a repeated last
    // DATA block, or at once when the server stops.
    bool Removable(uint64_t now, bool stopping) const;
    const VkTFTPMsg& Msg() const { return msg; }

private:
    class BusyScope;

    bool OpenSocket();
    void BeginRead();
    void BeginWrite();
    void TakePacket(const os::Datagram& datagram);
    void TakeError(uint16_t code);
    void TakeAck(uint16_t block);
    void TakeData(uint16_t block, const std::string& packet);
    void StoreData(const std::string& packet);
    void SendNextBlock();
    void AcknowledgeAgain();
    // Whether a repeat from the device comes late enough to be answered.
    bool AnswersRepeat() const;
    // Sends the packet the device waits for an answer to (the last DATA of a
    // read, the ACK of the block last received for a write); counts it among
    // the sends to a silent device.
    bool SendLastPacket();
    void MarkProgress();
    // Sends ERROR code, then reports status (or -1110 when the send failed).
    void Fail(uint16_t code, int status, const std::string& message = std::string());
    bool Send(const std::string& packet);
    bool IsFromPeer(const os::Datagram& datagram) const;
    void RenewDeadline();
    // A finished write stays for a repeated final block from now on.
    void Linger();
    void CloseFile();
    int WaitMilliseconds() const;
    // count waits (at least one), in milliseconds.
    uint64_t Waits(int count) const;

    int state = kActive;
    uint64_t deadline = 0;     // 0 when no answer is awaited
    uint64_t lingerUntil = 0;  // a finished write session re-acknowledges until then
    uint64_t lastSendAt = 0;   // the last send of the last packet
    uint64_t progressAt = 0;   // the last new block sent or received
    int mostSends;
    int silentSends = 0;       // sends of the last packet since the device was heard
    // The requester: the only address and port the session talks with.
    std::string peerAddress;
    uint16_t peerPort;
    VkTFTPMsg msg;
    VkTFTPStatusEvent onStatus;
    std::string rootDir;
    bool cancel = false;
    std::string sendBuffer;  // the last DATA packet, kept for resends
    os::UdpSocket sock;
    std::unique_ptr<os::EventLoop::Watch> watch;
    // The file: the one sent (read request) or the one received (write).
    tftp::SourceFile source;
    tftp::UploadFile upload;
    // Read: the number of the DATA block last sent (its ACK is awaited).
    // Write: the number of the block last acknowledged (0 for the ACK of the
    // request).
    uint16_t lastBlock = 0;
    int busyDepth = 0;
};
