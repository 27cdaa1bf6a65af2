#include "platform/ui/focus_exit_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/ui/edit_widget.h"

namespace ui {

namespace {

// The widget a press on `widget` gives the focus to, as Qt decides it: the
// first enabled widget up to the window that takes focus by click.
QWidget* ClickFocusTarget(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            QWidget* target = w;
            while (target->focusProxy() != nullptr) target = target->focusProxy();
            return target;
        }
        if (w->isWindow()) break;
    }
    return nullptr;
}

bool IsFocusKey(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

}  // namespace

bool FocusExitGuard::Intercept(QObject* receiver, QEvent* event, QPointer<EditWidget>& checked) {
    if (!receiver->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // Qt moves the focus on spontaneous presses only.
            if (!event->spontaneous()) return false;
            QWidget* target = ClickFocusTarget(widget);
            if (target == nullptr || AllowFocusMove(target, checked)) return false;
            swallowRelease_ = true;
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!swallowRelease_) return false;
            swallowRelease_ = false;
            return true;
        case QEvent::KeyPress:
            if (widget != QApplication::focusWidget()) return false;
            if (!IsFocusKey(static_cast<QKeyEvent*>(event))) return false;
            return !AllowFocusMove(nullptr, checked);
        default:
            return false;
    }
}

bool FocusExitGuard::AllowFocusMove(QWidget* target, QPointer<EditWidget>& checked) {
    auto* edit = dynamic_cast<EditWidget*>(QApplication::focusWidget());
    if (edit == nullptr || target == edit) return true;
    if (target != nullptr && target->window() != edit->window()) return true;
    // The handler may run a nested loop (a message box); mark the edit only
    // afterwards, so that events dispatched meanwhile do not see the mark.
    QPointer<EditWidget> guarded(edit);
    bool accepted = edit->RunExitCheck();
    if (accepted && guarded) {
        guarded->MarkExitChecked();
        checked = guarded;
    }
    return accepted;
}

void FocusExitGuard::Finish(QPointer<EditWidget>& checked) {
    if (checked) checked->ForgetExitCheck();
    checked = nullptr;
}

}  // namespace ui
