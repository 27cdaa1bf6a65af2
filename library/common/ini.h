#pragma once
// Read access to INI files with the profile-string rules the program's
// settings files are written for:
// - section and key names compare without regard to the case of ASCII letters;
//   blanks around them do not count;
// - only the first section of a name is searched, and the first line of the
//   key in it wins;
// - a key line is "key=value": the value is everything after the first "=",
//   without blanks at its ends and without one pair of enclosing quotes
//   (double or single);
// - lines whose first non-blank character is ';' are comments; lines that are
//   neither a section header nor a key line are skipped;
// - lines end in LF or CR LF.
// The file is read at every call and never written.

#include <string>

class VkIni {
public:
    explicit VkIni(const std::string& fileName);

    // The value of `key` in `section`, at most 4095 characters of it (the size
    // of the reading buffer). A non-empty result is trimmed of blanks and
    // control characters at both ends; when the key is missing (or the file
    // is), the default takes the value's place and is trimmed the same way.
    // An empty result gives `defaultValue` unchanged.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

private:
    std::string fileName_;
};
