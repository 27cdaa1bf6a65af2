#pragma once
// A command written to the device without waiting, whose end always comes
// back: done runs exactly once with the outcome, whether the device took the
// command, refused it, stayed silent or the write could not be sent at all
// (the request layer reports that only to its error callback, inside the
// call) or raised. The rest of a chain is started from done, so a chain never
// stops half-way with its notice up. While the device is known not to answer
// (shell/device_liveness.h) nothing is sent: done runs at once with a
// time-out and DeviceKnownSilentText.
//
//   WriteCommand(*UpgradeCommandRequest, [this](const VkSNMPError& result) {
//       if (result.code != 0) return Fail(result.text);
//       ...
//   });

#include <functional>

class VkSNMPRequest2Controls;
struct VkSNMPError;

using CommandDone = std::function<void(const VkSNMPError& result)>;

void WriteCommand(VkSNMPRequest2Controls& request, const CommandDone& done);
