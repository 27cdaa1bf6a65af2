#include "platform/os/clock.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace os {

namespace {

constexpr int kFloorMilliseconds = 5;

double ReadTimeScale() {
    const char* text = std::getenv("VAP_TIME_SCALE");
    if (text == nullptr || *text == '\0') return 1.0;
    char* end = nullptr;
    double scale = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(scale > 0) || !std::isfinite(scale)) return 1.0;
    return scale;
}

double& CurrentScale() {
    static double scale = ReadTimeScale();
    return scale;
}

}  // namespace

uint64_t TickCount() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

double TimeScale() { return CurrentScale(); }

void SetTimeScale(double scale) {
    if (scale > 0 && std::isfinite(scale)) CurrentScale() = scale;
}

int Scaled(int milliseconds) {
    if (milliseconds <= 0) return milliseconds;
    double scaled = std::round(milliseconds * TimeScale());
    int floor = milliseconds < kFloorMilliseconds ? milliseconds : kFloorMilliseconds;
    if (scaled < floor) return floor;
    if (scaled > 2147483647.0) return 2147483647;
    return static_cast<int>(scaled);
}

void Sleep(int milliseconds) {
    int scaled = Scaled(milliseconds);
    if (scaled > 0) std::this_thread::sleep_for(std::chrono::milliseconds(scaled));
}

}  // namespace os
