#include "platform/os/process_runner.h"

#include "platform/os/clock.h"
#include "platform/os/unique_fd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

extern char** environ;

namespace os {

namespace {

// How often the exit is checked for once the program has closed its output.
constexpr int kExitPollMilliseconds = 1;

struct Pipe {
    UniqueFd read;
    UniqueFd write;
};

int OpenPipe(Pipe& pipe) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return errno;
    pipe.read.Reset(fds[0]);
    pipe.write.Reset(fds[1]);
    return 0;
}

// Spawn settings: stdin from /dev/null, stdout and stderr into the pipes.
class SpawnActions {
public:
    SpawnActions(int outputFd, int errorFd) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions_, outputFd, 1);
        posix_spawn_file_actions_adddup2(&actions_, errorFd, 2);
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    const posix_spawn_file_actions_t* Get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

// Spawn attributes: a process group of its own, no blocked signals and
// default signal handling, whatever the module itself has set.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        posix_spawnattr_setflags(&attributes_,
                                 POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        posix_spawnattr_setpgroup(&attributes_, 0);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes_, &signals);
        sigfillset(&signals);
        posix_spawnattr_setsigdefault(&attributes_, &signals);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* Get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

int Spawn(const std::string& program, const std::vector<std::string>& arguments, int outputFd,
          int errorFd, pid_t& pid) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    SpawnActions actions(outputFd, errorFd);
    SpawnAttributes attributes;
    return posix_spawnp(&pid, program.c_str(), actions.Get(), attributes.Get(), argv.data(), environ);
}

int MillisecondsLeft(uint64_t deadline) {
    uint64_t now = TickCount();
    return now >= deadline ? 0 : static_cast<int>(deadline - now);
}

// Reads what is waiting on fd into text; closes fd at end of file.
void Drain(UniqueFd& fd, std::string& text) {
    char buffer[4096];
    ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got > 0) {
        text.append(buffer, static_cast<size_t>(got));
    } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
        fd.Reset();
    }
}

// Collects both outputs until the program closes them or the deadline
// passes. Returns false on time-out.
bool CollectOutput(UniqueFd& output, UniqueFd& errors, ProcessResult& result, uint64_t deadline) {
    while (output.Valid() || errors.Valid()) {
        int left = MillisecondsLeft(deadline);
        if (left == 0) return false;
        pollfd watched[2] = {{output.Get(), POLLIN, 0}, {errors.Get(), POLLIN, 0}};
        int ready = ::poll(watched, 2, left);  // a closed pipe (fd -1) is skipped by poll
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) continue;
        if (watched[0].revents != 0) Drain(output, result.output);
        if (watched[1].revents != 0) Drain(errors, result.errors);
    }
    return true;
}

// Waits for the program's end until the deadline. Returns false on time-out.
bool AwaitExit(pid_t pid, int& status, uint64_t deadline) {
    for (;;) {
        pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) return true;
        if (ended < 0 && errno != EINTR) return false;
        if (MillisecondsLeft(deadline) == 0) return false;
        ::usleep(kExitPollMilliseconds * 1000);
    }
}

void KillAndReap(pid_t pid, int& status) {
    ::kill(-pid, SIGKILL);  // the program's whole process group
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

void RecordEnd(int status, ProcessResult& result) {
    if (WIFEXITED(status)) {
        result.outcome = ProcessResult::Outcome::Exited;
        result.exitCode = WEXITSTATUS(status);
    } else {
        result.outcome = ProcessResult::Outcome::Signalled;
        result.exitCode = WTERMSIG(status);
    }
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         int timeoutMilliseconds) {
    ProcessResult result;
    Pipe output, errors;
    if ((result.startError = OpenPipe(output)) != 0 || (result.startError = OpenPipe(errors)) != 0) {
        return result;
    }
    uint64_t deadline = TickCount() + static_cast<uint64_t>(std::max(0, Scaled(timeoutMilliseconds)));
    pid_t pid = 0;
    result.startError = Spawn(program, arguments, output.write.Get(), errors.write.Get(), pid);
    if (result.startError != 0) return result;
    // Only the child writes now; our copies would keep the pipes from ending.
    output.write.Reset();
    errors.write.Reset();
    int status = 0;
    if (CollectOutput(output.read, errors.read, result, deadline) && AwaitExit(pid, status, deadline)) {
        RecordEnd(status, result);
    } else {
        KillAndReap(pid, status);
        result.outcome = ProcessResult::Outcome::TimedOut;
    }
    return result;
}

}  // namespace os
