#include "library/snmp/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

std::size_t SkipBlanks(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    return pos;
}

// Reads the digits at `pos` as a magnitude held at `limit`.
uint64_t ReadMagnitude(const std::string& text, std::size_t pos, uint64_t limit) {
    uint64_t magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        uint64_t digit = static_cast<uint64_t>(text[pos] - '0');
        if (magnitude > (limit - digit) / 10) return limit;
        magnitude = magnitude * 10 + digit;
    }
    return magnitude;
}

// The sign at `pos`, if any; moves `pos` past it.
bool ReadSign(const std::string& text, std::size_t& pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) return text[pos++] == '-';
    return false;
}

}  // namespace

int64_t ReadDecimal(const std::string& text) {
    std::size_t pos = SkipBlanks(text);
    bool negative = ReadSign(text, pos);
    uint64_t magnitude = ReadMagnitude(text, pos, static_cast<uint64_t>(INT64_MAX));
    return negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
}

int32_t ReadInt32(const std::string& text) {
    int64_t value = ReadDecimal(text);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

uint32_t ReadUInt32(const std::string& text) {
    int64_t value = ReadDecimal(text);
    if (value > static_cast<int64_t>(UINT32_MAX) || value < -static_cast<int64_t>(UINT32_MAX))
        return UINT32_MAX;
    return static_cast<uint32_t>(value);
}

uint64_t ReadUInt64(const std::string& text) {
    std::size_t pos = SkipBlanks(text);
    if (ReadSign(text, pos)) return 0;
    return ReadMagnitude(text, pos, UINT64_MAX);
}

double ReadDouble(const std::string& text) {
    std::size_t pos = SkipBlanks(text);
    if (pos < text.size() && text[pos] == '+') ++pos;
    double value = 0;
    std::from_chars_result result =
        std::from_chars(text.data() + pos, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

std::string DoubleToOctets(double value) {
    char octets[sizeof value];
    std::memcpy(octets, &value, sizeof value);
    return std::string(octets, sizeof value);
}

bool OctetsToDouble(const std::string& octets, double& value) {
    if (octets.size() < sizeof value) return false;
    std::memcpy(&value, octets.data(), sizeof value);
    return true;
}

void DoubleToWords(double value, uint32_t& low, uint32_t& high) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    low = static_cast<uint32_t>(bits & 0xFFFFFFFFu);
    high = static_cast<uint32_t>(bits >> 32);
}

double WordsToDouble(uint32_t low, uint32_t high) {
    uint64_t bits = (static_cast<uint64_t>(high) << 32) | low;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int64_t TruncateWithin(double value, int64_t low, int64_t high) {
    if (std::isnan(value)) return 0;
    double truncated = std::trunc(value);
    if (truncated <= static_cast<double>(low)) return low;
    if (truncated >= static_cast<double>(high)) return high;
    return static_cast<int64_t>(truncated);
}

uint64_t TruncateToUInt64(double value) {
    if (std::isnan(value) || value <= 0) return 0;
    if (value >= 18446744073709551616.0) return UINT64_MAX;
    return static_cast<uint64_t>(value);
}
