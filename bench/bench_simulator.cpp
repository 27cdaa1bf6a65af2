#include "bench/bench_simulator.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/os/udp_socket.h"

extern char** environ;

namespace {

constexpr int kAttempts = 3;  // a port taken between choosing and binding
constexpr auto kStartTimeout = std::chrono::seconds(15);

}  // namespace

BenchSimulator::BenchSimulator(const std::string& folder, const std::vector<std::string>& options)
    : folder_(folder) {
    for (int attempt = 0; attempt < kAttempts && !Started(); ++attempt)
        if (Launch(options) && !WaitUntilAnswering()) Stop();
}

BenchSimulator::~BenchSimulator() { Stop(); }

void BenchSimulator::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool BenchSimulator::Launch(const std::vector<std::string>& options) {
    port_ = os::FreeUdpPort();
    std::vector<std::string> arguments = {VAP_SIM_PROGRAM, "--listen", "127.0.0.1:" + std::to_string(port_),
                                          "--control", folder_ + "/control.sock", "--state-dir",
                                          folder_ + "/state"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, (folder_ + "/sim.log").c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid_ > 0;
}

// The control channel opens after the agent's port: once it answers, so does
// the agent. A simulator that ended (its port was taken) is not waited for.
bool BenchSimulator::WaitUntilAnswering() {
    auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        if (Control("ping").ok) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

sim::ControlReply BenchSimulator::Control(const std::string& line) const {
    return sim::SendControlCommand(folder_ + "/control.sock", line);
}
