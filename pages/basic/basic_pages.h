#pragma once
// The basic settings pages (Information, Wireless, LAN) as the main menu's
// Home entries open them.

// Registers the openers of this folder's pages with the main menu
// (shell/page_openers.h); the program calls it once before the main window
// is made.
void RegisterBasicPages();
