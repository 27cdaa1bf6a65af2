#pragma once
// The module program (vap7720-module) as a test starts it: offscreen, in a
// working folder of the test's choice, with private runtime, data and
// registry files under the test's folder. What it shows is followed through
// its debug trace: the test listens on the trace socket of the private
// runtime folder and reads the lines the program sends (message boxes, the
// status line, the main window appearing), without their time stamps.

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/os/unique_fd.h"

namespace shell_test {

class ModuleProgram {
public:
    // root: a folder of the test; the runtime, data and log files go below it.
    explicit ModuleProgram(const std::string& root);
    ~ModuleProgram();  // stops the program when it still runs
    ModuleProgram(const ModuleProgram&) = delete;
    ModuleProgram& operator=(const ModuleProgram&) = delete;

    // Starts `program arguments...` in folder (the module itself unless the
    // test names another program, such as ./run). asNobody: as the user
    // nobody when the test runs as root (for whom no folder is unwritable).
    bool Start(const std::vector<std::string>& arguments, const std::string& folder,
               const std::string& program = "", bool asNobody = false,
               const std::vector<std::string>& environment = {});

    // Waits up to timeoutMs for a trace line starting with prefix; returns it,
    // or "" when none came. Lines read on the way are kept in Lines().
    std::string WaitForLine(const std::string& prefix, int timeoutMs);
    const std::vector<std::string>& Lines() const { return lines_; }

    // Whether the program still runs after waiting up to ms for it to end.
    bool RunsAfter(int ms);
    // Stops it (SIGTERM) unless it has ended; its exit code, -1 when it ended
    // by a signal.
    int Stop();
    std::string Output() const;  // what it printed
    std::string RegistryFile() const { return root_ + "/registry.ini"; }

private:
    bool FindLine(const std::string& prefix, size_t from, std::string& line) const;

    std::string root_;
    os::UniqueFd viewer_;
    pid_t pid_ = -1;
    int exitCode_ = -1;
    std::vector<std::string> lines_;
};

// The module program of this build.
std::string ModuleProgramPath();

}  // namespace shell_test
