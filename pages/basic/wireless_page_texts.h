#pragma once
// Texts the Wireless page's files compare and show alike: the operating,
// security and WPA modes as the page's lists hold them, and the caption of
// the page's warnings.

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
