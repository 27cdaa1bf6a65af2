// The Administration page against the simulated access point: what Save
// writes (exactly the intended objects per case), the wait notice gone on
// every path, the password taken as current only after the device took it,
// and the administrator address ranges added, deleted and refused.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "pages/common/control_helpers.h"
#include "pages/common/page_groups.h"
#include "pages/maintenance/admin_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"
#include "shell/page_openers.h"
#include "shell/waiting_form.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using pagetest::Texts;
using ui::Answer;

constexpr char kLimitStatus[] = "E.4.10.1.1.0";
constexpr char kVlanTag[] = "E.4.10.3.0";
constexpr char kTelnet[] = "E.4.4.1.0";
constexpr char kSsh[] = "E.4.4.2.0";
constexpr char kTimeout[] = "E.4.4.3.0";
constexpr char kUserName[] = "E.4.1.1.1.2.1";
constexpr char kPassword[] = "E.4.1.1.1.3.1";
constexpr char kTrapStatus[] = "E.5.7.2.1.0";
constexpr char kTrapServer[] = "E.5.7.2.3.1.2.1";
constexpr char kSysName[] = "1.3.6.1.2.1.1.5.0";
constexpr char kSysLocation[] = "1.3.6.1.2.1.1.6.0";
constexpr char kManagerDelete[] = "E.4.10.1.3.0";

std::string Int(const char* oid, int value) { return DeviceOid(oid) + "=integer:" + std::to_string(value); }
std::string Str(const char* oid, const std::string& value) { return DeviceOid(oid) + "=string:" + value; }
std::string RangeStart(int row) { return "E.4.10.1.4.1.3." + std::to_string(row); }
std::string RangeEnd(int row) { return "E.4.10.1.4.1.4." + std::to_string(row); }
std::string RangeSet(int row, const std::string& from, const std::string& to) {
    return DeviceOid(RangeStart(row)) + "=ipaddress:" + from + " " + DeviceOid(RangeEnd(row)) + "=ipaddress:" + to;
}

const std::string kSystemNameSet = "1.3.6.1.2.1.1.5.0=string:VAP-7720 1.3.6.1.2.1.1.6.0=string:\"Lab rack 2\"";

class AdminPageTest : public pagetest::PageTest {
protected:
    void SetRange(int row, const std::string& from, const std::string& to) {
        SetValue(RangeStart(row), from);
        SetValue(RangeEnd(row), to);
    }
    // Waits for the range lists and any range write to finish.
    bool Settled(TFM_Admin2& page) {
        return RunUntil([&] {
            return !page.PoolRequest->busy && !page.PoolListRequest->busy && !page.DeleteRequest->busy;
        });
    }
    void Save(TFM_Admin2& page) {
        Control("clearlog");
        page.OK->Click();
    }
    std::vector<std::string> Shown(TFM_Admin2& page) {
        std::vector<std::string> rows;
        for (int i = 0; i < page.ListView_User->ItemCount(); ++i) {
            const ui::ListItem& item = *page.ListView_User->Item(i);
            rows.push_back(CellText(item, 0) + " " + CellText(item, 1) + " " + CellText(item, 2));
        }
        return rows;
    }
};

TEST_F(AdminPageTest, OpensWithTheDeviceSettings) {
    ASSERT_TRUE(Started());
    SetRange(2, "192.168.0.10", "192.168.0.20");
    SetRange(4, "192.168.0.100", "192.168.0.120");
    SetValue(kLimitStatus, "2");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    EXPECT_EQ(page->Ed_Usr->Text(), "admin");
    for (ui::Edit* edit : {page->Ed_OPwd, page->Ed_NPwd, page->Ed_CNP}) EXPECT_EQ(edit->Text(), "password");
    EXPECT_EQ(page->Ed_SysName->Text(), "VAP-7720");
    EXPECT_TRUE(page->CheckBox_Console->Checked());
    EXPECT_TRUE(page->RB_Telnet->Checked());
    EXPECT_FALSE(page->CheckBox_VID->Checked());
    EXPECT_FALSE(page->Ed_VID->Enabled());
    EXPECT_TRUE(page->CkBx_ManagerState->Checked());
    EXPECT_TRUE(page->Btn_Add->Enabled());
    EXPECT_FALSE(page->Btn_Del->Enabled());
    EXPECT_FALSE(page->Ed_TrapServerIp->Enabled());
    for (ui::Control* hidden : std::initializer_list<ui::Control*>{page->GB_Control, page->CB_TrapType,
                                                                   page->Ch_SystemTrap, page->Ch_WirelessTrap})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    EXPECT_EQ(Shown(*page), (Texts{"1 192.168.0.10 192.168.0.20", "2 192.168.0.100 192.168.0.120"}));
    EXPECT_EQ(page->ListView_IpRange->ItemCount(), 4);
    EXPECT_EQ(Status(*page), "");
}

TEST_F(AdminPageTest, ApArrayOrWirelessClientOpensTheLimitsOffAndSavesThemOff) {
    ASSERT_TRUE(Started());
    struct Blocker {
        const char* oid;
        const char* value;
        const char* normal;
    };
    for (const Blocker& b : {Blocker{"E.3.11.1.1.1.0", "1", "0"}, Blocker{"E.2.1.3.3.1.1.1.28.1", "4", "1"}}) {
        SCOPED_TRACE(b.oid);
        SetValue(kLimitStatus, "3");
        SetValue(b.oid, b.value);
        {
            OpenedPage<TFM_Admin2> page(FM_Admin2);
            ASSERT_TRUE(Settled(*page));
            EXPECT_FALSE(page->CheckBox_VID->Checked());
            EXPECT_FALSE(page->CheckBox_VID->Enabled());
            EXPECT_FALSE(page->CkBx_ManagerState->Checked());
            EXPECT_FALSE(page->CkBx_ManagerState->Enabled());
            Save(*page);
            ASSERT_FALSE(Logged("SET").empty());
            EXPECT_EQ(Logged("SET").back(), Int(kLimitStatus, 0));
        }
        SetValue(b.oid, b.normal);
    }
}

struct SaveCase {
    const char* label;
    std::function<void(TFM_Admin2&)> act;
    Texts sets;
};

TEST_F(AdminPageTest, SaveWritesOnlyTheIntendedObjects) {
    ASSERT_TRUE(Started());
    const SaveCase cases[] = {
        {"nothing changed",
         [](TFM_Admin2&) {},
         {Int(kTrapStatus, 0), Int(kTelnet, 1), Int(kTimeout, 3), Str(kUserName, "admin"), kSystemNameSet,
          Int(kLimitStatus, 0)}},
        {"trap on",
         [](TFM_Admin2& p) {
             pagetest::Pick(p.CB_TrapStatus, "Enable");
             p.Ed_TrapServerIp->SetText("192.168.0.9");
         },
         {Int(kTrapStatus, 1) + " " + DeviceOid(kTrapServer) + "=ipaddress:192.168.0.9", Int(kTelnet, 1),
          Int(kTimeout, 3), Str(kUserName, "admin"), kSystemNameSet, Int(kLimitStatus, 0)}},
        {"SSH",
         [](TFM_Admin2& p) { p.RB_SHH->SetChecked(true); },
         {Int(kTrapStatus, 0), Int(kSsh, 1), Int(kTimeout, 3), Str(kUserName, "admin"), kSystemNameSet,
          Int(kLimitStatus, 0)}},
        {"console off",
         [](TFM_Admin2& p) { p.CheckBox_Console->SetChecked(false); },
         {Int(kTrapStatus, 0), Int(kTelnet, 0) + " " + Int(kSsh, 0), Str(kUserName, "admin"), kSystemNameSet,
          Int(kLimitStatus, 0)}},
        {"new password",
         [](TFM_Admin2& p) {
             p.Ed_NPwd->SetText("secret");
             p.Ed_CNP->SetText("secret");
         },
         {Int(kTrapStatus, 0), Int(kTelnet, 1), Int(kTimeout, 3),
          Str(kUserName, "admin") + " " + Str(kPassword, "secret"), kSystemNameSet, Int(kLimitStatus, 0)}},
        {"VLAN limit",
         [](TFM_Admin2& p) {
             p.CheckBox_VID->SetChecked(true);
             p.Ed_VID->SetText("4094");
         },
         {Int(kTrapStatus, 0), Int(kTelnet, 1), Int(kTimeout, 3), Str(kUserName, "admin"), kSystemNameSet,
          Int(kLimitStatus, 1) + " " + Int(kVlanTag, 4094)}},
        {"new name",
         [](TFM_Admin2& p) { p.Ed_SysName->SetText("ap1"); },
         {Int(kTrapStatus, 0), Int(kTelnet, 1), Int(kTimeout, 3), Str(kUserName, "admin"),
          "1.3.6.1.2.1.1.5.0=string:ap1 1.3.6.1.2.1.1.6.0=string:\"Lab rack 2\"", Int(kLimitStatus, 0)}},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.label);
        OpenedPage<TFM_Admin2> page(FM_Admin2);
        ASSERT_TRUE(Settled(*page));
        c.act(*page);
        Save(*page);
        EXPECT_EQ(Logged("SET"), c.sets);
        EXPECT_EQ(Status(*page), AdminSetOkText);
        EXPECT_EQ(FM_Waiting, nullptr);
        EXPECT_TRUE(page->Enabled());
        page.Close();
        RestartSim({});  // the next case starts from the standard device
    }
}

TEST_F(AdminPageTest, ARefusedSaveWritesNothing) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    pagetest::Pick(page->CB_TrapStatus, "Enable");
    page->Ed_TrapServerIp->SetText("127.0.0.1");
    Dialogs().ExpectBox("Warning", "Invalid Trap Server / IP Address!", Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_TrapServerIp->Text(), "");
    EXPECT_EQ(FM_Waiting, nullptr);
}

TEST_F(AdminPageTest, ASilentDeviceStopsTheLoadAndSaveWritesNothingUnread) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    Control("up");
    EXPECT_EQ(Status(*page), DeviceSilentText);
    page->Ed_SysName->SetText("ap");
    page->Ed_Usr->SetText("admin");
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_NE(Status(*page).find(NotReadPrefix), std::string::npos) << Status(*page);
    EXPECT_EQ(FM_Waiting, nullptr);
    EXPECT_TRUE(page->Enabled());
}

TEST_F(AdminPageTest, AFailedUserWriteKeepsTheCurrentPassword) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    page->Ed_NPwd->SetText("secret");
    page->Ed_CNP->SetText("secret");
    Control("error " + DeviceOid(kUserName) + " genErr");
    Save(*page);
    EXPECT_EQ(Value(kPassword), "password");
    EXPECT_EQ(page->Ed_Pwd->Text(), "password");
    EXPECT_NE(Status(*page).find(AdminSetErrorText), std::string::npos) << Status(*page);
    EXPECT_EQ(FM_Waiting, nullptr);
    EXPECT_TRUE(page->Enabled());
    // The old password still passes; the next Save writes the new one.
    Save(*page);
    EXPECT_EQ(Value(kPassword), "secret");
    EXPECT_EQ(page->Ed_Pwd->Text(), "secret");
    EXPECT_EQ(Status(*page), AdminSetOkText);
    // And the one after it passes the old-password check without typing.
    Save(*page);
    EXPECT_EQ(Status(*page), AdminSetOkText);
}

TEST_F(AdminPageTest, AddWritesTheFirstFreeRowAndSwitchesTheLimitOn) {
    ASSERT_TRUE(Started());
    SetRange(2, "192.168.0.10", "192.168.0.20");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    page->CkBx_ManagerState->SetChecked(true);
    page->Ed_FromIP->SetText("192.168.0.30");
    page->Ed_ToIP->SetText("192.168.0.40");
    Control("clearlog");
    page->Btn_Add->Click();
    ASSERT_TRUE(Settled(*page));
    EXPECT_EQ(Logged("SET"), (Texts{RangeSet(1, "192.168.0.30", "192.168.0.40"), Int(kLimitStatus, 2)}));
    EXPECT_EQ(Status(*page), AdminSetOkText);
    EXPECT_EQ(page->Ed_FromIP->Text(), "");
    EXPECT_EQ(Shown(*page), (Texts{"1 192.168.0.30 192.168.0.40", "2 192.168.0.10 192.168.0.20"}));
}

TEST_F(AdminPageTest, AddRefusesAnEnclosingRangeAndAFullList) {
    ASSERT_TRUE(Started());
    SetRange(2, "192.168.0.10", "192.168.0.20");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    page->CkBx_ManagerState->SetChecked(true);
    page->Ed_FromIP->SetText("192.168.0.5");
    page->Ed_ToIP->SetText("192.168.0.30");
    Control("clearlog");
    Dialogs().ExpectBox("Warning", RangeInvalidText, Answer::Ok);
    page->Btn_Add->Click();
    EXPECT_TRUE(Logged("SET").empty());
    page.Close();

    for (int row = 1; row <= 4; ++row)
        SetRange(row, "192.168.0." + std::to_string(row * 10), "192.168.0." + std::to_string(row * 10 + 5));
    OpenedPage<TFM_Admin2> full(FM_Admin2);
    ASSERT_TRUE(Settled(*full));
    full->CkBx_ManagerState->SetChecked(true);
    full->Ed_FromIP->SetText("192.168.0.60");
    full->Ed_ToIP->SetText("192.168.0.70");
    Dialogs().ExpectBox("Warning", RangeFullText, Answer::Ok);
    full->Btn_Add->Click();
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(full->Ed_FromIP->Text(), "");
}

TEST_F(AdminPageTest, DeleteFreesTheSelectedRowByItsIndex) {
    ASSERT_TRUE(Started());
    SetRange(1, "192.168.0.10", "192.168.0.20");
    SetRange(3, "192.168.0.30", "192.168.0.40");
    SetValue(kLimitStatus, "2");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    page->ListView_User->SetSelected(page->ListView_User->Item(1));
    page->ListView_UserClick(nullptr);
    Control("clearlog");
    page->Btn_Del->Click();
    ASSERT_TRUE(Settled(*page));
    EXPECT_EQ(Logged("SET"), Texts{Int(kManagerDelete, 3)});
    EXPECT_EQ(Status(*page), AdminDeleteOkText);
    EXPECT_EQ(Shown(*page), Texts{"1 192.168.0.10 192.168.0.20"});
}

TEST_F(AdminPageTest, DeletingTheLastRangeSwitchesTheLimitOffFirst) {
    ASSERT_TRUE(Started());
    SetRange(2, "192.168.0.10", "192.168.0.20");
    SetValue(kLimitStatus, "3");
    SetValue(kVlanTag, "7");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    page->ListView_User->SetSelected(page->ListView_User->Item(0));
    page->ListView_UserClick(nullptr);
    Control("clearlog");
    Dialogs().ExpectBox("Warning", AdminLastRangeText, Answer::Ok);
    page->Btn_Del->Click();
    ASSERT_TRUE(Settled(*page));
    EXPECT_EQ(Logged("SET"), (Texts{Int(kLimitStatus, 1), Int(kManagerDelete, 2)}));
    EXPECT_FALSE(page->CkBx_ManagerState->Checked());
    EXPECT_TRUE(page->CheckBox_VID->Checked());
    EXPECT_TRUE(Shown(*page).empty());
}

TEST_F(AdminPageTest, AFailedDeleteSaysSoAndKeepsTheList) {
    ASSERT_TRUE(Started());
    SetRange(1, "192.168.0.10", "192.168.0.20");
    SetRange(2, "192.168.0.30", "192.168.0.40");
    OpenedPage<TFM_Admin2> page(FM_Admin2);
    ASSERT_TRUE(Settled(*page));
    page->ListView_User->SetSelected(page->ListView_User->Item(0));
    page->ListView_UserClick(nullptr);
    Control("error " + DeviceOid(kManagerDelete) + " genErr");
    page->Btn_Del->Click();
    ASSERT_TRUE(Settled(*page));
    EXPECT_EQ(Status(*page), AdminDeleteErrorText);
    EXPECT_EQ(Shown(*page).size(), 2u);
}

TEST_F(AdminPageTest, TheToolsMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    SetRange(1, "192.168.0.10", "192.168.0.20");
    RegisterMaintenancePages();
    bool seen = false;
    Later(200, [&] {
        seen = FM_Admin2 != nullptr && FM_Admin2->Modal() && FM_Admin2->Caption() == "Tools \\ Administration";
        if (FM_Admin2) {
            SavePicture(*FM_Admin2, "administration-page");
            FM_Admin2->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("tAdmin2"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_Admin2, nullptr);
}

}  // namespace
