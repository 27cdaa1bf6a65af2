#pragma once
// Texts the Wireless page's files compare and show alike: the operating
// modes as CB_APMode lists them, and the caption of the page's warnings.

inline constexpr char kAccessPoint[] = "Access Point";
inline constexpr char kWdsWithAp[] = "WDS with AP";
inline constexpr char kWds[] = "WDS";
inline constexpr char kWirelessClient[] = "Wireless Client";

inline constexpr char kWarningCaption[] = "Warning";
