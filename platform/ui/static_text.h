#pragma once
// A label in a sunken frame.

#include "platform/ui/label.h"

namespace ui {

class StaticText : public Label {
public:
    explicit StaticText(Control* parent);
};

}  // namespace ui
