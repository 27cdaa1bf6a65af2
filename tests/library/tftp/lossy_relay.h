#pragma once
// A UDP relay between a TFTP client and the server that loses or doubles
// chosen datagrams. The client talks to the relay's port only; requests go on to the
// server's listening port, everything else to the session port the server
// answered from. Runs on its own thread so that the message loop and an
// outside client process stay free.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tftptest {

class LossyRelay {
public:
    enum class Way { ToServer, ToClient };

    enum class Act { Lose, Double };

    // The first `times` datagrams going `way` whose opcode and second number
    // (block or error code) match are lost, or passed on twice.
    struct Rule {
        Way way;
        uint16_t opcode;
        uint16_t number;
        Act act = Act::Lose;
        int times = 1;
    };

    LossyRelay(uint16_t serverPort, std::vector<Rule> rules);
    ~LossyRelay();
    LossyRelay(const LossyRelay&) = delete;
    LossyRelay& operator=(const LossyRelay&) = delete;

    uint16_t Port() const { return clientSidePort_; }
    // How many datagrams the rules have lost or doubled so far.
    int AppliedCount() const;
    // How many datagrams were passed on `way` so far (a doubled one twice).
    int Delivered(Way way) const;
    // How many requests (RRQ/WRQ) went on to the server.
    int RequestsForwarded() const;

private:
    void Run();
    void FromClient();
    void FromServer();
    // How many copies of a datagram to pass on: 0 (lost), 1 or 2 (doubled).
    int Copies(Way way, const std::string& packet);
    void Deliver(Way way, int fd, const std::string& packet, uint16_t port, int copies);

    uint16_t serverPort_;
    int clientSide_ = -1;
    int serverSide_ = -1;
    uint16_t clientSidePort_ = 0;
    uint16_t clientPort_ = 0;   // the client's port, once it has sent
    uint16_t sessionPort_ = 0;  // the server's session port, once it has answered
    mutable std::mutex mutex_;
    std::vector<Rule> rules_;
    std::vector<int> applied_;  // per rule
    int delivered_[2] = {0, 0};  // per way
    int requests_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tftptest
