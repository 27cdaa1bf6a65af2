#include "platform/ui/static_text.h"

#include <QLabel>

namespace ui {

StaticText::StaticText(Control* parent) : Label(parent) {
    static_cast<QLabel*>(Widget())->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetAutoSize(false);
}

}  // namespace ui
