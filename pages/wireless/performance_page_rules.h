#pragma once
// The Performance page's decisions apart from its form: values in, decisions
// out, no controls. Whether the security in force is a legacy one (two ways
// of asking, which the page uses for different things), the data-rate and
// multicast-rate lists, the range checks of a Save and which rows a Save
// writes in each AP mode.

#include <string>
#include <vector>

// AP mode positions of the shared AP mode list.
enum PerformanceApMode : int { kApAccessPoint = 0, kApWdsWithAp = 1, kApWds = 2, kApWirelessClient = 3 };
// Band positions: 0 "2.4GHz", 1 "5GHz".
enum PerformanceBand : int { kBand24 = 0, kBand5 = 1 };
// Wireless-mode positions, on either band: an 802.11n mixed mode, the mode
// without 802.11n ("Mixed 802.11g and 802.11b" / "802.11a Only"), "802.11n Only".
enum PerformanceWifiMode : int { kModeMixedN = 0, kModeLegacy = 1, kModeNOnly = 2 };

extern const char* const kNOnlyModeText;  // "802.11n Only"

// Legacy security by list positions (authentication, encryption, cipher;
// -1: nothing selected): open or shared key with encryption on (also with no
// authentication selected), TKIP, or 802.1X. Decides the data-rate list and
// whether Short GI may be switched.
bool LegacyByPosition(int authentication, int encryption, int cipher);
// Legacy security by the texts shown: open or shared key with encryption
// "Enable", a WPA authentication with "tkip", or 802.1X. Decides whether
// "802.11n Only" is offered and the multicast list.
bool LegacyByText(const std::string& authentication, const std::string& encryption, const std::string& cipher);

// The data rates the combo offers (band position 0 is 2.4 GHz, any other
// position 5 GHz).
std::vector<std::string> DataRateItems(int band, bool nMode, bool legacyByPosition);
// The entry to select for the device's data rate: 0 for "Auto" and the
// "Best" texts, otherwise the entry showing the same number; -1 when none
// does (or the text is no number).
int DataRateIndex(const std::vector<std::string>& items, const std::string& storedRate);

// The multicast rates offered from the device's blank-separated list: all of
// them under legacy security or without 802.11n, ending at "54" with
// "Disable" added; in "802.11n Only" only those after the first "54".
std::vector<std::string> MulticastRateItems(const std::string& deviceList, bool legacyByText, bool nMode,
                                            bool nOnly);

// ---- Save ---------------------------------------------------------------

// What a Save checks, as the edits hold it.
struct PerformanceInput {
    int apMode = kApAccessPoint;
    int band = kBand24;
    std::string beacon, dtim, userLimit, ackTimeout;
};

enum class PerformanceField { None, Beacon, Dtim, UserLimit, AckTimeout };

struct PerformanceRefusal {
    PerformanceField field = PerformanceField::None;
    const char* message = "";
};

// The first range check that fails, in the order of the controls; field None
// when everything is in range. Wireless Client checks only the
// acknowledgement time-out.
PerformanceRefusal CheckPerformanceInput(const PerformanceInput& in);

// The rows one Save writes of each group (empty: the group is not written).
struct PerformanceWrites {
    std::vector<int> wifiMode;
    std::vector<int> radio;
    std::vector<int> multicast;
};

// What the rows of a Save depend on.
struct PerformancePlanInput {
    int apMode = kApAccessPoint;
    int band = kBand24;
    bool userLimitOn = false;  // the connection limit is on
    // False when the control shows a value the page chose itself (a fallback
    // or a forced value) that the user has not changed since: it is not written.
    bool writeMode = true;
    bool writeShortGi = true;
    // The same for the data rate and the band's multicast rate
    // (RateChoiceWritten).
    bool writeDataRate = true;
    bool writeMulticast = true;
};

// Whether a rate the page shows is written back: when the user changed it
// (or a choice of the user's changed it), or when it is the stored rate
// itself (by value: "5.50" is "5.5"; shown "" means the stored one stays). An
// entry the page shows in place of a stored rate its list does not offer
// ("Disable" for a rate not listed, "Best(up to 54)" for "Auto") is not.
bool RateChoiceWritten(const std::string& stored, const std::string& shown, bool changedByUser);

// The rows of a Save with the radio on: Wireless Client writes no beacon,
// DTIM, IGMP snooping, data rate, load balance, user limit or wireless mode;
// the WDS modes no load balance or user limit; an access point writes the user
// limit only while the connection limit is on. The multicast rate of the band
// in use is written; the fragment and RTS lengths never are.
PerformanceWrites PlanPerformanceWrites(const PerformancePlanInput& in);
// The one row the radio "Off" shortcut writes.
std::vector<int> RadioOffRows();
