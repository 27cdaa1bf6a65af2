#include "pages/common/write_now.h"

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "platform/os/exception.h"

std::string WriteNow(VkSNMPRequest2Controls& group) {
    std::string failure;
    VkSNMPErrorCallback previous = group.request.onError;
    group.request.onError = [&failure, previous](const VkSNMPError& result) {
        if (result.code != VK_OK) failure = result.text;
        if (previous) previous(result);
    };
    bool written = false;
    try {
        written = group.Set(true, true);
    } catch (const os::Exception& error) {
        failure = error.Message();
    }
    group.request.onError = previous;
    if (written) return "";
    return failure.empty() ? MessageText(-1) : failure;
}
