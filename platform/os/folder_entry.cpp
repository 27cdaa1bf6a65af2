#include "platform/os/folder_entry.h"

#include "platform/os/ascii_case.h"

#include <dirent.h>

#include <memory>

namespace os {

namespace {

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

// The spelling of name in folder, "" when absent.
std::string EntrySpelling(const std::string& folder, const std::string& name) {
    std::unique_ptr<DIR, FolderCloser> listing(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!listing) return "";
    std::string best;
    while (const dirent* entry = ::readdir(listing.get())) {
        std::string entryName = entry->d_name;
        if (entryName == name) return entryName;
        if (EqualIgnoringCase(entryName, name) && (best.empty() || entryName < best)) best = entryName;
    }
    return best;
}

}  // namespace

std::string FindEntryIgnoringCase(const std::string& folder, const std::string& name) {
    if (name.empty()) return "";
    std::string spelling = EntrySpelling(folder, name);
    if (spelling.empty()) return "";
    if (folder.empty()) return spelling;
    return folder.back() == '/' ? folder + spelling : folder + "/" + spelling;
}

}  // namespace os
