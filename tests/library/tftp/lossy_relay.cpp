#include "tests/library/tftp/lossy_relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tftptest {
namespace {

uint16_t Field(const std::string& packet, size_t at) {
    if (packet.size() < at + 2) return 0;
    return static_cast<uint16_t>((static_cast<unsigned char>(packet[at]) << 8) |
                                 static_cast<unsigned char>(packet[at + 1]));
}

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int BoundSocket(uint16_t& port) {
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("relay socket");
    }
    port = ntohs(address.sin_port);
    return fd;
}

// One datagram and the port it came from.
std::string Receive(int fd, uint16_t& from) {
    char buffer[65536];
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ssize_t size = recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&address),
                            &length);
    from = ntohs(address.sin_port);
    return size > 0 ? std::string(buffer, static_cast<size_t>(size)) : std::string();
}

void SendTo(int fd, const std::string& packet, uint16_t port) {
    sockaddr_in address = Loopback(port);
    sendto(fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&address),
           sizeof address);
}

bool IsRequest(const std::string& packet) {
    uint16_t opcode = Field(packet, 0);
    return opcode == 1 || opcode == 2;
}

}  // namespace

LossyRelay::LossyRelay(uint16_t serverPort, std::vector<Rule> rules)
    : serverPort_(serverPort), rules_(std::move(rules)), applied_(rules_.size(), 0) {
    uint16_t unused = 0;
    clientSide_ = BoundSocket(clientSidePort_);
    serverSide_ = BoundSocket(unused);
    thread_ = std::thread([this] { Run(); });
}

LossyRelay::~LossyRelay() {
    stop_ = true;
    thread_.join();
    close(clientSide_);
    close(serverSide_);
}

int LossyRelay::AppliedCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    int count = 0;
    for (int applied : applied_) count += applied;
    return count;
}

int LossyRelay::Delivered(Way way) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return delivered_[static_cast<int>(way)];
}

int LossyRelay::RequestsForwarded() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LossyRelay::Run() {
    pollfd fds[2] = {{clientSide_, POLLIN, 0}, {serverSide_, POLLIN, 0}};
    while (!stop_) {
        if (poll(fds, 2, 20) <= 0) continue;
        if (fds[0].revents & POLLIN) FromClient();
        if (fds[1].revents & POLLIN) FromServer();
    }
}

void LossyRelay::FromClient() {
    std::string packet = Receive(clientSide_, clientPort_);
    if (packet.empty()) return;
    int copies = Copies(Way::ToServer, packet);
    if (IsRequest(packet)) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (copies > 0) ++requests_;
        }
        Deliver(Way::ToServer, serverSide_, packet, serverPort_, copies);
    } else {
        Deliver(Way::ToServer, serverSide_, packet, sessionPort_, copies);
    }
}

void LossyRelay::FromServer() {
    uint16_t from = 0;
    std::string packet = Receive(serverSide_, from);
    if (packet.empty()) return;
    if (from != serverPort_) sessionPort_ = from;
    Deliver(Way::ToClient, clientSide_, packet, clientPort_, Copies(Way::ToClient, packet));
}

void LossyRelay::Deliver(Way way, int fd, const std::string& packet, uint16_t port, int copies) {
    if (port == 0) return;
    for (int copy = 0; copy < copies; ++copy) SendTo(fd, packet, port);
    std::lock_guard<std::mutex> lock(mutex_);
    delivered_[static_cast<int>(way)] += copies;
}

int LossyRelay::Copies(Way way, const std::string& packet) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = 0; i < rules_.size(); ++i) {
        const Rule& rule = rules_[i];
        if (applied_[i] >= rule.times || rule.way != way || rule.opcode != Field(packet, 0) ||
            rule.number != Field(packet, 2)) {
            continue;
        }
        ++applied_[i];
        return rule.act == Act::Lose ? 0 : 2;
    }
    return 1;
}

}  // namespace tftptest
