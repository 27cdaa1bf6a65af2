#include "pages/maintenance/admin_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kConsoleTimeout[] = {{1, "1Min"},   {2, "3Mins"}, {3, "5Mins"}, {4, "10Mins"},
                                             {5, "15Mins"}, {0, "Never"}, {}};
constexpr VkOptionEntry kPingControl[] = {{0, "Enable"}, {1, "Disable"}, {}};

}  // namespace

const VkOptionList OptTelnet = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptSsh = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptConsoleTimeout = MakeMibOptionList(kConsoleTimeout);
const VkOptionList OptTrapStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptPingControlStatus = MakeMibOptionList(kPingControl);

constexpr VkSNMPVarEntry VarsAdminManagerLimit[] = {
    {VAP_MIB_OID(".4.10.1.1"), "managerIpAddressStatus", integer, readwrite, &OptManagerIpAddressStatus},
    {VAP_MIB_OID(".4.10.3"), "manergeVLANTag", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsAdminNetworkAccessProtection[] = {
    {VAP_MIB_OID(".2.1.3.3.2.1.1.22.1"), "dot11NetworkAccessProtection", integer, readwrite,
     &OptDot11NetworkAccessProtection},
    {},
};

constexpr VkSNMPVarEntry VarsAdminConsole[] = {
    {VAP_MIB_OID(".4.4.1.0"), "telnet", integer, readwrite, &OptTelnet},
    {VAP_MIB_OID(".4.4.2.0"), "ssh", integer, readwrite, &OptSsh},
    {},
};

constexpr VkSNMPVarEntry VarsAdminConsoleTimeout[] = {
    {VAP_MIB_OID(".4.4.3"), "timeout", integer, readwrite, &OptConsoleTimeout},
    {},
};

constexpr VkSNMPVarEntry VarsAdminSystemName[] = {
    {"1.3.6.1.2.1.1.5", "systemName", displaystr, readwrite},
    {"1.3.6.1.2.1.1.6", "systemLocation", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsAdminUser[] = {
    {VAP_MIB_OID(".4.1.1.1.2.1"), "usersName", displaystr, readwrite},
    {VAP_MIB_OID(".4.1.1.1.3.1"), "usersPassword", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsAdminTrap[] = {
    {VAP_MIB_OID(".5.7.2.1.0"), "trapStatus", integer, readwrite, &OptTrapStatus},
    {VAP_MIB_OID(".5.7.2.3.1.2.1"), "trapHostIPAddress", ipaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsAdminPingControl[] = {
    {VAP_MIB_OID(".4.12.1.0"), "pingControlStatus", integer, readwrite, &OptPingControlStatus},
    {},
};

constexpr VkSNMPVarEntry VarsAdminManagerPool[] = {
    {VAP_MIB_OID(".4.10.1.4.1.1"), "managerIpAddressIndex", integer, notaccess},
    {VAP_MIB_OID(".4.10.1.4.1.3"), "managerIpAddressPoolStart", ipaddress, readwrite},
    {VAP_MIB_OID(".4.10.1.4.1.4"), "managerIpAddressPoolEnd", ipaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsAdminManagerPoolList[] = {
    {VAP_MIB_OID(".4.10.1.4.1.1"), "Index", integer, notaccess},
    {VAP_MIB_OID(".4.10.1.4.1.3"), "Start", ipaddress, readwrite},
    {VAP_MIB_OID(".4.10.1.4.1.4"), "End", ipaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsAdminManagerDelete[] = {
    {VAP_MIB_OID(".4.10.1.3"), "managerDelete", integer, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsAdminManagerLimit, VarsAdminNetworkAccessProtection, VarsAdminConsole,
                               VarsAdminConsoleTimeout, VarsAdminSystemName, VarsAdminUser, VarsAdminTrap,
                               VarsAdminPingControl, VarsAdminManagerPool, VarsAdminManagerPoolList,
                               VarsAdminManagerDelete));
