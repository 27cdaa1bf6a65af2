// The AP Array page against the simulated access point: opening as an
// access point and in the other AP modes, the scan and its two lists, the
// switches with "Clear all", Save with its name checks, and a Save after a
// failed read.

#include <gtest/gtest.h>

#include <QRect>
#include <QWidget>

#include <string>
#include <vector>

#include "library/common/messages.h"
#include "pages/wireless/ap_array_page.h"
#include "pages/wireless/ap_array_page_rules.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kArrayStatus[] = "E.3.11.1.1.1.0";
constexpr char kArrayRole[] = "E.3.11.1.1.2.0";
constexpr char kArrayPassword[] = "E.3.11.1.1.4.0";
constexpr char kScanStatus[] = "E.3.11.1.2.1.2.0";
constexpr char kScan[] = "E.3.11.1.2.1.1.0";
constexpr int kGenErr = -105;  // the device's genErr as the request layer codes it
std::string MemberRole(int row) { return "E.3.11.2.1.1.3." + std::to_string(row); }
std::string Switch(int n) { return "E.3.11.3.1.1." + std::to_string(n) + ".1"; }

// The SET of all 33 switches with every one at `value`.
std::string SwitchesSet(const std::string& value) {
    const char* const names[] = {
        "SSID", "SsidHidden", "AutoChannel", "ChannelWidth", "Security", "FixedRate", "BeaconInterval", "Dtim",
        "TxPower", "WMM", "AckTimeout", "ShortGI", "IgmpSnoop", "ConnectionLimit", "LinkIntegrity", "MultiSsid",
        "MultiSsidHidden", "MultiSsidSecurity", "MultiSsidWMM", "QOS", "Vlan", "Schedule", "Time", "Log",
        "AdminLimit", "System", "ConsoleProtocol", "Snmp", "PingCtl", "Dhcp", "Login", "Acl", "Band"};
    std::string set;
    for (const char* name : names)
        set += (set.empty() ? "" : " ") + std::string("dot11APArraySync") + name + "Status=" + value;
    return set;
}

class ApArrayPageTest : public pagetest::PageTest {
protected:
    // Waits for the member and scan-list walks.
    bool Settle(TFM_APArray& page) {
        return RunUntil([&] { return !page.MembersRequest->busy && !page.ScanListRequest->busy; });
    }
    static Texts Rows(const ui::ListView& view) { return pagetest::ListRows(view, "|"); }
    void Save(TFM_APArray& page) {
        Control("clearlog");
        page.Bt_ArraySave->Click();
    }
    Texts Sets() { return wirelesstest::Named(Logged("SET")); }
};

TEST_F(ApArrayPageTest, OpensAsAnAccessPointWithTheListsAndTheSwitches) {
    ASSERT_TRUE(Started());
    SetValue(kArrayStatus, "1");
    SetValue(kArrayRole, "2");
    SetValue(Switch(9), "0");
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(page->Caption(), "Advanced \\  AP Array");
    EXPECT_TRUE(page->Chk_APArray->Checked());
    EXPECT_TRUE(page->Chk_APArray->Enabled());
    EXPECT_EQ(page->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(page->Ed_APArrayName->Text(), "APArray");
    EXPECT_EQ(page->Ed_APArrayPW->PasswordChar(), '*');
    EXPECT_TRUE(page->Bt_Scan->Enabled());
    EXPECT_TRUE(page->PC_ParameterSet->Enabled());
    EXPECT_EQ(Rows(*page->LV_ApArrayListUser), (Texts{"APArray|192.168.0.50|00907A0A0D01|1|1|1|3",
                                                      "lab-array|192.168.0.60|00907A0A0D02|1|0|0|1"}));
    // The free row between the members is not listed; the rows are numbered.
    EXPECT_EQ(Rows(*page->LV_CurrentMem),
              (Texts{"1|Master|192.168.0.50|00907A0A0D01|hall", "2|Slave|192.168.0.51|00907A0A0D03|floor 2"}));
    EXPECT_EQ(page->Lb_ConnectStatus->Caption(), "Connect");
    EXPECT_EQ(Status(*page), "Get OK!");
    for (int row = 0; row < kApArraySyncSwitches; ++row)
        EXPECT_EQ(page->SyncCheckBoxes[row]->Checked(), row != 7) << row;
    Texts hidden;
    for (ui::CheckBox* box : page->SyncCheckBoxes)
        if (!box->Visible()) hidden.push_back(box->Name());
    EXPECT_EQ(hidden, (Texts{"CheckBox27", "CheckBox32", "chk_Band"}));
    EXPECT_EQ(page->Tabs[2]->Caption(), "Multiple SSID && VLAN  ");
    SavePicture(*page, "ap-array-page");
}

// The role's radio group stands inside the "AP Array" frame, below its title
// and above the array name.
TEST_F(ApArrayPageTest, TheRoleGroupIsInsideTheArrayFrame) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_APArray> page(FM_APArray);
    const QRect inside = page->GroupBox1->Widget()->contentsRect();
    const QRect role = page->RadioGroup1->Widget()->geometry();
    EXPECT_TRUE(inside.contains(role)) << "frame inside from y " << inside.top() << ", role group at y " << role.top();
    EXPECT_LE(role.bottom(), page->Ed_APArrayName->Widget()->geometry().top());
}

// Each row: the AP mode, the array's state and whether the device can scan;
// what the page enables.
TEST_F(ApArrayPageTest, TheArrayControlsFollowTheApModeTheArrayAndTheScanStatus) {
    ASSERT_TRUE(Started());
    struct Case {
        const char* apMode;
        const char* status;
        const char* scanStatus;
        bool switchEnabled;
        bool checked;
        bool controls;
        bool scan;
    } const cases[] = {
        {"1", "1", "1", true, true, true, true},
        {"1", "1", "0", true, true, true, false},
        {"1", "0", "1", true, false, false, false},
        {"3", "1", "1", false, false, false, false},
        {"4", "1", "1", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.apMode) + " " + c.status + " " + c.scanStatus);
        SetValue(kApMode, c.apMode);
        SetValue(kArrayStatus, c.status);
        SetValue(kScanStatus, c.scanStatus);
        OpenedPage<TFM_APArray> page(FM_APArray);
        ASSERT_TRUE(Settle(*page));
        EXPECT_EQ(page->Chk_APArray->Enabled(), c.switchEnabled);
        EXPECT_EQ(page->Chk_APArray->Checked(), c.checked);
        for (ui::Control* control : {static_cast<ui::Control*>(page->Ed_APArrayName),
                                     static_cast<ui::Control*>(page->Ed_APArrayPW),
                                     static_cast<ui::Control*>(page->RadioGroup1),
                                     static_cast<ui::Control*>(page->Btn_Clearall),
                                     static_cast<ui::Control*>(page->PC_ParameterSet)})
            EXPECT_EQ(control->Enabled(), c.controls) << control->Name();
        EXPECT_EQ(page->Bt_Scan->Enabled(), c.scan);
    }
}

// Off by the AP mode is the page's doing, not the user's: Save leaves the
// device's array state alone and writes the rest.
TEST_F(ApArrayPageTest, SaveInAnotherApModeLeavesTheArrayStateAlone) {
    ASSERT_TRUE(Started());
    SetValue(kApMode, "3");
    SetValue(kArrayStatus, "1");
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(Settle(*page));
    Save(*page);
    EXPECT_EQ(Sets(), (Texts{"dot11APArrayModeSelect=1 dot11ApArrayName=APArray", SwitchesSet("1")}));
    EXPECT_EQ(Value(kArrayStatus), "1");
    EXPECT_EQ(Status(*page), ApArraySaveOkText);
    EXPECT_FALSE(page->Chk_APArray->Checked()) << "the settings read back keep the array off";
    EXPECT_FALSE(page->Ed_APArrayName->Enabled());
}

TEST_F(ApArrayPageTest, ClearAllThenSaveWritesZeroToEverySwitchAndTheChosenRole) {
    ASSERT_TRUE(Started());
    SetValue(kArrayStatus, "1");
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(Settle(*page));
    page->Btn_ClearallClick(page->Btn_Clearall);
    for (ui::CheckBox* box : page->SyncCheckBoxes) EXPECT_FALSE(box->Checked()) << box->Name();
    page->RadioGroup1->SetItemIndex(1);
    Save(*page);
    // The password was not retyped: it is not written.
    EXPECT_EQ(Sets(), (Texts{"dot11APArrayStatus=1 dot11APArrayModeSelect=2 dot11ApArrayName=APArray",
                             SwitchesSet("0")}));
    EXPECT_EQ(Value(Switch(34)), "0") << "the hidden band switch too";
    EXPECT_EQ(Value(kArrayRole), "2");
    EXPECT_EQ(Status(*page), ApArraySaveOkText);
    EXPECT_EQ(page->RadioGroup1->ItemIndex(), 1);

    page->Ed_APArrayPW->SetText("newpass");
    page->Chk_APArray->SetChecked(false);
    Save(*page);
    ASSERT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Sets()[0], "dot11APArrayStatus=0 dot11APArrayModeSelect=2 dot11ApArrayName=APArray "
                         "dot11ApArrayPassword=newpass");
    EXPECT_EQ(Value(kArrayPassword), "newpass");
    EXPECT_FALSE(page->Ed_APArrayName->Enabled());
}

// The checks run in order on the name, also while the array is being turned
// off; a refused Save writes nothing and puts the focus in the name.
TEST_F(ApArrayPageTest, ARefusedNameWritesNothing) {
    ASSERT_TRUE(Started());
    SetValue(kArrayStatus, "1");
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(Settle(*page));
    ShowActive(*page);
    page->Ed_APArrayName->SetText(" lead");
    Dialogs().ExpectBox("Error", ArrayNameFirstBlankText, ui::Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_TRUE(page->Ed_APArrayName->Focused());
    page->Chk_APArray->SetChecked(false);
    page->Ed_APArrayName->SetText("a#b");
    Dialogs().ExpectBox("Warning", ArrayNameInvalidText, ui::Answer::Ok);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty()) << "also when the array is being turned off";
    page->Ed_APArrayName->SetText("lab.array_2@site-B");
    Save(*page);
    EXPECT_EQ(Sets().size(), 2u);
    EXPECT_EQ(Status(*page), ApArraySaveOkText);
}

TEST_F(ApArrayPageTest, ASaveAfterAFailedSwitchReadWritesNothingAndSaysSo) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11APArraySyncBandStatus");
    SetValue(kArrayStatus, "1");
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(Settle(*page));
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty()) << "not the settings either";
    EXPECT_EQ(Status(*page), "Save fail! Not read from the device: synchronized parameters");
}

TEST_F(ApArrayPageTest, ScanWalksBothListsAgainAndAFailedScanIsShown) {
    ASSERT_TRUE(Started());
    SetValue(kArrayStatus, "1");
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(Settle(*page));
    // What the next scan finds: no members left.
    SetValue(MemberRole(1), "0");
    SetValue(MemberRole(3), "0");
    SetValue("E.3.11.1.2.1.3.1.1.2.2", "\"moved-array\"");
    Control("clearlog");
    page->Bt_Scan->Click();
    ASSERT_TRUE(RunUntil([&] { return Logged("GETNEXT").size() >= 2; }));
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Sets(), Texts{"dot11ApArrayScan=1"});
    EXPECT_TRUE(Rows(*page->LV_CurrentMem).empty());
    EXPECT_EQ(page->Lb_ConnectStatus->Caption(), "Disconnect");
    EXPECT_EQ(page->LV_ApArrayListUser->Item(1)->Caption(), "moved-array");
    EXPECT_EQ(Status(*page), "Get OK!");

    Control("error " + pagetest::DeviceOid(kScan) + " genErr");
    Control("clearlog");
    page->Bt_Scan->Click();
    ASSERT_TRUE(RunUntil([&] { return Status(*page) != "Get OK!"; }));
    EXPECT_EQ(Status(*page), MessageText(kGenErr));
    EXPECT_TRUE(Logged("GETNEXT").empty()) << "no walk after a refused scan";
}

// The page may close while its list walks run; their answers reach nothing.
TEST_F(ApArrayPageTest, AnswersAfterThePageClosedReachNothing) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_APArray> page(FM_APArray);
    ASSERT_TRUE(page->MembersRequest->busy);
    page.Close();
    RunFor(300);
    EXPECT_EQ(FM_APArray, nullptr);
}

TEST_F(ApArrayPageTest, TheMenuEntryOpensThePage) {
    RegisterWirelessPages();
    bool seen = false;
    std::function<void()> closeWhenShown = [&] {
        if (FM_APArray == nullptr || !FM_APArray->Modal()) return Later(20, closeWhenShown);
        seen = FM_APArray->Chk_APArray != nullptr;
        FM_APArray->Close();
    };
    Later(20, closeWhenShown);
    EXPECT_TRUE(OpenRegisteredPage("mniAPArray1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_APArray, nullptr);
}

}  // namespace
