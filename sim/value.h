#pragma once
// Values of the simulated objects, in the syntaxes the device uses, with their
// text form (object files, fixtures, the control channel and the PDU log).

#include <string>

#include "sim/oid.h"

namespace sim {

enum class Syntax { Integer, String, Mac, IpAddress, TimeTicks, Counter, Gauge, ObjectId };

// The syntax named in object files ("integer", "string", "mac", ...).
bool ParseSyntax(const std::string& name, Syntax& syntax);
const char* SyntaxName(Syntax syntax);

struct Value {
    Syntax syntax = Syntax::Integer;
    long number = 0;      // Integer, TimeTicks, Counter, Gauge
    std::string octets;   // String and Mac; IpAddress as its 4 octets
    Oid oid;              // ObjectId

    bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }
};

// Reads a value of the given syntax from its text form: integers in decimal,
// addresses dotted, MAC addresses as 12 hex digits, texts as they are (the
// caller has removed any quotes), object identifiers numeric.
bool ParseValue(Syntax syntax, const std::string& text, Value& value);

// The text form ParseValue reads back (texts unquoted).
std::string FormatValue(const Value& value);

}  // namespace sim
