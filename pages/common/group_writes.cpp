#include "pages/common/group_writes.h"

#include <algorithm>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/edit.h"

namespace {

// The variables' access and values as they are, put back when it goes.
class HeldVariables {
public:
    explicit HeldVariables(VkSNMPVarList& vars) : vars_(vars) {
        for (int row = 0; row < vars.Count(); ++row) {
            access_.push_back(vars.Item(row)->access);
            values_.push_back(vars.Item(row)->value);
        }
    }
    ~HeldVariables() {
        for (int row = 0; row < vars_.Count() && row < static_cast<int>(access_.size()); ++row)
            vars_.Item(row)->access = access_[row];
    }
    HeldVariables(const HeldVariables&) = delete;
    HeldVariables& operator=(const HeldVariables&) = delete;

    void RestoreValues() {
        for (int row = 0; row < vars_.Count() && row < static_cast<int>(values_.size()); ++row)
            vars_.Item(row)->value = values_[row];
    }

private:
    VkSNMPVarList& vars_;
    std::vector<int32_t> access_;
    std::vector<std::string> values_;
};

// Marks exactly the rows to be written: those listed become writable, every
// other row keeps being read but is not written. Index columns of a walked
// table are left as they are (they address the row written).
void MarkForWrite(VkSNMPVarList& vars, const std::vector<int>& rows) {
    for (int row = 0; row < vars.Count(); ++row) {
        VkSNMPVarItem& item = *vars.Item(row);
        const bool listed = std::find(rows.begin(), rows.end(), row) != rows.end();
        if (listed)
            item.access = (item.access & ~VkSNMPAccess::invalid) | VkSNMPAccess::readwrite;
        else
            item.access &= ~VkSNMPAccess::writeonly;
    }
}

}  // namespace

GroupWrites::GroupWrites(const PageGroups& groups) : groups_(groups) {}

bool GroupWrites::Write(VkSNMPRequest2Edits& group, const std::vector<int>& rows,
                        const VkSNMPRequest2Controls* readBy) {
    if (!groups_.WasRead(readBy != nullptr ? *readBy : group)) {
        const std::string name = groups_.NameOf(group);
        if (std::find(unread_.begin(), unread_.end(), name) == unread_.end()) unread_.push_back(name);
        return false;
    }
    HeldVariables held(group.request.vars);
    MarkForWrite(group.request.vars, rows);
    if (group.Set(true, true)) return true;
    failed_ = true;
    held.RestoreValues();
    return false;
}

std::string GroupWrites::FailureText(const std::string& errorText) const {
    if (unread_.empty()) return errorText;
    std::string text = errorText + " " + NotReadPrefix;
    for (size_t i = 0; i < unread_.size(); ++i) text += (i > 0 ? ", " : "") + unread_[i];
    return text;
}

bool SecretUnchanged(const VkSNMPRequest2Edits& group, int row, const ui::Edit* edit) {
    return edit->Text() == group.request.vars.Item(row)->value;
}

void MarkOnlyRowsForWrite(VkSNMPVarList& vars, const std::vector<int>& rows) { MarkForWrite(vars, rows); }
