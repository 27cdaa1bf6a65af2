#pragma once
// A check box. OnClick runs on every change of the checked state: the user's
// click and also the program's SetChecked when it changes the state (pages rely
// on their click logic running when a read shows a value). Setting the state
// it already has runs nothing.

#include "platform/ui/toggle_button.h"

namespace ui {

class CheckBox : public ToggleButton {
public:
    explicit CheckBox(Control* parent);

    void SetChecked(bool checked);
};

}  // namespace ui
