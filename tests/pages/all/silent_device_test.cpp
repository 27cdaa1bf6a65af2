// Every page the menu opens, against a device the main window's probe finds
// silent: the page opens at once without asking the device anything, its
// status line says that nothing was read, and once the device answers again
// its Refresh reads. The probe is played by the test (NoteProbeOutcome), the
// device by the simulator gone down.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "library/snmp/netsnmp_engine.h"
#include "pages/all_pages.h"
#include "pages/common/page_groups.h"
#include "shell/device_liveness.h"
#include "shell/page_openers.h"
#include "tests/pages/menu_visit.h"
#include "tests/pages/file_page_test_support.h"

namespace {

// Pages that read nothing when they open: they only have to open at once.
const std::set<std::string> kNoOpeningReads = {"Firmware1", "tSystem2", "tUpdate2"};

bool Shows(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& shown : texts)
        if (shown == text) return true;
    return false;
}

// The first shown button captioned Refresh; null when the page has none.
QAbstractButton* RefreshButton(QWidget& page) {
    for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
        QString caption = button->text().remove('&');
        if (caption.trimmed() == "Refresh" && button->isVisible() && button->isEnabled()) return button;
    }
    return nullptr;
}

// The shown buttons that reach into a shown status line of the page, by name.
std::vector<std::string> ButtonsOverStatusLine(QWidget& page) {
    std::vector<std::string> covering;
    for (QStatusBar* bar : page.findChildren<QStatusBar*>()) {
        if (!bar->isVisible()) continue;
        const QRect line(bar->mapTo(&page, QPoint(0, 0)), bar->size());
        for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
            if (!button->isVisible()) continue;
            const QRect place(button->mapTo(&page, QPoint(0, 0)), button->size());
            if (place.intersects(line)) covering.push_back(button->objectName().toStdString());
        }
    }
    return covering;
}

uint64_t Requested() { return snmpengine::Tally().requested; }
uint64_t Answered() { return snmpengine::Tally().answered; }

class SilentDeviceTest : public filepagetest::FilePageTest {
protected:
    SilentDeviceTest() { RegisterAllPages(); }
    ~SilentDeviceTest() override { ForgetDeviceLiveness(); }

    // What the page showed while it was open, and what its Refresh did once
    // the device answered again.
    struct Seen {
        bool opened = false;
        uint64_t sentAtOpening = 0;
        std::vector<std::string> status;
        bool refreshed = false;        // it had a Refresh button and it was clicked
        uint64_t answeredByRefresh = 0;
        std::vector<std::string> statusAfterRefresh;
        bool refusedToClose = false;
        std::vector<std::string> buttonsOverStatusLine;
    };

    Seen Visit(const std::string& entry, bool refreshOnceUp) {
        Seen seen;
        const uint64_t before = Requested();
        pagetest::WhenModal(200, [&](QPointer<QWidget> page) {
            seen.opened = true;
            seen.sentAtOpening = Requested() - before;
            seen.status = pagetest::StatusTexts(*page);
            seen.buttonsOverStatusLine = ButtonsOverStatusLine(*page);
            if (refreshOnceUp) RefreshOnceUp(*page, seen);
            pagetest::CloseWhenAllowed(page, 500, seen.refusedToClose);
        });
        EXPECT_TRUE(OpenRegisteredPage(entry));
        return seen;
    }

    void RefreshOnceUp(QWidget& page, Seen& seen) {
        QAbstractButton* refresh = RefreshButton(page);
        if (refresh == nullptr) return;
        Control("up");
        NoteProbeOutcome(true);
        const uint64_t before = Answered();
        refresh->click();
        RunUntil([] { return !snmpengine::HasPendingWork() && snmpengine::OutstandingCount() == 0; });
        seen.refreshed = true;
        seen.answeredByRefresh = Answered() - before;
        seen.statusAfterRefresh = pagetest::StatusTexts(page);
        Control("down");
        NoteProbeOutcome(false);
    }
};

TEST_F(SilentDeviceTest, EveryPageOpensAtOnceAndSaysTheDeviceDoesNotAnswer) {
    ASSERT_TRUE(Started());
    Control("down");
    NoteProbeOutcome(false);
    const std::vector<std::string> entries = RegisteredPageEntries();
    ASSERT_GE(entries.size(), 30u);
    for (const std::string& entry : entries) {
        SCOPED_TRACE(entry);
        const Seen seen = Visit(entry, false);
        ASSERT_TRUE(seen.opened);
        EXPECT_FALSE(seen.refusedToClose);
        EXPECT_EQ(seen.sentAtOpening, 0u) << "the page asked a device known to be silent";
        if (kNoOpeningReads.count(entry) == 0) {
            EXPECT_TRUE(Shows(seen.status, DeviceKnownSilentText)) << testing::PrintToString(seen.status);
        }
    }
}

TEST_F(SilentDeviceTest, OnceTheDeviceAnswersAgainRefreshReads) {
    ASSERT_TRUE(Started());
    Control("down");
    NoteProbeOutcome(false);
    int refreshed = 0;
    for (const std::string& entry : RegisteredPageEntries()) {
        SCOPED_TRACE(entry);
        const Seen seen = Visit(entry, true);
        ASSERT_TRUE(seen.opened);
        if (!seen.refreshed) continue;
        ++refreshed;
        EXPECT_GT(seen.answeredByRefresh, 0u);
        EXPECT_FALSE(Shows(seen.statusAfterRefresh, DeviceKnownSilentText))
            << testing::PrintToString(seen.statusAfterRefresh);
    }
    EXPECT_GT(refreshed, 0);
}

// Whatever a page shows at opening, no button reaches into its status line.
TEST_F(SilentDeviceTest, NoPageShowsAButtonOverItsStatusLine) {
    ASSERT_TRUE(Started());
    for (const std::string& entry : RegisteredPageEntries()) {
        SCOPED_TRACE(entry);
        const Seen seen = Visit(entry, false);
        ASSERT_TRUE(seen.opened);
        EXPECT_EQ(seen.buttonsOverStatusLine, std::vector<std::string>{});
    }
}

// A device that fell silent since the last answered probe costs one read's
// time-out: the page that met it says so, and the next page asks nothing.
TEST_F(SilentDeviceTest, OneTimedOutReadMakesTheDeviceKnownSilent) {
    ASSERT_TRUE(Started());
    NoteProbeOutcome(true);
    Control("down");
    ShortenTimeouts();
    const Seen first = Visit("hLan1", false);
    EXPECT_GT(first.sentAtOpening, 0u);
    EXPECT_TRUE(Shows(first.status, DeviceSilentText) || Shows(first.status, DeviceKnownSilentText))
        << testing::PrintToString(first.status);
    EXPECT_TRUE(DeviceKnownSilent());
    const Seen next = Visit("adPerformance1", false);
    EXPECT_EQ(next.sentAtOpening, 0u);
    EXPECT_TRUE(Shows(next.status, DeviceKnownSilentText)) << testing::PrintToString(next.status);
}

}  // namespace
