// The Traffic Control page's decisions without a device: which interfaces can
// be used, the pair exclusion of their boxes, the modes a Link Save writes,
// the user port ranges, and the checks of the Saves and of a rule.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/network/traffic_control_page_rules.h"

namespace {

using namespace traffic;
using Texts = std::vector<std::string>;

constexpr int kMultiSsid1 = TrafficInterface::FirstMultiSsid;
constexpr int kWds1 = TrafficInterface::FirstWds;

const Texts kAllSsidsOn(8, "Enable");
const Texts kAllPeersSet(8, "00907A0000A1");

TEST(TrafficInterfaces, AvailabilityFollowsMultiSsidTheSsidStatesAndTheWdsPeers) {
    // Multi-SSID off: Ethernet and the primary SSID only, whatever the rows say.
    auto off = InterfaceAvailability(false, kAllSsidsOn, kAllPeersSet);
    for (int row = 0; row < kInterfaces; ++row) EXPECT_EQ(off[row], row <= TrafficInterface::PrimarySsid) << row;

    Texts ssids = kAllSsidsOn;
    ssids[0] = "Disable";  // the primary SSID
    ssids[3] = "Disable";  // Multi-SSID 3
    Texts peers = kAllPeersSet;
    peers[0] = "000000000000";  // WDS 1
    peers[7] = "000000000000";  // WDS 8
    auto on = InterfaceAvailability(true, ssids, peers);
    EXPECT_TRUE(on[TrafficInterface::Ethernet]);
    EXPECT_FALSE(on[TrafficInterface::PrimarySsid]);
    EXPECT_TRUE(on[kMultiSsid1]);
    EXPECT_FALSE(on[kMultiSsid1 + 2]);
    EXPECT_TRUE(on[kMultiSsid1 + 6]);
    EXPECT_FALSE(on[kWds1]);
    EXPECT_TRUE(on[kWds1 + 1]);
    EXPECT_FALSE(on[kWds1 + 7]);
}

TEST(TrafficInterfaces, RowsTheDeviceDidNotReturnAreUnavailable) {
    auto shortTables = InterfaceAvailability(true, {"Enable", "Enable", "Enable"}, {"00907A0000A1", "00907A0000A2"});
    for (int row = 0; row < kInterfaces; ++row) {
        // Ethernet, the primary SSID, Multi-SSIDs 1 and 2, WDS 1 and 2.
        const bool expected = row < kMultiSsid1 + 2 || (row >= kWds1 && row < kWds1 + 2);
        EXPECT_EQ(shortTables[row], expected) << row;
    }
    auto empty = InterfaceAvailability(true, {}, {});
    for (int row = 1; row < kInterfaces; ++row) EXPECT_FALSE(empty[row]) << row;
    EXPECT_TRUE(empty[TrafficInterface::Ethernet]);
}

TEST(TrafficInterfaces, ACheckedBoxUnchecksAndDisablesItsPartnerAndReleasesItWhenUnchecked) {
    struct Case {
        const char* name;
        InterfacePair before;
        Direction changed;
        bool checked;
        InterfacePair after;
    };
    const Case cases[] = {
        {"downlink checked", {true, false, true, true}, Direction::Down, true, {true, false, true, false}},
        {"uplink checked over a checked downlink", {true, true, true, true}, Direction::Up, true,
         {false, true, false, true}},
        {"downlink unchecked", {false, false, true, false}, Direction::Down, false, {false, false, true, true}},
        {"uplink unchecked", {false, false, false, true}, Direction::Up, false, {false, false, true, true}},
        {"an unavailable pair shown as downlink", {true, false, false, false}, Direction::Down, true,
         {true, false, false, false}},
    };
    for (const Case& c : cases) {
        const InterfacePair after = AfterBoxChange(c.before, c.changed, c.checked);
        EXPECT_EQ(after.downChecked, c.after.downChecked) << c.name;
        EXPECT_EQ(after.upChecked, c.after.upChecked) << c.name;
        EXPECT_EQ(after.downEnabled, c.after.downEnabled) << c.name;
        EXPECT_EQ(after.upEnabled, c.after.upEnabled) << c.name;
    }
}

TEST(TrafficInterfaces, CollectedModesKeepTheDevicesModeOfAnUnavailablePair) {
    std::array<InterfacePair, kInterfaces> pairs;
    std::array<int, kInterfaces> device{};
    device.fill(1);
    pairs[0] = {false, false, true, true};    // available, nothing checked: 0
    pairs[1] = {true, false, true, false};    // downlink: 1
    pairs[2] = {false, true, false, true};    // uplink: 2
    pairs[3] = {false, false, false, false};  // unavailable, nothing checked: the device's
    device[4] = 2;
    pairs[4] = {false, false, false, false};
    pairs[5] = {true, false, false, false};  // unavailable, shown as downlink: 1
    device[5] = 0;
    const auto modes = CollectInterfaceModes(pairs, device);
    const std::array<int, 6> expected = {0, 1, 2, 1, 2, 1};
    for (size_t row = 0; row < expected.size(); ++row) EXPECT_EQ(modes[row], expected[row]) << row;
    EXPECT_EQ(InterfaceModeRows(false), (std::vector<int>{0, 1}));
    EXPECT_EQ(InterfaceModeRows(true).size(), static_cast<size_t>(kInterfaces));
}

TEST(TrafficPorts, ARangeSplitsAtItsFirstDash) {
    using Split = std::pair<std::string, std::string>;
    EXPECT_EQ(SplitPortRange("1000-2000"), (Split{"1000", "2000"}));
    EXPECT_EQ(SplitPortRange("80"), (Split{"", "80"}));
    EXPECT_EQ(SplitPortRange("1-2-3"), (Split{"1", "2-3"}));
    EXPECT_EQ(SplitPortRange(""), (Split{"", ""}));
    EXPECT_EQ(SplitPortRange("-"), (Split{"", ""}));
}

TEST(TrafficPorts, EveryUserRangeIsDigitsFrom0To65535InOrder) {
    struct Case {
        const char* start;
        const char* end;
        int field;  // -1: accepted
        bool clear;
        const char* joined;
    };
    const char* const invalid = "Invaild value for the port !";
    const Case cases[] = {
        {"1000", "2000", -1, false, "1000-2000"},
        {"80", "80", -1, false, "80-80"},
        {" 1 ", "65535", -1, false, "1-65535"},
        {"0080", "90", -1, false, "80-90"},
        {"", "80", 0, true, ""},
        {"80", "", 1, true, ""},
        {"-5", "80", 0, true, ""},
        {"+5", "80", 0, true, ""},
        {"0", "80", -1, false, "0-80"},
        {"0", "0", -1, false, "0-0"},  // a class the device leaves without ports
        {"00", "0", -1, false, "0-0"},
        {"80", "65536", 1, true, ""},
        {"99999", "99999", 0, true, ""},
        {"8a", "90", 0, true, ""},
        {"2000", "1000", 0, false, ""},
    };
    for (const Case& c : cases) {
        std::string joined;
        const auto refusal = CheckPortRange(c.start, c.end, &joined);
        SCOPED_TRACE(std::string(c.start) + "/" + c.end);
        if (c.field < 0) {
            EXPECT_FALSE(refusal.has_value());
            EXPECT_EQ(joined, c.joined);
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(refusal->clear, c.clear);
        EXPECT_EQ(refusal->message,
                  c.clear ? invalid : "The end port must be equal or larger than the start port !");
    }
}

TEST(TrafficChecks, BandwidthsAndLimitsInTheirOrderAndRanges) {
    struct Case {
        const char* down;
        const char* up;
        int field;
        const char* message;
    };
    const char* const missing = "Please input value for the rate !";
    const char* const invalid = "Invaild value for the rate!";
    const char* const range = "Downlink or uplink bandwidth range should be 1~150 mega bits/sec!";
    const Case cases[] = {
        {"1", "150", -1, ""},   {"", "x", 0, missing}, {"5", "", 1, missing}, {"5a", "", 1, missing},
        {"5a", "x", 0, invalid}, {"5", "-1", 1, invalid}, {"0", "x", 1, invalid}, {"0", "10", 0, range},
        {"151", "10", 0, range}, {"10", "999", 1, range},
    };
    for (const Case& c : cases) {
        const auto refusal = CheckBandwidths(c.down, c.up);
        SCOPED_TRACE(std::string(c.down) + "/" + c.up);
        if (c.field < 0) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_TRUE(refusal->clear);
    }
    EXPECT_FALSE(CheckLimit("1").has_value());
    EXPECT_FALSE(CheckLimit("100").has_value());
    EXPECT_EQ(CheckLimit("")->message, "Please input value for the limit !");
    for (const char* bad : {"0", "101", "5%", "-1"})
        EXPECT_EQ(CheckLimit(bad)->message, "Invaild value for the limit !") << bad;
}

TEST(TrafficChecks, ARuleIsCheckedFieldByField) {
    const RuleInput good{"cam", "192.168.0.50", "", "20", "", "100", "50"};
    struct Case {
        const char* name;
        RuleInput rule;
        int field;  // -1: accepted
        const char* message;
        const char* caption;
        bool clear;
    };
    const char* const speedRange =
        "The bandwidth for the traffic manager rules should not less than 1 kbit/sec, or greater than traffic manager "
        "bandwidth!";
    const char* const noBandwidth =
        "The traffic manager bandwidth of this direction is empty, please set it in uplink/downlink/setting first!";
    auto with = [&good](auto change) {
        RuleInput rule = good;
        change(rule);
        return rule;
    };
    const Case cases[] = {
        {"a good rule", good, -1, "", "", false},
        {"a MAC only", with([](RuleInput& r) { r.ip = ""; r.mac = "00907a0000b0"; }), -1, "", "", false},
        {"the speed equal to the bandwidth", with([](RuleInput& r) { r.downSpeed = "100"; }), -1, "", "", false},
        {"an uplink speed only", with([](RuleInput& r) { r.downSpeed = ""; r.upSpeed = "50"; }), -1, "", "", false},
        {"no name", with([](RuleInput& r) { r.name = ""; }), RuleField::Name, "The Name field can not be blank.",
         "Warning", false},
        {"a name of 16", with([](RuleInput& r) { r.name = "abcdefghijklmnop"; }), RuleField::Name,
         "The Name field can hold at most 15 characters.", "Warning", false},
        {"a control character", with([](RuleInput& r) { r.name = "a\tb"; }), RuleField::Name,
         "There are some invalid characters in the Name field.Please check it.", "Warning", false},
        {"a bad IP", with([](RuleInput& r) { r.ip = "300.1.1.1"; }), RuleField::Ip, "Invalid ip address!.",
         "Warning", true},
        {"a bad MAC beside a good IP", with([](RuleInput& r) { r.mac = "00907A0000B"; }), RuleField::Mac,
         "Invalid MAC address!", "Error", true},
        {"a MAC of other characters", with([](RuleInput& r) { r.ip = ""; r.mac = "00907A0000BG"; }), RuleField::Mac,
         "Invalid MAC address!", "Error", true},
        {"neither IP nor MAC", with([](RuleInput& r) { r.ip = ""; }), RuleField::Ip,
         "Please input IP address or MAC address!", "Warning", true},
        {"a speed with a letter", with([](RuleInput& r) { r.downSpeed = "2x"; }), RuleField::DownSpeed,
         "Invaild value for the rate !", "Warning", true},
        {"a speed of 0", with([](RuleInput& r) { r.downSpeed = "0"; }), RuleField::DownSpeed, speedRange, "Warning",
         false},
        {"a speed above the bandwidth", with([](RuleInput& r) { r.upSpeed = "51"; }), RuleField::UpSpeed, speedRange,
         "Warning", false},
        {"a speed against an empty bandwidth",
         with([](RuleInput& r) { r.upSpeed = "5"; r.upBandwidth = ""; }), RuleField::UpSpeed, noBandwidth, "Warning",
         false},
        {"no speed", with([](RuleInput& r) { r.downSpeed = ""; }), RuleField::DownSpeed,
         "Please input Ethernet to wireless Speed or wireless to Ethernet!", "Warning", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto refusal = CheckRule(c.rule);
        if (c.field < 0) {
            EXPECT_FALSE(refusal.has_value()) << refusal->message;
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->caption, c.caption);
        EXPECT_EQ(refusal->clear, c.clear);
    }
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123"));
    EXPECT_FALSE(IsAllDigits("12 "));
}

}  // namespace
