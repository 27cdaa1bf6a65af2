#include "platform/ui/toggle_button.h"

#include <QAbstractButton>

#include "platform/ui/text.h"

namespace ui {

ToggleButton::ToggleButton(Control* parent, QAbstractButton* button)
    : Control(parent, parent, button) {}

QAbstractButton* ToggleButton::Button() const { return static_cast<QAbstractButton*>(Widget()); }

std::string ToggleButton::Caption() const { return FromQt(Button()->text()); }
void ToggleButton::SetCaption(const std::string& caption) { Button()->setText(ToQt(caption)); }

bool ToggleButton::Checked() const { return Button()->isChecked(); }

}  // namespace ui
