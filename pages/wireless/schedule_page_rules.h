#pragma once
// The Schedule page's rules, without controls: the time checks with their
// zero fill, the day mask, reading the device's days and time-frame texts,
// the SSID-index texts and the one-rule-per-SSID check.

#include <array>
#include <string>
#include <vector>

// Sun, Mon, ... Sat: bit 0 is Sunday.
constexpr int kWeekDays = 7;
extern const char* const ScheduleDayNames[kWeekDays];
using ScheduleDays = std::array<bool, kWeekDays>;

// True when every character is a decimal digit; the empty text counts as
// all digits (callers test for an empty text first).
bool IsAllDigits(const std::string& text);

// The day mask the device takes: Sun 1, Mon 2 ... Sat 64 summed; "All Week"
// is 0, not 127.
int ScheduleDayMask(bool allWeek, const ScheduleDays& days);

// The device's days text: "All Week", or a text in which every checked day's
// three-letter name occurs.
struct ParsedScheduleDays {
    bool allWeek = false;
    ScheduleDays days{};
};
ParsedScheduleDays ParseScheduleDays(const std::string& text);

// The device's time-frame text: "All Day(s)", or start and end joined by the
// first "-", each cut at its first ":" into hour and minute ("9:00-17:30").
struct ScheduleTimes {
    std::string startHour, startMinute, endHour, endMinute;
};
struct ParsedTimeFrame {
    bool allDay = false;
    ScheduleTimes times;
};
ParsedTimeFrame ParseScheduleTimeFrame(const std::string& text);

// A time field whose trimmed text is one character gets a "0" before it
// ("9" -> "09"); other texts stay as typed.
std::string ZeroFilled(const std::string& field);
ScheduleTimes ZeroFilled(const ScheduleTimes& times);

// The first time check that fails, in the page's order, on times already
// zero-filled (an empty field is refused first, before the fill).
enum class TimeField { None, StartHour, StartMinute, EndHour, EndMinute };
struct TimeRefusal {
    std::string text;  // empty: the times are accepted
    TimeField field = TimeField::None;  // emptied and focused
};
// typed: the fields as typed (for the empty check); filled: after ZeroFilled.
TimeRefusal CheckScheduleTimes(const ScheduleTimes& typed, const ScheduleTimes& filled, bool overnight);

// "HH:MM" from an hour and a minute field (each trimmed).
std::string ScheduleTimeText(const std::string& hour, const std::string& minute);

// A list text read as a number: `otherwise` when it is not one.
int ScheduleNumber(const std::string& text, int otherwise);
// "Primary SSID", "SSID1" .. "SSID7"; "" for another index.
std::string ScheduleSsidIndexText(int index);

// A rule as listed: its walked index, name and SSID index.
struct ListedRule {
    std::string index;
    std::string name;
    int ssidIndex = 0;
};
// Whether another rule (not the walked row `except`; "" for none) is already
// bound to the SSID index. Only named rows are rules: a free row reading
// index 0 blocks nothing.
bool SsidIndexTaken(const std::vector<ListedRule>& rules, int ssidIndex, const std::string& except);
