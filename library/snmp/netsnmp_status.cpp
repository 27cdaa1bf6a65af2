#include "library/snmp/netsnmp_status.h"

#include <algorithm>

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

namespace {

// SNMPv3 message-processing statuses (-1402 - n maps to -201 - n).
constexpr int kV3UnknownSecurityModel = -1402;
constexpr int kV3NotInTimeWindow = -1403;
constexpr int kV3InvalidMessage = -1405;
constexpr int kV3InvalidEngineId = -1406;
constexpr int kV3ParseError = -1408;
constexpr int kV3BuildError = -1413;
constexpr int kV3UsmError = kStatusV3UsmError;
constexpr int kV3UnknownPduHandlers = -1415;
constexpr int kV3UnavailableContext = -1416;
constexpr int kV3UnknownContext = -1417;

// USM statuses (1400 + n maps to -300 - n).
constexpr int kUsmError = 1401;
constexpr int kUsmUnsupportedSecurityLevel = 1403;
constexpr int kUsmUnknownSecurityName = 1404;
constexpr int kUsmEncryptionError = 1405;
constexpr int kUsmDecryptionError = 1406;
constexpr int kUsmAuthenticationError = 1407;
constexpr int kUsmAuthenticationFailure = 1408;
constexpr int kUsmParseError = 1409;
constexpr int kUsmUnknownEngineId = 1410;
constexpr int kUsmNotInTimeWindow = 1411;

struct ErrorRow {
    int snmpErrno;
    int status;
};

// Errors that mean the same whatever the version.
constexpr ErrorRow kErrorTable[] = {
    {SNMPERR_GENERR, -1},
    {SNMPERR_MALLOC, -2},
    {SNMPERR_TIMEOUT, kStatusTimeout},
    {SNMPERR_TOO_LONG, -11},
    {SNMPERR_NULL_PDU, -11},
    {SNMPERR_UNKNOWN_PDU, -11},
    {SNMPERR_BAD_SESSION, -12},
    {SNMPERR_BAD_VERSION, -12},
    {SNMPERR_BAD_COMMUNITY, -12},
    {SNMPERR_BAD_NAME, -17},
    {SNMPERR_LONG_OID, -17},
    {SNMPERR_BAD_SUBID, -17},
    {SNMPERR_BAD_ADDRESS, -18},
    {SNMPERR_TRANSPORT_NO_CONFIG, -20},
    {SNMPERR_BAD_LOCPORT, -21},
    {SNMPERR_NO_SOCKET, -21},
    {SNMPERR_BAD_SENDTO, kStatusTransportFailed},
    {SNMPERR_BAD_RECVFROM, kStatusTransportFailed},
    {SNMPERR_UNKNOWN_SEC_MODEL, kV3UnknownSecurityModel},
    {SNMPERR_NOT_IN_TIME_WINDOW, kUsmNotInTimeWindow},
    {SNMPERR_INVALID_MSG, kV3InvalidMessage},
    {SNMPERR_BAD_ENG_ID, kV3InvalidEngineId},
    {SNMPERR_ASN_PARSE_ERR, kV3ParseError},
    {SNMPERR_BAD_CONTEXT, kV3UnknownContext},
    {SNMPERR_UNKNOWN_USER_NAME, kUsmUnknownSecurityName},
    {SNMPERR_UNKNOWN_REPORT, kV3UsmError},
    {SNMPERR_UNKNOWN_ENG_ID, kUsmUnknownEngineId},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, kUsmUnsupportedSecurityLevel},
    {SNMPERR_AUTHENTICATION_FAILURE, kUsmAuthenticationFailure},
    {SNMPERR_DECRYPTION_ERR, kUsmDecryptionError},
    {SNMPERR_USM_GENERICERROR, kUsmError},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, kUsmUnknownSecurityName},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, kUsmUnsupportedSecurityLevel},
    {SNMPERR_USM_ENCRYPTIONERROR, kUsmEncryptionError},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, kUsmAuthenticationError},
    {SNMPERR_USM_PARSEERROR, kUsmParseError},
    {SNMPERR_USM_UNKNOWNENGINEID, kUsmUnknownEngineId},
    {SNMPERR_USM_NOTINTIMEWINDOW, kUsmNotInTimeWindow},
    {SNMPERR_USM_DECRYPTIONERROR, kUsmDecryptionError},
};

struct ReportRow {
    VkOid counter;  // the report's counter, without its ".0"
    int status;
};

const ReportRow kReportTable[] = {
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1}, kUsmUnsupportedSecurityLevel},
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2}, kUsmNotInTimeWindow},
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3}, kUsmUnknownSecurityName},
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4}, kUsmUnknownEngineId},
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5}, kUsmAuthenticationFailure},
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6}, kUsmDecryptionError},
    {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1}, kV3UnknownSecurityModel},
    {{1, 3, 6, 1, 6, 3, 11, 2, 1, 2}, kV3InvalidMessage},
    {{1, 3, 6, 1, 6, 3, 11, 2, 1, 3}, kV3UnknownPduHandlers},
    {{1, 3, 6, 1, 6, 3, 12, 1, 4}, kV3UnavailableContext},
    {{1, 3, 6, 1, 6, 3, 12, 1, 5}, kV3UnknownContext},
};

bool StartsWith(const VkOid& oid, const VkOid& prefix) {
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

}  // namespace

int StatusFromNetsnmpError(int snmpErrno, int version) {
    if (snmpErrno == SNMPERR_BAD_ASN1_BUILD) return version == SNMP_VERSION_3 ? kV3BuildError : -3;
    if (snmpErrno == SNMPERR_BAD_PARSE && version == SNMP_VERSION_3) return kV3ParseError;
    for (const ErrorRow& row : kErrorTable)
        if (row.snmpErrno == snmpErrno) return row.status;
    return kUnmappedStatus;
}

int StatusFromReport(const VkOid& firstBindingOid) {
    for (const ReportRow& row : kReportTable)
        if (StartsWith(firstBindingOid, row.counter)) return row.status;
    return kV3UsmError;
}
