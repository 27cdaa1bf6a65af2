#include "platform/os/udp_socket.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>

using os::Datagram;
using os::UdpSocket;

namespace {

// An open socket bound to a free loopback port.
void OpenOnLoopback(UdpSocket& socket) {
    ASSERT_EQ(socket.Open(), 0);
    ASSERT_EQ(socket.Bind("127.0.0.1", 0), 0);
    ASSERT_NE(socket.LocalPort(), 0);
}

bool Readable(const UdpSocket& socket, int milliseconds) {
    pollfd watched{socket.Descriptor(), POLLIN, 0};
    return ::poll(&watched, 1, milliseconds) == 1 && (watched.revents & POLLIN);
}

}  // namespace

TEST(UdpSocket, DatagramsArriveWholeWithTheirSender) {
    UdpSocket server, client;
    OpenOnLoopback(server);
    OpenOnLoopback(client);
    const std::string payloads[] = {
        std::string("\0\x01" "file.bin\0octet\0", 17),  // bytes after a NUL survive
        "",                                              // an empty datagram is a datagram
        std::string(516, '\xAB'),                         // a full TFTP data packet
        std::string(65507, 'x'),                          // the largest UDP payload
    };
    for (const std::string& payload : payloads) {
        ASSERT_EQ(client.SendTo(payload, "127.0.0.1", server.LocalPort()), 0);
        ASSERT_TRUE(Readable(server, 2000));
        Datagram datagram;
        ASSERT_EQ(server.ReceiveFrom(datagram), 0);
        EXPECT_EQ(datagram.data, payload);
        EXPECT_EQ(datagram.address, "127.0.0.1");
        EXPECT_EQ(datagram.port, client.LocalPort());
    }
    Datagram none{"untouched", "", 0};
    EXPECT_EQ(server.ReceiveFrom(none), UdpSocket::kNothingWaiting);
    EXPECT_EQ(none.data, "untouched");
}

TEST(UdpSocket, ReceiveNeverBlocks) {
    UdpSocket socket;
    OpenOnLoopback(socket);
    EXPECT_NE(::fcntl(socket.Descriptor(), F_GETFL) & O_NONBLOCK, 0);
    Datagram datagram;
    EXPECT_EQ(socket.ReceiveFrom(datagram), UdpSocket::kNothingWaiting);
    EXPECT_FALSE(Readable(socket, 0));
}

TEST(UdpSocket, ErrorsComeBackAsCodes) {
    UdpSocket closed;
    Datagram datagram;
    EXPECT_EQ(closed.Bind("127.0.0.1", 0), EBADF);
    EXPECT_EQ(closed.SendTo("x", "127.0.0.1", 9), EBADF);
    EXPECT_EQ(closed.ReceiveFrom(datagram), EBADF);
    EXPECT_EQ(closed.SetReuseAddress(true), EBADF);
    EXPECT_EQ(closed.LocalPort(), 0);

    UdpSocket socket;
    ASSERT_EQ(socket.Open(), 0);
    for (const char* address : {"256.1.1.1", "localhost", "1.2.3", "::1", "127.0.0.1 "}) {
        EXPECT_EQ(socket.Bind(address, 0), EINVAL) << address;
        EXPECT_EQ(socket.SendTo("x", address, 9), EINVAL) << address;
    }
    EXPECT_EQ(socket.Bind("192.0.2.1", 0), EADDRNOTAVAIL);  // not an address of this machine
    EXPECT_EQ(socket.SendTo(std::string(65508, 'x'), "127.0.0.1", 9), EMSGSIZE);
}

TEST(UdpSocket, ABoundPortIsSharedOnlyWhenEveryHolderAllowsIt) {
    struct Case {
        bool firstReuses, secondReuses;
        int secondBind;
    };
    const Case cases[] = {
        {false, false, EADDRINUSE},
        {true, false, EADDRINUSE},
        {false, true, EADDRINUSE},
        {true, true, 0},
    };
    for (const Case& c : cases) {
        UdpSocket first, second;
        ASSERT_EQ(first.Open(), 0);
        ASSERT_EQ(first.SetReuseAddress(c.firstReuses), 0);
        ASSERT_EQ(first.Bind("127.0.0.1", 0), 0);
        ASSERT_EQ(second.Open(), 0);
        ASSERT_EQ(second.SetReuseAddress(c.secondReuses), 0);
        EXPECT_EQ(second.Bind("127.0.0.1", first.LocalPort()), c.secondBind)
            << c.firstReuses << " " << c.secondReuses;
    }
}

TEST(UdpSocket, CloseReleasesTheDescriptorAndThePort) {
    UdpSocket socket;
    OpenOnLoopback(socket);
    int fd = socket.Descriptor();
    uint16_t port = socket.LocalPort();
    socket.Close();
    socket.Close();
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_EQ(socket.Descriptor(), -1);
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);

    {
        UdpSocket again;
        ASSERT_EQ(again.Open(), 0);
        EXPECT_EQ(again.Bind("127.0.0.1", port), 0);  // the port is free again
        fd = again.Descriptor();
        EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    }
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1) << "the destructor closes";
}

TEST(UdpSocket, AnyAddressBindsEveryLocalAddress) {
    for (const char* any : {"", "0.0.0.0"}) {
        UdpSocket server, client;
        ASSERT_EQ(server.Open(), 0);
        ASSERT_EQ(server.Bind(any, 0), 0);
        OpenOnLoopback(client);
        ASSERT_EQ(client.SendTo("ping", "127.0.0.1", server.LocalPort()), 0);
        ASSERT_TRUE(Readable(server, 2000)) << any;
        Datagram datagram;
        EXPECT_EQ(server.ReceiveFrom(datagram), 0);
        EXPECT_EQ(datagram.data, "ping");
    }
}
