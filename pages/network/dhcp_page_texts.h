#pragma once
// What the DHCP Server page's files share: positions in its option lists,
// the time-outs and the status texts.

#include <cstdint>

#include "pages/common/page_groups.h"
#include "pages/common/same_value.h"

namespace dhcp {

constexpr int32_t kTimeout = Seconds(100);
constexpr int32_t kTabTimeout = Seconds(30);  // the requests made anew on a tab change
constexpr int32_t kLibraryTimeout = 0;        // the request layer's default
constexpr int kDisableItem = 0;
constexpr int kEnableItem = 1;
constexpr int kWirelessClientItem = 3;  // of OptDot11ApMode2
constexpr int kDynamicNameItem = 1;     // of OptDhcpServerDomainNameStatus
constexpr int kStaticNameItem = 2;
constexpr int kRefreshItem = 1;

constexpr char kNoMac[] = "000000000000";
constexpr char kListing[] = "Listing data ... ";
constexpr char kGetOk[] = "Get OK!";
constexpr char kSetSuccess[] = "Setting Success!";
constexpr char kSetError[] = "Setting error!";
// The pool's end as the device answered it is no address.
constexpr char kPoolEndUnread[] = "The pool's end could not be read: enter the range.";

}  // namespace dhcp
