#include "platform/ui/shape.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace ui {

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(Shape* shape) : shape_(shape) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (!shape_->Alive()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        Color c = shape_->brush_;
        painter.setBrush(QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
        painter.setPen(shape_->pen_ ? QPen(Qt::black) : QPen(Qt::NoPen));
        QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        switch (shape_->type_) {
            case ShapeType::Rectangle: painter.drawRect(area); break;
            case ShapeType::Ellipse: painter.drawEllipse(area); break;
            case ShapeType::Circle: {
                qreal side = std::min(area.width(), area.height());
                painter.drawEllipse(QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side));
                break;
            }
        }
    }

private:
    Shape* shape_;
};

Shape::Shape(Control* parent) : Control(parent, parent, new ShapeWidget(this)) {}

// A change repaints the shape; setting what it shows already repaints nothing
// (the main window sets its lamps on every blink tick).
void Shape::SetType(ShapeType type) {
    if (type == type_) return;
    type_ = type;
    Widget()->update();
}

void Shape::SetBrushColor(Color color) {
    if (color == brush_) return;
    brush_ = color;
    Widget()->update();
}

void Shape::SetPen(bool pen) {
    if (pen == pen_) return;
    pen_ = pen;
    Widget()->update();
}

}  // namespace ui
