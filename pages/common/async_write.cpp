#include "pages/common/async_write.h"

#include <algorithm>
#include <memory>

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
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
    VkSNMPErrorCallback previous = group.request.onError;
    group.request.onError = [&refusal, previous](const VkSNMPError& result) {
        if (result.code != VK_OK) refusal = result;
        if (previous) previous(result);
    };
    try {
        group.Set(refreshAfterSet, true);
    } catch (const os::Exception& error) {
        refusal.code = error.HelpContext() != 0 ? error.HelpContext() : -1;
        refusal.text = error.Message();
        group.busy = false;
    }
    group.request.onError = previous;
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
    VkSNMPVarList& vars = group.request.vars;
    std::vector<int32_t> access;
    for (int row = 0; row < vars.Count(); ++row) {
        VkSNMPVarItem& item = *vars.Item(row);
        access.push_back(item.access);
        if (std::find(rows.begin(), rows.end(), row) != rows.end())
            item.access = (item.access & ~VkSNMPAccess::invalid) | VkSNMPAccess::readwrite;
        else
            item.access &= ~VkSNMPAccess::writeonly;
    }
    StartWrite(group, refreshAfterSet);
    for (int row = 0; row < vars.Count() && row < static_cast<int>(access.size()); ++row)
        vars.Item(row)->access = access[static_cast<size_t>(row)];
}
