#include "sim/oid.h"

#include <algorithm>

namespace sim {

const Oid& DeviceRoot() {
    static const Oid root{1, 3, 6, 1, 4, 1, 32473, 10, 37, 44};
    return root;
}

namespace {

bool ParseArc(const std::string& text, uint32_t& arc) {
    if (text.empty() || text.size() > 10) return false;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu) return false;
    arc = static_cast<uint32_t>(value);
    return true;
}

}  // namespace

bool ParseOid(const std::string& text, Oid& oid) {
    oid.clear();
    std::string rest = text;
    if (!rest.empty() && rest[0] == 'E') {
        oid = DeviceRoot();
        rest.erase(0, 1);
        if (rest.empty()) return true;
        if (rest[0] != '.') return false;
    }
    if (!rest.empty() && rest[0] == '.') rest.erase(0, 1);
    if (rest.empty()) return false;
    size_t start = 0;
    while (true) {
        size_t dot = rest.find('.', start);
        uint32_t arc = 0;
        if (!ParseArc(rest.substr(start, dot - start), arc)) return false;
        oid.push_back(arc);
        if (dot == std::string::npos) return true;
        start = dot + 1;
    }
}

std::string FormatOid(const Oid& oid) {
    std::string text;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i > 0) text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool StartsWith(const Oid& oid, const Oid& prefix) {
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

}  // namespace sim
