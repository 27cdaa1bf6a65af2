#pragma once
// What the Traffic Control page's files share: the time-out, positions in its
// option lists and the status texts.

#include <cstdint>

#include "pages/common/page_groups.h"

namespace traffic {

constexpr int32_t kTimeout = Seconds(100);
constexpr int kEnableItem = 1;     // of the Disable/Enable lists
constexpr int kDeleteItem = 0;     // of OptDot11RuleAction
constexpr int kAddItem = 1;

constexpr char kSaveOk[] = "Save OK!";
constexpr char kSaveFail[] = "Save Fail!";
constexpr char kAddOk[] = "Add OK!";
constexpr char kAddFail[] = "Add Fail!";
constexpr char kDeleteOk[] = "Delete OK!";
constexpr char kDeleteFail[] = "Delete Fail!";

}  // namespace traffic
