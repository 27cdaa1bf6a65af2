#pragma once
// A push button. OnClick runs when the user clicks it, presses Space or
// Return on it, and on Click(). A button with a modal result sets it on its form when
// clicked, before OnClick runs. OnKeyDown sees the keys pressed while it has
// the focus first; a key it consumes presses nothing.

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/keys.h"

namespace ui {

class Button : public Control {
public:
    explicit Button(Control* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Clicks the button as the user would.
    void Click();

    NotifyEvent OnClick;
    KeyEvent OnKeyDown;

private:
    friend class ButtonWidget;
    void Clicked();
    bool KeyDown(int& key, unsigned shift);

    int modalResult_ = 0;
};

}  // namespace ui
