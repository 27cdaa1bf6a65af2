#pragma once
// One binding of a variable (or a part of its value) to one or more controls.
// The class of the first control decides how the value is shown and
// collected. A whole-value binding has offset 0 and the variable's own syntax.

#include <cstdint>
#include <vector>

#include "library/common/option_list.h"
#include "platform/ui/events.h"

namespace ui {
class Control;
}  // namespace ui

struct VkControlBinding {
    int32_t item = 0;                       // the variable's index in the request's list
    int32_t partOffset = 0;                 // byte offset of the part in the value's octets
    int32_t partSyntax = 0;                 // syntax of the part (the variable's for a whole value)
    const VkOptionList* options = nullptr;  // the part's list; null: the variable's own for a whole value
    int32_t controlCount = 0;
    std::vector<int> bitList;  // bit numbers of check boxes bound to single bits; empty otherwise
    std::vector<ui::Control*> controls;
    // Each control's own change (combo box) or click (check box, radio group)
    // event, saved when the binding hooked the control.
    std::vector<ui::NotifyEvent> savedHandlers;
    // Whether this binding hooked the control (a control bound twice is
    // hooked by its first binding only).
    std::vector<bool> hooked;
};
