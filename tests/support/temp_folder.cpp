#include "tests/support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "tests/support/run_tool.h"

namespace support {

TempFolder::TempFolder(const std::string& prefix) : path_(MakeTempFolder(prefix)) {
    if (path_.empty()) throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() { RemoveFolder(path_); }

std::vector<std::string> TempFolder::EntriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace support
