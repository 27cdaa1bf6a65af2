#include "platform/ui/radio_button.h"

#include <QRadioButton>

#include "platform/ui/handler_call.h"

namespace ui {

RadioButton::RadioButton(Control* parent) : ToggleButton(parent, new QRadioButton) {
    QObject::connect(Button(), &QAbstractButton::toggled, [this](bool checked) {
        if (checked) Notify(OnClick, this);
    });
}

void RadioButton::SetChecked(bool checked) {
    QAbstractButton* radio = Button();
    if (checked || !radio->autoExclusive()) {
        radio->setChecked(checked);
        return;
    }
    // An auto-exclusive button cannot be cleared directly.
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

}  // namespace ui
