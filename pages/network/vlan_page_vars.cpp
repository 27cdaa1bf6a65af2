#include "pages/network/vlan_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kVlanMode[] = {{0, "static"}, {1, "dynamic"}, {}};
constexpr VkOptionEntry kRefresh[] = {{0, "nothing"}, {1, "refresh"}, {}};
constexpr VkOptionEntry kMembership[] = {{0, "none"}, {1, "tag"}, {2, "untag"}, {}};
constexpr VkOptionEntry kDelete[] = {{0, "nothing"}, {1, "delete"}, {}};

}  // namespace

const VkOptionList OptDot11VlanMode = MakeMibOptionList(kVlanMode);
const VkOptionList OptDot11PvidAutoAssignStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11PortListRefresh = MakeMibOptionList(kRefresh);
const VkOptionList OptDot11GroupVlanListMgmt = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListLan = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListPrimary = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid1 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid2 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid3 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid4 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid5 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid6 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListMssid7 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds1 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds2 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds3 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds4 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds5 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds6 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds7 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11GroupVlanListWds8 = MakeMibOptionList(kMembership);
const VkOptionList OptDot11VlanListSurveydelete = MakeMibOptionList(kDelete);

constexpr VkSNMPVarEntry VarsVlanStatus[] = {
    {VAP_MIB_OID(".3.6.1.1"), "dot11VlanStatus", integer, readwrite, &OptDot11VlanStatus},
    {VAP_MIB_OID(".3.6.1.2"), "dot11VlanMode", integer, readonly, &OptDot11VlanMode},
    {},
};

constexpr VkSNMPVarEntry VarsVlanPvidAutoAssign[] = {
    {VAP_MIB_OID(".3.6.2.1"), "dot11PvidAutoAssignStatus", integer, readwrite, &OptDot11PvidAutoAssignStatus},
    {},
};

constexpr VkSNMPVarEntry VarsVlanPvid[] = {
    {VAP_MIB_OID(".3.6.2.2.1.2.1"), "dot11PvidSettingMgmt", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.3.1"), "dot11PvidSettingLan", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.4.1"), "dot11PvidSettingPrimary", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.5.1"), "dot11PvidSettingMssid1", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.6.1"), "dot11PvidSettingMssid2", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.7.1"), "dot11PvidSettingMssid3", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.8.1"), "dot11PvidSettingMssid4", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.9.1"), "dot11PvidSettingMssid5", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.10.1"), "dot11PvidSettingMssid6", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.11.1"), "dot11PvidSettingMssid7", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.12.1"), "dot11PvidSettingWds1", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.13.1"), "dot11PvidSettingWds2", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.14.1"), "dot11PvidSettingWds3", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.15.1"), "dot11PvidSettingWds4", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.16.1"), "dot11PvidSettingWds5", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.17.1"), "dot11PvidSettingWds6", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.18.1"), "dot11PvidSettingWds7", integer, readwrite},
    {VAP_MIB_OID(".3.6.2.2.1.19.1"), "dot11PvidSettingWds8", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsVlanPortListRefresh[] = {
    {VAP_MIB_OID(".3.6.3.1"), "dot11PortListRefresh", integer, readwrite, &OptDot11PortListRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsVlanPortList[] = {
    {VAP_MIB_OID(".3.6.3.2.1.1"), "dot11PortListIndex", integer, notaccess},
    {VAP_MIB_OID(".3.6.3.2.1.2"), "dot11PortListTagVid", displaystr, readonly},
    {VAP_MIB_OID(".3.6.3.2.1.3"), "dot11PortListUntagVid", displaystr, readonly},
    {VAP_MIB_OID(".3.6.3.2.1.4"), "dot11PortLisPortName", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsVlanGroupList[] = {
    {VAP_MIB_OID(".3.6.1.3.1.1"), "dot11GroupVlanListIndex", integer, notaccess},
    {VAP_MIB_OID(".3.6.1.3.1.2"), "dot11GroupVlanListVid", integer, readwrite},
    {VAP_MIB_OID(".3.6.1.3.1.3"), "dot11GroupVlanListName", displaystr, readwrite},
    {VAP_MIB_OID(".3.6.1.3.1.4"), "dot11GroupVlanListMgmt", integer, readwrite, &OptDot11GroupVlanListMgmt},
    {VAP_MIB_OID(".3.6.1.3.1.5"), "dot11GroupVlanListLan", integer, readwrite, &OptDot11GroupVlanListLan},
    {VAP_MIB_OID(".3.6.1.3.1.6"), "dot11GroupVlanListPrimary", integer, readwrite, &OptDot11GroupVlanListPrimary},
    {VAP_MIB_OID(".3.6.1.3.1.7"), "dot11GroupVlanListMssid1", integer, readwrite, &OptDot11GroupVlanListMssid1},
    {VAP_MIB_OID(".3.6.1.3.1.8"), "dot11GroupVlanListMssid2", integer, readwrite, &OptDot11GroupVlanListMssid2},
    {VAP_MIB_OID(".3.6.1.3.1.9"), "dot11GroupVlanListMssid3", integer, readwrite, &OptDot11GroupVlanListMssid3},
    {VAP_MIB_OID(".3.6.1.3.1.10"), "dot11GroupVlanListMssid4", integer, readwrite, &OptDot11GroupVlanListMssid4},
    {VAP_MIB_OID(".3.6.1.3.1.11"), "dot11GroupVlanListMssid5", integer, readwrite, &OptDot11GroupVlanListMssid5},
    {VAP_MIB_OID(".3.6.1.3.1.12"), "dot11GroupVlanListMssid6", integer, readwrite, &OptDot11GroupVlanListMssid6},
    {VAP_MIB_OID(".3.6.1.3.1.13"), "dot11GroupVlanListMssid7", integer, readwrite, &OptDot11GroupVlanListMssid7},
    {VAP_MIB_OID(".3.6.1.3.1.14"), "dot11GroupVlanListWds1", integer, readwrite, &OptDot11GroupVlanListWds1},
    {VAP_MIB_OID(".3.6.1.3.1.15"), "dot11GroupVlanListWds2", integer, readwrite, &OptDot11GroupVlanListWds2},
    {VAP_MIB_OID(".3.6.1.3.1.16"), "dot11GroupVlanListWds3", integer, readwrite, &OptDot11GroupVlanListWds3},
    {VAP_MIB_OID(".3.6.1.3.1.17"), "dot11GroupVlanListWds4", integer, readwrite, &OptDot11GroupVlanListWds4},
    {VAP_MIB_OID(".3.6.1.3.1.18"), "dot11GroupVlanListWds5", integer, readwrite, &OptDot11GroupVlanListWds5},
    {VAP_MIB_OID(".3.6.1.3.1.19"), "dot11GroupVlanListWds6", integer, readwrite, &OptDot11GroupVlanListWds6},
    {VAP_MIB_OID(".3.6.1.3.1.20"), "dot11GroupVlanListWds7", integer, readwrite, &OptDot11GroupVlanListWds7},
    {VAP_MIB_OID(".3.6.1.3.1.21"), "dot11GroupVlanListWds8", integer, readwrite, &OptDot11GroupVlanListWds8},
    {VAP_MIB_OID(".3.6.1.3.1.22"), "dot11VlanListSurveydelete", integer, readwrite, &OptDot11VlanListSurveydelete},
    {},
};

static_assert(VkTablesComplete(VarsVlanStatus, VarsVlanPvidAutoAssign, VarsVlanPvid, VarsVlanPortListRefresh,
                               VarsVlanPortList, VarsVlanGroupList));
