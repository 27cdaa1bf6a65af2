#pragma once
// Shared by the TFTP tests: one application object per test program, a
// private folder per test, a raw UDP client that plays the device packet by
// packet while the message loop runs, and a recorder of status callbacks.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "library/tftp/tftp_msg.h"
#include "library/tftp/tftp_server.h"
#include "platform/os/udp_socket.h"
#include "tests/library/tftp/tftp_test_files.h"
#include "tests/support/temp_folder.h"

namespace tftptest {

// Runs the message loop until done holds or milliseconds of real time pass;
// returns whether done held.
bool RunUntil(const std::function<bool()>& done, int milliseconds = 10000);
void RunFor(int milliseconds);
// Runs the message loop for as long as a device waits before it repeats a
// packet: the server takes a repeat that comes sooner for a doubled copy.
void WaitBeforeRepeat();

using support::TempFolder;

std::string ReadRequest(const std::string& name, const std::string& mode = "octet");
std::string WriteRequest(const std::string& name, const std::string& mode = "octet");
std::string Data(uint16_t block, const std::string& bytes);

// The device's side, one datagram at a time, on 127.0.0.1 (or another
// loopback address, which the server sees as another host).
class RawClient {
public:
    explicit RawClient(const std::string& address = "127.0.0.1");
    uint16_t Port() const { return socket_.LocalPort(); }
    void Send(const std::string& packet, uint16_t port);
    // The next datagram, running the message loop while waiting.
    std::optional<os::Datagram> Receive(int milliseconds = 3000);
    // Runs the message loop for milliseconds; true when nothing arrived.
    bool NothingArrives(int milliseconds = 150);

private:
    os::UdpSocket socket_;
};

// A datagram's opcode and second number (block or error code).
uint16_t OpcodeOf(const os::Datagram& datagram);
uint16_t NumberOf(const os::Datagram& datagram);
std::string PayloadOf(const os::Datagram& datagram);

// The next datagram at client, checked to be opcode with number (block or
// error code); an empty datagram when nothing came.
os::Datagram Expect(RawClient& client, uint16_t opcode, uint16_t number);

// Records every status a session reports; an optional hook may set the
// cancel flag.
class StatusRecorder {
public:
    VkTFTPStatusEvent Callback();
    const std::vector<int>& Statuses() const { return statuses_; }
    const VkTFTPMsg& Last() const { return last_; }
    int Count(int status) const;
    std::function<bool(const VkTFTPMsg&)> cancelWhen;

private:
    std::vector<int> statuses_;
    VkTFTPMsg last_;
};

// A server on a free port serving a private folder, with every status
// recorded. One wait for the device is 10 s before time scaling.
class ServerTest : public ::testing::Test {
protected:
    ServerTest();
    uint16_t Port() const { return server->ListeningPort(); }

    TempFolder root;
    StatusRecorder recorder;
    std::unique_ptr<VkTFTPServer> server;
};

}  // namespace tftptest
