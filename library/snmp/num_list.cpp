#include "library/snmp/num_list.h"

#include <cstdint>

int VkNumList<int>::CountItems(const std::string& text) const {
    if (text.empty()) return 0;
    int count = 1;
    for (char c : text)
        if (c == delimiter) ++count;
    return count;
}

void VkNumList<int>::Parse(const std::string& text) {
    std::vector<uint32_t> numbers(static_cast<std::size_t>(CountItems(text)), 0);
    std::size_t current = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == delimiter) {
            ++current;
            inFraction = false;
        } else if (c == '.') {
            inFraction = true;
        } else if (!inFraction) {
            numbers[current] = numbers[current] * 10u + static_cast<uint32_t>(c - '0');
        }
    }
    items_.assign(numbers.size(), 0);
    for (std::size_t i = 0; i < numbers.size(); ++i) items_[i] = static_cast<int>(numbers[i]);
}

int VkNumList<int>::IndexOf(int value) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == value) return static_cast<int>(i);
    return -1;
}
