#include "pages/wireless/radius_server_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kDeleteAdd[] = {{0, "Delete"}, {1, "Add"}, {}};

}  // namespace

const VkOptionList OptDot11LocalRadiusNodeStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11LocalRadiusInfoNodeStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11LocalRadiusAction = MakeMibOptionList(kDeleteAdd);

constexpr VkSNMPVarEntry VarsRadiusUser[] = {
    {VAP_MIB_OID(".3.12.1.1"), "dot11LocalRadiusUserName", displaystr, readwrite},
    {VAP_MIB_OID(".3.12.1.2"), "dot11LocalRadiusPassword", displaystr, readwrite},
    {VAP_MIB_OID(".3.12.1.4"), "dot11LocalRadiusNodeStatus", integer, readwrite, &OptDot11LocalRadiusNodeStatus},
    {VAP_MIB_OID(".3.12.1.3"), "dot11LocalRadiusAction", integer, readwrite, &OptDot11LocalRadiusAction},
    {},
};

constexpr VkSNMPVarEntry VarsRadiusUserList[] = {
    {VAP_MIB_OID(".3.12.2.1.1.1"), "dot11LocalRadiusnInfoIndex", integer, notaccess},
    {VAP_MIB_OID(".3.12.2.1.1.2"), "dot11LocalRadiusnInfoName", displaystr, readonly},
    {VAP_MIB_OID(".3.12.2.1.1.3"), "dot11LocalRadiusInfoNodeStatus", integer, readonly,
     &OptDot11LocalRadiusInfoNodeStatus},
    {VAP_MIB_OID(".3.12.2.1.1.4"), "dot11InternalRadiusInfoPasswd", displaystr, readonly},
    {},
};

static_assert(VkTablesComplete(VarsRadiusUser, VarsRadiusUserList));
