#include "shell/main_form.h"

#include "library/common/path.h"
#include "library/snmp/request.h"
#include "library/snmp/request_to_edits.h"
#include "platform/os/executable_path.h"
#include "platform/os/registry_store.h"
#include "platform/ui/application.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/list_box.h"
#include "platform/ui/shape.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/timer.h"
#include "shell/debug_trace.h"
#include "shell/device_liveness.h"
#include "shell/startup.h"

TMainForm* MainForm = nullptr;
bool DeviceOnline = true;
const char* const DevicePictureFileName = "vap7720_device.png";

namespace {

constexpr int kStatusBarHeight = 19;

ui::Shape* NewLed(ui::Control* parent, const char* name, int left, int top, int width, int height) {
    auto* led = new ui::Shape(parent);
    led->SetName(name);
    led->SetType(ui::ShapeType::Circle);
    led->SetPen(false);
    led->SetBrushColor(kLedBlack);
    led->SetBounds(left, top, width, height);
    return led;
}

ui::Edit* NewHiddenEdit(ui::Control* parent, const char* name) {
    auto* edit = new ui::Edit(parent);
    edit->SetName(name);
    edit->SetVisible(false);
    return edit;
}

ui::ComboBox* NewHiddenCombo(ui::Control* parent, const char* name) {
    auto* combo = new ui::ComboBox(parent);
    combo->SetName(name);
    combo->SetVisible(false);
    return combo;
}

ui::Timer* NewTimer(ui::Component* owner, const char* name, int interval) {
    auto* timer = new ui::Timer(owner);
    timer->SetName(name);
    timer->SetInterval(interval);
    return timer;
}

}  // namespace

TMainForm::TMainForm(ui::Component* owner) : ui::Form(owner), StartupParameters(CommandLineParameters()) {
    SetName("MainForm");
    SetCaption(ModelName);
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(true, false);
    SetPosition(ui::FormPosition::ScreenCenter);
    BuildPicture();
    BuildHiddenControls();
    BuildMenu();
    BuildTimers();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnShow = [this](ui::Component*) { DebugTrace("Main window shown: %s\n", Caption().c_str()); };
    LoadProgramMessageFiles(ui::Application::ExeFolder());
}

TMainForm::~TMainForm() {
    ending_ = true;
    StopTimers();
    DeleteRequests();
    ForgetDeviceLiveness();
    if (::MainForm == this) ::MainForm = nullptr;
}

// Each request waits for its outstanding answers while it is deleted; the
// controls they fill still exist then.
void TMainForm::DeleteRequests() {
    ProbeRequest.reset();
    LanAddressRequest.reset();
    DhcpControlRequest.reset();
    DeviceIpRequest.reset();
    BandRequest.reset();
    DeviceCommandRequest.reset();
    LedRequest.reset();
    ApModeRequest.reset();
}

void TMainForm::BuildPicture() {
    Image1 = new ui::Image(this);
    Image1->SetName("Image1");
    Image1->SetBounds(0, 0, 498, 97);
    Image2 = new ui::Image(this);
    Image2->SetName("Image2");
    Image2->SetBounds(0, 0, 497, 97);
    Image2->SetStretch(true);
    Image2->LoadFromFile(JoinPath(os::ExecutableFolder(), DevicePictureFileName));
    LED_APstatus = NewLed(this, "LED_APstatus", 224, 39, 6, 6);
    LED_24GLan = NewLed(this, "LED_24GLan", 224, 47, 6, 6);
    LED_Power = NewLed(this, "LED_Power", 224, 55, 6, 6);
    LED_5GLan = NewLed(this, "LED_5GLan", 639, 23, 13, 9);
    MainStatusBar = new ui::StatusBar(this);
    MainStatusBar->SetName("MainStatusBar");
    MainStatusBar->SetHeight(kStatusBarHeight);
    MainStatusBar->SetAlign(ui::Align::Bottom);
    MainStatusBar->AddPanel(50);
    MainStatusBar->SetSimplePanel(true);
}

void TMainForm::BuildHiddenControls() {
    IPAddressEdit = NewHiddenEdit(this, "IPAddressEdit");
    SubMaskEdit = NewHiddenEdit(this, "SubMaskEdit");
    Ed_SysIpaddress = NewHiddenEdit(this, "Ed_SysIpaddress");
    CB_Fuction1 = NewHiddenCombo(this, "CB_Fuction1");
    CB_Band = NewHiddenCombo(this, "CB_Band");
    Cbox_SaveAct = NewHiddenCombo(this, "Cbox_SaveAct");
    Cbox_Discard = NewHiddenCombo(this, "Cbox_Discard");
    Cbox_Restart = NewHiddenCombo(this, "Cbox_Restart");
    CB_Led2dot4G = NewHiddenCombo(this, "CB_Led2dot4G");
    CB_Led5G = NewHiddenCombo(this, "CB_Led5G");
    CB_LedLan = NewHiddenCombo(this, "CB_LedLan");
    CB_ApMode = NewHiddenCombo(this, "CB_ApMode");
    IpConfigList = new ui::ListBox(this);
    IpConfigList->SetName("IpConfigList");
    IpConfigList->SetVisible(false);
}

// The timers start with the window, as the design has them; their handlers
// do nothing while the requests they use do not exist.
void TMainForm::BuildTimers() {
    LedStatus = NewTimer(this, "LedStatus", 2000);
    LedBlink = NewTimer(this, "LedBlink", 500);
    Timer1 = NewTimer(this, "Timer1", 2000);
    LedStatus->OnTimer = [this](ui::Component* sender) { LedStatusTimer(sender); };
    LedBlink->OnTimer = [this](ui::Component* sender) { LedBlinkTimer(sender); };
    Timer1->OnTimer = [this](ui::Component* sender) { Timer1Timer(sender); };
}

void TMainForm::StopTimers() {
    LedStatus->SetEnabled(false);
    LedBlink->SetEnabled(false);
    Timer1->SetEnabled(false);
}

void TMainForm::FormCreate(ui::Component*) {
    SetClientSize(Image1->Width(), Image1->Height() + kStatusBarHeight);
    try {
        if (!RunStartup()) return;
    } catch (const std::exception& failure) {
        StopTimers();
        EndFailedStartup(failure);
        return;
    }
    LogDir = PrepareLogFolder();
}

// Start-up steps 2 to 10 of shell/startup.h; a raised failure ends start-up.
// False when start-up ended the module: no parameters (after the message,
// reading nothing), or the single-instance guard refused this copy.
bool TMainForm::RunStartup() {
    OpenDeviceSession();
    os::RegistryStore registry(os::RegistryStore::DefaultPath());
    LoadModuleMessageFiles(ReadModuleFolder(registry));
    std::string settingsFolder = ReadSettingsFolder(registry);
    if (StartupParameters.empty()) {
        StopTimers();
        ui::ShowMessage(NoParameterMessage);
        ui::Application::Instance()->Terminate();
        return false;
    }
    DeviceAddress = ApplyStartupParametersToGlobals(StartupParameters, settingsFolder);
    std::string caption = DeviceCaption(Caption(), DeviceAddress);
    SetCaption(caption);
    if (!TakeInstanceGuard(caption)) {
        StopTimers();
        ShowInstanceGuardMessage();
        ui::Application::Instance()->Terminate();
        Close();
        return false;
    }
    CreateProbe();
    LedStatusTimer(nullptr);
    CreateStatusRequests();
    RunStartupReads();
    return true;
}
