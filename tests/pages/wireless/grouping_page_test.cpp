// The Grouping page against the simulated access point: the enabling rule,
// the 0-64 check, the pair Apply writes behind its notice, and an Apply after
// a failed read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/wireless/grouping_page.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "shell/waiting_form.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using Pdus = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kStatus[] = "E.3.2.1.1.4.1";
constexpr char kLimit[] = "E.3.2.1.1.2.1";

std::string Fixture(const std::string& name) { return std::string(VAP_ADVANCED_FIXTURES) + "/" + name + ".txt"; }

class GroupingPageTest : public pagetest::PageTest {
protected:
    void Apply(TFM_Group& page) {
        Control("clearlog");
        page.Bt_Apply->Click();
    }
    Pdus Sets() { return wirelesstest::Named(Logged("SET")); }
};

TEST_F(GroupingPageTest, OpensWithTheDevicesLimitAndItsEnablingRule) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", Fixture("load-balance-on")});
    OpenedPage<TFM_Group> page(FM_Group);
    EXPECT_EQ(page->Caption(), "Advanced \\ Grouping");
    EXPECT_EQ(page->CB_LoadB->Text(), "Enable");
    EXPECT_EQ(page->Ed_UsrL->Text(), "40");
    EXPECT_EQ(page->Ed_UsrL->MaxLength(), 2);
    EXPECT_TRUE(page->CB_LoadB->Enabled());
    EXPECT_FALSE(page->Ed_UsrL->ReadOnly());
    SavePicture(*page, "grouping-page");
    pagetest::Pick(page->CB_LoadB, "Disable");
    EXPECT_TRUE(page->Ed_UsrL->ReadOnly());
    EXPECT_TRUE(page->Bt_Apply->Enabled());
}

// Each row: the text typed; the box (or none) and the pair written. The
// edit takes digits only, so a text that is no number cannot be typed.
TEST_F(GroupingPageTest, TheLimitIsCheckedThenBothObjectsAreWritten) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Group> page(FM_Group);
    struct Case {
        const char* typed;
        bool refused;
        const char* written;
    } const cases[] = {
        {"64", false, "64"}, {"0", false, "0"}, {"", false, "0"}, {"65", true, ""}, {"99", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        page->Ed_UsrL->SetText(c.typed);
        if (c.refused) Dialogs().ExpectBox("Error", GroupingRangeText, ui::Answer::Ok);
        Apply(*page);
        if (c.refused) {
            EXPECT_TRUE(Logged("SET").empty());
            EXPECT_EQ(page->Ed_UsrL->Text(), "");
        } else {
            EXPECT_EQ(Sets(), Pdus{std::string("dot11UserLimitStatus=0 dot11UserLimit=") + c.written});
            EXPECT_EQ(Status(*page), "Setting OK!");
            EXPECT_EQ(Value(kLimit), c.written);
        }
        EXPECT_EQ(FM_Waiting, nullptr) << "the notice is gone";
        EXPECT_TRUE(page->Enabled());
    }
}

// WDS or Wireless Client: load balance cannot be chosen, Apply still writes.
TEST_F(GroupingPageTest, OutsideAccessPointModeTheChoiceIsDisabledButWritten) {
    ASSERT_TRUE(Started());
    for (const char* mode : {"2", "3", "4"}) {
        SCOPED_TRACE(mode);
        SetValue(kApMode, mode);
        OpenedPage<TFM_Group> page(FM_Group);
        EXPECT_FALSE(page->CB_LoadB->Enabled());
        EXPECT_TRUE(page->Ed_UsrL->ReadOnly()) << "load balance reads Disable";
        Apply(*page);
        EXPECT_EQ(Sets(), Pdus{"dot11UserLimitStatus=0 dot11UserLimit=20"});
    }
}

TEST_F(GroupingPageTest, AFailedWriteThenASuccessfulOne) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Group> page(FM_Group);
    Control("error " + pagetest::DeviceOid(kStatus) + " genErr");
    Apply(*page);
    EXPECT_EQ(Status(*page), "Setting Error!");
    EXPECT_TRUE(page->Enabled());
    EXPECT_EQ(FM_Waiting, nullptr);
    Apply(*page);
    EXPECT_EQ(Status(*page), "Setting OK!");
}

TEST_F(GroupingPageTest, AfterAFailedReadApplyWritesNothing) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11UserLimitStatus");
    OpenedPage<TFM_Group> page(FM_Group);
    EXPECT_EQ(Status(*page), "Not read from the device: user limit");
    page->Ed_UsrL->SetText("10");
    Apply(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Status(*page), "Setting Error! Not read from the device: user limit");
}

// No menu entry shows the page; its opener works as the others do.
TEST_F(GroupingPageTest, TheUserLimitOpenerOpensThePageAndCancelClosesIt) {
    ASSERT_TRUE(Started());
    RegisterWirelessPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_Group != nullptr && FM_Group->Modal() && FM_Group->Ed_UsrL->Text() == "20";
        if (FM_Group) FM_Group->Bt_Cancel->Click();
    });
    EXPECT_TRUE(OpenRegisteredPage("UserLimit"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Group, nullptr);
}

}  // namespace
