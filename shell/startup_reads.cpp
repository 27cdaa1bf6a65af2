#include "shell/startup_reads.h"

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"

namespace {

// Puts the request's error callback back however the read ends.
class ErrorHook {
public:
    ErrorHook(VkSNMPRequest& request, VkSNMPErrorCallback hook)
        : request_(request), previous_(std::move(request.onError)) {
        request_.onError = std::move(hook);
    }
    ~ErrorHook() { request_.onError = std::move(previous_); }
    ErrorHook(const ErrorHook&) = delete;
    ErrorHook& operator=(const ErrorHook&) = delete;

private:
    VkSNMPRequest& request_;
    VkSNMPErrorCallback previous_;
};

}  // namespace

bool StartupReads::Read(VkSNMPRequest2Controls& request) {
    if (silent_) {
        request.lastReadOk = false;
        return false;
    }
    VkSNMPError failure;
    bool ok = false;
    {
        ErrorHook hook(request.request, [&failure](const VkSNMPError& result) {
            if (result.code != VK_OK) failure = result;
        });
        ok = request.Get() && request.lastReadOk;
    }
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
