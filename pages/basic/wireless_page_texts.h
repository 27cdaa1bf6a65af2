#pragma once
// What the Wireless page's files compare and show alike: the operating,
// security and WPA modes as the page's lists hold them, the captions of the
// page's messages, a few device texts, and the positions of the lists that
// several files read.

inline constexpr char kAccessPoint[] = "Access Point";
inline constexpr char kWdsWithAp[] = "WDS with AP";
inline constexpr char kWds[] = "WDS";
inline constexpr char kWirelessClient[] = "Wireless Client";

// Security modes as CB_SecurityMode lists them.
inline constexpr char kOpenSystem[] = "Open System";
inline constexpr char kSharedKey[] = "Shared Key";
inline constexpr char kWpaPersonal[] = "WPA-Personal";
inline constexpr char kWpaEnterprise[] = "WPA-Enterprise";
inline constexpr char kDot1x[] = "802.1X";

// WPA modes as CB_WPAMode lists them.
inline constexpr char kWpaAuto[] = "AUTO(WPA or WPA2)";
inline constexpr char kWpa2Only[] = "WPA2 Only";
inline constexpr char kWpaOnly[] = "WPA Only";

inline constexpr char kWarningCaption[] = "Warning";
inline constexpr char kErrorCaption[] = "Error";
inline constexpr char kCloneLengthText[] = "The length is 12 in MAC Address.";

// Device texts.
inline constexpr char kJapan[] = "JP";            // the country code that has the Application row
inline constexpr char kModeChanged[] = "changed";  // the operating mode state while the radio switches modes
inline constexpr char kEnable[] = "Enable";
inline constexpr char kDisable[] = "Disable";

// Positions in the two-state lists ("Disable"/"Enable", "Manual"/"Periodical
// Key Change ", "20MHz"/"Auto 20/40 MHz", "Auto"/"Manual" ...) and the band.
inline constexpr int kFirstItem = 0;
inline constexpr int kSecondItem = 1;
inline constexpr int kBand24Item = 0;
inline constexpr int kBand5Item = 1;
