#pragma once
// The waits of the maintenance pages, on the shell's waiting dialog:
//
// - RunWaitingDialog: the modal countdown of a number of 1.2 s steps (held
//   at its last step until the device answers again), with the caller's
//   caption and texts; it never writes the reboot command itself.
// - WaitNotice: the "Please wait..." notice without countdown over a page
//   that is disabled while it shows; it goes, and the page is enabled again,
//   when the notice object goes, on every way out.
// - DeviceAnswers: whether the device answers again after a restart, read
//   through its firmware version.

#include <memory>
#include <string>

namespace ui {
class Control;
}
class TFM_Waiting;

struct WaitingTexts {
    std::string caption;  // empty: the dialog's own "Please wait"
    std::string label2;   // empty: the dialog's own "Settings saved."
    std::string label3;   // empty: the dialog's own "The device is restarting."
};

void RunWaitingDialog(int steps, const WaitingTexts& texts);

class WaitNotice {
public:
    WaitNotice(ui::Control* page, const std::string& label2, const std::string& label3);
    ~WaitNotice();
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

    TFM_Waiting* Dialog() const { return dialog_.get(); }

private:
    ui::Control* page_;
    std::unique_ptr<TFM_Waiting> dialog_;
};

// Reads the device's firmware version synchronously; true with the version
// when the device answered.
bool DeviceAnswers(std::string& firmwareVersion);
