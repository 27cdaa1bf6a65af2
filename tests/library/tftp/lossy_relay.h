#pragma once
// A UDP relay between a TFTP client and the server that loses chosen
// datagrams. The client talks to the relay's port only; requests go on to the
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

    // The first datagram going `way` whose opcode and second number (block or
    // error code) match is lost; each rule loses one datagram.
    struct Loss {
        Way way;
        uint16_t opcode;
        uint16_t number;
    };

    LossyRelay(uint16_t serverPort, std::vector<Loss> losses);
    ~LossyRelay();
    LossyRelay(const LossyRelay&) = delete;
    LossyRelay& operator=(const LossyRelay&) = delete;

    uint16_t Port() const { return clientSidePort_; }
    // How many of the rules have lost their datagram so far.
    int LostCount() const;
    // How many requests (RRQ/WRQ) went on to the server.
    int RequestsForwarded() const;

private:
    void Run();
    void FromClient();
    void FromServer();
    bool Lose(Way way, const std::string& packet);

    uint16_t serverPort_;
    int clientSide_ = -1;
    int serverSide_ = -1;
    uint16_t clientSidePort_ = 0;
    uint16_t clientPort_ = 0;   // the client's port, once it has sent
    uint16_t sessionPort_ = 0;  // the server's session port, once it has answered
    mutable std::mutex mutex_;
    std::vector<Loss> losses_;
    std::vector<bool> used_;
    int requests_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tftptest
