#pragma once
// What check boxes and radio buttons share: a caption, a checked state and a
// click event. Each kind decides when OnClick runs.

#include <string>

#include "platform/ui/control.h"

class QAbstractButton;

namespace ui {

class ToggleButton : public Control {
public:
    std::string Caption() const;
    void SetCaption(const std::string& caption);

    bool Checked() const;

    NotifyEvent OnClick;

protected:
    ToggleButton(Control* parent, QAbstractButton* button);
    QAbstractButton* Button() const;
};

}  // namespace ui
