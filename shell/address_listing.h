#pragma once
// The PC addresses that `ip -4 -o addr show` reports, gathered into the list
// the local-address discovery picks from. One output line per address:
//   2: eth0    inet 192.168.0.7/24 brd 192.168.0.255 scope global eth0\ ...
// The word after "inet" is the address, up to its '/'.

#include <string>
#include <vector>

// True when an element equals the text exactly (case-sensitive).
bool ListContains(const std::vector<std::string>& list, const std::string& text);

// Adds the address of every line that has one, in line order, trimmed of
// blanks, when it is shorter than 16 characters and not yet in the list.
// Entries already there stay, ahead of new ones.
void AddListedAddresses(const std::string& listing, std::vector<std::string>& addresses);
