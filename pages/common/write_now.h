#pragma once
// A synchronous write of a group whose only interest is whether the device
// took it (a command such as "clear the counters"), with the reason when it
// did not: the device's error answer, the time-out, a write that could not
// be sent, or an exception of the request layer.
//
//   const std::string failure = WriteNow(*ClearRequest);
//   if (!failure.empty()) return ClearRequest->ShowStatus(failure);

#include <string>

class VkSNMPRequest2Controls;

// Collects the values from the controls and writes them; "" when every
// value was written, otherwise the failure's text.
std::string WriteNow(VkSNMPRequest2Controls& group);
