#pragma once
// What the VLAN page's files share: time-outs, positions in its option
// lists and the status texts.

#include <cstdint>

#include "pages/common/page_groups.h"

namespace vlan {

constexpr int32_t kTimeout = Seconds(100);
constexpr int32_t kApModeTimeout = Seconds(20);
constexpr int kEnableItem = 1;   // of the Disable/Enable lists
constexpr int kRefreshItem = 1;  // of OptDot11PortListRefresh
constexpr int kDeleteItem = 1;   // of OptDot11VlanListSurveydelete
constexpr int kVlanListTab = 0;
constexpr int kEditTab = 2;
constexpr int kNameLength = 32;
constexpr int kIdLength = 4;

constexpr char kWirelessClient[] = "Wireless Client";
constexpr char kGetOk[] = "Get OK!";
constexpr char kSetOk[] = "Set OK!";
constexpr char kSetError[] = "Set Error!";

}  // namespace vlan
