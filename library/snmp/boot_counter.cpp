#include "library/snmp/boot_counter.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

// The engine ID at the start of a line, up to the first blank.
std::string EngineIdOf(const std::string& line) { return line.substr(0, line.find(' ')); }

bool ParseCount(const std::string& line, uint32_t& boots) {
    std::istringstream words(line);
    std::string id;
    unsigned long long count = 0;
    std::string rest;
    if (!(words >> id >> count) || (words >> rest) || count > 0xFFFFFFFFull) return false;
    boots = static_cast<uint32_t>(count);
    return true;
}

// A line as the reader takes it: one carriage return before the line feed
// (or at the end of the file) belongs to the line end.
std::string Usable(const std::string& raw) {
    if (!raw.empty() && raw.back() == '\r') return raw.substr(0, raw.size() - 1);
    return raw;
}

// The file's lines as they stand, each without its line feed; false when it
// exists but cannot be read. A missing file has no lines.
bool ReadRawLines(const std::string& path, std::vector<std::string>& lines, bool& exists) {
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    exists = file.is_open() || errno != ENOENT;
    if (!file.is_open()) return !exists;
    std::string line;
    while (std::getline(file, line)) lines.push_back(line);
    return !file.bad();
}

}  // namespace

int GetBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots) {
    std::vector<std::string> lines;
    bool exists = false;
    if (!ReadRawLines(path, lines, exists)) return -3;
    if (!exists) return -2;
    for (const std::string& raw : lines) {
        std::string line = Usable(raw);
        if (EngineIdOf(line) != engineId) continue;
        return ParseCount(line, boots) ? 0 : -3;
    }
    return -1;
}

int SaveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots) {
    std::vector<std::string> lines;
    bool exists = false;
    if (!ReadRawLines(path, lines, exists)) return -1;
    std::string ours = engineId + " " + std::to_string(boots);
    bool replaced = false;
    // Other lines are written back byte for byte, so each reads as it did;
    // a line feed added after a last line that had none changes no reading.
    for (std::string& line : lines) {
        if (EngineIdOf(Usable(line)) != engineId) continue;
        line = ours;
        replaced = true;
    }
    if (!replaced) lines.push_back(ours);
    std::string temporary = path + ".tmp" + std::to_string(getpid());
    {
        std::ofstream file(temporary, std::ios::trunc);
        for (const std::string& line : lines) file << line << '\n';
        file.flush();
        if (!file) {
            std::remove(temporary.c_str());
            return -1;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return -1;
    }
    return 0;
}
