#include "shell/waiting_form.h"

#include <string>

#include "library/snmp/request_to_edits.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/shape.h"
#include "platform/ui/timer.h"
#include "shell/debug_trace.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

TFM_Waiting* FM_Waiting = nullptr;

namespace {

// Steps held at the last one before the dialog closes by itself, and before
// the user may close it.
constexpr int kMostHeldTicks = 6;
constexpr int kHeldTicksBeforeUserClose = 2;

ui::Label* NewLabel(ui::Control* parent, const char* name, int left, int top, const std::string& caption) {
    auto* label = new ui::Label(parent);
    label->SetName(name);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

ui::Edit* NewHiddenEdit(ui::Control* parent, const char* name) {
    auto* edit = new ui::Edit(parent);
    edit->SetName(name);
    edit->SetVisible(false);
    return edit;
}

// The device is back when the main window's 2.4 GHz lamp is green.
bool DeviceLampGreen() { return MainForm != nullptr && MainForm->LED_24GLan->BrushColor() == kLedGreen; }

std::unique_ptr<VkSNMPRequest2Edits> NewEditRequest(ui::Control* owner, const VkSNMPVarEntry* table,
                                                    ui::Edit* edit) {
    auto request = std::make_unique<VkSNMPRequest2Edits>(owner);
    request->request.vars = VkSNMPVarList(table, SVT_SV, 0);
    request->BindEdits(0, "%s", edit);
    return request;
}

}  // namespace

TFM_Waiting::TFM_Waiting(ui::Component* owner) : ui::Form(owner) {
    DebugTrace("TFM_Waiting is come in !\n");
    SetName("FM_Waiting");
    SetCaption("Please wait");
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(false, false);
    SetClientSize(253, 69);
    SetPosition(ui::FormPosition::MainFormCenter);
    Label2 = NewLabel(this, "Label2", 35, 11, "Settings saved.");
    Label3 = NewLabel(this, "Label3", 35, 30, "The device is restarting.");
    Label1 = NewLabel(this, "Label1", 35, 48, "Please wait for");
    La_Time = NewLabel(this, "La_Time", 124, 48, "");
    La_Time->SetAutoSize(false);  // room for the count before it is shown
    La_Time->SetBounds(124, 48, 40, 14);
    seconds = NewLabel(this, "seconds", 167, 48, "seconds.");
    Ed_Reboot = NewHiddenEdit(this, "Ed_Reboot");
    Ed_FwVer = NewHiddenEdit(this, "Ed_FwVer");
    Timer1 = new ui::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1200);
    Timer1->OnTimer = [this](ui::Component* sender) { Timer1Timer(sender); };
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    // The count shows its starting number at once, not only after the first tick.
    OnShow = [this](ui::Component*) { La_Time->SetCaption(std::to_string(SecondsLeft)); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

// The requests go first: each waits for its outstanding answer while the
// controls it fills still exist.
TFM_Waiting::~TFM_Waiting() {
    Timer1->SetEnabled(false);
    RebootRequest.reset();
    FwVersionRequest.reset();
}

// The firmware version read here is not shown; the read is kept as the
// device's first sign of life before the count starts.
void TFM_Waiting::FormCreate(ui::Component*) {
    DebugTrace("FormCreate is come in !\n");
    FwVersionRequest = NewEditRequest(this, VarsFirmwareVersion, Ed_FwVer);
    FwVersionRequest->async = false;
    FwVersionRequest->Get();
    SecondsLeft = 25;
}

void TFM_Waiting::Timer1Timer(ui::Component*) {
    DebugTrace("Timer1Timer is come in !\n");
    bool green = DeviceLampGreen();
    if (SecondsLeft != 1 || green) {
        --SecondsLeft;
        La_Time->SetCaption(std::to_string(SecondsLeft));
    } else {
        ++StallTicks;
    }
    --TicksBeforeReboot;
    if ((SecondsLeft <= 0 && green) || StallTicks >= kMostHeldTicks) Close();
    if (RebootPending && TicksBeforeReboot <= 0) {
        if (SendReboot) SendRebootCommand();
        RebootPending = false;
    }
}

// Written without waiting for the answer; the text "reboot" becomes the
// command's value 4 through its option list.
void TFM_Waiting::SendRebootCommand() {
    RebootRequest = NewEditRequest(this, VarsTftpUpgradeCommand, Ed_Reboot);
    Ed_Reboot->SetText("reboot");
    RebootRequest->Set(true, true);
}

void TFM_Waiting::FormCloseQuery(ui::Component*, bool& canClose) {
    if (StallTicks > kHeldTicksBeforeUserClose) SecondsLeft = 0;
    canClose = SecondsLeft <= 0;
}
