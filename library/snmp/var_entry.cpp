#include "library/snmp/var_entry.h"

int CountVarEntries(const VkSNMPVarEntry* rows) {
    int n = 0;
    if (rows != nullptr)
        while (rows[n].oid != nullptr) ++n;
    return n;
}

namespace {

const VkOptionEntry kVarListKindNameRows[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {},
};

const VkOptionEntry kSyntaxNameRows[] = {
    {VkSNMPSyntax::integer, "integer"},       {VkSNMPSyntax::bitstr, "bitstr"},
    {VkSNMPSyntax::octetstr, "octetstr"},     {VkSNMPSyntax::null, "null"},
    {VkSNMPSyntax::objectid, "objectid"},     {VkSNMPSyntax::ipaddress, "ipaddress"},
    {VkSNMPSyntax::counter, "counter"},       {VkSNMPSyntax::guage, "guage"},
    {VkSNMPSyntax::timeticks, "timeticks"},   {VkSNMPSyntax::opaque, "opaque"},
    {VkSNMPSyntax::counter64, "counter64"},   {VkSNMPSyntax::boolean, "boolean"},
    {VkSNMPSyntax::nsapaddr, "nsapaddr"},     {VkSNMPSyntax::uinteger, "uinteger"},
    {VkSNMPSyntax::double_, "double"},        {VkSNMPSyntax::macaddress, "macaddress"},
    {VkSNMPSyntax::datetime, "datetime"},     {VkSNMPSyntax::bcdatetime, "bcdatetime"},
    {VkSNMPSyntax::displaystr, "displaystr"}, {VkSNMPSyntax::bool8, "bool8"},
    {VkSNMPSyntax::int8, "int8"},             {VkSNMPSyntax::uint8, "uint8"},
    {VkSNMPSyntax::bool16, "bool16"},         {VkSNMPSyntax::int16, "int16"},
    {VkSNMPSyntax::uint16, "uint16"},         {},
};

const VkOptionEntry kAccessNameRows[] = {
    {VkSNMPAccess::notaccess, "notaccess"}, {VkSNMPAccess::readonly, "readonly"},
    {VkSNMPAccess::writeonly, "writeonly"}, {VkSNMPAccess::readwrite, "readwrite"},
    {VkSNMPAccess::derived, "derived"},     {VkSNMPAccess::hidden, "hidden"},
    {VkSNMPAccess::invalid, "invalid"},     {VkSNMPAccess::implied, "implied"},
    {},
};

}  // namespace

// Defined in this order in one unit, so they are built in this order before
// main and destroyed in the reverse order at exit.
const VkOptionList VkSNMPVarListKindNames(kVarListKindNameRows, OPT_INT, false);
const VkOptionList VkSNMPSyntaxNames(kSyntaxNameRows, OPT_INT, false);
const VkOptionList VkSNMPAccessNames(kAccessNameRows, OPT_INT, false);
