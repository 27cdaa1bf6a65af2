#include "pages/wireless/mac_acl_page.h"

#include "pages/common/async_write.h"
#include "pages/common/completion_status.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/mac_acl_page_rules.h"
#include "pages/wireless/mac_acl_page_vars.h"
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
#include "shell/new_req2edit.h"

TFM_FilterMACACL* FM_FilterMACACL = nullptr;

namespace {

constexpr int kClientWidth = 520;
constexpr int kClientHeight = 560;
// TFTP: one wait of 3 s for the device, 3 sends.
constexpr int kTftpTimeout = 300;
constexpr int kTftpSends = 3;

constexpr char kNoMac[] = "000000000000";
constexpr char kRefreshing[] = "Refresh...";
constexpr char kGetOk[] = "Get OK!";
constexpr char kSaveOk[] = "Save OK!";
constexpr char kSaveFail[] = "Save Fail!";

// Positions in the access-mode combo (the option list's order).
constexpr int kReject = 1;
constexpr int kDisable = 2;
constexpr char kWirelessClient[] = "Wireless Client";

// Cells of a walked row: sub-item k is table row k + 1.
constexpr int kWalkedMacCell = 0;
constexpr int kClientMacCell = ClientRow::MacAddress - 1;
constexpr int kClientBandCell = ClientRow::Band - 1;
constexpr int kClientAuthenticationCell = ClientRow::Authentication - 1;
constexpr int kClientSignalCell = ClientRow::Rssi - 1;
constexpr int kClientSsidCell = ClientRow::SsidIndex - 1;
// The visible list: caption the running number, sub-item 0 the MAC.
constexpr int kListedMacCell = 0;

std::vector<std::string> CellsOf(const ui::ListView* view, int cell) {
    std::vector<std::string> cells;
    for (int row = 0; row < view->ItemCount(); ++row) {
        const ui::ListItem* item = view->Item(row);
        if (cell < item->SubItemCount()) cells.push_back(item->SubItem(cell));
    }
    return cells;
}

}  // namespace

TFM_FilterMACACL::TFM_FilterMACACL(ui::Component* owner)
    : ui::Form(owner), TftpServer(this, kTftpTimeout, kTftpSends), Transfer(TftpServer) {
    SetupPageForm(*this, "FM_FilterMACACL", "Advanced \\ Wireless MAC ACL", kClientWidth, kClientHeight);
    BuildControls();
    BuildTransferControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

TFM_FilterMACACL::~TFM_FilterMACACL() { Transfer.Drop(); }

void TFM_FilterMACACL::BuildControls() {
    PlaceControls(this, {
        {Label_Band, "Label_Band", "Band", 12, 14},
        {CB_Band, "CB_Band", 60, 10, 100},
        {Label_AccessControl, "Label_AccessControl", "Access Control", 190, 14},
        {CB_AccessControl, "CB_AccessControl", 290, 10, 110},
        {Label_MacAddress, "Label_MacAddress", "MAC Address", 12, 44},
        {Ed_MacAdd, "Ed_MacAdd", 100, 40, 140},
        {Btn_Add, "Btn_Add", "Add", 250, 38, 75},
    });
    GroupBox1 = NewGroupBox(this, "GroupBox1", "MAC Address", 8, 70, 504, 150);
    LV_UerMACAddress = NewListView(GroupBox1, "LV_UerMACAddress", 10, 20, 390, 120);
    LV_UerMACAddress->AddColumn("ID", 60);
    LV_UerMACAddress->AddColumn("MAC Address", 200);
    Bt_Del = NewButton(GroupBox1, "Bt_Del", "Delete", 414, 20, 75);
    PlaceControls(this, {
        {Label_Client, "Label_Client", "Current Client Information ", 12, 234},
        {Bt_Add, "Bt_Add", "Add", 437, 228, 75},
    });
    LV_ClientUser = NewListView(this, "LV_ClientUser", 8, 258, 504, 110);
    LV_ClientUser->AddColumn("MAC Address", 120);
    LV_ClientUser->AddColumn("SSID", 120);
    LV_ClientUser->AddColumn("Band", 50);
    LV_ClientUser->AddColumn("Authentication", 110);
    LV_ClientUser->AddColumn("Signal", 60);
    for (ui::ListView* view : {LV_UerMACAddress, LV_ClientUser}) {
        view->SetGridLines(true);
        view->SetHideSelection(false);
    }
    Bt_Add->SetEnabled(false);

    Cbox_ACLAPmode = NewHiddenComboBox(this, "Cbox_ACLAPmode");
    CB_ZoneStatus = NewHiddenComboBox(this, "CB_ZoneStatus");
    CB_GetInfo = NewHiddenComboBox(this, "CB_GetInfo");
    LA_Index = NewLabel(this, "LA_Index", "", 0, 0);
    Ed_MACAddr = NewHiddenEdit(this, "Ed_MACAddr");
    Ed_MacAdd2 = NewHiddenEdit(this, "Ed_MacAdd2");
    LV_GetMAC = NewListView(this, "LV_GetMAC", 0, 0, 10, 10);
    LV_ClientTable = NewListView(this, "LV_ClientTable", 0, 0, 10, 10);
    ShowControls({LA_Index, LV_GetMAC, LV_ClientTable}, false);

    CB_AccessControl->OnChange = [this](ui::Component* sender) {
        accessModeFromDevice_ = true;  // the user's choice
        CB_AccessControlChange(sender);
    };
    Btn_Add->OnClick = [this](ui::Component* sender) { Btn_AddClick(sender); };
    LV_ClientUser->OnSelectItem = [this](ui::Component* sender, ui::ListItem*, bool) { LV_ClientUserClick(sender); };
    Bt_Add->OnClick = [this](ui::Component* sender) { Bt_AddClick(sender); };
    Bt_Del->OnClick = [this](ui::Component* sender) { Bt_DelClick(sender); };
}

void TFM_FilterMACACL::MakeGroups() {
    Groups.Make(ZoneRequest, {"zone defence", VarsMacAclZoneDefence, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_ZoneStatus);
    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode3, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, Cbox_ACLAPmode);
    Groups.Make(ModeRequest, {"access control", VarsMacAclMode, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_AccessControl);
    ModeRequest->SetStatusMemo(StatusBar1, 0);
    Groups.Make(BandRequest, {"band", VarsDot11Band, MVT_SV, 0, Seconds(100)}).BindComboBox(SingleRow::Value, CB_Band);

    Groups.Make(ClientTableRequest, {"client table", VarsClientTable, MVT_UMV, 1, Seconds(100), true})
        .BindListView(LV_ClientTable, false);
    ClientTableRequest->SetStatusMemo(StatusBar1, 0);
    ClientTableRequest->OnGetDone = [this](auto*, VkSNMPError* result) { OnAclClientTableDone(result); };
    Groups.Make(ClientRefreshRequest, {"client refresh", VarsClientRefresh, MVT_SV, 0, Seconds(10), true})
        .BindComboBox(SingleRow::Value, CB_GetInfo);
    ClientRefreshRequest->OnSetDone = [this](auto*, VkSNMPError* result) { OnAclClientRefreshDone(result); };

    struct Action {
        VkSNMPRequest2Edits*& slot;
        const char* name;
        const VkSNMPVarEntry* table;
        ui::Edit* edit;
    };
    for (const Action& action : {Action{AddRequest, "add", VarsMacAclAdd, Ed_MacAdd},
                                 Action{AddClientRequest, "add from client", VarsMacAclAdd, Ed_MacAdd2},
                                 Action{DeleteRequest, "delete", VarsMacAclDelete, Ed_MACAddr}}) {
        Groups.Make(action.slot, {action.name, action.table, MVT_SV, 0, Seconds(100), true})
            .BindEdits(SingleRow::Value, "%h", action.edit);
        action.slot->SetStatusMemo(StatusBar1, 0);
        action.slot->OnSetDone = [this](auto*, VkSNMPError* result) { OnAclListSetDone(result); };
    }
    Ed_MacAdd->SetMaxLength(12);
    Ed_MacAdd2->SetMaxLength(12);

    VkSNMPRequest2Edits& hidden =
        Groups.Make(HiddenListRequest, {"hidden list", VarsMacAclList, MVT_UMV, 1, Seconds(20)});
    hidden.BindListView(LV_GetMAC, false);
    hidden.BindLabel(MacAclListRow::Index, LA_Index);
    hidden.BindEdits(MacAclListRow::MacAddress, "%h", Ed_MACAddr);
    New_req2Edit& list = Groups.Make(ListRequest, {"MAC list", VarsMacAclList, MVT_UMV, 1, Seconds(100), true});
    list.SetStatusMemo(StatusBar1, 0);
    list.BindListView(LV_UerMACAddress, false);
    list.SkipValue = kNoMac;
    list.SkipColumn = MacAclListRow::MacAddress;
    list.OnGetDone = [this](auto*, VkSNMPError* result) { OnAclListGetDone(result); };
}

void TFM_FilterMACACL::FormCreate(ui::Component*) {
    Groups.BeginLoad();
    try {
        MakeGroups();
        Groups.Read(*ZoneRequest);
        Groups.Read(*ApModeRequest);
        accessModeFromDevice_ = Groups.Read(*ModeRequest);
        Groups.Read(*BandRequest);
        CB_Band->SetEnabled(false);
        // The device rebuilds its station table; the walk follows the answer.
        CB_GetInfo->SetItemIndex(1);
        LV_ClientUser->ClearItems();
        if (!Groups.Silent()) StartWrite(*ClientRefreshRequest, false);
        Ed_MacAdd->SetText("");
        BeginListChange();
        ReadList();
        ApplyApModeRule();
        CB_AccessControlChange(this);
        CB_Band->SetEnabled(false);
        LV_ClientUserClick(this);
    } catch (const os::Exception& error) {
        StatusBar1->ShowMessage(error.Message());
        EndListChange();
    }
    MakeTransferGroups();
}

void TFM_FilterMACACL::ApplyApModeRule() {
    if (Cbox_ACLAPmode->Text() == kWirelessClient) {
        CB_Band->SetEnabled(false);
        CB_AccessControl->SetItemIndex(kDisable);  // shown only: not the device's mode
        accessModeFromDevice_ = false;
        EnableControls({CB_AccessControl, Ed_MacAdd, Btn_Add}, false);
    } else {
        EnableControls({CB_AccessControl, Btn_Add}, true);
    }
}

void TFM_FilterMACACL::CB_AccessControlChange(ui::Component*) {
    if (!Groups.Silent()) Groups.Read(*ZoneRequest);
    if (CB_AccessControl->ItemIndex() == kDisable) {
        EnableControls({Ed_MacAdd, Btn_Add, Bt_Add}, false);
    } else {
        EnableControls({Ed_MacAdd, Btn_Add}, true);
    }
    if (WarnsZoneDefence(CB_AccessControl->Text(), CB_ZoneStatus->Text()))
        ui::MessageBox("Zone defence would be disable!", "Warning");
}

std::vector<std::string> TFM_FilterMACACL::WalkedMacs() const { return CellsOf(LV_GetMAC, kWalkedMacCell); }

std::vector<std::string> TFM_FilterMACACL::ListedMacs() const { return CellsOf(LV_UerMACAddress, kListedMacCell); }

void TFM_FilterMACACL::Btn_AddClick(ui::Component*) {
    if (!ListReady || ChainRunning) return;
    const std::string mac = Ed_MacAdd->Text();
    switch (CheckTypedMac(mac)) {
    case AclRefusal::Length: Refuse("The length is 12 in MAC Address.", "Error", Ed_MacAdd); return;
    case AclRefusal::Zero: Refuse("Please input a valid MAC Address.", "Warning", Ed_MacAdd); return;
    default: break;
    }
    if (!TMainForm::IsValidMacAddress(mac)) {  // it has shown its message
        Ed_MacAdd->SetFocus();
        return;
    }
    // The hidden list holds every row walked.
    switch (CheckAclRoom(LV_UerMACAddress->ItemCount(), WalkedMacs(), mac)) {
    case AclRefusal::Full: RefuseAndClear("Maximum number of MAC Address List is 256 !", "Warning", Ed_MacAdd); return;
    case AclRefusal::Duplicate: Refuse("Reject: The MAC already exists ", "Warning", nullptr); return;
    default: break;
    }
    BeginListChange();
    StartWrite(*AddRequest, false);
}

void TFM_FilterMACACL::LV_ClientUserClick(ui::Component*) {
    const ui::ListItem* selected = LV_ClientUser->Selected();
    if (selected == nullptr || CB_AccessControl->ItemIndex() == kDisable) {
        Bt_Add->SetEnabled(false);
        return;
    }
    std::string mac = selected->Caption();
    mac.erase(0, mac.find_first_not_of(' '));
    mac.erase(mac.find_last_not_of(' ') + 1);
    Ed_MacAdd2->SetText(mac);
    Bt_Add->SetEnabled(true);
}

void TFM_FilterMACACL::Bt_AddClick(ui::Component*) {
    if (LV_ClientUser->Selected() == nullptr || !ListReady || ChainRunning) {
        Bt_Add->SetEnabled(false);
        return;
    }
    switch (CheckAclRoom(LV_UerMACAddress->ItemCount(), ListedMacs(), Ed_MacAdd2->Text())) {
    case AclRefusal::Full: Refuse("Maximum number of MAC Address List is 256 !", "Warning", nullptr); return;
    case AclRefusal::Duplicate: Refuse("The MAC already exists ", "Warning", nullptr); return;
    default: break;
    }
    BeginListChange();
    SetEnabled(false);
    // The client is added to be blocked: the list rejects its entries. The
    // address is added only once the device took that mode.
    if (!WriteAccessMode(kReject)) return EndListChange();
    StartWrite(*AddClientRequest, false);
    Bt_Add->SetEnabled(false);
}

void TFM_FilterMACACL::Bt_DelClick(ui::Component*) {
    const ui::ListItem* selected = LV_UerMACAddress->Selected();
    if (selected == nullptr || !ListReady || ChainRunning) return;
    if (ui::MessageBox("Are you sure that you want to delete this mac address?", "Warning",
                       ui::Buttons::OkCancel) != ui::Answer::Ok)
        return;
    const std::string mac = selected->SubItem(kListedMacCell);
    for (int row = 0; row < LV_GetMAC->ItemCount(); ++row) {
        if (LV_GetMAC->Item(row)->SubItem(kWalkedMacCell) != mac) continue;
        LV_GetMAC->SetSelected(LV_GetMAC->Item(row));
        break;
    }
    BeginListChange();
    Ed_MACAddr->SetText(mac);
    // An empty list in "Accept" mode would shut every station out: the mode
    // goes to "Disable" first, and the entry stays when that was refused.
    if (LV_UerMACAddress->ItemCount() == 1) {
        if (!WriteAccessMode(kDisable)) return EndListChange();
        CB_AccessControlChange(this);
    }
    StartWrite(*DeleteRequest, false);
}

bool TFM_FilterMACACL::WriteAccessMode(int item) {
    const int shown = CB_AccessControl->ItemIndex();
    CB_AccessControl->SetItemIndex(item);
    GroupWrites writes(Groups);
    if (writes.Write(*ModeRequest, {SingleRow::Value})) {
        accessModeFromDevice_ = true;
        return true;
    }
    CB_AccessControl->SetItemIndex(shown);
    StatusBar1->ShowMessage(writes.FailureText(kSaveFail));
    return false;
}

void TFM_FilterMACACL::BeginListChange() {
    ListReady = false;
    EnableControls({Bt_Apply, Bt_Del}, false);
}

void TFM_FilterMACACL::EndListChange() {
    SetEnabled(true);
    ListReady = true;
    EnableControls({Bt_Apply, Bt_Del}, true);
}

void TFM_FilterMACACL::ReadList() {
    StatusBar1->ShowMessage(kRefreshing);
    Groups.Read(*HiddenListRequest);
    ListRequest->RowNumber = 1;
    ListRequest->SkipValue = kNoMac;
    if (!Groups.StartRead(*ListRequest)) {
        // Nothing was sent: no answer will end the walk.
        EndListChange();
        StatusBar1->ShowMessage(Groups.LoadText());
    }
}

void TFM_FilterMACACL::OnAclListGetDone(VkSNMPError* result) {
    EndListChange();
    ShowCompletion(*ListRequest, *result, Groups.EndText(kGetOk));
}

void TFM_FilterMACACL::OnAclListSetDone(VkSNMPError* result) {
    if (result->code != 0) {
        EndListChange();
        StatusBar1->ShowMessage(result->text);
        return;
    }
    Groups.BeginLoad();
    ReadList();
    Ed_MacAdd->SetText("");
    Ed_MacAdd2->SetText("");
}

void TFM_FilterMACACL::OnAclClientRefreshDone(VkSNMPError* result) {
    if (result->code != 0) {
        StatusBar1->ShowMessage("Detect timed out!" + result->text);
        return;
    }
    StatusBar1->ShowMessage("Get Client info...!");
    if (!Groups.StartRead(*ClientTableRequest)) StatusBar1->ShowMessage("Detect timed out!" + Groups.LoadText());
}

void TFM_FilterMACACL::OnAclClientTableDone(VkSNMPError* result) {
    StatusBar1->ShowMessage(result->text);
    if (result->code == 0) FillAclClientList();
}

void TFM_FilterMACACL::FillAclClientList() {
    LV_ClientUser->ClearItems();
    for (int row = 0; row < LV_ClientTable->ItemCount(); ++row) {
        const ui::ListItem* station = LV_ClientTable->Item(row);
        if (station->SubItemCount() <= kClientSsidCell || station->SubItem(kClientMacCell) == kNoMac) continue;
        ui::ListItem* item = LV_ClientUser->AddItem();
        item->SetCaption(station->SubItem(kClientMacCell));
        item->AddSubItem(station->SubItem(kClientSsidCell));
        item->AddSubItem(station->SubItem(kClientBandCell));
        item->AddSubItem(ClientAuthenticationText(station->SubItem(kClientAuthenticationCell)));
        item->AddSubItem(station->SubItem(kClientSignalCell));
    }
    LV_ClientUserClick(this);
}

void TFM_FilterMACACL::Bt_ApplyClick(ui::Component*) {
    if (!ListReady || ChainRunning) return;
    GroupWrites writes(Groups);
    writes.Write(*ApModeRequest, {SingleRow::Value});
    // The "Disable" the page shows by itself is not written; a mode never
    // read is named as not read.
    if (accessModeFromDevice_ || !Groups.WasRead(*ModeRequest)) writes.Write(*ModeRequest, {SingleRow::Value});
    StatusBar1->ShowMessage(writes.AllWritten() ? kSaveOk : writes.FailureText(kSaveFail));
}

void TFM_FilterMACACL::FormCloseQuery(ui::Component*, bool& canClose) { canClose = ListReady && !ChainRunning; }

