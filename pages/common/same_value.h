#pragma once
// Comparing what two texts mean rather than how they are spelt, for the
// duplicate checks of device tables: an address is the same address with
// leading zeros in its parts ("192.168.000.010" is "192.168.0.10"), a MAC
// address the same in either letter case.

#include <string>

// The address a device shows for an unset address field.
constexpr char kNoAddress[] = "0.0.0.0";

// Both texts are dotted addresses of the same value; texts that are not
// addresses are the same only when they are equal.
bool SameAddress(const std::string& a, const std::string& b);
// Equal when upper-cased.
bool SameMacAddress(const std::string& a, const std::string& b);
