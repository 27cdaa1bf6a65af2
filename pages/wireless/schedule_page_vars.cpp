#include "pages/wireless/schedule_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kStatus[] = {{0, "Disable"}, {1, "Enable"}, {}};
constexpr VkOptionEntry kNodeStatus[] = {{0, "disable"}, {1, "enable"}, {}};
constexpr VkOptionEntry kWireless[] = {{0, "off"}, {1, "on"}, {}};
constexpr VkOptionEntry kAction[] = {{0, "del"}, {1, "add"}, {}};
constexpr VkOptionEntry kSsidIndex[] = {{0, "Primary SSID"}, {1, "SSID1"}, {2, "SSID2"}, {3, "SSID3"}, {4, "SSID4"},
                                        {5, "SSID5"},        {6, "SSID6"}, {7, "SSID7"}, {}};

}  // namespace

const VkOptionList OptDot11ScheduleStatus = MakeMibOptionList(kStatus);
const VkOptionList OptDot11ScheduleListNodeStatus = MakeMibOptionList(kNodeStatus);
const VkOptionList OptDot11ScheduleListWirelessStatus = MakeMibOptionList(kWireless);
const VkOptionList OptDot11ScheduleAction = MakeMibOptionList(kAction);
const VkOptionList OptDot11ScheduleAllDaySelect = MakeMibOptionList(kNodeStatus);
const VkOptionList OptDot11ScheduleSSIDIndex = MakeMibOptionList(kSsidIndex);

constexpr VkSNMPVarEntry VarsScheduleStatus[] = {
    {VAP_MIB_OID(".3.10.1.1.1"), "dot11ScheduleStatus", integer, readwrite, &OptDot11ScheduleStatus},
    {},
};

constexpr VkSNMPVarEntry VarsScheduleRule[] = {
    {VAP_MIB_OID(".3.10.1.2.1"), "dot11ScheduleRuleName", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.1.2.2"), "dot11ScheduleDaysSelect", integer, readwrite},
    {VAP_MIB_OID(".3.10.1.2.3"), "dot11ScheduleAllDaySelect", integer, readwrite, &OptDot11ScheduleAllDaySelect},
    {VAP_MIB_OID(".3.10.1.2.4"), "dot11ScheduleRuleStartTime", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.1.2.5"), "dot11ScheduleRuleEndTime", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.1.2.8"), "dot11ScheduleSSIDIndex", integer, readwrite, &OptDot11ScheduleSSIDIndex},
    {VAP_MIB_OID(".3.10.1.2.9"), "dot11ScheduleNodeStatus", integer, readwrite},
    {VAP_MIB_OID(".3.10.1.2.10"), "dot11Over", integer, readwrite, &OptDot11ScheduleAllDaySelect},
    {VAP_MIB_OID(".3.10.1.2.7"), "dot11ScheduleAction", integer, readwrite, &OptDot11ScheduleAction},
    {},
};

constexpr VkSNMPVarEntry VarsScheduleList[] = {
    {VAP_MIB_OID(".3.10.2.1.1.1"), "dot11ScheduleListIndex", integer, notaccess},
    {VAP_MIB_OID(".3.10.2.1.1.2"), "dot11ScheduleListName", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.2.1.1.3"), "dot11ScheduleListDays", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.2.1.1.4"), "dot11ScheduleListTimeFrame", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.2.1.1.5"), "dot11ScheduleListWirelessStatus", integer, readwrite,
     &OptDot11ScheduleListWirelessStatus},
    {VAP_MIB_OID(".3.10.2.1.1.6"), "dot11ScheduleListSSIDIndex", integer, readwrite},
    {VAP_MIB_OID(".3.10.2.1.1.7"), "dot11ScheduleListSSID", displaystr, readwrite},
    {VAP_MIB_OID(".3.10.2.1.1.8"), "dot11ScheduleListNodeStatus", integer, readwrite,
     &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.9"), "dot11Overnight", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {},
};

// Row k is instance k+1 of the list's node-status column.
constexpr VkSNMPVarEntry VarsScheduleNodeStatus[] = {
    {VAP_MIB_OID(".3.10.2.1.1.8.1"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.2"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.3"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.4"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.5"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.6"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.7"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {VAP_MIB_OID(".3.10.2.1.1.8.8"), "dot11ScheduleListNodeStatus", integer, readwrite, &OptDot11ScheduleListNodeStatus},
    {},
};

constexpr VkSNMPVarEntry VarsScheduleMssidSsid[] = {
    {VAP_MIB_OID(".3.3.3.1.3"), "dot11MssidSsid", displaystr, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsScheduleStatus, VarsScheduleRule, VarsScheduleList, VarsScheduleNodeStatus,
                               VarsScheduleMssidSsid));
