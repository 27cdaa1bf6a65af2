// Save and Activate, Discard Changes: one SET of the three device command
// objects, then the waiting dialog counts while the device works.

#include "library/snmp/request_to_edits.h"
#include "library/snmp/write_result.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/label.h"
#include "shell/main_form.h"
#include "shell/waiting_form.h"

namespace {

constexpr int kActivateSteps = 20;
constexpr int kDiscardSteps = 50;
constexpr char kPowerNotice[] = "Please DO NOT POWER OFF the device";

// Shows the waiting dialog's count; FM_Waiting is null again afterwards.
void WaitForDevice(int steps, const std::string& notice) {
    FM_Waiting = new TFM_Waiting(nullptr);
    try {
        FM_Waiting->Create();
        FM_Waiting->SecondsLeft = steps;
        FM_Waiting->SendReboot = false;
        FM_Waiting->Label2->SetCaption(notice);
        FM_Waiting->Label3->SetCaption(kPowerNotice);
        FM_Waiting->ShowModal();
    } catch (...) {
        delete FM_Waiting;
        FM_Waiting = nullptr;
        throw;
    }
    delete FM_Waiting;
    FM_Waiting = nullptr;
}

}  // namespace

void TMainForm::SaveandActivate1Click(ui::Component*) {
    SendDeviceCommand(1, 0, kActivateSteps, "The device is activate...");
}

void TMainForm::DiscardChanges1Click(ui::Component*) {
    SendDeviceCommand(0, 1, kDiscardSteps, "The device is rebooting...");
}

// apply and discard are the item indexes of Cbox_SaveAct and Cbox_Discard
// (0 "nothing", 1 "apply"); the restart is always "nothing". A SET the device
// refused or did not answer is shown in a "Warning" box, and then there is
// nothing to wait for.
void TMainForm::SendDeviceCommand(int apply, int discard, int steps, const std::string& notice) {
    if (!DeviceCommandRequest) return;
    Cbox_SaveAct->SetItemIndex(apply);
    Cbox_Discard->SetItemIndex(discard);
    Cbox_Restart->SetItemIndex(0);
    const VkWriteResult sent = WriteNow(*DeviceCommandRequest);
    if (!sent.ok) {
        ui::MessageBox(sent.text, "Warning");
        return;
    }
    WaitForDevice(steps, notice);
}
