#include "tests/shell/module_program.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "tests/support/run_tool.h"

namespace shell_test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr uid_t kNobody = 65534;

// Folders the program may write, also when it runs as nobody.
std::string OpenFolder(const std::string& path) {
    ::mkdir(path.c_str(), 0777);
    ::chmod(path.c_str(), 0777);
    return path;
}

os::UniqueFd BindViewer(const std::string& path) {
    os::UniqueFd fd(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) fd.Reset();
    ::chmod(path.c_str(), 0666);
    return fd;
}

// "9:5:7 text\n" -> "text".
std::string Unstamped(std::string line) {
    size_t blank = line.find(' ');
    if (blank != std::string::npos) line.erase(0, blank + 1);
    while (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

}  // namespace

std::string ModuleProgramPath() { return VAP_MODULE_PROGRAM; }

ModuleProgram::ModuleProgram(const std::string& root) : root_(root) {
    ::chmod(root_.c_str(), 0755);
    viewer_ = BindViewer(OpenFolder(root_ + "/runtime") + "/vap7720-trace.sock");
    OpenFolder(root_ + "/data");
}

ModuleProgram::~ModuleProgram() { Stop(); }

bool ModuleProgram::Start(const std::vector<std::string>& arguments, const std::string& folder,
                          const std::string& program, bool asNobody,
                          const std::vector<std::string>& environment) {
    std::vector<std::string> argv;
    if (asNobody && ::geteuid() == 0)
        argv = {"setpriv", "--reuid=" + std::to_string(kNobody), "--regid=" + std::to_string(kNobody),
                "--clear-groups"};
    argv.insert(argv.end(), {"env", "-C", folder, program.empty() ? ModuleProgramPath() : program});
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> settings = {
        "QT_QPA_PLATFORM=offscreen",     "VAP_TIME_SCALE=1",
        "XDG_RUNTIME_DIR=" + root_ + "/runtime", "APPDATA=" + root_ + "/data",
        "HOME=" + root_ + "/data",       "XDG_CONFIG_HOME=" + root_ + "/data",
        "XDG_DATA_HOME=" + root_ + "/data", "VAP_REGISTRY_FILE=" + RegistryFile()};
    settings.insert(settings.end(), environment.begin(), environment.end());
    pid_ = support::StartProgram(argv, root_ + "/output.log", settings);
    return viewer_.Valid() && pid_ > 0;
}

bool ModuleProgram::FindLine(const std::string& prefix, size_t from, std::string& line) const {
    for (size_t i = from; i < lines_.size(); ++i) {
        if (lines_[i].rfind(prefix, 0) != 0) continue;
        line = lines_[i];
        return true;
    }
    return false;
}

std::string ModuleProgram::WaitForLine(const std::string& prefix, int timeoutMs) {
    std::string line;
    if (FindLine(prefix, 0, line)) return line;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{viewer_.Get(), POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buffer[2048];
        ssize_t got = ::recv(viewer_.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (got <= 0) continue;
        lines_.push_back(Unstamped(std::string(buffer, static_cast<size_t>(got))));
        if (FindLine(prefix, lines_.size() - 1, line)) return line;
    }
    return "";
}

bool ModuleProgram::RunsAfter(int ms) {
    if (pid_ <= 0) return false;
    auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

int ModuleProgram::Stop() {
    if (pid_ > 0) {
        exitCode_ = support::StopProgram(pid_);
        pid_ = -1;
    }
    return exitCode_;
}

std::string ModuleProgram::Output() const { return support::ReadFile(root_ + "/output.log"); }

}  // namespace shell_test
