#pragma once
// A plain area that holds other controls, with an optional raised or lowered
// bevel. Panels are what Align is mostly used with.

#include "platform/ui/control.h"

namespace ui {

enum class Bevel { None, Raised, Lowered };

class Panel : public Control {
public:
    explicit Panel(Control* parent);

    Bevel BevelStyle() const { return bevel_; }
    void SetBevel(Bevel bevel);

private:
    Bevel bevel_ = Bevel::None;
};

}  // namespace ui
