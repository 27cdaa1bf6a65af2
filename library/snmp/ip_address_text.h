#pragma once
// IPv4 addresses as the four octets of an IpAddress value (network order)
// and as dotted text.

#include <string>

// "a.b.c.d" from four octets; empty when `octets` is not exactly four octets
// long (not a valid address).
std::string IPv4ToText(const std::string& octets);

// The four octets of a dotted address (four decimal numbers of 0..255), or,
// failing that, of the first IPv4 address the host name resolves to (the
// lookup blocks). A text of digits and dots only is never looked up as a
// name. False when neither works.
bool ResolveIPv4(const std::string& text, std::string& octets);
