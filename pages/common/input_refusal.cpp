#include "pages/common/input_refusal.h"

#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"

bool Refuse(const std::string& text, const std::string& caption, ui::Control* focus) {
    ui::MessageBox(text, caption, ui::Buttons::Ok);
    if (focus != nullptr) focus->SetFocus();
    return false;
}

bool RefuseAndClear(const std::string& text, const std::string& caption, ui::Edit* edit) {
    ui::MessageBox(text, caption, ui::Buttons::Ok);
    edit->SetText("");
    edit->SetFocus();
    return false;
}
