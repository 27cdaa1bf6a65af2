#pragma once
// Qt key events to our key codes and shift states (internal to the layer).

class QKeyEvent;

namespace ui {

// 0 for a key without a code of ours.
int KeyCode(const QKeyEvent* event);
unsigned ShiftOf(const QKeyEvent* event);

}  // namespace ui
