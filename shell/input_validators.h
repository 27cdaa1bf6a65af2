#pragma once
// The checks the pages run on typed input before writing it to the device.
// They keep no state and need no window; all are silent (the calling page
// shows its own message for a false result) but IsValidMacAddress, which the
// shell defines over IsUsableMacAddress with its warning box.
//
// The main window offers them under the same names, each member forwarding
// with its arguments unchanged, e.g.
//   bool TMainForm::IsValidHostAddress(const std::string& text)
//   { return ::IsValidHostAddress(text); }
// and likewise HasNoEdgeBlank, IsValidLanAddress, IsValidSubnetMask,
// IsValidHostInSubnet, NetworkAddress (shell/network_address.h), IsAsciiText
// and IsValidMacAddress. Making those members static lets pages call them
// without a main window as well.
//
// Every address and mask is read by shell/dotted_quad.h: parts are decimal.

#include <cstddef>
#include <string>

#include "shell/network_address.h"

// False when the text is empty or begins or ends with a blank (' ').
bool HasNoEdgeBlank(const std::string& text);

// A host address: exactly three dots, no blank, the first dot neither first
// nor last; part 1 is 1 to 223 but not 127, parts 2 and 3 are 0 to 255,
// part 4 is 0 to 254 (a host part of all zeros is not refused here).
bool IsValidHostAddress(const std::string& text);
// The device's own address and gateway, DHCP pool addresses: the same rule.
bool IsValidLanAddress(const std::string& text);

// A subnet mask: the same shape as an address, every part 0 to 255, and the
// 32 bits a run of ones followed only by zeros with a prefix of 2 to 31 bits:
// 192.0.0.0 to 255.255.255.254.
bool IsValidSubnetMask(const std::string& text);

// An address inside the subnet its mask gives: the network part is neither
// zero nor all ones and the host part is neither zero nor all ones. A text
// that is no dotted address of parts 0 to 255 counts as 255.255.255.255,
// which makes the result false.
bool IsValidHostInSubnet(const std::string& address, const std::string& mask);

// True when no byte is 128 or above; an empty text is true.
bool IsAsciiText(const std::string& text);

// A MAC address as the pages hold it (twelve hex digits, no separators). It
// is invalid when empty, "000000000000", shorter than two characters, or when
// its second character, upper-cased, is 1, 3, 5, 7, 9, B, D or F (a group
// address); neither the length beyond that nor the digits are checked.
bool IsUsableMacAddress(const std::string& text);
// The same; when invalid, shows "Invalid MAC Address." (caption "Warning",
// OK) and returns false (shell/mac_address_warning.cpp).
bool IsValidMacAddress(const std::string& text);
extern const char* const InvalidMacAddressMessage;

// A MAC address as the pages hold it has twelve hex digits; twelve zeros is
// no station's address (a free row of a device table reads so).
inline constexpr size_t kMacAddressLength = 12;
inline constexpr char kNoMacAddress[] = "000000000000";
