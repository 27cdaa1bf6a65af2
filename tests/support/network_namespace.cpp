#include "tests/support/network_namespace.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <cstdlib>

#include "platform/os/process_runner.h"

namespace support {

namespace {

constexpr int kIpTimeoutMilliseconds = 10000;

[[noreturn]] void RunBodyInNewNamespace(int fd, const std::function<std::vector<std::string>()>& body) {
    if (unshare(CLONE_NEWNET) != 0) {
        WriteAll(fd, "SKIP cannot create a network namespace (needs root)\n");
        _exit(0);
    }
    for (const std::string& line : body()) WriteAll(fd, line + "\n");
    _exit(0);
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(got));
    return text;
}

}  // namespace

bool IpProgramPresent() {
    return os::RunProcess("ip", {"-V"}, kIpTimeoutMilliseconds).outcome !=
           os::ProcessResult::Outcome::NotStarted;
}

bool RunIp(const std::vector<std::string>& arguments) {
    os::ProcessResult result = os::RunProcess("ip", arguments, kIpTimeoutMilliseconds);
    return result.outcome == os::ProcessResult::Outcome::Exited && result.exitCode == 0;
}

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote <= 0) return;
        done += static_cast<size_t>(wrote);
    }
}

std::vector<std::string> LinesFromOwnNetworkNamespace(
    const std::function<std::vector<std::string>()>& body) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return {"FAILED pipe"};
    pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        RunBodyInNewNamespace(ends[1], body);
    }
    close(ends[1]);
    std::string text = ReadAll(ends[0]);
    close(ends[0]);
    if (child > 0) waitpid(child, nullptr, 0);

    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string SkipReason(const std::vector<std::string>& lines) {
    if (lines.empty() || lines[0].rfind("SKIP ", 0) != 0) return "";
    return lines[0].substr(5);
}

ThreadNetworkNamespace::ThreadNetworkNamespace(const std::string& firstAddress,
                                               const std::string& secondAddress) {
    if (geteuid() != 0) {
        skipReason_ = "a network namespace needs root";
        return;
    }
    if (!IpProgramPresent()) {
        skipReason_ = "the ip program is missing";
        return;
    }
    original_ = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    if (original_ < 0 || unshare(CLONE_NEWNET) != 0) {
        if (original_ >= 0) close(original_);
        original_ = -1;
        skipReason_ = "cannot create a network namespace";
        return;
    }
    bool built = RunIp({"link", "set", "lo", "up"}) &&
                 RunIp({"link", "add", "vtest0", "type", "veth", "peer", "name", "vtest1"}) &&
                 RunIp({"addr", "add", firstAddress + "/24", "dev", "vtest0"}) &&
                 RunIp({"addr", "add", secondAddress + "/24", "dev", "vtest1"}) &&
                 RunIp({"link", "set", "vtest0", "up"}) && RunIp({"link", "set", "vtest1", "up"});
    if (!built) skipReason_ = "ip could not build the veth pair";
}

ThreadNetworkNamespace::~ThreadNetworkNamespace() {
    if (original_ < 0) return;
    // Failing to return would leave the rest of the program on a private
    // network; stop loudly instead.
    if (setns(original_, CLONE_NEWNET) != 0) std::abort();
    close(original_);
}

}  // namespace support
