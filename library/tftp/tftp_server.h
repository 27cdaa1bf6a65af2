#pragma once
// The PC side of the device's file transfers: a TFTP server (RFC 1350) that
// serves files from one folder (its root) and stores received files there.
// It listens on a UDP port (69 by default, SO_REUSEADDR, any local address),
// takes read and write requests, and runs each accepted request as one
// _TFTPSession on a socket of its own. A timer every 20 ms resends or times
// out stalled transfers and removes finished sessions, one per tick.
//
// At most kMostSessions active sessions exist at once (finished ones that
// linger for a repeated last block do not count); a further request gets
// ERROR 0 and no session. A request repeated from the address and port of a
// live session makes that session answer again. With an admission check set,
// a request it refuses gets ERROR 2 and no session (no file is touched).
// Everything runs on the thread of the program's event loop
// (platform/os/event_loop.h), which must be installed before a server is
// made: readiness of the sockets and the timer arrive through it.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "library/tftp/tftp_msg.h"
#include "library/tftp/tftp_packet.h"
#include "library/tftp/tftp_session.h"
#include "platform/os/event_loop.h"
#include "platform/os/udp_socket.h"

using VkTFTPAdmission = std::function<bool(const VkTFTPMsg& request)>;

class VkTFTPServer {
public:
    static constexpr int kDefaultPort = 69;
    static constexpr size_t kMostSessions = 8;

    // Not listening until Start.
    VkTFTPServer();
    // Stops, then ends the sessions still left (closing their files).
    ~VkTFTPServer();
    VkTFTPServer(const VkTFTPServer&) = delete;
    VkTFTPServer& operator=(const VkTFTPServer&) = delete;

    // timeout: one wait for the device, in units of 10 ms; retries: most sends
    // of one DATA block.
    void SetTimeout(int timeout, int retries);
    // Applies to sessions created afterwards.
    void SetOnStatus(const VkTFTPStatusEvent& onStatus);
    // Decides for each new request (its record as the server filled it in:
    // opcode, file name, client address and port) whether it is served.
    // Unset: every request is.
    void SetAdmission(const VkTFTPAdmission& admission);

    // Serves root (empty: nothing is served; otherwise a '/' is added unless
    // it ends in one). When already listening only the root changes. Port 0
    // takes a free port (see ListeningPort). Raises os::Exception with code
    // -1109 when the port cannot be opened: its text, then the port and the
    // system's reason ("... (port 69: Permission denied)").
    void Start(const std::string& root, int port = kDefaultPort);
    // Closes the listener and processes messages until every session is gone
    // or 10 s have passed; then the timer stops.
    void Stop();

    // Reads and handles one datagram waiting on the listening socket.
    void ReceiveRequest();
    // The live session the request repeats (same opcode, mode, name, address
    // and port), or null.
    _TFTPSession* SessionOf(const VkTFTPMsg& request) const;
    bool IsDuplicateRequest(const VkTFTPMsg& request) const { return SessionOf(request) != nullptr; }
    // Sessions still moving a file.
    size_t ActiveSessionCount() const;
    void TimerTick();

    bool Listening() const { return listenSocket.IsOpen(); }
    // The port the listener is bound to; 0 when not listening.
    uint16_t ListeningPort() const { return listenSocket.LocalPort(); }
    size_t SessionCount() const { return sessions.size(); }

    int retries = 3;
    VkTFTPMsg msg;
    VkTFTPStatusEvent onStatus;
    VkTFTPAdmission admission;
    std::string rootDir;

private:
    int OpenListener(int port);
    void CloseListener();
    void TakeRequest(const os::Datagram& datagram);
    // Records the request and lists a new session for it; null when the
    // request is a duplicate or refused.
    _TFTPSession* ListRequest(const os::Datagram& datagram, const tftp::Request& request);
    void RemoveSession(size_t index);
    void TimeOutSession(size_t index);
    void WaitForSessions();

    os::UdpSocket listenSocket;
    std::unique_ptr<os::EventLoop::Watch> listenWatch;
    std::vector<std::unique_ptr<_TFTPSession>> sessions;
    std::unique_ptr<os::EventLoop::Timer> timer;
    // Held during request intake. Everything runs on one thread, and a
    // status callback may run a nested message loop that takes another
    // request, so it must allow the same thread in again.
    std::recursive_mutex lock;
    bool stopping = false;
};
