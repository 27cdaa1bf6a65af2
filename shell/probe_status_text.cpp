#include "shell/probe_status_text.h"

#include "library/common/text_functions.h"

namespace {

constexpr char kError[] = "[ERROR]";
constexpr char kVarList[] = "[VARLIST]";

// 1-based position of the first occurrence, 0 when absent.
long Position(const std::string& text, const char* pattern) {
    size_t found = text.find(pattern);
    return found == std::string::npos ? 0 : static_cast<long>(found) + 1;
}

}  // namespace

std::string ProbeStatusText(const std::string& templateText, const std::string& message,
                            const std::string& timeText) {
    std::string text = templateText;
    long errorAt = Position(text, kError);
    long varListAt = Position(text, kVarList);
    long count = varListAt - errorAt + 2;
    long start = errorAt + 7;
    if (errorAt > 0 && count > 0 && start <= static_cast<long>(text.size()))
        text.erase(static_cast<size_t>(start - 1), static_cast<size_t>(count));
    text = ReplaceAll(text, kError, message);
    return ReplaceAll(text, "[TIME]", timeText);
}
