#pragma once
// A single radio button; the radio buttons of one parent exclude each other.
// OnClick runs when the button becomes checked, by the user or the program.

#include "platform/ui/toggle_button.h"

namespace ui {

class RadioButton : public ToggleButton {
public:
    explicit RadioButton(Control* parent);

    void SetChecked(bool checked);
};

}  // namespace ui
