#pragma once
// The exception boundary. Exceptions must never cross Qt's event dispatch, so
// every place where the layer runs program code (event slots, timer and socket
// handlers, close handlers) goes through CallHandler: an exception that leaves
// the handler is shown by the application object, and the loop goes on.

#include <functional>

#include "platform/ui/events.h"

namespace ui {

// Runs handler; catches os::Exception, any other std::exception and anything
// else thrown, and shows it once through Application::ShowException. Returns
// false when the handler threw.
bool CallHandler(const std::function<void()>& handler);

// Calls a notify slot, when set, through the boundary. The slot is copied
// first: the handler may replace it (a binding restoring its saved handler).
void Notify(const NotifyEvent& slot, Component* sender);

}  // namespace ui
