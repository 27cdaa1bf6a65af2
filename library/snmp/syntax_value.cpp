#include "library/snmp/syntax_value.h"

#include "library/common/date_time.h"
#include "library/common/messages.h"
#include "library/common/text.h"
#include "library/snmp/day_count_text.h"
#include "library/snmp/ip_address_text.h"
#include "library/snmp/number_text.h"
#include "library/snmp/octet_text.h"
#include "library/snmp/time_ticks_text.h"
#include "library/snmp/var_entry.h"

namespace {

const char* const kNull = "(NULL)";
// The program code of an OID that cannot be parsed ("(SNMPClass) Invalid
// Object Identifier!").

// The value of a 32-bit number binding: signed for INTEGER, unsigned for the
// other three; false for any other type.
bool Number32(const VkSNMPVarBind& binding, int64_t& value) {
    if (!binding.IsNumber32()) return false;
    value = binding.Type() == VkAsnType::integer ? binding.Integer()
                                                 : static_cast<int64_t>(binding.Unsigned());
    return true;
}

std::string NumberText(const VkSNMPVarBind& binding, int syntax) {
    int64_t value = 0;
    if (!Number32(binding, value)) return std::string();
    uint32_t asUnsigned = static_cast<uint32_t>(value);
    switch (syntax) {
    case VkSNMPSyntax::boolean: return value != 0 ? "true" : "false";
    case VkSNMPSyntax::integer: return std::to_string(value);
    case VkSNMPSyntax::timeticks: return TimeTicksToText(asUnsigned);
    default: return std::to_string(asUnsigned);
    }
}

std::string Counter64Text(const VkSNMPVarBind& binding) {
    if (binding.Type() == VkAsnType::counter64) return std::to_string(binding.Counter64());
    int64_t value = 0;
    return Number32(binding, value) ? std::to_string(static_cast<uint32_t>(value)) : std::string();
}

std::string OctetsOf(const VkSNMPVarBind& binding) {
    return binding.IsOctets() ? binding.Octets() : std::string();
}

std::string AddressText(const VkSNMPVarBind& binding) {
    bool carriesOctets = binding.IsOctets() || binding.Type() == VkAsnType::ipAddress;
    return carriesOctets ? IPv4ToText(binding.Octets()) : std::string();
}

std::string ObjectIdText(const VkSNMPVarBind& binding) {
    return binding.Type() == VkAsnType::objectId ? OidToText(binding.ObjectId()) : std::string();
}

std::string DoubleText(const VkSNMPVarBind& binding) {
    double value = 0;
    return OctetsToDouble(OctetsOf(binding), value) ? FloatToStr(value) : std::string();
}

std::string DateAndTimeText(const VkSNMPVarBind& binding) {
    std::string octets = OctetsOf(binding);
    if (octets.empty()) return std::string();
    VkDateTime value;
    value.AssignOctets(octets);
    value.SwapYearBytes();
    return value.ToString();
}

std::string DayCountOctetsText(const VkSNMPVarBind& binding) {
    double value = 0;
    return OctetsToDouble(OctetsOf(binding), value) ? DayCountToText(value) : std::string();
}

std::string DisplayText(const VkSNMPVarBind& binding) {
    std::string octets = OctetsOf(binding);
    return octets.substr(0, octets.find('\0'));
}

bool IsOctetSyntax(int syntax) {
    return syntax == VkSNMPSyntax::bitstr || syntax == VkSNMPSyntax::octetstr ||
           syntax == VkSNMPSyntax::opaque || syntax == VkSNMPSyntax::macaddress;
}

// The text by syntax, empty when the binding gives none.
std::string TextBySyntax(int syntax, const VkSNMPVarBind& binding) {
    switch (syntax) {
    case VkSNMPSyntax::boolean:
    case VkSNMPSyntax::integer:
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::uinteger:
    case VkSNMPSyntax::timeticks: return NumberText(binding, syntax);
    case VkSNMPSyntax::bitstr:
    case VkSNMPSyntax::octetstr:
    case VkSNMPSyntax::opaque:
    case VkSNMPSyntax::macaddress: return OctetsToHex(OctetsOf(binding));
    case VkSNMPSyntax::null: return kNull;
    case VkSNMPSyntax::objectid: return ObjectIdText(binding);
    case VkSNMPSyntax::ipaddress:
    case VkSNMPSyntax::nsapaddr: return AddressText(binding);
    case VkSNMPSyntax::counter64: return Counter64Text(binding);
    case VkSNMPSyntax::double_: return DoubleText(binding);
    case VkSNMPSyntax::datetime: return DateAndTimeText(binding);
    case VkSNMPSyntax::bcdatetime: return DayCountOctetsText(binding);
    case VkSNMPSyntax::displaystr: return DisplayText(binding);
    default: RaiseError(VK_ERR_BAD_SYNTAX);
    }
}

void SetObjectId(const std::string& text, VkSNMPVarBind& binding) {
    VkOid value;
    if (!ParseOid(text, value)) RaiseError(VK_ERR_BAD_OID);
    binding.SetObjectId(value);
}

void SetAddress(const std::string& text, VkSNMPVarBind& binding) {
    std::string octets;
    if (!ResolveIPv4(text, octets)) RaiseError(VK_ERR_BAD_ADDRESS);
    binding.SetIpAddress(octets);
}

std::string DateAndTimeOctets(const std::string& text) {
    VkDateTime value(text);
    value.SwapYearBytes();
    return value.Octets();
}

}  // namespace

std::string NoValueText(int syntax) {
    return syntax == VkSNMPSyntax::displaystr || IsOctetSyntax(syntax) ? std::string() : kNull;
}

std::string BindingToText(int syntax, const VkSNMPVarBind& binding) {
    std::string text = TextBySyntax(syntax, binding);
    if (!binding.HasValue() || text.empty()) return NoValueText(syntax);
    return text;
}

bool CarriesSyntax(int syntax, const VkSNMPVarBind& binding) {
    if (!binding.HasValue()) return true;
    const bool number = binding.IsNumber32() || binding.Type() == VkAsnType::counter64;
    switch (syntax) {
    case VkSNMPSyntax::boolean:
    case VkSNMPSyntax::integer:
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::timeticks:
    case VkSNMPSyntax::counter64:
    case VkSNMPSyntax::uinteger: return number;
    case VkSNMPSyntax::bitstr:
    case VkSNMPSyntax::octetstr:
    case VkSNMPSyntax::opaque:
    case VkSNMPSyntax::macaddress:
    case VkSNMPSyntax::double_:
    case VkSNMPSyntax::datetime:
    case VkSNMPSyntax::bcdatetime:
    case VkSNMPSyntax::displaystr: return binding.IsOctets();
    case VkSNMPSyntax::ipaddress:
    case VkSNMPSyntax::nsapaddr: return binding.Type() == VkAsnType::ipAddress || binding.IsOctets();
    case VkSNMPSyntax::objectid: return binding.Type() == VkAsnType::objectId;
    default: return true;
    }
}

void TextToBinding(int syntax, const std::string& text, VkSNMPVarBind& binding) {
    if (text == kNull) return binding.SetNull();
    const VkAsnType octets = VkAsnType::octetString;
    switch (syntax) {
    case VkSNMPSyntax::boolean: return binding.SetInteger(text == "true" ? 1 : 0);
    case VkSNMPSyntax::integer: return binding.SetInteger(ReadInt32(text));
    case VkSNMPSyntax::bitstr:
    case VkSNMPSyntax::octetstr:
    case VkSNMPSyntax::opaque:
    case VkSNMPSyntax::macaddress: return binding.SetOctets(octets, HexToOctets(text));
    case VkSNMPSyntax::null: return binding.SetNull();
    case VkSNMPSyntax::objectid: return SetObjectId(text, binding);
    case VkSNMPSyntax::ipaddress:
    case VkSNMPSyntax::nsapaddr: return SetAddress(text, binding);
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::uinteger: return binding.SetUnsigned(VkAsnType::gauge32, ReadUInt32(text));
    case VkSNMPSyntax::timeticks:
        return binding.SetUnsigned(VkAsnType::timeTicks, TextToTimeTicks(text));
    case VkSNMPSyntax::counter64: return binding.SetCounter64(ReadUInt64(text));
    case VkSNMPSyntax::double_: return binding.SetOctets(octets, DoubleToOctets(ReadDouble(text)));
    case VkSNMPSyntax::datetime: return binding.SetOctets(octets, DateAndTimeOctets(text));
    case VkSNMPSyntax::bcdatetime:
        return binding.SetOctets(octets, DoubleToOctets(TextToDayCount(text)));
    case VkSNMPSyntax::displaystr: return binding.SetOctets(octets, text);
    default: RaiseError(VK_ERR_BAD_SYNTAX);
    }
}
