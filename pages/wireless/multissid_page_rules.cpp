#include "pages/wireless/multissid_page_rules.h"

#include <cctype>

#include "library/common/text.h"

namespace {

constexpr int kModes = 4;
constexpr int kAuthentications = 10;

struct Pair {
    int security;
    int wpa;
};
constexpr Pair kNone = {-1, -1};

// By authentication, then AP mode: how a stored value is shown.
constexpr Pair kShown[kAuthentications][kModes] = {
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}},      // opensystem
    {{0, 0}, {0, 0}, {0, 0}, kNone},       // sharedkey
    {kNone, kNone, kNone, kNone},          // opensystem-sharedkey
    {{1, 2}, kNone, kNone, {1, 2}},        // wpa-psk
    {{2, 2}, kNone, kNone, kNone},         // wpa-eap
    {{1, 1}, {1, 1}, {1, 0}, {1, 1}},      // wpa2-psk
    {{2, 1}, {2, 1}, kNone, kNone},        // wpa2-eap
    {{1, 0}, {1, 0}, kNone, {1, 0}},       // wpa2-auto-psk
    {{2, 0}, {2, 0}, kNone, kNone},        // wpa2-auto-eap
    {{3, 0}, kNone, kNone, kNone},         // dot1x
};

// By security and WPA position: what "Access Point" and "WDS With Ap" write.
constexpr int kAnyWpa = -2;
struct Written {
    int security;
    int wpa;
    int accessPoint;
    int wdsWithAp;
};
constexpr Written kWritten[] = {
    {0, kAnyWpa, 0, 0}, {1, 0, 7, 7}, {1, 1, 5, 5},       {1, 2, 3, -1},
    {2, 0, 8, 8},       {2, 1, 6, 6}, {2, 2, 4, -1},      {3, kAnyWpa, 9, -1},
};

bool KnownMode(int apMode) { return apMode >= 0 && apMode < kModes; }

const char* const kAuthenticationTexts[][2] = {
    {"sharedkey", "SharedKey"},         {"wpa-psk", "WPA-Personal"},
    {"wpa-eap", "WPA-Enterprise"},      {"wpa2-psk", "WPA2-Personal"},
    {"wpa2-eap", "WPA2-Enterprise"},    {"wpa2-auto-psk", "WPA2-Auto-Personal"},
    {"wpa2-auto-eap", "WPA2-Auto-Enterprise"}, {"dot1x", "802.1x"},
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> MssidSecurityModes(int apMode) {
    if (apMode == MssidApMode::WdsWithAp) return {"Open System", "WPA-Personal"};
    if (!KnownMode(apMode)) return {};
    return {"Open System", "WPA-Personal", "WPA-Enterprise", "802.1x"};
}

std::vector<std::string> MssidWpaModes(int apMode) {
    switch (apMode) {
    case MssidApMode::AccessPoint:
    case MssidApMode::WirelessClient:
        return {"AUTO(WPA or WPA2)", "WPA2 Only", "WPA Only"};
    case MssidApMode::WdsWithAp:
        return {"AUTO(WPA or WPA2)", "WPA2 Only"};
    case MssidApMode::Wds:
        return {"WPA2 Only"};
    default:
        return {};
    }
}

bool MssidWpaModeChoosable(int apMode) { return apMode != MssidApMode::Wds; }

MssidSecurityView MssidSecurityOf(int apMode, int authentication) {
    if (!KnownMode(apMode)) return {-1, -1};
    Pair shown = kNone;
    if (authentication >= 0 && authentication < kAuthentications) shown = kShown[authentication][apMode];
    const int securityItems = static_cast<int>(MssidSecurityModes(apMode).size());
    const int wpaItems = static_cast<int>(MssidWpaModes(apMode).size());
    MssidSecurityView view{shown.security, shown.wpa};
    if (view.security >= securityItems) view.security = -1;
    if (view.wpa >= wpaItems) view.wpa = -1;
    if (view.security < 0) view.security = MssidSecurity::OpenSystem;
    return view;
}

int MssidAuthenticationOf(int apMode, int security, int wpa) {
    if (apMode != MssidApMode::AccessPoint && apMode != MssidApMode::WdsWithAp) return -1;
    for (const Written& w : kWritten) {
        if (w.security != security || (w.wpa != kAnyWpa && w.wpa != wpa)) continue;
        return apMode == MssidApMode::AccessPoint ? w.accessPoint : w.wdsWithAp;
    }
    return -1;
}

int MssidWpaPositionIn(int fromMode, int wpa, int toMode) {
    if (fromMode == toMode) return wpa;
    const std::vector<std::string> from = MssidWpaModes(fromMode);
    if (wpa < 0 || wpa >= static_cast<int>(from.size())) return -1;
    const std::vector<std::string> to = MssidWpaModes(toMode);
    for (size_t i = 0; i < to.size(); ++i)
        if (to[i] == from[static_cast<size_t>(wpa)]) return static_cast<int>(i);
    return -1;
}

bool MssidSecurityShowable(int apMode, int writeApMode, int authentication) {
    const MssidSecurityView view = MssidSecurityOf(apMode, authentication);
    const int wpa = MssidWpaPositionIn(apMode, view.wpa, writeApMode);
    return MssidAuthenticationOf(writeApMode, view.security, wpa) == authentication;
}

std::string MssidEncryptionText(bool encryptionEnabled, const std::string& authentication) {
    if (authentication == "opensystem") return encryptionEnabled ? "OpenSystem" : "None";
    for (const auto& entry : kAuthenticationTexts)
        if (authentication == entry[0]) return entry[1];
    return "";
}

std::vector<std::string> MssidCipherItems(int apMode) {
    if (apMode == MssidApMode::WdsWithAp) return {"Auto", "AES"};
    return {"Auto", "AES", "TKIP"};
}

int MssidCipherItemOf(const std::vector<std::string>& items, const std::string& storedCipher) {
    for (size_t i = 0; i < items.size(); ++i)
        if (Lower(items[i]) == Lower(storedCipher)) return static_cast<int>(i);
    return 0;
}

int MssidCipherTypeOf(const std::string& visibleCipher) {
    const char* const ciphers[] = {"Auto", "AES", "TKIP", "WEP"};
    for (int i = 0; i < 4; ++i)
        if (visibleCipher == ciphers[i]) return i;
    return -1;
}

namespace {

constexpr int kAscii = 0;
constexpr int kHex = 1;
// By key type, then size: the length a key has.
constexpr size_t kKeyLengths[2][2] = {{5, 13}, {10, 26}};

bool KnownKey(int keyType, int keySize) { return (keyType == kAscii || keyType == kHex) && (keySize == 0 || keySize == 1); }

}  // namespace

int MssidKeySizeOf(int keyType, size_t keyLength) {
    if (keyType != kAscii && keyType != kHex) return -1;
    return keyLength == kKeyLengths[keyType][1] ? 1 : 0;
}

int MssidKeyMaxLength(int keyType, int keySize) {
    if (!KnownKey(keyType, keySize)) return -1;
    return static_cast<int>(kKeyLengths[keyType][keySize]);
}

std::string MssidKeyLengthMessage(int keyType, int keySize, size_t keyLength) {
    if (keySize != 0 && keySize != 1) return "";
    const bool hex = keyType == kHex;
    const size_t wanted = kKeyLengths[hex ? kHex : kAscii][keySize];
    if (keyLength == wanted) return "";
    const std::string count = std::to_string(wanted);
    return hex ? "The Length of the key  must be " + count + "!"
               : "The Length of the key in IEEE802.11g must be " + count + "!";
}

bool IsHexKey(const std::string& key) {
    for (char c : key)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

MssidRekeyTime SplitRekeyStartTime(const std::string& stored) {
    const std::string text = Trimmed(stored);
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return {};
    MssidRekeyTime time;
    if (colon >= 2) time.hour = text.substr(colon - 2, 2);
    time.minute = text.substr(colon + 1, 2);
    return time;
}

std::string JoinRekeyStartTime(const std::string& hour, const std::string& minute) {
    return Trimmed(hour) + ":" + Trimmed(minute);
}

bool MssidRekeyScheduleEditable(const std::string& primaryAuthentication, const std::string& primaryRekeyControl) {
    return primaryRekeyControl == "Manual" || primaryAuthentication.find("-psk") == std::string::npos;
}

namespace {
constexpr int kMssidEntries = 8;
}

std::string MssidEntryIndex(int position) {
    return position >= 0 && position < kMssidEntries ? std::to_string(position + 1) : std::string();
}

int MssidEntryPosition(const std::string& index) {
    int value = 0;
    if (!TryStrToInt(index, value) || value < 1 || value > kMssidEntries) return -1;
    return value - 1;
}
