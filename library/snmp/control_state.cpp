#include "library/snmp/control_state.h"

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"

std::string ControlState(const ui::Control* control) {
    if (auto* edit = dynamic_cast<const ui::Edit*>(control)) return "edit:" + edit->Text();
    if (auto* label = dynamic_cast<const ui::Label*>(control)) return "label:" + label->Caption();
    if (auto* box = dynamic_cast<const ui::CheckBox*>(control)) return box->Checked() ? "checked" : "unchecked";
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(control))
        return "item:" + std::to_string(combo->ItemIndex()) + ":" + combo->Text();
    if (auto* group = dynamic_cast<const ui::RadioGroup*>(control)) return "item:" + std::to_string(group->ItemIndex());
    return std::string();
}
