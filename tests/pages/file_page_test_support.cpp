#include "tests/pages/file_page_test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "library/snmp/request_to_edits.h"
#include "library/tftp/tftp_packet.h"
#include "pages/common/device_transfer.h"
#include "platform/os/udp_socket.h"

namespace filepagetest {

int FreeUdpPort() {
    os::UdpSocket socket;
    if (socket.Open() != 0 || socket.Bind("127.0.0.1", 0) != 0) return 0;
    return socket.LocalPort();
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// The device gives a whole transfer a second (scaled to real time: 50 ms at
// the tests' time scale would end a transfer of a few blocks on a loaded
// machine before the page's loop served it).
FilePageTest::FilePageTest() : FilePageTest("20000") {}

FilePageTest::FilePageTest(const std::string& tftpTimeout) : tftpPort(FreeUdpPort()) {
    setenv("VAP_TFTP_PORT", std::to_string(tftpPort).c_str(), 1);
    RestartSim({"--tftp-port", std::to_string(tftpPort), "--tftp-timeout", tftpTimeout});
    TransferHooks().pcAddress = [](std::string& address) {
        address = "127.0.0.1";
        return true;
    };
    TransferHooks().endModule = [this] { moduleEnded = true; };
}

FilePageTest::~FilePageTest() {
    TransferHooks().pcAddress = nullptr;
    TransferHooks().endModule = nullptr;
    unsetenv("VAP_TFTP_PORT");
}

std::string FilePageTest::DeviceTransfer() {
    std::string line;
    RunUntil([&] {
        support::ControlReply reply = Sim().Control("tftp");
        line = reply.lines.empty() ? std::string() : reply.lines[0];
        return line.rfind("state=busy", 0) != 0;
    });
    return line;
}

void FilePageTest::ShortenAnswerWaits(std::initializer_list<VkSNMPRequest2Edits*> requests) {
    for (VkSNMPRequest2Edits* request : requests) request->request.timeout = 1000;
}

uint16_t FilePageTest::StrangerAsks(bool read, const std::string& name) {
    os::UdpSocket stranger;
    if (stranger.Open() != 0 || stranger.Bind("127.0.0.2", 0) != 0) return 0;
    const tftp::Opcode opcode = read ? tftp::kReadRequest : tftp::kWriteRequest;
    std::string request{'\0', static_cast<char>(opcode)};
    request += name + '\0' + "octet" + '\0';
    if (stranger.SendTo(request, "127.0.0.1", static_cast<uint16_t>(tftpPort)) != 0) return 0;
    os::Datagram answer;
    if (!RunUntil([&] { return stranger.ReceiveFrom(answer) == 0; })) return 0;
    return tftp::NumberAt(answer.data, 0);
}

std::string FilePageTest::Fetched(const std::string& name) {
    return ReadFile(Sim().StateFolder() + "/files/" + name);
}

}  // namespace filepagetest
