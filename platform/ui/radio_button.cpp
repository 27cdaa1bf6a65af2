#include "platform/ui/radio_button.h"

#include <QRadioButton>

#include "platform/ui/handler_call.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QRadioButton* Radio(const Control* control) { return static_cast<QRadioButton*>(control->Widget()); }

}  // namespace

RadioButton::RadioButton(Control* parent) : Control(parent, parent, new QRadioButton) {
    QObject::connect(Radio(this), &QRadioButton::toggled, [this](bool checked) {
        if (checked) Notify(OnClick, this);
    });
}

std::string RadioButton::Caption() const { return FromQt(Radio(this)->text()); }
void RadioButton::SetCaption(const std::string& caption) { Radio(this)->setText(ToQt(caption)); }

bool RadioButton::Checked() const { return Radio(this)->isChecked(); }

void RadioButton::SetChecked(bool checked) {
    QRadioButton* radio = Radio(this);
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
