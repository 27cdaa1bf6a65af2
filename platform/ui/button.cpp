#include "platform/ui/button.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/ui/form.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/key_translation.h"
#include "platform/ui/text.h"

namespace ui {

class ButtonWidget : public QPushButton {
public:
    explicit ButtonWidget(Button* button) : button_(button) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        int key = KeyCode(event);
        if (button_->Alive() && key != 0 && button_->KeyDown(key, ShiftOf(event)) && key == 0) return;
        // Return presses the focused button, as Space does (Qt leaves Return
        // to default buttons, and ours are none).
        if (PressesButton(*event)) {
            if (!event->isAutoRepeat()) click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

private:
    static bool PressesButton(const QKeyEvent& event) {
        bool returnKey = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
        return returnKey && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    }

    Button* button_;
};

Button::Button(Control* parent) : Control(parent, parent, new ButtonWidget(this)) {
    // Buttons of this system do not become the default button of their form.
    static_cast<QPushButton*>(Widget())->setAutoDefault(false);
    QObject::connect(static_cast<QPushButton*>(Widget()), &QPushButton::clicked, [this] { Clicked(); });
}

std::string Button::Caption() const { return FromQt(static_cast<QPushButton*>(Widget())->text()); }

void Button::SetCaption(const std::string& caption) {
    static_cast<QPushButton*>(Widget())->setText(ToQt(caption));
}

void Button::Click() { static_cast<QPushButton*>(Widget())->click(); }

void Button::Clicked() {
    if (modalResult_ != 0) {
        for (Control* c = Parent(); c != nullptr; c = c->Parent()) {
            if (auto* form = dynamic_cast<Form*>(c)) {
                form->SetModalResult(modalResult_);
                break;
            }
        }
    }
    Notify(OnClick, this);
}

// True when a handler ran; it may have consumed the key by setting it to 0.
bool Button::KeyDown(int& key, unsigned shift) {
    if (!OnKeyDown) return false;
    KeyEvent handler = OnKeyDown;
    CallHandler([&] { handler(this, key, shift); });
    return true;
}

}  // namespace ui
