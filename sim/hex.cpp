#include "sim/hex.h"

namespace sim {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(const std::string& text, std::string& octets) {
    if (text.size() % 2 != 0) return false;
    octets.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        octets += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::string FormatHex(const std::string& octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : octets) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

}  // namespace sim
