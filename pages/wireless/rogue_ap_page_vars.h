#pragma once
// The Intrusion page's own tables and option lists, plain data without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11RogueApSurveyRefresh;             // 0 "nothing", 1 "refresh"
extern const VkOptionList OptDot11RogueApSurveyMode;                // 2 "N", 1 "G", 4 "B"
extern const VkOptionList OptDot11RogueApSurveyType;                // 1 "new" ... 4 "rogue"
extern const VkOptionList OptDot11RogueApSurveyStatus;              // 2 "up", 1 "down"
extern const VkOptionList OptDot11RogueApAllNewNodesAsValid;        // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11RogueApUnknownAccessNodesAsRogue;  // 0 "Disable", 1 "Enable"

// Kind 0: the scan command.
extern VkOneVariableTable VarsRogueApRefresh;

// Kind 3, one index column: the survey as the device holds it. A walked row
// arrives with the index as caption and the other rows as its cells, in
// this order.
namespace RogueSurveyRow {
enum : int { Index, Channel, Bssid, Mode, Ssid, LastSeen, Type, Status, Count };
}
extern const VkSNMPVarEntry VarsRogueApSurvey[VkTableLength(RogueSurveyRow::Count)];

// Kind 0: the objects that take a survey index and give that access point a
// type.
extern VkOneVariableTable VarsRogueApAddToValid;
extern VkOneVariableTable VarsRogueApAddToNeighbor;
extern VkOneVariableTable VarsRogueApAddToRogue;
extern VkOneVariableTable VarsRogueApAddToNew;

// Kind 0: the policies for new access points (bound, never read or written).
namespace RogueApPolicyRow {
enum : int { AllNewAsValid, UnknownAsRogue, Count };
}
extern const VkSNMPVarEntry VarsRogueApPolicy[VkTableLength(RogueApPolicyRow::Count)];
