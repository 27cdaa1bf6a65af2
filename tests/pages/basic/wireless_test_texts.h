#pragma once
// What the Wireless page's tests share (`using namespace wirelesstest;`): the
// page test support's combo helpers, the operating, security and WPA modes
// as the page's lists show them (typed here apart from the page's own
// constants, so that a misspelling on either side shows), the captions of its
// messages, and where the device fixtures lie.

#include <string>

#include "tests/pages/page_test_support.h"

namespace wirelesstest {

// The combo helpers every Wireless test uses.
using pagetest::Fill;
using pagetest::Items;
using pagetest::Pick;
using pagetest::Select;
using pagetest::Texts;

inline constexpr char kAP[] = "Access Point";
inline constexpr char kWdsAp[] = "WDS with AP";
inline constexpr char kWds[] = "WDS";
inline constexpr char kClient[] = "Wireless Client";

inline constexpr char kOpen[] = "Open System";
inline constexpr char kShared[] = "Shared Key";
inline constexpr char kPersonal[] = "WPA-Personal";
inline constexpr char kEnterprise[] = "WPA-Enterprise";
inline constexpr char kDot1x[] = "802.1X";

inline constexpr char kAuto[] = "AUTO(WPA or WPA2)";
inline constexpr char kWpa2[] = "WPA2 Only";
inline constexpr char kWpa1[] = "WPA Only";

inline constexpr char kWarning[] = "Warning";
inline constexpr char kErrorCaption[] = "Error";

// A device fixture of tests/pages/basic/wireless_fixtures by name.
inline std::string FixtureFile(const std::string& name) {
    return std::string(VAP_WIRELESS_FIXTURES) + "/" + name + ".txt";
}

}  // namespace wirelesstest
