#pragma once
// The Traffic Control page's decisions, without controls: which interface
// pairs can be used, the pair exclusion of the downlink and uplink boxes,
// the modes a Link Save writes, the port ranges of the user classes, and the
// checks of the three Saves and of a traffic-manager rule.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/network/traffic_control_page_vars.h"

namespace traffic {

constexpr int kInterfaces = TrafficInterface::Count;

// Every character is a decimal digit; the empty text counts as all digits.
bool IsAllDigits(const std::string& text);

// ---- interfaces ---------------------------------------------------------------

// Which pairs of boxes can be used, by interface: Ethernet always; with
// Multi-SSID off the primary SSID too and nothing else; with it on the
// primary SSID and Multi-SSID k when row 0 / row k of the SSID states is not
// "Disable", WDS k when row k-1 of the peer MACs is not all zeros. A row the
// device did not return makes its interface unavailable.
std::array<bool, kInterfaces> InterfaceAvailability(bool multiSsidOn, const std::vector<std::string>& ssidStates,
                                                    const std::vector<std::string>& wdsPeers);

// The two boxes of one interface.
struct InterfacePair {
    bool downChecked = false;
    bool upChecked = false;
    bool downEnabled = true;
    bool upEnabled = true;
};
enum class Direction { Down, Up };

// Pair exclusion: a box that became checked unchecks and disables its
// partner; one that became unchecked enables its partner.
InterfacePair AfterBoxChange(InterfacePair pair, Direction changed, bool checked);

// The mode each interface is written with: 0 when both boxes can be used and
// neither is checked, 2 / 1 when only the uplink / downlink box is checked,
// otherwise the mode the device reported (an unavailable pair keeps it).
std::array<int, kInterfaces> CollectInterfaceModes(const std::array<InterfacePair, kInterfaces>& pairs,
                                                   const std::array<int, kInterfaces>& deviceModes);

// The mode rows a Link Save writes: all seventeen with Multi-SSID on, only
// Ethernet and the primary SSID with it off.
std::vector<int> InterfaceModeRows(bool multiSsidOn);

// ---- checks -------------------------------------------------------------------

// A refused input: the message, its caption, which field (in the order the
// caller gave the fields) and whether that field is emptied.
struct Refusal {
    std::string message;
    std::string caption = "Warning";
    int field = 0;
    bool clear = true;
};

// Link Save: both bandwidths present, digits, 1 to 150 (field 0 downlink,
// 1 uplink).
std::optional<Refusal> CheckBandwidths(const std::string& down, const std::string& up);

// QoS Save: one limit, 1 to 100 (field 0).
std::optional<Refusal> CheckLimit(const std::string& limit);

// A user port range as the device stores it: start "-" end, split at the
// first "-"; a text without "-" has an empty start and the whole text as end.
std::pair<std::string, std::string> SplitPortRange(const std::string& text);
// A user port range typed as start and end (field 0 start, 1 end): each,
// without blanks around it, digits only and 0 to 65535, the start not above
// the end. On success `joined` is "start-end" as numbers.
std::optional<Refusal> CheckPortRange(const std::string& start, const std::string& end, std::string* joined);

// A traffic-manager rule as typed, with the bandwidths it must stay within
// (the mirrors of the device's bandwidths, empty when not set).
struct RuleInput {
    std::string name, ip, mac, downSpeed, upSpeed;
    std::string downBandwidth, upBandwidth;
};
namespace RuleField {
enum : int { Name, Ip, Mac, DownSpeed, UpSpeed };
}
constexpr int kRuleNameLength = 15;
constexpr int kMacDigits = 12;
// Every check of a rule, in order: the name (1 to 15 printable characters),
// the client IP and MAC (every one typed is checked, one of them needed),
// then each speed typed (digits, 1 up to its bandwidth, which must be set),
// and at least one speed.
std::optional<Refusal> CheckRule(const RuleInput& rule);

// Texts the page shows for these checks.
extern const char* const kNameTakenText;

}  // namespace traffic
