#include "tests/support/sim_process.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "tests/support/run_tool.h"

namespace support {

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kAttempts = 3;  // a port taken between choosing and binding

int ConnectUnix(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return -1;
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

// Reads lines until one is "ok" or starts with "error".
ControlReply ReadReply(int fd) {
    ControlReply reply;
    std::string pending;
    char buffer[4096];
    while (true) {
        size_t newline;
        while ((newline = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (line == "ok") {
                reply.ok = true;
                return reply;
            }
            if (line.rfind("error", 0) == 0) {
                reply.error = line.size() > 6 ? line.substr(6) : std::string();
                return reply;
            }
            reply.lines.push_back(line);
        }
        ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            reply.error = "control channel closed";
            return reply;
        }
        pending.append(buffer, static_cast<size_t>(n));
    }
}

bool Exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

SimProcess::SimProcess(SimSettings settings) : settings_(std::move(settings)) {}

SimProcess::~SimProcess() {
    Stop();
    RemoveFolder(folder_);
}

std::string SimProcess::Address() const { return "127.0.0.1:" + std::to_string(port_); }

std::string SimProcess::Output() const { return ReadFile(folder_ + "/output.txt"); }

bool SimProcess::Start(std::string& error) {
    if (!folder_.empty()) RemoveFolder(folder_);  // a simulator started before
    folder_ = MakeTempFolder("vap7720-simtest");
    if (folder_.empty()) {
        error = "cannot create a temporary folder";
        return false;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        port_ = FreeUdpPort();
        std::vector<std::string> argv = settings_.launcher;
        argv.insert(argv.end(), {VAP_SIM_PROGRAM, "--listen", Address(), "--control",
                                 folder_ + "/control.sock", "--state-dir", StateFolder()});
        argv.insert(argv.end(), settings_.arguments.begin(), settings_.arguments.end());
        pid_ = StartProgram(argv, folder_ + "/output.txt", settings_.environment);
        if (pid_ > 0 && WaitUntilAnswering(kStartTimeoutMs)) return true;
        Stop();
        error = Output();
        if (error.find("cannot listen") == std::string::npos) return false;
    }
    return false;
}

bool SimProcess::WaitUntilAnswering(int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Exited(pid_)) {
            pid_ = -1;
            return false;
        }
        if (Control("ping").ok) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

int SimProcess::Stop() {
    if (pid_ <= 0) return -1;
    int code = StopProgram(pid_);
    pid_ = -1;
    return code;
}

int SimProcess::WaitForExit(int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) return -2;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

ControlReply SimProcess::Control(const std::string& line) const {
    int fd = ConnectUnix(folder_ + "/control.sock");
    if (fd < 0) return ControlReply{false, {}, "cannot connect to the control channel"};
    std::string text = line + "\n";
    ControlReply reply;
    if (send(fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size()))
        reply = ReadReply(fd);
    else
        reply.error = "cannot send to the control channel";
    close(fd);
    return reply;
}

}  // namespace support
