#include "pages/network/web_redirection_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kDelAdd[] = {{0, "del"}, {1, "add"}, {}};

}  // namespace

const VkOptionList OptDot11WebRedirectionAccountStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11WebRedirectionListAccountStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11WebRedirectionAccountAction = MakeMibOptionList(kDelAdd);

constexpr VkSNMPVarEntry VarsWebRedirectionAccount[] = {
    {VAP_MIB_OID(".3.14.2.1"), "dot11WebRedirectionAccountName", displaystr, readwrite},
    {VAP_MIB_OID(".3.14.2.2"), "dot11WebRedirectionAccountPasswd", displaystr, readwrite},
    {VAP_MIB_OID(".3.14.2.3"), "dot11WebRedirectionAccountStatus", integer, readwrite,
     &OptDot11WebRedirectionAccountStatus},
    {VAP_MIB_OID(".3.14.2.4"), "dot11WebRedirectionAccountAction", integer, readwrite,
     &OptDot11WebRedirectionAccountAction},
    {},
};

constexpr VkSNMPVarEntry VarsWebRedirectionAccountList[] = {
    {VAP_MIB_OID(".3.14.2.5.1.1"), "dot11WebRedirectionIndex", integer, notaccess},
    {VAP_MIB_OID(".3.14.2.5.1.2"), "dot11WebRedirectionListAccountName", displaystr, readwrite},
    {VAP_MIB_OID(".3.14.2.5.1.3"), "dot11WebRedirectionListAccountPasswd", displaystr, readwrite},
    {VAP_MIB_OID(".3.14.2.5.1.4"), "dot11WebRedirectionListAccountStatus", integer, readwrite,
     &OptDot11WebRedirectionListAccountStatus},
    {},
};

static_assert(VkTablesComplete(VarsWebRedirectionAccount, VarsWebRedirectionAccountList));
