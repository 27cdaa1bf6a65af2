#pragma once
// Runs a focused edit's exit check before a mouse press or a Tab key moves the
// focus away from it, and swallows that event (and the release of a swallowed
// press) when the check keeps the focus in the edit. Without it the exit
// handler would run inside Qt's focus change, after the press had already
// reached the button, so the button's click would still happen. Internal to
// the layer: the application's event dispatch and Control::SetFocus call it.

#include <QPointer>

class QEvent;
class QObject;
class QWidget;

namespace ui {

class EditWidget;

class FocusExitGuard {
public:
    // Before an event is dispatched: true when it must be swallowed. When an
    // exit check ran and let the focus go, `checked` names the edit, whose
    // coming focus-out then does not run the check a second time.
    bool Intercept(QObject* receiver, QEvent* event, QPointer<EditWidget>& checked);

    // For a focus move to `target` (null: some other control of the same
    // form): runs the exit check of the focused edit. False when the edit
    // keeps the focus.
    static bool AllowFocusMove(QWidget* target, QPointer<EditWidget>& checked);

    // After the event or focus move: forgets the check of `checked`.
    static void Finish(QPointer<EditWidget>& checked);

private:
    bool swallowRelease_ = false;
};

}  // namespace ui
