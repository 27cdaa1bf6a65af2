#pragma once
// The status line of a control-bound request: a template with the
// placeholders "[ERROR]", "[VARLIST]" and "[TIME]" filled in.

#include <ctime>
#include <string>

// Fills a status-line template. With an empty description everything from
// just after "[ERROR]" up to the end of the first "[VARLIST]" is cut out
// (when "[ERROR]" comes first; otherwise the line is left as it is); with a
// description every "[VARLIST]" becomes the description. Then every "[ERROR]"
// becomes the message and every "[TIME]" the time text, each replacement
// searching from the left without looking at what it put in.
std::string FillStatusLine(const std::string& templateText, const std::string& description,
                           const std::string& message, const std::string& timeText);

// A time of day as "hh:nn:ss AM" or "hh:nn:ss PM": hours 01 to 12.
std::string StatusTimeText(const std::tm& time);

// The current local time as StatusTimeText gives it.
std::string StatusTimeNow();
