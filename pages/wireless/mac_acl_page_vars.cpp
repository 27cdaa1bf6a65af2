#include "pages/wireless/mac_acl_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kAccessControl[] = {{1, "Accept"}, {2, "Reject"}, {3, "Disable"}, {}};
constexpr VkOptionEntry kZoneDefence[] = {{0, "disable"}, {1, "enable"}, {}};

}  // namespace

const VkOptionList OptDot11MacAccessControl = MakeMibOptionList(kAccessControl);
const VkOptionList OptDot11ZoneDefenceControl = MakeMibOptionList(kZoneDefence);

constexpr VkSNMPVarEntry VarsMacAclMode[] = {
    {VAP_MIB_OID(".2.1.3.3.2.3.2.1.1.1"), "dot11MacAccessControl", integer, readwrite, &OptDot11MacAccessControl},
    {},
};

constexpr VkSNMPVarEntry VarsMacAclAdd[] = {
    {VAP_MIB_OID(".2.1.3.3.2.3.2.1.2.1"), "dot11MacAccessControlMacAddressAdd", macaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsMacAclDelete[] = {
    {VAP_MIB_OID(".2.1.3.3.2.3.2.1.3.1"), "dot11MacAccessControlMacAddressDelete", macaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsMacAclList[] = {
    {VAP_MIB_OID(".2.1.3.3.2.3.3.1.1"), "dot11MacAccessControlListIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.2.3.3.1.2"), "dot11MacAccessControlListMacAddress", macaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsMacAclZoneDefence[] = {
    {VAP_MIB_OID(".2.1.3.3.7.1.1.1.1"), "dot11ZoneDefenceControl", integer, readwrite, &OptDot11ZoneDefenceControl},
    {},
};

static_assert(VkTablesComplete(VarsMacAclMode, VarsMacAclAdd, VarsMacAclDelete, VarsMacAclList,
                               VarsMacAclZoneDefence));
