#pragma once
// A non-blocking IPv4 UDP socket. Failures come back as errno codes rather
// than exceptions, so that the TFTP server can map each one to its own
// status. The caller watches Descriptor() for read readiness and then calls
// ReceiveFrom() until it reports kNothingWaiting.
//
// Addresses are dotted-decimal texts ("192.168.0.5"); an empty address or
// "0.0.0.0" means any local address.

#include "platform/os/unique_fd.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

namespace os {

struct Datagram {
    std::string data;
    std::string address;  // the sender
    uint16_t port = 0;
};

class UdpSocket {
public:
    // What ReceiveFrom() returns when no datagram is waiting.
    static constexpr int kNothingWaiting = EAGAIN;

    UdpSocket() = default;

    // Each returns 0 or the errno of the failure. Calls on a socket that is
    // not open give EBADF. Open() on an open socket closes it first.
    int Open();
    int SetReuseAddress(bool reuse);
    // Port 0 takes a free (ephemeral) port; LocalPort() tells which.
    int Bind(const std::string& address, uint16_t port);
    int SendTo(const std::string& data, const std::string& address, uint16_t port);
    // Takes the next waiting datagram (any size up to the UDP limit) into
    // datagram; kNothingWaiting when there is none.
    int ReceiveFrom(Datagram& datagram);

    // The port the socket is bound to; 0 when it is not open or not bound.
    uint16_t LocalPort() const;
    // The descriptor to watch for readiness; -1 when closed.
    int Descriptor() const { return fd_.Get(); }
    bool IsOpen() const { return fd_.Valid(); }
    // Closing twice, or a socket never opened, is harmless. The destructor
    // closes too.
    void Close() { fd_.Reset(); }

private:
    UniqueFd fd_;
    std::vector<char> buffer_;  // room for the largest datagram, kept between calls
};

// A UDP port of 127.0.0.1 that was free when asked (for servers that tests
// and benchmarks start themselves); 0 when none could be found.
uint16_t FreeUdpPort();

}  // namespace os
