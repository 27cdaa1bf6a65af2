#include "pages/maintenance/view_log_page_rules.h"

namespace {

std::string TrimBlanks(const std::string& text) {
    const char* const blanks = " \t";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Removes the text up to and including the first `mark`; false (and nothing
// removed) when there is none.
bool CutThrough(std::string& rest, char mark, std::string* before) {
    size_t at = rest.find(mark);
    if (at == std::string::npos) return false;
    if (before != nullptr) *before = rest.substr(0, at);
    rest.erase(0, at + 1);
    return true;
}

}  // namespace

std::vector<std::string> SplitLogLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        std::string line = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

LogRow ParseLogLine(const std::string& line) {
    LogRow row;
    std::string rest = line;
    std::string time;
    if (CutThrough(rest, '|', &time)) row.time = TrimBlanks(time);
    CutThrough(rest, '[', nullptr);
    CutThrough(rest, ']', &row.type);
    row.message = rest;
    return row;
}

std::vector<LogRow> ParseLogLines(const std::vector<std::string>& lines) {
    std::vector<LogRow> rows;
    for (const std::string& line : lines)
        if (!line.empty()) rows.push_back(ParseLogLine(line));
    return rows;
}
