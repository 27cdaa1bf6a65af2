#include "shell/debug_trace.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "platform/os/trace_sink.h"

namespace {

constexpr size_t kMaxTraceText = 500;

std::string FormatArguments(const char* format, va_list arguments) {
    va_list measure;
    va_copy(measure, arguments);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

std::string TraceLine(const std::string& text, int hour, int minute, int second) {
    size_t lineFeeds = text.find_first_not_of('\n');
    if (lineFeeds == std::string::npos) lineFeeds = text.size();
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%d:%d:%d ", hour, minute, second);
    return text.substr(0, lineFeeds) + stamp + text.substr(lineFeeds, kMaxTraceText);
}

void DebugTrace(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string text = FormatArguments(format, arguments);
    va_end(arguments);
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    os::SendTrace(TraceLine(text, local.tm_hour, local.tm_min, local.tm_sec));
}
