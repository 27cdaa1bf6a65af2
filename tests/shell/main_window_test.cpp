// The main window against the simulated access point: start-up, the lamps
// and the status line, the poll, the menu and its pages, Save and Activate,
// Discard Changes and the waiting dialog. Time runs 20 times faster.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "library/snmp/global_session.h"
#include "library/snmp/request.h"
#include "library/snmp/request_to_edits.h"
#include "platform/ui/application.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/shape.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/timer.h"
#include "shell/instance_guard.h"
#include "shell/main_form.h"
#include "shell/main_window_vars.h"
#include "shell/mib_root.h"
#include "shell/page_openers.h"
#include "shell/waiting_form.h"
#include "tests/platform/os/test_support.h"
#include "tests/platform/ui/ui_test_support.h"
#include "tests/shell/startup_test_support.h"
#include "tests/support/sim_process.h"

namespace {

// Set before anything reads the time scale (the test program's first use).
const bool kTimeScaled = (::setenv("VAP_TIME_SCALE", "0.05", 0), true);

constexpr char kSuccessPrefix[] = "Get: (ZuDUZU++) Ok!. Receive at ";

class MainWindowTest : public uitest::UiTest {
protected:
    MainWindowTest()
        : registry_("VAP_REGISTRY_FILE", temp_ / "registry.ini"),
          runtime_("XDG_RUNTIME_DIR", temp_.Path()),
          appData_("APPDATA", temp_.Path()) {
        EXPECT_TRUE(kTimeScaled);
        char folder[4096];
        if (::getcwd(folder, sizeof folder) != nullptr) previous_ = folder;
        EXPECT_EQ(::chdir(temp_.Path().c_str()), 0);
        std::string error;
        started_ = sim_.Start(error);
        EXPECT_TRUE(started_) << error;
        os_test::WriteFile(temp_ / "registry.ini",
                           "[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile]\nPath=" + temp_.Path() + "/\n");
        shell_test::WriteSettingsFile(temp_ / "127.0.0.1.cfg",
                                      {"AgentPort=" + std::to_string(sim_.Port()), "Version=1",
                                       "SecurityModel=2", "SecurityLevel=0", "AuthProtocol=0",
                                       "PrivProtocol=0"});
    }
    ~MainWindowTest() override {
        delete MainForm;  // clears the pointer
        ui::Form::SetMainForm(nullptr);
        FreeSNMPGlobals();
        sim_.Stop();
        EXPECT_EQ(::chdir(previous_.c_str()), 0);
    }

    // Makes the main window as the entry point does and runs its start-up.
    TMainForm& StartMainWindow(std::vector<std::string> parameters = {"/I127.0.0.1", "/Rpublic",
                                                                        "/Wprivate", "/v1"}) {
        MainForm = new TMainForm(nullptr);
        MainForm->StartupParameters = std::move(parameters);
        ui::Form::SetMainForm(MainForm);
        MainForm->Create();
        return *MainForm;
    }

    void Control(const std::string& command) {
        support::ControlReply reply = sim_.Control(command);
        EXPECT_TRUE(reply.ok) << command << ": " << reply.error;
    }

    std::vector<std::string> SetLines() {
        std::vector<std::string> sets;
        for (const std::string& line : sim_.Control("log").lines)
            if (line.rfind("SET ", 0) == 0) sets.push_back(line);
        return sets;
    }

    // Waits (real time) until the lamp has shown both colours.
    bool Blinks(const ui::Shape& lamp) {
        bool green = false;
        bool black = false;
        RunUntil([&] {
            green = green || (lamp.Visible() && lamp.BrushColor() == kLedGreen);
            black = black || (lamp.Visible() && lamp.BrushColor() == kLedBlack);
            return green && black;
        });
        return green && black;
    }

    bool Answered(TMainForm& window) {
        return RunUntil([&] { return window.MainStatusBar->SimpleText().rfind(kSuccessPrefix, 0) == 0; });
    }

    os_test::TempFolder temp_;
    os_test::ScopedEnv registry_;
    os_test::ScopedEnv runtime_;
    os_test::ScopedEnv appData_;
    support::SimProcess sim_;
    bool started_ = false;
    std::string previous_;
};

// The menu entries that open pages, in menu order. Each opens the page
// registered under its own name (the pages live above the shell).
const char* const kPageEntries[] = {
    "Information1",
    "hWirelessBand1",
    "hLan1",
    "adPerformance1",
    "Mac1",
    "WLANPartition1",
    "Ad_MultiSSID",
    "DHCPServer1",
    "Intrusion1",
    "Scheduling1",
    "QosSetting1",
    "VlanSetting1",
    "mniAPArray1",
    "WebRedirection1",
    "ARPSpoofingPreventionSettings1",
    "mniLocalRADIUSServer1",
    "mniTrafficControl1",
    "tAdmin2",
    "tSystem2",
    "Firmware1",
    "Time",
    "tUpdate2",
    "stDeviceInfo2",
    "Client1",
    "WDSInformation1",
    "Ethernet1",
    "WLAN1",
    "ViewLog1",
    "LogSettings1",
};

ui::MenuItem* Entry(TMainForm& window, const std::string& name) {
    return dynamic_cast<ui::MenuItem*>(window.FindComponent(name));
}

// What the waiting dialog of a device command showed while it was open.
struct DialogSeen {
    std::string firstCount;
    bool sendReboot = true;
    std::string notice;
    std::string powerNotice;
};

DialogSeen ClickAndWatchTheDialog(TMainForm& window, const std::string& entry) {
    DialogSeen seen;
    ui::Timer watcher(nullptr);
    watcher.SetInterval(1);
    watcher.OnTimer = [&](ui::Component*) {
        if (FM_Waiting == nullptr) return;
        if (seen.firstCount.empty()) seen.firstCount = FM_Waiting->La_Time->Caption();
        seen.sendReboot = FM_Waiting->SendReboot;
        seen.notice = FM_Waiting->Label2->Caption();
        seen.powerNotice = FM_Waiting->Label3->Caption();
    };
    Entry(window, entry)->Click();
    return seen;
}

std::string CommandSet(int apply, int discard) {
    const std::string root = MibDeviceRoot;
    return root + ".4.2.3.0=integer:" + std::to_string(apply) + " " + root +
           ".4.2.4.0=integer:" + std::to_string(discard) + " " + root + ".4.2.1.0=integer:0";
}

}  // namespace

TEST_F(MainWindowTest, StartsAgainstTheDeviceWithItsCaptionPictureAndLamps) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    EXPECT_EQ(window.Caption(), "VAP-7720 : 127.0.0.1");
    EXPECT_EQ(window.DeviceAddress, "127.0.0.1");
    EXPECT_EQ(window.LogDir, temp_ / "VAP-7720");
    EXPECT_EQ(window.ClientWidth(), 498);
    EXPECT_EQ(window.ClientHeight(), 97 + 19);
    EXPECT_TRUE(window.Image2->HasPicture());
    struct Place {
        ui::Shape* lamp;
        int left, top, width, height;
    } const places[] = {{window.LED_APstatus, 224, 39, 6, 6},
                        {window.LED_24GLan, 224, 47, 6, 6},
                        {window.LED_Power, 224, 55, 6, 6},
                        {window.LED_5GLan, 639, 23, 13, 9}};
    for (const Place& p : places) {
        EXPECT_EQ(p.lamp->Left(), p.left) << p.lamp->Name();
        EXPECT_EQ(p.lamp->Top(), p.top) << p.lamp->Name();
        EXPECT_EQ(p.lamp->Width(), p.width) << p.lamp->Name();
        EXPECT_EQ(p.lamp->Height(), p.height) << p.lamp->Name();
        EXPECT_EQ(p.lamp->Type(), ui::ShapeType::Circle);
        EXPECT_FALSE(p.lamp->HasPen());
    }
    EXPECT_EQ(window.Ed_SysIpaddress->Text(), sim_.Control("get " + std::string(MibDeviceRoot) +
                                                           ".5.1.2.1.1.2.1").lines.at(0));
    window.Show();
    ASSERT_TRUE(Answered(window));
    // The picture of the window shows every lamp lit.
    ASSERT_TRUE(RunUntil([&] {
        return window.LED_Power->BrushColor() == kLedGreen && window.LED_APstatus->BrushColor() == kLedGreen &&
               window.LED_24GLan->BrushColor() == kLedGreen;
    }));
    if (const char* picture = std::getenv("VAP_MAIN_WINDOW_PICTURE"))
        window.Widget()->window()->grab().save(QString::fromLocal8Bit(picture));
}

TEST_F(MainWindowTest, TheFilePagesFindThePcAddressFromTheMainWindowsDeviceAddress) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    ui::Edit target(&window);
    // The loopback interface (127.0.0.1/8) lies in a device network 127.0.0.0/8.
    window.IPAddressEdit->SetText("127.0.0.9");
    window.SubMaskEdit->SetText("255.0.0.0");
    EXPECT_TRUE(TMainForm::GetPCIPAddress(&target));
    EXPECT_EQ(target.Text(), "127.0.0.1");
    EXPECT_EQ(TMainForm::NetworkAddress("127.0.0.9", "255.0.0.0"), "127.0.0.0");
}

TEST_F(MainWindowTest, LampsFollowTheLedModesWhileTheDeviceAnswers) {
    ASSERT_TRUE(started_);
    Control("leds 1 1 1");
    TMainForm& window = StartMainWindow();
    ASSERT_TRUE(Answered(window));
    EXPECT_TRUE(Blinks(*window.LED_24GLan));
    EXPECT_TRUE(Blinks(*window.LED_5GLan));
    EXPECT_EQ(window.LED_Power->BrushColor(), kLedGreen);
    EXPECT_EQ(window.LED_APstatus->BrushColor(), kLedGreen);
    EXPECT_TRUE(window.LED_APstatus->Visible());

    Control("leds 1 1 0");
    EXPECT_TRUE(RunUntil([&] { return !window.LED_APstatus->Visible(); }));
    EXPECT_EQ(window.LED_Power->BrushColor(), kLedGreen);

    Control("leds 0 1 1");
    EXPECT_TRUE(RunUntil([&] { return !window.LED_24GLan->Visible() && window.LED_APstatus->Visible(); }));
}

TEST_F(MainWindowTest, ADeviceThatStopsAnsweringTurnsEveryLampBlackUntilItAnswersAgain) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    ASSERT_TRUE(Answered(window));
    Control("down");
    const std::string timedOut = MessageText(-405);  // the request-timed-out text
    ASSERT_TRUE(RunUntil([&] { return window.MainStatusBar->SimpleText() == timedOut; }, 10000))
        << window.MainStatusBar->SimpleText();
    EXPECT_FALSE(DeviceOnline);
    for (ui::Shape* lamp : {window.LED_Power, window.LED_APstatus, window.LED_24GLan, window.LED_5GLan}) {
        EXPECT_EQ(lamp->BrushColor(), kLedBlack) << lamp->Name();
        EXPECT_TRUE(lamp->Visible()) << lamp->Name();
    }
    Control("up");
    EXPECT_TRUE(Answered(window)) << window.MainStatusBar->SimpleText();
    EXPECT_TRUE(DeviceOnline);
    EXPECT_TRUE(RunUntil([&] { return window.LED_Power->BrushColor() == kLedGreen; }));
}

TEST_F(MainWindowTest, AProbeThatCannotBeSentCountsAsFailedAndTheProbingGoesOn) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    ASSERT_TRUE(Answered(window));
    ASSERT_TRUE(RunUntil([&] { return window.LedStatus->Enabled(); }));
    window.ProbeRequest->address = "no-such-host.invalid";
    window.LedStatusTimer(nullptr);
    EXPECT_EQ(window.MainStatusBar->SimpleText(), MessageText(VK_ERR_BAD_ADDRESS));
    EXPECT_FALSE(DeviceOnline);
    EXPECT_EQ(window.LED_Power->BrushColor(), kLedBlack);
    EXPECT_TRUE(window.LedStatus->Enabled());
    window.ProbeRequest->address = "127.0.0.1";
    EXPECT_TRUE(Answered(window));
}

TEST_F(MainWindowTest, ThePollClearsOnlyTheLanAddressAndTheLampsGoDarkWhenItStaysEmpty) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    ASSERT_TRUE(RunUntil([&] { return !window.IPAddressEdit->Text().empty(); }));
    const std::string deviceIp = window.Ed_SysIpaddress->Text();
    ASSERT_FALSE(deviceIp.empty());
    // The address read goes unanswered from now on while the probe answers.
    window.LanAddressRequest->request.address = "127.0.0.2";
    ASSERT_TRUE(RunUntil([&] { return window.IPAddressEdit->Text().empty(); }, 10000));
    EXPECT_TRUE(window.SubMaskEdit->Text().empty());
    EXPECT_EQ(window.Ed_SysIpaddress->Text(), deviceIp);
    EXPECT_TRUE(RunUntil([&] {
        return !window.LED_24GLan->Visible() && !window.LED_APstatus->Visible() &&
               window.LED_Power->BrushColor() == kLedGreen;
    }));
}

TEST_F(MainWindowTest, TheMenuShowsItsEntriesAndHidesTheHiddenOnes) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    const char* const shown[] = {"Home1", "Information1", "hWirelessBand1", "hLan1", "advanced2",
                                 "adPerformance1", "adFilter", "Mac1", "WLANPartition1", "Ad_MultiSSID",
                                 "DHCPServer1", "Intrusion1", "Scheduling1", "QosSetting1",
                                 "VlanSetting1", "mniAPArray1", "ARPSpoofingPreventionSettings1",
                                 "tools2", "tAdmin2", "tSystem2", "Firmware1", "Time", "tUpdate2",
                                 "Configuration1", "SaveandActivate1", "DiscardChanges1", "status2",
                                 "stDeviceInfo2", "Client1", "WDSInformation1", "stStats1", "Ethernet1",
                                 "WLAN1", "SystemLog", "ViewLog1", "LogSettings1", "Help", "About1"};
    const char* const hidden[] = {"WebRedirection1", "mniLocalRADIUSServer1", "mniTrafficControl1",
                                  "WirelessLan", "ACLManagement1", "Test11"};
    for (const char* name : shown) {
        ui::MenuItem* entry = Entry(window, name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_TRUE(entry->Visible()) << name;
    }
    for (const char* name : hidden) {
        ui::MenuItem* entry = Entry(window, name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_FALSE(entry->Visible()) << name;
    }
    EXPECT_EQ(Entry(window, "SaveandActivate1")->Caption(), "Save and Activate");
    EXPECT_TRUE(Entry(window, "mniAPArray1")->RadioItem());
}

TEST_F(MainWindowTest, AWirelessClientHidesTheArpSpoofingEntry) {
    ASSERT_TRUE(started_);
    Control("set " + std::string(MibDeviceRoot) + ".2.1.3.3.1.1.1.28.1 4");
    TMainForm& window = StartMainWindow();
    EXPECT_FALSE(window.ARPSpoofingPreventionSettings1->Visible());
}

TEST_F(MainWindowTest, EachPageEntryOpensWhatItsPageRegisteredAndNothingWithoutIt) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    std::vector<std::string> opened;
    auto click = [&](const std::string& name) {
        ui::MenuItem* entry = Entry(window, name);
        ASSERT_NE(entry, nullptr) << name;
        if (entry->Visible())
            entry->Click();
        else
            entry->OnClick(entry);  // what the entry would do, were it shown
    };
    std::vector<std::string> expected;
    for (const std::string name : kPageEntries) {
        click(name);  // nothing registered: nothing opens
        RegisterPageOpener(name, [&opened, name] { opened.push_back(name); });
        click(name);
        RegisterPageOpener(name, nullptr);
        expected.push_back(name);
    }
    // The Grouping page has no entry: its handler opens what "UserLimit" names.
    RegisterPageOpener("UserLimit", [&opened] { opened.push_back("UserLimit"); });
    window.UserLimitClick(&window);
    RegisterPageOpener("UserLimit", nullptr);
    expected.push_back("UserLimit");
    EXPECT_EQ(opened, expected);
}

TEST_F(MainWindowTest, ClosingTheWirelessPageReadsTheBandAgain) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    Control("clearlog");
    bool opened = false;
    RegisterPageOpener("hWirelessBand1", [&opened] { opened = true; });
    Entry(window, "hWirelessBand1")->Click();
    RegisterPageOpener("hWirelessBand1", nullptr);
    EXPECT_TRUE(opened);
    const std::string band = std::string(MibDeviceRoot) + ".2.1.3.3.1.1.1.34.1";
    int bandReads = 0;
    for (const std::string& line : sim_.Control("log").lines)
        if (line.rfind("GET ", 0) == 0 && line.find(band) != std::string::npos) ++bandReads;
    EXPECT_EQ(bandReads, 1);
}

TEST_F(MainWindowTest, SaveAndActivateSendsOneSetAndCountsTwentySteps) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    Control("clearlog");
    DialogSeen seen = ClickAndWatchTheDialog(window, "SaveandActivate1");
    EXPECT_EQ(FM_Waiting, nullptr);
    EXPECT_EQ(seen.firstCount, "19");  // 20 steps: the first tick shows 19
    EXPECT_FALSE(seen.sendReboot);
    EXPECT_EQ(seen.notice, "The device is activate...");
    EXPECT_EQ(seen.powerNotice, "Please DO NOT POWER OFF the device");
    std::vector<std::string> sets = SetLines();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(sets[0].find(CommandSet(1, 0)), std::string::npos) << sets[0];
}

TEST_F(MainWindowTest, DiscardChangesSendsOneSetAndCountsFiftySteps) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    Control("clearlog");
    DialogSeen seen = ClickAndWatchTheDialog(window, "DiscardChanges1");
    EXPECT_EQ(seen.firstCount, "49");
    EXPECT_FALSE(seen.sendReboot);
    EXPECT_EQ(seen.notice, "The device is rebooting...");
    EXPECT_EQ(seen.powerNotice, "Please DO NOT POWER OFF the device");
    std::vector<std::string> sets = SetLines();
    ASSERT_GE(sets.size(), 1u);
    EXPECT_NE(sets[0].find(CommandSet(0, 1)), std::string::npos) << sets[0];
}

TEST_F(MainWindowTest, ARefusedCommandIsShownAndNothingIsCounted) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    Control("error " + std::string(MibDeviceRoot) + ".4.2.3.0 genErr");
    Dialogs().ExpectBox("Warning", MessageText(-105), ui::Answer::Ok);
    bool dialogSeen = false;
    Later(20, [&] { dialogSeen = FM_Waiting != nullptr; });
    Entry(window, "SaveandActivate1")->Click();
    RunFor(100);
    EXPECT_FALSE(dialogSeen);
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(MainWindowTest, EveryRequestOfTheWindowHasItsTimeOutModeAndKind) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    struct Expected {
        const char* name;
        VkSNMPRequest2Edits* request;
        int timeout;  // hundredths of a second per try
        bool async;
        // Scalars get ".0" appended, instances are sent as written; a request
        // of the wrong kind asks for an object the device does not have.
        VkSNMPVarListKind kind;
    } const requests[] = {
        {"LanAddressRequest", window.LanAddressRequest.get(), 100, true, MVT_SV},
        {"DhcpControlRequest", window.DhcpControlRequest.get(), 100, false, SVT_SV},
        {"DeviceIpRequest", window.DeviceIpRequest.get(), 1000, false, MVT_SV},
        {"BandRequest", window.BandRequest.get(), 10000, false, MVT_SV},
        {"DeviceCommandRequest", window.DeviceCommandRequest.get(), 10000, false, SVT_SV},
        {"LedRequest", window.LedRequest.get(), 100, true, MVT_SV},
        {"ApModeRequest", window.ApModeRequest.get(), 1000, false, MVT_SV},
    };
    for (const Expected& e : requests) {
        ASSERT_NE(e.request, nullptr) << e.name;
        EXPECT_EQ(e.request->request.timeout, e.timeout) << e.name;
        EXPECT_EQ(e.request->async, e.async) << e.name;
        EXPECT_EQ(e.request->request.vars.kind, e.kind) << e.name;
        EXPECT_EQ(e.request->request.vars.keyCount, 0) << e.name << ": no table is walked";
    }
    ASSERT_NE(window.ProbeRequest, nullptr);
    EXPECT_EQ(window.ProbeRequest->timeout, 3000);
    EXPECT_EQ(window.ProbeRequest->vars.kind, SVT_SV);
}

TEST_F(MainWindowTest, ASilentDeviceStopsTheStartupReadsAtTheFirstTimeOut) {
    ASSERT_TRUE(started_);
    Control("down");
    TMainForm& window = StartMainWindow();
    EXPECT_EQ(window.MainStatusBar->SimpleText(), MessageText(VK_ERR_TIMEOUT));
    // The first synchronous read went unanswered; nothing after it was sent.
    EXPECT_GT(window.DhcpControlRequest->request.ErrorCount(), 0);
    for (VkSNMPRequest2Edits* later : {window.DeviceIpRequest.get(), window.BandRequest.get(),
                                       window.DeviceCommandRequest.get(), window.ApModeRequest.get()}) {
        EXPECT_EQ(later->request.ErrorCount(), 0);
        EXPECT_FALSE(later->lastReadOk);
    }
    EXPECT_FALSE(window.LedRequest->busy);  // not sent either
    EXPECT_TRUE(window.ARPSpoofingPreventionSettings1->Visible());  // as for a failed read
    EXPECT_TRUE(window.Timer1->Enabled());
    // The device coming back is found by the probe and the poll.
    Control("up");
    EXPECT_TRUE(Answered(window)) << window.MainStatusBar->SimpleText();
    EXPECT_TRUE(RunUntil([&] { return !window.IPAddressEdit->Text().empty(); }));
}

TEST_F(MainWindowTest, ThePollClearsTheAddressOnTheEighthTickAndThenEverySeventh) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    for (ui::Timer* timer : {window.LedStatus, window.LedBlink, window.Timer1}) timer->SetEnabled(false);
    // Nothing is sent, so only the clearing changes the edits.
    window.LanAddressRequest->request.enabled = false;
    window.LedRequest->request.enabled = false;
    ASSERT_EQ(window.PollTicks, 0);
    std::vector<int> cleared;
    for (int tick = 1; tick <= 22; ++tick) {
        window.IPAddressEdit->SetText("192.168.0.50");
        window.SubMaskEdit->SetText("255.255.255.0");
        window.Timer1Timer(window.Timer1);
        if (window.IPAddressEdit->Text().empty()) {
            cleared.push_back(tick);
            EXPECT_TRUE(window.SubMaskEdit->Text().empty()) << tick;
        }
    }
    EXPECT_EQ(cleared, (std::vector<int>{8, 15, 22}));
}

TEST_F(MainWindowTest, EveryMenuEntryHasItsCaptionAndParent) {
    ASSERT_TRUE(started_);
    TMainForm& window = StartMainWindow();
    struct Row {
        const char* name;
        const char* caption;
        const char* parent;
    } const rows[] = {
        {"Home1", "Home", "MainMenu1"},
        {"Information1", "Information", "Home1"},
        {"hWirelessBand1", "Wireless", "Home1"},
        {"hLan1", "LAN", "Home1"},
        {"advanced2", "Advanced", "MainMenu1"},
        {"adPerformance1", "Performance", "advanced2"},
        {"adFilter", "Filter", "advanced2"},
        {"Mac1", "Wireless MAC ACL", "adFilter"},
        {"WLANPartition1", "WLAN Partition", "adFilter"},
        {"Ad_MultiSSID", "Multi-SSID", "advanced2"},
        {"DHCPServer1", "DHCP Server", "advanced2"},
        {"Intrusion1", "Intrusion", "advanced2"},
        {"Scheduling1", "Schedule", "advanced2"},
        {"QosSetting1", "QoS", "advanced2"},
        {"VlanSetting1", "VLAN", "advanced2"},
        {"mniAPArray1", "AP Array", "advanced2"},
        {"WebRedirection1", "Web Redirection", "advanced2"},
        {"ARPSpoofingPreventionSettings1", "ARP Spoofing Prevention", "advanced2"},
        {"mniLocalRADIUSServer1", "Internal RADIUS Server", "advanced2"},
        {"mniTrafficControl1", "Traffic Control", "advanced2"},
        {"tools2", "Tools", "MainMenu1"},
        {"tAdmin2", "Administration", "tools2"},
        {"tSystem2", "System Settings", "tools2"},
        {"Firmware1", "Firmware and SSL", "tools2"},
        {"Time", "Time and Date", "tools2"},
        {"tUpdate2", "Configuration File", "tools2"},
        {"Configuration1", "Configuration", "MainMenu1"},
        {"SaveandActivate1", "Save and Activate", "Configuration1"},
        {"DiscardChanges1", "Discard Changes", "Configuration1"},
        {"status2", "Status", "MainMenu1"},
        {"stDeviceInfo2", "Device Information", "status2"},
        {"Client1", "Client Information", "status2"},
        {"WDSInformation1", "WDS Information", "status2"},
        {"stStats1", "Stats", "status2"},
        {"Ethernet1", "Ethernet", "stStats1"},
        {"WLAN1", "WLAN", "stStats1"},
        {"SystemLog", "Log", "status2"},
        {"ViewLog1", "View Log", "SystemLog"},
        {"LogSettings1", "Log Settings", "SystemLog"},
        {"Help", "Help", "MainMenu1"},
        {"About1", "About", "Help"},
        {"WirelessLan", "Wireless LAN", "MainMenu1"},
        {"ACLManagement1", "AP Management", "MainMenu1"},
        {"Test11", "MIB II", "MainMenu1"},
        {"IPCounters1", "IP Counters", "Test11"},
        {"IPRouting1", "IP Routing", "Test11"},
        {"IPAddressTable1", "IP Address Table", "Test11"},
        {"ICMPCounters1", "ICMP Counters", "Test11"},
        {"UDPCounters1", "UDP Counters", "Test11"},
        {"SNMPCounters1", "SNMP Counters", "Test11"},
        {"Exit1", "Exit", "Test11"},
    };
    for (const Row& row : rows) {
        ui::MenuItem* entry = Entry(window, row.name);
        ASSERT_NE(entry, nullptr) << row.name;
        EXPECT_EQ(entry->Caption(), row.caption) << row.name;
        ASSERT_NE(entry->Owner(), nullptr) << row.name;
        EXPECT_EQ(entry->Owner()->Name(), row.parent) << row.name;
    }
    // No entry beyond the table.
    std::function<int(const ui::Component&)> count = [&](const ui::Component& owner) {
        int entries = 0;
        for (int i = 0; i < owner.ComponentCount(); ++i) {
            const ui::Component* child = owner.ComponentAt(i);
            if (dynamic_cast<const ui::MenuItem*>(child) != nullptr) entries += 1 + count(*child);
        }
        return entries;
    };
    EXPECT_EQ(count(*window.MainMenu1), static_cast<int>(std::size(rows)));
}

namespace {

// The waiting dialog over a main window whose lamps the test sets itself.
class WaitingDialogTest : public MainWindowTest {
protected:
    // The first probe's answer would start the blinking again: it comes first.
    TMainForm& QuietMainWindow() {
        TMainForm& window = StartMainWindow();
        EXPECT_TRUE(Answered(window));
        window.LedStatus->SetEnabled(false);
        window.LedBlink->SetEnabled(false);
        window.Timer1->SetEnabled(false);
        window.LED_24GLan->SetBrushColor(kLedBlack);
        return window;
    }

    // Opens the dialog modally; watch runs every few milliseconds while it
    // is open. The dialog is deleted afterwards; its last state is returned.
    struct Outcome {
        int secondsLeft;
        int stallTicks;
        int ticks;  // of the dialog's timer, counted here
    };
    Outcome RunDialog(int steps, bool sendReboot, std::function<void(TFM_Waiting&)> watch) {
        FM_Waiting = new TFM_Waiting(nullptr);
        FM_Waiting->Create();
        FM_Waiting->SecondsLeft = steps;
        FM_Waiting->SendReboot = sendReboot;
        ticks_ = 0;
        ui::NotifyEvent tick = FM_Waiting->Timer1->OnTimer;
        FM_Waiting->Timer1->OnTimer = [this, tick](ui::Component* sender) {
            ++ticks_;
            tick(sender);
        };
        ui::Timer watcher(nullptr);
        watcher.SetInterval(1);
        watcher.OnTimer = [&](ui::Component*) {
            if (FM_Waiting) watch(*FM_Waiting);
        };
        FM_Waiting->ShowModal();
        watcher.SetEnabled(false);
        Outcome outcome{FM_Waiting->SecondsLeft, FM_Waiting->StallTicks, ticks_};
        delete FM_Waiting;
        FM_Waiting = nullptr;
        return outcome;
    }

    int ticks_ = 0;  // of the open dialog's timer so far
};

}  // namespace

TEST_F(WaitingDialogTest, TheUserCanCloseOnlyAfterThreeHeldSteps) {
    ASSERT_TRUE(started_);
    QuietMainWindow();
    int refusedWhileHolding = 0;
    Outcome outcome = RunDialog(2, false, [&](TFM_Waiting& dialog) {
        if (dialog.StallTicks > 0 && dialog.StallTicks <= 2) ++refusedWhileHolding;
        dialog.Close();  // the close box, as often as it goes
    });
    EXPECT_GT(refusedWhileHolding, 0);
    EXPECT_EQ(outcome.stallTicks, 3);
    EXPECT_EQ(outcome.secondsLeft, 0);
}

TEST_F(WaitingDialogTest, AHeldCountClosesWhenTheLampTurnsGreenOrAfterSixSteps) {
    ASSERT_TRUE(started_);
    TMainForm& window = QuietMainWindow();
    Outcome neverGreen = RunDialog(2, false, [](TFM_Waiting&) {});
    EXPECT_EQ(neverGreen.stallTicks, 6);
    EXPECT_EQ(neverGreen.ticks, 1 + 6);  // one counting step, six held
    Outcome green = RunDialog(3, false, [&](TFM_Waiting& dialog) {
        if (dialog.StallTicks == 2) window.LED_24GLan->SetBrushColor(kLedGreen);
    });
    EXPECT_EQ(green.stallTicks, 2);
    EXPECT_EQ(green.secondsLeft, 0);
    EXPECT_EQ(green.ticks, 2 + 2 + 1);  // two counting steps, two held, the last
}

TEST_F(WaitingDialogTest, TheRebootIsWrittenOnTheSecondStepOnlyWhenAsked) {
    ASSERT_TRUE(started_);
    TMainForm& window = QuietMainWindow();
    window.LED_24GLan->SetBrushColor(kLedGreen);
    const std::string reboot = std::string(MibDeviceRoot) + ".4.3.2.5.0=integer:4";
    for (bool asked : {false, true}) {
        Control("clearlog");
        int ticksWhenDone = -1;
        RunDialog(4, asked, [&](TFM_Waiting& dialog) {
            if (!dialog.RebootPending && ticksWhenDone < 0) ticksWhenDone = ticks_;
        });
        EXPECT_EQ(ticksWhenDone, 2) << asked;
        int reboots = 0;
        RunUntil([&] {
            reboots = 0;
            for (const std::string& line : SetLines())
                if (line.find(reboot) != std::string::npos) ++reboots;
            return reboots > 0 || !asked;
        }, 2000);
        EXPECT_EQ(reboots, asked ? 1 : 0) << asked;
    }
}

// Ends the test program's application object, after which no modal loop
// runs: gtest runs suites in the order they first appear, so this suite of
// its own comes last.
class MainWindowEndTest : public MainWindowTest {};

TEST_F(MainWindowEndTest, AMissingSettingsKeyEndsTheModuleWithOneMessage) {
    ASSERT_TRUE(started_);
    shell_test::WriteSettingsFile(temp_ / "127.0.0.1.cfg", {"Version=1", "SecurityModel=2",
                                                            "SecurityLevel=0", "AuthProtocol=0",
                                                            "PrivProtocol=0"});
    Dialogs().ExpectBox("UiTest", "'' is not a valid integer value", ui::Answer::Ok);
    TMainForm& window = StartMainWindow();
    EXPECT_TRUE(App().Terminated());
    for (ui::Timer* timer : {window.LedStatus, window.LedBlink, window.Timer1})
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
    EXPECT_EQ(window.ProbeRequest, nullptr);
    EXPECT_EQ(window.LedRequest, nullptr);
    window.Timer1Timer(nullptr);  // a late tick finds nothing to use
    window.LedStatusTimer(nullptr);
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(MainWindowEndTest, WithoutParametersTheModuleEndsAfterItsMessageReadingNothing) {
    ASSERT_TRUE(started_);
    Dialogs().ExpectBox("UiTest", "This module is only used in the Vistrel or HP-Openview.", ui::Answer::Ok);
    TMainForm& window = StartMainWindow({});
    EXPECT_TRUE(App().Terminated());
    for (ui::Timer* timer : {window.LedStatus, window.LedBlink, window.Timer1})
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
    EXPECT_EQ(window.ProbeRequest, nullptr);
    EXPECT_EQ(window.LanAddressRequest, nullptr);
    EXPECT_EQ(window.ApModeRequest, nullptr);
    EXPECT_EQ(window.LogDir, "");
    EXPECT_EQ(os_test::FileText(temp_ / "VAP-7720"), "<missing>");
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}

TEST_F(MainWindowEndTest, ASecondCopyForTheDeviceEndsAfterTheWarningReadingNothing) {
    ASSERT_TRUE(started_);
    ASSERT_TRUE(TakeInstanceGuard(DeviceCaption("VAP-7720", "127.0.0.1")));  // the first copy
    Control("clearlog");
    Dialogs().ExpectBox("Warning", "SNMP Timeout or another VAP-7720 module is running!", ui::Answer::Ok);
    TMainForm& window = StartMainWindow();
    EXPECT_TRUE(App().Terminated());
    for (ui::Timer* timer : {window.LedStatus, window.LedBlink, window.Timer1})
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
    EXPECT_EQ(window.ProbeRequest, nullptr);
    EXPECT_EQ(window.LanAddressRequest, nullptr);
    EXPECT_EQ(window.LogDir, "");
    EXPECT_TRUE(sim_.Control("log").lines.empty());
    EXPECT_EQ(Dialogs().Boxes().size(), 1u);
}
