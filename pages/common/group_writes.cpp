#include "pages/common/group_writes.h"

#include <algorithm>

#include "library/snmp/request_to_edits.h"
#include "library/snmp/row_write_marks.h"
#include "library/snmp/write_result.h"
#include "pages/common/page_groups.h"
#include "platform/ui/edit.h"

GroupWrites::GroupWrites(const PageGroups& groups) : groups_(groups) {}

bool GroupWrites::Write(VkSNMPRequest2Edits& group, const std::vector<int>& rows,
                        const VkSNMPRequest2Controls* readBy) {
    if (!groups_.WasRead(readBy != nullptr ? *readBy : group)) {
        const std::string name = groups_.NameOf(group);
        if (std::find(unread_.begin(), unread_.end(), name) == unread_.end()) unread_.push_back(name);
        return false;
    }
    VkRowWriteMarks marks(group.request.vars, rows);
    const VkWriteResult result = WriteNow(group);
    if (result.ok) return true;
    if (!failed_) firstFailure_ = result.text;
    failed_ = true;
    marks.RestoreValues();
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
