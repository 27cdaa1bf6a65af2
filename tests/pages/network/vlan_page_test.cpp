// The VLAN page against the simulated access point: the opening load with
// both lists, new VLANs into the first free row wherever it stands, edits
// and deletes by the row's own index, one walk after each write, a full
// table, a failed delete followed by a save, the PVID Save's three cases,
// the top Save and the one-time warning, and closing with answers still on
// their way.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/common/page_groups.h"
#include "pages/network/network_pages.h"
#include "pages/network/vlan_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kStatus[] = "E.3.6.1.1.0";
constexpr char kMode[] = "E.3.6.1.2.0";
constexpr char kAutoAssign[] = "E.3.6.2.1.0";
constexpr char kRefresh[] = "E.3.6.3.1.0";
const std::string kFixtures = VAP_NETWORK_FIXTURES;

constexpr int kVidColumn = 2;
constexpr int kNameColumn = 3;
constexpr int kFirstPortColumn = 4;
constexpr int kDeleteColumn = 22;
constexpr int kPrimary = 2;
constexpr int kS4 = 6;
constexpr int kW1 = 10;

std::string Cell(int column, int row) { return "E.3.6.1.3.1." + std::to_string(column) + "." + std::to_string(row); }
std::string Pvid(int port) { return "E.3.6.2.2.1." + std::to_string(2 + port) + ".1"; }
bool Has(const std::string& pdu, const std::string& varbind) { return pdu.find(varbind) != std::string::npos; }

class VlanPageTest : public pagetest::PageTest {
protected:
    bool Settle(TFM_VlanSetting& page) {
        return RunUntil([&] {
            return !page.ApModeRequest->busy && !page.PortListRequest->busy && !page.VlanListRequest->busy;
        });
    }
    void Open(OpenedPage<TFM_VlanSetting>& page) { ASSERT_TRUE(Settle(*page)); }
    void UseFixture(const char* name, bool vlanOn) {
        RestartSim({"--fixture", kFixtures + "/" + name});
        if (vlanOn) SetValue(kStatus, "1");
    }
    // As the user picks a tab.
    void ChooseTab(TFM_VlanSetting& page, ui::TabSheet* tab) {
        for (int i = 0; i < page.PageControl1->PageCount(); ++i)
            if (page.PageControl1->Page(i) == tab) page.PageControl1->SetActivePageIndex(i);
        page.PageControl1->OnChange(page.PageControl1);
        EXPECT_TRUE(Settle(page));
    }
    // The tab change alone, without waiting for what it started.
    static void ChooseTabNow(TFM_VlanSetting& page, ui::TabSheet* tab) {
        for (int i = 0; i < page.PageControl1->PageCount(); ++i)
            if (page.PageControl1->Page(i) == tab) page.PageControl1->SetActivePageIndex(i);
        page.PageControl1->OnChange(page.PageControl1);
    }
    void Act(TFM_VlanSetting& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    static void Choose(TFM_VlanSetting& page, int vlan) {
        page.LV_VlanListUser->Item(vlan)->SetSelected(true);
        page.LV_VlanListUser->OnClick(page.LV_VlanListUser);
    }
    static Texts Rows(const ui::ListView& view) { return pagetest::ListRows(view, "|"); }
    // The walks of the VLAN table since the log was cleared: each starts at
    // the VID column itself.
    int VlanWalks() {
        const std::string start = DeviceOid("E.3.6.1.3.1.2") + " ";
        int walks = 0;
        for (const std::string& pdu : Logged("GETNEXT"))
            if (pdu.rfind(start, 0) == 0) ++walks;
        return walks;
    }
    // A new VLAN typed into the add form as the user does it.
    void TypeNewVlan(TFM_VlanSetting& page, const std::string& vid, const std::string& name) {
        ChooseTab(page, page.TabSheet_EditVlan);
        page.Ed_VlanID->SetText(vid);
        page.Ed_VlanName->SetText(name);
    }
};

TEST_F(VlanPageTest, OpensWithTheVlansAndThePortsTheyCarry) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ VLAN");
    EXPECT_EQ(page->LB_VlanMode->Caption(), "Static");
    EXPECT_EQ(page->CB_VlanStatus->Text(), "Disable");
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_EQ(Rows(*page->LV_VlanListUser), (Texts{"1|default|Mgmt,LAN,Primary|", "20|guest|S-1|LAN"}));
    const Texts ports = Rows(*page->LV_PortListUser);
    ASSERT_EQ(ports.size(), 18u);
    EXPECT_EQ(ports[0], "Mgmt||1|1");
    EXPECT_EQ(ports[1], "LAN|20|1|1") << "the device rebuilt its port list from the VLANs";
    EXPECT_EQ(ports[3], "S-1||20|1");
    EXPECT_EQ(ports[17], "W-8|||1");
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kRefresh) + "=integer:1"});
    EXPECT_FALSE(page->AddButton->Enabled()) << "VLAN is off";
    EXPECT_FALSE(page->Ed_Pvid[0]->Enabled());
    EXPECT_FALSE(page->Btn_VlanEdit->Enabled());
    SavePicture(*page, "vlan-page-list");
    page->PageControl1->SetActivePageIndex(1);
    SavePicture(*page, "vlan-page-ports");
}

// A device that does not answer stops the opening at its first read: no
// list is walked and the status says why.
TEST_F(VlanPageTest, ASilentDeviceStopsTheOpeningAndNothingIsListed) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Control("up");
    EXPECT_EQ(Status(*page), DeviceSilentText);
    EXPECT_EQ(page->LV_VlanListUser->ItemCount(), 0);
    EXPECT_EQ(page->LV_PortListUser->ItemCount(), 0);
}

TEST_F(VlanPageTest, APortListOfAnyOtherLengthThan18IsNotShown) {
    ASSERT_TRUE(Started());
    UseFixture("vlan_ports19.txt", false);
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    EXPECT_EQ(page->LV_PortList->ItemCount(), 19);
    EXPECT_EQ(page->LV_PortListUser->ItemCount(), 0);
    EXPECT_EQ(page->LV_VlanListUser->ItemCount(), 2);
}

TEST_F(VlanPageTest, ChoosingThePortListWhileItIsWalkedListsEachPortOnce) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    ASSERT_TRUE(page->PortListRequest->busy);
    ChooseTab(*page, page->TabSheet_PortList);  // a new walk takes the running one's place
    EXPECT_EQ(page->LV_PortList->ItemCount(), 18);
    EXPECT_EQ(page->LV_PortListUser->ItemCount(), 18);
    EXPECT_EQ(page->LV_VlanListUser->ItemCount(), 2);
}

TEST_F(VlanPageTest, InDynamicModeNothingCanBeEdited) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    SetValue(kMode, "1");
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    EXPECT_EQ(page->LB_VlanMode->Caption(), "Dynamic");
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             page->AddButton, page->CB_PvidAutoStatus, page->Ed_VlanID, page->Ed_VlanName, page->RB_Untag[0],
             page->RB_Not[kW1], page->Ed_Pvid[0], page->Btn_VlanAll[0][0]})
        EXPECT_FALSE(control->Enabled()) << control->Name();
}

TEST_F(VlanPageTest, ANewVlanGoesToTheFreeRowBetweenTwoVlansAndTheTableIsWalkedOnce) {
    ASSERT_TRUE(Started());
    UseFixture("vlan_gap.txt", true);
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    EXPECT_EQ(Rows(*page->LV_VlanListUser), (Texts{"1|default|Mgmt,LAN,Primary|", "30|cams|Mgmt|Primary,W-1"}));
    EXPECT_EQ(page->LB_Index->Text(), "2") << "the free row between the VLANs";
    TypeNewVlan(*page, "40", "lab");
    EXPECT_TRUE(page->RB_Untag[kW1]->Checked()) << "a new VLAN starts with every port untagged";
    EXPECT_FALSE(page->RB_Tag[kPrimary]->Enabled()) << "an SSID port is never tagged here";
    EXPECT_FALSE(page->Btn_VlanAll[1][1]->Enabled());
    page->Btn_VlanAll[1][2]->Click();  // the SSID ports: Not Member
    page->RB_Tag[kW1]->SetChecked(true);
    SavePicture(*page, "vlan-page-edit");
    Act(*page, page->AddButton);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], DeviceOid(kStatus) + "=integer:1");
    EXPECT_TRUE(Has(sets[1], DeviceOid(Cell(kVidColumn, 2)) + "=integer:40")) << sets[1];
    EXPECT_TRUE(Has(sets[1], DeviceOid(Cell(kNameColumn, 2)) + "=string:lab")) << sets[1];
    EXPECT_FALSE(Has(sets[1], DeviceOid(Cell(kDeleteColumn, 2)))) << sets[1];
    EXPECT_EQ(Value(Cell(kFirstPortColumn, 2)), "2") << "Mgmt untagged";
    EXPECT_EQ(Value(Cell(kFirstPortColumn + kPrimary, 2)), "0") << "the SSID ports are no members";
    EXPECT_EQ(Value(Cell(kFirstPortColumn + 9, 2)), "0");
    EXPECT_EQ(Value(Cell(kFirstPortColumn + kW1, 2)), "1");
    EXPECT_EQ(Value(Cell(kVidColumn, 3)), "30") << "the VLAN after the gap is kept";
    EXPECT_EQ(VlanWalks(), 1);
    EXPECT_EQ(Rows(*page->LV_VlanListUser),
              (Texts{"1|default|Mgmt,LAN,Primary|", "40|lab|Mgmt,LAN,W-2,W-3,W-4,W-5,W-6,W-7,W-8|W-1",
                     "30|cams|Mgmt|Primary,W-1"}));
    EXPECT_EQ(page->PageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(page->LB_Index->Text(), "4");
    EXPECT_EQ(Status(*page), "Get OK!");

    // The same VID by value is refused and nothing is written.
    TypeNewVlan(*page, "030", "copy");
    Dialogs().ExpectBox("Warning", "There is an existent entry with the same VID.\nPlease change the VID.",
                        ui::Answer::Ok);
    Act(*page, page->AddButton);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(VlanPageTest, EditRewritesTheVlansOwnRowAndKeepsItsTaggedSsidPort) {
    ASSERT_TRUE(Started());
    UseFixture("vlan_gap.txt", true);
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    Choose(*page, 1);
    EXPECT_TRUE(page->Btn_VlanEdit->Enabled());
    page->Btn_VlanEdit->Click();
    EXPECT_EQ(page->PageControl1->ActivePageIndex(), 2);
    EXPECT_EQ(page->Ed_VlanID->Text(), "30");
    EXPECT_FALSE(page->Ed_VlanID->Enabled()) << "the VID is locked";
    EXPECT_EQ(page->Ed_VlanName->Text(), "cams");
    EXPECT_TRUE(page->RB_Tag[kPrimary]->Checked());
    EXPECT_FALSE(page->RB_Tag[kPrimary]->Enabled());
    EXPECT_TRUE(page->RB_Tag[kW1]->Checked());
    EXPECT_TRUE(page->RB_Not[1]->Checked());
    page->Ed_VlanName->SetText("cams2");
    Act(*page, page->AddButton);
    EXPECT_EQ(Value(Cell(kNameColumn, 3)), "cams2");
    EXPECT_EQ(Value(Cell(kVidColumn, 3)), "30");
    EXPECT_EQ(Value(Cell(kFirstPortColumn + kPrimary, 3)), "1") << "the primary SSID stays tagged";
    EXPECT_EQ(Value(Cell(kVidColumn, 2)), "0") << "the free row is left alone";
    EXPECT_EQ(VlanWalks(), 1);
    EXPECT_EQ(Rows(*page->LV_VlanListUser).back(), "30|cams2|Mgmt|Primary,W-1");
}

TEST_F(VlanPageTest, DeleteWritesOnlyTheRowsActionAndAFailedDeleteLeavesTheNextSaveWhole) {
    ASSERT_TRUE(Started());
    UseFixture("vlan_gap.txt", true);
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    Choose(*page, 1);
    Dialogs().ExpectBox("warning", "Are you sure you want to delete cams?", ui::Answer::Cancel);
    Act(*page, page->Btn_VlanDelete);
    EXPECT_TRUE(Logged("SET").empty());

    Choose(*page, 1);
    Control("error " + DeviceOid(Cell(kDeleteColumn, 3)) + " genErr");
    Dialogs().ExpectBox("warning", "Are you sure you want to delete cams?", ui::Answer::Ok);
    Act(*page, page->Btn_VlanDelete);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(Cell(kDeleteColumn, 3)) + "=integer:1"});
    EXPECT_EQ(Status(*page).rfind("Set Error!", 0), 0u) << Status(*page);
    EXPECT_EQ(page->LV_VlanListUser->ItemCount(), 2);

    // The next save writes the whole row, not a row left without columns.
    TypeNewVlan(*page, "50", "lab");
    Act(*page, page->AddButton);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_TRUE(Has(sets[1], DeviceOid(Cell(kVidColumn, 2)) + "=integer:50")) << sets[1];
    EXPECT_TRUE(Has(sets[1], DeviceOid(Cell(kFirstPortColumn + 17, 2)) + "=integer:2")) << sets[1];
    EXPECT_EQ(Value(Cell(kNameColumn, 2)), "lab");
    EXPECT_EQ(Status(*page), "Get OK!");

    Choose(*page, 2);
    Dialogs().ExpectBox("warning", "Are you sure you want to delete cams?", ui::Answer::Ok);
    Act(*page, page->Btn_VlanDelete);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(Cell(kDeleteColumn, 3)) + "=integer:1"});
    EXPECT_EQ(Value(Cell(kVidColumn, 3)), "0");
    EXPECT_EQ(Value(Cell(kVidColumn, 2)), "50") << "the VLAN before it stays";
    EXPECT_EQ(VlanWalks(), 1);
    EXPECT_EQ(Rows(*page->LV_VlanListUser), (Texts{"1|default|Mgmt,LAN,Primary|", "50|lab|" + std::string(
        "Mgmt,LAN,Primary,S-1,S-2,S-3,S-4,S-5,S-6,S-7,W-1,W-2,W-3,W-4,W-5,W-6,W-7,W-8|")}));
}

TEST_F(VlanPageTest, AFullTableRefusesANewVlanButSavesAnEditedOne) {
    ASSERT_TRUE(Started());
    UseFixture("vlan_full.txt", true);
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    EXPECT_EQ(page->LV_VlanListUser->ItemCount(), 18);
    EXPECT_EQ(page->LV_VlanList->Selected(), nullptr) << "no free row to write";
    TypeNewVlan(*page, "200", "more");
    Dialogs().ExpectBox("Warning", "Maximum number of VLAN List is 18!", ui::Answer::Ok);
    Act(*page, page->AddButton);
    EXPECT_TRUE(Logged("SET").empty());

    page->PageControl1->SetActivePageIndex(0);
    Choose(*page, 17);
    page->Btn_VlanEdit->Click();
    page->Ed_VlanName->SetText("last");
    Act(*page, page->AddButton);
    EXPECT_EQ(Value(Cell(kNameColumn, 18)), "last");
    EXPECT_EQ(Value(Cell(kVidColumn, 18)), "118");
}

TEST_F(VlanPageTest, PvidSaveChecksInItsOrderThenWritesWhatTheCombosSay) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    ChooseTab(*page, page->TabSheet_PvidSetting);
    ASSERT_TRUE(page->Ed_Pvid[kS4]->Enabled());
    SavePicture(*page, "vlan-page-pvid");

    // S-4 and W-1 both out of range: W-1 is checked first and reset to 1.
    page->Ed_Pvid[kS4]->SetText("0");
    page->Ed_Pvid[kW1]->SetText("5000");
    Dialogs().ExpectBox("Warning", "The PVID value range is 1~4094.", ui::Answer::Ok);
    Act(*page, page->Btn_PvidApply);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_Pvid[kW1]->Text(), "1");
    EXPECT_EQ(page->Ed_Pvid[kS4]->Text(), "0");

    // By hand: status, auto-assignment and the 18 PVIDs in one write, read again.
    page->Ed_Pvid[kS4]->SetText("20");
    Act(*page, page->Btn_PvidApply);
    Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0], DeviceOid(kStatus) + "=integer:1");
    EXPECT_EQ(sets[1], DeviceOid(kAutoAssign) + "=integer:0");
    EXPECT_TRUE(Has(sets[2], DeviceOid(Pvid(kS4)) + "=integer:20")) << sets[2];
    EXPECT_TRUE(Has(sets[2], DeviceOid(Pvid(17)) + "=integer:1")) << sets[2];
    EXPECT_TRUE(Has(Logged("GET").back(), DeviceOid(Pvid(0)))) << "the PVIDs are read again";
    EXPECT_EQ(Value(Pvid(kS4)), "20");
    EXPECT_EQ(Status(*page), "Set OK!");
    EXPECT_EQ(page->PageControl1->ActivePageIndex(), 0);

    // Auto-assigned: the PVIDs are not written, and a failure is reported.
    ChooseTab(*page, page->TabSheet_PvidSetting);
    pagetest::Pick(page->CB_PvidAutoStatus, "Enable");
    EXPECT_FALSE(page->Ed_Pvid[0]->Enabled());
    Control("error " + DeviceOid(kAutoAssign) + " genErr");
    Act(*page, page->Btn_PvidApply);
    sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], DeviceOid(kStatus) + "=integer:1");
    EXPECT_EQ(sets[1], DeviceOid(kAutoAssign) + "=integer:1");
    EXPECT_EQ(Status(*page).rfind("Set Error!", 0), 0u) << Status(*page);

    // VLAN off: the status alone.
    ChooseTab(*page, page->TabSheet_PvidSetting);
    pagetest::Pick(page->CB_VlanStatus, "Disable");
    Act(*page, page->Btn_PvidApply);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kStatus) + "=integer:0"});
    EXPECT_EQ(Status(*page), "Set OK!");
}

TEST_F(VlanPageTest, TheFirstChangeWarnsOnceAndTheTopSaveShowsTheArpEntryForAClient) {
    ASSERT_TRUE(Started());
    MainForm = new TMainForm(nullptr);
    MainForm->ARPSpoofingPreventionSettings1->SetVisible(false);
    SetValue(kApMode, "4");
    SetValue("E.4.10.1.1.0", "1");
    {
        OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
        Open(page);
        Dialogs().ExpectBox("Warning",
                            "If you enable VLAN, AP Mode will be set to 'Access Point' \nand Limit Administrator "
                            "Status will be disable!",
                            ui::Answer::Ok);
        pagetest::Pick(page->CB_VlanStatus, "Enable");
        pagetest::Pick(page->CB_VlanStatus, "Disable");
        pagetest::Pick(page->CB_VlanStatus, "Enable");  // no second warning

        Control("error " + DeviceOid(kStatus) + " genErr");
        Act(*page, page->Btn_Save);
        EXPECT_EQ(Status(*page).rfind("Set Error!", 0), 0u) << Status(*page);
        EXPECT_FALSE(MainForm->ARPSpoofingPreventionSettings1->Visible()) << "the device is still a client";

        Act(*page, page->Btn_Save);
        EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kStatus) + "=integer:1"});
        EXPECT_EQ(Status(*page), "Set OK!");
        EXPECT_TRUE(MainForm->ARPSpoofingPreventionSettings1->Visible());
    }
    delete MainForm;
    MainForm = nullptr;
}

TEST_F(VlanPageTest, AddWritesNoRowWhenTheStatusWriteFailsAndKeepsTheForm) {
    ASSERT_TRUE(Started());
    UseFixture("vlan_gap.txt", true);
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    TypeNewVlan(*page, "40", "lab");
    Control("error " + DeviceOid(kStatus) + " genErr");
    Act(*page, page->AddButton);
    for (const std::string& set : Logged("SET")) EXPECT_FALSE(Has(set, DeviceOid(Cell(kVidColumn, 2)))) << set;
    EXPECT_EQ(Value(Cell(kVidColumn, 2)), "0");
    EXPECT_EQ(Status(*page).rfind("Set Error!", 0), 0u) << Status(*page);
    EXPECT_EQ(page->PageControl1->Page(page->PageControl1->ActivePageIndex()), page->TabSheet_EditVlan);
    EXPECT_EQ(page->Ed_VlanID->Text(), "40");
    EXPECT_EQ(page->Ed_VlanName->Text(), "lab");
}

TEST_F(VlanPageTest, TheTopSaveShowsTheArpEntryOnlyForAClientThatEnablesVlan) {
    ASSERT_TRUE(Started());
    const struct {
        const char* apMode;
        const char* status;
        bool shown;
    } cases[] = {{"4", "Enable", true}, {"4", "Disable", false}, {"1", "Enable", false}, {"1", "Disable", false}};
    MainForm = new TMainForm(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("AP mode ") + c.apMode + ", " + c.status);
        MainForm->ARPSpoofingPreventionSettings1->SetVisible(false);
        SetValue(kApMode, c.apMode);
        OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
        Open(page);
        pagetest::Select(page->CB_VlanStatus, c.status);
        Act(*page, page->Btn_Save);
        EXPECT_EQ(Status(*page), "Set OK!");
        EXPECT_EQ(MainForm->ARPSpoofingPreventionSettings1->Visible(), c.shown);
    }
    delete MainForm;
    MainForm = nullptr;
}

TEST_F(VlanPageTest, ANewPortListWalkTakesTheRunningOnesPlaceWithoutWaitingForIt) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
    Open(page);
    Control("delay 200");
    ChooseTabNow(*page, page->TabSheet_PortList);
    ASSERT_TRUE(page->PortListRequest->busy);
    bool inClick = false;
    bool ranInClick = false;
    Later(0, [&] { ranInClick = inClick; });
    inClick = true;
    ChooseTabNow(*page, page->TabSheet_PortList);
    inClick = false;
    EXPECT_FALSE(ranInClick) << "the tab change waited for the earlier walk's answers";
    Control("delay 0");
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(page->LV_PortList->ItemCount(), 18) << "each port once";
    EXPECT_EQ(Status(*page), "Get OK!");
}

TEST_F(VlanPageTest, ClosingWithAWriteOutstandingIsSafe) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    {
        OpenedPage<TFM_VlanSetting> page(FM_VlanSetting);
        Open(page);
        Control("delay 400");
        Choose(*page, 1);
        Dialogs().ExpectBox("warning", "Are you sure you want to delete guest?", ui::Answer::Ok);
        page->Btn_VlanDelete->Click();
        EXPECT_TRUE(page->VlanListRequest->busy);
    }
    EXPECT_EQ(FM_VlanSetting, nullptr);
    Control("delay 0");
    RunUntil([] { return false; }, 100);  // the late answer arrives to nothing
}

TEST_F(VlanPageTest, TheMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterNetworkPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_VlanSetting != nullptr && FM_VlanSetting->Modal();
        if (FM_VlanSetting) FM_VlanSetting->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("VlanSetting1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_VlanSetting, nullptr);
}

}  // namespace
