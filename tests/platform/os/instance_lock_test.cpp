#include "platform/os/instance_lock.h"

#include "platform/os/process_runner.h"
#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

using os::InstanceLock;
using os_test::ScopedEnv;
using os_test::TempFolder;
using Status = InstanceLock::Status;

namespace {

const char kName[] = "VAP-7720 : 192.168.0.50";

class InstanceLockTest : public ::testing::Test {
protected:
    TempFolder runtime_;
    ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.Path()};
};

// A forked child that takes the lock for name, reports its status through a
// pipe, then waits to be killed. The child never returns into the test.
class LockHolder {
public:
    explicit LockHolder(const std::string& name) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            InstanceLock lock(name);
            char status = lock.GetStatus() == Status::Held ? 'H' : 'x';
            (void)!::write(fds[1], &status, 1);
            ::pause();
            ::_exit(0);
        }
        ::close(fds[1]);
        char status = 0;
        held_ = ::read(fds[0], &status, 1) == 1 && status == 'H';
        ::close(fds[0]);
    }
    ~LockHolder() { End(); }
    bool Held() const { return held_; }
    void End() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool held_ = false;
};

}  // namespace

TEST_F(InstanceLockTest, EveryNameStaysAFileDirectlyInTheRuntimeFolder) {
    const std::string names[] = {
        kName, "", "/", "../../etc/passwd", "a/b", "a%2Fb", "..", ".", "\n\t\x01", "\xFF\xFE",
        std::string("nul\0inside", 10), std::string(300, '/'), std::string(300, 'a'),
        std::string(300, 'a') + "b",
    };
    std::set<std::string> paths;
    for (const std::string& name : names) {
        std::string path = os::InstanceLockPath(name);
        std::string prefix = runtime_.Path() + "/";
        ASSERT_EQ(path.compare(0, prefix.size(), prefix), 0) << path;
        std::string fileName = path.substr(prefix.size());
        EXPECT_EQ(fileName.find('/'), std::string::npos) << fileName;
        EXPECT_EQ(fileName.find('\0'), std::string::npos) << fileName;
        EXPECT_LE(fileName.size(), 255u) << fileName;
        EXPECT_TRUE(paths.insert(path).second) << "two names share " << path;
        EXPECT_EQ(InstanceLock(name).GetStatus(), Status::Held) << fileName;
    }
}

TEST_F(InstanceLockTest, NamesCompareExactly) {
    InstanceLock lock(kName);
    ASSERT_EQ(lock.GetStatus(), Status::Held);
    EXPECT_EQ(InstanceLock("vap-7720 : 192.168.0.50").GetStatus(), Status::Held);
    EXPECT_EQ(InstanceLock("VAP-7720 : 192.168.0.51").GetStatus(), Status::Held);
}

TEST_F(InstanceLockTest, ASecondHolderInTheSameProcessFindsItTakenUntilTheFirstGoes) {
    auto first = std::make_unique<InstanceLock>(kName);
    ASSERT_EQ(first->GetStatus(), Status::Held);
    EXPECT_EQ(InstanceLock(kName).GetStatus(), Status::AlreadyExists);
    first.reset();
    EXPECT_EQ(InstanceLock(kName).GetStatus(), Status::Held);
}

TEST_F(InstanceLockTest, AnotherProcessHoldsItUntilThatProcessEnds) {
    LockHolder holder(kName);
    ASSERT_TRUE(holder.Held());
    InstanceLock taken(kName);
    EXPECT_EQ(taken.GetStatus(), Status::AlreadyExists);
    EXPECT_EQ(taken.Error(), 0);
    holder.End();
    EXPECT_EQ(InstanceLock(kName).GetStatus(), Status::Held);
}

TEST_F(InstanceLockTest, AProgramTheHolderStartedDoesNotKeepIt) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    pid_t child = ::fork();
    if (child == 0) {
        // Take the lock, start a long-running program, and end at once.
        InstanceLock lock(kName);
        os::ProcessResult started =
            os::RunProcess("sh", {"-c", "sleep 30 </dev/null >/dev/null 2>&1 & echo $!"},
                           os_test::Unscaled(5000));
        (void)!::write(fds[1], started.output.data(), started.output.size());
        ::_exit(lock.GetStatus() == Status::Held ? 0 : 1);
    }
    ::close(fds[1]);
    char text[32] = "";
    ssize_t got = ::read(fds[0], text, sizeof text - 1);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_GT(got, 0);
    pid_t sleeper = static_cast<pid_t>(std::stol(text));
    EXPECT_EQ(InstanceLock(kName).GetStatus(), Status::Held);
    ::kill(sleeper, SIGKILL);
}

TEST_F(InstanceLockTest, AFolderThatCannotHoldTheFileFails) {
    ScopedEnv missing("XDG_RUNTIME_DIR", runtime_ / "missing");
    InstanceLock lock(kName);
    EXPECT_EQ(lock.GetStatus(), Status::Failed);
    EXPECT_EQ(lock.Error(), ENOENT);
}

TEST_F(InstanceLockTest, ALinkPlantedAtTheLockFileIsNotFollowed) {
    std::string victim = runtime_ / "victim";
    os_test::WriteFile(victim, "keep");
    ASSERT_EQ(::symlink(victim.c_str(), os::InstanceLockPath(kName).c_str()), 0);
    EXPECT_EQ(InstanceLock(kName).GetStatus(), Status::Failed);
    EXPECT_EQ(os_test::FileText(victim), "keep");
}
