#pragma once
// A bar the user drags to resize the aligned control beside it. The splitter
// is aligned to the same edge as that control and created after it, so it
// sits between that control and the rest of the parent's area.

#include "platform/ui/control.h"

namespace ui {

class Splitter : public Control {
public:
    // Aligned to `edge` (Left, Right, Top or Bottom), 3 pixels thick.
    Splitter(Control* parent, Align edge);

    // Moves the bar by `delta` pixels (positive: right or down), as a drag
    // does; the control beside it grows or shrinks, never below 0.
    void MoveBy(int delta);

private:
    friend class SplitterWidget;
    Control* Neighbour() const;
};

}  // namespace ui
