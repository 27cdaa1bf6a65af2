#pragma once
// The window layer's combo boxes and radio groups seen as the item lists that
// option lists fill and select in (item_list_control.h).

#include <string>

#include "library/common/item_list_control.h"

namespace ui {
class ComboBox;
class RadioGroup;
}  // namespace ui

class ComboBoxItems : public VkItemListControl {
public:
    explicit ComboBoxItems(ui::ComboBox& box) : box_(box) {}
    void ClearItems() override;
    void AddItem(const std::string& text) override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;

private:
    ui::ComboBox& box_;
};

class RadioGroupItems : public VkItemListControl {
public:
    explicit RadioGroupItems(ui::RadioGroup& group) : group_(group) {}
    void ClearItems() override;
    void AddItem(const std::string& text) override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;

private:
    ui::RadioGroup& group_;
};
