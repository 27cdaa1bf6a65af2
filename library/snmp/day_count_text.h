#pragma once
// Date and time values held as a day count (days since 30 December 1899 with
// the time of day as fraction, see library/common/day_count.h) as the text
// "yyyy/mm/dd hh:nn:ss am/pm": 12-hour clock, "am" before noon, e.g.
// "2004/05/26 01:30:15 pm"; midnight and noon are hour 12.

#include <string>

// Empty for a day count outside the years 1 to 9999 (NaN included).
std::string DayCountToText(double dayCount);

// Reads "yyyy/mm/dd", optionally followed by "hh:nn" or "hh:nn:ss" and then
// optionally by "am" or "pm" (any case); "-" may stand for "/". Without
// am/pm the hour counts 0..23. Raises os::ConvertError
// ("'<text>' is not a valid date and time") for any other text or a field
// out of range.
double TextToDayCount(const std::string& text);
