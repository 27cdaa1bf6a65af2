#pragma once
// The Device Information page's derived texts, from plain values: the
// one-line security summary, the gateway, the firmware version and the
// wireless box's caption.

#include <string>

// What the hidden security controls show. Positions are list positions (-1:
// nothing shown); texts are the entries' texts.
struct SecurityShown {
    std::string authentication;  // "opensystem", "wpa2-psk", ...
    int encryption = -1;         // 0 "disabled", anything else counts as on
    std::string cipher;          // "auto", "aes", "tkip", "wep"
    int keyType = -1;            // 0 "ASCII", 1 "HEX"
    size_t keyLength = 0;        // the key itself is never shown
};

// The "Security Level" text ("None", "Open / 64bits", "WPA2-Personal / AES", ...).
std::string BuildSecuritySummary(const SecurityShown& shown);

// "N/A" for a gateway of 0.0.0.0, otherwise the gateway as read.
std::string GatewayText(const std::string& gateway);
// The firmware version as shown: its first four characters.
std::string FirmwareText(const std::string& version);
// The wireless box's caption for the band position (0 is 2.4 GHz).
std::string WirelessCaption(int bandPosition);
