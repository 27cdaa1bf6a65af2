#pragma once
// Which rows of a variable list one write sends. While the marks live, the
// listed rows are written (and read), every other row is only read, and an
// index column stays as it is (it addresses the row written). When they go,
// on every way out, each row's access is what it was before: a write never
// changes what the next read fetches or what the next write sends.
//
//   {
//       VkRowWriteMarks marks(group.request.vars, {QosRuleRow::Name, QosRuleRow::Action});
//       group.Set(false, true);
//   }
//
// A listed row is written even when an earlier step left it out (its
// invalid flag is cleared for this write); a row not listed keeps its
// invalid flag, so it stays out of the read as well when it was out.
//
// The values the rows held can be put back too (RestoreValues), for a
// write that failed: the list then holds the device's values again.

#include <cstdint>
#include <string>
#include <vector>

class VkSNMPVarList;

class VkRowWriteMarks {
public:
    VkRowWriteMarks(VkSNMPVarList& vars, const std::vector<int>& rows);
    ~VkRowWriteMarks();
    VkRowWriteMarks(const VkRowWriteMarks&) = delete;
    VkRowWriteMarks& operator=(const VkRowWriteMarks&) = delete;

    // Puts back every row's value as it was when the marks were made.
    void RestoreValues();

private:
    VkSNMPVarList& vars_;
    std::vector<int32_t> access_;
    std::vector<std::string> values_;
};

// The rows a write of the whole list would send: those writable and not
// left out, in order.
std::vector<int> WritableRows(const VkSNMPVarList& vars);
