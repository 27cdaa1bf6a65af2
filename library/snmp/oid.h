#pragma once
// Object identifiers as sub-identifiers, and their dotted-decimal text
// ("1.3.6.1.2.1.1.5.0"). The parser knows no MIB names: every sub-identifier
// is a decimal number.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using VkOid = std::vector<uint32_t>;

// The most sub-identifiers an OID may have (the SNMP engine's limit).
constexpr std::size_t kMaxOidLength = 128;

// Reads dotted-decimal text: an optional leading ".", then numbers of
// 0..4294967295 separated by single dots. The empty text is the empty OID.
// Returns false, leaving `oid` unchanged, for anything else (blanks, names,
// empty parts, numbers out of range, more than kMaxOidLength parts).
bool ParseOid(const std::string& text, VkOid& oid);

// The sub-identifiers from position `first` on, in dotted decimal without a
// leading dot; empty when there are none.
std::string OidToText(const VkOid& oid, std::size_t first = 0);
