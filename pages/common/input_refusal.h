#pragma once
// How a page refuses input: a message box with the reason and an OK button,
// then the focus on the control to correct. Both return false, so that a
// check can end with `return Refuse(...)`.

#include <string>

namespace ui {
class Control;
class Edit;
}  // namespace ui

// focus null: the focus stays where it is.
bool Refuse(const std::string& text, const std::string& caption, ui::Control* focus);
// As Refuse, after emptying the edit.
bool RefuseAndClear(const std::string& text, const std::string& caption, ui::Edit* edit);
