#include "tests/support/run_tool.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace support {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> ArgvOf(const std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (const std::string& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

// In the child: stdin from /dev/null, stdout and stderr to `fd`, then exec.
[[noreturn]] void ExecWithOutput(const std::vector<std::string>& argv, int fd,
                                 const std::vector<std::string>& environment) {
    int null = open("/dev/null", O_RDONLY);
    dup2(null, STDIN_FILENO);
    dup2(fd, STDOUT_FILENO);
    dup2(fd, STDERR_FILENO);
    for (const std::string& assignment : environment) putenv(strdup(assignment.c_str()));
    std::vector<char*> args = ArgvOf(argv);
    execvp(args[0], args.data());
    _exit(127);
}

int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// Waits for the child at most `ms`; true when it has ended.
bool WaitFor(pid_t pid, int ms, int& status) {
    auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (true) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return true;
        if (done < 0 && errno != EINTR) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& argv, int timeoutMs) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return {};
    pid_t pid = fork();
    if (pid == 0) ExecWithOutput(argv, pipeFds[1], {});
    close(pipeFds[1]);
    ToolResult result;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[4096];
    while (true) {
        int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        deadline - Clock::now()).count());
        pollfd p{pipeFds[0], POLLIN, 0};
        if (left <= 0 || poll(&p, 1, left) <= 0) break;
        ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        result.output.append(buffer, static_cast<size_t>(n));
    }
    close(pipeFds[0]);
    // The output has ended; the program ends with it (or is killed after a
    // short grace when the time is up).
    int status = 0;
    int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    if (!WaitFor(pid, std::max(left, 1000), status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return result;
    }
    result.exitCode = ExitCodeOf(status);
    return result;
}

pid_t StartProgram(const std::vector<std::string>& argv, const std::string& logPath,
                   const std::vector<std::string>& environment) {
    int fd = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    pid_t pid = fork();
    if (pid == 0) ExecWithOutput(argv, fd, environment);
    close(fd);
    return pid;
}

int StopProgram(pid_t pid, int graceMs) {
    if (pid <= 0) return -1;
    int status = 0;
    kill(pid, SIGTERM);
    if (!WaitFor(pid, graceMs, status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return ExitCodeOf(status);
}

std::string MakeTempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + ".XXXXXX")).string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

void RemoveFolder(const std::string& path) {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

}  // namespace support
