#pragma once
// Octet values as hex text: upper-case, two digits per octet, no separators
// (00 1A 2B 3C 4D 5E read as "001A2B3C4D5E"; no octets read as "").

#include <string>

std::string OctetsToHex(const std::string& octets);

// Blanks are removed; when an odd number of characters remains, the first
// character alone makes the first octet; then every two characters make one
// octet. Digits count in either case; any other character counts as 0
// ("ABC" -> 0A BC, "a ff" -> 0A FF, "ZZ" -> 00).
std::string HexToOctets(const std::string& text);
