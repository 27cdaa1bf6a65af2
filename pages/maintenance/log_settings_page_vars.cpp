#include "pages/maintenance/log_settings_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kRemoteLogState[] = {{0, "disabled"}, {1, "enabled"}, {}};
constexpr VkOptionEntry kMailServerIndex[] = {{1, "Internal"}, {2, "Gmail"}, {3, "Hotmail"}, {}};

}  // namespace

// A column of the e-mail notification entry, instance 1.
#define VAP_EMAIL_OID(column) VAP_MIB_OID(".5.4.11.1.1." column ".1")

const VkOptionList OptSystemLogSystemLevel = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptSystemLogWirelessLevel = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptSystemLogNoticeLevel = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptEmailNtfStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptEmailNtfAuthentication = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptEmailNtfSSL = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptSystemLogRemoteLogState = MakeMibOptionList(kRemoteLogState);
const VkOptionList OptEmailNtfMailServerIndex = MakeMibOptionList(kMailServerIndex);

constexpr VkSNMPVarEntry VarsLogSetSyslog[] = {
    {VAP_MIB_OID(".5.4.1.0"), "systemLogSystemLevel", integer, readwrite, &OptSystemLogSystemLevel},
    {VAP_MIB_OID(".5.4.2.0"), "systemLogWirelessLevel", integer, readwrite, &OptSystemLogWirelessLevel},
    {VAP_MIB_OID(".5.4.3.0"), "systemLogNoticeLevel", integer, readwrite, &OptSystemLogNoticeLevel},
    {VAP_MIB_OID(".5.4.9.0"), "systemLogServerIPAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".5.4.8.0"), "systemLogRemoteLogState", integer, readwrite, &OptSystemLogRemoteLogState},
    {},
};

constexpr VkSNMPVarEntry VarsLogSetEmail[] = {
    {VAP_EMAIL_OID("12"), "emailNtfMailServerIndex", integer, readwrite, &OptEmailNtfMailServerIndex},
    {VAP_EMAIL_OID("2"), "emailNtfStatus", integer, readwrite, &OptEmailNtfStatus},
    {VAP_EMAIL_OID("3"), "emailNtfFromIPAddress", displaystr, readwrite},
    {VAP_EMAIL_OID("4"), "emailNtfToIPAddress", displaystr, readwrite},
    {VAP_EMAIL_OID("5"), "emailNtfServerIPAddress", ipaddress, readwrite},
    {VAP_EMAIL_OID("7"), "emailNtfPassword", displaystr, readwrite},
    {VAP_EMAIL_OID("10"), "emailNtfPort", integer, readwrite},
    {VAP_EMAIL_OID("6"), "emailNtfAuthentication", integer, readwrite, &OptEmailNtfAuthentication},
    {VAP_EMAIL_OID("11"), "emailNtfSSL", integer, readwrite, &OptEmailNtfSSL},
    {},
};

constexpr VkSNMPVarEntry VarsLogSetEmailUser[] = {
    {VAP_EMAIL_OID("13"), "emailNtfUsername", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsLogSetEmailSchedule[] = {
    {VAP_EMAIL_OID("9"), "emailNtfOnSchedule", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsLogSetMailServer[] = {
    {VAP_EMAIL_OID("12"), "emailNtfMailServerIndex", integer, readwrite, &OptEmailNtfMailServerIndex},
    {},
};

static_assert(VkTablesComplete(VarsLogSetSyslog, VarsLogSetEmail, VarsLogSetEmailUser, VarsLogSetEmailSchedule,
                               VarsLogSetMailServer));
