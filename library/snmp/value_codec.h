#pragma once
// The value operations of a request on its own variable list: received
// bindings to value texts and back, table index values to OID sub-identifiers
// and back, the column-end test of a walk and the expression hooks.
//
// VkSNMPRequest derives from this class and so holds `vars` and these eight
// virtual operations in their fixed slot order (SubstituteValues, DecodeIndex,
// EncodeIndex, VbToValue, ValueToVb, ApplyExpression, EvaluateCondition,
// IsColumnEnd); a subclass overrides in place and the request appends its own
// virtual operations after them. Items are addressed by number; a number
// outside the list raises os::ListIndexError. Option lists are applied on the
// way in (device value -> display text) and on the way out.
//
// Failures are raised as os::Exception with the code in HelpContext:
// -511 a syntax code outside the tables, -512 a "(NULL)" value in an
// expression, -513 an expression over a syntax that cannot be substituted or
// stored; -509 an address text that does not resolve and -417 an OID text
// that does not parse, when a value is to be sent or encoded.

#include <string>

#include "library/snmp/var_bind.h"
#include "library/snmp/var_list.h"

class VkSNMPValueCodec {
public:
    // slot 0: the expression with item values put in for every marker followed
    // by an item number ("$3" -> item 3's value). Booleans give "1"/"0",
    // numbers their text, time ticks their hundredths, bcdatetime its day
    // count; any other syntax gives its value in double quotes when
    // quoteStrings is set and raises -513 otherwise. An inserted value is not
    // searched for markers again.
    virtual std::string SubstituteValues(const std::string& expression, bool quoteStrings,
                                         const std::string& marker);
    // slot 1: reads item `item`'s value from the front of the dotted index
    // suffix and returns the rest of the suffix (empty when nothing is left).
    virtual std::string DecodeIndex(int item, const std::string& suffix);
    // slot 2: item `item`'s value as index sub-identifiers in dotted text
    // (empty when there are none).
    virtual std::string EncodeIndex(int item);
    // slot 3: sets item `item`'s value text from a received binding.
    virtual void VbToValue(int item, const VkSNMPVarBind& binding);
    // slot 4: stores item `item`'s value in the binding to send (its OID is kept).
    virtual void ValueToVb(int item, VkSNMPVarBind& binding);
    // slot 5: applies the item's read expression (received set) or write
    // expression; an item without one is left as it is.
    virtual void ApplyExpression(int item, bool received);
    // slot 6: true for an empty condition, else the logic value of the
    // condition with item values substituted (quoted, marker "$").
    virtual bool EvaluateCondition(const std::string& condition);
    // slot 7: for the table kinds, whether an item's column has ended in a
    // walk: the received OID does not lie below the base OID, or it repeats
    // the last OID received. Always false for scalar and instance lists.
    virtual bool IsColumnEnd(const std::string& baseOid, const std::string& lastOid,
                             const std::string& receivedOid);

    virtual ~VkSNMPValueCodec() = default;

    // EvaluateCondition for a condition the caller gives.
    bool MatchesCondition(const std::string& condition) { return EvaluateCondition(condition); }

    // The variables; owners assign a list built from a static table.
    VkSNMPVarList vars;

private:
    // The last index column with the implied access bit.
    bool IsLastImplied(int item) const;
    // The item's value as the device knows it (display text mapped back).
    std::string DeviceValue(const VkSNMPVarItem& entry) const;
    // The item's value set from a device value (mapped to its display text).
    void SetFromDeviceValue(VkSNMPVarItem& entry, const std::string& value);
    std::string ReplacementFor(int item, bool quoteStrings);
};
