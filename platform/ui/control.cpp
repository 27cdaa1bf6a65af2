#include "platform/ui/control.h"

#include <QEvent>
#include <QWidget>

#include "platform/ui/edit_widget.h"
#include "platform/ui/focus_exit_guard.h"
#include "platform/ui/form_look.h"
#include "platform/ui/text.h"

namespace ui {

// Watches a container's client area and re-places its aligned controls when
// the area changes size.
class AlignWatcher : public QObject {
public:
    explicit AlignWatcher(Control* container) : QObject(container->ClientArea()), container_(container) {
        container->ClientArea()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && container_->Alive()) container_->Realign();
        return QObject::eventFilter(watched, event);
    }

private:
    Control* container_;
};

namespace {

QColor QtColor(Color color) {
    return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

}  // namespace

Control::Control(Component* owner, Control* parent, QWidget* widget)
    : Component(owner), parent_(parent), widget_(widget) {
    if (parent_ != nullptr) {
        widget_->setParent(parent_->ClientArea());
        widget_->setVisible(true);
    }
}

Control::~Control() {
    alive_ = false;
    // Nothing the widgets emit from now on may reach the program's handlers.
    widget_->blockSignals(true);
    for (QObject* child : widget_->findChildren<QObject*>()) child->blockSignals(true);
    DeleteOwned();
    delete widget_;
}

void Control::SetParent(Control* parent) {
    if (parent == parent_ || parent == nullptr) return;
    Control* previous = parent_;
    bool visible = Visible();
    SetOwner(parent);
    parent_ = parent;
    widget_->setParent(parent_->ClientArea());
    widget_->setVisible(visible);
    if (previous != nullptr) previous->ChildChanged(this);
    parent_->ChildChanged(this);
}

int Control::Left() const { return widget_->x(); }
int Control::Top() const { return widget_->y(); }
int Control::Width() const { return widget_->width(); }
int Control::Height() const { return widget_->height(); }

void Control::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, width, height);
    Resized();
    if (parent_ != nullptr) parent_->ChildChanged(this);
}

void Control::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void Control::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void Control::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void Control::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

bool Control::Enabled() const { return widget_->isEnabled(); }
void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool Control::Visible() const { return !widget_->isHidden(); }

void Control::SetVisible(bool visible) {
    widget_->setVisible(visible);
    if (parent_ != nullptr) parent_->ChildChanged(this);
}

void Control::ChildChanged(Control* child) {
    if (child->align_ != Align::None) Realign();
}

bool Control::Showing() const { return widget_->isVisible(); }

void Control::SetFocus() {
    QPointer<EditWidget> checked;
    if (!FocusExitGuard::AllowFocusMove(widget_, checked)) return;
    widget_->setFocus(Qt::OtherFocusReason);
    FocusExitGuard::Finish(checked);
}

bool Control::Focused() const { return widget_->hasFocus(); }

bool Control::TabStop() const { return (widget_->focusPolicy() & Qt::TabFocus) != 0; }

void Control::SetTabStop(bool tabStop) {
    Qt::FocusPolicy policy = widget_->focusPolicy();
    int bits = tabStop ? (policy | Qt::TabFocus) : (policy & ~Qt::TabFocus);
    widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(bits));
}

void Control::SetBackgroundColor(Color color) {
    color_ = color;
    ApplyPalette();
}

void Control::SetFontColor(Color color) {
    fontColor_ = color;
    ApplyPalette();
}

void Control::ApplyPalette() {
    QPalette palette = widget_->palette();
    if (color_ != kColorDefault) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(role, QtColor(color_));
        }
        widget_->setAutoFillBackground(true);
    }
    if (fontColor_ != kColorDefault) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(role, QtColor(fontColor_));
        }
    }
    widget_->setPalette(palette);
}

void Control::SetDisabledColors(Color font, Color background) {
    QPalette palette = widget_->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QtColor(font));
    }
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(QPalette::Disabled, role, QtColor(background));
    }
    widget_->setPalette(palette);
}

std::string Control::FontName() const { return FromQt(widget_->font().family()); }

void Control::SetFontName(const std::string& name) {
    QFont font = widget_->font();
    font.setFamily(ToQt(name));
    widget_->setFont(font);
}

int Control::FontSize() const { return PixelsToPoints(widget_->font().pixelSize()); }

void Control::SetFontSize(int points) {
    QFont font = widget_->font();
    font.setPixelSize(PointsToPixels(points));
    widget_->setFont(font);
}

bool Control::FontBold() const { return widget_->font().bold(); }

void Control::SetFontBold(bool bold) {
    QFont font = widget_->font();
    font.setBold(bold);
    widget_->setFont(font);
}

void Control::SetHint(const std::string& hint) {
    hint_ = hint;
    widget_->setToolTip(showHint_ ? ToQt(hint) : QString());
}

void Control::SetShowHint(bool show) {
    showHint_ = show;
    SetHint(hint_);
}

void Control::SetAlign(Align align) {
    align_ = align;
    if (parent_ == nullptr) return;
    if (parent_->alignWatcher_ == nullptr) parent_->alignWatcher_ = new AlignWatcher(parent_);
    parent_->Realign();
}

void Control::NameChanged() { widget_->setObjectName(ToQt(Name())); }

void Control::Realign() {
    QRect free = ClientArea()->rect();
    // Edges first, in creation order, then the client fill.
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (int i = 0; i < ComponentCount(); ++i) {
            auto* child = dynamic_cast<Control*>(ComponentAt(i));
            if (child == nullptr || child->parent_ != this || child->align_ != pass) continue;
            if (child->widget_->isHidden()) continue;
            QWidget* w = child->widget_;
            QSize before = w->size();
            switch (pass) {
                case Align::Top:
                    w->setGeometry(free.left(), free.top(), free.width(), w->height());
                    free.setTop(free.top() + w->height());
                    break;
                case Align::Bottom:
                    w->setGeometry(free.left(), free.bottom() + 1 - w->height(), free.width(), w->height());
                    free.setBottom(free.bottom() - w->height());
                    break;
                case Align::Left:
                    w->setGeometry(free.left(), free.top(), w->width(), free.height());
                    free.setLeft(free.left() + w->width());
                    break;
                case Align::Right:
                    w->setGeometry(free.right() + 1 - w->width(), free.top(), w->width(), free.height());
                    free.setRight(free.right() - w->width());
                    break;
                case Align::Client:
                    w->setGeometry(free);
                    break;
                case Align::None:
                    break;
            }
            if (w->size() != before) child->Resized();
        }
    }
}

}  // namespace ui
