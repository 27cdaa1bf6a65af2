#pragma once
// The value of a table's index column and the sub-identifiers that stand for
// it in an OID, syntax by syntax (the syntax codes of var_entry.h). Option
// lists are not applied here.
//
// `lastImplied` marks the last index column with the implied access bit: its
// octet strings, display strings and OIDs go without a length prefix and take
// every sub-identifier that is left.

#include <cstddef>
#include <string>

#include "library/snmp/oid.h"

// The sub-identifiers for a value text. Raises -511 for a syntax code outside
// the table, -417 for an OID text that does not parse and os::ConvertError
// for a date-time text (`bcdatetime`) that does not read as one.
VkOid EncodeIndexValue(int syntax, const std::string& text, bool lastImplied);

// The value text read from `suffix` at position `pos`; `pos` moves past the
// sub-identifiers taken (an octet is the low 8 bits of its sub-identifier).
// When fewer sub-identifiers are left than the syntax or a length prefix
// needs, nothing is read past the suffix: the result is the syntax's no-value
// text and `pos` moves to the end. Raises -511 for a syntax code outside the
// table.
std::string DecodeIndexValue(int syntax, const VkOid& suffix, std::size_t& pos, bool lastImplied);
