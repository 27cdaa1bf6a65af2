#pragma once
// A call posted to the message loop: it runs after the current handler has
// returned, when the loop next handles messages (the way a window posts a
// message to itself). It goes through the exception boundary, and it is
// dropped when its target control is deleted before it runs.

#include <functional>

namespace ui {

class Control;

void Post(Control* target, std::function<void()> call);

}  // namespace ui
