#pragma once
// The UDP port the module's TFTP server listens on: 69, where the device sends
// its requests. Tests that run several servers at once name another port in
// the environment variable VAP_TFTP_PORT (1 to 65535; anything else is
// ignored) and point the simulated device at it.

int VkTFTPServerPort();
