#pragma once
// The row one step of a table walk takes. Each column of the walk answered
// the OID after its last one; the row is the least index among the columns
// that still hold cells after the last row taken. A column whose answer lies
// outside it, or whose index is not after the last row taken (an agent that
// goes back or stands still), has ended. Columns whose answer lies past the
// row have no cell in it: the agent left that cell out, and the column is
// asked again from this row in the next step.
//
//   std::vector<VkWalkCell> cells = {{false, "1"}, {false, "2"}, {true, ""}};
//   std::string row = WalkRowOf(cells, "");   // "1"; column 1 has no cell in it

#include <string>
#include <vector>

// What one column answered in a step: ended, or the index after its column OID.
struct VkWalkCell {
    bool ended = false;
    std::string index;  // dotted decimal
};

// Compares dotted decimal indexes by their numbers, one sub-identifier after
// another (a shorter one that is a prefix of the other comes first): <0, 0, >0.
int CompareIndex(const std::string& a, const std::string& b);

// Ends the cells whose index is not after lastRow ("" before the first row),
// then returns the least index of those left; "" when every column ended.
std::string WalkRowOf(std::vector<VkWalkCell>& cells, const std::string& lastRow);
