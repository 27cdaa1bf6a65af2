#include "sim/set_check.h"

namespace sim {

namespace {

bool TypeFits(Syntax object, Syntax sent) {
    if (object == Syntax::Mac) return sent == Syntax::String || sent == Syntax::Mac;
    return object == sent;
}

bool LengthFits(const ObjectDef& def, const Value& value) {
    size_t length = value.octets.size();
    switch (def.syntax) {
    case Syntax::Mac: return length == 6;
    case Syntax::IpAddress: return length == 4;
    case Syntax::String: return Allows(def.allowed, static_cast<long>(length));
    default: return true;
    }
}

bool ValueFits(const ObjectDef& def, const Value& value) {
    switch (def.syntax) {
    case Syntax::Integer:
    case Syntax::TimeTicks:
    case Syntax::Counter:
    case Syntax::Gauge: return Allows(def.allowed, value.number);
    default: return true;
    }
}

}  // namespace

SetStatus CheckSet(const ObjectStore::Entry* entry, const Value& value) {
    if (entry == nullptr) return SetStatus::NoCreation;
    const ObjectDef& def = entry->def;
    if (def.access != Access::ReadWrite) return SetStatus::NotWritable;
    if (!TypeFits(def.syntax, value.syntax)) return SetStatus::WrongType;
    if (!LengthFits(def, value)) return SetStatus::WrongLength;
    if (!ValueFits(def, value)) return SetStatus::WrongValue;
    return SetStatus::NoError;
}

Value AsStored(const ObjectDef& def, const Value& value) {
    Value stored = value;
    stored.syntax = def.syntax;
    return stored;
}

}  // namespace sim
