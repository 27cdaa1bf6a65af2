#include "pages/maintenance/wds_info_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kRefresh[] = {{0, "nothing"}, {1, "get"}, {}};
constexpr VkOptionEntry kBand[] = {{0, "dot11a"}, {1, "dot11b"}, {2, "dot11g"}, {4, "dot11n"}, {}};
constexpr VkOptionEntry kAuthentication[] = {
    {1, "opensystem"},    {2, "sharedkey"},     {3, "wpa-eap"},        {4, "wpa-psk"},     {6, "wpa2-eap"},
    {7, "wpa2-psk"},      {8, "wpa2-auto-eap"}, {9, "wpa2-auto-psk"},  {10, "802.1x/WEP"}, {11, "WEP"},
    {},
};

}  // namespace

const VkOptionList OptDot11WdsRefresh = MakeMibOptionList(kRefresh);
const VkOptionList OptDot11WdsBand = MakeMibOptionList(kBand);
const VkOptionList OptDot11WdsAuthentication = MakeMibOptionList(kAuthentication);

constexpr VkSNMPVarEntry VarsWdsInfoChannel[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.3.1"), "dot11Channel", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.10.1"), "dot11Frequency", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWdsInfoRefresh[] = {
    {VAP_MIB_OID(".2.1.3.3.5.1.1.1.1"), "dot11WdsRefresh", integer, readwrite, &OptDot11WdsRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsWdsInfoTable[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.1"), "dot11WdsIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.2"), "dot11WdsMacAddress", macaddress, readonly},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.3"), "dot11WdsBand", integer, readonly, &OptDot11WdsBand},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.4"), "dot11WdsAuthentication", integer, readonly, &OptDot11WdsAuthentication},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.5"), "dot11WdsRssi", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.7"), "dot11WdsSsidIndex", displaystr, readonly},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.8"), "dot11WdsConnected", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.9"), "dot11WdsStatus", displaystr, readonly},
    {VAP_MIB_OID(".2.1.3.3.5.2.1.10"), "dot11WdsPsm", integer, readonly},
    {},
};

static_assert(VkTablesComplete(VarsWdsInfoChannel, VarsWdsInfoRefresh, VarsWdsInfoTable));
