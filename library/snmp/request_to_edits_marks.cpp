// VkSNMPRequest2Edits: the values the controls cannot show. Each is noted
// with what its controls showed for it; a write leaves it out while they
// still show that, and always leaves out a cell the walked row lacked.

#include <algorithm>

#include "library/snmp/control_state.h"
#include "library/snmp/request_to_edits.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_group.h"

namespace {

bool Holds(const std::vector<int>& items, int item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

VkSNMPRequest2Edits::RowMarks VkSNMPRequest2Edits::MarksOfLastAnswer() const {
    RowMarks marks;
    for (int i = 0; i < request.vars.Count(); ++i) {
        if (request.CellMissing(i)) marks.missing.push_back(i);
        if (request.Mistyped(i)) marks.mistyped.push_back(i);
    }
    return marks;
}

bool VkSNMPRequest2Edits::IsMarked(int item) const {
    return Holds(shownMarks_.missing, item) || Holds(shownMarks_.mistyped, item);
}

void VkSNMPRequest2Edits::NoteNotUnderstood(const VkControlBinding& binding) {
    std::vector<ShownState>& states = notUnderstood_[binding.item];
    for (ui::Control* control : binding.controls) states.push_back({control, ControlState(control)});
}

std::vector<int> VkSNMPRequest2Edits::NotUnderstood() const {
    std::vector<int> items;
    for (const auto& noted : notUnderstood_) items.push_back(noted.first);
    return items;
}

// Whether the control is one only the user's pick changes (the program's
// own selection, a default, does not count).
static bool IsPickedControl(const ui::Control* control) {
    return dynamic_cast<const ui::ComboBox*>(control) != nullptr ||
           dynamic_cast<const ui::RadioGroup*>(control) != nullptr;
}

bool VkSNMPRequest2Edits::LeftOutOfWrite(int item) {
    bool leftOut = listView != nullptr && listView->Selected() != nullptr && Holds(shownMarks_.missing, item);
    auto noted = notUnderstood_.find(item);
    if (!leftOut && noted != notUnderstood_.end()) {
        const std::vector<ShownState>& shown = noted->second;
        const bool picked = Holds(picked_, item);
        leftOut = std::all_of(shown.begin(), shown.end(), [picked](const ShownState& state) {
            return IsPickedControl(state.control) ? !picked : ControlState(state.control) == state.state;
        });
    }
    if (leftOut) request.LeaveOutOfNextWrite(item);
    return leftOut;
}

void VkSNMPRequest2Edits::NotePicked(ui::Component* sender) {
    for (const auto& binding : bindings)
        for (ui::Control* control : binding->controls)
            if (control == sender && IsPickedControl(control) && !Holds(picked_, binding->item))
                picked_.push_back(binding->item);
}
