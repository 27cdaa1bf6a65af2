#include "platform/ui/panel.h"

#include <QFrame>

namespace ui {

Panel::Panel(Control* parent) : Control(parent, parent, new QFrame) {}

void Panel::SetBevel(Bevel bevel) {
    bevel_ = bevel;
    auto* frame = static_cast<QFrame*>(Widget());
    switch (bevel) {
        case Bevel::None: frame->setFrameStyle(QFrame::NoFrame); break;
        case Bevel::Raised: frame->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
        case Bevel::Lowered: frame->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
}

}  // namespace ui
