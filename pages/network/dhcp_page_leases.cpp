// The current lease lists of the DHCP Server page: the device builds them
// on a refresh write; each table is walked once its refresh is acknowledged.
// A refresh started while an earlier one runs takes its place.

#include "library/common/messages.h"
#include "library/snmp/var_entry.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/same_value.h"
#include "pages/network/dhcp_page.h"
#include "pages/network/dhcp_page_texts.h"
#include "pages/network/dhcp_page_vars.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"

using namespace dhcp;

namespace {

constexpr char kRefreshing[] = "Refresh...";
constexpr char kLeaseGetOk[] = "Get OK";

// A row of the device's lease table that holds no lease.
bool IsEmptyLease(const ui::ListItem& row) {
    return SameMacAddress(CellText(row, DhcpLeaseRow::Mac), kNoMac) ||
           SameAddress(CellText(row, DhcpLeaseRow::Ip), kNoAddress);
}

// A lease of 0, as a number or as the time-ticks text of the request layer.
bool IsNoLease(const std::string& lease) { return lease == "0" || lease == "0:00:00.00"; }

void FillLeaseList(const ui::ListView& walked, ui::ListView& shown, bool withLease) {
    shown.ClearItems();
    for (int i = 0; i < walked.ItemCount(); ++i) {
        const ui::ListItem& row = *walked.Item(i);
        if (IsEmptyLease(row)) continue;
        ui::ListItem* item = shown.AddItem();
        item->SetCaption(CellText(row, DhcpLeaseRow::HostName));
        item->AddSubItem(CellText(row, DhcpLeaseRow::Mac));
        item->AddSubItem(CellText(row, DhcpLeaseRow::Ip));
        if (!withLease) continue;
        const std::string lease = CellText(row, DhcpLeaseRow::Lease);
        item->AddSubItem(IsNoLease(lease) ? "TimeOut" : lease);
    }
}

}  // namespace

void TFM_DHCP::MakeLeaseWalk(New_req2Edit*& slot, bool dynamic) {
    New_req2Edit& walk = Groups.Make(slot, {dynamic ? "current dynamic leases" : "current static leases",
                                            dynamic ? VarsDhcpCurrentDynamic : VarsDhcpCurrentStatic, MVT_FMV, 1,
                                            kTimeout, true});
    walk.BindListView(dynamic ? LV_Dy : LV_Static, false);
    walk.SkipValue = kNoMac;
    walk.SkipColumn = DhcpLeaseRow::Mac;
    walk.OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { OnLeaseListGetDone(result); };
}

void TFM_DHCP::MakeLeaseRequests() {
    VkSNMPRequest2Edits& dynamicRefresh = Groups.Make(
        DynamicRefreshRequest, {"dynamic lease refresh", VarsDhcpDynamicRefresh, SVT_SV, 0, kTimeout, true});
    dynamicRefresh.BindComboBox(SingleRow::Value, CoboxDynamic);
    dynamicRefresh.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        OnLeaseRefreshSetDone(CurrentDynamicRequest, result);
    };
    VkSNMPRequest2Edits& staticRefresh = Groups.Make(
        StaticRefreshRequest, {"static lease refresh", VarsDhcpStaticRefresh, SVT_SV, 0, kTimeout, true});
    staticRefresh.BindComboBox(SingleRow::Value, CoboxStatic);
    staticRefresh.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        OnLeaseRefreshSetDone(CurrentStaticRequest, result);
    };
    MakeLeaseWalk(CurrentDynamicRequest, true);
    MakeLeaseWalk(CurrentStaticRequest, false);
}

// Writes both refresh objects; each table is walked when its write is
// acknowledged. "Get OK" once both walks have listed their tables.
void TFM_DHCP::Bt_RefreshStaticPoolClick(ui::Component*) {
    if (DynamicRefreshRequest == nullptr) return;
    if (LeaseWalksPending > 0) MakeLeaseRequests();  // the earlier refresh's answers go nowhere
    StatusBar4->SetSimpleText(kRefreshing);
    LeaseWalksPending = 2;
    LeaseFailed = false;
    CoboxDynamic->SetItemIndex(kRefreshItem);
    CoboxStatic->SetItemIndex(kRefreshItem);
    StartWrite(*DynamicRefreshRequest, false);
    StartWrite(*StaticRefreshRequest, false);
}

void TFM_DHCP::OnLeaseRefreshSetDone(New_req2Edit*& walk, VkSNMPError* result) {
    if (result->code == VK_OK) {
        walk->RowNumber = 1;
        if (Groups.StartRead(*walk)) return;
    }
    LeaseFailed = true;
    StatusBar4->SetSimpleText(result->code == VK_OK ? Groups.LoadText() : kSetError + std::string(" ") + result->text);
    --LeaseWalksPending;
}

void TFM_DHCP::OnLeaseListGetDone(VkSNMPError* result) {
    FillLeaseLists();
    --LeaseWalksPending;
    if (result->code != VK_OK) {
        LeaseFailed = true;
        StatusBar4->SetSimpleText(result->text);
    } else if (LeaseWalksPending == 0 && !LeaseFailed) {
        StatusBar4->SetSimpleText(kLeaseGetOk);
    }
}

void TFM_DHCP::FillLeaseLists() {
    FillLeaseList(*LV_Dy, *LV_DynPool, true);
    FillLeaseList(*LV_Static, *LV_StaticPool, false);
}
