#pragma once
// Event slots. Every event of a form or control is one replaceable slot: a
// std::function member that code reads, replaces and restores (a binding saves
// a page's handler and chains to it). An empty slot means no handler. The layer
// calls a slot through the exception boundary (handler_call.h).

#include <functional>

namespace ui {

class Component;

using NotifyEvent = std::function<void(Component* sender)>;

}  // namespace ui
