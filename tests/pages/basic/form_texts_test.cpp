// Every built form holds its texts in its designed widths: the main window,
// the About box, the waiting dialog, the Home pages (LAN, Information and the
// Wireless page in each of its layouts) against the simulated access point.
// Each form's texts are measured against the room their controls give them
// (tests/platform/ui/text_room.h); a failure lists the texts cut.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QWidget>

#include <string>
#include <vector>

#include "pages/basic/information_page.h"
#include "pages/basic/lan_page.h"
#include "pages/basic/wireless_page.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/about_form.h"
#include "shell/main_form.h"
#include "shell/waiting_form.h"
#include "tests/pages/page_test_support.h"
#include "tests/platform/ui/text_room.h"

namespace {

using pagetest::OpenedPage;

class FormTextsTest : public pagetest::PageTest {
protected:
    // Measures the window as it shows now and adds what it cuts to the table.
    void Measure(const QWidget* window, const std::string& state) {
        std::vector<uitest::TextRoom> texts = uitest::MeasureTexts(window);
        std::string table = uitest::CutTexts(texts);
        if (!table.empty()) cut_ += state + ":\n" + table;
    }
    std::string cut_;
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

}  // namespace
