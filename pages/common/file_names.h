#pragma once
// File paths as the file pages take them: POSIX paths, the file name being
// the last path element and its folder everything before it; suffixes are
// compared without regard to case.

#include <string>

// The last path element ("" for a path ending in '/').
std::string FileNameOf(const std::string& path);
// Everything before the last path element ("" for a bare name, "/" for a
// file in the root).
std::string FolderOf(const std::string& path);
// Whether the name ends in the suffix, case-insensitively.
bool HasSuffix(const std::string& name, const std::string& suffix);
// Whether the path names a regular file (following links).
bool IsRegularFile(const std::string& path);
