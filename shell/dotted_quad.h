#pragma once
// Reading IPv4 addresses and masks typed as four dot-separated decimal numbers.
// Every address check and the network-address calculation read their numbers
// here, so a text means the same address wherever it is checked: a part is
// always decimal, also with leading zeros ("010" is ten, never eight).

#include <array>
#include <cstdint>
#include <string>

// The value of a text of one or more decimal digits (leading zeros allowed),
// or `defaultValue` when the text is anything else: empty, signed, holding a
// blank or another character, or too large for an int.
int DecimalOrDefault(const std::string& text, int defaultValue);

// The four parts of a typed address, each read with DecimalOrDefault(part, -1).
// False when the text fails the shape tests: it must hold exactly three dots
// and no blank, and its first dot is neither its first nor its last
// character. The fourth part is the rest of the text after the third dot.
bool ReadDottedParts(const std::string& text, std::array<int, 4>& parts);

// The 32-bit value of a dotted address (first part in the top byte): true when
// the text has the shape above and every part is a number of 0 to 255.
bool ReadAddressValue(const std::string& text, uint32_t& value);

// The dotted decimal text of a 32-bit value.
std::string DottedText(uint32_t value);
