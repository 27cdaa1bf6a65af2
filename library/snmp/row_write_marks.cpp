#include "library/snmp/row_write_marks.h"

#include <algorithm>

#include "library/snmp/var_list.h"

namespace {

bool Listed(const std::vector<int>& rows, int row) { return std::find(rows.begin(), rows.end(), row) != rows.end(); }

}  // namespace

VkRowWriteMarks::VkRowWriteMarks(VkSNMPVarList& vars, const std::vector<int>& rows) : vars_(vars) {
    access_.reserve(static_cast<size_t>(vars.Count()));
    values_.reserve(static_cast<size_t>(vars.Count()));
    for (int row = 0; row < vars.Count(); ++row) {
        VkSNMPVarItem& item = *vars.Item(row);
        access_.push_back(item.access);
        values_.push_back(item.value);
        if (Listed(rows, row))
            item.access = (item.access & ~VkSNMPAccess::invalid) | VkSNMPAccess::readwrite;
        else
            item.access &= ~VkSNMPAccess::writeonly;
    }
}

VkRowWriteMarks::~VkRowWriteMarks() {
    const int count = std::min(vars_.Count(), static_cast<int>(access_.size()));
    for (int row = 0; row < count; ++row) vars_.Item(row)->access = access_[static_cast<size_t>(row)];
}

void VkRowWriteMarks::RestoreValues() {
    const int count = std::min(vars_.Count(), static_cast<int>(values_.size()));
    for (int row = 0; row < count; ++row) vars_.Item(row)->value = values_[static_cast<size_t>(row)];
}

std::vector<int> WritableRows(const VkSNMPVarList& vars) {
    std::vector<int> rows;
    for (int row = 0; row < vars.Count(); ++row) {
        const int32_t access = vars.Item(row)->access;
        if ((access & VkSNMPAccess::writeonly) != 0 && (access & VkSNMPAccess::invalid) == 0) rows.push_back(row);
    }
    return rows;
}
