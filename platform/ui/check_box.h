#pragma once
// A check box. OnClick runs on every change of the checked state: the user's
// click and also the program's SetChecked when it changes the state (pages rely
// on their click logic running when a read shows a value). Setting the state
// it already has runs nothing.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class CheckBox : public Control {
public:
    explicit CheckBox(Control* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    bool Checked() const;
    void SetChecked(bool checked);

    NotifyEvent OnClick;
};

}  // namespace ui
