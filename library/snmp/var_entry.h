#pragma once
// Static definitions of SNMP variables: the row every request builds its
// variables from, and the codes a row carries. A table is a static array of
// rows that ends at the first row whose OID is null (a zero row, {}):
//
//   const VkSNMPVarEntry VarsTftpCommand[] = {
//       { "1.3.6.1.4.1.32473.10.37.44.4.3.2.4", "tftpcommand", VkSNMPSyntax::integer,
//         VkSNMPAccess::readwrite, &OptTftpCommand },
//       {},
//   };
//
// Row OIDs: scalars without their ".0"; instance lists the full instance;
// walked tables the column OID. The first keyCount rows of a walked table are
// its index columns (access notaccess); an index that is not a column of the
// table itself has the OID " ".

#include <cstddef>
#include <cstdint>
#include <string>

#include "library/common/option_list.h"

// The syntax codes. The enumerators keep the library's own names, inside a
// namespace so that they cannot meet a global name or typedef; the one name
// that is a C++ keyword, double, is spelt double_. Codes 193 to 198 name a
// byte or word of a value for the control binding; an item never has them as
// its own syntax.
namespace VkSNMPSyntax {
enum Code : int32_t {
    boolean = 1,       // truth value
    integer = 2,       // signed 32-bit integer
    bitstr = 3,        // bit string (octets)
    octetstr = 4,      // octet string
    null = 5,          // no value
    objectid = 6,      // object identifier
    ipaddress = 64,    // IPv4 address
    counter = 65,      // 32-bit counter
    guage = 66,        // 32-bit gauge
    timeticks = 67,    // hundredths of a second
    opaque = 68,       // opaque octets
    nsapaddr = 69,     // address handled as an IPv4 address
    counter64 = 70,    // 64-bit counter
    uinteger = 71,     // unsigned 32-bit integer
    double_ = 72,      // "double": IEEE double in 8 octets
    macaddress = 73,   // 6-octet MAC address in an octet string
    datetime = 74,     // SNMP DateAndTime, 11 octets
    bcdatetime = 75,   // date and time as an 8-octet double (days with fraction)
    displaystr = 76,   // printable text in an octet string
    bool8 = 193,       // one byte of a value as a truth value
    int8 = 194,        // one byte of a value, signed
    uint8 = 195,       // one byte of a value, unsigned
    bool16 = 196,      // two bytes of a value as a truth value
    int16 = 197,       // two bytes of a value, signed
    uint16 = 198,      // two bytes of a value, unsigned
};
}  // namespace VkSNMPSyntax

// The access bits of a variable.
namespace VkSNMPAccess {
enum Bits : int32_t {
    notaccess = 1,   // index column: never requested, decoded from the row index
    readonly = 2,    // read by Get requests
    writeonly = 4,   // written by Set requests
    readwrite = 6,   // both
    derived = 8,     // shown as a list-view column
    hidden = 16,     // kept out of the visible list-view columns
    invalid = 32,    // left out of reads and writes while set
    implied = 64,    // the last index column is encoded without a length prefix
};
}  // namespace VkSNMPAccess

// How a variable list goes on the wire.
//   SVT_SV   scalars: OID + ".0"
//   MVT_SV   one instance: OIDs as written
//   MVT_FMV  walked table; with a bound list view the bound controls stay
//            disabled until a row is selected
//   MVT_UMV  walked table, otherwise as MVT_FMV
enum VkSNMPVarListKind : uint8_t { SVT_SV = 0, MVT_SV = 1, MVT_FMV = 2, MVT_UMV = 3 };

// One static variable definition. The option list is shared and never owned
// by a row; the optional texts and initial values may be null.
// Every field has a default, so a row may stop after its last non-null field.
struct VkSNMPVarEntry {
    const char* oid = nullptr;
    const char* name = nullptr;
    int32_t syntax = 0;
    int32_t access = 0;
    const VkOptionList* options = nullptr;
    const char* readExpression = nullptr;
    const char* writeExpression = nullptr;
    const char* spare = nullptr;
    const std::string* value = nullptr;
    const std::string* instanceOid = nullptr;
};

// Tables are declared with their length, so that the compiler checks every
// table against the enum that names its rows (pages bind rows by number):
//
//   namespace LanAddressRow { enum : int { Address, Mask, Gateway, Count }; }
//   extern const VkSNMPVarEntry VarsLanAddress[VkTableLength(LanAddressRow::Count)];
//
// The length counts the closing zero row. A definition may leave the bound
// out (it is taken from the declaration), so each file of tables also checks
// that every row up to the last holds an OID and the last one is the zero
// row, which catches a table shorter than its enum too:
//
//   static_assert(VkTablesComplete(VarsLanAddress, VarsIfIpAddress));
constexpr int VkTableLength(int rows) { return rows + 1; }

template <std::size_t N>
constexpr bool VkTableComplete(const VkSNMPVarEntry (&rows)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (rows[i].oid == nullptr) return false;
    return rows[N - 1].oid == nullptr;
}

template <class... Tables>
constexpr bool VkTablesComplete(const Tables&... tables) {
    return (VkTableComplete(tables) && ...);
}
// The row of a table of one variable, and how such a table is declared:
//   extern VkOneVariableTable VarsCountryCode;
namespace SingleRow {
enum : int { Value, Count };
}
using VkOneVariableTable = const VkSNMPVarEntry[VkTableLength(SingleRow::Count)];

// The number of rows before the first null OID; 0 for a null table.
int CountVarEntries(const VkSNMPVarEntry* rows);

// The names of the list kinds, syntax codes and access bits, as option lists
// of integer kind that ignore letter case.
extern const VkOptionList VkSNMPVarListKindNames;
extern const VkOptionList VkSNMPSyntaxNames;
extern const VkOptionList VkSNMPAccessNames;
