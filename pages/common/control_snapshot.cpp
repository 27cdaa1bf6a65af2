#include "pages/common/control_snapshot.h"

#include "pages/common/control_helpers.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"

void ControlSnapshot::Take(std::initializer_list<const ui::Control*> controls) {
    for (const ui::Control* control : controls) values_[control] = ValueOf(control);
}

void ControlSnapshot::Set(const ui::Control* control, const std::string& value) { values_[control] = value; }

std::string ControlSnapshot::At(const ui::Control* control) const {
    auto found = values_.find(control);
    return found != values_.end() ? found->second : std::string();
}

bool ControlSnapshot::Changed(std::initializer_list<const ui::Control*> controls) const {
    for (const ui::Control* control : controls) {
        auto found = values_.find(control);
        if (found != values_.end() && found->second != ValueOf(control)) return true;
    }
    return false;
}

void ControlSnapshot::Restore(ui::Control* control) const {
    auto found = values_.find(control);
    if (found == values_.end()) return;
    if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) {
        combo->SetItemIndex(IndexOfText(combo, found->second));
    } else if (auto* edit = dynamic_cast<ui::Edit*>(control)) {
        edit->SetText(found->second);
    } else if (auto* check = dynamic_cast<ui::CheckBox*>(control)) {
        check->SetChecked(found->second == "1");
    }
}

std::string ControlSnapshot::ValueOf(const ui::Control* control) {
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(control)) return combo->Text();
    if (auto* edit = dynamic_cast<const ui::Edit*>(control)) return edit->Text();
    if (auto* check = dynamic_cast<const ui::CheckBox*>(control)) return check->Checked() ? "1" : "0";
    return std::string();
}
