#include "library/snmp/status_line.h"

#include <cstdio>

#include "library/common/text_functions.h"

namespace {

const std::string kError = "[ERROR]";
const std::string kVarList = "[VARLIST]";

// Cuts " Request:[VARLIST]" and the like out of the line: from just after
// "[ERROR]" through the end of "[VARLIST]".
std::string WithoutVarList(const std::string& line) {
    size_t error = line.find(kError);
    size_t varList = line.find(kVarList);
    if (error == std::string::npos || varList == std::string::npos || varList < error) return line;
    size_t from = error + kError.size();
    size_t to = varList + kVarList.size();
    if (to <= from) return line;
    return line.substr(0, from) + line.substr(to);
}

}  // namespace

std::string FillStatusLine(const std::string& templateText, const std::string& description,
                           const std::string& message, const std::string& timeText) {
    std::string line =
        description.empty() ? WithoutVarList(templateText) : ReplaceAll(templateText, kVarList, description);
    line = ReplaceAll(line, kError, message);
    return ReplaceAll(line, "[TIME]", timeText);
}

std::string StatusTimeText(const std::tm& time) {
    int hour = time.tm_hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour == 0 ? 12 : hour, time.tm_min, time.tm_sec,
                  time.tm_hour < 12 ? "AM" : "PM");
    return text;
}

std::string StatusTimeNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return StatusTimeText(local);
}
