#include "pages/common/command_write.h"

#include <optional>

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "pages/common/page_groups.h"
#include "platform/os/exception.h"
#include "shell/device_liveness.h"

void WriteCommand(VkSNMPRequest2Controls& request, const CommandDone& done) {
    if (DeviceKnownSilent()) {  // it would only wait out its time-out
        VkSNMPError silent{};
        silent.code = VK_ERR_TIMEOUT;
        silent.text = DeviceKnownSilentText;
        return done(silent);
    }
    std::optional<VkSNMPError> notSent;
    request.request.ClearFailure();
    request.OnSetDone = [done](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
        sender->OnSetDone = nullptr;
        done(*result);
    };
    request.async = true;
    try {
        request.Set(true, true);
    } catch (const os::Exception& error) {
        notSent = VkSNMPError{};
        notSent->code = error.HelpContext() != 0 ? error.HelpContext() : -1;
        notSent->text = error.Message();
    }
    if (!notSent && request.request.Failure().code != 0) notSent = request.request.Failure();
    if (request.busy || !notSent) return;
    request.OnSetDone = nullptr;
    done(*notSent);
}
