#pragma once
// Moving values between the simulator's form and net-snmp's variable bindings.

#include "sim/netsnmp.h"
#include "sim/value.h"

namespace sim {

// Stores the value (and its ASN.1 type) into the binding.
void ToVarbind(const Value& value, netsnmp_variable_list* vb);

// Reads the binding's value; false for a type the device has no syntax for.
bool FromVarbind(const netsnmp_variable_list* vb, Value& value);

Oid OidOf(const oid* arcs, size_t length);

}  // namespace sim
