#include "library/snmp/syntax_index.h"

#include "library/common/date_time.h"
#include "library/common/messages.h"
#include "library/common/text.h"
#include "library/snmp/day_count_text.h"
#include "library/snmp/number_text.h"
#include "library/snmp/octet_text.h"
#include "library/snmp/syntax_value.h"
#include "library/snmp/time_ticks_text.h"
#include "library/snmp/var_entry.h"

namespace {

constexpr std::size_t kMacOctets = 6;
constexpr std::size_t kDateAndTimeOctets = 11;

// ---- encoding --------------------------------------------------------------

void AppendOctets(VkOid& index, const std::string& octets, bool withLength) {
    if (withLength) index.push_back(static_cast<uint32_t>(octets.size()));
    for (char c : octets) index.push_back(static_cast<unsigned char>(c));
}

VkOid ObjectIdIndex(const std::string& text, bool lastImplied) {
    VkOid value;
    if (!ParseOid(text, value)) RaiseError(VK_ERR_BAD_OID);
    VkOid index;
    if (!lastImplied) index.push_back(static_cast<uint32_t>(value.size()));
    index.insert(index.end(), value.begin(), value.end());
    return index;
}

// The dotted numbers of the text, as many as it holds.
VkOid DottedNumbersIndex(const std::string& text) {
    VkOid index;
    std::size_t start = 0;
    while (!text.empty() && start <= text.size()) {
        std::size_t dot = text.find('.', start);
        if (dot == std::string::npos) dot = text.size();
        index.push_back(ReadUInt32(text.substr(start, dot - start)));
        start = dot + 1;
    }
    return index;
}

VkOid WordsIndex(double value) {
    uint32_t low = 0, high = 0;
    DoubleToWords(value, low, high);
    return {low, high};
}

VkOid MacIndex(const std::string& text) {
    std::string octets = HexToOctets(text);
    VkOid index;
    if (octets.size() >= kMacOctets) AppendOctets(index, octets.substr(0, kMacOctets), false);
    return index;
}

VkOid DateAndTimeIndex(const std::string& text) {
    VkDateTime value(text);
    value.SwapYearBytes();
    VkOid index;
    AppendOctets(index, value.Octets(), false);
    return index;
}

VkOid Counter64Index(const std::string& text) {
    uint64_t value = ReadUInt64(text);
    return {static_cast<uint32_t>(value >> 32), static_cast<uint32_t>(value & 0xFFFFFFFFu)};
}

// ---- decoding --------------------------------------------------------------

std::string OctetsAt(const VkOid& suffix, std::size_t pos, std::size_t count) {
    std::string octets;
    for (std::size_t i = 0; i < count; ++i) octets += static_cast<char>(suffix[pos + i] & 0xFF);
    return octets;
}

// Reads a fixed number of sub-identifiers, or a length prefix and that many,
// or (last and implied) all that are left. False when too few are left.
bool TakeOctets(const VkOid& suffix, std::size_t& pos, bool lastImplied, std::string& octets) {
    std::size_t left = suffix.size() - pos;
    if (lastImplied) {
        octets = OctetsAt(suffix, pos, left);
        pos = suffix.size();
        return true;
    }
    if (left < 1 || suffix[pos] > left - 1) return false;
    octets = OctetsAt(suffix, pos + 1, suffix[pos]);
    pos += 1 + suffix[pos];
    return true;
}

bool TakeObjectId(const VkOid& suffix, std::size_t& pos, bool lastImplied, std::string& text) {
    if (lastImplied) {
        text = OidToText(suffix, pos);
        pos = suffix.size();
        return true;
    }
    std::size_t left = suffix.size() - pos;
    if (left < 1 || suffix[pos] > left - 1) return false;
    std::size_t first = pos + 1;
    text = OidToText(VkOid(suffix.begin() + first, suffix.begin() + first + suffix[pos]));
    pos = first + suffix[pos];
    return true;
}

// The text of the syntaxes that take a fixed number of sub-identifiers.
std::string FixedText(int syntax, const VkOid& s, std::size_t p) {
    switch (syntax) {
    case VkSNMPSyntax::boolean: return s[p] != 0 ? "true" : "false";
    case VkSNMPSyntax::integer: return std::to_string(static_cast<int32_t>(s[p]));
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::uinteger: return std::to_string(s[p]);
    case VkSNMPSyntax::timeticks: return TimeTicksToText(s[p]);
    case VkSNMPSyntax::ipaddress:
    case VkSNMPSyntax::nsapaddr: return OidToText(VkOid(s.begin() + p, s.begin() + p + 4));
    case VkSNMPSyntax::counter64:
        return std::to_string((static_cast<uint64_t>(s[p]) << 32) | s[p + 1]);
    case VkSNMPSyntax::double_: return FloatToStr(WordsToDouble(s[p], s[p + 1]));
    case VkSNMPSyntax::bcdatetime: return DayCountToText(WordsToDouble(s[p], s[p + 1]));
    case VkSNMPSyntax::macaddress: return OctetsToHex(OctetsAt(s, p, kMacOctets));
    default: {  // datetime
        VkDateTime value;
        value.AssignOctets(OctetsAt(s, p, kDateAndTimeOctets));
        value.SwapYearBytes();
        return value.ToString();
    }
    }
}

// The number of sub-identifiers a fixed-size syntax takes; 0 for the others.
std::size_t FixedWidth(int syntax) {
    switch (syntax) {
    case VkSNMPSyntax::boolean:
    case VkSNMPSyntax::integer:
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::uinteger:
    case VkSNMPSyntax::timeticks: return 1;
    case VkSNMPSyntax::counter64:
    case VkSNMPSyntax::double_:
    case VkSNMPSyntax::bcdatetime: return 2;
    case VkSNMPSyntax::ipaddress:
    case VkSNMPSyntax::nsapaddr: return 4;
    case VkSNMPSyntax::macaddress: return kMacOctets;
    case VkSNMPSyntax::datetime: return kDateAndTimeOctets;
    default: return 0;
    }
}

// The text of the syntaxes of variable length; false when the suffix is short.
bool VariableText(int syntax, const VkOid& suffix, std::size_t& pos, bool lastImplied,
                  std::string& text) {
    switch (syntax) {
    case VkSNMPSyntax::bitstr:
    case VkSNMPSyntax::octetstr:
    case VkSNMPSyntax::opaque:
        if (!TakeOctets(suffix, pos, lastImplied, text)) return false;
        text = OctetsToHex(text);
        return true;
    case VkSNMPSyntax::displaystr: return TakeOctets(suffix, pos, lastImplied, text);
    case VkSNMPSyntax::objectid: return TakeObjectId(suffix, pos, lastImplied, text);
    case VkSNMPSyntax::null: text = "(NULL)"; return true;
    default: RaiseError(VK_ERR_BAD_SYNTAX);
    }
}

}  // namespace

VkOid EncodeIndexValue(int syntax, const std::string& text, bool lastImplied) {
    VkOid index;
    switch (syntax) {
    case VkSNMPSyntax::boolean: return {text == "true" ? 1u : 0u};
    case VkSNMPSyntax::integer:
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::uinteger: return {ReadUInt32(text)};
    case VkSNMPSyntax::bitstr:
    case VkSNMPSyntax::octetstr:
    case VkSNMPSyntax::opaque: AppendOctets(index, HexToOctets(text), !lastImplied); return index;
    case VkSNMPSyntax::null: return index;
    case VkSNMPSyntax::objectid: return ObjectIdIndex(text, lastImplied);
    case VkSNMPSyntax::ipaddress:
    case VkSNMPSyntax::nsapaddr: return DottedNumbersIndex(text);
    case VkSNMPSyntax::timeticks: return {TextToTimeTicks(text)};
    case VkSNMPSyntax::counter64: return Counter64Index(text);
    case VkSNMPSyntax::double_: return WordsIndex(ReadDouble(text));
    case VkSNMPSyntax::macaddress: return MacIndex(text);
    case VkSNMPSyntax::datetime: return DateAndTimeIndex(text);
    case VkSNMPSyntax::bcdatetime: return WordsIndex(TextToDayCount(text));
    case VkSNMPSyntax::displaystr: AppendOctets(index, text, !lastImplied); return index;
    default: RaiseError(VK_ERR_BAD_SYNTAX);
    }
}

std::string DecodeIndexValue(int syntax, const VkOid& suffix, std::size_t& pos, bool lastImplied) {
    if (pos > suffix.size()) pos = suffix.size();
    std::size_t width = FixedWidth(syntax);
    std::string text;
    if (width > 0 && suffix.size() - pos >= width) {
        text = FixedText(syntax, suffix, pos);
        pos += width;
        return text;
    }
    if (width == 0 && VariableText(syntax, suffix, pos, lastImplied, text)) return text;
    pos = suffix.size();
    return NoValueText(syntax);
}
