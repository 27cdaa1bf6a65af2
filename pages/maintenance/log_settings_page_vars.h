#pragma once
// The Log Settings page's own tables and option lists, plain data without
// Qt: the syslog levels and server, the e-mail notification, its user name,
// schedule and mail-server preset. All instance lists (kind 1, OIDs as
// written).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable".
extern const VkOptionList OptSystemLogSystemLevel;
extern const VkOptionList OptSystemLogWirelessLevel;
extern const VkOptionList OptSystemLogNoticeLevel;
extern const VkOptionList OptEmailNtfStatus;
extern const VkOptionList OptEmailNtfAuthentication;
extern const VkOptionList OptEmailNtfSSL;
// 0 "disabled", 1 "enabled".
extern const VkOptionList OptSystemLogRemoteLogState;
// 1 "Internal", 2 "Gmail", 3 "Hotmail".
extern const VkOptionList OptEmailNtfMailServerIndex;

namespace LogSyslogRow {
enum : int { SystemLevel, WirelessLevel, NoticeLevel, ServerAddress, RemoteLogState, Count };
}
extern const VkSNMPVarEntry VarsLogSetSyslog[VkTableLength(LogSyslogRow::Count)];

namespace LogEmailRow {
enum : int { MailServerIndex, Status, From, To, ServerAddress, Password, Port, Authentication, Ssl, Count };
}
extern const VkSNMPVarEntry VarsLogSetEmail[VkTableLength(LogEmailRow::Count)];

extern VkOneVariableTable VarsLogSetEmailUser;      // emailNtfUsername
extern VkOneVariableTable VarsLogSetEmailSchedule;  // emailNtfOnSchedule
extern VkOneVariableTable VarsLogSetMailServer;     // emailNtfMailServerIndex
