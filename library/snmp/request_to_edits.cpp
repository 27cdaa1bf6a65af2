// VkSNMPRequest2Edits: construction, the hooks of a read and a write, the
// binding operations and change tracking.

#include "library/snmp/request_to_edits.h"

#include <algorithm>

#include "library/common/messages.h"
#include "library/snmp/choice_items.h"
#include "library/snmp/num_list.h"
#include "platform/ui/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_group.h"

namespace {

// The number of edits a BindEdits format binds: one per "%" followed by one
// of the letters s, h, i, u, f and n.
// A "%" at the end ends the scan; options in braces after a conversion
// (and the delimiter of an n conversion) are skipped.
int CountEditConversions(const std::string& format) {
    int count = 0;
    size_t i = format.find('%');
    while (i != std::string::npos && i + 1 < format.size()) {
        char letter = format[i + 1];
        size_t next = i + 2;
        if (std::string("shiufn").find(letter) != std::string::npos) {
            ++count;
            if (letter == 'n') ++next;
            if (next < format.size() && format[next] == '{') {
                size_t close = format.find('}', next);
                next = close == std::string::npos ? format.size() : close + 1;
            }
        }
        i = format.find('%', next);
    }
    return count;
}

// The event that change tracking takes over: a combo box's change event, a
// check box's or radio group's click event; null for other controls.
ui::NotifyEvent* ChangeEventOf(ui::Control* control) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) return &combo->OnChange;
    if (auto* check = dynamic_cast<ui::CheckBox*>(control)) return &check->OnClick;
    if (auto* group = dynamic_cast<ui::RadioGroup*>(control)) return &group->OnClick;
    return nullptr;
}

}  // namespace

VkSNMPRequest2Edits::VkSNMPRequest2Edits(ui::Control* owner)
    : VkSNMPRequest2Controls(owner), constraints(owner, true) {}

VkSNMPRequest2Edits::~VkSNMPRequest2Edits() {
    for (auto& binding : bindings)
        for (int k = 0; k < binding->controlCount; ++k) UnhookControl(*binding, k);
    if (listView != nullptr) listView->OnSelectItem = savedOnSelectItem;
}

// ---- hooks of Get and Set ---------------------------------------------------------

void VkSNMPRequest2Edits::BeforeGet() {
    if (listView != nullptr) {
        PrepareColumns();
        listView->ClearItems();
        rowMarks_.clear();
    }
    if (OnBeforeGet) OnBeforeGet();
}

void VkSNMPRequest2Edits::BeforeSet() {
    if (OnBeforeSet) OnBeforeSet();
}

void VkSNMPRequest2Edits::AddRow() {
    if (listView == nullptr) {
        shownMarks_ = MarksOfLastAnswer();
        ValuesToControls(-1);
        return;
    }
    AddListRow();
    ui::Application::Instance()->ProcessMessages();  // the view paints while a walk runs
}

void VkSNMPRequest2Edits::CollectValues() {
    for (int i = 0; i < request.vars.Count(); ++i) request.vars.Item(i)->value.clear();
    if (listView != nullptr) SelectedRowToValues();
    for (int i = 0; i < request.vars.Count(); ++i)
        if (request.vars.IsWritable(i) && !LeftOutOfWrite(i)) CollectVariable(i);
}

void VkSNMPRequest2Edits::AfterGet() {
    modified = false;
    if (listView != nullptr && enableOnSelect && request.vars.kind == MVT_FMV) EnableControls(false);
    if (OnAfterGet) OnAfterGet();
}

void VkSNMPRequest2Edits::AfterSet() {
    if (OnAfterSet) OnAfterSet();
}

// ---- binding operations -------------------------------------------------------------

void VkSNMPRequest2Edits::BindLabel(int item, ui::Control* control) {
    AddBinding(item, 0, request.vars.Item(item)->syntax, nullptr, control, nullptr);
}

void VkSNMPRequest2Edits::BindCheckBox(int item, ui::Control* control) {
    AddBinding(item, 0, request.vars.Item(item)->syntax, nullptr, control, nullptr);
}

void VkSNMPRequest2Edits::BindComboBox(int item, ui::ComboBox* comboBox) {
    comboBox->SetStyle(ui::ComboStyle::DropDownList);
    AddBinding(item, 0, request.vars.Item(item)->syntax, nullptr, comboBox, nullptr);
}

void VkSNMPRequest2Edits::BindEdits(int item, const std::string& format, ui::Edit* first,
                                    const std::vector<ui::Edit*>& further) {
    const int syntax = request.vars.Item(item)->syntax;
    std::vector<ui::Edit*> edits{first};
    edits.insert(edits.end(), further.begin(), further.end());
    constraints.AttachAll(format, edits);
    edits.resize(std::min(edits.size(), static_cast<size_t>(CountEditConversions(format))));
    if (edits.empty()) return;
    AddBindingList(item, 0, syntax, nullptr, format, std::vector<ui::Control*>(edits.begin(), edits.end()));
}

void VkSNMPRequest2Edits::BindParts(int item, const std::string& partList,
                                    const std::vector<ui::Control*>& controls) {
    AddPartsBinding(item, 0, request.vars.Item(item)->syntax, nullptr, partList, controls);
}

void VkSNMPRequest2Edits::Unbind(int item) {
    for (auto it = bindings.begin(); it != bindings.end();) {
        VkControlBinding& binding = **it;
        if (binding.item != item) {
            ++it;
            continue;
        }
        for (int k = 0; k < binding.controlCount; ++k) {
            if (auto* edit = dynamic_cast<ui::Edit*>(binding.controls[k])) constraints.Detach(edit);
            UnhookControl(binding, k);
        }
        it = bindings.erase(it);
    }
}

void VkSNMPRequest2Edits::SetConstraintOwner(ui::Control* owner) {
    constraints.SetOwner(owner);
}

void VkSNMPRequest2Edits::AddBinding(int item, int partOffset, int partSyntax, const VkOptionList* options,
                                     ui::Control* control, ui::Control* second) {
    const VkSNMPVarItem& variable = *request.vars.Item(item);
    bool whole = partOffset == 0 && partSyntax == variable.syntax;
    const VkOptionList* fill = options != nullptr || !whole ? options : variable.options;
    if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) {
        if (fill == nullptr) RaiseError(VK_ERR_NO_OPTION_LIST);
        ComboBoxItems items(*combo);
        fill->FillComboBox(items);
        if (fill->kind == OPT_PREFIX && second == nullptr) RaiseError(VK_ERR_TOO_FEW_CONTROLS);
    } else if (auto* group = dynamic_cast<ui::RadioGroup*>(control)) {
        if (fill == nullptr) RaiseError(VK_ERR_NO_OPTION_LIST);
        RadioGroupItems items(*group);
        fill->FillRadioGroup(items);
    }
    auto binding = std::make_unique<VkControlBinding>();
    binding->item = item;
    binding->partOffset = partOffset;
    binding->partSyntax = partSyntax;
    binding->options = options;
    binding->controls = {control};
    if (second != nullptr) binding->controls.push_back(second);
    AppendBinding(std::move(binding));
}

void VkSNMPRequest2Edits::AddBindingList(int item, int partOffset, int partSyntax,
                                         const VkOptionList* options, const std::string& /*format*/,
                                         const std::vector<ui::Control*>& controls) {
    request.vars.Item(item);  // the item must exist
    auto binding = std::make_unique<VkControlBinding>();
    binding->item = item;
    binding->partOffset = partOffset;
    binding->partSyntax = partSyntax;
    binding->options = options;
    binding->controls = controls;
    AppendBinding(std::move(binding));
}

void VkSNMPRequest2Edits::AddPartsBinding(int item, int partOffset, int partSyntax,
                                          const VkOptionList* options, const std::string& partList,
                                          const std::vector<ui::Control*>& controls) {
    request.vars.Item(item);
    VkNumList<int> bits(',');
    bits.Parse(partList);
    if (controls.size() < static_cast<size_t>(bits.count()))
        ui::ThrowListIndexError(static_cast<int>(controls.size()));
    auto binding = std::make_unique<VkControlBinding>();
    binding->item = item;
    binding->partOffset = partOffset;
    binding->partSyntax = partSyntax;
    binding->options = options;
    binding->bitList = bits.items();
    binding->controls.assign(controls.begin(), controls.begin() + bits.count());
    AppendBinding(std::move(binding));
}

void VkSNMPRequest2Edits::AppendBinding(std::unique_ptr<VkControlBinding> binding) {
    binding->controlCount = static_cast<int32_t>(binding->controls.size());
    binding->savedHandlers.resize(binding->controls.size());
    binding->hooked.assign(binding->controls.size(), false);
    for (int k = 0; k < binding->controlCount; ++k) HookControl(*binding, k);
    bindings.push_back(std::move(binding));
}

void VkSNMPRequest2Edits::EnableControls(bool enabled) {
    for (auto& binding : bindings)
        for (ui::Control* control : binding->controls) control->SetEnabled(enabled);
}

// ---- change tracking ---------------------------------------------------------------

bool VkSNMPRequest2Edits::IsHookedElsewhere(const ui::Control* control) const {
    for (const auto& binding : bindings)
        for (size_t k = 0; k < binding->controls.size(); ++k)
            if (binding->controls[k] == control && binding->hooked[k]) return true;
    return false;
}

void VkSNMPRequest2Edits::HookControl(VkControlBinding& binding, int k) {
    ui::Control* control = binding.controls[k];
    ui::NotifyEvent* event = ChangeEventOf(control);
    if (event == nullptr || binding.hooked[k] || IsHookedElsewhere(control)) return;
    binding.savedHandlers[k] = *event;
    *event = [this](ui::Component* sender) { OnControlChange(sender); };
    binding.hooked[k] = true;
}

void VkSNMPRequest2Edits::UnhookControl(VkControlBinding& binding, int k) {
    if (!binding.hooked[k]) return;
    if (ui::NotifyEvent* event = ChangeEventOf(binding.controls[k])) *event = binding.savedHandlers[k];
    binding.savedHandlers[k] = nullptr;
    binding.hooked[k] = false;
}

void VkSNMPRequest2Edits::OnControlChange(ui::Component* sender) {
    NotePicked(sender);
    // Copies first: a page's handler may unbind.
    std::vector<ui::NotifyEvent> handlers;
    for (const auto& binding : bindings)
        for (size_t k = 0; k < binding->controls.size(); ++k)
            if (binding->controls[k] == sender && binding->hooked[k] && binding->savedHandlers[k])
                handlers.push_back(binding->savedHandlers[k]);
    for (const ui::NotifyEvent& handler : handlers) {
        handler(sender);
        modified = true;
    }
}
