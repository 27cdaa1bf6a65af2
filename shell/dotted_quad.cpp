#include "shell/dotted_quad.h"

#include <climits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The part of `text` from `start` up to the next dot (or its end), and the
// position after that dot.
std::string NextPart(const std::string& text, std::size_t& start) {
    std::size_t dot = text.find('.', start);
    std::size_t end = dot == std::string::npos ? text.size() : dot;
    std::string part = text.substr(start, end - start);
    start = dot == std::string::npos ? text.size() : dot + 1;
    return part;
}

bool HasDottedShape(const std::string& text) {
    std::size_t firstDot = text.find('.');
    if (firstDot == std::string::npos || firstDot == 0 || firstDot == text.size() - 1)
        return false;
    if (text.find(' ') != std::string::npos) return false;
    std::size_t dots = 0;
    for (char c : text) dots += c == '.';
    return dots == 3;
}

}  // namespace

int DecimalOrDefault(const std::string& text, int defaultValue) {
    if (text.empty()) return defaultValue;
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return defaultValue;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return defaultValue;
    }
    return static_cast<int>(value);
}

bool ReadDottedParts(const std::string& text, std::array<int, 4>& parts) {
    if (!HasDottedShape(text)) return false;
    std::size_t start = 0;
    for (int& part : parts) part = DecimalOrDefault(NextPart(text, start), -1);
    return true;
}

bool ReadAddressValue(const std::string& text, uint32_t& value) {
    std::array<int, 4> parts{};
    if (!ReadDottedParts(text, parts)) return false;
    uint32_t result = 0;
    for (int part : parts) {
        if (part < 0 || part > 255) return false;
        result = (result << 8) | static_cast<uint32_t>(part);
    }
    value = result;
    return true;
}

std::string DottedText(uint32_t value) {
    return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 0xFF) + "." +
           std::to_string((value >> 8) & 0xFF) + "." + std::to_string(value & 0xFF);
}
