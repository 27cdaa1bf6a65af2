#pragma once
// The network address of an address and a mask, as the pages and the
// local-address discovery compare networks: NetworkAddress(a, "255.255.255.0")
// == NetworkAddress(b, "255.255.255.0") when a and b lie in one /24 network.

#include <string>

// Four times, in order, each text gives its next part: the text before its
// next '.', which is then dropped with that '.'; a text with no '.' left gives
// its whole remaining text, again for every later part. A part is read in
// decimal after any leading blanks (0 when it is not a number) and taken
// modulo 256. The result is "a.b.c.d" of the address parts AND the mask parts.
// Lenient on purpose: any text gives an address (an empty one gives 0.0.0.0).
std::string NetworkAddress(const std::string& address, const std::string& mask);
