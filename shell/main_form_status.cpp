// The main window as a live status display: the liveness probe, the lamp
// rules and the poll of the LAN address and LED modes.

#include "library/common/messages.h"
#include "library/snmp/request.h"
#include "library/snmp/request_to_edits.h"
#include "library/snmp/status_line.h"
#include "platform/os/exception.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/shape.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/timer.h"
#include "shell/debug_trace.h"
#include "shell/device_liveness.h"
#include "shell/main_form.h"
#include "shell/probe_status_text.h"

namespace {

constexpr int kProbeTimeout = 3000;  // hundredths of a second
// The address edits are cleared every this many poll ticks, so that a device
// that stopped answering the poll shows no address and its lamps go dark.
constexpr int kTicksBetweenClearings = 7;

LedLamp LampOf(const ui::Shape& shape) { return {shape.BrushColor(), shape.Visible()}; }

void ShowLamp(ui::Shape& shape, const LedLamp& lamp) {
    shape.SetBrushColor(lamp.color);
    shape.SetVisible(lamp.visible);
}

}  // namespace

// One probe. At most one is outstanding: LedStatus stays off until its
// completion. A send that cannot even start counts as a failed probe and
// re-arms the timer, like one that failed on the way.
void TMainForm::LedStatusTimer(ui::Component*) {
    if (!ProbeRequest || ending_) return;
    LedStatus->SetEnabled(false);
    ProbeRequest->timeout = kProbeTimeout;
    try {
        ProbeRequest->GetAsync(
            [this](void*, VkSNMPError* result, VkSNMPVarList*) { LedProbeDone(*result); }, this, true);
    } catch (const os::Exception& error) {
        DeviceOnline = false;
        NoteProbeOutcome(false);
        ShowProbeFailure(error.Message());
        LedStatus->SetEnabled(true);
    }
}

void TMainForm::LedProbeDone(const VkSNMPError& result) {
    if (ending_) return;
    NoteProbeOutcome(result.code == 0);
    if (result.code != 0) {
        DeviceOnline = false;
        ShowProbeFailure(result.text);
    } else {
        DeviceOnline = true;
        ShowStatusLine(ProbeStatusText(VkSNMPStatusTemplates.Text(0), result.text, StatusTimeNow()));
        LedBlinkTimer(nullptr);
    }
    LedStatus->SetEnabled(true);
}

void TMainForm::ShowProbeFailure(const std::string& message) {
    LedLamps lamps = ReadLamps();
    DarkenLeds(lamps);
    ShowLamps(lamps);
    ShowStatusLine(message);
}

// The status line also goes to the debug trace, so that a developer sees
// what a module started by a script shows.
void TMainForm::ShowStatusLine(const std::string& text) {
    MainStatusBar->SetSimpleText(text);
    DebugTrace("Status line: %s\n", text.c_str());
}

void TMainForm::LedBlinkTimer(ui::Component*) {
    if (!DeviceOnline) return;
    if (!LedBlink->Enabled()) LedBlink->SetEnabled(true);
    LedModes modes;
    modes.radio24 = CB_Led2dot4G->ItemIndex();
    modes.radio5 = CB_Led5G->ItemIndex();
    modes.lan = CB_LedLan->ItemIndex();
    modes.addressKnown = !IPAddressEdit->Text().empty();
    LedLamps lamps = ReadLamps();
    ApplyLedRules(modes, lamps);
    ShowLamps(lamps);
}

// The poll. The clearing takes only the two LAN edits: the device's own
// interface address (Ed_SysIpaddress) is read once at start-up and must stay
// for the local-address discovery.
void TMainForm::Timer1Timer(ui::Component*) {
    if (!LanAddressRequest || !LedRequest || ending_) return;
    if (PollTicks == kTicksBetweenClearings) {
        IPAddressEdit->SetText("");
        SubMaskEdit->SetText("");
        PollTicks = 0;
    }
    LanAddressRequest->Get();
    LedRequest->Get();
    ++PollTicks;
}

LedLamps TMainForm::ReadLamps() const {
    return {LampOf(*LED_Power), LampOf(*LED_APstatus), LampOf(*LED_24GLan), LampOf(*LED_5GLan)};
}

void TMainForm::ShowLamps(const LedLamps& lamps) {
    ShowLamp(*LED_Power, lamps.power);
    ShowLamp(*LED_APstatus, lamps.apStatus);
    ShowLamp(*LED_24GLan, lamps.radio24);
    ShowLamp(*LED_5GLan, lamps.radio5);
}
