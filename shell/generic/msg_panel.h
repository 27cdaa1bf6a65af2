#pragma once
// The message panel of a generic view: a read-only memo, 50 pixels high, that
// the view's request writes its status lines and errors into.

#include "platform/ui/panel.h"

namespace ui {
class Memo;
}

class TMsgPanel : public ui::Panel {
public:
    explicit TMsgPanel(ui::Control* owner);

    ui::Memo* Memo;
};
