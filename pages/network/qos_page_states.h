#pragma once
// The enable states of the listed QoS rules as one PDU of instance varbinds
// of the rule table's state column (instance = the rule's own index), built
// when Save runs: read first, to see that the device answers for them, then
// written from the rule list's check boxes.

#include <cstdint>
#include <string>
#include <vector>

struct QosRuleState {
    std::string index;  // the rule's row index as walked
    bool enabled;
};

// Reads the states synchronously; true when the device answered a value for
// every one, otherwise false with the reason in `error`.
bool ReadQosRuleStates(const std::vector<QosRuleState>& states, int32_t timeout, std::string& error);
// Writes the states (1 enabled, 0 disabled) synchronously in one SET; true
// when the device took them, otherwise false with the reason in `error`.
bool WriteQosRuleStates(const std::vector<QosRuleState>& states, int32_t timeout, std::string& error);
