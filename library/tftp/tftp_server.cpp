#include "library/tftp/tftp_server.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "library/tftp/loop_access.h"
#include "library/tftp/tftp_packet.h"
#include "platform/os/clock.h"
#include "platform/os/exception.h"

namespace {

constexpr int kTickMilliseconds = 20;
constexpr int kStopWaitMilliseconds = 10000;
// Longest single wait for messages while Stop waits (not scaled: it only
// bounds one pass of the loop).
constexpr int kStopPassMilliseconds = 10;

// The first IPv4 address of the PC's own host name, or "127.0.0.1".
std::string HostAddress() {
    char name[1024] = "";
    if (::gethostname(name, sizeof name - 1) != 0) return "127.0.0.1";
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &found) != 0 || found == nullptr) return "127.0.0.1";
    char text[INET_ADDRSTRLEN] = "127.0.0.1";
    auto* address = reinterpret_cast<sockaddr_in*>(found->ai_addr);
    ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
    ::freeaddrinfo(found);
    return text;
}

std::string RootFolder(const std::string& root) {
    if (root.empty() || root.back() == '/') return root;
    return root + "/";
}

}  // namespace

VkTFTPServer::VkTFTPServer() : timer(tftp::Loop().NewTimer([this] { TimerTick(); })) {
    msg.serverIP = HostAddress();
}

VkTFTPServer::~VkTFTPServer() {
    Stop();
    while (!sessions.empty()) RemoveSession(sessions.size() - 1);
}

void VkTFTPServer::SetTimeout(int timeout, int retriesValue) {
    msg.timeout = timeout;
    retries = retriesValue;
}

void VkTFTPServer::SetOnStatus(const VkTFTPStatusEvent& handler) { onStatus = handler; }

void VkTFTPServer::SetAdmission(const VkTFTPAdmission& check) { admission = check; }

void VkTFTPServer::Start(const std::string& root, int port) {
    rootDir = RootFolder(root);
    msg.serverPort = port;
    if (Listening()) return;
    if (int error = OpenListener(port); error != 0) {
        if (Listening()) Stop();
        // The port and the system's reason, so that the user can tell a port
        // held by another server from one this user may not bind.
        throw os::Exception(VkTFTPStatusText(TFTP_ERR_SOCKET) + " (port " + std::to_string(port) + ": " +
                                std::strerror(error) + ")",
                            TFTP_ERR_SOCKET);
    }
    timer->Start(kTickMilliseconds);
}

int VkTFTPServer::OpenListener(int port) {
    if (port < 0 || port > 65535) return EINVAL;
    int error = listenSocket.Open();
    if (error == 0) error = listenSocket.SetReuseAddress(true);
    if (error == 0) error = listenSocket.Bind(std::string(), static_cast<uint16_t>(port));
    if (error != 0) return error;
    listenWatch = tftp::Loop().WatchReadable(listenSocket.Descriptor(), [this] { ReceiveRequest(); });
    return 0;
}

void VkTFTPServer::CloseListener() {
    listenWatch.reset();
    listenSocket.Close();
}

void VkTFTPServer::Stop() {
    CloseListener();
    WaitForSessions();
    timer->Stop();
}

void VkTFTPServer::WaitForSessions() {
    if (os::CurrentEventLoop() == nullptr) return;
    // Finished sessions need not wait for a repeated last block any more.
    stopping = true;
    uint64_t end = os::TickCount() + static_cast<uint64_t>(os::Scaled(kStopWaitMilliseconds));
    while (!sessions.empty() && os::TickCount() < end) {
        tftp::WaitForEvents(kStopPassMilliseconds);
    }
    stopping = false;
}

void VkTFTPServer::ReceiveRequest() {
    // One datagram per notification, read also when it is dropped: the
    // notification repeats for as long as another one waits.
    os::Datagram datagram;
    if (listenSocket.ReceiveFrom(datagram) == 0) TakeRequest(datagram);
}

void VkTFTPServer::TakeRequest(const os::Datagram& datagram) {
    tftp::Request request;
    if (!tftp::ParseRequest(datagram.data, request)) return;  // short, or not RRQ/WRQ
    _TFTPSession* session = ListRequest(datagram, request);
    if (session != nullptr) session->Begin();
}

_TFTPSession* VkTFTPServer::ListRequest(const os::Datagram& datagram,
                                        const tftp::Request& request) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    msg.status = TFTP_CONNECTED;
    msg.statusText = VkTFTPStatusText(TFTP_CONNECTED);
    msg.opcode = request.opcode;
    msg.fileName = request.fileName;
    msg.mode = request.mode;
    msg.clientIP = datagram.address;
    msg.clientPort = datagram.port;
    if (_TFTPSession* repeated = SessionOf(msg)) {
        repeated->AnswerRepeatedRequest();
        return nullptr;
    }
    if (admission && !admission(msg)) {
        listenSocket.SendTo(tftp::ErrorPacket(2, "Transfer not expected"), datagram.address,
                            datagram.port);
        return nullptr;
    }
    if (ActiveSessionCount() >= kMostSessions) {
        listenSocket.SendTo(tftp::ErrorPacket(0, "Too many transfers"), datagram.address,
                            datagram.port);
        return nullptr;
    }
    msg.sendCount = 0;
    ++msg.requestSerial;
    sessions.push_back(
        std::make_unique<_TFTPSession>(rootDir, onStatus, msg, datagram.address, datagram.port, retries));
    return sessions.back().get();
}

_TFTPSession* VkTFTPServer::SessionOf(const VkTFTPMsg& request) const {
    for (const auto& session : sessions) {
        if (session->Matches(request)) return session.get();
    }
    return nullptr;
}

size_t VkTFTPServer::ActiveSessionCount() const {
    size_t count = 0;
    for (const auto& session : sessions) {
        if (session->State() == _TFTPSession::kActive) ++count;
    }
    return count;
}

void VkTFTPServer::TimerTick() {
    // A status callback may run a nested message loop that changes the list,
    // so the tick ends after the first session it acts on.
    uint64_t now = os::TickCount();
    for (size_t index = 0; index < sessions.size(); ++index) {
        _TFTPSession& session = *sessions[index];
        if (session.Busy()) continue;
        if (session.Removable(now, stopping)) {
            RemoveSession(index);
            return;
        }
        if (session.State() != _TFTPSession::kActive) continue;
        if (session.CancelRequested()) {
            session.CancelTransfer();
            return;
        }
        if (session.Stalled(now)) {
            TimeOutSession(index);
            return;
        }
        if (!session.DeadlinePassed(now)) continue;
        if (session.Resend()) TimeOutSession(index);
        return;
    }
}

void VkTFTPServer::RemoveSession(size_t index) {
    std::unique_ptr<_TFTPSession> session = std::move(sessions[index]);
    sessions.erase(sessions.begin() + static_cast<std::ptrdiff_t>(index));
    session.reset();  // reports status 0
}

void VkTFTPServer::TimeOutSession(size_t index) {
    std::unique_ptr<_TFTPSession> session = std::move(sessions[index]);
    sessions.erase(sessions.begin() + static_cast<std::ptrdiff_t>(index));
    session->SetStatus(TFTP_ERR_TIMEOUT);
    session.reset();  // reports status 0
}
