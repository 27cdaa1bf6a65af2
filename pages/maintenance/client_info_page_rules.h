#pragma once
// The Client Information page's list, from plain values: which of the
// device's station rows are shown, how they are numbered and what each cell
// says.

#include <string>
#include <vector>

// One row of the station table as walked (the texts the request layer gives:
// the MAC as 12 hex digits, band and authentication through their option
// lists).
struct WalkedStation {
    std::string ssid;
    std::string mac;
    std::string band;
    std::string authentication;
    std::string signal;
    std::string powerSaving;
};

// The texts of one visible row, in column order: "Index", "SSID", "MAC",
// "Band", "Authentication", "Signal", "Power Saving Mode".
using StationRow = std::vector<std::string>;

// The stations shown: every row whose MAC is not all zeros, in table order,
// numbered 1, 2, 3 ... (a free row takes no number).
std::vector<StationRow> ClientListRows(const std::vector<WalkedStation>& walked);
// "On" for "1", "Off" for "0", any other value as it is.
std::string PowerSavingText(const std::string& value);
// The band in the page's header for the band position (0 is 2.4 GHz, -1 not read).
std::string ClientBandText(int bandPosition);
