// The Web Redirection page against the simulated access point: the named
// accounts it lists and the rows they stand for (also with a free row
// between accounts), every write of Add, rewrite, Delete and Save as the
// device receives it, the limit and the name checks, and the AP mode lock.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "library/common/messages.h"
#include "pages/network/network_pages.h"
#include "pages/common/walked_rows.h"
#include "pages/network/web_redirection_page.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "sim/line_tokens.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kStatus[] = "E.3.14.1.1.0";
const std::string kFixtures = VAP_NETWORK_FIXTURES;
// How the simulator shows an empty text.
const std::string kNoText = "\"\"";

std::string ListName(int row) { return "E.3.14.2.5.1.2." + std::to_string(row); }
std::string ListStatus(int row) { return "E.3.14.2.5.1.4." + std::to_string(row); }
std::string Field(const std::string& oid, const std::string& value) { return DeviceOid(oid) + "=" + value; }
std::string StatusSet(int value) { return Field(kStatus, "integer:" + std::to_string(value)); }
std::string RowStatusSet(int row, int value) { return Field(ListStatus(row), "integer:" + std::to_string(value)); }

class WebPageTest : public pagetest::PageTest {
protected:
    bool Settle(TFM_WebRedirection& page) {
        return RunUntil([&] { return !page.WebAccountRequest->busy && !page.WebListRequest->busy; });
    }
    void Open(OpenedPage<TFM_WebRedirection>& page) { ASSERT_TRUE(Settle(*page)); }

    // "name +" for an enabled account, "name -" otherwise.
    static Texts Listed(const TFM_WebRedirection& page) {
        Texts rows;
        for (int i = 0; i < page.LV_AccountToUser->ItemCount(); ++i) {
            const ui::ListItem& row = *page.LV_AccountToUser->Item(i);
            rows.push_back(row.SubItem(0) + (row.Checked() ? " +" : " -"));
        }
        return rows;
    }
    static void Select(TFM_WebRedirection& page, int position) {
        page.LV_AccountToUser->Item(position)->SetSelected(true);
        page.LV_AccountToUser->OnClick(page.LV_AccountToUser);
    }
    static void Type(TFM_WebRedirection& page, const std::string& name, const std::string& password) {
        page.Ed_Username->SetText(name);
        page.Ed_Password->SetText(password);
    }
    void Act(TFM_WebRedirection& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    // A fixture of 256 accounts, "user1" to "user256".
    std::string FullFixture() {
        char path[] = "/tmp/vap7720-web-full-XXXXXX";
        const int fd = mkstemp(path);
        if (fd >= 0) close(fd);
        std::ofstream out(path);
        for (int row = 1; row <= 256; ++row)
            out << ListName(row) << " \"user" << row << "\"\n" << ListStatus(row) << " 1\n";
        fullFixture_ = path;
        return path;
    }
    ~WebPageTest() override {
        if (!fullFixture_.empty()) unlink(fullFixture_.c_str());
    }

private:
    std::string fullFixture_;
};

TEST_F(WebPageTest, OpensWithTheFeatureAndTheNamedAccounts) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/web_gap.txt"});
    SetValue(kStatus, "1");
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ Web Redirection");
    EXPECT_TRUE(page->Ckb_Status->Checked());
    EXPECT_TRUE(page->Ckb_Status->Enabled());
    EXPECT_TRUE(page->SavedStatus);
    EXPECT_EQ(Listed(*page), (Texts{"guest +", "staff -", "ops +"})) << "the free row is not listed";
    EXPECT_EQ(page->AccountRows.Indexes(), (Texts{"1", "3", "4"}));
    EXPECT_EQ(page->LV_AccountToUser->Item(0)->Caption(), "Enable");
    EXPECT_EQ(page->LV_AccountToUser->ColumnCaption(0), "Status");
    EXPECT_EQ(page->LV_AccountToUser->ColumnWidth(0), 100);
    EXPECT_EQ(page->LV_AccountToUser->ColumnCaption(1), "User Name");
    EXPECT_EQ(page->LV_AccountToUser->ColumnWidth(1), 200);
    EXPECT_EQ(pagetest::Items(page->CB_AccountStatus), (Texts{"Disable", "Enable"}));
    EXPECT_EQ(page->CB_AccountStatus->Text(), "Enable");
    EXPECT_FALSE(page->Btn_Edit->Enabled());
    EXPECT_FALSE(page->Btn_Del->Enabled());
    EXPECT_EQ(page->Ed_Username->MaxLength(), 64);
    EXPECT_EQ(page->Ed_Password->MaxLength(), 64);
    EXPECT_FALSE(page->LV_AccountGet->Visible());
    EXPECT_TRUE(page->AddMode);
    EXPECT_EQ(Status(*page), "Get OK!");
    SavePicture(*page, "web-redirection-page");
}

TEST_F(WebPageTest, WdsAndWirelessClientModesLockTheFeatureToDisable) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    for (const char* mode : {"3", "4"}) {
        SCOPED_TRACE(mode);
        SetValue(kApMode, mode);
        OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
        Open(page);
        EXPECT_FALSE(page->Ckb_Status->Checked());
        EXPECT_FALSE(page->Ckb_Status->Enabled());
        Act(*page, page->Btn_Save);
        EXPECT_EQ(Logged("SET").front(), StatusSet(0));
        EXPECT_EQ(Value(kStatus), "0");
        SetValue(kStatus, "1");
    }
}

TEST_F(WebPageTest, AddWritesTheAccountWithActionAddAndAnEmptyPasswordNot) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    Type(*page, "visitor", "pw 1");
    pagetest::Select(page->CB_AccountStatus, "Disable");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{Field("E.3.14.2.1.0", "string:visitor") + " " + Field("E.3.14.2.2.0", "string:" + sim::QuoteToken("pw 1")) +
                                   " " + Field("E.3.14.2.3.0", "integer:0") + " " +
                                   Field("E.3.14.2.4.0", "integer:1")});
    EXPECT_EQ(Listed(*page), (Texts{"guest +", "staff -", "visitor -"}));
    EXPECT_EQ(Status(*page), "Get OK!");

    // The status chosen stays chosen for the next account.
    Type(*page, "nopass", "");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{Field("E.3.14.2.1.0", "string:nopass") + " " + Field("E.3.14.2.3.0", "integer:0") +
                                   " " + Field("E.3.14.2.4.0", "integer:1")});
    EXPECT_EQ(Value("E.3.14.2.5.1.3.4"), kNoText);

    Control("error " + DeviceOid("E.3.14.2.4.0") + " genErr");
    Type(*page, "third", "");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Status(*page), "Error!");
    EXPECT_TRUE(Logged("GET").empty()) << "a failed add reads nothing";
}

TEST_F(WebPageTest, EditAndRewriteChangeTheAccountsOwnRowAcrossAFreeRow) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/web_gap.txt"});
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    Select(*page, 1);
    EXPECT_TRUE(page->Btn_Edit->Enabled());
    page->Btn_Edit->Click();
    EXPECT_FALSE(page->AddMode);
    EXPECT_EQ(page->Ed_Username->Text(), "staff");
    EXPECT_EQ(page->Ed_Password->Text(), "staff22");
    page->Ed_Username->SetText("staff2");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{Field(ListName(3), "string:staff2") + " " + RowStatusSet(3, 0)})
        << "the unchanged password is not written back";
    EXPECT_EQ(Listed(*page), (Texts{"guest +", "staff2 -", "ops +"}));
    EXPECT_TRUE(page->AddMode) << "the read ends the edit";

    Select(*page, 2);
    page->Btn_Edit->Click();
    page->Ed_Password->SetText("new pw");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{Field(ListName(4), "string:ops") + " " +
                                   Field("E.3.14.2.5.1.3.4", "string:" + sim::QuoteToken("new pw")) + " " + RowStatusSet(4, 1)});

    // Another account's name is refused; the account's own passes.
    Select(*page, 2);
    page->Btn_Edit->Click();
    page->Ed_Username->SetText("guest");
    Dialogs().ExpectBox("Warning", "Can not use the same name!", ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(WebPageTest, DeleteWritesTheSelectedAccountsNameWithActionDelete) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/web_gap.txt"});
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    Select(*page, 2);
    Act(*page, page->Btn_Del);
    EXPECT_EQ(Logged("SET"), Texts{Field("E.3.14.2.1.0", "string:ops") + " " + Field("E.3.14.2.3.0", "integer:1") +
                                   " " + Field("E.3.14.2.4.0", "integer:0")});
    EXPECT_EQ(Listed(*page), (Texts{"guest +", "staff -"}));
    EXPECT_EQ(Value(ListName(4)), kNoText);
    EXPECT_EQ(Value(ListName(3)), "staff");
    EXPECT_EQ(Status(*page), "Get OK!");
}

TEST_F(WebPageTest, SaveWritesTheFeatureThenEachAccountsStateIntoItsOwnRow) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/web_gap.txt"});
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    page->Ckb_Status->SetChecked(true);
    page->LV_AccountToUser->Item(0)->SetChecked(false);
    page->LV_AccountToUser->Item(1)->SetChecked(true);
    Act(*page, page->Btn_Save);
    EXPECT_EQ(Logged("SET"), (Texts{StatusSet(1), RowStatusSet(1, 0), RowStatusSet(3, 1), RowStatusSet(4, 1)}));
    EXPECT_EQ(Listed(*page), (Texts{"guest -", "staff +", "ops +"}));
    EXPECT_EQ(Value(ListStatus(2)), "0") << "the free row is left alone";
    EXPECT_TRUE(page->SavedStatus);
    EXPECT_EQ(Status(*page), "Get OK!");

    // The first failed row ends the loop, and the failure stays shown.
    Control("error " + DeviceOid(ListStatus(3)) + " genErr");
    Act(*page, page->Btn_Save);
    EXPECT_EQ(Logged("SET"), (Texts{StatusSet(1), RowStatusSet(1, 0), RowStatusSet(3, 1)}));
    EXPECT_EQ(Status(*page), "Save Error!");
}

TEST_F(WebPageTest, SaveIsRefusedWhileTheListIsBeingWalked) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    Control("delay 300");
    Type(*page, "visitor", "");
    page->Btn_Add->Click();  // its answer starts a walk of the list
    ASSERT_TRUE(RunUntil([&] { return page->WebListRequest->busy && !page->WebAccountRequest->busy; }));
    Control("clearlog");
    page->Btn_Save->Click();
    EXPECT_EQ(Status(*page), WalkRunningText);
    Control("delay 0");
    ASSERT_TRUE(Settle(*page));
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Listed(*page), (Texts{"guest +", "staff -", "visitor +"}));
}

TEST_F(WebPageTest, TheFeatureNeedsAnEnabledAccount) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    page->LV_AccountToUser->Item(0)->SetChecked(false);
    Dialogs().ExpectBox("Warning", "When Web Redirection enable,at least 1 account must be enable!", ui::Answer::Ok);
    Act(*page, page->Btn_Save);
    EXPECT_TRUE(Logged("SET").empty());

    // Deleting the last account while the feature was saved enabled.
    Select(*page, 1);
    Act(*page, page->Btn_Del);
    ASSERT_EQ(page->AccountCount(), 1);
    Select(*page, 0);
    Dialogs().ExpectBox("Warning", "When Web Redirection enable,at least 1 account must be enable!", ui::Answer::Ok);
    Act(*page, page->Btn_Del);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(WebPageTest, EachInputCheckRefusesWithItsMessageAndFocus) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    ShowActive(*page);
    struct Case {
        const char* name;
        const char* password;
        const char* message;
        ui::Edit* TFM_WebRedirection::*focus;
    } const cases[] = {
        {"", "pw", "The User Name can not be blank!", &TFM_WebRedirection::Ed_Username},
        {"new", " pw", "The first character and last character can't be blank.", &TFM_WebRedirection::Ed_Password},
        {"new", "pw ", "The first character and last character can't be blank.", &TFM_WebRedirection::Ed_Password},
        {"guest", "pw", "Can not use the same name!", &TFM_WebRedirection::Ed_Username},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.password);
        Type(*page, c.name, c.password);
        Dialogs().ExpectBox("Warning", c.message, ui::Answer::Ok);
        Act(*page, page->Btn_Add);
        EXPECT_TRUE(Logged("SET").empty());
        EXPECT_TRUE(((*page).*(c.focus))->Focused());
    }
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
}

TEST_F(WebPageTest, The257thAccountIsRefused) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", FullFixture()});
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Open(page);
    ASSERT_EQ(page->AccountCount(), 256);
    Type(*page, "one more", "");
    Dialogs().ExpectBox("Warning", "The max number is 256,is full now!", ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(WebPageTest, AddBeforeTheListIsReadOnlyReadsTheList) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_WebRedirection> page(FM_WebRedirection);
    Type(*page, "early", "");
    Control("clearlog");
    page->Btn_Add->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->AccountCount(), 2);
}

TEST_F(WebPageTest, TheHiddenMenuEntryOpensThePageAllTheSame) {
    ASSERT_TRUE(Started());
    RegisterNetworkPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_WebRedirection != nullptr && FM_WebRedirection->Modal();
        if (FM_WebRedirection) FM_WebRedirection->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("WebRedirection1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_WebRedirection, nullptr);
}

}  // namespace
