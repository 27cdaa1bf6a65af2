#include "library/snmp/walk_row.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The sub-identifiers of a dotted text; a part that is not a number reads 0.
std::vector<uint64_t> Numbers(const std::string& index) {
    std::vector<uint64_t> numbers;
    size_t start = 0;
    while (start <= index.size() && !index.empty()) {
        size_t dot = index.find('.', start);
        std::string part = index.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        numbers.push_back(std::strtoull(part.c_str(), nullptr, 10));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return numbers;
}

}  // namespace

int CompareIndex(const std::string& a, const std::string& b) {
    std::vector<uint64_t> left = Numbers(a);
    std::vector<uint64_t> right = Numbers(b);
    for (size_t i = 0; i < left.size() && i < right.size(); ++i)
        if (left[i] != right[i]) return left[i] < right[i] ? -1 : 1;
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
}

std::string WalkRowOf(std::vector<VkWalkCell>& cells, const std::string& lastRow) {
    const std::string* least = nullptr;
    for (VkWalkCell& cell : cells) {
        if (!cell.ended && !lastRow.empty() && CompareIndex(cell.index, lastRow) <= 0) cell.ended = true;
        if (cell.ended) continue;
        if (least == nullptr || CompareIndex(cell.index, *least) < 0) least = &cell.index;
    }
    return least != nullptr ? *least : std::string();
}
