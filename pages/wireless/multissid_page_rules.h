#pragma once
// The Multi-SSID page's decisions, apart from its form: values in, decisions
// out, no controls. The stored authentication of an SSID as the page's
// security mode and WPA mode (and back), by the AP mode; the cipher list; the
// "Encryption" column of the SSID list; WEP key sizes; the periodic key
// change's start time.
//
// Positions are the combos' positions: AP mode 0 "Access Point", 1 "WDS With
// Ap", 2 "WDS", 3 "Wireless Client"; authentication 0 "opensystem" to 9
// "dot1x" (the option list's order); security 0 "Open System", 1
// "WPA-Personal", 2 "WPA-Enterprise", 3 "802.1x".

#include <cstddef>
#include <string>
#include <vector>

namespace MssidApMode {
enum : int { AccessPoint, WdsWithAp, Wds, WirelessClient };
}
namespace MssidSecurity {
enum : int { OpenSystem, WpaPersonal, WpaEnterprise, Dot1x };
}
namespace MssidAuthentication {
enum : int { OpenSystem, SharedKey, OpenSharedKey, WpaPsk, WpaEap, Wpa2Psk, Wpa2Eap, Wpa2AutoPsk, Wpa2AutoEap, Dot1x };
}

// The security mode and WPA mode lists the AP mode offers (empty for an
// unknown mode), and whether the WPA mode may be chosen.
std::vector<std::string> MssidSecurityModes(int apMode);
std::vector<std::string> MssidWpaModes(int apMode);
bool MssidWpaModeChoosable(int apMode);

// How the page shows a stored authentication: the security and WPA
// positions (-1: no selection). The security falls back to "Open System"
// when the mode has no entry for the value or its list is shorter.
struct MssidSecurityView {
    int security;
    int wpa;
    bool operator==(const MssidSecurityView& other) const { return security == other.security && wpa == other.wpa; }
};
MssidSecurityView MssidSecurityOf(int apMode, int authentication);

// The authentication the visible choices stand for in the AP mode the write
// happens in; -1 when the combination is not one the page writes (the stored
// value then stays).
int MssidAuthenticationOf(int apMode, int security, int wpa);

// The WPA mode shown at `wpa` in the list of `fromMode` as a position of
// the list of `toMode` (the same text; -1 when that list has none). A write
// that first switches the AP mode to "Access Point" keeps the WPA mode the
// user saw ("WPA2 Only" stays WPA2 only).
int MssidWpaPositionIn(int fromMode, int wpa, int toMode);

// Whether the page shows the stored authentication as what it is: writing
// back the view it shows gives the same value in the AP mode of the write.
// Shared key, for one, is shown as "Open System" but is not open system.
bool MssidSecurityShowable(int apMode, int writeApMode, int authentication);

// The "Encryption" column of the SSID list.
std::string MssidEncryptionText(bool encryptionEnabled, const std::string& authentication);

// The cipher list of the AP mode ("TKIP" not with "WDS With Ap"), the
// position the stored cipher text selects in it (0 when none matches) and
// the cipher value a visible cipher stands for (-1: the stored one stays).
std::vector<std::string> MssidCipherItems(int apMode);
int MssidCipherItemOf(const std::vector<std::string>& items, const std::string& storedCipher);
int MssidCipherTypeOf(const std::string& visibleCipher);

// WEP keys: key type 0 "ASCII", 1 "HEX"; key size 0 "64Bits", 1 "128Bits".
// The size a stored key's length shows (-1: the size stays), the maximum
// length of the key edits (-1: it stays), the exact length a key must have.
int MssidKeySizeOf(int keyType, std::size_t keyLength);
int MssidKeyMaxLength(int keyType, int keySize);
// The message a key of the wrong length gets; empty when the length fits.
std::string MssidKeyLengthMessage(int keyType, int keySize, std::size_t keyLength);
bool IsHexKey(const std::string& key);

// The periodic key change's start time: "HH:MM" into the hour and minute
// items (empty when the text holds none there) and back.
struct MssidRekeyTime {
    std::string hour;
    std::string minute;
};
MssidRekeyTime SplitRekeyStartTime(const std::string& stored);
std::string JoinRekeyStartTime(const std::string& hour, const std::string& minute);

// Whether an SSID's key-change schedule may be edited: not while the primary
// SSID itself changes its pre-shared key periodically.
bool MssidRekeyScheduleEditable(const std::string& primaryAuthentication, const std::string& primaryRekeyControl);

// The SSID table's own index of the Index combo's position (1 the primary
// SSID, k+1 SSID k; the RADIUS table counts its rows the same way), and the
// position of an index (-1 when it is none of the eight).
std::string MssidEntryIndex(int position);
int MssidEntryPosition(const std::string& index);
