#pragma once
// Translation of net-snmp's outcomes into the status number space that
// MapSNMPStatus maps (snmp_status.h): 0 success, 1..18 PDU error-status,
// -1..-23 session errors, -1402..-1418 SNMPv3 message processing,
// 1401..1414 SNMPv3 user-based security. A net-snmp error without an
// equivalent becomes kUnmappedStatus, which maps to -528.

#include "library/snmp/oid.h"

constexpr int kStatusTimeout = -5;         // -> -405
constexpr int kStatusTransportFailed = -22;  // -> -422
constexpr int kUnmappedStatus = -100000;
constexpr int kStatusV3UsmError = -1414;  // -> -213 "(SNMPv3) USM: error!"

// A net-snmp error number (SNMPERR_*) of a session of the given version.
int StatusFromNetsnmpError(int snmpErrno, int version);

// The status of an SNMPv3 report PDU, from the OID of its first binding
// (usmStats..., snmpMPDStats..., the context counters); a report of another
// counter is "(SNMPv3) USM: error!". A report is never a success.
int StatusFromReport(const VkOid& firstBindingOid);
