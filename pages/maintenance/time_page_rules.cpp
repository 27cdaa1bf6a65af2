#include "pages/maintenance/time_page_rules.h"

#include <algorithm>
#include <iterator>

#include "shell/input_validators.h"

const char* const TimeServerInvalidText = "Please input valid IP address";
const char* const DstSameText = "DST Start can not be the same with DST End.";
const char* const ManualTimeIncompleteText = "Please select the date and time.";
const char* const TimeSetOkText = "Setting Success";
const char* const TimeSetErrorText = "Setting Error";

namespace {

// The zones (values) that have daylight saving.
constexpr int kDstZones[] = {4,  5,  7,  8,  10, 11, 14, 16, 18, 19, 20, 22, 23, 24, 27, 28, 29, 30,
                             31, 33, 34, 35, 37, 39, 41, 43, 45, 47, 51, 56, 64, 65, 68, 70, 71, 73};
constexpr int kLastListedYear = 2012;
constexpr int kFebruary = 1;
constexpr int kThirtyOne[] = {0, 2, 4, 6, 7, 9, 11};

}  // namespace

bool IsDstZone(int zonePosition) {
    return std::find(std::begin(kDstZones), std::end(kDstZones), zonePosition + 1) != std::end(kDstZones);
}

TimeEnabling TimeControls(bool ntp, int zonePosition, bool daylightChecked) {
    TimeEnabling state{};
    state.ntpControls = ntp;
    state.manualControls = !ntp;
    const bool dstZone = IsDstZone(zonePosition);
    state.daylightEnabled = ntp && dstZone;
    state.daylightChecked = dstZone && daylightChecked;
    state.dstCombos = state.daylightEnabled && state.daylightChecked;
    return state;
}

bool IsLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

int DaysInMonth(int year, int monthPosition) {
    if (monthPosition == kFebruary) return IsLeapYear(year) ? 29 : 28;
    if (std::find(std::begin(kThirtyOne), std::end(kThirtyOne), monthPosition) != std::end(kThirtyOne)) return 31;
    return 30;
}

std::vector<std::string> YearItems(int pcYear) {
    std::vector<std::string> years;
    const int last = std::max(kLastListedYear, pcYear + kYearsAhead);
    for (int year = kFirstYear; year <= last; ++year) years.push_back(std::to_string(year));
    return years;
}

std::string ManualTimeText(const ManualTime& t) {
    return t.month + "/" + t.day + "/" + t.year + " " + t.hour + ":" + t.minute + ":" + t.second;
}

std::optional<TimeRefusal> CheckTimeSave(const TimeSaveInput& in) {
    if (in.ntp) {
        if (in.server.empty() || in.server == "0.0.0.0" || !IsValidHostAddress(in.server))
            return TimeRefusal{TimeServerInvalidText, TimeField::Server};
    } else {
        const ManualTime& t = in.manual;
        for (const std::string* field : {&t.month, &t.day, &t.year, &t.hour, &t.minute, &t.second})
            if (field->empty()) return TimeRefusal{ManualTimeIncompleteText, TimeField::Manual};
    }
    if (in.dstWritten && in.start == in.end) return TimeRefusal{DstSameText, TimeField::Dst};
    return std::nullopt;
}
