#include "platform/ui/group_box.h"

#include <QGroupBox>

#include "platform/ui/text.h"

namespace ui {

GroupBox::GroupBox(Control* parent) : Control(parent, parent, new QGroupBox) {}

std::string GroupBox::Caption() const { return FromQt(static_cast<QGroupBox*>(Widget())->title()); }

void GroupBox::SetCaption(const std::string& caption) {
    static_cast<QGroupBox*>(Widget())->setTitle(ToQt(caption));
}

}  // namespace ui
