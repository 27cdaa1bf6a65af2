#include "platform/ui/check_box.h"

#include <QCheckBox>

#include "platform/ui/handler_call.h"

namespace ui {

CheckBox::CheckBox(Control* parent) : ToggleButton(parent, new QCheckBox) {
    // toggled reports the program's changes as well as the user's.
    QObject::connect(Button(), &QAbstractButton::toggled, [this] { Notify(OnClick, this); });
}

void CheckBox::SetChecked(bool checked) { Button()->setChecked(checked); }

}  // namespace ui
