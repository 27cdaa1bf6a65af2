#include "pages/network/arp_spoofing_page.h"

#include "library/common/messages.h"
#include "library/snmp/write_result.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/common/walked_rows.h"
#include "pages/network/arp_spoofing_page_rules.h"
#include "pages/network/arp_spoofing_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

using namespace arp;

TFM_ARPSpoofing* FM_ARPSpoofing = nullptr;

namespace {

constexpr int kTimeout = Seconds(100);
constexpr int kWirelessClientItem = 3;  // of OptDot11ApMode
constexpr int kDisableItem = 0;
constexpr int kEnableItem = 1;
constexpr int kDeleteItem = 0;  // of OptDot11ARPSpoofingPreventionAction
constexpr int kAddItem = 1;
// A free row of the gateway list reads 0.0.0.0; it is not a gateway.
constexpr char kUsedRowsOnly[] = "$1<>\"0.0.0.0\"";

// The list's cells: the caption is the row's index, then IP and MAC.
constexpr int kIpCell = 1;
constexpr int kMacCell = 2;

const char* const kSetOk = "Set OK!";
const char* const kSetError = "Set Error!";
const char* const kSaveOk = "Save OK!";
const char* const kSaveError = "Save Error!";

}  // namespace

TFM_ARPSpoofing::TFM_ARPSpoofing(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_ARPSpoofing", "Advanced \\ARP Spoofing Prevention", 400, 404);  // Save above the status bar
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TFM_ARPSpoofing::BuildControls() {
    PlaceControls(this, {
                            {La_Title, "La_Title", "ARP Spoofing Prevention", 16, 16},
                            {CB_APPstatus, "CB_APPstatus", 184, 12, 100},
                        });
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Add Gateway Address", 8, 44, 384, 88);
    PlaceControls(GroupBox1, {
                                 {La_IpAddress, "La_IpAddress", "Gateway IP Address", 14, 26},
                                 {Ed_IpAddress, "Ed_IpAddress", 150, 22, 130},
                                 {La_MacAddress, "La_MacAddress", "Gateway MAC Address", 14, 56},
                                 {Ed_MacAddress, "Ed_MacAddress", 150, 52, 130},
                                 {Btn_Add, "Btn_Add", "Add", 296, 20, 75},
                                 {Btn_Clear, "Btn_Clear", "Clear", 296, 50, 75},
                             });
    GroupBox2 = NewGroupBox(this, "GroupBox2", "Gateway Address List", 8, 140, 384, 210);
    LV_ListViewUser = NewListView(GroupBox2, "LV_ListViewUser", 14, 22, 356, 144);
    LV_ListViewUser->AddColumn("Index", 40);
    LV_ListViewUser->AddColumn("Gateway IP Address", 150);
    LV_ListViewUser->AddColumn("Gateway MAC Address", 150);
    PlaceControls(GroupBox2, {
                                 {Btn_Del, "Btn_Del", "Delete", 14, 174, 75},
                                 {Btn_Delall, "Btn_Delall", "Delete all", 98, 174, 75},
                             });
    PlaceControls(this, {
                            {Btn_Save, "Btn_Save", "Save", 162, 358, 75},
                            {CB_ApMode, "CB_ApMode", 0, 0, 10},
                            {CB_Action, "CB_Action", 0, 0, 10},
                            {Ed_Index, "Ed_Index", 0, 0, 10},
                        });
    ShowControls({CB_ApMode, CB_Action, Ed_Index}, false);
    StatusBar1 = NewStatusBar(this, "StatusBar1", 0);

    CB_APPstatus->OnChange = [this](ui::Component* sender) { CB_APPstatusChange(sender); };
    LV_ListViewUser->OnClick = [this](ui::Component* sender) { LV_ListViewUserClick(sender); };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    Btn_Clear->OnClick = [this](ui::Component* sender) { Btn_ClearClick(sender); };
    Btn_Del->OnClick = [this](ui::Component* sender) { Btn_DelClick(sender); };
    Btn_Delall->OnClick = [this](ui::Component* sender) { Btn_DelallClick(sender); };
    Btn_Save->OnClick = [this](ui::Component* sender) { Btn_SaveClick(sender); };
}

void TFM_ARPSpoofing::MakeGroups() {
    Groups.Make(ArpModeRequest, {"AP mode", VarsDot11ApMode, MVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_ApMode);
    Groups.Make(ArpStatusRequest, {"ARP spoofing prevention", VarsArpSpoofingStatus, SVT_SV, 0, kTimeout})
        .BindComboBox(SingleRow::Value, CB_APPstatus);

    VkSNMPRequest2Edits& entry =
        Groups.Make(ArpEntryRequest, {"gateway entry", VarsArpSpoofingEntry, SVT_SV, 0, kTimeout, true});
    entry.BindEdits(ArpEntryRow::IpAddress, "%s", Ed_IpAddress);
    entry.BindEdits(ArpEntryRow::MacAddress, "%h", Ed_MacAddress);
    entry.BindComboBox(ArpEntryRow::Action, CB_Action);
    entry.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { ArpEntrySetDone(result); };

    VkSNMPRequest2Edits& list =
        Groups.Make(ArpListRequest, {"gateway list", VarsArpSpoofingList, MVT_UMV, 1, kTimeout, true});
    list.BindListView(LV_ListViewUser, true);
    list.BindEdits(ArpListRow::Index, "%s", Ed_Index);
    list.BindEdits(ArpListRow::IpAddress, "%s", Ed_IpAddress);
    list.BindEdits(ArpListRow::MacAddress, "%h", Ed_MacAddress);
    list.request.rowFilter = kUsedRowsOnly;
    list.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { ArpListGetDone(result); };
    list.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { ArpListSetDone(result); };
}

void TFM_ARPSpoofing::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*ArpModeRequest);
        Groups.Read(*ArpStatusRequest);
        Groups.StartRead(*ArpListRequest);
        StatusBar1->ShowMessage(Groups.LoadText());
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
    }
    if (CB_ApMode->ItemIndex() == kWirelessClientItem) {
        CB_APPstatus->SetItemIndex(kDisableItem);
        CB_APPstatus->SetEnabled(false);
    }
    CB_APPstatusChange(this);
    Ed_MacAddress->SetMaxLength(kMacLength);
}

void TFM_ARPSpoofing::FormClose(ui::Component*, ui::CloseAction&) {
    // Answers still on their way reach nothing of the page.
    for (VkSNMPRequest2Edits** group : {&ArpStatusRequest, &ArpEntryRequest, &ArpListRequest}) {
        Groups.Remove(*group);
        *group = nullptr;
    }
}

void TFM_ARPSpoofing::CB_APPstatusChange(ui::Component*) {
    const bool enabled = CB_APPstatus->ItemIndex() == kEnableItem;
    EnableControls({GroupBox1, GroupBox2, Btn_Clear}, enabled);
    Btn_Add->SetEnabled(enabled && ListRead);
    Btn_Delall->SetEnabled(enabled && LV_ListViewUser->ItemCount() > 0);
    if (!enabled) Btn_Del->SetEnabled(false);
}

void TFM_ARPSpoofing::LV_ListViewUserClick(ui::Component*) {
    const bool selected = LV_ListViewUser->Selected() != nullptr;
    Btn_Del->SetEnabled(selected && CB_APPstatus->ItemIndex() == kEnableItem);
    AddMode = !selected;
}

int TFM_ARPSpoofing::GatewayCount() const { return LV_ListViewUser->ItemCount(); }

// Shows a refused Add and moves the focus to the field to correct.
void TFM_ARPSpoofing::RefuseGateway(const GatewayRefusal& refusal) {
    ui::Edit* edit = refusal.field == GatewayField::Ip    ? Ed_IpAddress
                     : refusal.field == GatewayField::Mac ? Ed_MacAddress
                                                          : nullptr;
    if (refusal.shown) {
        if (edit != nullptr) edit->SetFocus();
        return;
    }
    refusal.clear ? RefuseAndClear(refusal.message, refusal.caption, edit)
                  : Refuse(refusal.message, refusal.caption, edit);
}

Gateway TFM_ARPSpoofing::TypedGateway() const { return {Ed_IpAddress->Text(), Ed_MacAddress->Text()}; }

// The listed gateways but `except` (the row being rewritten).
std::vector<Gateway> TFM_ARPSpoofing::ListedGateways(const ui::ListItem* except) const {
    std::vector<Gateway> gateways;
    for (int i = 0; i < LV_ListViewUser->ItemCount(); ++i) {
        const ui::ListItem& row = *LV_ListViewUser->Item(i);
        if (&row != except) gateways.push_back({CellText(row, kIpCell), CellText(row, kMacCell)});
    }
    return gateways;
}

void TFM_ARPSpoofing::Btn_AddClick(ui::Component*) {
    if (!ListRead) return;
    const GatewayRefusal refusal =
        CheckGatewayFields(TypedGateway(), [](const std::string& mac) { return TMainForm::IsValidMacAddress(mac); });
    if (refusal.check != 0) return RefuseGateway(refusal);
    ui::ListItem* selected = LV_ListViewUser->Selected();
    AddMode = selected == nullptr;
    if (AddMode)
        AddGateway();
    else
        RewriteGateway(*selected);
}

void TFM_ARPSpoofing::AddGateway() {
    const GatewayRefusal refusal = CheckNewGateway(TypedGateway(), ListedGateways(nullptr));
    if (refusal.check != 0) return RefuseGateway(refusal);
    CB_Action->SetItemIndex(kAddItem);
    StartWrite(*ArpEntryRequest, true);
}

// Writes the IP and MAC columns of the selected row, addressed by its index
// as walked; the request reads the list again after the write.
void TFM_ARPSpoofing::RewriteGateway(ui::ListItem& row) {
    const GatewayRefusal refusal = CheckUniqueGateway(TypedGateway(), ListedGateways(&row));
    if (refusal.check != 0) return RefuseGateway(refusal);
    Ed_Index->SetText(row.Caption());
    StartWrite(*ArpListRequest, true);
}

void TFM_ARPSpoofing::Btn_ClearClick(ui::Component*) {
    Ed_IpAddress->SetText("");
    Ed_MacAddress->SetText("");
}

// Deletes the selected gateway: its own IP and MAC, whatever the edits hold.
void TFM_ARPSpoofing::Btn_DelClick(ui::Component*) {
    const ui::ListItem* row = LV_ListViewUser->Selected();
    if (row == nullptr) return;
    Ed_IpAddress->SetText(CellText(*row, kIpCell));
    Ed_MacAddress->SetText(CellText(*row, kMacCell));
    CB_Action->SetItemIndex(kDeleteItem);
    StartWrite(*ArpEntryRequest, true);
}

// Deletes every listed gateway, one write each; refused while the walk is
// still filling the list, which would leave the gateways not yet listed.
void TFM_ARPSpoofing::Btn_DelallClick(ui::Component*) {
    if (ArpListRequest->busy) return StatusBar1->ShowMessage(WalkRunningText);
    if (ui::MessageBox("Are you sure delete all the rules?", "Warning", ui::Buttons::OkCancel) != ui::Answer::Ok)
        return;
    CB_Action->SetItemIndex(kDeleteItem);
    bool allDeleted = true;
    for (int i = 0; i < LV_ListViewUser->ItemCount(); ++i) {
        LV_ListViewUser->Item(i)->SetSelected(true);
        allDeleted = WriteNow(*ArpEntryRequest, false).ok && allDeleted;
    }
    Btn_ClearClick(this);
    AddMode = true;
    if (LV_ListViewUser->ItemCount() > 0) StatusBar1->ShowMessage(allDeleted ? kSetOk : kSetError);
    Groups.StartRead(*ArpListRequest);
}

void TFM_ARPSpoofing::Btn_SaveClick(ui::Component*) {
    GroupWrites writes(Groups);
    writes.Write(*ArpStatusRequest, {SingleRow::Value});
    StatusBar1->ShowMessage(writes.AllWritten() ? kSaveOk : writes.FailureText(kSaveError));
}

void TFM_ARPSpoofing::ArpEntrySetDone(VkSNMPError* result) {
    Btn_ClearClick(this);
    AddMode = true;
    if (result->code != VK_OK) {
        StatusBar1->ShowMessage(kSetError);
        return;
    }
    StatusBar1->ShowMessage(result->text);
    Groups.StartRead(*ArpListRequest);
}

void TFM_ARPSpoofing::ListChanged() {
    AddMode = true;
    Btn_ClearClick(this);
    Btn_Del->SetEnabled(false);
    CB_APPstatusChange(this);
}

void TFM_ARPSpoofing::ArpListGetDone(VkSNMPError* result) {
    if (result->code == VK_OK) ListRead = true;
    ListChanged();
    if (result->code != VK_OK) StatusBar1->ShowMessage(result->text);
}

void TFM_ARPSpoofing::ArpListSetDone(VkSNMPError* result) {
    ListChanged();
    StatusBar1->ShowMessage(result->code == VK_OK ? kSetOk : result->text);
}

