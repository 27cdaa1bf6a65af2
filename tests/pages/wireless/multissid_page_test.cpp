// The Multi-SSID page against the simulated access point: the opening and
// the SSID list, the security shown per SSID, the per-SSID write (rows by
// security mode, secrets only when retyped, the RADIUS row first, every
// check before any write), Delete, Save and the AP-mode warning.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "library/snmp/snmp_status.h"
#include "pages/common/page_groups.h"
#include "pages/wireless/multissid_page.h"
#include "pages/wireless/multissid_page_texts.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using Pdus = std::vector<std::string>;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kMultiSsid[] = "E.3.3.1.1.1.1";

std::string Fixture(const std::string& name) { return std::string(VAP_ADVANCED_FIXTURES) + "/" + name + ".txt"; }
std::string Row(const char* column, int ssid) { return std::string("E.3.3.3.1.") + column + ".1." + std::to_string(ssid + 1); }

class MultiSsidPageTest : public pagetest::PageTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Started());
        RestartSim({"--mask-secrets", "--fixture", Fixture("multissid")});
        WarnApModeOnEnable = false;
    }
    // Every walk and write of the SSID table has ended.
    bool Settle(TFM_MultiSSIDNewForm& page) {
        return RunUntil([&] { return page.MssidTableRequest == nullptr || !page.MssidTableRequest->busy; });
    }
    static Texts Listed(TFM_MultiSSIDNewForm& page) {
        Texts rows;
        for (int i = 0; i < page.LV_MultiSSID_User->ItemCount(); ++i) {
            const ui::ListItem& row = *page.LV_MultiSSID_User->Item(i);
            rows.push_back(row.Caption() + " " + row.SubItem(0) + " " + row.SubItem(1) + " " + row.SubItem(2));
        }
        return rows;
    }
    void Choose(TFM_MultiSSIDNewForm& page, int ssid) { pagetest::Pick(page.CB_Index, page.CB_Index->ItemText(ssid)); }
    void Add(TFM_MultiSSIDNewForm& page) {
        Control("clearlog");
        page.AddButton->Click();
        Settle(page);
    }
    Pdus Sets() { return wirelesstest::Named(Logged("SET")); }
};

TEST_F(MultiSsidPageTest, OpensWithTheEnabledSsidsListed) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(page->Caption(), "Advanced \\ Multi-SSID");
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_EQ(Listed(*page), (Texts{"Primary SSID VAP7720 2.4GHz None", "Multi-SSID1 guest 2.4GHz WPA2-Personal",
                                    "Multi-SSID3 shared 2.4GHz SharedKey"}));
    EXPECT_EQ(page->MulSSIDListView->ItemCount(), 8);
    EXPECT_EQ(page->CB_Index->Text(), "Primary SSID");
    EXPECT_FALSE(page->Ed_SSID->Enabled());
    EXPECT_TRUE(page->ApplyBtn->Enabled());
    EXPECT_EQ(page->FormHeight(), 516);
    SavePicture(*page, "multissid-page");
}

// The list's walk ends after the opening's reads: a group they could not read
// stays named in the status line, not covered by the walk's success.
TEST_F(MultiSsidPageTest, AGroupTheOpeningCouldNotReadStaysNamedAfterTheList) {
    RestartSimWithout({"dot11Band"}, {"--mask-secrets", "--fixture", Fixture("multissid")});
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Listed(*page).size(), 3u) << "the list itself was read";
    EXPECT_EQ(Status(*page), std::string(NotReadPrefix) + "band");
}

// Every column of the SSID list is in view in the list's designed width.
TEST_F(MultiSsidPageTest, EveryColumnOfTheListIsInView) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    const ui::ListView& list = *page->LV_MultiSSID_User;
    EXPECT_EQ(pagetest::ColumnCaptions(list), (Texts{"Index", "SSID", "Band", "Encryption"}));
    EXPECT_EQ(list.Width(), 350);
    EXPECT_LE(pagetest::ColumnsWidth(list), pagetest::ListInnerWidth(list));
}

TEST_F(MultiSsidPageTest, EachSsidShowsItsSecurityAndPanel) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 1);
    EXPECT_EQ(page->Ed_SSID->Text(), "guest");
    EXPECT_TRUE(page->Ed_SSID->Enabled());
    EXPECT_EQ(page->CB_SSIDSecurityMode->Text(), "WPA-Personal");
    EXPECT_EQ(page->CB_WPAMode->Text(), "WPA2 Only");
    EXPECT_EQ(page->CB_CipherType->Text(), "AES");
    EXPECT_EQ(page->Ed_Passphrase->Text(), "**********");  // masked, its length kept
    EXPECT_TRUE(page->GroupBox3->Visible());
    EXPECT_FALSE(page->GroupBox2->Visible());
    EXPECT_EQ(page->FormHeight(), 614);
    SavePicture(*page, "multissid-wpa-personal");
    const struct {
        const char* mode;
        int height;
    } heights[] = {{"Open System", 516}, {"WPA-Enterprise", 593}, {"802.1x", 593}, {"WPA-Personal", 614}};
    for (const auto& h : heights) {
        pagetest::Pick(page->CB_SSIDSecurityMode, h.mode);
        EXPECT_EQ(page->FormHeight(), h.height) << h.mode;
    }
    Choose(*page, 3);
    EXPECT_EQ(page->CB_SSIDSecurityMode->Text(), "Open System");
    EXPECT_EQ(Status(*page), kSecurityNotShownText);
}

// One write of WPA-Personal: the common rows and the WPA rows once; the pass
// phrase only when retyped.
TEST_F(MultiSsidPageTest, WpaPersonalIsWrittenOnceWithThePassPhraseOnlyWhenRetyped) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 1);
    page->Ed_SSID->SetText("guest2");
    Add(*page);
    EXPECT_EQ(Sets(), Pdus{"dot11MssIndividualState=1 dot11MssidSsid=guest2 dot11MssidSuppress=0 "
                           "dot11MssidAuthentication=6 dot11MssidCipherType=2 dot11MssidWmm=0 "
                           "dot11MssidGroupKeyUpdateInterval=1800 dot11MssidAutoRekeyControl=0"});
    EXPECT_EQ(Value(Row("3", 1)), "guest2");
    EXPECT_EQ(Status(*page), "Get OK!");

    Choose(*page, 1);
    page->Ed_Passphrase->SetText("newphrase9");
    page->Ed_ConfirmPass->SetText("newphrase9");
    Add(*page);
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_NE(Sets()[0].find("dot11MssidPassPhrase=newphrase9"), std::string::npos);
}

// Every refused check shows its message and writes nothing: not the AP mode
// either.
TEST_F(MultiSsidPageTest, RefusedChecksWriteNothing) {
    SetValue(kApMode, "3");  // WDS: a passed check would switch it first
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    Dialogs().ExpectBox("Warning", kApModeWarningText, ui::Answer::Ok);
    ASSERT_TRUE(Settle(*page));
    struct Case {
        const char* ssid;
        const char* phrase;
        const char* interval;
        const char* text;
    } const cases[] = {
        {"", "goodphrase", "1800", kNoSsidText},
        {" a", "goodphrase", "1800", kBlankEdgeSsidText},
        {"a ", "goodphrase", "1800", kBlankEdgeSsidText},
        {"123456789012345678901234567890123", "goodphrase", "1800", kSsidLengthText},
        {"caf\xc3\xa9", "goodphrase", "1800", kSsidCharactersText},
        {"VAP7720", "goodphrase", "1800", "The 11g SSID 1's SSID is same as Primary SSID"},
        {"shared", "goodphrase", "1800", "The 11g SSID 1's SSID is same as SSID 3"},
        {"ok", "goodphrase", "299", kIntervalText},
        {"ok", "goodphrase", "10000000", kIntervalText},
        {"ok", "short77", "1800", kPassPhraseShortText},
        {"ok", "1234567890123456789012345678901234567890123456789012345678901234", "1800", kPassPhraseLongText},
        {"ok", " padded88", "1800", kBlankEdgeText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Choose(*page, 1);
        page->Ed_SSID->SetText(c.ssid);
        page->Ed_Passphrase->SetText(c.phrase);
        page->Ed_ConfirmPass->SetText(c.phrase);
        page->Ed_UpdateInterval->SetText(c.interval);
        Dialogs().ExpectBox("Warning", c.text, ui::Answer::Ok);
        Add(*page);
        EXPECT_TRUE(Logged("SET").empty());
        EXPECT_TRUE(page->Enabled());  // the form is given back on the refusal
    }
    EXPECT_EQ(Value(kApMode), "3");
}

TEST_F(MultiSsidPageTest, ThirtyTwoCharactersAndIntervalEdgesPass) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    for (const char* interval : {"300", "9999999"}) {
        Choose(*page, 1);
        page->Ed_SSID->SetText("12345678901234567890123456789012");
        page->Ed_UpdateInterval->SetText(interval);
        Add(*page);
        EXPECT_EQ(Sets().size(), 1u) << interval;
    }
}

// Open System is written twice; a WEP key still masked is not written, a
// retyped one is.
TEST_F(MultiSsidPageTest, OpenAndWepAreWrittenTwiceWithTheKeyOnlyWhenRetyped) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 2);
    page->Ed_SSID->SetText("open2");
    Add(*page);
    const std::string open = "dot11MssIndividualState=1 dot11MssidSsid=open2 dot11MssidSuppress=0 "
                             "dot11MssidAuthentication=1 dot11MssidEncryption=0 dot11MssidWmm=0";
    EXPECT_EQ(Sets(), (Pdus{open, open}));
    EXPECT_EQ(Listed(*page).size(), 4u);

    Choose(*page, 2);
    pagetest::Pick(page->CB_MssidEncryption, "Enabled");
    pagetest::Pick(page->CB_KeyType, "HEX");
    page->Ed_Key->SetText("01234567G9");
    page->Ed_ConfirmKey->SetText("01234567G9");
    Dialogs().ExpectBox("Warning", kHexCharactersText, ui::Answer::Ok);
    Add(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_Key->Text(), "");
    page->Ed_Key->SetText("0123456789");
    page->Ed_ConfirmKey->SetText("0123456789");
    Add(*page);
    const Pdus sets = Sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], sets[1]);
    EXPECT_NE(sets[0].find("dot11MssidWepKey=0123456789"), std::string::npos);

    Choose(*page, 2);  // the key now comes back masked
    EXPECT_EQ(page->Ed_Key->Text(), "**********");
    Add(*page);
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Sets()[0].find("dot11MssidWepKey="), std::string::npos);
}

// A WEP key of the primary SSID's key index, other than the primary SSID's
// own key, is shared with it: the user is told before the write goes out.
TEST_F(MultiSsidPageTest, AKeyOfThePrimarySsidsIndexWarnsThatItIsShared) {
    SetValue(Row("6", 0), "1");  // the primary SSID encrypts with key 1
    SetValue(Row("7", 0), "1");
    SetValue(Row("8", 0), "12345");
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    struct Case {
        const char* keyIndex;
        bool warned;
    };
    for (const Case& c : {Case{"First", true}, Case{"Second", false}}) {
        SCOPED_TRACE(c.keyIndex);
        Choose(*page, 2);
        page->Ed_SSID->SetText("third");
        pagetest::Pick(page->CB_MssidEncryption, "Enabled");
        pagetest::Pick(page->CB_DefaultKey, c.keyIndex);
        page->Ed_Key->SetText("abcde");
        page->Ed_ConfirmKey->SetText("abcde");
        if (c.warned) Dialogs().ExpectBox("Warning", kKeyShareText, ui::Answer::Ok);
        Add(*page);
        const Pdus sets = Sets();
        ASSERT_EQ(sets.size(), 2u) << "the write goes on after the warning";
        EXPECT_NE(sets[0].find("dot11MssidWepKey=abcde"), std::string::npos);
    }
}

// The hidden backup and accounting settings follow the RADIUS edits; the
// accounting ones also need accounting switched on.
TEST_F(MultiSsidPageTest, HiddenAccountingEditsFollowTheSelectionAndTheAccountMode) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    for (ui::Control* hidden : std::initializer_list<ui::Control*>{page->Edt_BackupServer, page->CB_AccountMode,
                                                                   page->Edt_AccountServer, page->BT_Test})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    Choose(*page, 1);
    pagetest::Pick(page->CB_SSIDSecurityMode, "WPA-Enterprise");
    EXPECT_TRUE(page->Edt_BackupServer->Enabled());
    EXPECT_FALSE(page->Edt_AccountServer->Enabled());
    pagetest::Pick(page->CB_AccountMode, "Enable");
    EXPECT_TRUE(page->Edt_AccountSecret->Enabled());
    Choose(*page, 0);
    EXPECT_FALSE(page->Edt_RadiusServer->Enabled());
    EXPECT_FALSE(page->Edt_BackupServer->Enabled());
    EXPECT_FALSE(page->Edt_AccountSecret->Enabled());
}

// Enterprise: the RADIUS row first (the secret only when retyped), then the
// table twice; a failed RADIUS write stops it.
TEST_F(MultiSsidPageTest, EnterpriseWritesTheRadiusRowFirstAndStopsWhenItFails) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 1);
    pagetest::Pick(page->CB_SSIDSecurityMode, "WPA-Enterprise");
    EXPECT_EQ(page->Edt_RadiusServer->Text(), "192.168.0.50");
    Add(*page);
    Pdus sets = Sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0], "dot11MssidRADIUSServer=192.168.0.50 dot11MssidRADIUSPort=1812");
    EXPECT_NE(sets[1].find("dot11MssidAuthentication=7"), std::string::npos);
    EXPECT_EQ(sets[1], sets[2]);

    // The hidden test button writes the same RADIUS rows again.
    Choose(*page, 1);
    Control("clearlog");
    page->BT_Test->Click();
    EXPECT_EQ(Sets(), (Pdus{"dot11MssidRADIUSServer=192.168.0.50 dot11MssidRADIUSPort=1812"}));

    Choose(*page, 1);
    Control("error " + pagetest::DeviceOid("E.3.3.4.1.2.1.2") + " genErr");
    Add(*page);
    EXPECT_EQ(Logged("SET").size(), 1u);  // the refused RADIUS write only
    EXPECT_EQ(Status(*page), kRadiusNotSavedText);

    Choose(*page, 1);
    page->Edt_RadiusServer->SetText("0.0.0.0");
    Dialogs().ExpectBox("Error", kRadiusServerText, ui::Answer::Ok);
    Add(*page);
    EXPECT_TRUE(Logged("SET").empty());
}

// 802.1x: the RADIUS row with its key interval, the table twice, then the
// switches.
TEST_F(MultiSsidPageTest, Dot1xWritesRadiusTableAndSwitches) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 1);
    pagetest::Pick(page->CB_SSIDSecurityMode, "802.1x");
    page->Edt_RadiusSecret->SetText("newsecret");
    Add(*page);
    const Pdus sets = Sets();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[0], "dot11MssidRADIUSServer=192.168.0.50 dot11MssidRADIUSPort=1812 "
                       "dot11MssidRADIUSSecret=newsecret dot11MssidRadiusKeyUpdateInterval=3600");
    EXPECT_EQ(sets[1], "dot11MssIndividualState=1 dot11MssidSsid=guest dot11MssidSuppress=0 "
                       "dot11MssidAuthentication=10 dot11MssidWmm=0");
    EXPECT_EQ(sets[3], "dot11MssidState=1 dot11MssidPriorityState=0");
}

// A stored security the page cannot show is not written back unless the
// user changes it.
TEST_F(MultiSsidPageTest, UnshownSecurityIsKeptUnlessChanged) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 3);
    page->Ed_SSID->SetText("shared2");
    Add(*page);
    EXPECT_EQ(Sets(), Pdus{"dot11MssIndividualState=1 dot11MssidSsid=shared2 dot11MssidSuppress=0 dot11MssidWmm=0"});
    EXPECT_EQ(Value(Row("5", 3)), "2");
}

TEST_F(MultiSsidPageTest, PrimaryWritesOnlyItsPriority) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Dialogs().ExpectBox("Warning", kNotChangedText, ui::Answer::Ok);
    Add(*page);
    EXPECT_TRUE(Logged("SET").empty());
    page->Chk_MultiPri->SetChecked(true);
    pagetest::Pick(page->Cbox_Priority, "5");
    Add(*page);
    EXPECT_EQ(Sets(), Pdus{"dot11MssidPriority=5"});
    EXPECT_EQ(Value(Row("16", 0)), "5");
}

// The primary SSID's priority goes to the primary's own row: after the page
// moved the Index combo back to "Primary SSID" itself (unticking Multi-SSID),
// the hidden selection and the shown values followed it; a combo moved
// without its change handler leaves the shown entry without its row, and
// nothing is written.
TEST_F(MultiSsidPageTest, ThePrimarysPriorityGoesToItsOwnRowWhateverMovedTheIndexCombo) {
    struct Case {
        const char* how;
        std::function<void(TFM_MultiSSIDNewForm&)> back;  // from SSID 3 to "Primary SSID"
        Pdus sets;
        const char* status;
    } const cases[] = {
        {"the page, unticking and ticking Multi-SSID again",
         [](TFM_MultiSSIDNewForm& page) {
             page.IfEnabMuSSID->SetChecked(false);
             page.IfEnabMuSSID->SetChecked(true);
         },
         {pagetest::DeviceOid(Row("16", 0)) + "=integer:5"},
         "Get OK!"},
        {"the combo set without its handler",
         [](TFM_MultiSSIDNewForm& page) { pagetest::Select(page.CB_Index, "Primary SSID"); },
         {},
         kSaveFailText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
        ASSERT_TRUE(Settle(*page));
        Choose(*page, 3);
        ASSERT_EQ(page->Ed_SSID->Text(), "shared");
        c.back(*page);
        EXPECT_EQ(page->CB_Index->Text(), "Primary SSID");
        page->Chk_MultiPri->SetChecked(true);
        pagetest::Pick(page->Cbox_Priority, "5");
        Control("clearlog");
        page->AddButton->Click();
        ASSERT_TRUE(Settle(*page));
        EXPECT_EQ(Logged("SET"), c.sets);
        EXPECT_EQ(Status(*page), c.status);
        EXPECT_EQ(Value(Row("16", 3)), "0") << "SSID 3's priority stays";
        SetValue(Row("16", 0), "0");
    }
}

// Delete is offered only while a listed SSID other than the primary one is
// chosen: not at opening, not once the list was rebuilt by another Index.
TEST_F(MultiSsidPageTest, DeleteIsEnabledOnlyWhileAListedSsidIsChosen) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    EXPECT_FALSE(page->DelButton->Enabled());
    page->LV_MultiSSID_User->Item(2)->SetSelected(true);
    EXPECT_EQ(page->CB_Index->Text(), "SSID 3");
    EXPECT_TRUE(page->DelButton->Enabled());
    Choose(*page, 2);
    EXPECT_EQ(page->LV_MultiSSID_User->Selected(), nullptr);
    EXPECT_FALSE(page->DelButton->Enabled());
    page->LV_MultiSSID_User->Item(0)->SetSelected(true);
    EXPECT_FALSE(page->DelButton->Enabled()) << "the primary SSID";
    Control("clearlog");
    page->DelButton->Click();
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(MultiSsidPageTest, DeleteWritesStateZeroAfterTheQuestion) {
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    page->LV_MultiSSID_User->Item(1)->SetSelected(true);
    EXPECT_EQ(page->CB_Index->Text(), "SSID 1");
    EXPECT_TRUE(page->DelButton->Enabled());
    Control("clearlog");
    Dialogs().ExpectBox("Warning", kDeleteQuestionText, ui::Answer::Cancel);
    page->DelButton->Click();
    EXPECT_TRUE(Logged("SET").empty());
    Dialogs().ExpectBox("Warning", kDeleteQuestionText, ui::Answer::Ok);
    page->DelButton->Click();
    Settle(*page);
    EXPECT_EQ(Sets(), Pdus{"dot11MssIndividualState=0"});
    EXPECT_EQ(Value(Row("2", 1)), "0");
    EXPECT_EQ(Listed(*page).size(), 2u);
}

// Two writes in a row: each answer asks for a walk; the list ends with each
// SSID once, in order, and the new-key notice comes once.
TEST_F(MultiSsidPageTest, QuickWritesLeaveEachSsidOnceAndOneNotice) {
    SetValue(Row("17", 1), "1");  // SSID 1 changes its key periodically
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Choose(*page, 2);
    page->Ed_SSID->SetText("two");
    Dialogs().ExpectBox("Warning", kNewKeyText, ui::Answer::Ok);
    Control("clearlog");
    page->AddButton->Click();
    Choose(*page, 5);
    page->Ed_SSID->SetText("five");
    page->AddButton->Click();
    ASSERT_TRUE(Settle(*page));
    ASSERT_EQ(page->MulSSIDListView->ItemCount(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(page->MulSSIDListView->Item(i)->SubItem(0), std::to_string(i + 1));
    EXPECT_EQ(Listed(*page).size(), 5u);
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
}

// The warning is due at the first enabling in WDS after the program starts,
// and again at the next opening.
TEST_F(MultiSsidPageTest, ApModeWarningAcrossOpenings) {
    SetValue(kApMode, "3");
    for (int opening = 0; opening < 2; ++opening) {
        Dialogs().ExpectBox("Warning", kApModeWarningText, ui::Answer::Ok);
        pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
        ASSERT_TRUE(Settle(*page));
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
    }
    SetValue(kApMode, "2");  // WDS With Ap: never
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    Control("clearlog");
    page->ApplyBtn->Click();
    EXPECT_EQ(Sets(), Pdus{"dot11MssidState=1 dot11MssidPriorityState=0"});
    EXPECT_EQ(Status(*page), "Save OK!");
}

TEST_F(MultiSsidPageTest, SaveInWdsSwitchesToAccessPointAndAFailedWalkFreesSave) {
    SetValue(kApMode, "3");
    Dialogs().ExpectBox("Warning", kApModeWarningText, ui::Answer::Ok);
    pagetest::OpenedPage<TFM_MultiSSIDNewForm> page(FM_MultiSSIDNewForm);
    ASSERT_TRUE(Settle(*page));
    page->ApplyBtn->SetEnabled(false);
    VkSNMPError failed;
    failed.code = VK_ERR_TIMEOUT;
    page->OnMssidTableGetDone(&failed);
    EXPECT_TRUE(page->ApplyBtn->Enabled());
    Control("clearlog");
    page->ApplyBtn->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Sets(), (Pdus{"dot11ApMode=1", "dot11MssidState=1 dot11MssidPriorityState=0"}));
    EXPECT_EQ(Value(kMultiSsid), "1");
}

TEST_F(MultiSsidPageTest, TheMenuEntryOpensThePageAndCancelClosesIt) {
    RegisterWirelessPages();
    bool seen = false;
    // Closed once its modal loop runs (the opening reads let timers run).
    std::function<void()> closeWhenShown = [&] {
        if (FM_MultiSSIDNewForm == nullptr || !FM_MultiSSIDNewForm->Modal()) return Later(20, closeWhenShown);
        seen = true;
        FM_MultiSSIDNewForm->CancelBtn->Click();
    };
    Later(20, closeWhenShown);
    EXPECT_TRUE(OpenRegisteredPage("Ad_MultiSSID"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_MultiSSIDNewForm, nullptr);
}

}  // namespace
