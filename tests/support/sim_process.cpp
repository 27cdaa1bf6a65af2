#include "tests/support/sim_process.h"

#include <chrono>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "tests/support/run_tool.h"

namespace support {

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kAttempts = 3;  // a port taken between choosing and binding

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
    return sim::SendControlCommand(folder_ + "/control.sock", line);
}

}  // namespace support
