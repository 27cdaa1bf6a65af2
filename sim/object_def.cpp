#include "sim/object_def.h"

namespace sim {

bool Allows(const std::vector<Range>& allowed, long n) {
    if (allowed.empty()) return true;
    for (const Range& range : allowed)
        if (n >= range.low && n <= range.high) return true;
    return false;
}

}  // namespace sim
