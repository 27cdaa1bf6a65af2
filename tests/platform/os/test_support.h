#pragma once
// Helpers for the tests of the operating-system layer: private folders,
// environment changes undone at the end of a test, and running a check
// without root's privileges.

#include <functional>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace os_test {

using support::TempFolder;

// Sets (or, with nothing, unsets) an environment variable until the end of
// the scope, then restores what was there.
class ScopedEnv {
public:
    ScopedEnv(const std::string& name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};

// A bound that os::Scaled() turns back into about realMilliseconds, for waits
// that must stay long enough whatever VAP_TIME_SCALE the tests run with.
int Unscaled(int realMilliseconds);

void WriteFile(const std::string& path, const std::string& text);
// The file's content; "<missing>" when it cannot be read.
std::string FileText(const std::string& path);

// Runs check as a user without privileges: in a forked child that drops to
// the user "nobody" when the test runs as root, directly otherwise. Returns
// check's result.
bool RunUnprivileged(const std::function<bool()>& check);

}  // namespace os_test
