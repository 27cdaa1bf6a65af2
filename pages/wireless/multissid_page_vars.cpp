#include "pages/wireless/multissid_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {


}  // namespace

const VkOptionList OptMultiSsidState = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptDot11MssidPriorityState = MakeMibOptionList(kSwitchDisabledEnabled);

constexpr VkSNMPVarEntry VarsMultiSsidState[] = {
    {VAP_MIB_OID(".3.3.1.1.1.1"), "dot11MssidState", integer, readwrite, &OptMultiSsidState},
    {VAP_MIB_OID(".3.3.1.1.2.1"), "dot11MssidPriorityState", integer, readwrite, &OptDot11MssidPriorityState},
    {},
};

constexpr VkSNMPVarEntry VarsMultiSsidRadius[] = {
    {VAP_MIB_OID(".3.3.4.1.1"), "dot11MssidRADIUSIndex", integer, notaccess},
    {" ", "dot11MssidIndex", integer, notaccess},
    {VAP_MIB_OID(".3.3.4.1.2"), "dot11MssidRADIUSServer", ipaddress, readwrite},
    {VAP_MIB_OID(".3.3.4.1.3"), "dot11MssidRADIUSPort", integer, readwrite},
    {VAP_MIB_OID(".3.3.4.1.4"), "dot11MssidRADIUSSecret", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.4.1.6"), "dot11MssidRadiusKeyUpdateInterval", integer, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsMultiSsidState));
static_assert(VkTablesComplete(VarsMultiSsidRadius));
