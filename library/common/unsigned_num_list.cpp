#include "library/common/unsigned_num_list.h"

#include <algorithm>

int VkNumList<unsigned int>::CountItems(const std::string& text) const {
    if (text.empty()) return 0;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), delimiter));
}

void VkNumList<unsigned int>::Parse(const std::string& text) {
    items_.assign(static_cast<size_t>(CountItems(text)), 0);
    size_t index = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == delimiter) {
            ++index;
            inFraction = false;
        } else if (c == '.') {
            inFraction = true;
        } else if (!inFraction) {
            uint32_t digit = static_cast<uint32_t>(static_cast<unsigned char>(c)) - '0';
            items_[index] = items_[index] * 10u + digit;
        }
    }
}

bool VkNumList<unsigned int>::AllInRange(uint32_t min, uint32_t max) const {
    return std::all_of(items_.begin(), items_.end(),
                       [&](uint32_t item) { return item >= min && item <= max; });
}
