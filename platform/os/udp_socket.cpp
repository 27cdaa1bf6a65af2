#include "platform/os/udp_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace os {

namespace {

// The largest payload an IPv4 UDP datagram can carry.
constexpr size_t kLargestDatagram = 65507;

// Fills endpoint from address and port; false when address is not a
// dotted-decimal IPv4 address.
bool MakeEndpoint(const std::string& address, uint16_t port, sockaddr_in& endpoint) {
    endpoint = sockaddr_in{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_port = htons(port);
    if (address.empty()) {
        endpoint.sin_addr.s_addr = htonl(INADDR_ANY);
        return true;
    }
    return ::inet_pton(AF_INET, address.c_str(), &endpoint.sin_addr) == 1;
}

std::string AddressText(const in_addr& address) {
    char text[INET_ADDRSTRLEN] = "";
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

}  // namespace

int UdpSocket::Open() {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return errno;
    fd_.Reset(fd);
    return 0;
}

int UdpSocket::SetReuseAddress(bool reuse) {
    int value = reuse ? 1 : 0;
    if (::setsockopt(fd_.Get(), SOL_SOCKET, SO_REUSEADDR, &value, sizeof value) != 0) return errno;
    return 0;
}

int UdpSocket::Bind(const std::string& address, uint16_t port) {
    if (!fd_.Valid()) return EBADF;
    sockaddr_in endpoint;
    if (!MakeEndpoint(address, port, endpoint)) return EINVAL;
    if (::bind(fd_.Get(), reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint) != 0) {
        return errno;
    }
    return 0;
}

int UdpSocket::SendTo(const std::string& data, const std::string& address, uint16_t port) {
    if (!fd_.Valid()) return EBADF;
    sockaddr_in endpoint;
    if (!MakeEndpoint(address, port, endpoint)) return EINVAL;
    for (;;) {
        ssize_t sent = ::sendto(fd_.Get(), data.data(), data.size(), MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint);
        if (sent >= 0) return 0;
        if (errno != EINTR) return errno;
    }
}

int UdpSocket::ReceiveFrom(Datagram& datagram) {
    if (!fd_.Valid()) return EBADF;
    buffer_.resize(kLargestDatagram);
    sockaddr_in sender{};
    for (;;) {
        socklen_t senderSize = sizeof sender;
        ssize_t got = ::recvfrom(fd_.Get(), buffer_.data(), buffer_.size(), 0,
                                 reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (got >= 0) {
            datagram.data.assign(buffer_.data(), static_cast<size_t>(got));
            datagram.address = AddressText(sender.sin_addr);
            datagram.port = ntohs(sender.sin_port);
            return 0;
        }
        if (errno == EWOULDBLOCK) return kNothingWaiting;
        if (errno != EINTR) return errno;
    }
}

uint16_t UdpSocket::LocalPort() const {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (!fd_.Valid() || ::getsockname(fd_.Get(), reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

uint16_t FreeUdpPort() {
    UdpSocket probe;
    if (probe.Open() != 0 || probe.Bind("127.0.0.1", 0) != 0) return 0;
    return probe.LocalPort();
}

}  // namespace os
