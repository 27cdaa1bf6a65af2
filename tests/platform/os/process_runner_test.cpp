#include "platform/os/process_runner.h"

#include "platform/os/clock.h"
#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <fstream>

using os::ProcessResult;
using Outcome = ProcessResult::Outcome;

namespace {

// No child of the test process is left, running or as a zombie.
bool NoChildLeft() {
    errno = 0;
    return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

// Whether pid still runs (a zombie counts as ended).
bool Running(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidText, name, state;
    if (!(stat >> pidText >> name >> state)) return false;
    return state != "Z";
}

}  // namespace

TEST(ProcessRunner, CapturesOutputAndTheWayTheProgramEnded) {
    struct Case {
        const char* what;
        std::string program;
        std::vector<std::string> arguments;
        Outcome outcome;
        int exitCode;
        std::string output, errors;
    };
    const Case cases[] = {
        {"both outputs apart", "sh", {"-c", "printf out; printf err >&2; exit 3"}, Outcome::Exited, 3, "out", "err"},
        {"arguments reach the program verbatim, no shell", "printf", {"[%s]", "a b", "$HOME", ";", "*", ""},
         Outcome::Exited, 0, "[a b][$HOME][;][*][]", ""},
        {"ended by a signal", "sh", {"-c", "kill -TERM $$"}, Outcome::Signalled, SIGTERM, "", ""},
        {"a full path", "/bin/sh", {"-c", "echo hi"}, Outcome::Exited, 0, "hi\n", ""},
    };
    for (const Case& c : cases) {
        ProcessResult result = os::RunProcess(c.program, c.arguments, os_test::Unscaled(10000));
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.exitCode, c.exitCode) << c.what;
        EXPECT_EQ(result.output, c.output) << c.what;
        EXPECT_EQ(result.errors, c.errors) << c.what;
        EXPECT_EQ(result.startError, 0) << c.what;
    }
    EXPECT_TRUE(NoChildLeft());
}

TEST(ProcessRunner, StandardInputIsEmptyWhateverTheCallersIs) {
    // The caller's standard input is a pipe that never ends; a program that
    // inherited it would wait for input until the time-out.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    int savedInput = ::dup(0);
    ::dup2(fds[0], 0);
    ProcessResult result = os::RunProcess("cat", {}, os_test::Unscaled(2000));
    ::dup2(savedInput, 0);
    for (int fd : {savedInput, fds[0], fds[1]}) ::close(fd);
    EXPECT_EQ(result.outcome, Outcome::Exited);
    EXPECT_EQ(result.output, "");
}

TEST(ProcessRunner, OutputLargerThanAPipeBufferDoesNotStall) {
    ProcessResult result =
        os::RunProcess("sh", {"-c", "head -c 300000 /dev/zero; head -c 200000 /dev/zero >&2"},
                                           os_test::Unscaled(10000));
    EXPECT_EQ(result.outcome, Outcome::Exited);
    EXPECT_EQ(result.output.size(), 300000u);
    EXPECT_EQ(result.errors.size(), 200000u);
}

TEST(ProcessRunner, AProgramThatCannotStartIsReported) {
    os_test::TempFolder temp;
    os_test::WriteFile(temp / "not-executable", "#!/bin/sh\n");
    os_test::WriteFile(temp / "not-a-program", "\x7F" "ELF garbage");
    ::chmod((temp / "not-a-program").c_str(), 0755);
    struct Case {
        std::string program;
        int error;
    };
    const Case cases[] = {
        {"vap-no-such-program", ENOENT},
        {temp / "missing", ENOENT},
        {temp / "not-executable", EACCES},
        {temp / "not-a-program", ENOEXEC},
    };
    for (const Case& c : cases) {
        ProcessResult result = os::RunProcess(c.program, {}, os_test::Unscaled(1000));
        EXPECT_EQ(result.outcome, Outcome::NotStarted) << c.program;
        EXPECT_EQ(result.startError, c.error) << c.program;
    }
    EXPECT_TRUE(NoChildLeft());
}

TEST(ProcessRunner, TimeOutKillsTheProgramAndWhatItStarted) {
    struct Case {
        const char* what;
        std::string script;
    };
    const Case cases[] = {
        {"still writing", "echo $$; sleep 30 & echo $!; wait"},
        {"output closed, still running", "echo $$; sleep 30 >/dev/null 2>&1 & echo $!; exec >&- 2>&-; wait"},
    };
    for (const Case& c : cases) {
        uint64_t start = os::TickCount();
        const int bound = os_test::Unscaled(300);
        ProcessResult result = os::RunProcess("sh", {"-c", c.script}, bound);
        uint64_t elapsed = os::TickCount() - start;
        EXPECT_EQ(result.outcome, Outcome::TimedOut) << c.what;
        EXPECT_GE(elapsed, static_cast<uint64_t>(os::Scaled(bound))) << c.what;
        EXPECT_LT(elapsed, static_cast<uint64_t>(os::Scaled(bound)) + 3000) << c.what;
        EXPECT_TRUE(NoChildLeft()) << c.what;
        // The output written before the time-out is kept: the shell's pid and
        // the pid of its background sleep, both gone now.
        pid_t shell = 0, sleeper = 0;
        ASSERT_EQ(std::sscanf(result.output.c_str(), "%d %d", &shell, &sleeper), 2) << result.output;
        EXPECT_FALSE(Running(shell)) << c.what;
        for (int i = 0; i < 100 && Running(sleeper); ++i) ::usleep(10000);  // SIGKILL lands at once
        EXPECT_FALSE(Running(sleeper)) << c.what;
    }
}

TEST(ProcessRunner, ListsTheIpv4AddressesWithIp) {
    ProcessResult result = os::RunProcess("ip", {"-4", "-o", "addr", "show"}, os_test::Unscaled(5000));
    if (result.outcome == Outcome::NotStarted) GTEST_SKIP() << "the ip program is not installed";
    EXPECT_EQ(result.outcome, Outcome::Exited);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.output.find("inet 127.0.0.1/8"), std::string::npos) << result.output;
}
