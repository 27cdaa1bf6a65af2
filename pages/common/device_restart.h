#pragma once
// The restart that ends a file page's chain (a configuration restored, new
// firmware or a language pack installed): Reboot through the chain's upgrade
// command, the restart wait of `steps` ("Device is restarting..."), then
// whether the device answers again.
//
// A device may go down before its answer to Reboot leaves: a Reboot left
// unanswered (a time-out) goes on to the wait like one the device took, and
// the device answering after the wait decides. Only an error answer (or a
// Reboot that could not be sent) ends the restart at once, before the wait.
//
//   RestartDevice(Transfer, kCfgRestartSteps, [this](const RestartEnd& end) {
//       if (end.refused) return Fail(end.reason);
//       if (!end.back) return Fail(CfgNotBackText);
//       Succeed(CfgRestoreOkText);
//   });

#include <functional>
#include <string>

class TransferChain;

struct RestartEnd {
    bool refused = false;  // Reboot was refused or could not be sent
    std::string reason;    // why
    bool back = false;     // the device answered after the wait
    std::string version;   // its firmware version then
};

using RestartDone = std::function<void(const RestartEnd& end)>;

void RestartDevice(TransferChain& chain, int steps, const RestartDone& done);
