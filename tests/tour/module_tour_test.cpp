// The whole module as its users meet it: the program's entry runs against
// the simulated access point with a command line as the suite gives it, the
// main window comes up and reads the device, and then every page the menu
// opens (hidden entries, and the Grouping page that only a handler opens,
// included) is opened in menu order, left to load and closed, and the main
// window is closed. Nothing of the device's settings may have been written:
// the only SETs the device may see are the commands a page sends at opening
// to have the device act (scan, refresh a list, send its log). Once over
// SNMPv1 and once over SNMPv3 with authentication and privacy; the test
// build's sanitizers watch the whole run for leaks and memory faults.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "library/snmp/netsnmp_engine.h"
#include "pages/all_pages.h"
#include "platform/os/udp_socket.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/scripted_dialogs.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_root.h"
#include "shell/module_entry.h"
#include "tests/support/run_tool.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Set before anything reads the time scale: the module and the simulator
// run twenty times faster.
const bool kTimeScaled = (::setenv("VAP_TIME_SCALE", "0.05", 0), true);

constexpr char kStartupAnswered[] = "Get: (ZuDUZU++) Ok!. Receive at ";

// The menu entries that open pages, in menu order, and the page each opens;
// the last row is the Grouping page, which only its handler opens.
struct Stop {
    const char* entry;
    const char* page;
};
const Stop kStops[] = {
    {"Information1", "FM_Information"},
    {"hWirelessBand1", "FM_Wirless"},
    {"hLan1", "FM_LanCfg"},
    {"adPerformance1", "FM_Performace"},
    {"Mac1", "FM_FilterMACACL"},
    {"WLANPartition1", "FM_WLANPart"},
    {"Ad_MultiSSID", "FM_MultiSSIDNewForm"},
    {"DHCPServer1", "FM_DHCP"},
    {"Intrusion1", "FM_RogueAP"},
    {"Scheduling1", "FM_Scheduling"},
    {"QosSetting1", "FM_QosSetting"},
    {"VlanSetting1", "FM_VlanSetting"},
    {"mniAPArray1", "FM_APArray"},
    {"WebRedirection1", "FM_WebRedirection"},
    {"ARPSpoofingPreventionSettings1", "FM_ARPSpoofing"},
    {"mniLocalRADIUSServer1", "FM_LRADIUSSer"},
    {"mniTrafficControl1", "FM_TrafficCtrl"},
    {"tAdmin2", "FM_Admin2"},
    {"tSystem2", "FM_Sytem"},
    {"Firmware1", "FM_Firmware"},
    {"Time", "FM_Time"},
    {"tUpdate2", "FM_CfgFile"},
    {"stDeviceInfo2", "FM_DevInfo"},
    {"Client1", "ClientInformation"},
    {"WDSInformation1", "FM_WDSInfo"},
    {"Ethernet1", "FM_Static"},
    {"WLAN1", "FM_StatWLAN"},
    {"ViewLog1", "LogForm"},
    {"LogSettings1", "LogSetForm"},
    {"UserLimit", "FM_Group"},
};
constexpr char kHandlerOnly[] = "UserLimit";

// The entries with a handler that opens no page: the device commands, the
// About box, the hidden MIB-II entries that do nothing, and Exit.
const std::set<std::string> kNotPages = {"SaveandActivate1", "DiscardChanges1", "About1",
                                         "IPCounters1",      "IPRouting1",      "IPAddressTable1",
                                         "ICMPCounters1",    "UDPCounters1",    "SNMPCounters1",
                                         "Exit1"};

// The commands pages send at opening to have the device act; none changes a
// setting ("E" stands for the device root).
const char* const kActingCommands[] = {
    "E.2.1.3.3.4.1.1.1.1",  // dot11ClientInformationRefresh: list the stations again
    "E.2.1.3.3.5.1.1.1.1",  // dot11WdsRefresh: list the WDS peers again
    "E.3.1.4.1.0",          // refreshCurrentDynamicList: the DHCP leases
    "E.3.1.4.3.0",          // refreshCurrentStaticList: the static DHCP leases
    "E.3.6.3.1.0",          // dot11PortListRefresh: the VLAN port list
    "E.5.4.4.0",            // systemLogTFTPServerIPAddress, systemLogFileName and
    "E.5.4.5.0",            // systemLogGetLog: the device sends its log to the
    "E.5.4.6.0",            // module's TFTP server (the View Log page)
};

bool ActingCommand(const std::string& oid) {
    for (const char* command : kActingCommands)
        if (oid == MibDeviceRoot + std::string(command + 1)) return true;
    return false;
}

// How long a page has exchanged nothing when it counts as loaded (in real
// time; twenty times that in the module's scaled time).
constexpr std::chrono::milliseconds kQuietPeriod(150);

bool SnmpIdle() { return !snmpengine::HasPendingWork() && snmpengine::OutstandingCount() == 0; }

// Runs `then` from the message loop once `ready` holds, checked every 20 ms;
// after timeoutMs without it, records `what` as a problem and runs `then`.
void When(std::function<bool()> ready, std::function<void()> then, int timeoutMs, std::string what,
          std::vector<std::string>& problems, Clock::time_point started = Clock::now()) {
    QTimer::singleShot(20, [=, &problems] {
        if (ready()) return then();
        if (Clock::now() - started > std::chrono::milliseconds(timeoutMs)) {
            problems.push_back(what);
            return then();
        }
        When(ready, then, timeoutMs, what, problems, started);
    });
}

// The page entries of the menu, depth first (menu order).
void CollectPageEntries(const ui::Component& parent, std::vector<ui::MenuItem*>& entries) {
    for (int i = 0; i < parent.ComponentCount(); ++i) {
        auto* entry = dynamic_cast<ui::MenuItem*>(parent.ComponentAt(i));
        if (entry == nullptr) continue;
        if (entry->OnClick && kNotPages.count(entry->Name()) == 0) entries.push_back(entry);
        CollectPageEntries(*entry, entries);
    }
}

// What one stop of the tour saw.
struct Visit {
    std::string entry;
    std::string page;     // the modal page's object name; "" when none showed
    bool loaded = false;  // its reads were over before it was closed
    bool asked = false;   // the tour asked it to close
    bool forced = false;  // it refused for seconds and was hidden
    bool closed = false;  // it closed when asked
};

// Walks the main window's menu from its message loop. Each step runs from a
// timer: the entry's click runs the page's modal loop, in which the watch for
// the page runs; the next step starts once the click has returned.
class Tour {
public:
    explicit Tour(TMainForm& window) : window_(window) {}

    void Begin() {
        When([this] { return StartupAnswered(); }, [this] { Start(); }, 30000,
             "the start-up reads were not answered", problems);
    }

    std::vector<Visit> visits;
    std::vector<std::string> menuEntries;  // the page entries the menu holds, in order
    std::vector<std::string> problems;

private:
    bool StartupAnswered() const {
        return window_.MainStatusBar->SimpleText().rfind(kStartupAnswered, 0) == 0 && SnmpIdle();
    }
    void Start() {
        std::vector<ui::MenuItem*> entries;
        CollectPageEntries(*window_.MainMenu1, entries);
        for (ui::MenuItem* entry : entries) menuEntries.push_back(entry->Name());
        for (ui::MenuItem* entry : entries)
            steps_.push_back({entry->Name(), [entry] {
                                  if (entry->Visible())
                                      entry->Click();
                                  else
                                      entry->OnClick(entry);  // what the hidden entry would do
                              }});
        steps_.push_back({kHandlerOnly, [this] { window_.UserLimitClick(&window_); }});
        Next();
    }
    void Next() {
        if (next_ == steps_.size()) return window_.Close();  // ends the program
        const Step& step = steps_[next_++];
        visits.emplace_back();
        visits.back().entry = step.entry;
        WatchForPage(visits.size() - 1, Clock::now());
        step.click();  // returns when the page has closed
        Visit& visit = visits.back();
        visit.closed = visit.asked && !visit.forced;
        QTimer::singleShot(0, [this] { Next(); });
    }
    // Once the page is modal: lets it load, then asks it to close.
    void WatchForPage(size_t visit, Clock::time_point started) {
        QTimer::singleShot(20, [this, visit, started] {
            QPointer<QWidget> page = QApplication::activeModalWidget();
            if (page == nullptr) {
                if (Clock::now() - started < std::chrono::seconds(20)) WatchForPage(visit, started);
                return;  // nothing showed: the visit says so
            }
            visits[visit].page = page->objectName().toStdString();
            // Loaded: no exchange for a while (a page may wait between its
            // steps, e.g. for the device to rebuild a list before reading it).
            auto quietSince = std::make_shared<Clock::time_point>(Clock::now());
            When(
                [quietSince] {
                    if (!SnmpIdle()) *quietSince = Clock::now();
                    return Clock::now() - *quietSince >= kQuietPeriod;
                },
                [this, visit, page] {
                    visits[visit].loaded = SnmpIdle();
                    CloseWhenAllowed(visit, page, 250);
                },
                30000, visits[visit].entry + " kept reading", problems);
        });
    }
    // Asks the page to close as its close box does; a page that refuses while
    // an exchange of its own ends is asked again, as a user would.
    void CloseWhenAllowed(size_t visit, QPointer<QWidget> page, int triesLeft) {
        if (page == nullptr || !page->isVisible()) return;
        if (triesLeft == 0) {
            visits[visit].forced = true;
            page->hide();  // ends its modal loop so that the tour goes on
            return;
        }
        visits[visit].asked = true;
        page->close();  // the page's modal loop ends when its close handlers let it
        QTimer::singleShot(20, [this, visit, page, triesLeft] { CloseWhenAllowed(visit, page, triesLeft - 1); });
    }

    struct Step {
        std::string entry;
        std::function<void()> click;
    };
    TMainForm& window_;
    std::vector<Step> steps_;
    size_t next_ = 0;
};

// How the tour talks to the device.
struct Access {
    const char* name;
    std::vector<std::string> simArguments;  // added to the simulator's
    std::vector<std::string> settings;      // the settings file's keys (the port is added)
    std::vector<std::string> parameters;    // the module's command line
};

const Access kV1 = {"SNMPv1",
                    {},
                    {"Version=0", "SecurityModel=1", "SecurityLevel=0", "AuthProtocol=0", "PrivProtocol=0"},
                    {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v0"}};
const Access kV3 = {"SNMPv3AuthPriv",
                    {"--user", "tour:SHA:tourAuth1:DES:tourPriv1", "--ro-community", "nobody-reads",
                     "--rw-community", "nobody-writes"},
                    {"Version=3", "SecurityModel=3", "SecurityLevel=2", "SecurityName=tour", "AuthProtocol=2",
                     "PrivProtocol=1", "AuthPassword=tourAuth1", "PrivPassword=tourPriv1"},
                    {"/I127.0.0.1", "/v3"}};

void PrintTo(const Access& access, std::ostream* out) { *out << access.name; }

class ModuleTourTest : public ::testing::TestWithParam<Access> {
protected:
    ModuleTourTest() {
        EXPECT_TRUE(kTimeScaled);
        char folder[4096];
        if (::getcwd(folder, sizeof folder) != nullptr) previous_ = folder;
        // The module works in the test's folder (boots counter, settings
        // file); its registry store, runtime and data files are the test's.
        ::setenv("VAP_REGISTRY_FILE", (temp_ / "registry.ini").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", temp_.Path().c_str(), 1);
        ::setenv("APPDATA", temp_.Path().c_str(), 1);
        ::setenv("VAP_TFTP_PORT", std::to_string(tftpPort_).c_str(), 1);
        EXPECT_EQ(::chdir(temp_.Path().c_str()), 0);
    }
    ~ModuleTourTest() override {
        sim_.Stop();
        EXPECT_EQ(::chdir(previous_.c_str()), 0);
    }

    bool StartSim(const Access& access) {
        sim_.Settings().arguments = access.simArguments;
        sim_.Settings().arguments.insert(sim_.Settings().arguments.end(),
                                         {"--tftp-port", std::to_string(tftpPort_)});
        std::string error;
        bool started = sim_.Start(error);
        EXPECT_TRUE(started) << error;
        // The device's network is the loopback one, so that the module finds
        // the PC's address on it for the pages that move files.
        for (const char* command : {"set E.2.1.1.1.1.2.1 127.0.0.1", "set E.2.1.1.1.1.3.1 255.0.0.0"}) {
            support::ControlReply reply = sim_.Control(command);
            EXPECT_TRUE(reply.ok) << command << ": " << reply.error;
        }
        support::WriteFile(temp_ / "registry.ini",
                           "[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile]\nPath=" + temp_.Path() + "/\n");
        std::string settings = "[Program Information]\nAgentPort=" + std::to_string(sim_.Port()) + "\n";
        for (const std::string& line : access.settings) settings += line + "\n";
        support::WriteFile(temp_ / "127.0.0.1.cfg", settings);
        return started;
    }

    // Runs the program's entry with the command line; the tour starts once
    // the main window is made. Returns the program's exit code.
    int RunProgram(const std::vector<std::string>& parameters, std::unique_ptr<Tour>& tour) {
        std::vector<std::string> arguments = {"vap7720-module"};
        arguments.insert(arguments.end(), parameters.begin(), parameters.end());
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(&argument[0]);
        argv.push_back(nullptr);
        RegisterAllPages();
        return RunModule(static_cast<int>(arguments.size()), argv.data(), [&tour] {
            MainForm = new TMainForm(nullptr);
            tour = std::make_unique<Tour>(*MainForm);
            tour->Begin();
            return MainForm;
        });
    }

    // The objects of every SET the device received.
    std::vector<std::string> WrittenObjects() {
        std::vector<std::string> written;
        for (const std::string& line : sim_.Control("log").lines) {
            if (line.rfind("SET ", 0) != 0) continue;
            std::istringstream words(line);
            std::string word;
            for (int field = 0; words >> word; ++field)
                if (field >= 3) written.push_back(word.substr(0, word.find('=')));
        }
        return written;
    }

    support::TempFolder temp_;
    int tftpPort_ = os::FreeUdpPort();
    support::SimProcess sim_;
    std::string previous_;
};

TEST_P(ModuleTourTest, OpensEveryPageInMenuOrderLetsItLoadClosesItAndWritesNothing) {
    const Access& access = GetParam();
    ASSERT_TRUE(StartSim(access));
    ui::ScriptedDialogs dialogs([](const std::string& failure) { ADD_FAILURE() << failure; });
    std::unique_ptr<Tour> tour;
    EXPECT_EQ(RunProgram(access.parameters, tour), 0);
    ASSERT_NE(tour, nullptr);
    EXPECT_EQ(tour->problems, std::vector<std::string>{});

    // The menu's page entries are the tour's stops, in its order.
    std::vector<std::string> expectedEntries;
    for (const Stop& stop : kStops)
        if (std::string(stop.entry) != kHandlerOnly) expectedEntries.push_back(stop.entry);
    EXPECT_EQ(tour->menuEntries, expectedEntries);

    ASSERT_EQ(tour->visits.size(), std::size(kStops));
    for (size_t i = 0; i < tour->visits.size(); ++i) {
        const Visit& visit = tour->visits[i];
        SCOPED_TRACE(visit.entry);
        EXPECT_EQ(visit.entry, kStops[i].entry);
        EXPECT_EQ(visit.page, kStops[i].page);
        EXPECT_TRUE(visit.loaded);
        EXPECT_TRUE(visit.closed);
    }
    for (const std::string& object : WrittenObjects()) EXPECT_TRUE(ActingCommand(object)) << object;
}

INSTANTIATE_TEST_SUITE_P(Versions, ModuleTourTest, ::testing::Values(kV1, kV3),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
