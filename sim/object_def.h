#pragma once
// The definition of one simulated object: where it lives, what it holds, who
// may write it and which values it takes.

#include <string>
#include <vector>

#include "sim/oid.h"
#include "sim/value.h"

namespace sim {

enum class Access { ReadOnly, ReadWrite };

// An inclusive range of integer values or of octet lengths.
struct Range {
    long low;
    long high;
};

struct ObjectDef {
    std::string name;
    Oid oid;
    Syntax syntax = Syntax::Integer;
    Access access = Access::ReadOnly;
    std::vector<Range> allowed;  // empty: every value of the syntax
    Value initial;
};

// True when the allowed list is empty or one of its ranges holds n.
bool Allows(const std::vector<Range>& allowed, long n);

}  // namespace sim
