#include "library/snmp/write_result.h"

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "library/snmp/row_write_marks.h"
#include "platform/os/exception.h"

namespace {

// The group's async flag, cleared for one write and put back on every way out.
class SynchronousFor {
public:
    explicit SynchronousFor(VkSNMPRequest2Controls& group) : group_(group), wasAsync_(group.async) {
        group_.async = false;
    }
    ~SynchronousFor() { group_.async = wasAsync_; }
    SynchronousFor(const SynchronousFor&) = delete;
    SynchronousFor& operator=(const SynchronousFor&) = delete;

private:
    VkSNMPRequest2Controls& group_;
    bool wasAsync_;
};

VkWriteResult Failed(int32_t code, const std::string& text) {
    VkWriteResult result;
    result.code = code != 0 ? code : -1;
    result.text = text.empty() ? MessageText(result.code) : text;
    return result;
}

}  // namespace

VkWriteResult WriteNow(VkSNMPRequest2Controls& group, bool refreshAfterSet) {
    SynchronousFor synchronous(group);
    group.request.ClearFailure();
    bool written = false;
    try {
        written = group.Set(refreshAfterSet, true);
    } catch (const os::Exception& error) {
        return Failed(error.HelpContext(), error.Message());
    }
    // A refresh read after a write the device took may fail on its own; the
    // write's result is what counts.
    if (written) return VkWriteResult{true, 0, ""};
    return Failed(group.request.Failure().code, group.request.Failure().text);
}

VkWriteResult WriteRowsNow(VkSNMPRequest2Controls& group, const std::vector<int>& rows, bool refreshAfterSet) {
    VkRowWriteMarks marks(group.request.vars, rows);
    return WriteNow(group, refreshAfterSet);
}
