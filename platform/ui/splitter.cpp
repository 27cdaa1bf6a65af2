#include "platform/ui/splitter.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {

bool Horizontal(Align edge) { return edge == Align::Left || edge == Align::Right; }

}  // namespace

class SplitterWidget : public QWidget {
public:
    explicit SplitterWidget(Splitter* splitter) : splitter_(splitter) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { last_ = Position(event); }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) || !splitter_->Alive()) return;
        int now = Position(event);
        splitter_->MoveBy(now - last_);
        last_ = Position(event);  // the bar has moved under the mouse
    }

private:
    int Position(const QMouseEvent* event) const {
        QPoint global = event->globalPosition().toPoint();
        return Horizontal(splitter_->Alignment()) ? global.x() : global.y();
    }

    Splitter* splitter_;
    int last_ = 0;
};

Splitter::Splitter(Control* parent, Align edge) : Control(parent, parent, new SplitterWidget(this)) {
    Widget()->setCursor(Horizontal(edge) ? Qt::SplitHCursor : Qt::SplitVCursor);
    if (Horizontal(edge)) {
        SetWidth(3);
    } else {
        SetHeight(3);
    }
    SetAlign(edge);
}

// The control aligned to the same edge that was placed just before this bar,
// i.e. the one between the bar and the edge.
Control* Splitter::Neighbour() const {
    Control* neighbour = nullptr;
    for (int i = 0; i < Parent()->ComponentCount(); ++i) {
        auto* control = dynamic_cast<Control*>(Parent()->ComponentAt(i));
        if (control == this) break;
        if (control != nullptr && control->Parent() == Parent() && control->Alignment() == Alignment() &&
            control->Visible()) {
            neighbour = control;
        }
    }
    return neighbour;
}

void Splitter::MoveBy(int delta) {
    Control* neighbour = Neighbour();
    if (neighbour == nullptr || delta == 0) return;
    switch (Alignment()) {
        case Align::Left: neighbour->SetWidth(std::max(neighbour->Width() + delta, 0)); break;
        case Align::Right: neighbour->SetWidth(std::max(neighbour->Width() - delta, 0)); break;
        case Align::Top: neighbour->SetHeight(std::max(neighbour->Height() + delta, 0)); break;
        case Align::Bottom: neighbour->SetHeight(std::max(neighbour->Height() - delta, 0)); break;
        default: break;
    }
}

}  // namespace ui
