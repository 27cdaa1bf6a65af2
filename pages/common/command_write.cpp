#include "pages/common/command_write.h"

#include <memory>
#include <optional>

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "pages/common/page_groups.h"
#include "shell/device_liveness.h"
#include "platform/os/exception.h"

void WriteCommand(VkSNMPRequest2Controls& request, const CommandDone& done) {
    if (DeviceKnownSilent()) {  // it would only wait out its time-out
        VkSNMPError silent{};
        silent.code = VK_ERR_TIMEOUT;
        silent.text = DeviceKnownSilentText;
        return done(silent);
    }
    auto notSent = std::make_shared<std::optional<VkSNMPError>>();
    request.request.onError = [notSent](const VkSNMPError& error) {
        if (error.code != 0) *notSent = error;
    };
    request.OnSetDone = [done](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
        sender->OnSetDone = nullptr;
        done(*result);
    };
    request.async = true;
    try {
        request.Set(true, true);
    } catch (const os::Exception& error) {
        *notSent = VkSNMPError{};
        (*notSent)->code = error.HelpContext() != 0 ? error.HelpContext() : -1;
        (*notSent)->text = error.Message();
    }
    request.request.onError = nullptr;
    if (request.busy || !notSent->has_value()) return;
    request.OnSetDone = nullptr;
    done(**notSent);
}
