#pragma once
// The network service pages as the main menu's Advanced entries open them:
// ARP Spoofing Prevention, DHCP Server, VLAN, QoS, Web Redirection (hidden
// entry) and Traffic Control (hidden entry).

// Registers the openers of this folder's pages with the main menu
// (shell/page_openers.h); the program calls it once before the main window
// is made.
void RegisterNetworkPages();
