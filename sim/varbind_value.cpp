#include "sim/varbind_value.h"

#include <vector>

namespace sim {

namespace {

u_char AsnTypeOf(Syntax syntax) {
    switch (syntax) {
    case Syntax::Integer: return ASN_INTEGER;
    case Syntax::String:
    case Syntax::Mac: return ASN_OCTET_STR;
    case Syntax::IpAddress: return ASN_IPADDRESS;
    case Syntax::TimeTicks: return ASN_TIMETICKS;
    case Syntax::Counter: return ASN_COUNTER;
    case Syntax::Gauge: return ASN_GAUGE;
    case Syntax::ObjectId: return ASN_OBJECT_ID;
    }
    return ASN_NULL;
}

bool SyntaxOf(u_char type, Syntax& syntax) {
    switch (type) {
    case ASN_INTEGER: syntax = Syntax::Integer; return true;
    case ASN_OCTET_STR: syntax = Syntax::String; return true;
    case ASN_IPADDRESS: syntax = Syntax::IpAddress; return true;
    case ASN_TIMETICKS: syntax = Syntax::TimeTicks; return true;
    case ASN_COUNTER: syntax = Syntax::Counter; return true;
    case ASN_GAUGE: syntax = Syntax::Gauge; return true;
    case ASN_OBJECT_ID: syntax = Syntax::ObjectId; return true;
    default: return false;
    }
}

}  // namespace

void ToVarbind(const Value& value, netsnmp_variable_list* vb) {
    u_char type = AsnTypeOf(value.syntax);
    switch (value.syntax) {
    case Syntax::Integer:
    case Syntax::TimeTicks:
    case Syntax::Counter:
    case Syntax::Gauge: {
        long number = value.number;
        snmp_set_var_typed_value(vb, type, &number, sizeof number);
        break;
    }
    case Syntax::String:
    case Syntax::Mac:
    case Syntax::IpAddress:
        snmp_set_var_typed_value(vb, type, value.octets.data(), value.octets.size());
        break;
    case Syntax::ObjectId: {
        std::vector<oid> arcs(value.oid.begin(), value.oid.end());
        snmp_set_var_typed_value(vb, type, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    }
}

bool FromVarbind(const netsnmp_variable_list* vb, Value& value) {
    value = Value{};
    if (!SyntaxOf(vb->type, value.syntax)) return false;
    switch (value.syntax) {
    case Syntax::Integer:
        value.number = *vb->val.integer;
        break;
    case Syntax::TimeTicks:
    case Syntax::Counter:
    case Syntax::Gauge:
        value.number = static_cast<long>(static_cast<unsigned long>(*vb->val.integer) & 0xFFFFFFFFul);
        break;
    case Syntax::String:
    case Syntax::Mac:
    case Syntax::IpAddress:
        value.octets.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    case Syntax::ObjectId:
        value.oid = OidOf(vb->val.objid, vb->val_len / sizeof(oid));
        break;
    }
    return true;
}

Oid OidOf(const oid* arcs, size_t length) {
    Oid result;
    for (size_t i = 0; i < length; ++i) result.push_back(static_cast<uint32_t>(arcs[i]));
    return result;
}

}  // namespace sim
