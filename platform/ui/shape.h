#pragma once
// A filled figure (the status lamps of the main window): its brush colour can
// be read back, and the outline can be left out.

#include "platform/ui/control.h"

namespace ui {

enum class ShapeType { Rectangle, Circle, Ellipse };

class Shape : public Control {
public:
    explicit Shape(Control* parent);

    ShapeType Type() const { return type_; }
    void SetType(ShapeType type);

    Color BrushColor() const { return brush_; }
    void SetBrushColor(Color color);

    // With no pen the figure has no outline.
    bool HasPen() const { return pen_; }
    void SetPen(bool pen);

private:
    friend class ShapeWidget;
    ShapeType type_ = ShapeType::Rectangle;
    Color brush_ = kColorWhite;
    bool pen_ = true;
};

}  // namespace ui
