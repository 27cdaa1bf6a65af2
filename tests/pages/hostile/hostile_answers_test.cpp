// Every page with a Save against a device that answers what the module's
// tables do not expect (hostile_fixtures.h): the page opens as the menu
// opens it, loads, and Save is pressed without anything typed. The device
// may then see no SET of a value it did not hold (a value not read, or read
// and changed, or a cell it does not have); only the commands pages send at
// opening to have the device act are left aside. No message box may show a
// text of the request layer's own. Where every number is one no list has,
// the page names those settings in its status line once it has loaded.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "pages/all_pages.h"
#include "pages/common/page_groups.h"
#include "platform/ui/dialog_service.h"
#include "shell/mib_root.h"
#include "shell/page_openers.h"
#include "tests/pages/hostile/hostile_fixtures.h"
#include "tests/pages/menu_visit.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

// The page each menu entry opens, its Save buttons, pressed in order, the
// objects its Save writes from what it shows of the PC rather than of the
// device ("E" stands for the device root), and whether it shows settings
// from option lists or switches (then a number none of them has is named in
// its status line).
struct Stop {
    const char* entry;
    std::vector<const char*> saves;
    std::vector<const char*> fromThePc = {};
    bool showsListedNumbers = true;
};
const Stop kStops[] = {
    {"Information1", {"Btn_Sa"}, {}, false},
    {"hWirelessBand1", {"Bt_Apply"}},
    {"hLan1", {"BT_LanCfgOk"}, {}, false},  // its own rule: an unknown address mode stops Save
    {"adPerformance1", {"Bt_Apply_a"}},
    {"Mac1", {"Bt_Apply"}},
    {"WLANPartition1", {"Btn_Apply"}},
    {"Ad_MultiSSID", {"ApplyBtn"}},
    {"DHCPServer1", {"Bt_Apply"}},
    {"Intrusion1", {"Btn_Apply"}, {}, false},
    {"Scheduling1", {"Btn_Apply"}},
    {"QosSetting1", {"Btn_Apply"}},
    {"VlanSetting1", {"Btn_Save", "Btn_PvidApply"}},
    {"mniAPArray1", {"Bt_ArraySave"}},
    {"WebRedirection1", {"Btn_Save"}},
    {"ARPSpoofingPreventionSettings1", {"Btn_Save"}},
    {"mniTrafficControl1", {"Bt_LinkApply", "Bt_QosApply", "Bt_TrafficApply"}},
    {"tAdmin2", {"OK"}},
    {"Time", {"Btn_Apply"}, {"E.4.8.7.0"}},  // sntpTimeofDay: the manual time shows the PC's clock
    {"LogSettings1", {"Bt_Apply"}},
};

// The commands pages send at opening to have the device act; none changes a
// setting ("E" stands for the device root).
const char* const kActingCommands[] = {
    "E.2.1.3.3.4.1.1.1.1",  // dot11ClientInformationRefresh
    "E.2.1.3.3.5.1.1.1.1",  // dot11WdsRefresh
    "E.3.1.4.1.0",          // refreshCurrentDynamicList
    "E.3.1.4.3.0",          // refreshCurrentStaticList
    "E.3.6.3.1.0",          // dot11PortListRefresh
};

bool ActingCommand(const std::string& oid) {
    for (const char* command : kActingCommands)
        if (oid == pagetest::DeviceOid(command)) return true;
    return false;
}

bool FromThePc(const Stop& stop, const std::string& oid) {
    for (const char* object : stop.fromThePc)
        if (oid == pagetest::DeviceOid(object)) return true;
    return false;
}

// Answers every box as its first button would (OK, Yes) and records it;
// file dialogs are cancelled.
class AnsweringDialogs : public ui::DialogService {
public:
    AnsweringDialogs() : previous_(ui::SetDialogService(this)) {}
    ~AnsweringDialogs() override { ui::SetDialogService(previous_); }
    AnsweringDialogs(const AnsweringDialogs&) = delete;
    AnsweringDialogs& operator=(const AnsweringDialogs&) = delete;

    ui::Answer ShowMessageBox(const std::string& caption, const std::string& text, ui::Buttons buttons,
                              ui::Icon) override {
        boxes.push_back(caption + ": " + text);
        return buttons == ui::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    bool ChooseOpenFile(const ui::FileDialogRequest&, std::string&) override { return false; }
    bool ChooseSaveFile(const ui::FileDialogRequest&, std::string&) override { return false; }
    void Beep() override {}

    std::vector<std::string> boxes;

private:
    ui::DialogService* previous_;
};

// The bindings of a logged PDU line ("SET v2c 12 <oid>=<syntax>:<value> ..."),
// each as "<oid>=<syntax>:<value>".
std::vector<std::string> Bindings(const std::string& line) {
    std::vector<std::string> bindings;
    const std::string start = " 1.3.6.1.";
    for (size_t at = line.find(start); at != std::string::npos;) {
        const size_t next = line.find(start, at + 1);
        bindings.push_back(line.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1));
        at = next;
    }
    return bindings;
}

class HostileAnswers : public pagetest::PageTest, public ::testing::WithParamInterface<hostile::Fixture> {
protected:
    // What one visit of a page saw.
    struct Visit {
        std::vector<std::string> problems;
        std::map<std::string, std::string> before;  // every object before Save, by OID
        std::vector<std::string> sets;              // the SET lines after it
        std::vector<std::string> boxes;
        std::string loadStatus;  // the page's status lines once its load was over
        bool over = false;  // the page closed: the visit's steps end
    };

    std::map<std::string, std::string> DeviceValues() {
        std::map<std::string, std::string> values;
        for (const std::string& line : Sim().Control("values").lines)
            values[line.substr(0, line.find('='))] = line;
        return values;
    }

    // Runs `then` once `ready` has held, checked every 20 ms; after 60 s
    // (a loaded machine) without it, notes `what` and runs `then`. Nothing
    // runs once the visit is over (its page closed).
    static void When(std::function<bool()> ready, std::function<void()> then, std::string what,
                     std::shared_ptr<Visit> visit, Clock::time_point started = Clock::now()) {
        Later(20, [=] {
            if (visit->over) return;
            if (ready()) return then();
            if (Clock::now() - started > std::chrono::seconds(60)) {
                visit->problems.push_back(what);
                return then();
            }
            When(ready, then, what, visit, started);
        });
    }

    // Runs `then` once nothing has been exchanged for a while: the page's
    // reads (or writes) are over. The while is long: a synchronous walk lets
    // timers run between its steps, and a Save pressed there would run inside
    // the page's load. After a minute without such a pause, notes `what` and
    // runs `then`. Nothing runs once the visit is over (its page closed).
    static void WhenQuiet(std::function<void()> then, std::string what, std::shared_ptr<Visit> visit) {
        pagetest::WhenSnmpQuiet(1500, [=](bool quiet) {
            if (visit->over) return;
            if (!quiet) visit->problems.push_back(what);
            then();
        });
    }

    void PressSaves(QPointer<QWidget> page, const Stop& stop, size_t next, std::shared_ptr<Visit> visit) {
        if (page == nullptr || next == stop.saves.size()) return CloseAfterSaves(page, visit);
        auto* button = page->findChild<QAbstractButton*>(stop.saves[next]);
        if (button == nullptr) visit->problems.push_back(std::string("no button ") + stop.saves[next]);
        if (button != nullptr && button->isEnabled()) button->click();
        WhenQuiet([=] { PressSaves(page, stop, next + 1, visit); }, "a Save kept writing", visit);
    }

    void CloseAfterSaves(QPointer<QWidget> page, std::shared_ptr<Visit> visit) {
        for (const std::string& line : Sim().Control("log").lines)
            if (line.rfind("SET ", 0) == 0) visit->sets.push_back(line);
        Close(page, 100, visit);
    }

    // Asks the page to close as its close box does, again while it refuses.
    static void Close(QPointer<QWidget> page, int triesLeft, std::shared_ptr<Visit> visit) {
        if (visit->over || page == nullptr || !page->isVisible()) return;
        if (triesLeft == 0) return page->hide();
        page->close();
        Later(20, [=] { Close(page, triesLeft - 1, visit); });
    }

    Visit VisitPage(const Stop& stop) {
        auto visit = std::make_shared<Visit>();
        AnsweringDialogs dialogs;
        When([] { return QApplication::activeModalWidget() != nullptr; },
             [this, stop, visit] {
                 QPointer<QWidget> page = QApplication::activeModalWidget();
                 WhenQuiet(
                     [this, stop, visit, page] {
                         if (page != nullptr)
                             for (const std::string& text : pagetest::StatusTexts(*page))
                                 visit->loadStatus += text + "\n";
                         visit->before = DeviceValues();
                         Sim().Control("clearlog");
                         PressSaves(page, stop, 0, visit);
                     },
                     "the page kept reading", visit);
             },
             "the page did not open", visit);
        if (!OpenRegisteredPage(stop.entry)) visit->problems.push_back("no page registered");
        visit->over = true;
        visit->boxes = dialogs.boxes;
        return *visit;
    }
};

TEST_P(HostileAnswers, SaveWithoutTypingWritesOnlyValuesReadUnchanged) {
    ASSERT_TRUE(Started());
    RegisterAllPages();
    support::TempFolder folder;
    const std::string fixture = folder.Path() + "/hostile-fixture.txt";
    std::ofstream(fixture) << GetParam().lines;
    for (const Stop& stop : kStops) {
        SCOPED_TRACE(stop.entry);
        RestartSim({"--fixture", fixture});
        ASSERT_TRUE(Started());
        const Visit visit = VisitPage(stop);
        EXPECT_EQ(visit.problems, std::vector<std::string>{});
        if (GetParam().numbersOutsideLists && stop.showsListedNumbers) {
            EXPECT_NE(visit.loadStatus.find(NotUnderstoodPrefix), std::string::npos) << visit.loadStatus;
        }
        for (const std::string& set : visit.sets) {
            for (const std::string& binding : Bindings(set)) {
                const std::string oid = binding.substr(0, binding.find('='));
                if (ActingCommand(oid) || FromThePc(stop, oid)) continue;
                auto held = visit.before.find(oid);
                const std::string before = held == visit.before.end() ? "<no such object>" : held->second;
                EXPECT_EQ(binding, before) << "written: " << set;
            }
        }
        for (const std::string& box : visit.boxes) EXPECT_EQ(box.find("(ZuDUZU++)"), std::string::npos) << box;
    }
}

std::vector<hostile::Fixture> Fixtures() { return hostile::MakeFixtures(VAP_SIM_OBJECT_FOLDER); }

INSTANTIATE_TEST_SUITE_P(Fixtures, HostileAnswers, ::testing::ValuesIn(Fixtures()), [](const auto& info) {
    std::string name;
    for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

}  // namespace

