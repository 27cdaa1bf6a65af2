#pragma once
// The maintenance and status pages as the main menu's Tools and Status entries
// open them: System Settings, Configuration File, Firmware and SSL,
// Administration, Time and Date; Device, Client and WDS Information, WLAN and
// Ethernet statistics, View Log and Log Settings.

// Registers the openers of this folder's pages with the main menu
// (shell/page_openers.h); the program calls it once before the main window
// is made.
void RegisterMaintenancePages();
