// The static entries of the DHCP Server page: the walk into the hidden list,
// the visible list of used rows, Save into the chosen or the first free row,
// and Del by the row's index.

#include "library/common/messages.h"
#include "library/snmp/var_entry.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/same_value.h"
#include "pages/network/dhcp_page.h"
#include "pages/network/dhcp_page_rules.h"
#include "pages/network/dhcp_page_texts.h"
#include "pages/network/dhcp_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

using namespace dhcp;

void TFM_DHCP::MakeStaticRequests() {
    VkSNMPRequest2Edits& pool =
        Groups.Make(StaticPoolRequest, {"static pool", VarsDhcpStaticTable, MVT_UMV, 1, kTimeout, true});
    pool.BindListView(LV_StaticPoolSet, true);
    StaticRows.Use(pool);
    pool.BindEdits(DhcpStaticRow::Index, "%s", Lb_Index);
    pool.BindComboBox(DhcpStaticRow::Status, CB_StaticStatus);
    pool.BindEdits(DhcpStaticRow::HostName, "%s", ED_StaticHostName);
    pool.BindEdits(DhcpStaticRow::IpAddress, "%s", ED_StaticAssignIP);
    pool.BindEdits(DhcpStaticRow::MacAddress, "%h", ED_StaticAssignMAC);
    pool.BindEdits(DhcpStaticRow::Mask, "%s", ED_StaticSubMask);
    pool.BindEdits(DhcpStaticRow::Gateway, "%s", ED_StaticGateway);
    pool.BindEdits(DhcpStaticRow::Dns, "%s", ED_StaticDNS);
    pool.BindEdits(DhcpStaticRow::Wins, "%s", ED_StaticWins);
    pool.BindEdits(DhcpStaticRow::DomainName, "%s", ED_StaticDoname);
    pool.SetStatusBar(StatusBar2);
    pool.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnStaticPoolGetDone(result); };
    pool.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnStaticPoolSetDone(result); };

    VkSNMPRequest2Edits& del =
        Groups.Make(StaticDeleteRequest, {"static pool delete", VarsDhcpStaticDelete, SVT_SV, 0, kTimeout, true});
    del.BindEdits(SingleRow::Value, "%s", Ed_DeleteIndex);
    del.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        PageControl1->SetEnabled(true);
        if (result->code != VK_OK) {
            StatusBar2->SetSimpleText("Delete error! " + result->text);
            return;
        }
        StatusBar2->SetSimpleText("Delete OK!");
        ReadStaticTab();
    };
}

// The second tab chosen, or the table changed: the switch, the domain-name
// status and the table read anew; the tab is disabled until the walk ends.
void TFM_DHCP::ReadStaticTab() {
    MakeStaticControlRequest(kTabTimeout);
    MakeDomainNameStatusRequest(kTabTimeout);
    Groups.BeginLoad();
    Groups.Read(*StaticControlRequest);
    Groups.Read(*DomainNameStatusRequest);
    ApplyDhcpEnableRules();
    if (StaticPoolRequest->busy) return;  // its answer lists the table
    StatusBar2->SetSimpleText(kListing);
    PageControl1->SetEnabled(false);
    if (!Groups.StartRead(*StaticPoolRequest)) {
        PageControl1->SetEnabled(true);
        StatusBar2->SetSimpleText(Groups.LoadText());
    }
}

void TFM_DHCP::OnStaticPoolGetDone(VkSNMPError* result) {
    PageControl1->SetEnabled(true);
    if (result->code != VK_OK) {
        StaticListRead = false;
        EnableStaticEntry(false);
        StatusBar2->SetSimpleText(result->text);
        return;
    }
    StaticListRead = true;
    FillStaticPoolUserList();
    ChooseFreeRow();
    EnableStaticEntry(true);
    Btn_Del->SetEnabled(false);
    ApplyDhcpEnableRules();
    StatusBar2->ShowMessage(Groups.EndText(kGetOk));
}

// The used rows, each with its walked index kept for choosing it again.
void TFM_DHCP::FillStaticPoolUserList() {
    StaticRows.Show(*User_ListView, [](const ui::ListItem& row, ui::ListItem& entry) {
        entry.SetCaption(CellText(row, DhcpStaticRow::MacAddress));
        entry.AddSubItem(CellText(row, DhcpStaticRow::IpAddress));
        entry.AddSubItem(CellText(row, DhcpStaticRow::HostName));
    });
}

// The first free row becomes the target (after a walk, or when the user
// chooses no entry), its edits ready for a new entry; a full table leaves
// no target.
void TFM_DHCP::ChooseFreeRow() {
    LV_StaticPoolSet->SetSelected(StaticRows.FirstFree());
    ED_StaticAssignIP->SetText("");
    ED_StaticAssignMAC->SetText("");
    EmptyNoAddress({ED_StaticGateway, ED_StaticWins, ED_StaticDNS});
}

// A chosen entry loads its own row; choosing nothing goes back to the first
// free row for a new entry, so that Save adds and overwrites nothing.
void TFM_DHCP::User_ListViewClick(ui::Component*) {
    ui::ListItem* row = StaticRows.ChosenRow(*User_ListView);
    if (row == nullptr) {
        if (StaticListRead) ChooseFreeRow();
        Btn_Del->SetEnabled(false);
        return;
    }
    row->SetSelected(true);
    EmptyNoAddress({ED_StaticGateway, ED_StaticWins, ED_StaticDNS});
    ApplyDhcpEnableRules();
    Btn_Del->SetEnabled(true);
}

// The row Save writes: the chosen entry's, else the free row the walk chose.
ui::ListItem* TFM_DHCP::TargetRow() { return StaticRows.SelectedIf(Lb_Index->Text()); }

void TFM_DHCP::Btn_AddClick(ui::Component*) {
    if (CB_Fuction2->ItemIndex() != kEnableItem) {
        GroupWrites writes(Groups);
        writes.Write(*StaticControlRequest, {SingleRow::Value});
        StatusBar2->SetSimpleText(writes.AllWritten() ? kSetSuccess : writes.FailureText("Setting Error!"));
        CB_Fuction1Change(this);
        return;
    }
    SaveStaticPoolEntry();
}

bool TFM_DHCP::SaveStaticPoolEntry() {
    if (!StaticListRead || StaticPoolRequest->busy) return false;
    ui::ListItem* target = TargetRow();
    if (target == nullptr) return Refuse("The static pool is full.", "Warning", nullptr);
    const StaticInput input{ED_StaticHostName->Text(), ED_StaticAssignIP->Text(), ED_StaticAssignMAC->Text(),
                            ED_StaticSubMask->Text(),  ED_StaticGateway->Text(),  ED_StaticWins->Text(),
                            ED_StaticDNS->Text(),      ED_StaticDoname->Text()};
    const DhcpRefusal<StaticField> refusal =
        CheckStaticEntry(input, [](const std::string& mac) { return TMainForm::IsValidMacAddress(mac); });
    if (refusal.check != 0) {
        ui::Edit* const fields[] = {ED_StaticHostName, ED_StaticAssignIP, ED_StaticAssignMAC, ED_StaticSubMask,
                                    ED_StaticGateway,  ED_StaticWins,     ED_StaticDNS,       ED_StaticDoname};
        ui::Edit* edit = fields[static_cast<int>(refusal.field)];
        return refusal.clear ? RefuseAndClear(refusal.message, "Warning", edit)
                             : Refuse(refusal.message, "Warning", edit);
    }
    if (!CheckStaticPoolDuplicates(target)) return false;
    GroupWrites writes(Groups);
    if (!writes.Write(*StaticControlRequest, {SingleRow::Value})) {
        StatusBar2->SetSimpleText(writes.FailureText(kSetError));
        return false;
    }
    // The domain name is the device's own while its status is "dynamic".
    std::vector<int> rows = {DhcpStaticRow::Status,    DhcpStaticRow::HostName, DhcpStaticRow::IpAddress,
                             DhcpStaticRow::MacAddress, DhcpStaticRow::Mask,    DhcpStaticRow::Gateway,
                             DhcpStaticRow::Dns,       DhcpStaticRow::Wins};
    if (CB_DNStatus->ItemIndex() != kDynamicNameItem) rows.push_back(DhcpStaticRow::DomainName);
    FillNoAddress({ED_StaticGateway, ED_StaticWins, ED_StaticDNS});
    CB_StaticStatus->SetItemIndex(kEnableItem);
    PageControl1->SetEnabled(false);
    StartWriteRows(*StaticPoolRequest, rows, false);
    return true;
}

// No other used row holds the typed IP or MAC (compared by value), row by
// row, IP before MAC.
bool TFM_DHCP::CheckStaticPoolDuplicates(const ui::ListItem* target) {
    for (int i = 0; i < LV_StaticPoolSet->ItemCount(); ++i) {
        const ui::ListItem& row = *LV_StaticPoolSet->Item(i);
        if (&row == target || StaticRows.IsFreeRow(row)) continue;
        if (SameAddress(CellText(row, DhcpStaticRow::IpAddress), ED_StaticAssignIP->Text()))
            return Refuse("Reject: The IP Address has already existed in Static pool.", "Warning", ED_StaticAssignIP);
        if (SameMacAddress(CellText(row, DhcpStaticRow::MacAddress), ED_StaticAssignMAC->Text()))
            return Refuse("Reject: The MAC has already existed in Static pool.", "Warning", ED_StaticAssignMAC);
    }
    return true;
}

void TFM_DHCP::OnStaticPoolSetDone(VkSNMPError* result) {
    PageControl1->SetEnabled(true);
    if (result->code != VK_OK) {
        StatusBar2->SetSimpleText(std::string(kSetError) + " " + result->text);
        return;
    }
    StatusBar2->SetSimpleText(kSetSuccess);
    StaticListRead = false;
    if (!Groups.StartRead(*StaticPoolRequest)) StatusBar2->SetSimpleText(Groups.LoadText());
    else PageControl1->SetEnabled(false);
}

// Deletes the chosen entry's row, by its index, after the user confirms.
void TFM_DHCP::Bt_DelClick(ui::Component*) {
    if (!StaticListRead || StaticPoolRequest->busy || StaticDeleteRequest->busy) return;
    const std::string index = StaticRows.ChosenIndex(*User_ListView);
    if (index.empty()) return;
    if (ui::MessageBox("Are you sure that you want to delete this entry?", "Warning", ui::Buttons::OkCancel) !=
        ui::Answer::Ok)
        return;
    Ed_DeleteIndex->SetText(index);
    PageControl1->SetEnabled(false);
    StartWrite(*StaticDeleteRequest, false);
}

void TFM_DHCP::EnableStaticEntry(bool enabled) {
    EnableControls({Btn_Add, Btn_Del, ED_StaticAssignIP, ED_StaticAssignMAC, ED_StaticSubMask, ED_StaticDNS,
                    ED_StaticGateway, ED_StaticWins, ED_StaticDoname, ED_StaticHostName},
                   enabled);
}
