// The one check of typed input that shows its own message: kept apart from
// the silent checks so that they need no window.
#include "platform/ui/dialog_service.h"
#include "shell/input_validators.h"

bool IsValidMacAddress(const std::string& text) {
    const bool valid = IsUsableMacAddress(text);
    if (!valid) ui::MessageBox(InvalidMacAddressMessage, "Warning", ui::Buttons::Ok);
    return valid;
}
