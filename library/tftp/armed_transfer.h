#pragma once
// The one transfer a file page expects of the device, on the module's TFTP
// server. The page starts the server when it opens; for each transfer it arms
// the server for the device's address, one file name in one folder and one
// direction. Only a request that matches all of them, made while armed, is
// served; any other (another address, name or direction, or no transfer
// armed) gets a TFTP ERROR and touches no file. The first matching request
// takes the arm; the transfer is followed through the server's status
// callback to the end of its session and then reported once:
//
//   Done        status 3: the whole file was sent, or received and in place
//   Failed      the session's negative status and its text
//   NotStarted  no matching request came within the start wait
//
// The report runs from the message loop after the session's own step has
// returned, so the page may open dialogs in it. Disarm (or destruction)
// drops a transfer without a report.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "library/tftp/tftp_msg.h"
#include "platform/os/event_loop.h"

class VkTFTPServer;

enum class VkTFTPDirection {
    DeviceFetches,  // the device reads the file from the PC (RRQ)
    DeviceSends,    // the device writes the file to the PC (WRQ)
};

struct VkTFTPArm {
    std::string deviceAddress;  // dotted IPv4 the request must come from
    std::string folder;         // the served folder
    std::string fileName;       // the bare name the request must give
    VkTFTPDirection direction = VkTFTPDirection::DeviceFetches;
    int startWaitMs = 30000;    // how long the device has to make its request
};

struct VkTFTPTransferEnd {
    enum Kind { Done, Failed, NotStarted };
    Kind kind = NotStarted;
    int status = TFTP_ERR_NOT_READY;  // the session's last status
    std::string text;                 // its text
    int64_t bytes = 0;                // bytes moved
};

using VkTFTPTransferEndEvent = std::function<void(const VkTFTPTransferEnd& end)>;

class VkArmedTransfer {
public:
    // Needs the program's event loop installed (platform/os/event_loop.h).
    VkArmedTransfer();
    ~VkArmedTransfer();
    VkArmedTransfer(const VkArmedTransfer&) = delete;
    VkArmedTransfer& operator=(const VkArmedTransfer&) = delete;

    // One wait for the device (10 ms units) and the most sends of a packet.
    void SetTimeout(int timeout, int retries);
    // Listens on port, serving nothing until armed. Raises os::Exception (code
    // -1109 and its text) when the port cannot be opened.
    void Start(int port);
    void Stop();
    bool Listening() const;
    uint16_t ListeningPort() const;

    // Arms the server for one transfer and reports its end to onEnd. A
    // transfer still armed or running is dropped first.
    void Arm(const VkTFTPArm& arm, const VkTFTPTransferEndEvent& onEnd);
    // Drops the armed or running transfer; nothing is reported.
    void Disarm();
    // True from Arm until the report (or Disarm).
    bool Busy() const { return phase != Phase::Idle; }

    VkTFTPServer& Server() { return *server; }

private:
    enum class Phase { Idle, Armed, Running, Ended };

    bool Admit(const VkTFTPMsg& request);
    void FollowStatus(const VkTFTPMsg& msg);
    bool IsTracked(const VkTFTPMsg& msg) const;
    void End(VkTFTPTransferEnd::Kind kind, const VkTFTPMsg* msg);
    void Report();

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // Destroyed last-made first: the timers, then the server.
    std::unique_ptr<VkTFTPServer> server;
    std::unique_ptr<os::EventLoop::Timer> startTimer;
    std::unique_ptr<os::EventLoop::Timer> reportTimer;
    Phase phase = Phase::Idle;
    VkTFTPArm arm;
    VkTFTPTransferEndEvent onEnd;
    VkTFTPTransferEnd result;
    // The admitted request: its client address and port.
    std::string clientAddress;
    int clientPort = 0;
};
