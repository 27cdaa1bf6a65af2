#pragma once
// The per-user folders the module keeps its files in, in place of the Windows
// folders it was designed for, and the creation of a folder path.
//
// The XDG variables are taken only when they hold an absolute path; an empty
// or relative value counts as unset (the XDG base-directory rule).

#include <string>

namespace os {

// The folder the module's log folder lives in (what %APPDATA% is on Windows):
// $APPDATA when set and not empty, else ${XDG_DATA_HOME:-~/.local/share}.
std::string UserDataFolder();

// ${XDG_CONFIG_HOME:-~/.config}: where the registry store lives by default.
std::string UserConfigFolder();

// ${XDG_RUNTIME_DIR:-/tmp}: where lock files and the trace socket live.
std::string RuntimeFolder();

// Creates path and every missing folder above it (as mkdir -p), new folders
// with mode 0700. A path that already names a folder is fine. Returns 0 on
// success, else the errno of the step that failed (ENOTDIR when a file stands
// where a folder must be, ENOENT for an empty path).
int CreateFolderPath(const std::string& path);

}  // namespace os
