// Opening the server's port: a port held by another program, and the
// product's own port 69.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "library/tftp/tftp_packet.h"
#include "platform/os/exception.h"
#include "tests/library/tftp/tftp_test_support.h"

namespace {

using namespace tftptest;

TEST(TftpServerPort, PortInUseFailsStartWithSocketError) {
    os::UdpSocket holder;  // binds without SO_REUSEADDR, as another TFTP server would
    ASSERT_EQ(holder.Open(), 0);
    ASSERT_EQ(holder.Bind("", 0), 0);
    TempFolder root;
    VkTFTPServer server;
    try {
        server.Start(root.Path(), holder.LocalPort());
        FAIL() << "Start succeeded on a port in use";
    } catch (const os::Exception& error) {
        EXPECT_EQ(error.HelpContext(), -1109);
        // The text of the status, then the port and the system's reason.
        EXPECT_EQ(error.Message(), "(VkTFTP) Fail to open socket!Please check if the network is ready. (port " +
                                       std::to_string(holder.LocalPort()) + ": Address already in use)");
    }
    EXPECT_FALSE(server.Listening());
}

// An ordinary user may not bind a port below the system's first unprivileged
// one: the message says so, with the port.
TEST(TftpServerPort, APortThisUserMayNotBindNamesPortAndReason) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may bind every port";
    TempFolder root;
    VkTFTPServer server;
    try {
        server.Start(root.Path(), 69);
        GTEST_SKIP() << "this system lets every user bind port 69";
    } catch (const os::Exception& error) {
        EXPECT_EQ(error.Message(), "(VkTFTP) Fail to open socket!Please check if the network is ready. (port 69: "
                                   "Permission denied)");
    }
}

TEST(TftpServerPort, ServesOnPort69ByDefault) {
    if (::geteuid() != 0) GTEST_SKIP() << "binding UDP port 69 needs root";
    TempFolder root;
    WriteFile(root.File("fw.bin"), "on port 69");
    VkTFTPServer server;
    server.Start(root.Path());
    ASSERT_EQ(server.ListeningPort(), 69);
    RawClient device;
    device.Send(ReadRequest("fw.bin"), 69);
    EXPECT_EQ(PayloadOf(Expect(device, tftp::kData, 1)), "on port 69");
}

}  // namespace
