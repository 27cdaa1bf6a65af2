#include "library/snmp/octet_text.h"

namespace {

unsigned HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}

std::string WithoutBlanks(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c != ' ') digits += c;
    return digits;
}

}  // namespace

std::string OctetsToHex(const std::string& octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (char c : octets) {
        unsigned char octet = static_cast<unsigned char>(c);
        text += kDigits[octet >> 4];
        text += kDigits[octet & 0x0F];
    }
    return text;
}

std::string HexToOctets(const std::string& text) {
    std::string digits = WithoutBlanks(text);
    if (digits.size() % 2 != 0) digits.insert(digits.begin(), '0');
    std::string octets;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        octets += static_cast<char>(HexDigitValue(digits[i]) * 16 + HexDigitValue(digits[i + 1]));
    return octets;
}
