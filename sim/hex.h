#pragma once
// Hexadecimal digits for MAC addresses and escaped texts.

#include <string>

namespace sim {

// The value of one hex digit (either case), or -1.
int HexDigit(char c);

// Octets from pairs of hex digits; false for an odd count or a non-digit.
bool ParseHex(const std::string& text, std::string& octets);

// Two upper-case hex digits per octet.
std::string FormatHex(const std::string& octets);

}  // namespace sim
