// What one idle module costs: starts the module against the simulated access
// point (headless, offscreen), lets it idle with its main window open (probe,
// blink and poll running), and prints its CPU time as a share of one core
// and its peak resident memory. The same for a bare window of the same size
// (this program run with --bare-window) as the anchor.
//
//   idle_module [seconds]      (default 30)

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/executable_path.h"
#include "platform/os/udp_socket.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"

extern char** environ;

namespace {

// The first seconds (start-up, first reads) are not counted.
constexpr int kSettleSeconds = 3;

struct Usage {
    double cpuSeconds = 0;
    long peakKiB = 0;
};

std::string MakeFolder() {
    char pattern[] = "/tmp/idle-module-bench-XXXXXX";
    return ::mkdtemp(pattern) == nullptr ? std::string() : std::string(pattern);
}

pid_t Spawn(std::vector<std::string> arguments, const std::string& log, const std::vector<std::string>& extraEnv) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnv);
    for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(&variable[0]);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos || nameEnd + 2 > text.size()) return 0;  // the process is gone
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    unsigned long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) user = std::stoul(field);
        if (i == 15) system = std::stoul(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

long PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// CPU time over `seconds` after the settling time, and the peak memory.
Usage Measure(pid_t pid, int seconds) {
    std::this_thread::sleep_for(std::chrono::seconds(kSettleSeconds));
    Usage usage;
    double before = CpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    usage.cpuSeconds = CpuSeconds(pid) - before;
    usage.peakKiB = PeakKiB(pid);
    return usage;
}

void Print(const char* what, const Usage& usage, int seconds) {
    std::printf("%-28s %6.3f %% of one core   peak RSS %6.1f MB\n", what,
                100.0 * usage.cpuSeconds / seconds, usage.peakKiB / 1024.0);
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// The anchor: an empty window of the main window's size.
int RunBareWindow(int argc, char** argv) {
    ui::Application application(argc, argv);
    ui::Form window(nullptr);
    window.SetClientSize(498, 116);
    window.Show();
    application.Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--bare-window") return RunBareWindow(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    const std::string folder = MakeFolder();
    const int port = os::FreeUdpPort();
    const std::string log = folder + "/output.log";
    pid_t simulator = Spawn({VAP_SIM_PROGRAM, "--listen", "127.0.0.1:" + std::to_string(port), "--state-dir",
                             folder},
                            log, {});
    std::this_thread::sleep_for(std::chrono::seconds(1));
    WriteFile(folder + "/registry.ini", "[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile]\nPath=" + folder + "/\n");
    WriteFile(folder + "/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(port) +
                                             "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                                             "AuthProtocol=0\nPrivProtocol=0\n");
    const std::vector<std::string> headless = {"QT_QPA_PLATFORM=offscreen", "VAP_REGISTRY_FILE=" + folder +
                                               "/registry.ini", "APPDATA=" + folder,
                                               "XDG_RUNTIME_DIR=" + folder};
    if (::chdir(folder.c_str()) != 0) return 1;
    pid_t module = Spawn({VAP_MODULE_PROGRAM, "/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1"}, log, headless);
    if (simulator <= 0 || module <= 0) {
        std::fprintf(stderr, "idle_module: cannot start the simulator or the module\n");
        return 1;
    }
    Usage moduleUsage = Measure(module, seconds);
    Stop(module);
    Stop(simulator);
    // The working folder has changed: start this program by its full path.
    pid_t bare = Spawn({os::ExecutablePath(), "--bare-window"}, log, headless);
    Usage bareUsage = Measure(bare, seconds);
    Stop(bare);
    std::printf("idle for %d s (after %d s of start-up), module against the simulated device:\n", seconds,
                kSettleSeconds);
    Print("module (probe, blink, poll)", moduleUsage, seconds);
    Print("bare window of the same size", bareUsage, seconds);
    std::printf("goal for the module: at most 0.5 %% of one core and 40 MB\n");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
