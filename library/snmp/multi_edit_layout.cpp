#include "library/snmp/multi_edit_layout.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "library/common/date_time.h"
#include "library/common/day_count.h"
#include "library/common/messages.h"
#include "library/snmp/day_count_text.h"
#include "library/snmp/number_text.h"
#include "library/snmp/time_ticks_text.h"
#include "library/snmp/var_entry.h"

namespace {

using namespace VkSNMPSyntax;

constexpr uint32_t kTicksPerDay = 8640000;
constexpr uint32_t kTicksPerHour = 360000;
constexpr uint32_t kTicksPerMinute = 6000;
constexpr uint32_t kTicksPerSecond = 100;

void NeedEdits(const std::vector<std::string>& editTexts, size_t count) {
    if (editTexts.size() < count) RaiseError(VK_ERR_TOO_FEW_CONTROLS);
}

std::string Decimal(uint64_t value) { return std::to_string(value); }

std::string HexOctet(char octet) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned char>(octet));
    return text;
}

uint32_t OctetAt(const std::string& octets, size_t at) {
    return static_cast<unsigned char>(octets[at]);
}

uint32_t Uint32At(const std::string& octets, size_t at) {
    return OctetAt(octets, at) | OctetAt(octets, at + 1) << 8 | OctetAt(octets, at + 2) << 16 |
           OctetAt(octets, at + 3) << 24;
}

uint32_t Number(const std::vector<std::string>& editTexts, size_t k) { return ReadUInt32(editTexts[k]); }

// An edit's two hex digits: "" -> "00", "A" -> "0A", longer texts as they are.
std::string HexDigits(const std::string& text) {
    if (text.size() >= 2) return text;
    return std::string(2 - text.size(), '0') + text;
}

std::string JoinNumbers(const std::vector<std::string>& editTexts, size_t count) {
    std::string text;
    for (size_t k = 0; k < count; ++k) {
        if (k > 0) text += '.';
        text += Decimal(Number(editTexts, k));
    }
    return text;
}

std::string JoinHex(const std::vector<std::string>& editTexts, size_t count) {
    std::string text;
    for (size_t k = 0; k < count; ++k) text += HexDigits(editTexts[k]);
    return text;
}

// Date and time fields of a day count (days since 30 December 1899; before it
// the integer part counts days back and the fraction the time of day).
struct DateFields {
    int64_t year, month, day, hour, minute, second, millisecond;
};

DateFields FieldsOfDayCount(double dayCount) {
    double whole = std::trunc(dayCount);
    int64_t millis = std::llround(std::fabs(dayCount - whole) * 86400000.0);
    if (millis > 86399999) millis = 86399999;
    // Civil date from days since 1970-01-01 (proleptic Gregorian calendar).
    int64_t z = static_cast<int64_t>(whole) - 25569 + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t month = mp < 10 ? mp + 3 : mp - 9;
    int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, doy - (153 * mp + 2) / 5 + 1, millis / 3600000, millis / 60000 % 60,
            millis / 1000 % 60, millis % 1000};
}

void ShowOctets(const std::string& octets, std::vector<std::string>& editTexts) {
    NeedEdits(editTexts, octets.size());
    for (size_t k = 0; k < octets.size(); ++k) editTexts[k] = HexOctet(octets[k]);
}

void ShowOid(const std::string& octets, std::vector<std::string>& editTexts) {
    size_t count = octets.size() / 4;
    NeedEdits(editTexts, count);
    for (size_t k = 0; k < count; ++k) editTexts[k] = Decimal(Uint32At(octets, 4 * k));
}

void ShowAddress(const std::string& octets, std::vector<std::string>& editTexts) {
    for (size_t k = 0; k < 4 && k < octets.size(); ++k) editTexts[k] = Decimal(OctetAt(octets, k));
}

void ShowTicks(const std::string& octets, std::vector<std::string>& editTexts) {
    uint32_t c = octets.size() >= 4 ? Uint32At(octets, 0) : 0;
    editTexts[0] = Decimal(c / kTicksPerDay);
    editTexts[1] = Decimal(c % kTicksPerDay / kTicksPerHour);
    editTexts[2] = Decimal(c % kTicksPerHour / kTicksPerMinute);
    editTexts[3] = Decimal(c % kTicksPerMinute / kTicksPerSecond);
    editTexts[4] = Decimal(c % kTicksPerSecond);
}

void ShowMac(const std::string& octets, std::vector<std::string>& editTexts) {
    for (size_t k = 0; k < editTexts.size() && k < octets.size(); ++k) editTexts[k] = HexOctet(octets[k]);
}

void ShowDateTime(const std::string& text, std::vector<std::string>& editTexts) {
    VkDateTime value(text);
    const unsigned fields[] = {value.year,   value.month,      value.day, value.hour,
                               value.minute, value.second,     value.deciSecond};
    for (size_t k = 0; k < 7; ++k) editTexts[k] = Decimal(fields[k]);
    editTexts[7] = std::string(1, value.utcSign);
    editTexts[8] = Decimal(value.utcHours);
    editTexts[9] = Decimal(value.utcMinutes);
}

void ShowBcdDateTime(const std::string& octets, std::vector<std::string>& editTexts) {
    double dayCount = 0;
    if (!OctetsToDouble(octets, dayCount)) return;
    DateFields f = FieldsOfDayCount(dayCount);
    const int64_t fields[] = {f.year, f.month, f.day, f.hour, f.minute, f.second, f.millisecond};
    for (size_t k = 0; k < 7; ++k) editTexts[k] = std::to_string(fields[k]);
}

std::string CollectTicks(const std::vector<std::string>& editTexts) {
    uint64_t c = uint64_t{Number(editTexts, 0)} * kTicksPerDay +
                 uint64_t{Number(editTexts, 1)} * kTicksPerHour +
                 uint64_t{Number(editTexts, 2)} * kTicksPerMinute +
                 uint64_t{Number(editTexts, 3)} * kTicksPerSecond + Number(editTexts, 4);
    return TimeTicksToText(c > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(c));
}

std::string CollectDateTime(const std::vector<std::string>& editTexts) {
    VkDateTime value{std::string()};
    value.year = static_cast<uint16_t>(Number(editTexts, 0));
    uint8_t* const fields[] = {&value.month,  &value.day,    &value.hour,
                               &value.minute, &value.second, &value.deciSecond};
    for (size_t k = 0; k < 6; ++k) *fields[k] = static_cast<uint8_t>(Number(editTexts, k + 1));
    value.utcSign = editTexts[7].empty() ? '\0' : editTexts[7][0];
    value.utcHours = static_cast<uint8_t>(Number(editTexts, 8));
    value.utcMinutes = static_cast<uint8_t>(Number(editTexts, 9));
    return value.ToString();
}

std::string CollectBcdDateTime(const std::vector<std::string>& editTexts) {
    auto n = [&](size_t k) { return static_cast<int>(Number(editTexts, k)); };
    return DayCountToText(DayCount(n(0), n(1), n(2), n(3), n(4), n(5), n(6)));
}

// The edits a layout needs at least, both ways; 0 for the layouts that
// depend on the value.
size_t EditsNeeded(int partSyntax) {
    switch (partSyntax) {
        case ipaddress:
        case nsapaddr: return 4;
        case timeticks: return 5;
        case macaddress: return 6;
        case datetime: return 10;
        case bcdatetime: return 7;
        default: return 0;
    }
}

}  // namespace

void ShowOverEdits(int partSyntax, const std::string& text, const std::string& octets,
                   std::vector<std::string>& editTexts) {
    NeedEdits(editTexts, EditsNeeded(partSyntax));
    bool noValue = text == "(NULL)";
    switch (partSyntax) {
        case bitstr:
        case octetstr:
        case opaque: return ShowOctets(octets, editTexts);
        case objectid: return ShowOid(octets, editTexts);
        case ipaddress:
        case nsapaddr: return noValue ? void() : ShowAddress(octets, editTexts);
        case timeticks: return noValue ? void() : ShowTicks(octets, editTexts);
        case macaddress: return noValue ? void() : ShowMac(octets, editTexts);
        case datetime: return noValue ? void() : ShowDateTime(text, editTexts);
        case bcdatetime: return noValue ? void() : ShowBcdDateTime(octets, editTexts);
        default:
            if (!editTexts.empty()) editTexts[0] = text;
            return;
    }
}

std::string CollectFromEdits(int partSyntax, const std::vector<std::string>& editTexts) {
    NeedEdits(editTexts, EditsNeeded(partSyntax));
    switch (partSyntax) {
        case bitstr:
        case octetstr:
        case opaque: return JoinHex(editTexts, editTexts.size());
        case objectid: return JoinNumbers(editTexts, editTexts.size());
        case ipaddress:
        case nsapaddr: return JoinNumbers(editTexts, 4);
        case timeticks: return CollectTicks(editTexts);
        case macaddress: return JoinHex(editTexts, 6);
        case datetime: return CollectDateTime(editTexts);
        case bcdatetime: return CollectBcdDateTime(editTexts);
        default: return editTexts.empty() ? std::string() : editTexts[0];
    }
}
