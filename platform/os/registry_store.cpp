#include "platform/os/registry_store.h"

#include "platform/os/ascii_case.h"
#include "platform/os/environment.h"
#include "platform/os/user_folders.h"
#include "platform/os/whole_file.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

namespace os {

namespace {

struct Value {
    std::string name;
    std::string text;
};

struct Section {
    std::string key;
    std::vector<Value> values;
};

std::string TrimBlanks(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The key path without the backslashes around it: "\A\B\" and "A\B" are the
// same key.
std::string KeyCore(const std::string& key) {
    size_t first = key.find_first_not_of('\\');
    if (first == std::string::npos) return "";
    size_t last = key.find_last_not_of('\\');
    return key.substr(first, last - first + 1);
}

bool SameKey(const std::string& a, const std::string& b) {
    return EqualIgnoringCase(KeyCore(a), KeyCore(b));
}

// Whether section lies at or below key.
bool SectionWithinKey(const std::string& section, const std::string& key) {
    std::string sectionCore = KeyCore(section);
    std::string keyCore = KeyCore(key);
    if (sectionCore.size() > keyCore.size() && sectionCore[keyCore.size()] != '\\') return false;
    return EqualIgnoringCase(sectionCore.substr(0, keyCore.size()), keyCore);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// "[key]" gives key; anything else gives nothing.
std::optional<std::string> SectionHeader(const std::string& line) {
    std::string trimmed = TrimBlanks(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
    return trimmed.substr(1, trimmed.size() - 2);
}

void AddValueLine(const std::string& line, std::vector<Section>& sections) {
    size_t equals = line.find('=');
    if (sections.empty() || equals == std::string::npos) return;
    sections.back().values.push_back({TrimBlanks(line.substr(0, equals)), line.substr(equals + 1)});
}

std::vector<Section> ParseStore(const std::string& text) {
    std::vector<Section> sections;
    for (const std::string& line : SplitLines(text)) {
        std::string trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') continue;
        if (auto key = SectionHeader(line)) {
            sections.push_back({*key, {}});
        } else {
            AddValueLine(line, sections);
        }
    }
    return sections;
}

std::vector<Section> LoadStore(const std::string& path) {
    std::string text;
    if (ReadWholeFile(path, text) != 0) return {};
    return ParseStore(text);
}

bool StoreHasKey(const std::vector<Section>& sections, const std::string& key) {
    if (KeyCore(key).empty()) return true;  // the root key itself
    for (const Section& section : sections) {
        if (SectionWithinKey(section.key, key)) return true;
    }
    return false;
}

bool HasControlCharacter(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    }
    return false;
}

// The file that a write must replace: the target of a symbolic link rather
// than the link itself, so a linked store stays linked.
std::string FileToReplace(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    return path;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool AppendSection(const std::string& path, std::string text, const std::string& key) {
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += "[" + key + "]\n";
    return ReplaceWholeFile(path, text) == 0;
}

}  // namespace

RegistryStore::RegistryStore(std::string path) : path_(std::move(path)) {}

std::string RegistryStore::DefaultPath() {
    return EnvironmentOr("VAP_REGISTRY_FILE", UserConfigFolder() + "/vap7720/registry.ini");
}

bool RegistryStore::KeyExists(const std::string& key) const {
    return StoreHasKey(LoadStore(path_), key);
}

std::optional<std::string> RegistryStore::ReadString(const std::string& key,
                                                     const std::string& name) const {
    for (const Section& section : LoadStore(path_)) {
        if (!SameKey(section.key, key)) continue;
        for (const Value& value : section.values) {
            if (EqualIgnoringCase(value.name, name)) return value.text;
        }
    }
    return std::nullopt;
}

bool RegistryStore::CreateKey(const std::string& key) const {
    if (HasControlCharacter(key)) return false;
    std::string file = FileToReplace(path_);
    std::string text;
    int readError = ReadWholeFile(file, text);
    // Never replace a file whose content could not be read: it would be lost.
    if (readError != 0 && readError != ENOENT) return false;
    if (StoreHasKey(ParseStore(text), key)) return true;
    if (readError == 0 && ::access(file.c_str(), W_OK) != 0) return false;
    if (readError == ENOENT && CreateFolderPath(FolderOf(file)) != 0) return false;
    return AppendSection(file, text, key);
}

}  // namespace os
