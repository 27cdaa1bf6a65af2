#include "shell/page_openers.h"

#include <map>

namespace {

std::map<std::string, PageOpener>& Openers() {
    static std::map<std::string, PageOpener> openers;
    return openers;
}

}  // namespace

void RegisterPageOpener(const std::string& entryName, PageOpener opener) {
    if (opener)
        Openers()[entryName] = std::move(opener);
    else
        Openers().erase(entryName);
}

bool OpenRegisteredPage(const std::string& entryName) {
    auto found = Openers().find(entryName);
    if (found == Openers().end()) return false;
    PageOpener opener = found->second;  // the page may register again while open
    opener();
    return true;
}

std::vector<std::string> RegisteredPageEntries() {
    std::vector<std::string> entries;
    for (const auto& entry : Openers()) entries.push_back(entry.first);
    return entries;
}
