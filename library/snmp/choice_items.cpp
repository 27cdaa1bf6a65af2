#include "library/snmp/choice_items.h"

#include "platform/ui/combo_box.h"
#include "platform/ui/radio_group.h"

void ComboBoxItems::ClearItems() {
    box_.ClearItems();
}
void ComboBoxItems::AddItem(const std::string& text) {
    box_.AddItem(text);
}
int ComboBoxItems::ItemIndex() const {
    return box_.ItemIndex();
}
void ComboBoxItems::SetItemIndex(int index) {
    box_.SetItemIndex(index);
}

void RadioGroupItems::ClearItems() {
    group_.ClearItems();
}
void RadioGroupItems::AddItem(const std::string& text) {
    group_.AddItem(text);
}
int RadioGroupItems::ItemIndex() const {
    return group_.ItemIndex();
}
void RadioGroupItems::SetItemIndex(int index) {
    group_.SetItemIndex(index);
}
