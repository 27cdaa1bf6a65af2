#pragma once
// Debug trace for developers: printf-style text, stamped with the time of
// day, sent to a debug viewer when one listens on the trace socket
// (os::SendTrace). Without a viewer nothing is sent and nothing fails.

#include <string>

// The line sent for text at the given time of day: the line feeds text
// starts with, then "H:M:S " (no leading zeros: "9:5:7 "), then at most 500
// characters of the rest of text.
std::string TraceLine(const std::string& text, int hour, int minute, int second);

// Formats as printf does and sends TraceLine() of the result at the current
// local time.
void DebugTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
