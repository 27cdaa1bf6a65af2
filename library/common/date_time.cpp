#include "library/common/date_time.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "library/common/text.h"

namespace {

constexpr int kMaxFields = 9;

// One text form: "%d" stands for a number, every other character for itself.
struct ScanForm {
    const char* pattern;
    char utcSign;
};

const ScanForm kScanForms[] = {
    {"%d-%d-%d,%d:%d:%d.%d,+%d:%d", '+'},
    {"%d-%d-%d,%d:%d:%d.%d,-%d:%d", '-'},
    {"%d-%d-%d,%d:%d:%d.%d", '+'},
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a number at `pos`: blanks, an optional sign, at least one digit. The
// value is kept modulo 2^32, so its low bits are exact however long it is.
bool ReadNumber(const std::string& text, size_t& pos, uint32_t& value) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    if (pos >= text.size() || !IsDigit(text[pos])) return false;
    value = 0;
    while (pos < text.size() && IsDigit(text[pos])) value = value * 10u + uint32_t(text[pos++] - '0');
    if (negative) value = 0u - value;
    return true;
}

// True when the whole text matches the pattern; the numbers go to `fields`
// in order.
bool ScanInFull(const std::string& text, const char* pattern, uint32_t (&fields)[kMaxFields]) {
    size_t pos = 0;
    int field = 0;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == 'd') {
            if (field == kMaxFields || !ReadNumber(text, pos, fields[field++])) return false;
            ++p;
        } else if (pos < text.size() && text[pos] == *p) {
            ++pos;
        } else {
            return false;
        }
    }
    return pos == text.size();
}

}  // namespace

VkDateTime::VkDateTime() {
    std::time_t now = std::time(nullptr);
    std::tm local = {};
    if (localtime_r(&now, &local) == nullptr) return;
    year = static_cast<uint16_t>(local.tm_year + 1900);
    month = static_cast<uint8_t>(local.tm_mon + 1);
    day = static_cast<uint8_t>(local.tm_mday);
    hour = static_cast<uint8_t>(local.tm_hour);
    minute = static_cast<uint8_t>(local.tm_min);
    second = static_cast<uint8_t>(local.tm_sec);
}

VkDateTime::VkDateTime(const std::string& text) {
    const std::string trimmed = Trim(text);
    for (const ScanForm& form : kScanForms) {
        uint32_t f[kMaxFields] = {};
        if (!ScanInFull(trimmed, form.pattern, f)) continue;
        year = static_cast<uint16_t>(f[0]);
        month = static_cast<uint8_t>(f[1]);
        day = static_cast<uint8_t>(f[2]);
        hour = static_cast<uint8_t>(f[3]);
        minute = static_cast<uint8_t>(f[4]);
        second = static_cast<uint8_t>(f[5]);
        deciSecond = static_cast<uint8_t>(f[6]);
        utcSign = form.utcSign;
        utcHours = static_cast<uint8_t>(f[7]);
        utcMinutes = static_cast<uint8_t>(f[8]);
        return;
    }
}

VkDateTime& VkDateTime::Assign(const VkDateTime& other) {
    *this = other;
    return *this;
}

std::string VkDateTime::ToString() const {
    char text[64];
    int length = std::snprintf(text, sizeof text, "%u-%u-%u,%u:%u:%u.%u", unsigned(year),
                               unsigned(month), unsigned(day), unsigned(hour), unsigned(minute),
                               unsigned(second), unsigned(deciSecond));
    bool zoned = (utcHours != 0 || utcMinutes != 0) && (utcSign == '+' || utcSign == '-');
    if (zoned)
        std::snprintf(text + length, sizeof text - length, ",%c%u:%u", utcSign,
                      unsigned(utcHours), unsigned(utcMinutes));
    return text;
}

void VkDateTime::Clear() {
    year = 0;
    month = day = hour = minute = second = deciSecond = 0;
    utcSign = '+';
    utcHours = utcMinutes = 0;
}

void VkDateTime::SwapYearBytes() { year = ntohs(year); }

std::string VkDateTime::Octets() const {
    return std::string(reinterpret_cast<const char*>(this), sizeof *this);
}

void VkDateTime::AssignOctets(const std::string& octets) {
    Clear();
    std::memcpy(this, octets.data(), std::min(octets.size(), sizeof *this));
}
