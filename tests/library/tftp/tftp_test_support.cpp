#include "tests/library/tftp/tftp_test_support.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "library/tftp/tftp_packet.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"

namespace tftptest {

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<ui::Application>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "tftp_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<ui::Application> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

bool RunUntil(const std::function<bool()>& done, int milliseconds) {
    uint64_t end = os::TickCount() + static_cast<uint64_t>(milliseconds);
    while (!done()) {
        if (os::TickCount() >= end) return false;
        ui::Application::Instance()->WaitForMessages(2);
    }
    return true;
}

void RunFor(int milliseconds) {
    RunUntil([] { return false; }, milliseconds);
}

void WaitBeforeRepeat() { RunFor(os::Scaled(_TFTPSession::kLeastRepeatMs) + 5); }

namespace {

std::string Request(uint16_t opcode, const std::string& name, const std::string& mode) {
    std::string packet;
    packet.push_back(static_cast<char>(opcode >> 8));
    packet.push_back(static_cast<char>(opcode & 0xFF));
    packet += name;
    packet.push_back('\0');
    packet += mode;
    packet.push_back('\0');
    return packet;
}

}  // namespace

std::string ReadRequest(const std::string& name, const std::string& mode) {
    return Request(tftp::kReadRequest, name, mode);
}

std::string WriteRequest(const std::string& name, const std::string& mode) {
    return Request(tftp::kWriteRequest, name, mode);
}

std::string Data(uint16_t block, const std::string& bytes) {
    return tftp::DataPacket(block, bytes.data(), bytes.size());
}

RawClient::RawClient(const std::string& address) {
    if (socket_.Open() != 0 || socket_.Bind(address, 0) != 0) {
        throw std::runtime_error("cannot open the client socket");
    }
}

void RawClient::Send(const std::string& packet, uint16_t port) {
    ASSERT_EQ(socket_.SendTo(packet, "127.0.0.1", port), 0);
}

std::optional<os::Datagram> RawClient::Receive(int milliseconds) {
    os::Datagram datagram;
    bool got = RunUntil([&] { return socket_.ReceiveFrom(datagram) == 0; }, milliseconds);
    if (!got) return std::nullopt;
    return datagram;
}

bool RawClient::NothingArrives(int milliseconds) { return !Receive(milliseconds).has_value(); }

uint16_t OpcodeOf(const os::Datagram& datagram) { return tftp::NumberAt(datagram.data, 0); }
uint16_t NumberOf(const os::Datagram& datagram) { return tftp::NumberAt(datagram.data, 2); }
std::string PayloadOf(const os::Datagram& datagram) {
    return datagram.data.size() > 4 ? datagram.data.substr(4) : std::string();
}

os::Datagram Expect(RawClient& client, uint16_t opcode, uint16_t number) {
    std::optional<os::Datagram> got = client.Receive();
    EXPECT_TRUE(got.has_value()) << "nothing arrived; expected opcode " << opcode << " number "
                                 << number;
    if (!got) return os::Datagram();
    EXPECT_EQ(OpcodeOf(*got), opcode);
    EXPECT_EQ(NumberOf(*got), number);
    return *got;
}

VkTFTPStatusEvent StatusRecorder::Callback() {
    return [this](VkTFTPMsg* msg, bool* cancel) {
        statuses_.push_back(msg->status);
        last_ = *msg;
        if (cancelWhen && cancelWhen(*msg)) *cancel = true;
    };
}

int StatusRecorder::Count(int status) const {
    return static_cast<int>(std::count(statuses_.begin(), statuses_.end(), status));
}

ServerTest::ServerTest() : server(std::make_unique<VkTFTPServer>()) {
    server->SetTimeout(1000, 3);
    server->SetOnStatus(recorder.Callback());
    server->Start(root.Path(), 0);
}

}  // namespace tftptest
