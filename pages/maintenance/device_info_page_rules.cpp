#include "pages/maintenance/device_info_page_rules.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kAscii = 0;
constexpr int kHex = 1;
constexpr size_t kFirmwareShown = 4;

// "64bits" / "128bits" for the key lengths of the key type; an empty key
// counts as the short one.
std::string KeySizeText(int keyType, size_t length) {
    size_t shortKey = 0, longKey = 0;
    if (keyType == kAscii) shortKey = 5, longKey = 13;
    else if (keyType == kHex) shortKey = 10, longKey = 26;
    else return "";
    if (length == 0) length = shortKey;
    if (length == shortKey) return "64bits";
    if (length == longKey) return "128bits";
    return "";
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

struct CipherSummary {
    const char* authentication;
    const char* prefix;
};

const CipherSummary kCipherSummaries[] = {
    {"wpa-psk", "WPA-Personal / "},
    {"wpa-eap", "WPA-Enterprise / "},
    {"wpa2-psk", "WPA2-Personal / "},
    {"wpa2-eap", "WPA2-Enterprise / "},
    {"wpa2-auto-psk", "WPA2-Auto-Personal / "},
    {"wpa2-auto-eap", "WPA2-Auto-Enterprise / "},
};

}  // namespace

std::string BuildSecuritySummary(const SecurityShown& shown) {
    const bool encrypted = shown.encryption != 0;
    const std::string& authentication = shown.authentication;
    if (authentication == "opensystem")
        return encrypted ? "Open / " + KeySizeText(shown.keyType, shown.keyLength) : "None";
    if (authentication == "sharedkey") return "Shared Key / " + KeySizeText(shown.keyType, shown.keyLength);
    for (const CipherSummary& summary : kCipherSummaries)
        if (authentication == summary.authentication) return summary.prefix + Upper(shown.cipher);
    if (authentication == "dot1x") return "802.1x / WEP";
    return "";
}

std::string GatewayText(const std::string& gateway) { return gateway == "0.0.0.0" ? "N/A" : gateway; }

std::string FirmwareText(const std::string& version) { return version.substr(0, kFirmwareShown); }

std::string WirelessCaption(int bandPosition) {
    return bandPosition == 0 ? "Wireless(2.4GHz)" : "Wireless(5GHz)";
}
