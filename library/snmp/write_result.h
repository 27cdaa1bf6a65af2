#pragma once
// A write whose caller wants to know, there and then, whether the device took
// it and why not: the group is written synchronously (whatever its async
// flag) and the outcome comes back as a value, as a synchronous SNMP call
// returns its status. Every way a write can fail ends in the result: the
// device's error answer, no answer, a write the request layer would not send,
// an exception of the request layer (code and message kept).
//
//   const VkWriteResult result = WriteNow(*ClearRequest);
//   if (!result.ok) return ShowStatus(result.text);
//
//   // only some rows, e.g. a table row's columns with its action:
//   WriteRowsNow(*RuleRequest, {RuleRow::Name, RuleRow::Action}, false);
//
// The group's own status line and error callback see the write as before.

#include <cstdint>
#include <string>
#include <vector>

class VkSNMPRequest2Controls;

struct VkWriteResult {
    bool ok = false;
    int32_t code = 0;  // 0 when ok, else the program-wide code
    std::string text;  // the failure's text; "" when ok
};

// Collects the values from the controls and writes every writable row.
// refreshAfterSet as for VkSNMPRequest2Controls::Set.
VkWriteResult WriteNow(VkSNMPRequest2Controls& group, bool refreshAfterSet = true);

// The same, sending only the listed rows (row_write_marks.h): afterwards
// every row's access is what it was.
VkWriteResult WriteRowsNow(VkSNMPRequest2Controls& group, const std::vector<int>& rows,
                           bool refreshAfterSet = true);

// The same for values the caller has collected and set itself: the rows'
// values are written as they stand, nothing is collected from the controls.
VkWriteResult WriteRowsAsTheyStand(VkSNMPRequest2Controls& group, const std::vector<int>& rows,
                                   bool refreshAfterSet = true);
