// The Information page against the simulated access point: the asynchronous
// read, Save of the three writable objects (from the simulator's PDU log),
// every input check, the status texts of completed and failed exchanges, and
// closing the page while an answer is outstanding.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/basic/basic_pages.h"
#include "pages/basic/information_page.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::OpenedPage;

constexpr char kContact[] = "1.3.6.1.2.1.1.4.0";
constexpr char kName[] = "1.3.6.1.2.1.1.5.0";
constexpr char kLocation[] = "1.3.6.1.2.1.1.6.0";

class InformationPageTest : public pagetest::PageTest {
protected:
    bool WaitForStatus(TFM_Information& page, const std::string& text) {
        return RunUntil([&] { return Status(page) == text; });
    }
    // Waits until the page has stopped waiting for an answer.
    bool WaitIdle(TFM_Information& page) {
        return RunUntil([&] { return !page.SystemRequest->busy; });
    }
    static void Type(TFM_Information& page, const std::string& contact, const std::string& name,
                     const std::string& location) {
        page.Ed_SC->SetText(contact);
        page.Ed_SN->SetText(name);
        page.Ed_SL->SetText(location);
    }
    void Save(TFM_Information& page) {
        Control("clearlog");
        page.Btn_Sa->Click();
    }
};

TEST_F(InformationPageTest, OpensEmptyAndShowsTheSystemGroupWhenTheAnswerArrives) {
    ASSERT_TRUE(Started());
    Control("delay 200");
    OpenedPage<TFM_Information> page(FM_Information);
    EXPECT_EQ(page->Caption(), "Home \\ Information");
    EXPECT_EQ(page->ClientWidth(), 362);
    EXPECT_EQ(page->ClientHeight(), 251);
    for (ui::Edit* edit : {page->Ed_SD, page->Ed_SO, page->Ed_SU, page->Ed_SC, page->Ed_SN, page->Ed_SL})
        EXPECT_EQ(edit->Text(), "") << edit->Name() << " before the answer";
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    EXPECT_EQ(page->Ed_SD->Text(), "VAP-7720 Wireless Access Point");
    EXPECT_EQ(page->Ed_SO->Text(), "1.3.6.1.4.1.32473.10.37.44");
    EXPECT_FALSE(page->Ed_SU->Text().empty());
    EXPECT_EQ(page->Ed_SC->Text(), "admin@example.net");
    EXPECT_EQ(page->Ed_SN->Text(), "VAP-7720");
    EXPECT_EQ(page->Ed_SL->Text(), "Lab rack 2");
    EXPECT_EQ(Logged("GET").size(), 1u) << "one request for all six objects";
    for (ui::Edit* shown : {page->Ed_SD, page->Ed_SO, page->Ed_SU}) {
        EXPECT_FALSE(shown->Enabled());
        EXPECT_TRUE(shown->ReadOnly());
        EXPECT_EQ(shown->Width(), 206);
        EXPECT_EQ(shown->Left(), 124);
    }
    EXPECT_EQ(page->Ed_SC->MaxLength(), 255);
    EXPECT_EQ(page->Ed_SN->MaxLength(), 32);
    EXPECT_EQ(page->Ed_SL->MaxLength(), 32);
    EXPECT_EQ(page->Ed_SN->Top(), 134);
    EXPECT_EQ(page->Btn_Re->Left(), 43);
    EXPECT_EQ(page->Btn_Sa->Left(), 248);
    EXPECT_EQ(page->Btn_Sa->Top(), 202);
    SavePicture(*page, "information-page");
}

TEST_F(InformationPageTest, SaveWritesContactNameAndLocationAndSaysSoWhenDone) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    // A trailing blank and an empty contact are accepted.
    Type(*page, "", "ap-north ", "Hall_B");
    Save(*page);
    ASSERT_TRUE(WaitForStatus(*page, "Save OK!"));
    const std::vector<std::string> sets = {std::string(kContact) + "=string:\"\" " + kName +
                                           "=string:\"ap-north \" " + kLocation + "=string:Hall_B"};
    EXPECT_EQ(Logged("SET"), sets);
    EXPECT_EQ(Value(kLocation), "Hall_B");
}

TEST_F(InformationPageTest, RefreshReportsTheCompletedReadOrItsFailure) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    SetValue(kName, "renamed");
    page->StatusBar->SetSimpleText("");
    page->Btn_Re->Click();
    EXPECT_EQ(Status(*page), "") << "nothing is claimed before the answer";
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    EXPECT_EQ(page->Ed_SN->Text(), "renamed");

    Control("down");
    page->Btn_Re->Click();
    ASSERT_TRUE(WaitIdle(*page));
    EXPECT_EQ(Status(*page).rfind("Get: ", 0), 0u) << Status(*page);
    EXPECT_EQ(page->Ed_SN->Text(), "renamed") << "the edits keep their texts";
}

TEST_F(InformationPageTest, AFailedWriteIsShownInsteadOfSaveOk) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    Control(std::string("error ") + kName + " genErr");
    Save(*page);
    ASSERT_TRUE(WaitIdle(*page));
    EXPECT_EQ(Status(*page).rfind("Set: ", 0), 0u) << Status(*page);
    EXPECT_EQ(Value(kName), "VAP-7720");
}

TEST_F(InformationPageTest, SaveIsRefusedUntilTheDeviceHasBeenRead) {
    ASSERT_TRUE(Started());
    Control("delay 500");
    OpenedPage<TFM_Information> page(FM_Information);
    Type(*page, "c", "n", "l");
    Save(*page);
    EXPECT_EQ(Status(*page), InformationNotReadText);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_SN->Text(), "VAP-7720");
}

TEST_F(InformationPageTest, WithTheDeviceDownTheReadFailsAndNothingCanBeWritten) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitIdle(*page));
    EXPECT_EQ(Status(*page).rfind("Get: ", 0), 0u) << Status(*page);
    EXPECT_EQ(page->Ed_SN->Text(), "");
    Control("up");
    Type(*page, "c", "n", "l");
    Save(*page);
    EXPECT_EQ(Status(*page), InformationNotReadText);
    RunFor(200);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(InformationPageTest, ALongNameFromTheDeviceIsKeptWholeAndRefusedBySave) {
    ASSERT_TRUE(Started());
    const std::string longName(255, 'n');
    SetValue(kName, longName);
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    EXPECT_EQ(page->Ed_SN->Text(), longName);
    Dialogs().ExpectBox("Error", "The Max Lengh of the SystemName is 32.", ui::Answer::Ok);
    Save(*page);
    RunFor(100);
    EXPECT_TRUE(Logged("SET").empty());
}

// Each row: the three texts typed; the message, its caption and the edit
// that then has the focus (null: the focus does not move).
struct CheckCase {
    std::string contact, name, location;
    const char* message;
    const char* caption;
    const char* focused;
};

TEST_F(InformationPageTest, EachCheckRefusesWithItsMessageCaptionAndFocus) {
    ASSERT_TRUE(Started());
    const std::string high = "caf\xe9";
    const CheckCase cases[] = {
        {"c", "", "l", "The System Name field can not be blank!", "Warning", "Ed_SN"},
        {std::string(256, 'c'), "n", "l", "The Max Lengh of the SystemContact is 255.", "Error", nullptr},
        {"c", std::string(33, 'n'), "l", "The Max Lengh of the SystemName is 32.", "Error", nullptr},
        {"c", "n", std::string(33, 'l'), "The Max Lengh of the SystemLocation is 32.", "Error", nullptr},
        {"c", " n", "l", "The first character of System Name can not be blank!", "Warning", "Ed_SN"},
        {"c", "n", " l", "The first character of Location can not be blank!", "Warning", "Ed_SL"},
        // Location is examined before name and contact.
        {high, high, high, "Please input valid Location!", "Warning", "Ed_SL"},
        {high, high, "l", "Please input valid System Name!", "Warning", "Ed_SN"},
        {high, "n", "l", "Please input valid System Contact!", "Warning", "Ed_SC"},
    };
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    ShowActive(*page);
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.message);
        page->Btn_Re->SetFocus();
        Type(*page, c.contact, c.name, c.location);
        Dialogs().ExpectBox(c.caption, c.message, ui::Answer::Ok);
        Save(*page);
        if (c.focused != nullptr) {
            EXPECT_TRUE(page->FindComponent(c.focused) != nullptr &&
                        dynamic_cast<ui::Edit*>(page->FindComponent(c.focused))->Focused());
        } else {
            EXPECT_TRUE(page->Btn_Re->Focused());
        }
    }
    RunFor(100);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
}

TEST_F(InformationPageTest, ClosingWhileTheAnswerIsOutstandingIsSafe) {
    ASSERT_TRUE(Started());
    Control("delay 300");
    {
        OpenedPage<TFM_Information> page(FM_Information);
        page->Btn_Re->Click();
        ASSERT_TRUE(page->SystemRequest->busy);
    }
    RunFor(600);  // the answers arrive after the page has gone
    EXPECT_EQ(Logged("GET").size(), 2u) << "the device answered both reads";
    Control("delay 0");
    Control("down");
    {
        OpenedPage<TFM_Information> page(FM_Information);
        ASSERT_TRUE(page->SystemRequest->busy);
    }
    RunFor(3500);  // past the time-out with its retry: nothing reaches the page
}

class InformationPageAccessTest : public InformationPageTest,
                                  public ::testing::WithParamInterface<pagetest::Access> {};

TEST_P(InformationPageAccessTest, ReadsAndSavesTheSystemGroup) {
    ASSERT_TRUE(Started());
    UseAccess(GetParam());
    OpenedPage<TFM_Information> page(FM_Information);
    ASSERT_TRUE(WaitForStatus(*page, "Get OK!"));
    EXPECT_EQ(page->Ed_SN->Text(), "VAP-7720");
    Type(*page, "ops", "ap-7", "roof");
    Save(*page);
    ASSERT_TRUE(WaitForStatus(*page, "Save OK!"));
    EXPECT_EQ(Value(kName), "ap-7");
}

INSTANTIATE_TEST_SUITE_P(Versions, InformationPageAccessTest,
                         ::testing::Values(pagetest::kV1, pagetest::kV3AuthPriv),
                         [](const auto& info) { return std::string(info.param.version == 0 ? "v1" : "v3"); });

TEST_F(InformationPageTest, TheHomeMenuEntryOpensThePageModally) {
    ASSERT_TRUE(Started());
    RegisterBasicPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_Information != nullptr && FM_Information->Modal();
        if (FM_Information) FM_Information->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("Information1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Information, nullptr);
}

}  // namespace
