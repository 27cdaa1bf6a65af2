#pragma once
// A list of integers read from delimiter-separated text ("1,3,4" with ',').
// VkNumList<int> is the integer form; other element types may be added as
// further specialisations.

#include <string>
#include <vector>

template <typename T>
class VkNumList;

template <>
class VkNumList<int> {
public:
    explicit VkNumList(char delimiter = '.') : delimiter(delimiter) {}

    // 0 for an empty text, else the number of delimiters plus 1.
    int CountItems(const std::string& text) const;

    // Replaces the items by those of the text, CountItems(text) of them, each
    // starting at 0 and read character by character: the delimiter starts the
    // next item; a "." that is not the delimiter starts a fraction, which is
    // dropped up to the next delimiter (the number is truncated); any other
    // character c makes the item item * 10 + (c - '0'), without checking
    // that c is a digit (the arithmetic wraps around in 32 bits).
    void Parse(const std::string& text);

    // The position of the first item equal to value; -1 when there is none.
    int IndexOf(int value) const;

    int count() const { return static_cast<int>(items_.size()); }
    const std::vector<int>& items() const { return items_; }

    char delimiter;

private:
    std::vector<int> items_;
};
