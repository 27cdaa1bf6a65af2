#pragma once
// The agent's one raw handler for the device's objects: it serves the MIB-II
// system group and the enterprise subtree from the object store, and runs a
// SET as one transaction (all values checked, then all stored, then the
// commands act).

namespace sim {

class Device;
class SetErrorPlan;

// Registers the handler for both subtrees. Both objects outlive the agent.
bool RegisterObjectHandler(Device& device, SetErrorPlan& errors);

}  // namespace sim
