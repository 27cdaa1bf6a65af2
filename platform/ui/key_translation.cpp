#include "platform/ui/key_translation.h"

#include <QKeyEvent>

#include "platform/ui/keys.h"

namespace ui {

int KeyCode(const QKeyEvent* event) {
    int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kKeyF1 + (key - Qt::Key_F1);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
    switch (key) {
        case Qt::Key_Backspace: return kKeyBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return kKeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kKeyReturn;
        case Qt::Key_Escape: return kKeyEscape;
        case Qt::Key_Space: return kKeySpace;
        case Qt::Key_Left: return kKeyLeft;
        case Qt::Key_Up: return kKeyUp;
        case Qt::Key_Right: return kKeyRight;
        case Qt::Key_Down: return kKeyDown;
        case Qt::Key_Delete: return kKeyDelete;
        default: return 0;
    }
}

unsigned ShiftOf(const QKeyEvent* event) {
    unsigned shift = kShiftNone;
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ShiftModifier) shift |= kShift;
    if (modifiers & Qt::AltModifier) shift |= kAlt;
    if (modifiers & Qt::ControlModifier) shift |= kCtrl;
    return shift;
}

}  // namespace ui
