#include "shell/generic/row_value_check.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>

#include "library/common/option_list.h"
#include "library/snmp/ip_address_text.h"
#include "library/snmp/number_text.h"
#include "library/snmp/oid.h"
#include "library/snmp/syntax_value.h"
#include "library/snmp/var_list.h"
#include "platform/os/exception.h"

namespace {

using namespace VkSNMPSyntax;

constexpr char kNullText[] = "(NULL)";

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// A decimal as the codec's readers write it back: no leading zeros, no "-0".
std::string CanonicalDecimal(const std::string& text) {
    bool negative = !text.empty() && text[0] == '-';
    std::string digits = text.substr(negative ? 1 : 0);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return negative && digits != "0" ? "-" + digits : digits;
}

bool IsDecimalShape(const std::string& text, bool signAllowed) {
    size_t start = signAllowed && !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > start && std::all_of(text.begin() + static_cast<long>(start), text.end(), IsDigit);
}

// A whole number of lowest..highest that the codec reads as itself (a
// number beyond the 64-bit range reads as the nearest limit, so it differs).
bool IsSignedIn(const std::string& text, int64_t lowest, int64_t highest) {
    if (!IsDecimalShape(text, true)) return false;
    int64_t value = ReadDecimal(text);
    return std::to_string(value) == CanonicalDecimal(text) && value >= lowest && value <= highest;
}

bool IsUnsignedIn(const std::string& text, uint64_t lowest, uint64_t highest) {
    if (!IsDecimalShape(text, false)) return false;
    uint64_t value = ReadUInt64(text);
    return std::to_string(value) == CanonicalDecimal(text) && value >= lowest && value <= highest;
}

bool IsHexText(const std::string& text) {
    return std::any_of(text.begin(), text.end(), IsHexDigit) &&
           std::all_of(text.begin(), text.end(), [](char c) { return IsHexDigit(c) || c == ' '; });
}

bool IsMacText(const std::string& text) {
    return text.size() == 12 && std::all_of(text.begin(), text.end(), IsHexDigit);
}

// Digits and dots only, so the text is never looked up as a host name.
bool IsAddressText(const std::string& text) {
    std::string octets;
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; }) &&
           ResolveIPv4(text, octets);
}

bool IsOidText(const std::string& text) {
    VkOid oid;
    return !text.empty() && ParseOid(text, oid);
}

bool IsNumberText(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    std::from_chars_result read = std::from_chars(text.data(), end, value);
    return !text.empty() && read.ec == std::errc() && read.ptr == end;
}

// The texts the codec writes itself (times, dates): sent and read back they
// come back the same.
bool ReadsBackAsItself(int32_t syntax, const std::string& text) {
    try {
        VkSNMPVarBind binding;
        TextToBinding(syntax, text, binding);
        return BindingToText(syntax, binding) == text;
    } catch (const std::exception&) {
        return false;
    }
}

constexpr uint64_t kUInt32Max = std::numeric_limits<uint32_t>::max();
constexpr uint64_t kUInt64Max = std::numeric_limits<uint64_t>::max();
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

bool IsWholeNumberSyntax(int32_t syntax) {
    return syntax == integer || syntax == counter || syntax == guage || syntax == uinteger;
}

struct Check {
    bool ok;
    const char* what;
};

Check PositiveIndex(int32_t syntax, const std::string& text) {
    bool ok = syntax == integer ? IsSignedIn(text, 1, kInt32Max) : IsUnsignedIn(text, 1, kUInt32Max);
    return {ok, "a positive whole number"};
}

Check ValueOfSyntax(int32_t syntax, const std::string& text) {
    switch (syntax) {
    case boolean: return {text == "true" || text == "false", "true or false"};
    case integer: return {IsSignedIn(text, kInt32Min, kInt32Max), "a whole number from -2147483648 to 2147483647"};
    case counter:
    case guage:
    case uinteger: return {IsUnsignedIn(text, 0, kUInt32Max), "a whole number from 0 to 4294967295"};
    case counter64: return {IsUnsignedIn(text, 0, kUInt64Max), "a whole number from 0 to 18446744073709551615"};
    case bitstr:
    case octetstr:
    case opaque: return {IsHexText(text), "hex digits"};
    case macaddress: return {IsMacText(text), "a MAC address of 12 hex digits"};
    case ipaddress:
    case nsapaddr: return {IsAddressText(text), "an IP address (four numbers of 0 to 255 separated by dots)"};
    case objectid: return {IsOidText(text), "an object identifier (numbers separated by dots)"};
    case double_: return {IsNumberText(text), "a number"};
    case timeticks: return {ReadsBackAsItself(syntax, text), "a time as h:mm:ss.hh"};
    case datetime:
    case bcdatetime: return {ReadsBackAsItself(syntax, text), "a date and time as the view shows it"};
    case displaystr: return {text != kNullText, "a text"};
    default: return {true, ""};  // no value (null), or a syntax the codec refuses itself
    }
}

}  // namespace

std::string RowValueRefusal(const VkSNMPVarItem& item, const std::string& text, bool index) {
    Check check{true, ""};
    if (item.options != nullptr)
        check = {item.options->IndexOfText(text) >= 0, "one of its choices"};
    else if (index && IsWholeNumberSyntax(item.syntax))
        check = PositiveIndex(item.syntax, text);
    else
        check = ValueOfSyntax(item.syntax, text);
    if (check.ok) return std::string();
    return item.name + ": \"" + text + "\" is not " + check.what + "!";
}
