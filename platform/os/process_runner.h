#pragma once
// Running a program and collecting what it writes, with a bound on the wait.
// The program gets its arguments as a list (no shell parses them), an empty
// standard input (/dev/null), and the module's environment. Its standard
// output and standard error are captured separately. It runs in a process
// group of its own; when the bound passes, that whole group (the program and
// anything it started) is killed and the program is reaped, so no zombie and
// no stray child is left. The caller blocks meanwhile.

#include <string>
#include <vector>

namespace os {

struct ProcessResult {
    enum class Outcome {
        Exited,      // the program ended by itself; exitCode holds its exit status
        Signalled,   // a signal ended it; exitCode holds the signal number
        TimedOut,    // the bound passed; the program was killed
        NotStarted,  // it could not be started; startError holds the errno
    };
    Outcome outcome = Outcome::NotStarted;
    int exitCode = -1;
    int startError = 0;
    std::string output;  // standard output (what arrived before a time-out)
    std::string errors;  // standard error
};

// Runs program (looked up in PATH when it holds no '/') with arguments (not
// counting the program name itself) and waits at most
// Scaled(timeoutMilliseconds) for it to end and close its output.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         int timeoutMilliseconds);

}  // namespace os
