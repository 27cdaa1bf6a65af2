// Every built form holds its texts in its designed widths: the main window,
// the About box, the waiting dialog, the Home pages (LAN, Information and the
// Wireless page in each of its layouts) and every page the menu opens through
// an opener, against the simulated access point.
// Each form's texts are measured against the room their controls give them
// (tests/platform/ui/text_room.h); a failure lists the texts cut.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include <string>
#include <vector>

#include "library/snmp/netsnmp_engine.h"
#include "pages/all_pages.h"
#include "pages/basic/information_page.h"
#include "pages/basic/lan_page.h"
#include "pages/basic/wireless_page.h"
#include "pages/common/device_transfer.h"
#include "pages/maintenance/view_log_page.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/about_form.h"
#include "shell/main_form.h"
#include "shell/page_openers.h"
#include "shell/waiting_form.h"
#include "tests/pages/page_test_support.h"
#include "tests/platform/ui/text_room.h"

namespace {

using pagetest::OpenedPage;

// Whether the SNMP engine has nothing left to do: a page's reads are done.
bool SnmpIdle() { return !snmpengine::HasPendingWork() && snmpengine::OutstandingCount() == 0; }

class FormTextsTest : public pagetest::PageTest {
protected:
    // Measures the window as it shows now and adds what it cuts to the table.
    void Measure(const QWidget* window, const std::string& state) {
        std::vector<uitest::TextRoom> texts = uitest::MeasureTexts(window);
        std::string table = uitest::CutTexts(texts);
        if (!table.empty()) cut_ += state + ":\n" + table;
    }
    // Posted before a page opens: once the page's modal loop runs (a page may
    // read the device while it is made, before it shows, so the call waits
    // for the loop), lets it finish reading, measures it and asks it to close
    // as its close box does; the loop runs the close after this call returns.
    void MeasureModalPage(const std::string& entry) {
        Later(20, [this, entry] {
            if (!opening_) return;  // the opener showed nothing modally
            QPointer<QWidget> page = QApplication::activeModalWidget();
            if (page == nullptr) return MeasureModalPage(entry);
            opening_ = false;
            RunUntil([] { return SnmpIdle(); });
            RunFor(20);  // what the completed reads show
            if (page == nullptr) return;
            measured_ = page->objectName().toStdString();
            Measure(page, entry + " (" + measured_ + ")");
            CloseWhenAllowed(page, 250);
        });
    }
    // Asks the page to close as its close box does; a page that refuses while
    // its own exchange ends is asked again, as a user would, a few times. It
    // holds nothing of the test: a last asking may come after the test ended.
    static void CloseWhenAllowed(QPointer<QWidget> page, int triesLeft) {
        if (page == nullptr || !page->isVisible()) return;
        page->close();
        if (!page->isVisible()) return;
        if (triesLeft == 0) {
            ADD_FAILURE() << page->objectName().toStdString() << " refuses to close";
            page->hide();  // ends the modal loop so the other pages are measured
            return;
        }
        Later(20, [page, triesLeft] { CloseWhenAllowed(page, triesLeft - 1); });
    }
    // Opens the menu entry's page as the menu does and measures it; returns
    // the measured page's object name ("" when none showed).
    std::string OpenAndMeasure(const std::string& entry) {
        measured_.clear();
        opening_ = true;
        MeasureModalPage(entry);
        EXPECT_TRUE(OpenRegisteredPage(entry));
        opening_ = false;
        return measured_;
    }
    std::string cut_;
    bool opening_ = false;
    std::string measured_;
};

// Whether a window's status line shows a text: a page has loaded by then.
bool StatusShown(const QWidget* window) {
    for (const QStatusBar* bar : window->findChildren<const QStatusBar*>())
        for (const QLabel* panel : bar->findChildren<const QLabel*>())
            if (panel->isVisible() && !panel->text().isEmpty()) return true;
    return false;
}

TEST_F(FormTextsTest, TheMainWindowTheAboutBoxAndTheWaitingDialogHoldTheirTexts) {
    TMainForm window(nullptr);
    window.OnCreate = nullptr;  // its start-up would read the device
    window.Show();
    Measure(window.Widget(), "main window");

    TAboutForm about(nullptr);
    about.Label4->SetVisible(true);  // the build tag Shift+Alt+F3 shows
    about.Show();
    Measure(about.Widget(), "About box");

    TFM_Waiting waiting(nullptr);
    waiting.OnCreate = nullptr;  // it would read the device
    waiting.OnCloseQuery = nullptr;
    waiting.La_Time->SetCaption("25");  // the count it starts from
    waiting.Show();
    Measure(waiting.Widget(), "waiting dialog");
    EXPECT_EQ(cut_, "");
}

TEST_F(FormTextsTest, TheLanAndInformationPagesHoldTheirTexts) {
    ASSERT_TRUE(Started());
    {
        OpenedPage<TFM_LanCfg> page(FM_LanCfg);
        page->Show();
        Measure(page->Widget(), "LAN page");
    }
    {
        OpenedPage<TFM_Information> page(FM_Information);
        page->Show();
        ASSERT_TRUE(RunUntil([&] { return StatusShown(page->Widget()); }));
        Measure(page->Widget(), "Information page");
    }
    EXPECT_EQ(cut_, "");
}

TEST_F(FormTextsTest, TheWirelessPageHoldsItsTextsInEveryLayout) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Wirless> page(FM_Wirless);
    page->Show();
    ASSERT_TRUE(RunUntil([&] { return StatusShown(page->Widget()); }));
    const pagetest::Texts modes = pagetest::Items(page->CB_APMode);
    EXPECT_GE(modes.size(), 4u);
    for (const std::string& mode : modes) {
        pagetest::Select(page->CB_APMode, mode);
        page->ShowAuthentication();
        for (const std::string& security : pagetest::Items(page->CB_SecurityMode)) {
            pagetest::Select(page->CB_SecurityMode, security);
            page->ArrangePage();
            Measure(page->Widget(), mode + ", " + security);
        }
    }
    EXPECT_EQ(cut_, "");
}

TEST_F(FormTextsTest, EveryPageTheMenuOpensHoldsItsTexts) {
    ASSERT_TRUE(Started());
    RegisterAllPages();
    const std::vector<std::string> entries = RegisteredPageEntries();
    ASSERT_FALSE(entries.empty());
    // The View Log page fetches the log at opening; here the PC has no
    // address on the device's network, which the page says.
    TransferHooks().pcAddress = [](std::string&) { return false; };
    for (const std::string& entry : entries) {
        SCOPED_TRACE(entry);
        if (entry == "ViewLog1") Dialogs().ExpectBox(App().Title(), NoPcAddressLogText, ui::Answer::Ok);
        EXPECT_NE(OpenAndMeasure(entry), "") << "no page showed modally";
    }
    TransferHooks().pcAddress = nullptr;
    EXPECT_EQ(cut_, "");
}

}  // namespace
