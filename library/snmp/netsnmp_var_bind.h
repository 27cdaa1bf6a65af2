#pragma once
// Conversion between the request layer's bindings and net-snmp's
// netsnmp_variable_list (struct variable_list), the only place where the two
// meet. Only the adapter's sources include net-snmp's headers.

#include "library/snmp/var_bind.h"

struct variable_list;

// The binding net-snmp received. The type is checked before the value is
// touched, and the value only when net-snmp holds as many bytes as the type
// needs; a binding of a type this layer does not know, or whose value is
// malformed, reads as a null binding (never as made-up data). BIT STRING and
// NsapAddress read as octet strings, UInteger32 as a gauge.
VkSNMPVarBind VarBindFromNetsnmp(const struct variable_list& received);

// Appends the binding to a net-snmp list (for a PDU: &pdu->variables).
// Returns false, leaving the list as it was, when net-snmp refuses it or the
// binding cannot be sent (an empty OID, an IpAddress that is not four octets).
bool AppendVarBindToNetsnmp(struct variable_list** list, const VkSNMPVarBind& binding);
