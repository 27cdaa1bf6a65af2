#pragma once
// Whether a SET may store a value into an object, with the SNMPv2 error status
// the agent answers when it may not (the agent library maps them to SNMPv1).

#include "sim/object_store.h"

namespace sim {

enum class SetStatus { NoError, NotWritable, NoCreation, WrongType, WrongLength, WrongValue };

// `entry` is null when no object has the OID. A value arriving as an octet
// string is a MAC address when the object is one (then exactly 6 octets).
SetStatus CheckSet(const ObjectStore::Entry* entry, const Value& value);

// The value as the object stores it (an octet string becomes a MAC address).
Value AsStored(const ObjectDef& def, const Value& value);

}  // namespace sim
