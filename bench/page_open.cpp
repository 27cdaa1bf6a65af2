// How long the heaviest pages take to open against the simulated access
// point, and how many SNMP exchanges each opening costs. A page is opened as
// its menu entry opens it (the registered opener: pointer set, creation step,
// shown modally); the time runs from that call until the page's last read is
// answered (the SNMP engine has nothing left to do and stays so for a quiet
// while, after which the page is closed). Beside it: the request PDUs the
// device received during the opening (its PDU log) and the answers the
// module got. Real time (no time scale), offscreen, SNMPv2c, the page alone
// (no main window polling beside it). Exits non-zero when a page does not
// load: a read unanswered, a message box, or no end of its reads.
//
//   page_open [openings]     openings per page after one warm-up (default 10)

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <exception>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_simulator.h"
#include "library/snmp/global_session.h"
#include "library/snmp/netsnmp_engine.h"
#include "pages/all_pages.h"
#include "pages/basic/wireless_page.h"
#include "pages/maintenance/admin_page.h"
#include "pages/network/dhcp_page.h"
#include "pages/wireless/multissid_page.h"
#include "platform/ui/application.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"
#include "shell/page_openers.h"
#include "shell/startup_parameters.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The engine must stay idle this long before the page counts as loaded: a
// page that starts a read from a timer after it shows is waited for.
constexpr auto kQuiet = std::chrono::milliseconds(500);
// An opening whose reads have not ended by then has failed.
constexpr auto kBound = std::chrono::seconds(60);
// Close requests a page may refuse before the run is given up.
constexpr int kCloseTries = 500;

struct BenchPage {
    const char* title;
    const char* entry;  // its menu entry
    std::function<ui::Form*()> form;  // the page's global pointer
};

const std::vector<BenchPage>& Pages() {
    static const std::vector<BenchPage> pages = {
        {"Wireless", "hWirelessBand1", [] { return static_cast<ui::Form*>(FM_Wirless); }},
        {"Multi-SSID", "Ad_MultiSSID", [] { return static_cast<ui::Form*>(FM_MultiSSIDNewForm); }},
        {"DHCP Server", "DHCPServer1", [] { return static_cast<ui::Form*>(FM_DHCP); }},
        {"Administration", "tAdmin2", [] { return static_cast<ui::Form*>(FM_Admin2); }},
    };
    return pages;
}

// Message boxes are answered as their close box would and kept: a page that
// shows one while it loads has not loaded as it should.
class RecordedBoxes : public ui::DialogService {
public:
    RecordedBoxes() : previous_(ui::SetDialogService(this)) {}
    ~RecordedBoxes() override { ui::SetDialogService(previous_); }
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    ui::Answer ShowMessageBox(const std::string& caption, const std::string& text, ui::Buttons buttons,
                              ui::Icon) override {
        texts_.push_back(caption + ": " + text);
        if (buttons == ui::Buttons::OkCancel) return ui::Answer::Cancel;
        return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
    }
    bool ChooseOpenFile(const ui::FileDialogRequest&, std::string&) override { return false; }
    bool ChooseSaveFile(const ui::FileDialogRequest&, std::string&) override { return false; }
    void Beep() override {}

    // The boxes shown since the last call.
    std::vector<std::string> Take() { return std::exchange(texts_, {}); }

private:
    ui::DialogService* previous_;
    std::vector<std::string> texts_;
};

// Watches one opening from inside the page's modal loop, every millisecond:
// notes when the engine last went idle and closes the page once it has
// stayed idle for the quiet while (or the bound has passed).
class OpeningWatch {
public:
    explicit OpeningWatch(std::function<ui::Form*()> form) : form_(std::move(form)), timer_(nullptr) {
        timer_.SetEnabled(false);
        timer_.SetInterval(1);
        timer_.OnTimer = [this](ui::Component*) { Tick(); };
    }

    // Runs the menu entry's opener; adds to failures what went wrong.
    void Open(const std::string& entry, std::vector<std::string>& failures) {
        start_ = lastIdle_ = Clock::now();
        timer_.SetEnabled(true);
        try {
            if (!OpenRegisteredPage(entry)) failures.push_back("no opener is registered for " + entry);
        } catch (const std::exception& error) {
            failures.push_back(std::string("the opening raised: ") + error.what());
        }
        timer_.SetEnabled(false);
        if (!shown_) failures.push_back("the page did not stay open until it showed modally");
        if (timedOut_) failures.push_back("its reads had not ended after " + std::to_string(kBound.count()) + " s");
        if (refused_) failures.push_back("it refused to close, so the run ends here");
    }

    double Elapsed() const { return Milliseconds(lastIdle_ - start_).count(); }

private:
    void Tick() {
        ui::Form* page = form_();
        if (page == nullptr || !page->Modal() || !page->Visible()) return;  // not in its modal loop yet
        shown_ = true;
        Clock::time_point now = Clock::now();
        if (snmpengine::HasPendingWork()) {
            busy_ = true;
        } else if (busy_) {
            busy_ = false;
            lastIdle_ = now;
        }
        timedOut_ = timedOut_ || now - start_ > kBound;
        const bool settled = !busy_ && now - lastIdle_ >= kQuiet;
        if (!settled && !timedOut_) return;
        if (++closeTries_ <= kCloseTries) return page->Close();
        // Ending the application is the one way out of a modal loop whose
        // page keeps refusing.
        refused_ = true;
        ui::Application::Instance()->Terminate();
    }

    std::function<ui::Form*()> form_;
    ui::Timer timer_;
    Clock::time_point start_;
    Clock::time_point lastIdle_;
    bool busy_ = true;  // until the first look: the opening itself is the work
    bool shown_ = false;
    bool timedOut_ = false;
    bool refused_ = false;
    int closeTries_ = 0;
};

struct Opening {
    double ms = 0;
    size_t received = 0;  // request PDUs in the device's log
    uint64_t requested = 0;
    uint64_t answered = 0;
    bool loaded = false;
};

class PageOpenBench {
public:
    explicit PageOpenBench(BenchSimulator& sim) : sim_(sim) {}

    Opening Open(const BenchPage& page) {
        sim_.Control("clearlog");
        snmpengine::ExchangeTally before = snmpengine::Tally();
        OpeningWatch watch(page.form);
        std::vector<std::string> failures;
        watch.Open(page.entry, failures);
        snmpengine::ExchangeTally after = snmpengine::Tally();
        Opening opening;
        opening.ms = watch.Elapsed();
        opening.received = sim_.Control("log").lines.size();
        opening.requested = after.requested - before.requested;
        opening.answered = after.answered - before.answered;
        if (opening.answered < opening.requested)
            failures.push_back(std::to_string(opening.requested - opening.answered) + " of " +
                               std::to_string(opening.requested) + " exchanges unanswered");
        for (const std::string& box : boxes_.Take()) failures.push_back("a message box: " + box);
        opening.loaded = failures.empty();
        for (const std::string& failure : failures)
            std::fprintf(stderr, "page_open: %s did not load: %s\n", page.title, failure.c_str());
        return opening;
    }

private:
    BenchSimulator& sim_;
    RecordedBoxes boxes_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One figure, or its range when the openings differ.
template <typename Number>
std::string Range(const std::vector<Opening>& openings, Number Opening::*field) {
    auto [low, high] = std::minmax_element(openings.begin(), openings.end(),
                                           [field](const Opening& a, const Opening& b) { return a.*field < b.*field; });
    std::string text = std::to_string((*low).*field);
    return (*low).*field == (*high).*field ? text : text + "-" + std::to_string((*high).*field);
}

void PrintRow(const BenchPage& page, const std::vector<Opening>& openings) {
    std::vector<double> times;
    for (const Opening& opening : openings) times.push_back(opening.ms);
    std::string exchanges = Range(openings, &Opening::received) + " / " + Range(openings, &Opening::answered);
    bool loaded = std::all_of(openings.begin(), openings.end(), [](const Opening& opening) { return opening.loaded; });
    std::printf("%-16s %17s %11.1f %11.1f%s\n", page.title, exchanges.c_str(), Median(times),
                *std::max_element(times.begin(), times.end()), loaded ? "" : "   NOT LOADED");
}

std::string MakeFolder() {
    char pattern[] = "/tmp/page-open-bench-XXXXXX";
    return ::mkdtemp(pattern) == nullptr ? std::string() : std::string(pattern);
}

// The module's own start-up on the simulator: the per-device settings file
// gives the port, the command line the address, communities and version.
void PointSessionAt(const std::string& folder, int port) {
    CreateGlobalSNMPSession(folder);
    std::ofstream(folder + "/127.0.0.1.cfg") << "[Program Information]\nAgentPort=" << port
                                             << "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                                                "AuthProtocol=0\nPrivProtocol=0\n";
    ApplyStartupParametersToGlobals({"/I127.0.0.1", "/Rpublic", "/Wprivate", "/v1"}, folder + "/");
}

int Run(int openings, const std::string& folder) {
    BenchSimulator sim(folder);
    if (!sim.Started()) {
        std::fprintf(stderr, "page_open: the simulator did not start (see %s/sim.log)\n", folder.c_str());
        return 1;
    }
    PointSessionAt(folder, sim.Port());
    RegisterAllPages();
    PageOpenBench bench(sim);
    bool allLoaded = true;
    std::vector<std::vector<Opening>> results;
    for (const BenchPage& page : Pages()) {
        std::vector<Opening> measured;
        for (int i = 0; i <= openings && !ui::Application::Instance()->Terminated(); ++i) {
            Opening opening = bench.Open(page);
            allLoaded = allLoaded && opening.loaded;
            if (i > 0) measured.push_back(opening);  // the first is the warm-up
        }
        if (measured.empty()) break;
        results.push_back(measured);
    }
    FreeSNMPGlobals();
    std::printf("Opening a page against the simulated device (SNMPv2c, real time, %d openings per page after a "
                "warm-up):\ntime from the menu's opener call to the page's last read answered; exchanges per "
                "opening = request PDUs the device received / answers the module got\n",
                openings);
    std::printf("%-16s %17s %11s %11s\n", "page", "exchanges", "median ms", "worst ms");
    for (size_t i = 0; i < results.size(); ++i) PrintRow(Pages()[i], results[i]);
    return allLoaded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    int openings = argc > 1 ? std::atoi(argv[1]) : 10;
    if (openings < 1) {
        std::fprintf(stderr, "usage: %s [openings per page, at least 1]\n", argv[0]);
        return 2;
    }
    // Real time, and no window on the screen.
    setenv("VAP_TIME_SCALE", "1", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ui::Application application(argc, argv);
    std::string folder = MakeFolder();
    if (folder.empty()) return 1;
    int status = Run(openings, folder);
    std::error_code ignored;
    if (status == 0)
        std::filesystem::remove_all(folder, ignored);
    else
        std::fprintf(stderr, "page_open: the simulator's output is in %s\n", folder.c_str());
    return status;
}
