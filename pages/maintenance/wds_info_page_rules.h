#pragma once
// The WDS Information page's list, from plain values: which of the device's
// peer rows are shown and what each cell says.

#include <string>
#include <vector>

// One row of the WDS peer table as walked (the MAC as 12 hex digits, the
// authentication through its option list).
struct WalkedPeer {
    std::string name;  // the peer's SSID
    std::string mac;
    std::string authentication;
    std::string signal;
    std::string status;  // "on", "off" or "empty"
};

// The texts of one visible row: "Name", "MAC", "Authentication", "Signal"
// and, for the status "on" or "off", "Status " ("On" / "Off"); a row with any
// other status has no fifth text.
using PeerRow = std::vector<std::string>;

// The peers shown: every row whose status is not "empty", in table order. A
// MAC of all zeros, an authentication of "0" and a signal of "0" show as empty
// cells; any other signal is followed by "%".
std::vector<PeerRow> WdsListRows(const std::vector<WalkedPeer>& walked);
