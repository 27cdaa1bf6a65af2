#include "library/snmp/netsnmp_var_bind.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <vector>

namespace {

bool Holds(const netsnmp_variable_list& received, const void* value, size_t size) {
    return value != nullptr && received.val_len >= size;
}

bool ReadLong(const netsnmp_variable_list& received, long& value) {
    if (!Holds(received, received.val.integer, sizeof(long))) return false;
    value = *received.val.integer;
    return true;
}

std::string ReadOctets(const netsnmp_variable_list& received) {
    if (received.val.string == nullptr || received.val_len == 0) return std::string();
    return std::string(reinterpret_cast<const char*>(received.val.string), received.val_len);
}

VkOid ToVkOid(const oid* name, size_t length) {
    VkOid result;
    if (name == nullptr) return result;
    for (size_t i = 0; i < length; ++i) result.push_back(static_cast<uint32_t>(name[i]));
    return result;
}

void ReadNumber(const netsnmp_variable_list& received, VkAsnType type, VkSNMPVarBind& binding) {
    long value = 0;
    if (!ReadLong(received, value)) return;
    if (type == VkAsnType::integer)
        binding.SetInteger(static_cast<int32_t>(value));
    else
        binding.SetUnsigned(type, static_cast<uint32_t>(value));
}

void ReadCounter64(const netsnmp_variable_list& received, VkSNMPVarBind& binding) {
    if (!Holds(received, received.val.counter64, sizeof(struct counter64))) return;
    const struct counter64& value = *received.val.counter64;
    binding.SetCounter64((static_cast<uint64_t>(value.high & 0xFFFFFFFFu) << 32) |
                         (value.low & 0xFFFFFFFFu));
}

void ReadObjectId(const netsnmp_variable_list& received, VkSNMPVarBind& binding) {
    if (received.val.objid == nullptr && received.val_len != 0) return;
    binding.SetObjectId(ToVkOid(received.val.objid, received.val_len / sizeof(oid)));
}

void ReadValue(const netsnmp_variable_list& received, VkSNMPVarBind& binding) {
    switch (received.type) {
    case ASN_INTEGER: ReadNumber(received, VkAsnType::integer, binding); break;
    case ASN_COUNTER: ReadNumber(received, VkAsnType::counter32, binding); break;
    case ASN_GAUGE:
    case ASN_UINTEGER: ReadNumber(received, VkAsnType::gauge32, binding); break;
    case ASN_TIMETICKS: ReadNumber(received, VkAsnType::timeTicks, binding); break;
    case ASN_COUNTER64: ReadCounter64(received, binding); break;
    case ASN_OCTET_STR:
    case ASN_BIT_STR:
    case ASN_NSAP: binding.SetOctets(VkAsnType::octetString, ReadOctets(received)); break;
    case ASN_OPAQUE: binding.SetOctets(VkAsnType::opaque, ReadOctets(received)); break;
    case ASN_IPADDRESS: binding.SetIpAddress(ReadOctets(received)); break;
    case ASN_OBJECT_ID: ReadObjectId(received, binding); break;
    case SNMP_NOSUCHOBJECT: binding.SetException(VkAsnType::noSuchObject); break;
    case SNMP_NOSUCHINSTANCE: binding.SetException(VkAsnType::noSuchInstance); break;
    case SNMP_ENDOFMIBVIEW: binding.SetException(VkAsnType::endOfMibView); break;
    default: break;  // ASN_NULL and unknown types: null
    }
}

u_char AsnTypeOf(VkAsnType type) {
    switch (type) {
    case VkAsnType::integer: return ASN_INTEGER;
    case VkAsnType::octetString: return ASN_OCTET_STR;
    case VkAsnType::objectId: return ASN_OBJECT_ID;
    case VkAsnType::ipAddress: return ASN_IPADDRESS;
    case VkAsnType::counter32: return ASN_COUNTER;
    case VkAsnType::gauge32: return ASN_GAUGE;
    case VkAsnType::timeTicks: return ASN_TIMETICKS;
    case VkAsnType::opaque: return ASN_OPAQUE;
    case VkAsnType::counter64: return ASN_COUNTER64;
    case VkAsnType::noSuchObject: return SNMP_NOSUCHOBJECT;
    case VkAsnType::noSuchInstance: return SNMP_NOSUCHINSTANCE;
    case VkAsnType::endOfMibView: return SNMP_ENDOFMIBVIEW;
    case VkAsnType::null: break;
    }
    return ASN_NULL;
}

// The value in the form net-snmp's snmp_set_var_value expects for each type.
struct EngineValue {
    long number = 0;
    struct counter64 wide = {0, 0};
    std::vector<oid> objectId;
    const void* data = nullptr;
    size_t size = 0;
};

EngineValue EngineValueOf(const VkSNMPVarBind& binding) {
    EngineValue value;
    switch (binding.Type()) {
    case VkAsnType::integer:
        value.number = binding.Integer();
        value.data = &value.number;
        value.size = sizeof value.number;
        break;
    case VkAsnType::counter32:
    case VkAsnType::gauge32:
    case VkAsnType::timeTicks:
        value.number = static_cast<long>(binding.Unsigned());
        value.data = &value.number;
        value.size = sizeof value.number;
        break;
    case VkAsnType::counter64:
        value.wide.high = static_cast<u_long>(binding.Counter64() >> 32);
        value.wide.low = static_cast<u_long>(binding.Counter64() & 0xFFFFFFFFu);
        value.data = &value.wide;
        value.size = sizeof value.wide;
        break;
    case VkAsnType::octetString:
    case VkAsnType::opaque:
    case VkAsnType::ipAddress:
        value.data = binding.Octets().data();
        value.size = binding.Octets().size();
        break;
    case VkAsnType::objectId:
        value.objectId.assign(binding.ObjectId().begin(), binding.ObjectId().end());
        value.data = value.objectId.data();
        value.size = value.objectId.size() * sizeof(oid);
        break;
    default:
        break;  // null and the exceptions carry no value
    }
    return value;
}

}  // namespace

VkSNMPVarBind VarBindFromNetsnmp(const netsnmp_variable_list& received) {
    VkSNMPVarBind binding;
    binding.oid = ToVkOid(received.name, received.name_length);
    ReadValue(received, binding);
    return binding;
}

bool AppendVarBindToNetsnmp(netsnmp_variable_list** list, const VkSNMPVarBind& binding) {
    if (list == nullptr || binding.oid.empty() || binding.oid.size() > kMaxOidLength) return false;
    if (binding.Type() == VkAsnType::ipAddress && binding.Octets().size() != 4) return false;
    std::vector<oid> name(binding.oid.begin(), binding.oid.end());
    EngineValue value = EngineValueOf(binding);
    // net-snmp copies the value; the vector above may keep a temporary buffer.
    return snmp_varlist_add_variable(list, name.data(), name.size(), AsnTypeOf(binding.Type()),
                                     value.data, value.size) != nullptr;
}
