#include "library/snmp/day_count_text.h"

#include <cmath>
#include <cstdio>

#include "library/common/day_count.h"
#include "library/common/text.h"
#include "platform/os/exception.h"

namespace {

constexpr long long kMillisecondsPerDay = 86400000;
// 30 December 1899 counted from 1 January 1970.
constexpr long long kDayCountEpoch = -25569;
// The day counts of 1 January 0001 and of the day after 31 December 9999: the
// dates the text form can show.
constexpr double kFirstDayCount = -693593;
constexpr double kEndDayCount = 2958466;

struct CivilDate {
    long long year;
    unsigned month;
    unsigned day;
};

// The calendar date of a day number counted from 1 January 1970 (proleptic
// Gregorian calendar).
CivilDate CivilFromDays(long long days) {
    days += 719468;
    long long era = (days >= 0 ? days : days - 146096) / 146097;
    unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    long long year = static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

[[noreturn]] void RaiseNotDateTime(const std::string& text) {
    throw os::ConvertError("'" + text + "' is not a valid date and time");
}

// Reads an unsigned number of at most `maxDigits` digits at `pos`.
bool ReadField(const std::string& text, std::size_t& pos, int maxDigits, int& value) {
    std::size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' &&
           static_cast<int>(pos - start) < maxDigits)
        value = value * 10 + (text[pos++] - '0');
    return pos > start;
}

bool ReadSeparator(const std::string& text, std::size_t& pos, const char* accepted) {
    if (pos >= text.size()) return false;
    for (const char* c = accepted; *c != '\0'; ++c)
        if (text[pos] == *c) {
            ++pos;
            return true;
        }
    return false;
}

void SkipBlanks(const std::string& text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
}

struct DateTimeFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

bool ReadDate(const std::string& text, std::size_t& pos, DateTimeFields& f) {
    return ReadField(text, pos, 4, f.year) && ReadSeparator(text, pos, "/-") &&
           ReadField(text, pos, 2, f.month) && ReadSeparator(text, pos, "/-") &&
           ReadField(text, pos, 2, f.day);
}

bool ReadTime(const std::string& text, std::size_t& pos, DateTimeFields& f) {
    if (!ReadField(text, pos, 2, f.hour) || !ReadSeparator(text, pos, ":") ||
        !ReadField(text, pos, 2, f.minute))
        return false;
    std::size_t beforeSeconds = pos;
    if (!(ReadSeparator(text, pos, ":") && ReadField(text, pos, 2, f.second))) pos = beforeSeconds;
    return true;
}

// "am"/"pm" turns a 12-hour clock hour (1..12) into 0..23.
bool ApplyMeridiem(const std::string& text, std::size_t& pos, DateTimeFields& f) {
    if (pos + 2 > text.size()) return true;
    std::string word = text.substr(pos, 2);
    bool pm = SameText(word, "pm");
    if (!pm && !SameText(word, "am")) return false;
    if (f.hour < 1 || f.hour > 12) return false;
    f.hour = f.hour % 12 + (pm ? 12 : 0);
    pos += 2;
    return true;
}

bool InRange(const DateTimeFields& f) {
    return f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= DaysInMonth(f.year, f.month) &&
           f.hour <= 23 && f.minute <= 59 && f.second <= 59;
}

}  // namespace

std::string DayCountToText(double dayCount) {
    if (!(dayCount > kFirstDayCount - 1 && dayCount < kEndDayCount)) return std::string();
    double whole = std::trunc(dayCount);
    long long milliseconds = std::llround(std::fabs(dayCount - whole) * kMillisecondsPerDay);
    long long days = static_cast<long long>(whole);
    if (milliseconds >= kMillisecondsPerDay) {
        milliseconds -= kMillisecondsPerDay;
        ++days;
    }
    CivilDate date = CivilFromDays(days + kDayCountEpoch);
    long long seconds = milliseconds / 1000;
    int hour = static_cast<int>(seconds / 3600);
    int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    char text[64];
    std::snprintf(text, sizeof text, "%04lld/%02u/%02u %02d:%02lld:%02lld %s", date.year,
                  date.month, date.day, hour12, seconds / 60 % 60, seconds % 60,
                  hour < 12 ? "am" : "pm");
    return text;
}

double TextToDayCount(const std::string& text) {
    std::string trimmed = Trim(text);
    std::size_t pos = 0;
    DateTimeFields f;
    if (!ReadDate(trimmed, pos, f)) RaiseNotDateTime(text);
    SkipBlanks(trimmed, pos);
    if (pos < trimmed.size()) {
        if (!ReadTime(trimmed, pos, f)) RaiseNotDateTime(text);
        SkipBlanks(trimmed, pos);
        if (!ApplyMeridiem(trimmed, pos, f)) RaiseNotDateTime(text);
    }
    if (pos != trimmed.size() || !InRange(f)) RaiseNotDateTime(text);
    return DayCount(f.year, f.month, f.day, f.hour, f.minute, f.second);
}
