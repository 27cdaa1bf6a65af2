#pragma once
// The Wireless page's decisions, apart from its form: values in, decisions
// out, no controls. The operating mode as the page knows it, the device's
// authentication as a Security Mode and a WPA Mode (and back, from the same
// table), the lists the mode offers, and which groups a Save writes, with
// which rows, in which order.

#include <string>
#include <vector>

enum class WirelessMode { AccessPoint, WdsWithAp, Wds, WirelessClient, Unknown };

// The mode of an entry of the operating mode list ("Access Point", ...).
WirelessMode WirelessModeOf(const std::string& text);
bool IsWdsMode(WirelessMode mode);
bool IsWdsMode(const std::string& modeText);

// ---- the device's authentication and the page's Security Mode and WPA Mode ----

// How the page shows one authentication: its Security Mode and the WPA Mode
// selected with it (null: none).
struct SecurityView {
    const char* security;
    const char* wpa;
};

// The view of the device's authentication in the mode; null when the mode
// has no view of it.
const SecurityView* SecurityViewOf(WirelessMode mode, const std::string& authentication);
// The authentication a Security Mode and WPA Mode stand for in the mode (the
// WPA Mode counts for WPA-Personal and WPA-Enterprise only); null when the
// mode offers no such combination.
const char* AuthenticationOf(WirelessMode mode, const std::string& security, const std::string& wpa);
// The WPA Mode selected when the mode's Security Mode list cannot show the
// authentication (the list's first entry is selected then); null: none.
const char* FallbackWpaMode(WirelessMode mode, const std::string& authentication, bool multiSsid);

// The Security Mode list of the mode: Shared Key only for an access point
// without multi-SSID and not 802.11n only, 802.1X not with 802.11n only.
std::vector<std::string> SecurityModesOf(WirelessMode mode, bool multiSsid, bool only11n);
// The WPA Mode list of the mode.
std::vector<std::string> WpaModesOf(WirelessMode mode);

// ---- what a Save writes -----------------------------------------------------

// The security objects a Save writes, by the Security Mode chosen.
enum class SecurityBlock { None, Open, Wep, WpaPersonal, WpaEnterprise, Dot1x };
// Open System with encryption on is WEP; a text no block has is None.
SecurityBlock SecurityBlockOf(const std::string& security, bool encryptionOn);

// The page's groups a Save may write.
enum class WirelessGroup {
    Application,
    MultiSsidState,
    MacCloneStatus,
    MacClone,
    Basic,
    WepKey1,
    WepKey2,
    WepKey3,
    WepKey4,
    WpaPsk,
    Radius,
    Security,
    RemoteApDeleteAll,
    RemoteApList,
    WifiMode,
    ApArrayStatus,
};

// One write of a Save: the rows of the group it sends.
struct GroupWrite {
    WirelessGroup group;
    std::vector<int> rows;

    bool operator==(const GroupWrite& other) const { return group == other.group && rows == other.rows; }
};

// What a Save's writes depend on, as the page's controls say it.
struct WirelessSaveInput {
    WirelessMode mode = WirelessMode::AccessPoint;
    // None: the device's security objects stay as they are.
    SecurityBlock security = SecurityBlock::None;
    bool writeApplication = false;  // the application (indoor or outdoor use) is written
    bool multiSsidOn = false;    // multi-SSID enabled as read
    bool bandChanged = false;    // the band differs from the one read
    bool channelPicked = false;  // the user picked the channel shown
    std::vector<int> partnerRows;  // WDS partner places that hold an address
    bool cloning = false;        // MAC clone enabled
    bool cloneAddressEmpty = true;
    int wepKey = -1;             // the key index (0 to 3); -1 none selected
    bool wepKeyUnchanged = false;
    bool periodicRekey = false;  // periodical key change chosen (and offered)
    bool passPhraseUnchanged = false;
    bool radiusSecretUnchanged = false;
};

// The writes of a Save, in order: the application (when written), multi-SSID
// off (WDS and client), the MAC clone (client), the security block with the
// basic settings inside it, the WDS partners (delete-all, then the
// addresses), the client's wireless mode, the AP array off (every mode but
// Access Point). The channel goes only when the user picked it: the list
// shown may lack the device's channel, or show the channel in use instead of
// the one configured.
std::vector<GroupWrite> PlanWirelessWrites(const WirelessSaveInput& input);
