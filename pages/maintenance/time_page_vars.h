#pragma once
// The Time and Date page's own tables and option lists, plain data without
// Qt: the SNTP client with the time zone and daylight saving, and the clock
// set by hand. Scalars (kind 0).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable".
extern const VkOptionList OptSntpStatus;
extern const VkOptionList OptSntpDayLightSaving;
// 1 "Jan" ... 12 "Dec".
extern const VkOptionList OptSntpDstStartMonth;
extern const VkOptionList OptSntpDstEndMonth;
// 1 "1st" ... 5 "5th".
extern const VkOptionList OptSntpDstStartWeek;
extern const VkOptionList OptSntpDstEndWeek;
// 0 "sun" ... 6 "sat".
extern const VkOptionList OptSntpDstStartDayOfWeek;
extern const VkOptionList OptSntpDstEndDayOfWeek;
// 0 "12am" ... 23 "11pm".
extern const VkOptionList OptSntpDstStartCurrentTime;
extern const VkOptionList OptSntpDstEndCurrentTime;
// 0 "-2:00" ... 7 "+2:00".
extern const VkOptionList OptSntpDayLightSavingOffset;
// The 75 time zones, value = position + 1.
extern const VkOptionList OptSntpTimeZoneIndex;
constexpr int kTimeZoneCount = 75;

namespace TimeSntpRow {
enum : int {
    ServerAddress,
    TimeZone,
    DayLightSaving,
    TimeOfDay,
    Status,
    StartMonth,
    StartWeek,
    StartDayOfWeek,
    StartTime,
    EndMonth,
    EndWeek,
    EndDayOfWeek,
    EndTime,
    DayLightSavingOffset,
    Count
};
}
extern const VkSNMPVarEntry VarsTimeSntp[VkTableLength(TimeSntpRow::Count)];
extern VkOneVariableTable VarsTimeManual;  // setTimeManually, the clock's own object
