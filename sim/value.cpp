#include "sim/value.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "sim/hex.h"

namespace sim {

namespace {

struct SyntaxNameEntry {
    Syntax syntax;
    const char* name;
};

constexpr SyntaxNameEntry kSyntaxNames[] = {
    {Syntax::Integer, "integer"},     {Syntax::String, "string"},
    {Syntax::Mac, "mac"},             {Syntax::IpAddress, "ipaddress"},
    {Syntax::TimeTicks, "timeticks"}, {Syntax::Counter, "counter"},
    {Syntax::Gauge, "gauge"},         {Syntax::ObjectId, "oid"},
};

bool ParseNumber(const std::string& text, long low, long high, long& number) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
    number = parsed;
    return true;
}

bool ParseIpAddress(const std::string& text, std::string& octets) {
    unsigned a, b, c, d;
    char tail;
    if (std::sscanf(text.c_str(), "%3u.%3u.%3u.%3u%c", &a, &b, &c, &d, &tail) != 4) return false;
    if (a > 255 || b > 255 || c > 255 || d > 255) return false;
    octets = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
              static_cast<char>(d)};
    return true;
}

bool ParseMac(const std::string& text, std::string& octets) {
    return text.size() == 12 && ParseHex(text, octets);
}

std::string FormatIpAddress(const std::string& octets) {
    std::string text;
    for (size_t i = 0; i < octets.size(); ++i) {
        if (i > 0) text += '.';
        text += std::to_string(static_cast<unsigned char>(octets[i]));
    }
    return text;
}

}  // namespace

bool ParseSyntax(const std::string& name, Syntax& syntax) {
    for (const auto& entry : kSyntaxNames) {
        if (name == entry.name) {
            syntax = entry.syntax;
            return true;
        }
    }
    return false;
}

const char* SyntaxName(Syntax syntax) {
    for (const auto& entry : kSyntaxNames)
        if (entry.syntax == syntax) return entry.name;
    return "?";
}

bool Value::operator==(const Value& other) const {
    return syntax == other.syntax && number == other.number && octets == other.octets &&
           oid == other.oid;
}

bool ParseValue(Syntax syntax, const std::string& text, Value& value) {
    value = Value{};
    value.syntax = syntax;
    switch (syntax) {
    case Syntax::Integer:
        return ParseNumber(text, -2147483648L, 2147483647L, value.number);
    case Syntax::TimeTicks:
    case Syntax::Counter:
    case Syntax::Gauge:
        return ParseNumber(text, 0, 4294967295L, value.number);
    case Syntax::String:
        value.octets = text;
        return true;
    case Syntax::Mac:
        return ParseMac(text, value.octets);
    case Syntax::IpAddress:
        return ParseIpAddress(text, value.octets);
    case Syntax::ObjectId:
        return ParseOid(text, value.oid);
    }
    return false;
}

std::string FormatValue(const Value& value) {
    switch (value.syntax) {
    case Syntax::Integer:
    case Syntax::TimeTicks:
    case Syntax::Counter:
    case Syntax::Gauge:
        return std::to_string(value.number);
    case Syntax::String:
        return value.octets;
    case Syntax::Mac:
        return FormatHex(value.octets);
    case Syntax::IpAddress:
        return FormatIpAddress(value.octets);
    case Syntax::ObjectId:
        return FormatOid(value.oid);
    }
    return {};
}

}  // namespace sim
