#include "platform/ui/scroll_box.h"

#include <QChildEvent>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>

namespace ui {

// Keeps the scrolled area as large as its children reach when children come
// and go (the program's moves arrive through ChildChanged).
class ScrollRangeWatcher : public QObject {
public:
    explicit ScrollRangeWatcher(ScrollBox* box) : QObject(box->area_), box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ChildAdded:
            case QEvent::ChildRemoved:
                if (box_->Alive()) box_->UpdateRange();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ScrollBox* box_;
};

ScrollBox::ScrollBox(Control* parent) : Control(parent, parent, new QScrollArea), area_(new QWidget) {
    auto* scroll = static_cast<QScrollArea*>(Widget());
    scroll->setWidget(area_);
    scroll->setWidgetResizable(false);
    area_->installEventFilter(new ScrollRangeWatcher(this));
    UpdateRange();
}

QWidget* ScrollBox::ClientArea() const { return area_; }

void ScrollBox::ChildChanged(Control* child) {
    Control::ChildChanged(child);
    UpdateRange();
}

int ScrollBox::RangeWidth() const { return area_->width(); }
int ScrollBox::RangeHeight() const { return area_->height(); }

void ScrollBox::UpdateRange() {
    QRect reach;
    for (QObject* child : area_->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isHidden()) reach |= widget->geometry();
    }
    QSize size(std::max(reach.right() + 1, 0), std::max(reach.bottom() + 1, 0));
    if (area_->size() != size) area_->resize(size);
}

}  // namespace ui
