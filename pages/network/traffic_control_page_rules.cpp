#include "pages/network/traffic_control_page_rules.h"

#include <algorithm>
#include <cctype>

#include "shell/input_validators.h"

namespace traffic {

const char* const kNameTakenText = "The name has exist, please input username again!";

namespace {

constexpr long kTooLarge = 1000000000;  // any number of more than nine digits
constexpr long kMinBandwidth = 1;
constexpr long kMaxBandwidth = 150;
constexpr long kMinLimit = 1;
constexpr long kMaxLimit = 100;
constexpr long kMinPort = 0;  // "0-0": a class the device leaves without ports
constexpr long kMaxPort = 65535;

const char* const kNoSsid = "Disable";
const char* const kNoPeer = "000000000000";
const char* const kRateMissing = "Please input value for the rate !";
const char* const kRateInvalid = "Invaild value for the rate!";
const char* const kBandwidthRange = "Downlink or uplink bandwidth range should be 1~150 mega bits/sec!";
const char* const kLimitMissing = "Please input value for the limit !";
const char* const kLimitInvalid = "Invaild value for the limit !";
const char* const kPortInvalid = "Invaild value for the port !";
const char* const kPortOrder = "The end port must be equal or larger than the start port !";
const char* const kNameBlank = "The Name field can not be blank.";
const char* const kNameTooLong = "The Name field can hold at most 15 characters.";
const char* const kNameInvalid = "There are some invalid characters in the Name field.Please check it.";
const char* const kIpInvalid = "Invalid ip address!.";
const char* const kMacInvalid = "Invalid MAC address!";
const char* const kNoClient = "Please input IP address or MAC address!";
const char* const kSpeedInvalid = "Invaild value for the rate !";
const char* const kSpeedRange =
    "The bandwidth for the traffic manager rules should not less than 1 kbit/sec, or greater than traffic manager "
    "bandwidth!";
const char* const kSpeedNoBandwidth =
    "The traffic manager bandwidth of this direction is empty, please set it in uplink/downlink/setting first!";
const char* const kNoSpeed = "Please input Ethernet to wireless Speed or wireless to Ethernet!";

// A text of digits as a number; more than nine digits count as too large.
long DigitsValue(const std::string& digits) { return digits.size() > 9 ? kTooLarge : std::stol(digits); }

bool IsNumberIn(const std::string& text, long low, long high) {
    if (text.empty() || !IsAllDigits(text)) return false;
    const long value = DigitsValue(text);
    return value >= low && value <= high;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsHexText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

bool IsPrintable(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= 0x20 && c <= 0x7e; });
}

Refusal Refuse(const char* message, int field, bool clear = true) { return Refusal{message, "Warning", field, clear}; }

// A rule's speed against its bandwidth mirror.
std::optional<Refusal> CheckSpeed(const std::string& speed, const std::string& bandwidth, int field) {
    if (speed.empty()) return std::nullopt;
    if (!IsAllDigits(speed)) return Refuse(kSpeedInvalid, field);
    if (bandwidth.empty() || !IsAllDigits(bandwidth)) return Refuse(kSpeedNoBandwidth, field, false);
    const long value = DigitsValue(speed);
    if (value == 0 || value > DigitsValue(bandwidth)) return Refuse(kSpeedRange, field, false);
    return std::nullopt;
}

std::optional<Refusal> CheckRuleName(const std::string& name) {
    if (name.empty()) return Refuse(kNameBlank, RuleField::Name, false);
    if (name.size() > static_cast<size_t>(kRuleNameLength)) return Refuse(kNameTooLong, RuleField::Name, false);
    if (!IsPrintable(name)) return Refuse(kNameInvalid, RuleField::Name, false);
    return std::nullopt;
}

std::optional<Refusal> CheckRuleClient(const std::string& ip, const std::string& mac) {
    if (!ip.empty() && !IsValidHostAddress(ip)) return Refuse(kIpInvalid, RuleField::Ip);
    if (!mac.empty() && (mac.size() != static_cast<size_t>(kMacDigits) || !IsHexText(mac)))
        return Refusal{kMacInvalid, "Error", RuleField::Mac, true};
    if (ip.empty() && mac.empty()) return Refuse(kNoClient, RuleField::Ip);
    return std::nullopt;
}

}  // namespace

bool IsAllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}

std::array<bool, kInterfaces> InterfaceAvailability(bool multiSsidOn, const std::vector<std::string>& ssidStates,
                                                    const std::vector<std::string>& wdsPeers) {
    std::array<bool, kInterfaces> available{};
    available[TrafficInterface::Ethernet] = true;
    if (!multiSsidOn) {
        available[TrafficInterface::PrimarySsid] = true;
        return available;
    }
    // The primary SSID is row 0 of the states, Multi-SSID k row k; WDS k is
    // row k-1 of the peers.
    constexpr int kSsidRows = TrafficInterface::FirstWds - TrafficInterface::PrimarySsid;
    constexpr int kWdsRows = kInterfaces - TrafficInterface::FirstWds;
    for (int row = 0; row < kSsidRows; ++row)
        available[TrafficInterface::PrimarySsid + row] =
            row < static_cast<int>(ssidStates.size()) && ssidStates[row] != kNoSsid;
    for (int row = 0; row < kWdsRows; ++row)
        available[TrafficInterface::FirstWds + row] =
            row < static_cast<int>(wdsPeers.size()) && wdsPeers[row] != kNoPeer;
    return available;
}

InterfacePair AfterBoxChange(InterfacePair pair, Direction changed, bool checked) {
    bool& partnerChecked = changed == Direction::Down ? pair.upChecked : pair.downChecked;
    bool& partnerEnabled = changed == Direction::Down ? pair.upEnabled : pair.downEnabled;
    (changed == Direction::Down ? pair.downChecked : pair.upChecked) = checked;
    if (checked) partnerChecked = false;
    partnerEnabled = !checked;
    return pair;
}

std::array<int, kInterfaces> CollectInterfaceModes(const std::array<InterfacePair, kInterfaces>& pairs,
                                                   const std::array<int, kInterfaces>& deviceModes) {
    std::array<int, kInterfaces> modes = deviceModes;
    for (int k = 0; k < kInterfaces; ++k) {
        const InterfacePair& pair = pairs[k];
        if (pair.downEnabled && pair.upEnabled && !pair.downChecked && !pair.upChecked)
            modes[k] = 0;
        else if (pair.upChecked && !pair.downChecked)
            modes[k] = 2;
        else if (pair.downChecked && !pair.upChecked)
            modes[k] = 1;
    }
    return modes;
}

std::vector<int> InterfaceModeRows(bool multiSsidOn) {
    std::vector<int> rows;
    const int count = multiSsidOn ? kInterfaces : TrafficInterface::PrimarySsid + 1;
    for (int row = 0; row < count; ++row) rows.push_back(row);
    return rows;
}

std::optional<Refusal> CheckBandwidths(const std::string& down, const std::string& up) {
    if (down.empty()) return Refuse(kRateMissing, 0);
    if (up.empty()) return Refuse(kRateMissing, 1);
    if (!IsAllDigits(down)) return Refuse(kRateInvalid, 0);
    if (!IsAllDigits(up)) return Refuse(kRateInvalid, 1);
    if (!IsNumberIn(down, kMinBandwidth, kMaxBandwidth)) return Refuse(kBandwidthRange, 0);
    if (!IsNumberIn(up, kMinBandwidth, kMaxBandwidth)) return Refuse(kBandwidthRange, 1);
    return std::nullopt;
}

std::optional<Refusal> CheckLimit(const std::string& limit) {
    if (limit.empty()) return Refuse(kLimitMissing, 0);
    if (!IsNumberIn(limit, kMinLimit, kMaxLimit)) return Refuse(kLimitInvalid, 0);
    return std::nullopt;
}

std::pair<std::string, std::string> SplitPortRange(const std::string& text) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos) return {std::string(), text};
    return {text.substr(0, dash), text.substr(dash + 1)};
}

std::optional<Refusal> CheckPortRange(const std::string& start, const std::string& end, std::string* joined) {
    const std::string first = Trimmed(start);
    const std::string last = Trimmed(end);
    if (!IsNumberIn(first, kMinPort, kMaxPort)) return Refuse(kPortInvalid, 0);
    if (!IsNumberIn(last, kMinPort, kMaxPort)) return Refuse(kPortInvalid, 1);
    if (DigitsValue(first) > DigitsValue(last)) return Refuse(kPortOrder, 0, false);
    if (joined != nullptr) *joined = std::to_string(DigitsValue(first)) + "-" + std::to_string(DigitsValue(last));
    return std::nullopt;
}

std::optional<Refusal> CheckRule(const RuleInput& rule) {
    if (auto refusal = CheckRuleName(rule.name)) return refusal;
    if (auto refusal = CheckRuleClient(rule.ip, rule.mac)) return refusal;
    if (auto refusal = CheckSpeed(rule.downSpeed, rule.downBandwidth, RuleField::DownSpeed)) return refusal;
    if (auto refusal = CheckSpeed(rule.upSpeed, rule.upBandwidth, RuleField::UpSpeed)) return refusal;
    if (rule.downSpeed.empty() && rule.upSpeed.empty()) return Refuse(kNoSpeed, RuleField::DownSpeed);
    return std::nullopt;
}

}  // namespace traffic
