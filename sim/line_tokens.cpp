#include "sim/line_tokens.h"

#include "sim/hex.h"

namespace sim {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads the escape after a backslash at `pos`: \" \\ or \xHH.
bool ReadEscape(const std::string& line, size_t& pos, char& c) {
    if (pos >= line.size()) return false;
    c = line[pos++];
    if (c == '"' || c == '\\') return true;
    if (c != 'x' || pos + 2 > line.size()) return false;
    int high = HexDigit(line[pos]), low = HexDigit(line[pos + 1]);
    if (high < 0 || low < 0) return false;
    pos += 2;
    c = static_cast<char>(high * 16 + low);
    return true;
}

// Reads a quoted token starting after the opening quote at `pos`.
bool ReadQuoted(const std::string& line, size_t& pos, std::string& token) {
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"') return true;
        if (c == '\\' && !ReadEscape(line, pos, c)) return false;
        token += c;
    }
    return false;
}

}  // namespace

bool SplitTokens(const std::string& line, std::vector<std::string>& tokens) {
    tokens.clear();
    size_t pos = 0;
    while (pos < line.size()) {
        if (IsBlank(line[pos])) {
            ++pos;
            continue;
        }
        if (line[pos] == '#') break;
        std::string token;
        if (line[pos] == '"') {
            ++pos;
            if (!ReadQuoted(line, pos, token)) return false;
        } else {
            while (pos < line.size() && !IsBlank(line[pos])) token += line[pos++];
        }
        tokens.push_back(token);
    }
    return true;
}

std::string QuoteToken(const std::string& text) {
    bool plain = !text.empty();
    for (char c : text)
        if (IsBlank(c) || c == '"' || c == '\\' || c == '#' || static_cast<unsigned char>(c) < 32)
            plain = false;
    if (plain) return text;
    static const char digits[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (u < 32 || u == 127) {
            quoted += "\\x";
            quoted += digits[u >> 4];
            quoted += digits[u & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace sim
