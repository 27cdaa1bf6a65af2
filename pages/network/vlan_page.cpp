#include "pages/network/vlan_page.h"

#include "library/common/messages.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/page_controls.h"
#include "pages/network/vlan_page_texts.h"
#include "pages/network/vlan_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

using namespace vlan;

TFM_VlanSetting* FM_VlanSetting = nullptr;

namespace {

bool IsFreeRow(const ui::ListItem& row) {
    return IsFreeVlanRow(CellText(row, VlanGroupRow::Vid), CellText(row, VlanGroupRow::Name));
}

bool IsListedRow(const ui::ListItem& row) {
    return IsListedVlan(CellText(row, VlanGroupRow::Vid), CellText(row, VlanGroupRow::Name));
}

}  // namespace

TFM_VlanSetting::TFM_VlanSetting(ui::Component* owner) : ui::Form(owner), VlanRows(IsFreeRow, IsListedRow) {
    SetupPageForm(*this, "FM_VlanSetting", "Advanced \\ VLAN", 560, 520);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_VlanSetting::MakeRequests() {
    VkSNMPRequest2Edits& apMode =
        Groups.Make(ApModeRequest, {"AP mode", VarsWirelessBasic, MVT_SV, 0, kApModeTimeout, true});
    UseOnlyRows(apMode, {WirelessBasicRow::ApMode});
    apMode.BindComboBox(WirelessBasicRow::ApMode, CB_APMode);
    apMode.SetStatusMemo(StatusBar, 0);
    // The management limit reports nowhere of its own: only the warnings use it.
    Groups.Make(ManagementLimitRequest, {"management limit", VarsManagerIpStatus, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_LimitVidStatus);
    VkSNMPRequest2Edits& status = Groups.Make(StatusRequest, {"VLAN status", VarsVlanStatus, SVT_SV, 0, kTimeout});
    status.BindComboBox(VlanStatusRow::Status, CB_VlanStatus);
    status.BindComboBox(VlanStatusRow::Mode, CB_VlanMode);
    VkSNMPRequest2Edits& autoAssign =
        Groups.Make(PvidAutoAssignRequest, {"PVID auto-assign", VarsVlanPvidAutoAssign, SVT_SV, 0, kTimeout});
    autoAssign.BindComboBox(SingleRow::Value, CB_PvidAutoStatus);
    VkSNMPRequest2Edits& pvids = Groups.Make(PvidRequest, {"PVIDs", VarsVlanPvid, MVT_SV, 0, kTimeout});
    for (int port = 0; port < kPortCount; ++port) pvids.BindEdits(port, "%s", Ed_Pvid[port]);
    Groups.Make(PortListRefreshRequest, {"port list refresh", VarsVlanPortListRefresh, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_PortListRefresh);
    MakePortListRequest();
    VkSNMPRequest2Edits& list =
        Groups.Make(VlanListRequest, {"VLAN list", VarsVlanGroupList, MVT_UMV, 1, kTimeout, true});
    list.BindListView(LV_VlanList, true);
    VlanRows.Use(list);
    list.BindEdits(VlanGroupRow::Index, "%s", LB_Index);
    list.BindEdits(VlanGroupRow::Vid, "%u", Ed_VlanID);
    list.BindEdits(VlanGroupRow::Name, "%s", Ed_VlanName);
    for (int port = 0; port < kPortCount; ++port) list.BindComboBox(VlanGroupRow::FirstPort + port, CB_Membership[port]);
    list.BindComboBox(VlanGroupRow::Delete, CB_VlanItemDel);
    for (VkSNMPRequest2Edits* group : {StatusRequest, PvidAutoAssignRequest, PvidRequest, PortListRefreshRequest,
                                       VlanListRequest})
        group->SetStatusMemo(StatusBar, 0);
    list.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { VlanListGetDone(result); };
    list.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { VlanListSetDone(result); };
}

// Made anew when a walk must take the place of one still running: the
// earlier walk's answers then reach nothing.
void TFM_VlanSetting::MakePortListRequest() {
    VkSNMPRequest2Edits& ports =
        Groups.Make(PortListRequest, {"port list", VarsVlanPortList, MVT_UMV, 1, kTimeout, true});
    ports.BindListView(LV_PortList, false);
    ports.SetStatusMemo(StatusBar, 0);
    ports.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { PortListGetDone(result); };
}

void TFM_VlanSetting::FormCreate(ui::Component*) {
    EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
    Ed_VlanName->SetMaxLength(kNameLength);
    Editing = false;
    MakeRequests();
    Groups.BeginLoad();
    Groups.StartRead(*ApModeRequest);
    Groups.Read(*ManagementLimitRequest);
    if (Groups.Read(*StatusRequest)) LB_VlanMode->SetCaption(DynamicMode() ? "Dynamic" : "Static");
    if (Groups.Read(*PvidAutoAssignRequest)) CB_PvidAutoStatusChange(this);
    Groups.Read(*PvidRequest);
    if (WritePortListRefresh()) StartPortListWalk();
    StartVlanWalk();
    CB_VlanStatusChange(this);
    ClearAddForm();
    Ed_VlanID->SetMaxLength(kIdLength);
    for (ui::Edit* edit : Ed_Pvid) edit->SetMaxLength(kIdLength);
    FirstChange = true;
    if (!Groups.LoadText().empty()) StatusBar->ShowMessage(Groups.LoadText());
}

// Asks the device to rebuild its port list; false when it did not (or
// could not be asked), and the list is then not walked.
bool TFM_VlanSetting::WritePortListRefresh() {
    if (Groups.Silent()) return false;
    CB_PortListRefresh->SetItemIndex(kRefreshItem);
    if (PortListRefreshRequest->Set(false, true)) return true;
    Groups.NoteUnread(*PortListRequest);
    return false;
}

void TFM_VlanSetting::StartPortListWalk() {
    if (PortListRequest->busy) MakePortListRequest();
    if (!Groups.StartRead(*PortListRequest)) StatusBar->ShowMessage(Groups.LoadText());
}

void TFM_VlanSetting::StartVlanWalk() {
    VlanListRead = false;
    if (!Groups.StartRead(*VlanListRequest)) StatusBar->ShowMessage(Groups.LoadText());
}

void TFM_VlanSetting::PortListGetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        StatusBar->ShowMessage(result->text);
        return;
    }
    FillPortList();
    FillPortListPvids();
    ShowReadEnd();
}

void TFM_VlanSetting::VlanListGetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
        StatusBar->ShowMessage(result->text);
        return;
    }
    VlanListRead = true;
    FillVlanList();
    if (VlanOn()) SelectFreeRow();
    PageControl1->SetActivePageIndex(kVlanListTab);
    EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
    ApplyEnableRules();
    ShowReadEnd();
}

// The end of a walk: "Get OK!" only when its load read every group; what
// the load could not read stays in the status line.
void TFM_VlanSetting::ShowReadEnd() {
    StatusBar->ShowMessage(Groups.EndText(kGetOk));
}

void TFM_VlanSetting::FillVlanList() {
    VlanRows.Show(*LV_VlanListUser, [](const ui::ListItem& row, ui::ListItem& item) {
        std::vector<std::string> memberships;
        for (int port = 0; port < kPortCount; ++port)
            memberships.push_back(CellText(row, VlanGroupRow::FirstPort + port));
        const PortLabels labels = MembershipLabels(memberships);
        item.SetCaption(CellText(row, VlanGroupRow::Vid));
        item.AddSubItem(CellText(row, VlanGroupRow::Name));
        item.AddSubItem(labels.untagged);
        item.AddSubItem(labels.tagged);
    });
}

// The visible port list only when the device listed each of the 18 ports.
void TFM_VlanSetting::FillPortList() {
    LV_PortListUser->ClearItems();
    if (LV_PortList->ItemCount() != kPortCount) return;
    for (int i = 0; i < kPortCount; ++i) {
        const ui::ListItem& row = *LV_PortList->Item(i);
        ui::ListItem* item = LV_PortListUser->AddItem();
        item->SetCaption(CellText(row, VlanPortListRow::PortName));
        item->AddSubItem(CellText(row, VlanPortListRow::TagVid));
        item->AddSubItem(CellText(row, VlanPortListRow::UntagVid));
        item->AddSubItem("");
    }
}

void TFM_VlanSetting::FillPortListPvids() {
    if (LV_PortList->ItemCount() != kPortCount || LV_PortListUser->ItemCount() != kPortCount) return;
    for (int port = 0; port < kPortCount; ++port) LV_PortListUser->Item(port)->SetSubItem(2, Ed_Pvid[port]->Text());
}

void TFM_VlanSetting::CB_VlanStatusChange(ui::Component*) {
    if (!Editing && VlanOn()) SelectFreeRow();
    ApplyEnableRules();
    if (FirstChange) ShowFirstChangeWarning();
}

void TFM_VlanSetting::ApplyEnableRules() {
    const VlanEnableState s =
        VlanEnableRules({DynamicMode(), VlanOn(), CB_PvidAutoStatus->ItemIndex() == kEnableItem, Editing});
    EnableControls({AddButton, CB_PvidAutoStatus}, s.saveAndAutoAssign);
    Ed_VlanID->SetEnabled(s.vidEdit);
    Ed_VlanName->SetEnabled(s.nameEdit);
    if (s.emptyEdits) {
        Ed_VlanID->SetText("");
        Ed_VlanName->SetText("");
    }
    for (int port = 0; port < kPortCount; ++port) {
        const PortGroup group = GroupOfPort(port);
        RB_Untag[port]->SetEnabled(ColumnEnabled(s, group, vlan::Untag));
        RB_Tag[port]->SetEnabled(ColumnEnabled(s, group, vlan::Tag));
        RB_Not[port]->SetEnabled(ColumnEnabled(s, group, vlan::None));
    }
    for (int g = 0; g < kPortGroupCount; ++g)
        for (int column = 0; column < 3; ++column)
            Btn_VlanAll[g][column]->SetEnabled(ColumnEnabled(s, static_cast<PortGroup>(g), kColumns[column]));
    for (ui::Edit* edit : Ed_Pvid) edit->SetEnabled(s.pvidEdits);
}

// Once after opening: the management limit read again, and the warning
// that the AP mode, the limit and the status call for, if any.
void TFM_VlanSetting::ShowFirstChangeWarning() {
    FirstChange = false;
    Groups.BeginLoad();
    const int limit = Groups.Read(*ManagementLimitRequest) ? CB_LimitVidStatus->ItemIndex() : -1;
    const std::string warning = FirstChangeWarning(CB_APMode->Text(), VlanOn(), limit);
    if (!warning.empty()) ui::MessageBox(warning, "Warning", ui::Buttons::Ok);
}

void TFM_VlanSetting::Btn_SaveClick(ui::Component*) {
    WriteStatus();
    ReturnToVlanList();
}

// Writes the VLAN status alone and says how it went; a status the device
// took as Enable in Wireless Client mode made it an access point, so the
// main menu's ARP Spoofing Prevention entry becomes usable.
bool TFM_VlanSetting::WriteStatus() {
    GroupWrites writes(Groups);
    if (writes.Write(*StatusRequest, {VlanStatusRow::Status})) ShowArpEntryForClient();
    StatusBar->ShowMessage(writes.AllWritten() ? kSetOk : writes.FailureText(kSetError));
    return writes.AllWritten();
}

void TFM_VlanSetting::ShowArpEntryForClient() {
    if (CB_APMode->Text() != kWirelessClient || !VlanOn()) return;
    // The main window's global (not the form's own members).
    if (::MainForm != nullptr && ::MainForm->ARPSpoofingPreventionSettings1 != nullptr)
        ::MainForm->ARPSpoofingPreventionSettings1->SetVisible(true);
}

// The closing steps of a save: nothing loaded for editing, no VLAN chosen,
// the VLAN list in front.
void TFM_VlanSetting::ReturnToVlanList() {
    Editing = false;
    LV_VlanListUser->SetSelected(nullptr);
    PageControl1->SetActivePageIndex(kVlanListTab);
    EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
}

void TFM_VlanSetting::PageControl1Change(ui::Component*) {
    if (!Editing) ClearAddForm();
    CB_VlanStatusChange(this);
    if (PageControl1->ActivePageIndex() >= 0 &&
        PageControl1->Page(PageControl1->ActivePageIndex()) == TabSheet_PortList) {
        Groups.BeginLoad();
        const bool refreshed = WritePortListRefresh();
        Groups.Read(*ManagementLimitRequest);
        Groups.Read(*PvidRequest);
        if (refreshed) StartPortListWalk();
    }
    Ed_VlanName->SetMaxLength(kNameLength);
}

bool TFM_VlanSetting::VlanOn() const { return CB_VlanStatus->ItemIndex() == kEnableItem; }

bool TFM_VlanSetting::DynamicMode() const { return CB_VlanMode->Text() == "dynamic"; }

