// The VLAN page's controls: the status line above four tabs, the port table
// of the add form (one small group per port holding its three buttons, so
// exactly one of them is checked), the PVID edits and the hidden controls
// that carry device values.

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/network/vlan_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"

using vlan::kPortCount;
using vlan::PortGroup;
using vlan::PortsOf;

namespace {

constexpr int kFormWidth = 560;
constexpr int kFormHeight = 520;
constexpr int kColumnLeft = 132;  // the first port column of a group
constexpr int kColumnWidth = 44;
constexpr int kPvidColumnWidth = 52;
constexpr int kRowTop = 34;  // the Untag row; Tag and Not Member follow
constexpr int kRowHeight = 20;

// The names the design gives each port's controls: the radio buttons'
// middle part and the PVID edit's suffix.
const char* const kRadioNames[kPortCount] = {"PortMgmt",  "PortLan",   "MssidPrimary", "MssidS1", "MssidS2",
                                             "MssidS3",   "MssidS4",   "MssidS5",      "MssidS6", "MssidS7",
                                             "WdsW1",     "WdsW2",     "WdsW3",        "WdsW4",   "WdsW5",
                                             "WdsW6",     "WdsW7",     "WdsW8"};
const char* const kBoxNames[kPortCount] = {"Mgmt", "Lan", "Primary", "S1", "S2", "S3", "S4", "S5", "S6",
                                           "S7",   "W1",  "W2",      "W3", "W4", "W5", "W6", "W7", "W8"};
const char* const kPvidNames[kPortCount] = {
    "Ed_PvidMgmt",    "Ed_PvidLan",     "Ed_PvidMssidPrimary", "Ed_PvidMssidS1", "Ed_PvidMssidS2", "Ed_PvidMssidS3",
    "Ed_PvidMssidS4", "Ed_PvidMssidS5", "Ed_PvidMssidS6",      "Ed_PvidMssidS7", "Ed_PvidWdsW1",   "Ed_PvidWdsW2",
    "Ed_PvidWdsW3",   "Ed_PvidWdsW4",   "Ed_PvidWdsW5",        "Ed_PvidWdsW6",   "Ed_PvidWdsW7",   "Ed_PvidWdsW8"};
const char* const kGroupNames[vlan::kPortGroupCount] = {"Port", "Mssid", "Wds"};
const char* const kColumnNames[] = {"Untag", "Tag", "Not"};
const char* const kColumnCaptions[] = {"Untag", "Tag", "Not Member"};
ui::TabSheet* NewTab(ui::PageControl* pages, const char* name, const char* caption) {
    auto* tab = new ui::TabSheet(pages);
    tab->SetName(name);
    tab->SetCaption(caption);
    return tab;
}

ui::RadioButton* NewRadio(ui::Control* parent, const std::string& name, int top) {
    auto* button = new ui::RadioButton(parent);
    button->SetName(name);
    button->SetBounds(8, top, 16, 17);
    return button;
}

// The heading of a group's first column ("Port", "MSSID Port", "WDS Port").
const char* HeadingOf(PortGroup group) {
    return group == PortGroup::Port ? "Port" : group == PortGroup::Mssid ? "MSSID Port" : "WDS Port";
}

}  // namespace

void TFM_VlanSetting::BuildControls() {
    NewLabel(this, "", "VLAN Settings", 16, 8);
    NewLabel(this, "", " VLAN Status  :", 24, 36);
    CB_VlanStatus = NewComboBox(this, "CB_VlanStatus", 120, 32, 100);
    Btn_Save = NewButton(this, "Btn_Save", "Save", 240, 30, 75);
    NewLabel(this, "", " VLAN Mode  : ", 24, 64);
    LB_VlanMode = NewLabel(this, "LB_VlanMode", "", 124, 64);
    PageControl1 = new ui::PageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(8, 88, kFormWidth - 16, kFormHeight - 88 - 28);
    TabSheet_VlanList = NewTab(PageControl1, "TabSheet_VlanList", "VLAN List");
    TabSheet_PortList = NewTab(PageControl1, "TabSheet_PortList", "Port List");
    TabSheet_EditVlan = NewTab(PageControl1, "TabSheet_EditVlan", "Add/Edit VLAN");
    TabSheet_PvidSetting = NewTab(PageControl1, "TabSheet_PvidSetting", "PVID Setting");
    StatusBar = NewStatusBar(this, "StatusBar", kFormWidth);
    BuildVlanListTab();
    BuildPortListTab();
    BuildEditTab();
    BuildPvidTab();
    BuildHiddenControls();
    CB_VlanStatus->OnChange = [this](ui::Component* sender) { CB_VlanStatusChange(sender); };
    Btn_Save->OnClick = [this](ui::Component* sender) { Btn_SaveClick(sender); };
    PageControl1->OnChange = [this](ui::Component* sender) { PageControl1Change(sender); };
}

void TFM_VlanSetting::BuildVlanListTab() {
    LV_VlanListUser = NewListView(TabSheet_VlanList, "LV_VlanListUser", 8, 8, 520, 316);
    LV_VlanListUser->AddColumn("VID", 50);
    LV_VlanListUser->AddColumn("VLAN Name ", 130);
    LV_VlanListUser->AddColumn("Untag VLAN Ports ", 166);
    LV_VlanListUser->AddColumn("Tag VLAN Ports ", 166);
    Btn_VlanEdit = NewButton(TabSheet_VlanList, "Btn_VlanEdit", "Edit", 170, 334, 75);
    Btn_VlanDelete = NewButton(TabSheet_VlanList, "Btn_VlanDelete", "Delete", 290, 334, 75);
    LV_VlanListUser->OnClick = [this](ui::Component* sender) { LV_VlanListUserClick(sender); };
    Btn_VlanEdit->OnClick = [this](ui::Component* sender) { Btn_VlanEditClick(sender); };
    Btn_VlanDelete->OnClick = [this](ui::Component* sender) { Btn_VlanDeleteClick(sender); };
}

void TFM_VlanSetting::BuildPortListTab() {
    LV_PortListUser = NewListView(TabSheet_PortList, "LV_PortListUser", 8, 8, 520, 350);
    LV_PortListUser->AddColumn("Port Name ", 100);
    LV_PortListUser->AddColumn("Tag VID", 170);
    LV_PortListUser->AddColumn("Untag VID ", 170);
    LV_PortListUser->AddColumn("PVID ", 70);
}

void TFM_VlanSetting::BuildEditTab() {
    NewLabel(TabSheet_EditVlan, "", " VLAN ID (VID)", 8, 12);
    Ed_VlanID = NewEdit(TabSheet_EditVlan, "Ed_VlanID", "", 100, 8, 60);
    NewLabel(TabSheet_EditVlan, "", "VLAN Name", 180, 12);
    Ed_VlanName = NewEdit(TabSheet_EditVlan, "Ed_VlanName", "", 250, 8, 180);
    AddButton = NewButton(TabSheet_EditVlan, "AddButton", "Save", 446, 6, 75);
    const int twoPorts = kColumnLeft + 2 * kColumnWidth + 4;
    const int eightPorts = kColumnLeft + 8 * kColumnWidth + 4;
    GroupBox_VlanPort = NewGroupBox(TabSheet_EditVlan, "GroupBox_VlanPort", "", 8, 38, twoPorts, 104);
    GroupBox_VlanMssidPort = NewGroupBox(TabSheet_EditVlan, "GroupBox_VlanMssidPort", "", 8, 146, eightPorts, 104);
    GroupBox_VlanWdsPort = NewGroupBox(TabSheet_EditVlan, "GroupBox_VlanWdsPort", "", 8, 254, eightPorts, 104);
    BuildPortGroup(GroupBox_VlanPort, PortGroup::Port);
    BuildPortGroup(GroupBox_VlanMssidPort, PortGroup::Mssid);
    BuildPortGroup(GroupBox_VlanWdsPort, PortGroup::Wds);
    AddButton->OnClick = [this](ui::Component* sender) { AddButtonClick(sender); };
}

// A group's heading row, its three rows with their "All" buttons and one
// column per port, each port's buttons in a small group of their own.
void TFM_VlanSetting::BuildPortGroup(ui::GroupBox* box, PortGroup group) {
    const int g = static_cast<int>(group);
    NewLabel(box, "", HeadingOf(group), 8, 14);
    NewLabel(box, "", "Select All", 78, 14);
    for (int column = 0; column < 3; ++column) {
        const int top = kRowTop + column * kRowHeight;
        NewLabel(box, "", kColumnCaptions[column], 8, top + 2);
        ui::Button* all = NewButton(box, std::string("Btn_Vlan") + kGroupNames[g] + kColumnNames[column] + "All",
                                    "All", 82, top, 40);
        all->SetHeight(19);
        const vlan::Membership membership = vlan::kColumns[column];
        all->OnClick = [this, group, membership](ui::Component*) { SelectColumn(group, membership); };
        Btn_VlanAll[g][column] = all;
    }
    const auto [first, end] = PortsOf(group);
    for (int port = first; port < end; ++port) {
        const int left = kColumnLeft + (port - first) * kColumnWidth;
        NewLabel(box, "", vlan::kPortLabels[port], left + 2, 14);
        ui::GroupBox* own = NewGroupBox(box, std::string("GroupBox_") + kBoxNames[port], "", left + 4, kRowTop - 4,
                                        kColumnWidth - 12, 3 * kRowHeight + 4);
        const std::string stem = std::string("RB_") + kRadioNames[port];
        RB_Untag[port] = NewRadio(own, stem + "Untag", 3);
        RB_Tag[port] = NewRadio(own, stem + "Tag", 3 + kRowHeight);
        RB_Not[port] = NewRadio(own, stem + "Not", 3 + 2 * kRowHeight);
    }
}

void TFM_VlanSetting::BuildPvidTab() {
    NewLabel(TabSheet_PvidSetting, "", " PVID Auto Assign Status  ", 8, 14);
    CB_PvidAutoStatus = NewComboBox(TabSheet_PvidSetting, "CB_PvidAutoStatus", 170, 10, 100);
    const char* const boxNames[] = {"GroupBox_PvidPort", "GroupBox_PvidMssidPort", "GroupBox_PvidWdsPort"};
    for (int g = 0; g < vlan::kPortGroupCount; ++g) {
        const PortGroup group = static_cast<PortGroup>(g);
        const auto [first, end] = PortsOf(group);
        const int width = 84 + (end - first) * kPvidColumnWidth;
        ui::GroupBox* box = NewGroupBox(TabSheet_PvidSetting, boxNames[g], "", 8, 44 + g * 84, width, 76);
        NewLabel(box, "", HeadingOf(group), 8, 18);
        NewLabel(box, "", "PVID", 8, 46);
        for (int port = first; port < end; ++port) {
            const int left = 84 + (port - first) * kPvidColumnWidth;
            NewLabel(box, "", vlan::kPortLabels[port], left, 18);
            Ed_Pvid[port] = NewEdit(box, kPvidNames[port], "", left, 42, kPvidColumnWidth - 8);
        }
    }
    Btn_PvidApply = NewButton(TabSheet_PvidSetting, "Btn_PvidApply", "Save", 230, 304, 75);
    CB_PvidAutoStatus->OnChange = [this](ui::Component* sender) { CB_PvidAutoStatusChange(sender); };
    Btn_PvidApply->OnClick = [this](ui::Component* sender) { Btn_PvidApplyClick(sender); };
}

void TFM_VlanSetting::BuildHiddenControls() {
    LV_VlanList = NewListView(this, "LV_VlanList", 0, 0, 10, 10);
    LV_PortList = NewListView(this, "LV_PortList", 0, 0, 10, 10);
    ShowControls({LV_VlanList, LV_PortList}, false);
    CB_APMode = NewHiddenComboBox(this, "CB_APMode");
    CB_LimitVidStatus = NewHiddenComboBox(this, "CB_LimitVidStatus");
    CB_VlanMode = NewHiddenComboBox(this, "CB_VlanMode");
    CB_PortListRefresh = NewHiddenComboBox(this, "CB_PortListRefresh");
    CB_VlanItemDel = NewHiddenComboBox(this, "CB_VlanItemDel");
    LB_Index = NewHiddenEdit(this, "LB_Index");
    for (int port = 0; port < kPortCount; ++port)
        CB_Membership[port] = NewHiddenComboBox(this, std::string("CB_GroupVlanList") + kBoxNames[port]);
}
