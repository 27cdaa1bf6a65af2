#include "library/common/ini.h"

#include <fstream>

#include "library/common/text.h"

namespace {

// The reading buffer holds this many characters, its terminating zero included.
constexpr size_t kBufferSize = 4096;

// Reads one line without its LF or CR LF; false at the end of the file.
bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// For a trimmed line "[name]": true and the name between the brackets.
bool IsSectionHeader(const std::string& line, std::string& name) {
    if (line.empty() || line[0] != '[') return false;
    size_t close = line.find(']');
    name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// For a trimmed line "key=value": true, the trimmed key and the raw value.
bool IsKeyLine(const std::string& line, std::string& key, std::string& value) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    key = Trim(line.substr(0, equals));
    value = line.substr(equals + 1);
    return true;
}

// The value of a key line as a profile read gives it: blanks at its ends
// removed, then one pair of enclosing quotes.
std::string ProfileValue(const std::string& raw) {
    std::string value = Trim(raw);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

// Searches the first section named `section` for `key`; true and its value
// when found.
bool FindValue(std::istream& in, const std::string& section, const std::string& key,
               std::string& value) {
    bool inSection = false;
    std::string line;
    while (ReadLine(in, line)) {
        std::string text = Trim(line);
        if (text.empty() || text[0] == ';') continue;
        std::string name, raw;
        if (IsSectionHeader(text, name)) {
            if (inSection) return false;  // the first section of that name has ended
            inSection = SameText(name, section);
        } else if (inSection && IsKeyLine(text, name, raw) && SameText(name, key)) {
            value = ProfileValue(raw);
            return true;
        }
    }
    return false;
}

}  // namespace

VkIni::VkIni(const std::string& fileName) : fileName_(fileName) {}

std::string VkIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    std::ifstream in(fileName_, std::ios::binary);
    std::string text;
    if (!in || !FindValue(in, section, key, text)) text = defaultValue;
    if (text.size() > kBufferSize - 1) text.resize(kBufferSize - 1);
    if (text.empty()) return defaultValue;
    return Trim(text);
}
