#pragma once
// The QoS page's tables and option lists, plain data without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDot11QosStatus;
extern const VkOptionList OptDot11QosHttp;
extern const VkOptionList OptDot11QosAutomatic;
extern const VkOptionList OptDot11QosRulesState;
// 3 "Background(BK)", 2 "Best Effort(BE)", 1 "Video(VI)", 0 "Voice(VO)", in
// that order.
extern const VkOptionList OptDot11QosRulespriority;
// 0 "Any", 1 "TCP", 2 "UDP", 3 "Both", 4 "ICMP", 5 "Other".
extern const VkOptionList OptDot11QosRulesProtocolType;

// Kind 0: dot11QosStatus.
extern VkOneVariableTable VarsQosStatus;

// Kind 0: the two priority classifiers, read and written in one PDU.
namespace QosClassifierRow {
enum : int { Http, Automatic, Count };
}
extern const VkSNMPVarEntry VarsQosClassifiers[VkTableLength(QosClassifierRow::Count)];

// Kind 0: dot11QosRulesDelete, the index of the rule row to empty.
extern VkOneVariableTable VarsQosRulesDelete;

// Kind 3, one index column: the rule table (64 fixed rows; a free row has an
// empty name).
namespace QosRuleRow {
enum : int {
    Index,
    State,
    Name,
    Priority,
    Protocol,
    ProtocolType,
    HostOneIpStart,
    HostOneIpEnd,
    HostOneIpRange,
    HostOnePortStart,
    HostOnePortEnd,
    HostOnePortRange,
    HostTwoIpStart,
    HostTwoIpEnd,
    HostTwoIpRange,
    HostTwoPortStart,
    HostTwoPortEnd,
    HostTwoPortRange,
    Count
};
}
extern const VkSNMPVarEntry VarsQosRules[VkTableLength(QosRuleRow::Count)];

// The state column of the rule table; ".<index>" names one rule's state.
extern const char* const QosRuleStateColumn;
