#pragma once
// The single-instance guard: one running module per window caption, that is
// per device address text ("VAP-7720 : 192.168.0.50"). A host name and the
// address of the same device are different texts.

#include <string>

// The main window's caption once the device address is known:
// formCaption + " : " + deviceAddress.
std::string DeviceCaption(const std::string& formCaption, const std::string& deviceAddress);

// Takes the guard named caption and holds it until the process ends; nothing
// releases it. False when another copy holds it or the guard cannot be made.
bool TakeInstanceGuard(const std::string& caption);

// The refusal: InstanceGuardMessage in a box captioned "Warning", OK only.
void ShowInstanceGuardMessage();
