#pragma once
// An asynchronous write of exactly some rows of a group (a table row's
// columns, or its delete action alone): the rows are marked for this write
// only, so what an earlier write left marked never shapes this one, and the
// next read fetches every column again. It ends in the group's OnSetDone on
// every way out, as StartWrite (async_write.h). No walk follows by itself:
// the completion decides what to read.
//
//   StartMarkedWrite(*VlanListRequest, {VlanGroupRow::Delete});

#include <vector>

class VkSNMPRequest2Edits;

void StartMarkedWrite(VkSNMPRequest2Edits& group, const std::vector<int>& rows);
