// VkSNMPRequest2Edits: showing values in the bound controls and collecting
// them back, through the values' octet form.

#include <algorithm>

#include "library/common/messages.h"
#include "library/snmp/choice_items.h"
#include "library/snmp/multi_edit_layout.h"
#include "library/snmp/request_to_edits.h"
#include "library/snmp/value_octets.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"

namespace {

// The value as the device knows it: the display text mapped back through
// the variable's option list.
std::string DeviceText(const VkSNMPVarItem& variable) {
    return variable.options != nullptr ? variable.options->TextToValue(variable.value) : variable.value;
}

bool IsTruthSyntax(int syntax) {
    return syntax == VkSNMPSyntax::boolean || syntax == VkSNMPSyntax::bool8 || syntax == VkSNMPSyntax::bool16;
}

const VkOptionList& RequireList(const VkOptionList* list) {
    if (list == nullptr) RaiseError(VK_ERR_NO_OPTION_LIST);
    return *list;
}

// The text of the second control of a prefix combo box (an edit or a label).
std::string TextOf(ui::Control* control) {
    if (auto* edit = dynamic_cast<ui::Edit*>(control)) return edit->Text();
    if (auto* label = dynamic_cast<ui::Label*>(control)) return label->Caption();
    RaiseError(VK_ERR_BAD_CONTROL_TYPE);
}

void SetTextOf(ui::Control* control, const std::string& text) {
    if (auto* edit = dynamic_cast<ui::Edit*>(control))
        edit->SetText(text);
    else if (auto* label = dynamic_cast<ui::Label*>(control))
        label->SetCaption(text);
    else
        RaiseError(VK_ERR_BAD_CONTROL_TYPE);
}

std::vector<ui::Edit*> EditsOf(const VkControlBinding& binding) {
    std::vector<ui::Edit*> edits;
    for (ui::Control* control : binding.controls) {
        auto* edit = dynamic_cast<ui::Edit*>(control);
        if (edit == nullptr) RaiseError(VK_ERR_BAD_CONTROL_TYPE);
        edits.push_back(edit);
    }
    return edits;
}

// The list entry of a check box's value: every entry but the first checks
// the box; only the first two are understood (the box writes one of them).
int CheckEntryOf(const VkOptionList& list, const std::string& text) {
    int index = list.IndexOfText(text);
    if (index < 0) index = list.IndexOfValue(text);
    return index;
}

std::vector<bool> CheckedStates(const VkControlBinding& binding) {
    std::vector<bool> states;
    for (ui::Control* control : binding.controls) {
        auto* box = dynamic_cast<ui::CheckBox*>(control);
        states.push_back(box != nullptr && box->Checked());
    }
    return states;
}

}  // namespace

bool VkSNMPRequest2Edits::IsWholeValue(const VkControlBinding& binding) const {
    return binding.partOffset == 0 && binding.partSyntax == request.vars.Item(binding.item)->syntax;
}

const VkOptionList* VkSNMPRequest2Edits::ListOf(const VkControlBinding& binding) const {
    if (binding.options != nullptr || !IsWholeValue(binding)) return binding.options;
    return request.vars.Item(binding.item)->options;
}

// ---- showing ---------------------------------------------------------------------

void VkSNMPRequest2Edits::ValuesToControls(int item) {
    if (item == -1) {
        notUnderstood_.clear();
        picked_.clear();
    } else {
        notUnderstood_.erase(item);
        picked_.erase(std::remove(picked_.begin(), picked_.end(), item), picked_.end());
    }
    // By index: a page's click handler run by a shown value may unbind.
    for (size_t b = 0; b < bindings.size(); ++b) {
        VkControlBinding& binding = *bindings[b];
        if (item != -1 && binding.item != item) continue;
        if (request.vars.Item(binding.item)->access & VkSNMPAccess::invalid) continue;
        VkControlBinding shown = binding;
        bool understood = ShowBinding(binding);
        if (!understood || IsMarked(shown.item)) NoteNotUnderstood(shown);
    }
}

bool VkSNMPRequest2Edits::ShowBinding(VkControlBinding& binding) {
    const VkSNMPVarItem& variable = *request.vars.Item(binding.item);
    std::string text = DeviceText(variable);
    std::string octets = TextToOctets(text, variable.syntax);
    if (!IsWholeValue(binding)) {
        octets = ExtractPart(octets, binding.partOffset, binding.partSyntax);
        text = OctetsToText(octets, binding.partSyntax);
    }
    const VkOptionList* list = ListOf(binding);
    if (list != nullptr) text = list->ValueToText(text);

    ui::Control* first = binding.controls.front();
    bool understood = true;
    if (auto* label = dynamic_cast<ui::Label*>(first)) {
        label->SetCaption(text);
    } else if (dynamic_cast<ui::CheckBox*>(first) != nullptr && !binding.bitList.empty()) {
        std::vector<bool> bits = BitsOfOctets(octets, binding.bitList);
        for (size_t k = 0; k < bits.size(); ++k)
            if (auto* box = dynamic_cast<ui::CheckBox*>(binding.controls[k])) box->SetChecked(bits[k]);
    } else if (auto* box = dynamic_cast<ui::CheckBox*>(first)) {
        if (list != nullptr) {
            const int entry = CheckEntryOf(*list, text);
            understood = entry == 0 || entry == 1;
            box->SetChecked(entry > 0);
        } else if (IsTruthSyntax(binding.partSyntax)) {
            understood = text == "true" || text == "false";
            box->SetChecked(text == "true");
        } else {
            RaiseError(VK_ERR_BAD_PART_SYNTAX);
        }
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(first)) {
        ComboBoxItems items(*combo);
        RequireList(list).SelectInComboBox(items, text);
        understood = combo->ItemIndex() >= 0;
        if (binding.controls.size() > 1) {
            // The rest after the selected prefix (and after its dot for an OID).
            size_t cut = combo->ItemIndex() >= 0 ? combo->ItemText(combo->ItemIndex()).size() : 0;
            std::string rest = cut < text.size() ? text.substr(cut) : std::string();
            if (binding.partSyntax == VkSNMPSyntax::objectid && !rest.empty()) rest.erase(0, 1);
            SetTextOf(binding.controls[1], rest);
        }
    } else if (auto* group = dynamic_cast<ui::RadioGroup*>(first)) {
        RadioGroupItems items(*group);
        RequireList(list).SelectInRadioGroup(items, text);
        understood = group->ItemIndex() >= 0;
    } else if (dynamic_cast<ui::Edit*>(first) != nullptr) {
        std::vector<ui::Edit*> edits = EditsOf(binding);
        std::vector<std::string> texts;
        for (ui::Edit* edit : edits) texts.push_back(edit->Text());
        if (edits.size() == 1)
            texts[0] = text;
        else
            ShowOverEdits(binding.partSyntax, text, octets, texts);
        for (size_t k = 0; k < edits.size(); ++k) {
            edits[k]->SetText(texts[k]);
            // A rejected entry brings back what the device gave.
            constraints.RememberText(edits[k]);
        }
    } else {
        RaiseError(VK_ERR_BAD_CONTROL_TYPE);
    }
    return understood;
}

// ---- collecting ------------------------------------------------------------------

void VkSNMPRequest2Edits::ControlsToValues(int item) {
    for (int i = 0; i < request.vars.Count(); ++i) {
        if (item != -1 && i != item) continue;
        if (request.vars.IsWritable(i)) CollectVariable(i);
    }
}

void VkSNMPRequest2Edits::CollectVariable(int item) {
    VkSNMPVarItem& variable = *request.vars.Item(item);
    std::string text = DeviceText(variable);
    std::string octets = TextToOctets(text, variable.syntax);
    bool bound = false;
    for (size_t b = 0; b < bindings.size(); ++b) {
        VkControlBinding& binding = *bindings[b];
        if (binding.item != item) continue;
        // An old text never shows through a shorter new one.
        if (!bound && variable.syntax == VkSNMPSyntax::displaystr) octets.clear();
        bound = true;
        std::string part;
        if (dynamic_cast<ui::CheckBox*>(binding.controls.front()) != nullptr && !binding.bitList.empty()) {
            part = OctetsOfBits(binding.bitList, CheckedStates(binding));
        } else {
            const VkOptionList* list = ListOf(binding);
            std::string partText = CollectPart(binding, list);
            if (list != nullptr) partText = list->TextToValue(partText);
            part = TextToOctets(partText, binding.partSyntax);
        }
        PutPart(octets, binding.partOffset, part);
    }
    if (!bound) return;  // a writable variable without binding keeps its value
    variable.value = OctetsToText(octets, variable.syntax);
    if (variable.options != nullptr) variable.value = variable.options->ValueToText(variable.value);
}

std::string VkSNMPRequest2Edits::CollectPart(VkControlBinding& binding, const VkOptionList* list) {
    ui::Control* first = binding.controls.front();
    if (auto* label = dynamic_cast<ui::Label*>(first)) return label->Caption();
    if (auto* box = dynamic_cast<ui::CheckBox*>(first)) {
        if (list != nullptr) return list->Item(box->Checked() ? 1 : 0).text;
        if (!IsTruthSyntax(binding.partSyntax)) RaiseError(VK_ERR_BAD_PART_SYNTAX);
        return box->Checked() ? "true" : "false";
    }
    if (auto* combo = dynamic_cast<ui::ComboBox*>(first)) {
        std::string text = combo->ItemIndex() >= 0 ? combo->ItemText(combo->ItemIndex()) : std::string();
        if (binding.controls.size() > 1) {
            if (binding.partSyntax == VkSNMPSyntax::objectid) text += ".";
            text += TextOf(binding.controls[1]);
        }
        return text;
    }
    if (auto* group = dynamic_cast<ui::RadioGroup*>(first)) return group->ItemText(group->ItemIndex());
    if (dynamic_cast<ui::Edit*>(first) != nullptr) {
        std::vector<ui::Edit*> edits = EditsOf(binding);
        if (edits.size() == 1) return edits[0]->Text();
        std::vector<std::string> texts;
        for (ui::Edit* edit : edits) texts.push_back(edit->Text());
        return CollectFromEdits(binding.partSyntax, texts);
    }
    RaiseError(VK_ERR_BAD_CONTROL_TYPE);
}
