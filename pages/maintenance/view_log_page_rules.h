#pragma once
// How the View Log page reads the device's log file: one row per line that
// is not empty, in the device's line form
//
//   <time> "|" <anything> "[" <type> "]" <message>
//
// Time is the text before the first "|" with the blanks at both ends removed
// (empty without a "|"); the text up to and including the first "[" that
// follows is dropped; Type is the text before the next "]" as it stands
// (empty without a "]"); Message is the rest as it stands (normally it starts
// with the blank after "]"). Lines end at LF; a CR before the LF belongs to
// the line end, not to the message.

#include <string>
#include <vector>

struct LogRow {
    std::string time;
    std::string type;
    std::string message;
};

// The lines of a file's content: split at LF, a trailing CR removed; the text
// after the last LF is a line of its own.
std::vector<std::string> SplitLogLines(const std::string& content);

LogRow ParseLogLine(const std::string& line);

// The rows of the lines that are not empty (a line of blanks is not empty).
std::vector<LogRow> ParseLogLines(const std::vector<std::string>& lines);
