#pragma once
// What a control shows, as one text: an edit's or label's text, a check
// box's state, a combo box's or radio group's selected position. Two equal
// states mean the control shows the same; the binding compares them to tell
// a control the user left alone from one that was changed.

#include <string>

namespace ui {
class Control;
}

std::string ControlState(const ui::Control* control);
