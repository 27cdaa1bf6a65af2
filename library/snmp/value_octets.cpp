#include "library/snmp/value_octets.h"

#include <algorithm>
#include <cstdint>

#include "library/common/date_time.h"
#include "library/common/messages.h"
#include "library/common/text.h"
#include "library/common/text_functions.h"
#include "library/snmp/day_count_text.h"
#include "library/snmp/ip_address_text.h"
#include "library/snmp/number_text.h"
#include "library/snmp/octet_text.h"
#include "library/snmp/oid.h"
#include "library/snmp/time_ticks_text.h"
#include "library/snmp/var_entry.h"

namespace {

using namespace VkSNMPSyntax;

constexpr int kRest = -1;  // the part is the rest of the value

struct OctetForm {
    int syntax;
    int minimum;   // fewest octets OctetsToText reads (0: no minimum)
    int partSize;  // octets of a part, or kRest
};

const OctetForm kForms[] = {
    {boolean, 4, 4},    {integer, 4, 4},    {bitstr, 0, kRest},     {octetstr, 0, kRest},
    {null, 0, 0},       {objectid, 0, kRest}, {ipaddress, 4, 4},    {counter, 4, 4},
    {guage, 4, 4},      {timeticks, 4, 4},  {opaque, 0, kRest},     {nsapaddr, 4, 4},
    {counter64, 8, 8},  {uinteger, 4, 4},   {double_, 8, 8},        {macaddress, 6, 6},
    {datetime, 11, 11}, {bcdatetime, 8, 8}, {displaystr, 0, kRest}, {bool8, 0, 1},
    {int8, 0, 1},       {uint8, 0, 1},      {bool16, 2, 2},         {int16, 2, 2},
    {uint16, 2, 2},
};

const OctetForm& FormOf(int syntax) {
    for (const OctetForm& form : kForms) {
        if (form.syntax == syntax) return form;
    }
    RaiseError(VK_ERR_BAD_SYNTAX);
}

std::string LittleEndian(uint64_t value, int count) {
    std::string octets;
    for (int i = 0; i < count; ++i) octets += static_cast<char>((value >> (8 * i)) & 0xFF);
    return octets;
}

uint64_t ReadLittleEndian(const std::string& octets, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(octets[static_cast<size_t>(i)]);
    }
    return value;
}

std::string BigEndian16(uint32_t value) {
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

uint32_t ReadBigEndian16(const std::string& octets) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(octets[0])) << 8) |
           static_cast<unsigned char>(octets[1]);
}

uint32_t Truth(const std::string& text) { return text == "true" ? 1 : 0; }
std::string TruthText(uint64_t value) { return value != 0 ? "true" : "false"; }

// Dotted numbers: an optional leading '.', then the leading number of each
// piece between dots; the empty text has none.
std::vector<uint32_t> DottedNumbers(const std::string& text) {
    std::vector<uint32_t> numbers;
    size_t start = !text.empty() && text[0] == '.' ? 1 : 0;
    if (start >= text.size()) return numbers;
    while (true) {
        size_t dot = text.find('.', start);
        numbers.push_back(ReadUInt32(text.substr(start, dot - start)));
        if (dot == std::string::npos) return numbers;
        start = dot + 1;
    }
}

std::string OidOctets(const std::string& text) {
    std::string octets;
    for (uint32_t number : DottedNumbers(text)) octets += LittleEndian(number, 4);
    return octets;
}

std::string AddressOctets(const std::string& text) {
    std::string octets;
    for (uint32_t number : DottedNumbers(text)) octets += static_cast<char>(number & 0xFF);
    return octets;
}

std::string OidText(const std::string& octets) {
    VkOid oid;
    for (size_t at = 0; at + 4 <= octets.size(); at += 4) {
        oid.push_back(static_cast<uint32_t>(ReadLittleEndian(octets.substr(at, 4), 4)));
    }
    return OidToText(oid);
}

std::string DateTimeOctets(const std::string& text) {
    VkDateTime value(text);
    value.SwapYearBytes();
    return value.Octets();
}

std::string DateTimeText(const std::string& octets) {
    VkDateTime value;
    value.AssignOctets(octets);
    value.SwapYearBytes();
    return value.ToString();
}

std::string DoubleText(const std::string& octets) {
    double value = 0;
    OctetsToDouble(octets, value);
    return FloatToStr(value);
}

std::string DayCountText(const std::string& octets) {
    double value = 0;
    OctetsToDouble(octets, value);
    return DayCountToText(value);
}

std::string DisplayText(const std::string& octets) { return octets.substr(0, octets.find('\0')); }

}  // namespace

std::string TextToOctets(const std::string& text, int syntax) {
    FormOf(syntax);
    if (text == "(NULL)") return std::string();
    switch (syntax) {
        case boolean: return LittleEndian(Truth(text), 4);
        case integer: return LittleEndian(static_cast<uint32_t>(ReadInt32(text)), 4);
        case objectid: return OidOctets(text);
        case ipaddress:
        case nsapaddr: return AddressOctets(text);
        case counter:
        case guage:
        case uinteger: return LittleEndian(ReadUInt32(text), 4);
        case timeticks: return LittleEndian(TextToTimeTicks(text), 4);
        case counter64: return LittleEndian(ReadUInt64(text), 8);
        case double_: return DoubleToOctets(ReadDouble(text));
        case datetime: return DateTimeOctets(text);
        case bcdatetime: return DoubleToOctets(TextToDayCount(text));
        case displaystr: return text;
        case null: return std::string();
        case bool8: return LittleEndian(Truth(text), 1);
        case int8:
        case uint8: return LittleEndian(static_cast<uint32_t>(ReadInt32(text)), 1);
        case bool16: return BigEndian16(Truth(text));
        case int16:
        case uint16: return BigEndian16(static_cast<uint32_t>(ReadInt32(text)));
        default: return HexToOctets(text);  // bitstr, octetstr, opaque, macaddress
    }
}

std::string OctetsToText(const std::string& octets, int syntax) {
    const OctetForm& form = FormOf(syntax);
    if (octets.empty()) return syntax == displaystr ? std::string() : "(NULL)";
    if (octets.size() < static_cast<size_t>(form.minimum)) RaiseError(VK_ERR_BAD_PART_VALUE);
    switch (syntax) {
        case boolean: return TruthText(ReadLittleEndian(octets, 4));
        case integer: return IntToStr(static_cast<int32_t>(ReadLittleEndian(octets, 4)));
        case objectid: return OidText(octets);
        case ipaddress:
        case nsapaddr: return IPv4ToText(octets.substr(0, 4));
        case counter:
        case guage:
        case uinteger: return IntToStr(static_cast<long long>(ReadLittleEndian(octets, 4)));
        case timeticks: return TimeTicksToText(static_cast<uint32_t>(ReadLittleEndian(octets, 4)));
        case counter64: return std::to_string(ReadLittleEndian(octets, 8));
        case double_: return DoubleText(octets);
        case datetime: return DateTimeText(octets);
        case bcdatetime: return DayCountText(octets);
        case displaystr: return DisplayText(octets);
        case null: return "(NULL)";
        case bool8: return TruthText(static_cast<unsigned char>(octets[0]));
        case int8: return IntToStr(static_cast<signed char>(octets[0]));
        case uint8: return IntToStr(static_cast<unsigned char>(octets[0]));
        case bool16: return TruthText(ReadBigEndian16(octets));
        case int16: return IntToStr(static_cast<int16_t>(ReadBigEndian16(octets)));
        case uint16: return IntToStr(ReadBigEndian16(octets));
        default: return OctetsToHex(octets);  // bitstr, octetstr, opaque, macaddress
    }
}

std::string ExtractPart(const std::string& octets, int offset, int partSyntax) {
    const OctetForm& form = FormOf(partSyntax);
    if (octets.empty()) return std::string();
    if (offset < 0 || static_cast<size_t>(offset) > octets.size()) RaiseError(VK_ERR_PART_INDEX);
    size_t from = static_cast<size_t>(offset);
    size_t length = form.partSize == kRest ? octets.size() - from : static_cast<size_t>(form.partSize);
    if (from + length > octets.size()) RaiseError(VK_ERR_PART_INDEX);
    return octets.substr(from, length);
}

void PutPart(std::string& octets, int offset, const std::string& part) {
    if (offset < 0) RaiseError(VK_ERR_PART_INDEX);
    size_t from = static_cast<size_t>(offset);
    if (octets.size() < from + part.size()) octets.resize(from + part.size(), '\0');
    octets.replace(from, part.size(), part);
}

namespace {

unsigned char BitMask(int bit) { return static_cast<unsigned char>(IntPower(2, 7 - bit % 8)); }

size_t OctetOfBit(int bit) {
    if (bit < 0) RaiseError(VK_ERR_PART_INDEX);
    return static_cast<size_t>(bit / 8);
}

}  // namespace

std::vector<bool> BitsOfOctets(const std::string& octets, const std::vector<int>& bits) {
    std::vector<bool> states;
    for (int bit : bits) {
        size_t octet = OctetOfBit(bit);
        if (octet >= octets.size()) RaiseError(VK_ERR_PART_INDEX);
        states.push_back((static_cast<unsigned char>(octets[octet]) & BitMask(bit)) != 0);
    }
    return states;
}

std::string OctetsOfBits(const std::vector<int>& bits, const std::vector<bool>& checked) {
    std::string part;
    for (size_t k = 0; k < bits.size(); ++k) {
        size_t octet = OctetOfBit(bits[k]);
        if (part.size() <= octet) part.resize(octet + 1, '\0');
        unsigned char value = static_cast<unsigned char>(part[octet]);
        bool on = k < checked.size() && checked[k];
        value = on ? (value | BitMask(bits[k])) : (value & ~BitMask(bits[k]));
        part[octet] = static_cast<char>(value);
    }
    return part;
}
