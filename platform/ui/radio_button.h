#pragma once
// A single radio button; the radio buttons of one parent exclude each other.
// OnClick runs when the button becomes checked, by the user or the program.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class RadioButton : public Control {
public:
    explicit RadioButton(Control* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    bool Checked() const;
    void SetChecked(bool checked);

    NotifyEvent OnClick;
};

}  // namespace ui
