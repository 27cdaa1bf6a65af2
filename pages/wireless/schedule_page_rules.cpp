#include "pages/wireless/schedule_page_rules.h"

#include <algorithm>
#include <cstdlib>


const char* const ScheduleDayNames[kWeekDays] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

namespace {

const char* const kAllWeekText = "All Week";
const char* const kAllDayText = "All Day(s)";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Cuts the text at the first separator: what stands before and after it
// (all before and nothing after when there is none).
void CutAt(const std::string& text, char separator, std::string& before, std::string& after) {
    const size_t at = text.find(separator);
    before = text.substr(0, at);
    after = at == std::string::npos ? std::string() : text.substr(at + 1);
}

// A field that passed IsAllDigits and is not empty, as a number.
int FieldValue(const std::string& field) { return std::atoi(field.c_str()); }

bool BadField(const std::string& field, int highest) {
    return !IsAllDigits(field) || FieldValue(field) > highest;
}

}  // namespace

bool IsAllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ScheduleDayMask(bool allWeek, const ScheduleDays& days) {
    if (allWeek) return 0;
    int mask = 0;
    for (int day = 0; day < kWeekDays; ++day)
        if (days[static_cast<size_t>(day)]) mask |= 1 << day;
    return mask;
}

ParsedScheduleDays ParseScheduleDays(const std::string& text) {
    ParsedScheduleDays parsed;
    parsed.allWeek = text == kAllWeekText;
    for (int day = 0; day < kWeekDays; ++day)
        parsed.days[static_cast<size_t>(day)] = parsed.allWeek || text.find(ScheduleDayNames[day]) != std::string::npos;
    return parsed;
}

ParsedTimeFrame ParseScheduleTimeFrame(const std::string& text) {
    ParsedTimeFrame parsed;
    if (text == kAllDayText) {
        parsed.allDay = true;
        return parsed;
    }
    std::string start, end;
    CutAt(text, '-', start, end);
    CutAt(start, ':', parsed.times.startHour, parsed.times.startMinute);
    CutAt(end, ':', parsed.times.endHour, parsed.times.endMinute);
    return parsed;
}

std::string ZeroFilled(const std::string& field) {
    const std::string trimmed = Trimmed(field);
    return trimmed.size() == 1 ? "0" + trimmed : field;
}

ScheduleTimes ZeroFilled(const ScheduleTimes& times) {
    return {ZeroFilled(times.startHour), ZeroFilled(times.startMinute), ZeroFilled(times.endHour),
            ZeroFilled(times.endMinute)};
}

TimeRefusal CheckScheduleTimes(const ScheduleTimes& typed, const ScheduleTimes& filled, bool overnight) {
    if (typed.startHour.empty() || typed.startMinute.empty() || typed.endHour.empty() || typed.endMinute.empty())
        return {"Invalid Time Range!", TimeField::None};
    if (BadField(filled.startHour, 23)) return {"Invalid Hour!", TimeField::StartHour};
    if (BadField(filled.endHour, 23)) return {"Invalid Hour!", TimeField::EndHour};
    if (BadField(filled.startMinute, 59)) return {"Invalid Minute!", TimeField::StartMinute};
    if (BadField(filled.endMinute, 59)) return {"Invalid Minute!", TimeField::EndMinute};
    const int start = FieldValue(Trimmed(filled.startHour) + Trimmed(filled.startMinute));
    const int end = FieldValue(Trimmed(filled.endHour) + Trimmed(filled.endMinute));
    if (!overnight && start >= end)
        return {"End time must be larger than Start time if you don't choose over night!", TimeField::EndMinute};
    if (overnight && start <= end)
        return {"Start time must be larger than end time if you choose over night!", TimeField::EndMinute};
    return {};
}

std::string ScheduleTimeText(const std::string& hour, const std::string& minute) {
    return Trimmed(hour) + ":" + Trimmed(minute);
}

int ScheduleNumber(const std::string& text, int otherwise) {
    if (text.empty() || !IsAllDigits(text) || text.size() > 9) return otherwise;
    return FieldValue(text);
}

std::string ScheduleSsidIndexText(int index) {
    if (index == 0) return "Primary SSID";
    if (index >= 1 && index <= 7) return "SSID" + std::to_string(index);
    return std::string();
}

bool SsidIndexTaken(const std::vector<ListedRule>& rules, int ssidIndex, const std::string& except) {
    return std::any_of(rules.begin(), rules.end(), [&](const ListedRule& rule) {
        return !rule.name.empty() && rule.index != except && rule.ssidIndex == ssidIndex;
    });
}
