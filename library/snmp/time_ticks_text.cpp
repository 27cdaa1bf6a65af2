#include "library/snmp/time_ticks_text.h"

#include <cstdio>

namespace {

constexpr uint64_t kPerDay = 8640000;
constexpr uint64_t kPerHour = 360000;
constexpr uint64_t kPerMinute = 6000;
constexpr uint64_t kPerSecond = 100;

// The decimal at `pos` (blanks skipped), without moving `pos`. The digits are
// few in any real text; more than 12 are held at 999999999999.
uint64_t NumberAt(const std::string& text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    uint64_t number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        number = number * 10 + static_cast<uint64_t>(text[pos] - '0');
        if (number > 999999999999u) return 999999999999u;
    }
    return number;
}

// When `rest` holds `mark` at or after `pos`: the number at `pos` times
// `unit`, and `pos` moves past the mark. Otherwise 0 and `pos` stays.
uint64_t PartBefore(const std::string& text, std::size_t& pos, const std::string& mark,
                    uint64_t unit) {
    std::size_t at = text.find(mark, pos);
    if (at == std::string::npos) return 0;
    uint64_t part = NumberAt(text, pos) * unit;
    pos = at + mark.size();
    return part;
}

}  // namespace

std::string TimeTicksToText(uint32_t hundredths) {
    unsigned long t = hundredths;
    unsigned long days = t / kPerDay;
    t %= kPerDay;
    unsigned long hours = t / kPerHour;
    t %= kPerHour;
    unsigned long minutes = t / kPerMinute;
    t %= kPerMinute;
    unsigned long seconds = t / kPerSecond;
    unsigned long rest = t % kPerSecond;
    char buffer[64];
    if (days == 0)
        std::snprintf(buffer, sizeof buffer, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, rest);
    else if (days == 1)
        std::snprintf(buffer, sizeof buffer, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes,
                      seconds, rest);
    else
        std::snprintf(buffer, sizeof buffer, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours,
                      minutes, seconds, rest);
    return buffer;
}

uint32_t TextToTimeTicks(const std::string& text) {
    std::size_t pos = 0;
    bool plural = text.find("days") != std::string::npos;
    uint64_t total = PartBefore(text, pos, plural ? "days" : "day", kPerDay);
    std::size_t comma = text.find(',', pos);
    if (comma != std::string::npos) pos = comma + 1;
    total += PartBefore(text, pos, ":", kPerHour);
    total += PartBefore(text, pos, ":", kPerMinute);
    std::size_t point = text.find('.', pos);
    if (point != std::string::npos) {
        total += NumberAt(text, pos) * kPerSecond;
        total += NumberAt(text, point + 1);
    }
    return total > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(total);
}
