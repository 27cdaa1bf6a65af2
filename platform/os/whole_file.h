#pragma once
// Reading a small file whole, and replacing one without ever leaving it half
// written: the new text goes to a temporary file in the same folder, which is
// then renamed over the old one. A reader sees either the old or the new file,
// and a failure (full disk, no permission) leaves the old file untouched.

#include <string>

namespace os {

// Reads the file at path into text. Returns 0, or the errno of the failure
// (ENOENT when there is no such file); text is only changed on success.
int ReadWholeFile(const std::string& path, std::string& text);

// Replaces the file at path with text. An existing file keeps its permission
// bits; a new one gets mode 0600. The folder must exist. Returns 0 or the
// errno of the step that failed; nothing is left behind on failure.
int ReplaceWholeFile(const std::string& path, const std::string& text);

}  // namespace os
