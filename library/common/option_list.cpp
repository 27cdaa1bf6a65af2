#include "library/common/option_list.h"

#include <utility>

#include "library/common/text.h"
#include "platform/os/exception.h"

namespace {

// The text the request layer stores for a value the device did not give.
const char* const kNullValueText = "(NULL)";

}  // namespace

int CountOptionEntries(const VkOptionEntry* rows) {
    int n = 0;
    if (rows != nullptr)
        while (rows[n].text != nullptr) ++n;
    return n;
}

VkOptionList::VkOptionList(const VkOptionEntry* rows, VkOptionKind kind, bool caseSensitive)
    : kind(kind), caseSensitive(caseSensitive) {
    Add(rows);
}

void VkOptionList::Add(const VkOptionEntry* rows) {
    int n = CountOptionEntries(rows);
    items_.reserve(items_.size() + n);
    for (int i = 0; i < n; ++i) {
        VkOptionItem item;
        item.number = rows[i].value.number;
        if (rows[i].value.text != nullptr) item.valueText = rows[i].value.text;
        item.text = rows[i].text;
        items_.push_back(std::move(item));
    }
}

void VkOptionList::Clear() { items_.clear(); }

const VkOptionItem& VkOptionList::Item(int index) const {
    if (index < 0 || index >= count())
        throw os::ListIndexError("List index out of bounds (" + IntToStr(index) + ")");
    return items_[index];
}

bool VkOptionList::SameString(const std::string& a, const std::string& b) const {
    return caseSensitive ? a == b : SameText(a, b);
}

bool VkOptionList::StartsWith(const std::string& text, const std::string& prefix) const {
    return text.size() >= prefix.size() && SameString(text.substr(0, prefix.size()), prefix);
}

bool VkOptionList::TextMatches(const std::string& text, const VkOptionItem& item) const {
    return kind == OPT_PREFIX ? StartsWith(text, item.text) : SameString(text, item.text);
}

bool VkOptionList::ValueMatches(const std::string& value, const VkOptionItem& item) const {
    return kind == OPT_PREFIX ? StartsWith(value, item.valueText) : SameString(value, item.valueText);
}

int VkOptionList::IndexOfText(const std::string& text) const {
    for (int i = 0; i < count(); ++i)
        if (TextMatches(text, items_[i])) return i;
    return -1;
}

int VkOptionList::IndexOfValue(const std::string& value) const {
    if (kind != OPT_INT) {
        for (int i = 0; i < count(); ++i)
            if (ValueMatches(value, items_[i])) return i;
        return -1;
    }
    // An empty value or a text that is not a number matches no entry.
    int number = 0;
    if (value == kNullValueText || !TryStrToInt(value, number)) return -1;
    for (int i = 0; i < count(); ++i)
        if (items_[i].number == number) return i;
    return -1;
}

std::string VkOptionList::ValueToText(const std::string& value) const {
    int i = IndexOfValue(value);
    if (i < 0) return value;
    const VkOptionItem& item = items_[i];
    if (kind == OPT_PREFIX) return item.text + value.substr(item.valueText.size());
    return item.text;
}

std::string VkOptionList::TextToValue(const std::string& text) const {
    int i = IndexOfText(text);
    if (i < 0) return text;
    const VkOptionItem& item = items_[i];
    switch (kind) {
        case OPT_INT: return IntToStr(item.number);
        case OPT_STR: return item.valueText;
        case OPT_PREFIX: return item.valueText + text.substr(item.text.size());
    }
    return text;
}

void VkOptionList::FillItems(VkItemListControl& control) const {
    control.ClearItems();
    for (const VkOptionItem& item : items_) control.AddItem(item.text);
}

void VkOptionList::SelectItem(VkItemListControl& control, const std::string& valueOrText) const {
    control.SetItemIndex(IndexOfText(valueOrText));
    if (control.ItemIndex() < 0) control.SetItemIndex(IndexOfValue(valueOrText));
}

void VkOptionList::FillComboBox(VkItemListControl& comboBox) const { FillItems(comboBox); }

void VkOptionList::SelectInComboBox(VkItemListControl& comboBox, const std::string& valueOrText) const {
    SelectItem(comboBox, valueOrText);
}

void VkOptionList::FillRadioGroup(VkItemListControl& radioGroup) const { FillItems(radioGroup); }

void VkOptionList::SelectInRadioGroup(VkItemListControl& radioGroup, const std::string& valueOrText) const {
    SelectItem(radioGroup, valueOrText);
}
