#pragma once
// The advanced wireless page tests read the simulator's logged SET PDUs by
// object name: "dot11Wmm=1 dot11RadioWave=0" (values as logged, without
// their syntax).

#include <string>
#include <utility>
#include <vector>

namespace wirelesstest {

// The short form of one logged PDU, by the names of the simulator's objects.
std::string Named(const std::string& pdu);
std::vector<std::string> Named(const std::vector<std::string>& pdus);

}  // namespace wirelesstest
