// The Internal RADIUS Server page against the simulated access point: the
// accounts it lists, a new account, a replacement (its delete, then its add,
// without a password the user left alone), a rename to a listed name refused
// before anything is written, a failed delete that adds nothing now or later,
// Delete, the checks, and a close with a write outstanding.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pages/wireless/radius_server_page.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kAction[] = "E.3.12.1.3.0";
const char* const kDeleteQuestion = "Are you sure that you want to delete this entry?";


class RadiusPageTest : public pagetest::PageTest {
protected:
    bool Settle(TFM_LRADIUSSer& page) {
        return RunUntil([&] {
            return (page.RadiusUserRequest == nullptr || !page.RadiusUserRequest->busy) &&
                   !page.RadiusListRequest->busy;
        });
    }
    // Two accounts in the device's list (passwords in clear).
    void UseAccounts() {
        const char* const cells[][2] = {{"2.1", "alice"}, {"3.1", "1"}, {"4.1", "alicepass1"},
                                        {"2.2", "bob"},   {"3.2", "0"}, {"4.2", "bobpassword"}};
        for (const auto& cell : cells) SetValue(std::string("E.3.12.2.1.1.") + cell[0], cell[1]);
    }
    // "name|status" per visible row.
    static Texts Listed(const TFM_LRADIUSSer& page) {
        Texts rows;
        for (int i = 0; i < page.LV_RadiusAccountListUser->ItemCount(); ++i) {
            const ui::ListItem& row = *page.LV_RadiusAccountListUser->Item(i);
            rows.push_back(row.Caption() + "|" + row.SubItem(0));
        }
        return rows;
    }
    static void Select(TFM_LRADIUSSer& page, int position) {
        page.LV_RadiusAccountListUser->Item(position)->SetSelected(true);
        page.LV_RadiusAccountListUser->OnClick(page.LV_RadiusAccountListUser);
    }
    static void Type(TFM_LRADIUSSer& page, const std::string& name, const std::string& password) {
        page.Ed_Name->SetText(name);
        page.Ed_PWD->SetText(password);
    }
    void Act(TFM_LRADIUSSer& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    Texts Sets() { return wirelesstest::Named(Logged("SET")); }
};

TEST_F(RadiusPageTest, OpensWithTheNamedAccounts) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(page->Caption(), "Advanced \\ Internal RADIUS Server");
    EXPECT_EQ(Listed(*page), (Texts{"alice|Enable", "bob|Disable"}));
    EXPECT_EQ(page->Accounts.Indexes(), (Texts{"1", "2"}));
    EXPECT_EQ(page->LV_RadiusAccountListUser->ColumnCaption(0), "Name ");
    EXPECT_EQ(page->LV_RadiusAccountListUser->ColumnWidth(1), 100);
    EXPECT_EQ(pagetest::Items(page->Cbox_Status), (Texts{"Disable", "Enable"}));
    EXPECT_EQ(page->Cbox_Status->Text(), "Enable");
    EXPECT_EQ(page->Ed_Name->MaxLength(), 64);
    EXPECT_FALSE(page->LV_RadiusAccountList->Visible());
    SavePicture(*page, "internal-radius-page");

    Select(*page, 1);
    EXPECT_EQ(page->Ed_Name->Text(), "bob");
    EXPECT_EQ(page->Ed_PWD->Text(), "bobpassword") << "the password as the device returns it";
    EXPECT_EQ(page->Cbox_Status->Text(), "Disable");
    EXPECT_EQ(page->LoadedPassword, "bobpassword");
}

TEST_F(RadiusPageTest, SaveWithoutASelectionAddsAnAccount) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    Type(*page, "carol", "carolpass");
    pagetest::Pick(page->Cbox_Status, "Disable");
    Act(*page, page->Bt_RadiusAdd);
    EXPECT_EQ(Sets(), Texts{"dot11LocalRadiusUserName=carol dot11LocalRadiusPassword=carolpass "
                            "dot11LocalRadiusNodeStatus=0 dot11LocalRadiusAction=1"});
    EXPECT_EQ(Listed(*page), (Texts{"alice|Enable", "bob|Disable", "carol|Disable"}));
    EXPECT_EQ(Status(*page), "Save OK!");
    EXPECT_EQ(page->Ed_Name->Text(), "");
}

// Each row: name and password typed without a selection; the box.
TEST_F(RadiusPageTest, ChecksRefuseBeforeAnythingIsWritten) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    struct Case {
        const char* name;
        std::string password;
        const char* text;
        bool nameEmptied;
    } const cases[] = {
        {"", "password1", "Please input user name !", true},
        {"ALICE", "password1", "Can't use the same name !", true},
        {"dave", "seven77", "The length of password should be 8~64 !", false},
        {"dave", std::string(65, 'p'), "The length of password should be 8~64 !", false},
    };
    Control("clearlog");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Type(*page, c.name, c.password);
        Dialogs().ExpectBox("Warning", c.text, ui::Answer::Ok);
        page->Bt_RadiusAdd->Click();
        EXPECT_EQ(page->Ed_Name->Text().empty(), c.nameEmptied || std::string(c.name).empty());
        EXPECT_EQ(page->Ed_PWD->Text().empty(), !c.nameEmptied);
    }
    EXPECT_TRUE(Logged("SET").empty());
    for (const std::string& password : {std::string(8, 'p'), std::string(64, 'p')}) {
        Type(*page, "len" + std::to_string(password.size()), password);
        Act(*page, page->Bt_RadiusAdd);
        EXPECT_EQ(Logged("SET").size(), 1u) << password.size() << " characters are taken";
    }
}

TEST_F(RadiusPageTest, AReplacementDeletesTheStoredAccountThenAddsTheNewValues) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    Select(*page, 0);
    page->Ed_Name->SetText("alice2");
    pagetest::Pick(page->Cbox_Status, "Disable");
    Act(*page, page->Bt_RadiusAdd);
    EXPECT_EQ(Sets(), (Texts{"dot11LocalRadiusUserName=alice dot11LocalRadiusNodeStatus=0 "
                             "dot11LocalRadiusAction=0",
                             "dot11LocalRadiusUserName=alice2 dot11LocalRadiusPassword=alicepass1 "
                             "dot11LocalRadiusNodeStatus=0 dot11LocalRadiusAction=1"}))
        << "the delete carries no password the user left alone";
    EXPECT_EQ(Listed(*page), (Texts{"bob|Disable", "alice2|Disable"}));
    EXPECT_EQ(Status(*page), "Save OK!");
    EXPECT_FALSE(page->ReplacePending);

    // A changed password goes with both halves.
    Select(*page, 0);
    page->Ed_PWD->SetText("newpassword");
    Act(*page, page->Bt_RadiusAdd);
    EXPECT_EQ(Sets(), (Texts{"dot11LocalRadiusUserName=bob dot11LocalRadiusPassword=newpassword "
                             "dot11LocalRadiusNodeStatus=0 dot11LocalRadiusAction=0",
                             "dot11LocalRadiusUserName=bob dot11LocalRadiusPassword=newpassword "
                             "dot11LocalRadiusNodeStatus=0 dot11LocalRadiusAction=1"}));
}

TEST_F(RadiusPageTest, RenamingToAListedNameIsRefusedBeforeTheDelete) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    Select(*page, 0);
    page->Ed_Name->SetText("bob");
    Dialogs().ExpectBox("Warning", "The name has exist, please input username again!", ui::Answer::Ok);
    Act(*page, page->Bt_RadiusAdd);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Listed(*page), (Texts{"alice|Enable", "bob|Disable"}));
}

TEST_F(RadiusPageTest, AFailedDeleteEndsTheReplacementAndNoLaterWriteReplaysIt) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    Control(std::string("error ") + DeviceOid(kAction) + " genErr");
    Select(*page, 0);
    page->Ed_Name->SetText("alice2");
    Act(*page, page->Bt_RadiusAdd);
    EXPECT_EQ(Logged("SET").size(), 1u) << "no add after the failed delete";
    EXPECT_NE(Status(*page).find("General Error"), std::string::npos) << Status(*page);
    EXPECT_FALSE(page->ReplacePending);
    EXPECT_EQ(page->Ed_Name->Text(), "alice2") << "the typed values stay for another try";

    // A plain add afterwards is one add, with its own values only.
    page->LV_RadiusAccountListUser->SetSelected(nullptr);
    Type(*page, "carol", "carolpass");
    Act(*page, page->Bt_RadiusAdd);
    EXPECT_EQ(Sets(), Texts{"dot11LocalRadiusUserName=carol dot11LocalRadiusPassword=carolpass "
                            "dot11LocalRadiusNodeStatus=1 dot11LocalRadiusAction=1"});
    EXPECT_EQ(Listed(*page), (Texts{"alice|Enable", "bob|Disable", "carol|Enable"}));
}

TEST_F(RadiusPageTest, DeleteRemovesTheLoadedAccount) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    Select(*page, 1);
    page->Ed_Name->SetText("someone");
    Dialogs().ExpectBox("Warning", kDeleteQuestion, ui::Answer::Cancel);
    Act(*page, page->Bt_RadiusDel);
    EXPECT_TRUE(Logged("SET").empty());

    Select(*page, 1);
    Dialogs().ExpectBox("Warning", kDeleteQuestion, ui::Answer::Ok);
    Act(*page, page->Bt_RadiusDel);
    EXPECT_EQ(Sets(), Texts{"dot11LocalRadiusUserName=bob dot11LocalRadiusPassword=bobpassword "
                            "dot11LocalRadiusNodeStatus=0 dot11LocalRadiusAction=0"});
    EXPECT_EQ(Listed(*page), Texts{"alice|Enable"});
    EXPECT_EQ(Status(*page), "Delete OK!");
}

TEST_F(RadiusPageTest, ClosingWithAWriteOutstandingLeavesNothingBehind) {
    ASSERT_TRUE(Started());
    UseAccounts();
    OpenedPage<TFM_LRADIUSSer> page(FM_LRADIUSSer);
    ASSERT_TRUE(Settle(*page));
    Control("delay 300");
    Select(*page, 0);
    page->Ed_Name->SetText("alice2");
    page->Bt_RadiusAdd->Click();
    ASSERT_TRUE(page->RadiusUserRequest->busy);
    page.Close();
    RunFor(600);
    EXPECT_EQ(FM_LRADIUSSer, nullptr);
}

TEST_F(RadiusPageTest, TheHiddenMenuEntrysOpenerOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterWirelessPages();
    bool seen = false;
    // The opening's reads may let the first tick pass before the page shows.
    std::function<void()> closeWhenShown = [&] {
        if (FM_LRADIUSSer == nullptr || !FM_LRADIUSSer->Modal()) {
            Later(20, closeWhenShown);
            return;
        }
        seen = true;
        FM_LRADIUSSer->Close();
    };
    Later(20, closeWhenShown);
    EXPECT_TRUE(OpenRegisteredPage("mniLocalRADIUSServer1"));
    EXPECT_TRUE(seen);
}

}  // namespace
