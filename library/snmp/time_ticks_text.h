#pragma once
// Time ticks (hundredths of a second) as text:
//   below one day     "h:mm:ss.hh"            e.g. "0:01:00.00"
//   one day           "1 day h:mm:ss.hh"
//   two days and more "N days, h:mm:ss.hh"

#include <cstdint>
#include <string>

std::string TimeTicksToText(uint32_t hundredths);

// Reads the text back. "The number" is a decimal read from the current
// position (leading blanks skipped, reading stops at the first non-digit):
// when the text holds "days" (else "day"), the number at its start counts
// days and reading goes on after that word; then, when the rest holds ",",
// reading goes on after the first one; when it holds ":", the number counts
// hours and reading goes on after it; when it again holds ":", the number
// counts minutes and reading goes on after it; when it then holds ".", the
// number counts seconds and the number after the "." hundredths. A missing
// part adds nothing: a bare number reads as 0, "1:30" as one hour. A total
// beyond 32 bits is held at 4294967295.
uint32_t TextToTimeTicks(const std::string& text);
