#include "library/snmp/write_result.h"

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "library/snmp/row_write_marks.h"
#include "library/snmp/synchronous_for.h"
#include "platform/os/exception.h"

namespace {

VkWriteResult Failed(int32_t code, const std::string& text) {
    VkWriteResult result;
    result.code = code != 0 ? code : -1;
    result.text = text.empty() ? MessageText(result.code) : text;
    return result;
}

VkWriteResult Write(VkSNMPRequest2Controls& group, bool refreshAfterSet, bool collect) {
    SynchronousFor synchronous(group);
    group.request.ClearFailure();
    bool written = false;
    try {
        written = group.Set(refreshAfterSet, collect);
    } catch (const os::Exception& error) {
        return Failed(error.HelpContext(), error.Message());
    }
    // A refresh read after a write the device took may fail on its own; the
    // write's result is what counts.
    if (written) return VkWriteResult{true, 0, ""};
    return Failed(group.request.Failure().code, group.request.Failure().text);
}

}  // namespace

VkWriteResult WriteNow(VkSNMPRequest2Controls& group, bool refreshAfterSet) {
    return Write(group, refreshAfterSet, true);
}

VkWriteResult WriteRowsNow(VkSNMPRequest2Controls& group, const std::vector<int>& rows, bool refreshAfterSet) {
    VkRowWriteMarks marks(group.request.vars, rows);
    return WriteNow(group, refreshAfterSet);
}

VkWriteResult WriteRowsAsTheyStand(VkSNMPRequest2Controls& group, const std::vector<int>& rows,
                                   bool refreshAfterSet) {
    VkRowWriteMarks marks(group.request.vars, rows);
    return Write(group, refreshAfterSet, false);
}
