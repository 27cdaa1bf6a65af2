#pragma once
// The network service pages (ARP Spoofing Prevention, Web Redirection) as
// the main menu's Advanced entries open them.

// Registers the openers of this folder's pages with the main menu
// (shell/page_openers.h); the program calls it once before the main window
// is made.
void RegisterNetworkPages();
