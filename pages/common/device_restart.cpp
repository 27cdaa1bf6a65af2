#include "pages/common/device_restart.h"

#include "library/common/messages.h"
#include "library/snmp/snmp_status.h"
#include "pages/common/transfer_chain.h"
#include "pages/common/waiting_steps.h"

namespace {

// Reboot's position in the upgrade command list.
constexpr int kReboot = 3;

}  // namespace

void RestartDevice(TransferChain& chain, int steps, const RestartDone& done) {
    chain.Upgrade(kReboot, [steps, done](const VkSNMPError& result) {
        RestartEnd end;
        if (result.code != 0 && result.code != VK_ERR_TIMEOUT) {
            end.refused = true;
            end.reason = result.text;
            return done(end);
        }
        RunWaitingDialog(steps, {"", "", "Device is restarting..."});
        end.back = DeviceAnswers(end.version);
        done(end);
    });
}
