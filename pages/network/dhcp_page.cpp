#include "pages/network/dhcp_page.h"

#include "library/common/edit_constraint_rule.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/common/page_controls.h"
#include "pages/network/dhcp_page_rules.h"
#include "pages/network/dhcp_page_texts.h"
#include "pages/network/dhcp_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"
#include "shell/new_req2edit.h"

using namespace dhcp;

TFM_DHCP* FM_DHCP = nullptr;

namespace {

void Enable(std::initializer_list<ui::Control*> controls, const std::optional<bool>& enabled) {
    if (enabled) EnableControls(controls, *enabled);
}

}  // namespace

TFM_DHCP::TFM_DHCP(ui::Component* owner)
    : ui::Form(owner), StaticRows(FreeWhenNoAddress(DhcpStaticRow::IpAddress)) {
    SetupPageForm(*this, "FM_DHCP", "Advanced \\ DHCP Server", 470, 430);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TFM_DHCP::MakePoolRequest(int32_t timeout) {
    VkSNMPRequest2Edits& pool =
        Groups.Make(DynamicPoolRequest, {"dynamic pool", VarsDhcpDynamicPool, MVT_SV, 0, timeout});
    pool.BindEdits(DhcpPoolRow::Start, "%s", Ed_IPAF);
    pool.BindEdits(DhcpPoolRow::End, "%s", Ed_PoolRan);
    pool.BindEdits(DhcpPoolRow::Mask, "%s", Ed_SubMask);
    pool.BindEdits(DhcpPoolRow::Gateway, "%s", Ed_Gateway);
    pool.BindEdits(DhcpPoolRow::Wins, "%s", Ed_Wins);
    pool.BindEdits(DhcpPoolRow::Dns, "%s", Ed_DNS);
    pool.BindEdits(DhcpPoolRow::DomainName, "%s", Ed_DomNa);
    pool.BindEdits(DhcpPoolRow::LeaseTime, "%u", Ed_Lease);
}

void TFM_DHCP::MakeServerControlRequest(int32_t timeout) {
    Groups.Make(ServerControlRequest, {"DHCP server control", VarsDhcpServerControl, SVT_SV, 0, timeout})
        .BindComboBox(SingleRow::Value, CB_Fuction1);
}

void TFM_DHCP::MakeStaticControlRequest(int32_t timeout) {
    Groups.Make(StaticControlRequest, {"static pool control", VarsDhcpStaticControl, SVT_SV, 0, timeout})
        .BindComboBox(SingleRow::Value, CB_Fuction2);
}

void TFM_DHCP::MakeDomainNameStatusRequest(int32_t timeout) {
    Groups.Make(DomainNameStatusRequest, {"domain name status", VarsDhcpDomainNameStatus, SVT_SV, 0, timeout})
        .BindComboBox(SingleRow::Value, CB_DNStatus);
}

void TFM_DHCP::FormCreate(ui::Component*) {
    try {
        // The AP mode with the library's own time-out: a silent device
        // stops the load after one short read.
        Groups.Make(DhcpApModeRequest, {"AP mode", VarsDot11ApMode3, MVT_SV, 0, kLibraryTimeout})
            .BindComboBox(SingleRow::Value, CB_APMode);
        MakePoolRequest(kTimeout);
        MakeServerControlRequest(kTimeout);
        MakeStaticControlRequest(kTimeout);
        MakeDomainNameStatusRequest(kTimeout);
        MakeStaticRequests();
        MakeLeaseRequests();
        Groups.BeginLoad();
        Groups.Read(*DhcpApModeRequest);
        StatusBar1->SetSimpleText(kListing);
        ReadPool();
        Groups.Read(*ServerControlRequest);
        Groups.Read(*StaticControlRequest);
        ApplyDhcpEnableRules();
        // The domain-name edits follow the status as soon as it is known.
        if (Groups.Read(*DomainNameStatusRequest)) ApplyDhcpEnableRules();
        StatusBar2->SetSimpleText(kListing);
        ShowLoadEnd();
        if (!Groups.Silent()) Bt_RefreshStaticPoolClick(this);
    } catch (const os::Exception& error) {
        for (ui::StatusBar* bar : {StatusBar1, StatusBar2}) bar->SetSimpleText(error.Message());
    }
    const bool client = CB_APMode->ItemIndex() == kWirelessClientItem;
    if (client) {
        CB_Fuction1->SetItemIndex(kDisableItem);
        CB_Fuction2->SetItemIndex(kDisableItem);
    }
    EnableControls({CB_Fuction1, CB_Fuction2, Bt_RefreshStaticPool}, !client);
    EnableControls({Btn_Del}, false);
    EnableStaticEntry(false);
    PageControl1->SetActivePageIndex(0);
}

// Reads the pool and shows it as start and range; gateway, WINS and DNS of
// 0.0.0.0 as empty edits.
void TFM_DHCP::ReadPool() {
    if (!Groups.Read(*DynamicPoolRequest)) return;
    ShowPoolRange();
    Bt_Apply->SetEnabled(true);
}

void TFM_DHCP::ShowPoolRange() {
    EmptyNoAddress({Ed_Gateway, Ed_Wins, Ed_DNS});
    const std::string end = Ed_PoolRan->Text();
    if (!PoolShowableAsRange(Ed_IPAF->Text(), end)) {
        // Shown as a range it would be another pool; the user enters one.
        Ed_PoolRan->SetText("");
        StatusBar1->ShowMessage(IsPlaceholderText(end) ? std::string(kPoolEndUnread)
                                                       : "The pool ends at " + end +
                                                             ", which is no range of its start: enter the range.");
        return;
    }
    if (auto range = ConvertPoolRange(Ed_IPAF->Text(), end, false)) Ed_PoolRan->SetText(*range);
}

void TFM_DHCP::FormClose(ui::Component*, ui::CloseAction&) {
    // Answers still on their way reach nothing of the page.
    for (VkSNMPRequest2Edits** group : {&StaticPoolRequest, &StaticDeleteRequest, &DynamicRefreshRequest,
                                        &StaticRefreshRequest}) {
        Groups.Remove(*group);
        *group = nullptr;
    }
    for (New_req2Edit** walk : {&CurrentDynamicRequest, &CurrentStaticRequest}) {
        Groups.Remove(*walk);
        *walk = nullptr;
    }
}

void TFM_DHCP::PageControl1Change(ui::Component*) {
    switch (PageControl1->ActivePageIndex()) {
    case 0: {
        MakePoolRequest(kTabTimeout);
        MakeServerControlRequest(kTabTimeout);
        MakeDomainNameStatusRequest(kTabTimeout);
        Groups.BeginLoad();
        StatusBar1->SetSimpleText(kListing);
        ReadPool();
        Groups.Read(*ServerControlRequest);
        Groups.Read(*DomainNameStatusRequest);
        ApplyDhcpEnableRules();
        ShowLoadEnd();
        Bt_RefreshStaticPoolClick(this);
        break;
    }
    case 1:
        ReadStaticTab();
        break;
    default:
        Bt_RefreshStaticPoolClick(this);
    }
}

void TFM_DHCP::CB_Fuction1Change(ui::Component*) {
    ApplyDhcpEnableRules();
    if (CB_Fuction1->ItemIndex() == kEnableItem) Bt_Apply->SetEnabled(true);
}

void TFM_DHCP::CB_Fuction2Change(ui::Component*) { ApplyDhcpEnableRules(); }

void TFM_DHCP::Bt_CancelClick(ui::Component*) { Close(); }

void TFM_DHCP::ApplyDhcpEnableRules() {
    const DhcpEnableState s = DhcpEnableRules(CB_Fuction1->ItemIndex(), CB_Fuction2->ItemIndex(),
                                              CB_APMode->ItemIndex() == kWirelessClientItem, CB_DNStatus->ItemIndex());
    Enable({Ed_IPAF, Ed_PoolRan, Ed_SubMask, Ed_Gateway, Ed_Lease}, s.poolEdits);
    Enable({Ed_Wins, Ed_DNS}, s.poolWinsDns);
    Enable({Ed_DomNa}, s.poolDomainName);
    Enable({ED_StaticAssignIP, ED_StaticAssignMAC, ED_StaticSubMask, ED_StaticGateway, ED_StaticHostName},
           s.staticEdits);
    Enable({User_ListView, LV_StaticPoolSet}, s.staticEdits);
    // The visible list looks disabled too: window colour when on, button face when off.
    if (s.staticEdits) User_ListView->SetBackgroundColor(*s.staticEdits ? ui::kColorWindow : ui::kColorButtonFace);
    Enable({ED_StaticWins, ED_StaticDNS}, s.staticWinsDns);
    Enable({ED_StaticDoname}, s.staticDomainName);
}

void TFM_DHCP::Bt_ApplyClick(ui::Component*) {
    GroupWrites writes(Groups);
    if (CB_Fuction1->ItemIndex() != kEnableItem) {
        writes.Write(*ServerControlRequest, {SingleRow::Value});
        StatusBar1->ShowMessage(writes.AllWritten() ? kSetSuccess : writes.FailureText(kSetError));
        return;
    }
    const PoolInput input{Ed_IPAF->Text(), Ed_PoolRan->Text(), Ed_SubMask->Text(), Ed_Gateway->Text(),
                          Ed_Wins->Text(), Ed_DNS->Text(),     Ed_DomNa->Text(),   Ed_Lease->Text()};
    const DhcpRefusal<PoolField> refusal = CheckDynamicPool(input);
    if (refusal.check != 0) {
        ui::Edit* const fields[] = {Ed_IPAF, Ed_PoolRan, Ed_SubMask, Ed_Gateway, Ed_Wins, Ed_DNS, Ed_DomNa, Ed_Lease};
        ui::Edit* edit = fields[static_cast<int>(refusal.field)];
        refusal.clear ? RefuseAndClear(refusal.message, "Warning", edit) : Refuse(refusal.message, "Warning", edit);
        return;
    }
    const std::string range = Ed_PoolRan->Text();
    FillNoAddress({Ed_Gateway, Ed_Wins, Ed_DNS});
    if (auto end = ConvertPoolRange(Ed_IPAF->Text(), range, true)) Ed_PoolRan->SetText(*end);
    writes.Write(*ServerControlRequest, {SingleRow::Value});
    std::vector<int> rows = {DhcpPoolRow::Start,   DhcpPoolRow::End, DhcpPoolRow::Mask, DhcpPoolRow::Gateway,
                             DhcpPoolRow::Wins,    DhcpPoolRow::Dns, DhcpPoolRow::LeaseTime};
    if (CB_DNStatus->ItemIndex() != kStaticNameItem) rows.push_back(DhcpPoolRow::DomainName);
    writes.Write(*DynamicPoolRequest, rows);
    if (!writes.AllWritten()) {
        Ed_PoolRan->SetText(range);
        EmptyNoAddress({Ed_Gateway, Ed_Wins, Ed_DNS});
        StatusBar1->ShowMessage(writes.FailureText(kSetError));
        return;
    }
    StatusBar1->ShowMessage(kSetSuccess);
    Groups.BeginLoad();
    if (Groups.Read(*DynamicPoolRequest)) {
        ShowPoolRange();
    } else {
        Ed_PoolRan->SetText(range);
        EmptyNoAddress({Ed_Gateway, Ed_Wins, Ed_DNS});
    }
}

// The end of a load of the first tab: "Get OK!" when every read answered
// (and the pool needed no note of its own), else what was not read.
void TFM_DHCP::ShowLoadEnd() {
    const std::string loadText = Groups.LoadText();
    if (!loadText.empty())
        StatusBar1->ShowMessage(loadText);
    else if (StatusBar1->SimpleText() == kListing)
        StatusBar1->ShowMessage(kGetOk);
}

