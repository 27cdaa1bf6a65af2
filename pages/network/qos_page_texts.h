#pragma once
// What the QoS page's files share: positions in its option lists, the
// time-outs and the texts.

#include <cstdint>

#include "pages/common/page_groups.h"

namespace qos {

constexpr int32_t kTimeout = Seconds(100);
constexpr int32_t kApModeTimeout = Seconds(30);
constexpr int kDisableItem = 0;
constexpr int kEnableItem = 1;
constexpr int kWirelessClientItem = 3;  // of OptDot11ApMode
constexpr int kMaxRules = 64;

constexpr char kGetOk[] = "Get OK!";
constexpr char kSetOk[] = "Set OK!";
constexpr char kSetError[] = "Set Error!";
constexpr char kNoticeTitle[] = "Please wait...";
constexpr char kNoticeText[] = "The settings are saving and taking effect.";
constexpr char kRulesGroupName[] = "QoS rules";

}  // namespace qos
