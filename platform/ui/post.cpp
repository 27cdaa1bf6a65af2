#include "platform/ui/post.h"

#include <QTimer>
#include <QWidget>
#include <utility>

#include "platform/ui/control.h"
#include "platform/ui/handler_call.h"

namespace ui {

void Post(Control* target, std::function<void()> call) {
    // The widget is the call's context: deleting it cancels the call.
    QTimer::singleShot(0, target->Widget(), [call = std::move(call)] { CallHandler(call); });
}

}  // namespace ui
