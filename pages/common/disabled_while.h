#pragma once
// Disables a control for the length of an operation and enables it again
// however the operation ends, an exception included.

namespace ui {
class Control;
}

class DisabledWhile {
public:
    explicit DisabledWhile(ui::Control* control);
    ~DisabledWhile();
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

private:
    ui::Control* control_;
};
