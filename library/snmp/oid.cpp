#include "library/snmp/oid.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads one sub-identifier starting at `pos`; advances `pos` past its digits.
bool ReadSubIdentifier(const std::string& text, std::size_t& pos, uint32_t& value) {
    uint64_t number = 0;
    std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        number = number * 10 + static_cast<uint64_t>(text[pos] - '0');
        if (number > UINT32_MAX) return false;
        ++pos;
    }
    value = static_cast<uint32_t>(number);
    return pos > start;
}

}  // namespace

bool ParseOid(const std::string& text, VkOid& oid) {
    VkOid parsed;
    if (text.empty()) {
        oid = parsed;
        return true;
    }
    std::size_t pos = text[0] == '.' ? 1 : 0;
    while (true) {
        uint32_t value = 0;
        if (!ReadSubIdentifier(text, pos, value)) return false;
        parsed.push_back(value);
        if (parsed.size() > kMaxOidLength) return false;
        if (pos == text.size()) break;
        if (text[pos] != '.') return false;
        ++pos;
    }
    oid = parsed;
    return true;
}

std::string OidToText(const VkOid& oid, std::size_t first) {
    std::string text;
    for (std::size_t i = first; i < oid.size(); ++i) {
        if (!text.empty()) text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}
