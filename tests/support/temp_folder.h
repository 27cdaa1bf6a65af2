#pragma once
// A fresh private folder under the system's temporary folder for one test,
// removed with everything in it when the object goes.

#include <string>
#include <vector>

namespace support {

class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "vap7720-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The path of a name inside the folder.
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::string operator/(const std::string& name) const { return File(name); }
    // The names of the folder's entries, sorted.
    std::vector<std::string> Entries() const { return EntriesOf(path_); }
    static std::vector<std::string> EntriesOf(const std::string& folder);

private:
    std::string path_;
};

}  // namespace support
