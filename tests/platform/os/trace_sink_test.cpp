#include "platform/os/trace_sink.h"

#include "platform/os/clock.h"
#include "platform/os/unique_fd.h"
#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using os_test::ScopedEnv;
using os_test::TempFolder;

namespace {

// A debug viewer: a datagram socket bound at the trace path.
os::UniqueFd Listen(const std::string& path) {
    os::UniqueFd fd(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) fd.Reset();
    return fd;
}

std::string Receive(const os::UniqueFd& listener) {
    char buffer[1024];
    ssize_t got = ::recv(listener.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
    return got < 0 ? "<nothing>" : std::string(buffer, static_cast<size_t>(got));
}

class TraceSinkTest : public ::testing::Test {
protected:
    TempFolder runtime_;
    ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.Path()};
};

}  // namespace

TEST_F(TraceSinkTest, SocketLiesInTheRuntimeFolder) {
    EXPECT_EQ(os::TraceSocketPath(), runtime_ / "vap7720-trace.sock");
}

TEST_F(TraceSinkTest, AListenerReceivesEachTextAsOneDatagram) {
    os::UniqueFd listener = Listen(os::TraceSocketPath());
    ASSERT_TRUE(listener.Valid());
    const std::string texts[] = {"\n\n9:5:7 Timer1Timer is come in !\n", "", std::string("a\0b", 3)};
    for (const std::string& text : texts) {
        EXPECT_TRUE(os::SendTrace(text));
        EXPECT_EQ(Receive(listener), text);
    }
    EXPECT_EQ(Receive(listener), "<nothing>");
}

TEST_F(TraceSinkTest, WithoutAListenerNothingIsSentAndNothingFails) {
    EXPECT_FALSE(os::SendTrace("nobody there"));  // no socket file

    os_test::WriteFile(os::TraceSocketPath(), "");  // a plain file in the way
    EXPECT_FALSE(os::SendTrace("not a socket"));
    ::unlink(os::TraceSocketPath().c_str());

    { os::UniqueFd gone = Listen(os::TraceSocketPath()); }  // the viewer ended, its file stays
    EXPECT_FALSE(os::SendTrace("stale"));

    ScopedEnv deep("XDG_RUNTIME_DIR", "/" + std::string(200, 'd'));  // too long to address
    EXPECT_FALSE(os::SendTrace("unaddressable"));
}

TEST_F(TraceSinkTest, AViewerThatDoesNotReadNeverBlocksTheSender) {
    os::UniqueFd listener = Listen(os::TraceSocketPath());
    ASSERT_TRUE(listener.Valid());
    uint64_t start = os::TickCount();
    int delivered = 0;
    for (int i = 0; i < 2000; ++i) delivered += os::SendTrace(std::string(400, 't')) ? 1 : 0;
    EXPECT_LT(os::TickCount() - start, 5000u);
    EXPECT_GT(delivered, 0);
    EXPECT_LT(delivered, 2000) << "the queue never filled; the test proves nothing";
    EXPECT_EQ(Receive(listener), std::string(400, 't'));
}
