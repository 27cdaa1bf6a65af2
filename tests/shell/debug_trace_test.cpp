#include "shell/debug_trace.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/os/trace_sink.h"
#include "platform/os/unique_fd.h"
#include "tests/platform/os/test_support.h"

namespace {

struct LineCase {
    std::string text;
    int hour, minute, second;
    std::string line;
};

// A time-of-day number as the stamp writes it: decimal, no leading zero.
bool StampNumber(const std::string& text, int highest) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0')) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return std::stoi(text) <= highest;
}

// The line without its "H:M:S " stamp after the leading line feeds;
// "<no stamp>" when there is none.
std::string Unstamped(const std::string& line) {
    size_t start = line.find_first_not_of('\n');
    if (start == std::string::npos) return "<no stamp>";
    size_t colon1 = line.find(':', start);
    if (colon1 == std::string::npos) return "<no stamp>";
    size_t colon2 = line.find(':', colon1 + 1);
    if (colon2 == std::string::npos) return "<no stamp>";
    size_t blank = line.find(' ', colon2 + 1);
    if (blank == std::string::npos ||
        !StampNumber(line.substr(start, colon1 - start), 23) ||
        !StampNumber(line.substr(colon1 + 1, colon2 - colon1 - 1), 59) ||
        !StampNumber(line.substr(colon2 + 1, blank - colon2 - 1), 60)) {
        return "<no stamp>";
    }
    return line.substr(0, start) + line.substr(blank + 1);
}

class DebugTraceTest : public ::testing::Test {
protected:
    // A debug viewer bound at the trace socket.
    os::UniqueFd Listen() {
        os::UniqueFd fd(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, os::TraceSocketPath().c_str(), sizeof address.sun_path - 1);
        if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) fd.Reset();
        return fd;
    }
    static std::string Receive(const os::UniqueFd& viewer) {
        char buffer[2048];
        ssize_t got = ::recv(viewer.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
        return got < 0 ? "<nothing>" : std::string(buffer, static_cast<size_t>(got));
    }

    os_test::TempFolder runtime_;
    os_test::ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.Path()};
};

}  // namespace

TEST(TraceLine, StampsTheTimeAfterTheLeadingLineFeeds) {
    const std::string x600(600, 'x');
    const LineCase cases[] = {
        {"Timer1Timer is come in !\n", 9, 5, 7, "9:5:7 Timer1Timer is come in !\n"},
        {"\n\nFormCreate is come in !\n", 23, 59, 10, "\n\n23:59:10 FormCreate is come in !\n"},
        {"a\nb\n", 0, 0, 0, "0:0:0 a\nb\n"},
        {"", 12, 30, 45, "12:30:45 "},
        {"\n", 1, 2, 3, "\n1:2:3 "},
        {x600, 1, 2, 3, "1:2:3 " + x600.substr(0, 500)},
        {"\n\n\n" + x600, 1, 2, 3, "\n\n\n1:2:3 " + x600.substr(0, 500)},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(TraceLine(c.text, c.hour, c.minute, c.second), c.line) << c.text.substr(0, 40);
    }
}

TEST(TraceStamp, TheTestsStampReaderRefusesWhatTheStampNeverHolds) {
    EXPECT_EQ(Unstamped("\n9:5:7 x"), "\nx");
    EXPECT_EQ(Unstamped("09:5:7 x"), "<no stamp>");
    EXPECT_EQ(Unstamped("9:5 x"), "<no stamp>");
    EXPECT_EQ(Unstamped("24:0:0 x"), "<no stamp>");
}

TEST_F(DebugTraceTest, AViewerReceivesTheFormattedLineStampedWithTheTime) {
    os::UniqueFd viewer = Listen();
    ASSERT_TRUE(viewer.Valid());
    DebugTrace("TFM_Waiting is come in !\n");
    EXPECT_EQ(Unstamped(Receive(viewer)), "TFM_Waiting is come in !\n");
    DebugTrace("\n%d%% of %s, %u, %x\n", 50, "eight", 4000000000u, 255);
    EXPECT_EQ(Unstamped(Receive(viewer)), "\n50% of eight, 4000000000, ff\n");
    EXPECT_EQ(Receive(viewer), "<nothing>");
}

TEST_F(DebugTraceTest, WithoutAViewerNothingFails) {
    DebugTrace("nobody listens %d\n", 1);
    os_test::WriteFile(os::TraceSocketPath(), "");  // a plain file in the way
    DebugTrace("still nobody\n");
    EXPECT_EQ(os_test::FileText(os::TraceSocketPath()), "");
}
