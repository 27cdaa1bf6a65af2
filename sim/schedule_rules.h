#pragma once
// The device's wireless schedule rules. A SET that writes the schedule action
// (1 add, 0 delete) together with the rule scalars adds or deletes one rule,
// after every value of the PDU is stored; a scalar the SET did not write counts
// as empty (0 or no text), never as what an earlier SET left in it.
//
// The rule list has eight fixed rows and is kept compacted: the named rules
// first, in the order they were added, then the free rows (no name, SSID
// index 0, every other column empty or 0). Each rule's row carries texts the
// device makes itself: the days ("All Week", or the day names joined by
// commas: "Mon,Wed,Fri"), the time frame ("All Day(s)", or start and end
// joined by a hyphen with the hour unpadded: "9:05-17:30") and the SSID's
// name from the multi-SSID table.
//
// Keys and refusals (inconsistentValue, a full list resourceUnavailable; a
// refused SET changes nothing):
// - an add needs a name and, unless it is all day, two valid "H:MM" or
//   "HH:MM" times that differ; an SSID index that already has a rule refuses
//   the add (one rule per SSID);
// - a delete removes the rule with the written name AND SSID index (both are
//   its key); no such rule refuses the delete.

#include <vector>

#include "sim/entry_actions.h"
#include "sim/object_store.h"

namespace sim {

class ScheduleRules {
public:
    // Runs the action when the SET wrote it; `failed` then names the action
    // object of a refused one.
    ActionResult Run(ObjectStore& store, const std::vector<Oid>& written, Oid& failed) const;
};

}  // namespace sim
