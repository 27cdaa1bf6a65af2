#pragma once
// The "Please wait..." notice a page shows while a synchronous write blocks
// it: the waiting dialog (shell/waiting_form.h) without modality, count or
// reboot, with the page's text on its second line, and the page disabled.
// Both end however the operation ends, an exception included.
//
//   {
//       WaitNotice notice(this, "The settings are saving now.");
//       writes.Write(...);
//   }  // the notice is gone and the page enabled again

#include <string>

namespace ui {
class Control;
}

class WaitNotice {
public:
    WaitNotice(ui::Control* page, const std::string& text);
    ~WaitNotice();
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

private:
    ui::Control* page_;
};
