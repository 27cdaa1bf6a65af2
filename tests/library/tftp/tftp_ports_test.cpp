// Opening the server's port: a port held by another program, and the
// product's own port 69.
#include <gtest/gtest.h>

#include <unistd.h>

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
        EXPECT_EQ(error.Message(),
                  "(VkTFTP) Fail to open socket!Please check if the network is ready.");
    }
    EXPECT_FALSE(server.Listening());
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
