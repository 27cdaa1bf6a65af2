#pragma once
// A framed group with a caption; it holds other controls.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class GroupBox : public Control {
public:
    explicit GroupBox(Control* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

}  // namespace ui
