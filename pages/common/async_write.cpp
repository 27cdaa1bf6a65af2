#include "pages/common/async_write.h"

#include <memory>

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "library/snmp/row_write_marks.h"
#include "platform/os/exception.h"

void StartWrite(VkSNMPRequest2Controls& group, bool refreshAfterSet) {
    VkSNMPError refusal;
    refusal.code = VK_OK;
    auto answered = std::make_shared<bool>(false);
    VkSNMPDoneEvent pageHandler = group.OnSetDone;
    group.OnSetDone = [pageHandler, answered](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
        *answered = true;
        sender->OnSetDone = pageHandler;
        if (pageHandler) pageHandler(sender, result);
    };
    group.request.ClearFailure();
    try {
        group.Set(refreshAfterSet, true);
    } catch (const os::Exception& error) {
        refusal.code = error.HelpContext() != 0 ? error.HelpContext() : -1;
        refusal.text = error.Message();
        group.busy = false;
    }
    if (refusal.code == VK_OK) refusal = group.request.Failure();
    if (*answered || group.busy || !group.request.enabled) return;
    // Nothing went out, so nothing will answer.
    group.OnSetDone = pageHandler;
    if (refusal.code == VK_OK) {
        refusal.code = -1;
        refusal.text = MessageText(refusal.code);
    }
    if (pageHandler) pageHandler(&group, &refusal);
}

void StartWriteRows(VkSNMPRequest2Controls& group, const std::vector<int>& rows, bool refreshAfterSet) {
    // The request has taken its values by the time StartWrite returns.
    VkRowWriteMarks marks(group.request.vars, rows);
    StartWrite(group, refreshAfterSet);
}
