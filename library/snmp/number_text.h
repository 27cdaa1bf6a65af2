#pragma once
// Numbers read from value texts the way the request layer reads them: leading
// blanks and a sign allowed, reading stops at the first other character, a
// text without digits reads as 0. Values out of range are held at the nearest
// limit instead of overflowing.

#include <cstdint>
#include <string>

// A signed decimal, held within the 64-bit range.
int64_t ReadDecimal(const std::string& text);

// A signed decimal held within the 32-bit signed range.
int32_t ReadInt32(const std::string& text);

// A decimal as an unsigned 32-bit value: above 4294967295 it is held at
// 4294967295; a negative value gives its two's complement ("-1" ->
// 4294967295), as an unsigned conversion of a signed number does.
uint32_t ReadUInt32(const std::string& text);

// An unsigned 64-bit decimal; a negative value reads as 0.
uint64_t ReadUInt64(const std::string& text);

// A floating-point number in the "C" form (point as decimal mark), whatever
// the process locale; 0 when the text does not start with one.
double ReadDouble(const std::string& text);

// The 8 octets of a double in host byte order, and back. Fewer than 8 octets
// give no double (false).
std::string DoubleToOctets(double value);
bool OctetsToDouble(const std::string& octets, double& value);

// The low and high 32-bit words of a double's bit pattern, and back.
void DoubleToWords(double value, uint32_t& low, uint32_t& high);
double WordsToDouble(uint32_t low, uint32_t high);

// A double truncated toward zero and held within [low, high]; NaN gives 0.
int64_t TruncateWithin(double value, int64_t low, int64_t high);
// As above for the unsigned 64-bit range.
uint64_t TruncateToUInt64(double value);
