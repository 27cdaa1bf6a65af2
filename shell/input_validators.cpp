#include "shell/input_validators.h"

#include <array>
#include <cstdint>

#include "shell/dotted_quad.h"

const char* const InvalidMacAddressMessage = "Invalid MAC Address.";

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// Ones from the top bit followed only by zeros, with a prefix of 2 to 31 bits.
bool IsContiguousMask(uint32_t mask) {
    uint32_t zeros = ~mask;
    bool contiguous = (zeros & (zeros + 1)) == 0;
    return contiguous && (mask & 0x40000000u) != 0 && (mask & 1u) == 0;
}

// The second character, upper-cased, tells a group address (the first octet
// has its lowest bit set).
bool IsGroupMacAddress(const std::string& text) {
    char second = text[1];
    if (second >= 'a' && second <= 'z') second = static_cast<char>(second - 'a' + 'A');
    return std::string("13579BDF").find(second) != std::string::npos;
}

}  // namespace

bool HasNoEdgeBlank(const std::string& text) {
    return !text.empty() && text.front() != ' ' && text.back() != ' ';
}

bool IsValidHostAddress(const std::string& text) {
    std::array<int, 4> parts{};
    if (!ReadDottedParts(text, parts)) return false;
    return InRange(parts[0], 1, 223) && parts[0] != 127 && InRange(parts[1], 0, 255) &&
           InRange(parts[2], 0, 255) && InRange(parts[3], 0, 254);
}

bool IsValidLanAddress(const std::string& text) { return IsValidHostAddress(text); }

bool IsValidSubnetMask(const std::string& text) {
    uint32_t mask = 0;
    return ReadAddressValue(text, mask) && IsContiguousMask(mask);
}

bool IsValidHostInSubnet(const std::string& address, const std::string& mask) {
    constexpr uint32_t allOnes = 0xFFFFFFFFu;
    uint32_t a = 0;
    uint32_t m = 0;
    if (!ReadAddressValue(address, a) || !ReadAddressValue(mask, m)) return false;
    uint32_t network = a & m;  // what NetworkAddress(address, mask) gives for these texts
    return network != m && network != 0 && (a & ~m) != 0 && (a | m) != allOnes;
}

bool IsAsciiText(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 128) return false;
    }
    return true;
}

bool IsUsableMacAddress(const std::string& text) {
    return text.size() >= 2 && text != kNoMacAddress && !IsGroupMacAddress(text);
}
