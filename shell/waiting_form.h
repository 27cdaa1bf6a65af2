#pragma once
// The waiting dialog ("Please wait"). Modal, it counts down SecondsLeft steps
// of 1.2 s while the device saves or restarts, holds at the last step until
// the main window's 2.4 GHz lamp is green again (at most six more steps), and
// with SendReboot writes the device's reboot command on the second step.
// Without modality and with Timer1 off it is the "Please wait..." notice that
// pages show while one of their requests runs.
//
// Use: FM_Waiting = new TFM_Waiting(nullptr); FM_Waiting->Create(); set
// SecondsLeft, SendReboot and the texts of Label2 and Label3; ShowModal();
// then delete FM_Waiting and set it to null.
//
// The user can close a counting dialog (close box, Esc) only after it has
// been held at its last step for three steps.

#include <memory>

#include "platform/ui/form.h"

namespace ui {
class Edit;
class Label;
class Timer;
}  // namespace ui
class VkSNMPRequest2Edits;

class TFM_Waiting : public ui::Form {
public:
    explicit TFM_Waiting(ui::Component* owner);
    ~TFM_Waiting() override;

    ui::Label* Label2;   // first line, set by the caller
    ui::Label* Label3;   // second line, set by the caller
    ui::Label* Label1;   // "Please wait for"
    ui::Label* La_Time;  // the steps left
    ui::Label* seconds;  // "seconds."
    ui::Edit* Ed_Reboot;
    ui::Edit* Ed_FwVer;
    ui::Timer* Timer1;

    int SecondsLeft = 20;
    // Whether the second step writes the reboot command. Off unless a caller
    // asks for it: nothing reboots the device unasked.
    bool SendReboot = false;
    bool RebootPending = true;
    int TicksBeforeReboot = 2;
    int StallTicks = 0;
    std::unique_ptr<VkSNMPRequest2Edits> FwVersionRequest;
    std::unique_ptr<VkSNMPRequest2Edits> RebootRequest;

    void FormCreate(ui::Component* sender);
    void Timer1Timer(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);

private:
    void SendRebootCommand();
};

// The waiting dialog while one is open; null otherwise.
extern TFM_Waiting* FM_Waiting;
