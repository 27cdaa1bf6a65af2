// The network pages' own tables against the simulator's object data.

#include <gtest/gtest.h>

#include "pages/network/arp_spoofing_page_vars.h"
#include "pages/network/dhcp_page_vars.h"
#include "pages/network/vlan_page_vars.h"
#include "pages/network/traffic_control_page_vars.h"
#include "pages/network/qos_page_vars.h"
#include "pages/network/web_redirection_page_vars.h"
#include "tests/shell/served_tables.h"

TEST(NetworkPageTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    served::ExpectTableServed(store, "VarsArpSpoofingStatus", VarsArpSpoofingStatus, SVT_SV);
    served::ExpectTableServed(store, "VarsArpSpoofingEntry", VarsArpSpoofingEntry, SVT_SV);
    served::ExpectTableServed(store, "VarsArpSpoofingList", VarsArpSpoofingList, MVT_UMV);
    served::ExpectTableServed(store, "VarsWebRedirectionAccount", VarsWebRedirectionAccount, SVT_SV);
    served::ExpectTableServed(store, "VarsWebRedirectionAccountList", VarsWebRedirectionAccountList, MVT_UMV);
    served::ExpectTableServed(store, "VarsDhcpDynamicPool", VarsDhcpDynamicPool, MVT_SV);
    served::ExpectTableServed(store, "VarsDhcpStaticControl", VarsDhcpStaticControl, SVT_SV);
    served::ExpectTableServed(store, "VarsDhcpDomainNameStatus", VarsDhcpDomainNameStatus, SVT_SV);
    served::ExpectTableServed(store, "VarsDhcpStaticDelete", VarsDhcpStaticDelete, SVT_SV);
    served::ExpectTableServed(store, "VarsDhcpDynamicRefresh", VarsDhcpDynamicRefresh, SVT_SV);
    served::ExpectTableServed(store, "VarsDhcpStaticRefresh", VarsDhcpStaticRefresh, SVT_SV);
    served::ExpectTableServed(store, "VarsDhcpCurrentDynamic", VarsDhcpCurrentDynamic, MVT_FMV);
    served::ExpectTableServed(store, "VarsDhcpCurrentStatic", VarsDhcpCurrentStatic, MVT_FMV);
    served::ExpectTableServed(store, "VarsVlanStatus", VarsVlanStatus, SVT_SV);
    served::ExpectTableServed(store, "VarsVlanPvidAutoAssign", VarsVlanPvidAutoAssign, SVT_SV);
    served::ExpectTableServed(store, "VarsVlanPvid", VarsVlanPvid, MVT_SV);
    served::ExpectTableServed(store, "VarsVlanPortListRefresh", VarsVlanPortListRefresh, SVT_SV);
    served::ExpectTableServed(store, "VarsVlanPortList", VarsVlanPortList, MVT_UMV);
    served::ExpectTableServed(store, "VarsVlanGroupList", VarsVlanGroupList, MVT_UMV);
    served::ExpectTableServed(store, "VarsTrafficCtrlInterfaceMode", VarsTrafficCtrlInterfaceMode, MVT_SV);
    served::ExpectTableServed(store, "VarsTrafficCtrlBandwidth", VarsTrafficCtrlBandwidth, SVT_SV);
    served::ExpectTableServed(store, "VarsTrafficCtrlQosState", VarsTrafficCtrlQosState, SVT_SV);
    served::ExpectTableServed(store, "VarsTrafficCtrlPriority", VarsTrafficCtrlPriority, MVT_SV);
    served::ExpectTableServed(store, "VarsTrafficCtrlPriorityLimit", VarsTrafficCtrlPriorityLimit, MVT_SV);
    served::ExpectTableServed(store, "VarsTrafficCtrlPriorityPort", VarsTrafficCtrlPriorityPort, MVT_SV);
    served::ExpectTableServed(store, "VarsTrafficManager", VarsTrafficManager, SVT_SV);
    served::ExpectTableServed(store, "VarsTrafficManagerRule", VarsTrafficManagerRule, SVT_SV);
    served::ExpectTableServed(store, "VarsTrafficManagerRuleList", VarsTrafficManagerRuleList, MVT_UMV);
    served::ExpectTableServed(store, "VarsTrafficCtrlMssidState", VarsTrafficCtrlMssidState, MVT_UMV);
    served::ExpectTableServed(store, "VarsTrafficCtrlRemoteAp", VarsTrafficCtrlRemoteAp, MVT_UMV);
    served::ExpectTableServed(store, "VarsQosStatus", VarsQosStatus, SVT_SV);
    served::ExpectTableServed(store, "VarsQosClassifiers", VarsQosClassifiers, SVT_SV);
    served::ExpectTableServed(store, "VarsQosRulesDelete", VarsQosRulesDelete, SVT_SV);
    served::ExpectTableServed(store, "VarsQosRules", VarsQosRules, MVT_UMV);
}
