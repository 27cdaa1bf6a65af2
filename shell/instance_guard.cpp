#include "shell/instance_guard.h"

#include <memory>
#include <vector>

#include "platform/os/instance_lock.h"
#include "platform/ui/dialog_service.h"
#include "shell/shell_texts.h"

std::string DeviceCaption(const std::string& formCaption, const std::string& deviceAddress) {
    return formCaption + " : " + deviceAddress;
}

bool TakeInstanceGuard(const std::string& caption) {
    // The guards this process holds, kept until it ends.
    static std::vector<std::unique_ptr<os::InstanceLock>> held;
    auto guard = std::make_unique<os::InstanceLock>(caption);
    if (guard->GetStatus() != os::InstanceLock::Status::Held) return false;
    held.push_back(std::move(guard));
    return true;
}

void ShowInstanceGuardMessage() {
    ui::MessageBox(InstanceGuardMessage, "Warning", ui::Buttons::Ok);
}
