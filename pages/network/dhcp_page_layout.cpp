// The DHCP Server page's controls: three tabs, each with its own status bar,
// and the hidden controls that carry device values.

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/network/dhcp_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"

namespace {

ui::TabSheet* NewTab(ui::PageControl* pages, const char* name, const char* caption) {
    auto* tab = new ui::TabSheet(pages);
    tab->SetName(name);
    tab->SetCaption(caption);
    return tab;
}

// The server switch of a tab: its frame caption and its label.
void SwitchLabels(ui::Control* tab) {
    NewLabel(tab, "", "DHCP Server Control", 16, 12);
    NewLabel(tab, "", "Function Enable/Disable", 32, 38);
}

}  // namespace

void TFM_DHCP::BuildControls() {
    PageControl1 = new ui::PageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(0, 0, 470, 430);
    TabSheet1 = NewTab(PageControl1, "TabSheet1", " Dynamic Pool Settings ");
    TabSheet2 = NewTab(PageControl1, "TabSheet2", "Static Pool Settings  ");
    TabSheet3 = NewTab(PageControl1, "TabSheet3", " Current IP Mapping List  ");
    BuildPoolTab();
    BuildStaticTab();
    BuildLeaseTab();
    PageControl1->OnChange = [this](ui::Component* sender) { PageControl1Change(sender); };
}

void TFM_DHCP::BuildPoolTab() {
    SwitchLabels(TabSheet1);
    CB_Fuction1 = NewComboBox(TabSheet1, "CB_Fuction1", 210, 34, 100);
    CB_Fuction1->OnChange = [this](ui::Component* sender) { CB_Fuction1Change(sender); };
    NewLabel(TabSheet1, "", "Dynamic IP Address Pool", 16, 72);
    const char* const captions[] = {"IP Assigned From", "The Range of Pool (1-254)", "Subnet Mask", "Gateway",
                                    "Wins",             "DNS",                       "Domain Name",
                                    "Lease Time (60 - 31536000 sec)"};
    ui::Edit** const edits[] = {&Ed_IPAF, &Ed_PoolRan, &Ed_SubMask, &Ed_Gateway,
                                &Ed_Wins, &Ed_DNS,     &Ed_DomNa,   &Ed_Lease};
    const char* const names[] = {"Ed_IPAF", "Ed_PoolRan", "Ed_SubMask", "Ed_Gateway",
                                 "Ed_Wins", "Ed_DNS",     "Ed_DomNa",   "Ed_Lease"};
    for (int i = 0; i < 8; ++i) {
        NewLabel(TabSheet1, "", captions[i], 32, 100 + i * 30);
        *edits[i] = NewEdit(TabSheet1, names[i], "", 250, 96 + i * 30, 170);
    }
    for (ui::Edit* edit : {Ed_IPAF, Ed_SubMask, Ed_Gateway, Ed_Wins, Ed_DNS}) edit->SetMaxLength(15);
    Ed_PoolRan->SetMaxLength(3);
    Ed_DomNa->SetMaxLength(30);
    Ed_Lease->SetMaxLength(8);
    Bt_Apply = NewButton(TabSheet1, "Bt_Apply", "Save", 130, 352, 75);
    Bt_Cancel = NewButton(TabSheet1, "Bt_Cancel", "Cancel", 260, 352, 75);
    EnableControls({Bt_Apply}, false);
    StatusBar1 = NewStatusBar(TabSheet1, "StatusBar1", 0);
    Bt_Apply->OnClick = [this](ui::Component* sender) { Bt_ApplyClick(sender); };
    Bt_Cancel->OnClick = [this](ui::Component* sender) { Bt_CancelClick(sender); };
    CB_APMode = NewComboBox(TabSheet1, "CB_APMode", 0, 0, 10);
    CB_DNStatus = NewComboBox(TabSheet1, "CB_DNStatus", 0, 0, 10);
    ShowControls({CB_APMode, CB_DNStatus}, false);
}

void TFM_DHCP::BuildStaticTab() {
    SwitchLabels(TabSheet2);
    CB_Fuction2 = NewComboBox(TabSheet2, "CB_Fuction2", 210, 34, 100);
    CB_Fuction2->OnChange = [this](ui::Component* sender) { CB_Fuction2Change(sender); };
    const char* const captions[] = {"Host Name", "Assigned IP", "Assigned MAC Address", "Subnet Mask",
                                    "Gateway",   "Wins",        "DNS",                  "Domain Name"};
    ui::Edit** const edits[] = {&ED_StaticHostName, &ED_StaticAssignIP, &ED_StaticAssignMAC, &ED_StaticSubMask,
                                &ED_StaticGateway,  &ED_StaticWins,     &ED_StaticDNS,       &ED_StaticDoname};
    const char* const names[] = {"ED_StaticHostName", "ED_StaticAssignIP", "ED_StaticAssignMAC", "ED_StaticSubMask",
                                 "ED_StaticGateway",  "ED_StaticWins",     "ED_StaticDNS",       "ED_StaticDoname"};
    for (int i = 0; i < 8; ++i) {
        const int column = i % 2;
        const int line = i / 2;
        NewLabel(TabSheet2, "", captions[i], 16 + column * 224, 68 + line * 44);
        *edits[i] = NewEdit(TabSheet2, names[i], "", 16 + column * 224, 84 + line * 44, 200);
    }
    ED_StaticHostName->SetMaxLength(20);
    ED_StaticAssignMAC->SetMaxLength(12);
    ED_StaticDoname->SetMaxLength(30);
    for (ui::Edit* edit : {ED_StaticAssignIP, ED_StaticSubMask, ED_StaticGateway, ED_StaticWins, ED_StaticDNS})
        edit->SetMaxLength(15);
    User_ListView = NewListView(TabSheet2, "User_ListView", 16, 248, 364, 120);
    User_ListView->AddColumn("MAC Address", 160);
    User_ListView->AddColumn("IP Address", 120);
    User_ListView->AddColumn("Host Name", 80);
    Btn_Add = NewButton(TabSheet2, "Btn_Add", "Save", 388, 248, 60);
    Btn_Del = NewButton(TabSheet2, "Btn_Del", "Del", 388, 280, 60);
    StatusBar2 = NewStatusBar(TabSheet2, "StatusBar2", 0);
    User_ListView->OnClick = [this](ui::Component* sender) { User_ListViewClick(sender); };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    Btn_Del->OnClick = [this](ui::Component* sender) { Bt_DelClick(sender); };
    LV_StaticPoolSet = NewListView(TabSheet2, "LV_StaticPoolSet", 0, 0, 10, 10);
    Lb_Index = NewEdit(TabSheet2, "Lb_Index", "", 0, 0, 10);
    CB_StaticStatus = NewComboBox(TabSheet2, "CB_StaticStatus", 0, 0, 10);
    Ed_DeleteIndex = NewEdit(TabSheet2, "Ed_DeleteIndex", "", 0, 0, 10);
    ShowControls({LV_StaticPoolSet, Lb_Index, CB_StaticStatus, Ed_DeleteIndex}, false);
}

void TFM_DHCP::BuildLeaseTab() {
    NewLabel(TabSheet3, "", "Current DHCP Dynamic Pools", 16, 10);
    LV_DynPool = NewListView(TabSheet3, "LV_DynPool", 16, 28, 432, 140);
    LV_DynPool->AddColumn("Host Name", 100);
    LV_DynPool->AddColumn("Binding MAC Address", 130);
    LV_DynPool->AddColumn("Assigned IP Address", 120);
    LV_DynPool->AddColumn("Lease time ", 78);
    NewLabel(TabSheet3, "", "Current DHCP Static Pools", 16, 178);
    LV_StaticPool = NewListView(TabSheet3, "LV_StaticPool", 16, 196, 432, 140);
    LV_StaticPool->AddColumn("Host Name", 100);
    LV_StaticPool->AddColumn("Binding MAC Address ", 130);
    LV_StaticPool->AddColumn("Assigned IP Address ", 120);
    Bt_RefreshStaticPool = NewButton(TabSheet3, "Bt_RefreshStaticPool", "Refresh", 196, 348, 75);
    StatusBar4 = NewStatusBar(TabSheet3, "StatusBar4", 0);
    Bt_RefreshStaticPool->OnClick = [this](ui::Component* sender) { Bt_RefreshStaticPoolClick(sender); };
    LV_Dy = NewListView(TabSheet3, "LV_Dy", 0, 0, 10, 10);
    LV_Static = NewListView(TabSheet3, "LV_Static", 0, 0, 10, 10);
    CoboxDynamic = NewComboBox(TabSheet3, "CoboxDynamic", 0, 0, 10);
    CoboxStatic = NewComboBox(TabSheet3, "CoboxStatic", 0, 0, 10);
    ShowControls({LV_Dy, LV_Static, CoboxDynamic, CoboxStatic}, false);
}
