#pragma once
// One variable binding as the request layer sees it, independent of the SNMP
// engine: the OID, the type of the value on the wire and the value itself.
// The adapter fills it from a received binding and turns it into the engine's
// binding for sending (netsnmp_var_bind.h).
//
// Each setter replaces the type and the value together and resets every other
// value field, so a reader can never find a value left over from an earlier
// type: a field that the type does not use reads as 0 or empty.

#include <cstdint>
#include <string>

#include "library/snmp/oid.h"

// The types a binding can carry (SNMPv1/v2c SMI), and the three SNMPv2
// exceptions that stand in place of a value.
enum class VkAsnType : uint8_t {
    null,
    integer,      // INTEGER / Integer32
    octetString,  // OCTET STRING (also BIT STRING and NsapAddress as received)
    objectId,     // OBJECT IDENTIFIER
    ipAddress,    // IpAddress: four octets in network order
    counter32,    // Counter32
    gauge32,      // Gauge32 / Unsigned32
    timeTicks,    // TimeTicks, hundredths of a second
    opaque,       // Opaque
    counter64,    // Counter64
    noSuchObject,
    noSuchInstance,
    endOfMibView,
};

class VkSNMPVarBind {
public:
    VkOid oid;

    VkAsnType Type() const { return type_; }
    // False for a null and for the three exceptions.
    bool HasValue() const;
    // True for the 32-bit number types: integer, counter32, gauge32, timeTicks.
    bool IsNumber32() const;
    // True for octetString and opaque.
    bool IsOctets() const;

    void SetNull();
    // noSuchObject, noSuchInstance or endOfMibView (anything else sets null).
    void SetException(VkAsnType exception);
    void SetInteger(int32_t value);
    // counter32, gauge32 or timeTicks (anything else is taken as gauge32).
    void SetUnsigned(VkAsnType type, uint32_t value);
    void SetCounter64(uint64_t value);
    // octetString or opaque (anything else is taken as octetString).
    void SetOctets(VkAsnType type, const std::string& octets);
    // The address octets as received; a valid address has exactly four.
    void SetIpAddress(const std::string& octets);
    void SetObjectId(const VkOid& value);

    // The value of an integer binding (0 for other types).
    int32_t Integer() const { return integer_; }
    // The value of a counter32, gauge32 or timeTicks binding (0 for others).
    uint32_t Unsigned() const { return unsigned_; }
    // The value of a counter64 binding (0 for others).
    uint64_t Counter64() const { return counter64_; }
    // The octets of an octetString, opaque or ipAddress binding (empty for others).
    const std::string& Octets() const { return octets_; }
    // The value of an objectId binding (empty for others).
    const VkOid& ObjectId() const { return objectId_; }

private:
    void Reset(VkAsnType type);

    VkAsnType type_ = VkAsnType::null;
    int32_t integer_ = 0;
    uint32_t unsigned_ = 0;
    uint64_t counter64_ = 0;
    std::string octets_;
    VkOid objectId_;
};
