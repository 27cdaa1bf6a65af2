#pragma once
// A list of unsigned 32-bit numbers read from delimiter-separated text
// ("10.0.0.255" with '.'), as the number-list edit constraint checks it.

#include <cstdint>
#include <string>
#include <vector>

template <typename T>
class VkNumList;

template <>
class VkNumList<unsigned int> {
public:
    explicit VkNumList(char delimiter = '.') : delimiter(delimiter) {}

    // 0 for an empty text, else the number of delimiters plus 1 ("1.2."
    // holds three numbers, the last one 0).
    int CountItems(const std::string& text) const;
    // Replaces the items by those of the text, CountItems(text) of them, each
    // starting at 0 and read character by character: the delimiter starts the
    // next item; a '.' that is not the delimiter starts a fraction, whose
    // digits are dropped; any other character c makes the item
    // item * 10 + (c - '0') in unsigned 32-bit arithmetic (wrapping around).
    void Parse(const std::string& text);
    // True when every item lies within min..max (inclusive); true for no items.
    bool AllInRange(uint32_t min, uint32_t max) const;

    int count() const { return static_cast<int>(items_.size()); }
    const std::vector<uint32_t>& items() const { return items_; }

    char delimiter;

private:
    std::vector<uint32_t> items_;
};
