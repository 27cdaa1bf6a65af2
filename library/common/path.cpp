#include "library/common/path.h"

std::string JoinPath(const std::string& folder, const std::string& fileName) {
    if (folder.empty()) return fileName;
    if (folder.back() == '/') return folder + fileName;
    return folder + "/" + fileName;
}
