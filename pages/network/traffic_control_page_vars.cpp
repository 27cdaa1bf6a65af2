#include "pages/network/traffic_control_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kInterfaceMode[] = {{0, "disable"}, {1, "downlink"}, {2, "uplink"}, {}};
constexpr VkOptionEntry kPriority[] = {{1, "highest"}, {2, "second"}, {3, "thrid"}, {4, "low"}, {}};
constexpr VkOptionEntry kUnlistedClients[] = {{0, "Deny"}, {1, "Forward"}, {}};
constexpr VkOptionEntry kRuleAction[] = {{0, "delete"}, {1, "add"}, {}};

#define TRAFFIC_MODE(n) \
    {VAP_MIB_OID(".3.9.1.1.1.1.3." #n), "dot11TrafficcontrolInterfaceMode", integer, readwrite, \
     &OptDot11TrafficcontrolInterfaceMode}
#define TRAFFIC_PRIORITY(n) \
    {VAP_MIB_OID(".3.9.2.2.2.1.1.3." #n), "dot11QosAdvancedPriority", integer, readwrite, &OptDot11QosAdvancedPriority}
#define TRAFFIC_LIMIT(n) {VAP_MIB_OID(".3.9.2.2.2.1.1.4." #n), "dot11QosAdvancedPriorityLimit", integer, readwrite}
#define TRAFFIC_PORT(n) {VAP_MIB_OID(".3.9.2.2.2.1.1.5." #n), "dot11QosAdvancedPriorityPort", displaystr, readwrite}

}  // namespace

const VkOptionList OptTrafficCtrlMssIndividualState = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11TrafficcontrolInterfaceMode = MakeMibOptionList(kInterfaceMode);
const VkOptionList OptDot11dot11QosState = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11QosAdvancedPriority = MakeMibOptionList(kPriority);
const VkOptionList OptDot11TrafficManagerStauts = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11TrafficManagerUlistClient = MakeMibOptionList(kUnlistedClients);
const VkOptionList OptDot11RuleAction = MakeMibOptionList(kRuleAction);

constexpr VkSNMPVarEntry VarsTrafficCtrlInterfaceMode[] = {
    TRAFFIC_MODE(1),  TRAFFIC_MODE(2),  TRAFFIC_MODE(3),  TRAFFIC_MODE(4),  TRAFFIC_MODE(5),  TRAFFIC_MODE(6),
    TRAFFIC_MODE(7),  TRAFFIC_MODE(8),  TRAFFIC_MODE(9),  TRAFFIC_MODE(10), TRAFFIC_MODE(11), TRAFFIC_MODE(12),
    TRAFFIC_MODE(13), TRAFFIC_MODE(14), TRAFFIC_MODE(15), TRAFFIC_MODE(16), TRAFFIC_MODE(17), {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlBandwidth[] = {
    {VAP_MIB_OID(".3.9.1.2.1"), "dot11DownLinkBandWidth", integer, readwrite},
    {VAP_MIB_OID(".3.9.1.2.2"), "dot11UpLinkBandWidth", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlQosState[] = {
    {VAP_MIB_OID(".3.9.2.2.1.1"), "dot11dot11QosState", integer, readwrite, &OptDot11dot11QosState},
    {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlPriority[] = {
    TRAFFIC_PRIORITY(1), TRAFFIC_PRIORITY(2), TRAFFIC_PRIORITY(3), TRAFFIC_PRIORITY(4), TRAFFIC_PRIORITY(5),
    TRAFFIC_PRIORITY(6), TRAFFIC_PRIORITY(7), TRAFFIC_PRIORITY(8), TRAFFIC_PRIORITY(9), {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlPriorityLimit[] = {
    TRAFFIC_LIMIT(1), TRAFFIC_LIMIT(2), TRAFFIC_LIMIT(3), TRAFFIC_LIMIT(4), TRAFFIC_LIMIT(5),
    TRAFFIC_LIMIT(6), TRAFFIC_LIMIT(7), TRAFFIC_LIMIT(8), TRAFFIC_LIMIT(9), {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlPriorityPort[] = {
    TRAFFIC_PORT(1), TRAFFIC_PORT(2), TRAFFIC_PORT(3), TRAFFIC_PORT(4),
    TRAFFIC_PORT(5), TRAFFIC_PORT(6), TRAFFIC_PORT(7), TRAFFIC_PORT(8), {},
};

constexpr VkSNMPVarEntry VarsTrafficManager[] = {
    {VAP_MIB_OID(".3.9.3.1.1"), "dot11TrafficManagerStauts", integer, readwrite, &OptDot11TrafficManagerStauts},
    {VAP_MIB_OID(".3.9.3.1.2"), "dot11TrafficManagerUlistClient", integer, readwrite,
     &OptDot11TrafficManagerUlistClient},
    {},
};

constexpr VkSNMPVarEntry VarsTrafficManagerRule[] = {
    {VAP_MIB_OID(".3.9.3.2.1"), "dot11RuleName", displaystr, readwrite},
    {VAP_MIB_OID(".3.9.3.2.2"), "dot11ClientIP", ipaddress, readwrite},
    {VAP_MIB_OID(".3.9.3.2.3"), "dot11ClientMac", macaddress, readwrite},
    {VAP_MIB_OID(".3.9.3.2.4"), "dot11ClientDownSpeed", integer, readwrite},
    {VAP_MIB_OID(".3.9.3.2.5"), "dot11ClientUpSpeed", integer, readwrite},
    {VAP_MIB_OID(".3.9.3.2.6"), "dot11RuleAction", integer, readwrite, &OptDot11RuleAction},
    {},
};

constexpr VkSNMPVarEntry VarsTrafficManagerRuleList[] = {
    {VAP_MIB_OID(".3.9.3.3.1.1"), "dot11TrafficManagerRulesListIndex", integer, notaccess},
    {VAP_MIB_OID(".3.9.3.3.1.2"), "dot11RuleListName", displaystr, readonly},
    {VAP_MIB_OID(".3.9.3.3.1.3"), "dot11RuleListClientIP", ipaddress, readonly},
    {VAP_MIB_OID(".3.9.3.3.1.4"), "dot11RuleListClientMac", macaddress, readonly},
    {VAP_MIB_OID(".3.9.3.3.1.5"), "dot11RuleListClientDownSpeed", integer, readonly},
    {VAP_MIB_OID(".3.9.3.3.1.6"), "dot11RuleListClientUpSpeed", integer, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlMssidState[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".3.3.3.1.2"), "dot11MssIndividualState", integer, readwrite, &OptTrafficCtrlMssIndividualState},
    {},
};

constexpr VkSNMPVarEntry VarsTrafficCtrlRemoteAp[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsTrafficCtrlInterfaceMode, VarsTrafficCtrlBandwidth, VarsTrafficCtrlQosState,
                               VarsTrafficCtrlPriority, VarsTrafficCtrlPriorityLimit, VarsTrafficCtrlPriorityPort,
                               VarsTrafficManager, VarsTrafficManagerRule, VarsTrafficManagerRuleList,
                               VarsTrafficCtrlMssidState, VarsTrafficCtrlRemoteAp));
