#include "platform/ui/handler_call.h"

#include <exception>
#include <stdexcept>

#include "platform/ui/application.h"

namespace ui {

bool CallHandler(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        Application::ShowException(error);
    } catch (...) {
        Application::ShowException(std::runtime_error("Unknown exception"));
    }
    return false;
}

void Notify(const NotifyEvent& slot, Component* sender) {
    if (!slot) return;
    NotifyEvent handler = slot;
    CallHandler([&] { handler(sender); });
}

}  // namespace ui
