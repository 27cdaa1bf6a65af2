#pragma once
// An area that scrolls over the controls placed in it: its range grows to
// cover every child control, and scroll bars appear when the box is smaller.

#include "platform/ui/control.h"

namespace ui {

class ScrollBox : public Control {
public:
    explicit ScrollBox(Control* parent);

    // The size of the scrolled area (the children's extent).
    int RangeWidth() const;
    int RangeHeight() const;

protected:
    QWidget* ClientArea() const override;
    void ChildChanged(Control* child) override;

private:
    friend class ScrollRangeWatcher;
    void UpdateRange();

    QWidget* area_;
};

}  // namespace ui
