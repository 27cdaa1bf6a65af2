#pragma once
// The part of a choice control that option lists fill and select in: an
// ordered list of item texts and the index of the selected item (-1 = none).
// Combo boxes and radio groups of the window layer are adapted to it, so the
// option lists stay free of any window library.

#include <string>

class VkItemListControl {
public:
    virtual ~VkItemListControl() = default;

    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};
