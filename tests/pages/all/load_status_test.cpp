// Every page the menu opens, against a device that lacks the first object
// the page reads: once everything the opening started has ended, a status
// line of the page reports the failure, and on a page with one status line
// nothing covers it with a success (a walk's answer, a refresh). A page
// with a status line per tab may report another tab's own read as done.

#include <gtest/gtest.h>

#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pages/all_pages.h"
#include "shell/page_openers.h"
#include "tests/pages/menu_visit.h"
#include "tests/pages/page_test_support.h"

namespace {

// Pages that read nothing when they open, and View Log, which asks for the
// log through a transfer.
const std::set<std::string> kNotVisited = {"Firmware1", "tSystem2", "tUpdate2", "ViewLog1"};

// The object of the simulator's object data that holds the OID: a scalar or
// a column (the OID of one of its rows, or the column itself as a walk asks
// for it); "" when none does.
std::string ObjectNameOf(const std::string& oid) {
    namespace fs = std::filesystem;
    for (const fs::directory_entry& file : fs::directory_iterator(VAP_SIM_OBJECT_FOLDER)) {
        if (file.path().extension() != ".txt") continue;
        std::ifstream in(file.path());
        for (std::string line; std::getline(in, line);) {
            // A definition: name, OID, syntax, access, range, value.
            std::istringstream tokens(line);
            std::vector<std::string> fields;
            for (std::string field; tokens >> field && fields.size() < 6;) fields.push_back(field);
            if (fields.size() != 6 || fields[0][0] == '#') continue;
            const std::string& name = fields[0];
            const std::string& object = fields[1];
            const std::string base = pagetest::DeviceOid(object.substr(0, object.find(".[")));
            if (oid == base || oid.rfind(base + ".", 0) == 0) return name;
        }
    }
    return "";
}

// The first scalar OID the device was asked for (GET, not a walk's
// GET-NEXT: a table that is not there reads as an empty one) since the log
// was cleared; "" when there was none.
std::string FirstReadOid(const std::vector<std::string>& log) {
    for (const std::string& line : log) {
        if (line.rfind("GET ", 0) != 0) continue;
        // "<type> <version> <request id> <oid> <oid> ...": a read carries no values.
        size_t at = line.find(' ');
        for (int field = 0; field < 2 && at != std::string::npos; ++field) at = line.find(' ', at + 1);
        if (at == std::string::npos) return "";
        return line.substr(at + 1, line.find_first_of(" =", at + 1) - at - 1);
    }
    return "";
}

// A status text that reports a success ("Get OK!", "Setting Success!").
bool IsSuccess(const std::string& text) {
    static const std::regex success(R"(\bOK\b|Success)");
    return std::regex_search(text, success);
}

class LoadStatusTest : public pagetest::PageTest {
protected:
    LoadStatusTest() { RegisterAllPages(); }

    // What the page's status lines showed once its load was over.
    struct Seen {
        std::vector<std::string> texts;
        int lines = 0;  // its status bars
    };

    // Opens the page as its menu entry does, lets everything it started end,
    // and gives what its status lines show.
    Seen StatusOnceLoaded(const std::string& entry) {
        // Shared with the calls the page's loop makes, which may outlive this
        // frame if the page closes by itself.
        auto seen = std::make_shared<Seen>();
        auto refused = std::make_shared<bool>(false);
        pagetest::WhenModal(200, [seen, refused](QPointer<QWidget> page) {
            pagetest::WhenSnmpQuiet(500, [seen, refused, page](bool quiet) {
                EXPECT_TRUE(quiet) << "the page kept reading";
                if (page == nullptr) return;
                seen->texts = pagetest::StatusTexts(*page);
                seen->lines = static_cast<int>(page->findChildren<QStatusBar*>().size());
                pagetest::CloseWhenAllowed(page, 500, *refused);
            });
        });
        EXPECT_TRUE(OpenRegisteredPage(entry));
        EXPECT_FALSE(*refused);
        return *seen;
    }
};

TEST_F(LoadStatusTest, APageWhoseFirstObjectIsMissingNeverEndsOnASuccess) {
    ASSERT_TRUE(Started());
    const std::vector<std::string> entries = RegisteredPageEntries();
    ASSERT_GE(entries.size(), 30u);
    for (const std::string& entry : entries) {
        if (kNotVisited.count(entry) != 0) continue;
        SCOPED_TRACE(entry);
        RestartSim({});
        Control("clearlog");
        StatusOnceLoaded(entry);
        const std::string oid = FirstReadOid(Sim().Control("log").lines);
        if (oid.empty()) continue;  // the page walks tables only
        const std::string object = ObjectNameOf(oid);
        EXPECT_FALSE(object.empty()) << "no object holds " << oid;
        if (object.empty()) continue;
        RestartSimWithout(object);
        const Seen seen = StatusOnceLoaded(entry);
        bool reported = false;
        for (const std::string& text : seen.texts) {
            if (seen.lines == 1) {
                EXPECT_FALSE(IsSuccess(text)) << object << " missing: " << text;
            }
            reported = reported || (!text.empty() && !IsSuccess(text));
        }
        EXPECT_TRUE(reported) << object << " missing: " << testing::PrintToString(seen.texts);
    }
}

}  // namespace
