#include "pages/network/qos_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kPriority[] = {
    {3, "Background(BK)"}, {2, "Best Effort(BE)"}, {1, "Video(VI)"}, {0, "Voice(VO)"}, {}};
constexpr VkOptionEntry kProtocolType[] = {{0, "Any"},  {1, "TCP"},   {2, "UDP"}, {3, "Both"},
                                           {4, "ICMP"}, {5, "Other"}, {}};

}  // namespace

const VkOptionList OptDot11QosStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11QosHttp = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11QosAutomatic = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11QosRulesState = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11QosRulespriority = MakeMibOptionList(kPriority);
const VkOptionList OptDot11QosRulesProtocolType = MakeMibOptionList(kProtocolType);

const char* const QosRuleStateColumn = VAP_MIB_OID(".3.7.2.5.1.2");

constexpr VkSNMPVarEntry VarsQosStatus[] = {
    {VAP_MIB_OID(".3.7.1"), "dot11QosStatus", integer, readwrite, &OptDot11QosStatus},
    {},
};

constexpr VkSNMPVarEntry VarsQosClassifiers[] = {
    {VAP_MIB_OID(".3.7.2.1"), "dot11QosHttp", integer, readwrite, &OptDot11QosHttp},
    {VAP_MIB_OID(".3.7.2.2"), "dot11QosAutomatic", integer, readwrite, &OptDot11QosAutomatic},
    {},
};

constexpr VkSNMPVarEntry VarsQosRulesDelete[] = {
    {VAP_MIB_OID(".3.7.2.4"), "dot11QosRulesDelete", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsQosRules[] = {
    {VAP_MIB_OID(".3.7.2.5.1.1"), "dot11QosRulesIndex", integer, notaccess},
    {VAP_MIB_OID(".3.7.2.5.1.2"), "dot11QosRulesState", integer, readwrite, &OptDot11QosRulesState},
    {VAP_MIB_OID(".3.7.2.5.1.3"), "dot11QosRulesName", displaystr, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.4"), "dot11QosRulespriority", integer, readwrite, &OptDot11QosRulespriority},
    {VAP_MIB_OID(".3.7.2.5.1.5"), "dot11QosRulesProtocol", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.6"), "dot11QosRulesProtocolType", integer, readwrite, &OptDot11QosRulesProtocolType},
    {VAP_MIB_OID(".3.7.2.5.1.7"), "dot11QosRulesHostOneIpStart", ipaddress, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.8"), "dot11QosRulesHostOneIpEnd", ipaddress, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.9"), "dot11QosRulesHostOneIpRange", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.10"), "dot11QosRulesHostOnePortStart", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.11"), "dot11QosRulesHostOnePortEnd", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.12"), "dot11QosRulesHostOnePortRange", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.13"), "dot11QosRulesHostTwoIpStart", ipaddress, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.14"), "dot11QosRulesHostTwoIpEnd", ipaddress, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.15"), "dot11QosRulesHostTwoIpRange", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.16"), "dot11QosRulesHostTwoPortStart", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.17"), "dot11QosRulesHostTwoPortEnd", integer, readwrite},
    {VAP_MIB_OID(".3.7.2.5.1.18"), "dot11QosRulesHostTwoPortRange", integer, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsQosStatus, VarsQosClassifiers, VarsQosRulesDelete, VarsQosRules));
