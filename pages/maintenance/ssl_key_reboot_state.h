#pragma once
// Whether a new SSL key waits for a restart of the device: 1 after a key was
// installed (the Firmware & SSL page then reminds the user when it opens), 2
// once the device restarted since (a restart from System Settings or after a
// firmware or language-pack update), 0 before either. It lives as long as the
// program.

extern int SslKeyRebootState;

constexpr int kSslKeyWaitsForReboot = 1;
constexpr int kSslKeyRebooted = 2;
