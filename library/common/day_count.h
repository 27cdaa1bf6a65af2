#pragma once
// Dates and times as a day count, the form the original platform used for
// "now": the number of days since 30 December 1899, the fraction being the
// time of day (0.5 is noon). Dates before 30 December 1899 follow the same
// platform's convention: the integer part counts the days back and the
// fraction still counts the time of day forward, as a negative value
// (-1.25 is 29 December 1899, 06:00).

// The day count of a date and time (month 1..12, day 1..31, hour 0..23,
// minute 0..59, second 0..59, millisecond 0..999). The values are not
// checked: out-of-range fields simply carry over.
double DayCount(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                int millisecond = 0);

// The current local date and time as a day count, with millisecond precision.
double NowAsDayCount();
