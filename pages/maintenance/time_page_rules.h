#pragma once
// The Time and Date page's rules as plain values: which controls the NTP
// switch, the time zone and daylight saving enable, the day list of a month,
// the years offered, the manual time text and the checks of a Save.

#include <optional>
#include <string>
#include <vector>

extern const char* const TimeServerInvalidText;  // "Please input valid IP address"
extern const char* const DstSameText;            // "DST Start can not be the same with DST End."
// The manual date or time lacks a field (no year, or a day the month has not).
extern const char* const ManualTimeIncompleteText;
extern const char* const TimeSetOkText;     // "Setting Success"
extern const char* const TimeSetErrorText;  // "Setting Error"

constexpr int kFirstYear = 2002;
// How many years after the PC's the year list reaches.
constexpr int kYearsAhead = 20;

// Whether daylight saving is offered in the zone at this list position
// (value - 1).
bool IsDstZone(int zonePosition);

struct TimeEnabling {
    bool ntpControls;      // server edit, "<<", server names, time zone
    bool manualControls;   // the six date and time combos and the copy button
    bool daylightEnabled;  // the daylight-saving check box
    bool daylightChecked;  // what it shows afterwards
    bool dstCombos;        // the eight DST combos
};
// The enabling rules: NTP on enables its controls and, in a zone with
// daylight saving, the check box; a zone without it clears the box; the DST
// combos follow an enabled, ticked box.
TimeEnabling TimeControls(bool ntp, int zonePosition, bool daylightChecked);

bool IsLeapYear(int year);
// Days of the month at position 0..11 of that year (30 outside 0..11).
int DaysInMonth(int year, int monthPosition);
// "2002" up to the PC's year + kYearsAhead (at least up to 2012).
std::vector<std::string> YearItems(int pcYear);

struct ManualTime {
    std::string month, day, year, hour, minute, second;  // the combos' texts
};
// "MM/DD/YYYY HH:MM:SS".
std::string ManualTimeText(const ManualTime& time);

// A DST rule's four positions: month, week, day of week, time.
struct DstRule {
    int month, week, day, time;
    bool operator==(const DstRule& other) const {
        return month == other.month && week == other.week && day == other.day && time == other.time;
    }
};

struct TimeSaveInput {
    bool ntp = false;
    std::string server;
    ManualTime manual;
    bool dstWritten = false;  // the daylight-saving box enabled and ticked
    DstRule start{}, end{};
};

enum class TimeField { Server, Manual, Dst };
struct TimeRefusal {
    const char* message;
    TimeField focus;
};
std::optional<TimeRefusal> CheckTimeSave(const TimeSaveInput& in);
