// The device's TFTP client against tftpd-hpa's in.tftpd, started on a free
// loopback port with its own root folder: files move byte for byte both ways,
// the upgrade commands act on what was fetched, and failures are reported in
// the transfer result within seconds.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using Clock = std::chrono::steady_clock;
using support::ToolResult;

constexpr char kTftpServer[] = "/usr/sbin/in.tftpd";

// A firmware image: a version line, then binary content spanning several
// blocks and ending in a partial one.
std::string FirmwareImage() {
    std::string image = "VAP7720 2.0.1-test\n";
    for (int i = 0; image.size() < 3 * 512 + 77; ++i) image += static_cast<char>(i * 37 % 256);
    return image;
}

// True when something listens on the UDP port of 127.0.0.1.
bool UdpPortBound(int port) {
    std::ifstream table("/proc/net/udp");
    char wanted[16];
    std::snprintf(wanted, sizeof wanted, "0100007F:%04X", port);
    std::string line;
    while (std::getline(table, line))
        if (line.find(wanted) != std::string::npos) return true;
    return false;
}

class TftpServerProcess {
public:
    ~TftpServerProcess() {
        support::StopProgram(pid_);
        support::RemoveFolder(root_);
    }

    bool Start(std::string& error) {
        root_ = support::MakeTempFolder("vap7720-tftproot");
        chmod(root_.c_str(), 0777);  // -c lets the server user create files here
        port_ = support::FreeUdpPort();
        pid_ = support::StartProgram({kTftpServer, "-L", "-a", "127.0.0.1:" + std::to_string(port_),
                                      "-s", root_, "-c", "-p", "-u", "nobody"},
                                     root_ + ".log");
        for (int i = 0; i < 200 && !UdpPortBound(port_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        error = support::ReadFile(root_ + ".log");
        return UdpPortBound(port_);
    }

    int Port() const { return port_; }
    std::string Path(const std::string& name) const { return root_ + "/" + name; }

private:
    std::string root_;
    int port_ = -1;
    pid_t pid_ = -1;
};

class simTftp : public SimTest {
protected:
    simTftp() : SimTest(support::SimSettings{}) {}

    void SetUp() override {
        if (getuid() != 0) GTEST_SKIP() << "in.tftpd needs root to switch to the user nobody";
        if (access(kTftpServer, X_OK) != 0) GTEST_SKIP() << kTftpServer << " is not installed";
        std::string error;
        ASSERT_TRUE(server_.Start(error)) << error;
        sim_.Settings().arguments = {"--tftp-port", std::to_string(server_.Port()),
                                     "--tftp-timeout", "2000"};
        SimTest::SetUp();
    }

    // One SET that names the file and gives the command (the command first:
    // it acts after the whole PDU is stored).
    void Transfer(int command, const std::string& file, const std::string& server = "127.0.0.1") {
        ToolResult set = Run("snmpset", kV2Write,
                             {E(".4.3.2.4.0"), "i", std::to_string(command), E(".4.3.2.1.0"), "a",
                              server, E(".4.3.2.2.0"), "s", file});
        ASSERT_EQ(0, set.exitCode) << set.output;
    }

    void Upgrade(int command) {
        ToolResult set = Run("snmpset", kV2Write, {E(".4.3.2.5.0"), "i", std::to_string(command)});
        ASSERT_EQ(0, set.exitCode) << set.output;
    }

    // The transfer result once it is no longer busy.
    std::string Result(int limitMs = 10000) {
        Clock::time_point start = Clock::now();
        std::string line;
        do {
            std::vector<std::string> lines = Command("tftp");
            line = lines.empty() ? std::string() : lines[0];
            if (line.rfind("state=busy", 0) != 0) return line;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        } while (Clock::now() - start < std::chrono::milliseconds(limitMs));
        return line;
    }

    TftpServerProcess server_;
};

TEST_F(simTftp, GetFetchesTheFileByteForByteAndFirmwareUpdateInstallsIt) {
    const std::string image = FirmwareImage();
    support::WriteFile(server_.Path("fw.bin"), image);

    Transfer(2, "fw.bin");
    EXPECT_EQ("state=done operation=get file=fw.bin bytes=" + std::to_string(image.size()) +
                  " message=ok",
              Result());
    EXPECT_EQ(image, support::ReadFile(sim_.StateFolder() + "/files/fw.bin"));
    EXPECT_EQ("4", Value(kV2Read, E(".4.3.2.4.0"))) << "the command reads Nothing again";

    Upgrade(1);
    EXPECT_EQ("\"VAP7720 2.0.1-test\"", Value(kV2Read, E(".5.1.1.0")));
}

TEST_F(simTftp, PutSendsTheConfigurationAndConfigsaveRestoresIt) {
    Transfer(3, "saved.dcf");
    EXPECT_THAT(Result(), ::testing::StartsWith("state=done operation=put file=saved.dcf"));
    std::string saved = support::ReadFile(server_.Path("saved.dcf"));
    EXPECT_THAT(saved, ::testing::HasSubstr(E(".2.1.1.1.1.2.1") + " 192.168.0.50\n"));
    EXPECT_THAT(saved, ::testing::HasSubstr("1.3.6.1.2.1.1.5.0 VAP-7720\n"));

    ASSERT_EQ(0, Run("snmpset", kV2Write, {E(".2.1.1.1.1.2.1"), "a", "10.0.0.1"}).exitCode);
    Transfer(2, "saved.dcf");
    EXPECT_THAT(Result(), ::testing::StartsWith("state=done operation=get"));
    Upgrade(3);
    EXPECT_EQ("192.168.0.50", Value(kV2Read, E(".2.1.1.1.1.2.1")));
}

TEST_F(simTftp, GetaclRightAfterGetAdoptsTheFetchedListAndPutaclSendsItBack) {
    const std::string acl = "001122334455\n66778899AABB\n";
    support::WriteFile(server_.Path("list.acl"), acl);
    Transfer(2, "list.acl");
    Upgrade(9);  // sent without waiting, as the page does
    EXPECT_THAT(Result(), ::testing::StartsWith("state=done operation=get"));

    Transfer(5, "back.acl");
    EXPECT_THAT(Result(), ::testing::StartsWith("state=done operation=putacl"));
    EXPECT_EQ(acl, support::ReadFile(server_.Path("back.acl")));
}

TEST_F(simTftp, FailuresAreReportedWithinSeconds) {
    struct Case {
        const char* name;
        std::string server;
        const char* message;
    };
    // A dead server: a port of 127.0.0.2 nobody listens on (the same port
    // number as the live server, which is bound to 127.0.0.1 only).
    const Case cases[] = {
        {"missing file", "127.0.0.1", "File Not Found"},
        {"dead server", "127.0.0.2", "Timeout"},
    };
    for (const Case& c : cases) {
        Clock::time_point start = Clock::now();
        Transfer(2, "no-such-file.bin", c.server);
        std::string result = Result(15000);
        EXPECT_THAT(result, ::testing::StartsWith("state=failed operation=get")) << c.name;
        EXPECT_THAT(result, ::testing::HasSubstr(c.message)) << c.name;
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(8)) << c.name;
    }
}

// The request itself, as a bare UDP socket in the place of the server sees it:
// RFC 1350 with no options (no blksize, tsize or timeout), mode octet.
class simTftpRequest : public SimTest {
protected:
    simTftpRequest() : SimTest(support::SimSettings{}) {}

    void SetUp() override {
        socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ASSERT_EQ(0, bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address));
        ASSERT_EQ(0, getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length));
        timeval timeout{5, 0};
        setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        sim_.Settings().arguments = {"--tftp-port", std::to_string(ntohs(address.sin_port)),
                                     "--tftp-timeout", "1000"};
        SimTest::SetUp();
    }

    void TearDown() override {
        SimTest::TearDown();
        close(socket_);
    }

    // The first datagram that arrives after a SET of tftpcommand. Nobody
    // answers it: the transfer fails after its time-out, and its repeated
    // requests are read away before the next one.
    std::string RequestFor(int command, const std::string& file) {
        ToolResult set = Run("snmpset", kV2Write,
                             {E(".4.3.2.1.0"), "a", "127.0.0.1", E(".4.3.2.2.0"), "s", file,
                              E(".4.3.2.4.0"), "i", std::to_string(command)});
        EXPECT_EQ(0, set.exitCode) << set.output;
        char buffer[1024];
        ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
        std::string request = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
        for (int i = 0; i < 1000 && Command("tftp").at(0).rfind("state=busy", 0) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (recv(socket_, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {}
        return request;
    }

    int socket_ = -1;
};

TEST_F(simTftpRequest, ReadAndWriteRequestsCarryNoOptions) {
    using namespace std::string_literals;
    EXPECT_EQ("\0\1fw.bin\0octet\0"s, RequestFor(2, "fw.bin"));
    EXPECT_EQ("\0\2cfg.dcf\0octet\0"s, RequestFor(3, "cfg.dcf"));
}

}  // namespace
}  // namespace simtest
