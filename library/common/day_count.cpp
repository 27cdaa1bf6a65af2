#include "library/common/day_count.h"

#include <ctime>

namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date
// (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kEpochOffset = -25569;

}  // namespace

double DayCount(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    // Months outside 1..12 carry into the year.
    long long m = month - 1;
    long long yearsCarried = m >= 0 ? m / 12 : (m - 11) / 12;  // floor(m / 12)
    long long y = year + yearsCarried;
    m -= yearsCarried * 12;
    long long days = DaysFromCivil(y, m + 1, 1) + (day - 1) - kEpochOffset;
    double fraction =
        (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0;
    // Whole days that the time fields carry go into the day number.
    long long carried = static_cast<long long>(fraction >= 0 ? fraction : fraction - 1);
    days += carried;
    fraction -= static_cast<double>(carried);
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

double NowAsDayCount() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    time_t seconds = now.tv_sec;
    localtime_r(&seconds, &local);
    return DayCount(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec, static_cast<int>(now.tv_nsec / 1000000));
}
