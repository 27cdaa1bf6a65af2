#pragma once
// Option lists: the translation table of one enumerated value, an ordered set
// of (device value, display text) pairs. Conversions pass any text that no
// entry carries through unchanged, and lookups give -1 for it; nothing here
// raises an error except Item with an index outside the list.

#include <string>
#include <vector>

#include "library/common/item_list_control.h"

// How the values of a list are held and compared.
//   OPT_INT     integer values; a value given as text is converted first.
//   OPT_STR     text values, compared whole like display texts.
//   OPT_PREFIX  values and display texts are prefixes: an entry matches every
//               text that begins with it, and converting exchanges the prefix
//               and keeps the rest of the text.
enum VkOptionKind : int { OPT_INT = 1, OPT_STR = 2, OPT_PREFIX = 3 };

// The device value of a static row: an integer for OPT_INT lists, a text for
// OPT_STR and OPT_PREFIX lists. It converts from either, so rows of both kinds
// are written alike: { 1, "Enable" } or { "1.3.6.1", "iso" }.
struct VkOptionValue {
    constexpr VkOptionValue(int value = 0) : number(value), text(nullptr) {}
    constexpr VkOptionValue(const char* value) : number(0), text(value) {}

    int number;
    const char* text;
};

// One static row. An array of rows ends at the first row whose text is null,
// such as { 0, nullptr } or {}.
struct VkOptionEntry {
    VkOptionValue value;
    const char* text = nullptr;
};

// The number of rows before the terminating row; 0 for a null array.
int CountOptionEntries(const VkOptionEntry* rows);

// One entry of a list, owning copies of the row's texts. number is the value
// of an OPT_INT entry, valueText the value of the other kinds.
struct VkOptionItem {
    int number = 0;
    std::string valueText;
    std::string text;
};

class VkOptionList {
public:
    VkOptionList(const VkOptionEntry* rows, VkOptionKind kind, bool caseSensitive);

    // Appends a copy of every row after the present entries.
    void Add(const VkOptionEntry* rows);
    void Clear();

    int count() const { return static_cast<int>(items_.size()); }
    const std::vector<VkOptionItem>& items() const { return items_; }
    // Raises os::ListIndexError unless 0 <= index < count().
    const VkOptionItem& Item(int index) const;

    // The first entry whose display text, or value, matches; -1 when none.
    int IndexOfText(const std::string& text) const;
    int IndexOfValue(const std::string& value) const;

    // Device value -> display text and back; the input when no entry matches.
    std::string ValueToText(const std::string& value) const;
    std::string TextToValue(const std::string& text) const;

    // Filling replaces the control's items by the display texts in entry
    // order. Selecting accepts either form of a value: the display text is
    // tried first, then the device value; with neither the index is -1.
    void FillComboBox(VkItemListControl& comboBox) const;
    void SelectInComboBox(VkItemListControl& comboBox, const std::string& valueOrText) const;
    void FillRadioGroup(VkItemListControl& radioGroup) const;
    void SelectInRadioGroup(VkItemListControl& radioGroup, const std::string& valueOrText) const;

    VkOptionKind kind;
    bool caseSensitive;

private:
    bool SameString(const std::string& a, const std::string& b) const;
    bool StartsWith(const std::string& text, const std::string& prefix) const;
    bool TextMatches(const std::string& text, const VkOptionItem& item) const;
    bool ValueMatches(const std::string& value, const VkOptionItem& item) const;
    void FillItems(VkItemListControl& control) const;
    void SelectItem(VkItemListControl& control, const std::string& valueOrText) const;

    std::vector<VkOptionItem> items_;
};
