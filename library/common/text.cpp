#include "library/common/text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <clocale>
#include <cstring>

#include "platform/os/exception.h"

std::string Trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.substr(begin, end - begin);
}

namespace {

unsigned char FoldAscii(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsDecDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int CompareText(const std::string& a, const std::string& b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = FoldAscii(a[i]);
        unsigned char y = FoldAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

bool TryStrToInt(const std::string& text, int& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;

    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (base == 10 ? !IsDecDigit(c) : !IsHexDigit(c)) return false;
        int digit = IsDecDigit(c) ? c - '0' : (FoldAscii(c) - 'a' + 10);
        magnitude = magnitude * base + digit;
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
    }
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX || result < INT_MIN) return false;
    value = static_cast<int>(result);
    return true;
}

int StrToInt(const std::string& text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw os::ConvertError("'" + text + "' is not a valid integer value");
    return value;
}

std::string IntToStr(long long value) { return std::to_string(value); }

namespace {

// value in the general form with `digits` significant digits, a point for
// the decimal separator and the exponent without '+' and leading zeros:
// "1E20", "1.5E-7".
std::string GeneralForm(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
    std::string text = buffer;
    // snprintf follows the process locale, which the window library sets from
    // the environment; the program's number texts always use a point.
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && std::strcmp(point, ".") != 0) {
        size_t at = text.find(point);
        if (at != std::string::npos) text.replace(at, std::strlen(point), ".");
    }
    size_t e = text.find('E');
    if (e == std::string::npos) return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.erase(0, 1);
    size_t nonZero = exponent.find_first_not_of('0');
    exponent = nonZero == std::string::npos ? "0" : exponent.substr(nonZero);
    return mantissa + "E" + (negative ? "-" : "") + exponent;
}

bool ReadsBackAs(const std::string& text, double value) {
    double read = 0;
    std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), read);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && read == value;
}

}  // namespace

std::string FloatToStr(double value) {
    // 15 digits where they read back to the same double, else as many more as
    // that takes (17 always do).
    std::string text = GeneralForm(value, 15);
    if (!std::isfinite(value)) return text;
    for (int digits = 16; digits <= 17 && !ReadsBackAs(text, value); ++digits)
        text = GeneralForm(value, digits);
    return text;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
