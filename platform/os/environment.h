#pragma once
// Environment look-ups used to find the module's folders.

#include <string>

namespace os {

// The value of the environment variable name, or fallback when it is unset or
// empty (as ${NAME:-fallback} in the shell).
std::string EnvironmentOr(const std::string& name, const std::string& fallback);

// The user's home folder: $HOME when set, else the password database's entry
// for the current user; "" when neither is known.
std::string HomeFolder();

}  // namespace os
