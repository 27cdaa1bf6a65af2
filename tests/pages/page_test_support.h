#pragma once
// What the page tests share: a fixture that starts the simulated access
// point, makes the process's SNMP session point at it (SNMPv2c with the
// simulator's communities unless a test picks another way of talking), opens
// pages the way the menu does and reads the simulator's PDU log. Message
// boxes go to the scripted dialog service of uitest::UiTest; time runs twenty
// times faster.

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/ui/form.h"

namespace ui {
class ComboBox;
class ListItem;
class ListView;
}
#include "tests/platform/ui/ui_test_support.h"
#include "tests/support/sim_process.h"

namespace pagetest {

// One way of talking to the simulator.
struct Access {
    const char* name;
    int version;          // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (MD5 + DES authPriv user)
};
extern const Access kV1;
extern const Access kV2c;
extern const Access kV3AuthPriv;
// How test names show it.
void PrintTo(const Access& access, std::ostream* out);

class PageTest : public uitest::UiTest {
protected:
    PageTest();
    ~PageTest() override;

    bool Started() const { return started_; }
    support::SimProcess& Sim() { return sim_; }
    // Pages made after this talk to the simulator this way.
    void UseAccess(const Access& access);
    // Starts the simulator again with these options added to its standard
    // ones (in place of those of an earlier restart), e.g. "--fixture" and a
    // file; pages made after this talk to the new one.
    void RestartSim(const std::vector<std::string>& arguments);
    // Starts the simulator again on the standard object data without the
    // named object: a device that lacks it.
    void RestartSimWithout(const std::string& objectName);
    // The same without several objects and with these options added, e.g. a
    // fixture that defines them anew with other rows.
    void RestartSimWithout(const std::vector<std::string>& objectNames, const std::vector<std::string>& arguments);

    // For a test that waits out a silent device: time-outs started from now
    // on pass five times faster (the usual scale comes back with the next test).
    void ShortenTimeouts();

    // One control command that must succeed.
    void Control(const std::string& command);
    // The simulator's value of an object ("E" stands for the device root).
    std::string Value(const std::string& oid);
    void SetValue(const std::string& oid, const std::string& value);
    // The varbinds of every logged PDU of that type ("SET", "GET"), one
    // string per PDU: "<oid>=<syntax>:<value> ..." as the simulator logs them.
    std::vector<std::string> Logged(const std::string& type);
    // Shows the form and saves its picture as <name>.png into the folder
    // VAP_PAGE_PICTURE_DIR names (nothing without it): how a page is looked
    // at beside its designed places.
    void SavePicture(ui::Form& form, const std::string& name);
    // The message the page shows on its status bar (the first bar it owns,
    // for pages with one per tab).
    static std::string Status(const ui::Form& page);

private:
    void StartSim();

    support::SimProcess sim_;
    std::string folder_;
    std::string objects_;  // the object data of RestartSimWithout
    bool started_ = false;
    double timeScale_ = 0;  // the scale the test began with
};

// A page made as the menu makes it (its pointer set before its creation step
// runs), not shown; Close or the end of the scope deletes it and clears the
// pointer, as the menu does after the modal loop.
template <class Page>
class OpenedPage {
public:
    explicit OpenedPage(Page*& pointer) : pointer_(pointer) {
        pointer_ = new Page(nullptr);
        pointer_->Create();
    }
    ~OpenedPage() { Close(); }
    OpenedPage(const OpenedPage&) = delete;
    OpenedPage& operator=(const OpenedPage&) = delete;

    void Close() {
        delete pointer_;
        pointer_ = nullptr;
    }
    Page* operator->() const { return pointer_; }
    Page& operator*() const { return *pointer_; }

private:
    Page*& pointer_;
};

// The full OID of an object below the device root ("E.2.1..." or ".2.1...").
std::string DeviceOid(const std::string& oid);

// ---- combo boxes as the tests set them up and use them ----------------------
using Texts = std::vector<std::string>;
// The entries, in order.
Texts Items(const ui::ComboBox* combo);
// Replaces the entries.
void Fill(ui::ComboBox* combo, const Texts& items);

// ---- list views as the tests read them -------------------------------------
// A row's caption and cells, joined by separator.
std::string RowText(const ui::ListItem& row, const std::string& separator);
// Every row of the view so.
Texts ListRows(const ui::ListView& view, const std::string& separator);
// The column captions, in order; their widths added up; the width the view
// shows its columns in (inside its frame), to tell whether every column is
// in view.
Texts ColumnCaptions(const ui::ListView& view);
int ColumnsWidth(const ui::ListView& view);
int ListInnerWidth(const ui::ListView& view);
// Selects the entry with that text as the program would (no change event);
// "" selects none. A text no entry has fails the test.
void Select(ui::ComboBox* combo, const std::string& text);
// As the user picks an entry: the selection, then the combo's change event.
void Pick(ui::ComboBox* combo, const std::string& text);

}  // namespace pagetest
