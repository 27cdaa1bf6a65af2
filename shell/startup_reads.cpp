#include "shell/startup_reads.h"

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"

bool StartupReads::Read(VkSNMPRequest2Controls& request) {
    if (silent_) {
        request.lastReadOk = false;
        return false;
    }
    // The read's own first failure tells a silent device from one that
    // answered with an error.
    request.request.ClearFailure();
    const bool ok = request.Get() && request.lastReadOk;
    const VkSNMPError& failure = request.request.Failure();
    if (!ok && failure.code == VK_ERR_TIMEOUT) {
        silent_ = true;
        silenceText_ = failure.text;
    }
    return ok;
}

void StartupReads::Start(VkSNMPRequest2Controls& request) {
    if (silent_) {
        request.lastReadOk = false;
        return;
    }
    request.Get();
}
