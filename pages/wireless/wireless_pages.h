#pragma once
// The advanced wireless pages as the main menu's Advanced entries open them:
// Performance, Wireless MAC ACL, WLAN Partition, Multi-SSID, Schedule,
// Internal RADIUS Server (hidden entry), Intrusion, AP Array, and Grouping.

// Registers the openers of this folder's pages with the main menu
// (shell/page_openers.h); the program calls it once before the main window
// is made. The Grouping page's entry, "UserLimit", is on no menu.
void RegisterWirelessPages();
