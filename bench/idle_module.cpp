// What an idle module costs: starts modules against simulated access points,
// lets them idle with their main windows open (probe, blink and poll
// running), and prints their CPU time as a share of one core and their peak
// resident memory (as VmHWM counts it: every page of the shared libraries
// the process touched, beside its private memory, shown in brackets),
// offscreen and under a virtual X display (Xvfb) side by side. The same for
// a bare window of the main window's size (this program run with
// --bare-window) as the anchor.
//
//   idle_module [seconds]               one module (default 30 s)
//   idle_module --modules N [seconds]   N modules at once, the k-th against
//                                       its own simulator on 127.0.1.k

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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
constexpr int kMostModules = 254;
constexpr char kXvfbProgram[] = "/usr/bin/Xvfb";

struct Usage {
    double share = 0;  // percent of one core
    double peakMB = 0;  // peak resident memory, shared libraries' pages included
    double privateMB = 0;  // resident anonymous memory at the end: heap, stacks
};

// The figures of a group of processes measured together.
struct GroupUsage {
    Usage mean;
    Usage worst;
    int measured = 0;
};

std::string MakeFolder(const std::string& parent = "/tmp") {
    std::string pattern = parent + "/idle-module-bench-XXXXXX";
    return ::mkdtemp(&pattern[0]) == nullptr ? std::string() : pattern;
}

// Starts a program with its output in log, extraEnv over this program's
// environment, passedFd (when given) as its descriptor 3 and workFolder (when
// given) as its working folder.
pid_t Spawn(std::vector<std::string> arguments, const std::string& log, const std::vector<std::string>& extraEnv,
            int passedFd = -1, const std::string& workFolder = std::string()) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnv);
    for (char** variable = environ; *variable; ++variable) {
        std::string entry(*variable);
        std::string name = entry.substr(0, entry.find('='));
        bool replaced = std::any_of(extraEnv.begin(), extraEnv.end(), [&](const std::string& extra) {
            return extra.compare(0, name.size() + 1, name + "=") == 0;
        });
        if (!replaced) environment.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(&variable[0]);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (passedFd >= 0) posix_spawn_file_actions_adddup2(&actions, passedFd, 3);
    if (!workFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workFolder.c_str());
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

// The time the process's threads have run so far, to the nanosecond, from
// the scheduler (each thread's first schedstat figure); negative when the
// kernel keeps no such figure.
double ScheduledSeconds(pid_t pid) {
    std::error_code error;
    double total = 0;
    bool found = false;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        unsigned long long nanoseconds = 0;
        if (schedstat >> nanoseconds) {
            total += static_cast<double>(nanoseconds) / 1e9;
            found = true;
        }
    }
    return found ? total : -1;
}

// CPU time so far; negative when the process is gone. User and system time
// come in clock ticks (10 ms), too coarse for a process that runs a few
// milliseconds a second: they are only the fallback.
double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos || nameEnd + 4 > text.size() || text[nameEnd + 2] == 'Z') return -1;
    double scheduled = ScheduledSeconds(pid);
    if (scheduled >= 0) return scheduled;
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    unsigned long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) user = std::stoul(field);
        if (i == 15) system = std::stoul(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// A "Name:   N kB" line of the process's status, in KiB.
long StatusKiB(pid_t pid, const std::string& name) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name + ":", 0) == 0) return std::stol(line.substr(name.size() + 1));
    return 0;
}

// CPU time over `seconds` after the settling time, and the peak memory, of
// every process in the group: their mean and the worst of them.
GroupUsage Measure(const std::vector<pid_t>& pids, int seconds) {
    std::this_thread::sleep_for(std::chrono::seconds(kSettleSeconds));
    std::vector<double> before;
    for (pid_t pid : pids) before.push_back(CpuSeconds(pid));
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    GroupUsage group;
    for (size_t i = 0; i < pids.size(); ++i) {
        double after = CpuSeconds(pids[i]);
        if (before[i] < 0 || after < 0) continue;  // it ended: not idle
        Usage usage{100.0 * (after - before[i]) / seconds, StatusKiB(pids[i], "VmHWM") / 1024.0,
                    StatusKiB(pids[i], "RssAnon") / 1024.0};
        group.mean.share += usage.share;
        group.mean.peakMB += usage.peakMB;
        group.mean.privateMB += usage.privateMB;
        group.worst.share = std::max(group.worst.share, usage.share);
        group.worst.peakMB = std::max(group.worst.peakMB, usage.peakMB);
        group.worst.privateMB = std::max(group.worst.privateMB, usage.privateMB);
        ++group.measured;
    }
    if (group.measured > 0) {
        group.mean.share /= group.measured;
        group.mean.peakMB /= group.measured;
        group.mean.privateMB /= group.measured;
    }
    return group;
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

// A virtual X display for the run; Xvfb picks a free display number and
// writes it to the pipe.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& log) {
        if (::access(kXvfbProgram, X_OK) != 0) return;
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = Spawn({kXvfbProgram, "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, log,
                     {}, fds[1]);
        ::close(fds[1]);
        std::string number;
        char c = 0;
        while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(fds[0]);
        if (!number.empty()) name_ = ":" + number;
    }
    ~VirtualDisplay() { Stop(pid_); }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Empty when there is no Xvfb or it did not start.
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

// The simulated devices and the settings the modules need to reach them.
class Devices {
public:
    Devices(const std::string& folder, int count) : folder_(folder) {
        WriteFile(folder + "/registry.ini", "[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile]\nPath=" + folder + "/\n");
        for (int k = 1; k <= count; ++k) {
            std::string address = count == 1 ? "127.0.0.1" : "127.0.1." + std::to_string(k);
            std::string state = folder + "/sim-" + std::to_string(k);
            std::filesystem::create_directories(state);
            int port = os::FreeUdpPort();
            simulators_.push_back(Spawn({VAP_SIM_PROGRAM, "--listen", address + ":" + std::to_string(port),
                                         "--state-dir", state},
                                        folder + "/simulators.log", {}));
            WriteFile(folder + "/" + address + ".cfg", "[Program Information]\nAgentPort=" + std::to_string(port) +
                                                           "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                                                           "AuthProtocol=0\nPrivProtocol=0\n");
            addresses_.push_back(address);
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    ~Devices() {
        for (pid_t simulator : simulators_) Stop(simulator);
    }
    Devices(const Devices&) = delete;
    Devices& operator=(const Devices&) = delete;

    bool Started() const {
        return std::none_of(simulators_.begin(), simulators_.end(), [](pid_t pid) { return pid <= 0; });
    }
    const std::vector<std::string>& Addresses() const { return addresses_; }

    // The environment of a module or bare window on the given display
    // (offscreen when empty).
    std::vector<std::string> Environment(const std::string& display) const {
        std::vector<std::string> environment = {"VAP_REGISTRY_FILE=" + folder_ + "/registry.ini",
                                                "APPDATA=" + folder_, "XDG_RUNTIME_DIR=" + folder_};
        if (display.empty()) {
            environment.push_back("QT_QPA_PLATFORM=offscreen");
        } else {
            environment.push_back("QT_QPA_PLATFORM=xcb");
            environment.push_back("DISPLAY=" + display);
        }
        return environment;
    }

private:
    std::string folder_;
    std::vector<pid_t> simulators_;
    std::vector<std::string> addresses_;
};

// Each module runs in a working folder of its own (it keeps its boots
// counter there).
GroupUsage MeasureModules(const Devices& devices, const std::string& folder, const std::string& display,
                          int seconds) {
    std::vector<pid_t> modules;
    for (const std::string& address : devices.Addresses()) {
        std::string work = folder + "/work-" + address + (display.empty() ? "-offscreen" : "-xvfb");
        std::filesystem::create_directories(work);
        pid_t module = Spawn({VAP_MODULE_PROGRAM, "/I" + address, "/Rpublic", "/Wprivate", "/v1"},
                             folder + "/modules.log", devices.Environment(display), -1, work);
        if (module > 0) modules.push_back(module);
    }
    GroupUsage usage = Measure(modules, seconds);
    for (pid_t module : modules) Stop(module);
    return usage;
}

GroupUsage MeasureBareWindow(const Devices& devices, const std::string& folder, const std::string& display,
                             int seconds) {
    pid_t bare = Spawn({os::ExecutablePath(), "--bare-window"}, folder + "/bare.log", devices.Environment(display));
    GroupUsage usage = Measure({bare}, seconds);
    Stop(bare);
    return usage;
}

std::string Figure(const GroupUsage& usage, bool worst, bool available) {
    if (!available) return "      (no Xvfb)";
    if (usage.measured == 0) return "   (ended early)";
    const Usage& figure = worst ? usage.worst : usage.mean;
    char text[64];
    std::snprintf(text, sizeof text, "%6.3f %%  %5.1f MB (%4.1f)", figure.share, figure.peakMB, figure.privateMB);
    return text;
}

void PrintRow(const char* what, const GroupUsage& offscreen, const GroupUsage& xvfb, bool withXvfb, bool worst) {
    std::printf("%-34s %-27s   %-27s\n", what, Figure(offscreen, worst, true).c_str(),
                Figure(xvfb, worst, withXvfb).c_str());
}

int PrintUsage(const char* program) {
    std::fprintf(stderr, "usage: %s [--modules N] [seconds]   (1 <= N <= %d)\n", program, kMostModules);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--bare-window") return RunBareWindow(argc, argv);
    int count = 1;
    int seconds = 30;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--modules" && i + 1 < argc) {
            count = std::atoi(argv[++i]);
        } else {
            seconds = std::atoi(argv[i]);
        }
    }
    if (count < 1 || count > kMostModules || seconds < 1) return PrintUsage(argv[0]);
    const std::string folder = MakeFolder();
    if (folder.empty()) return 1;
    Devices devices(folder, count);
    if (!devices.Started()) {
        std::fprintf(stderr, "idle_module: cannot start the simulators (log in %s)\n", folder.c_str());
        return 1;
    }
    GroupUsage offscreen = MeasureModules(devices, folder, "", seconds);
    GroupUsage bareOffscreen = count == 1 ? MeasureBareWindow(devices, folder, "", seconds) : GroupUsage();
    GroupUsage xvfb, bareXvfb;
    bool withXvfb = false;
    {
        VirtualDisplay display(folder + "/xvfb.log");
        withXvfb = !display.Name().empty();
        if (withXvfb) {
            xvfb = MeasureModules(devices, folder, display.Name(), seconds);
            if (count == 1) bareXvfb = MeasureBareWindow(devices, folder, display.Name(), seconds);
        }
    }
    std::printf("idle for %d s (after %d s of start-up), %d module%s against %s:\n", seconds, kSettleSeconds, count,
                count == 1 ? "" : "s at once", count == 1 ? "the simulated device" : "a simulator each");
    std::printf("%-34s %-27s   %-27s\n", "", "offscreen", "Xvfb");
    std::printf("%-34s %-27s   %-27s\n", "", "CPU, peak memory (private)", "CPU, peak memory (private)");
    if (count == 1) {
        PrintRow("module (probe, blink, poll)", offscreen, xvfb, withXvfb, false);
        PrintRow("bare window of the same size", bareOffscreen, bareXvfb, withXvfb, false);
    } else {
        PrintRow("each module, mean", offscreen, xvfb, withXvfb, false);
        PrintRow("each module, the busiest", offscreen, xvfb, withXvfb, true);
        if (offscreen.measured < count || (withXvfb && xvfb.measured < count))
            std::printf("(some modules ended before the measurement: see %s/modules.log)\n", folder.c_str());
    }
    if (offscreen.measured == count && (!withXvfb || xvfb.measured == count)) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    return 0;
}
