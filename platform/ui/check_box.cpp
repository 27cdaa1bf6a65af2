#include "platform/ui/check_box.h"

#include <QCheckBox>

#include "platform/ui/handler_call.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QCheckBox* Box(const Control* control) { return static_cast<QCheckBox*>(control->Widget()); }

}  // namespace

CheckBox::CheckBox(Control* parent) : Control(parent, parent, new QCheckBox) {
    // toggled reports the program's changes as well as the user's.
    QObject::connect(Box(this), &QCheckBox::toggled, [this] { Notify(OnClick, this); });
}

std::string CheckBox::Caption() const { return FromQt(Box(this)->text()); }
void CheckBox::SetCaption(const std::string& caption) { Box(this)->setText(ToQt(caption)); }

bool CheckBox::Checked() const { return Box(this)->isChecked(); }
void CheckBox::SetChecked(bool checked) { Box(this)->setChecked(checked); }

}  // namespace ui
