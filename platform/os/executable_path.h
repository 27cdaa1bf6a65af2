#pragma once
// Where the running program lies: its file name appears in message-box
// captions, and its folder holds the files shipped beside it (the default
// message files, pictures).

#include <string>

namespace os {

// The absolute path of the running program (/proc/self/exe); "" when it cannot
// be read.
std::string ExecutablePath();

// The folder of ExecutablePath(), without a trailing '/'; "" when unknown.
std::string ExecutableFolder();

// The file name of ExecutablePath() ("vap7720"); "" when unknown.
std::string ExecutableName();

}  // namespace os
