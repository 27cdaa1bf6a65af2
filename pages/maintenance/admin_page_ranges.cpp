// The Administration page's administrator address ranges: the two lists,
// Add into the first free row, Delete by the row's own index, and the limit
// status kept in step with them.
#include "library/common/messages.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/maintenance/admin_page.h"
#include "pages/maintenance/admin_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"

namespace {

constexpr int32_t kTimeout = Seconds(100);
constexpr char kFreeAddress[] = "0.0.0.0";
constexpr int kStartCell = 1;
constexpr int kEndCell = 2;
constexpr int kAddressLimit = 2;  // what the IP limit adds to the status position

}  // namespace

void TFM_Admin2::MakeRangeGroups() {
    VkSNMPRequest2Edits& pool =
        Groups.Make(PoolRequest, {"address ranges", VarsAdminManagerPool, MVT_UMV, 1, kTimeout, true});
    pool.BindListView(ListView_IpRange, true);
    pool.BindLabel(AdminRangeRow::Index, LA_Index);
    pool.BindEdits(AdminRangeRow::Start, "%s", Ed_From);
    pool.BindEdits(AdminRangeRow::End, "%s", Ed_To);
    pool.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { PoolSetDone(*result); };

    New_req2Edit& list =
        Groups.Make(PoolListRequest, {"address range list", VarsAdminManagerPoolList, MVT_UMV, 1, kTimeout, true});
    list.BindListView(ListView_User, true);

    VkSNMPRequest2Edits& remove =
        Groups.Make(DeleteRequest, {"range delete", VarsAdminManagerDelete, SVT_SV, 0, kTimeout, true});
    remove.BindEdits(SingleRow::Value, "%s", Ed_delete);
    remove.OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { DeleteSetDone(*result); };
}

void TFM_Admin2::RefreshRangeLists() {
    if (PoolRequest == nullptr || PoolListRequest == nullptr) return;
    ListView_IpRange->ClearItems();
    Groups.StartRead(*PoolRequest);
    ListView_User->ClearItems();
    PoolListRequest->RowNumber = 1;
    PoolListRequest->SkipColumn = AdminRangeRow::Start;
    PoolListRequest->SkipValue = kFreeAddress;
    Groups.StartRead(*PoolListRequest);
}

std::vector<RangeRow> TFM_Admin2::DeviceRanges() const {
    std::vector<RangeRow> rows;
    for (int i = 0; i < ListView_IpRange->ItemCount(); ++i) {
        const ui::ListItem& item = *ListView_IpRange->Item(i);
        rows.push_back({CellText(item, 0), CellText(item, kStartCell), CellText(item, kEndCell)});
    }
    return rows;
}

void TFM_Admin2::ListView_UserClick(ui::Component*) {
    if (ListView_User->Selected() == nullptr) {
        Btn_Del->SetEnabled(false);
        return;
    }
    Btn_Del->SetEnabled(true);
    CkBx_ManagerStateClick(this);
}

void TFM_Admin2::Btn_AddClick(ui::Component*) {
    if (PoolRequest == nullptr) return;  // the groups were never made
    if (!Groups.WasRead(*PoolRequest)) {
        StatusBar->ShowMessage(NotReadPrefix + Groups.NameOf(*PoolRequest));
        return;
    }
    const std::string from = Ed_FromIP->Text();
    const std::string to = Ed_ToIP->Text();
    if (std::optional<RangeRefusal> refusal = CheckNewRange(ListView_User->ItemCount(), from, to)) {
        if (refusal->clearFrom) Ed_FromIP->SetText("");
        if (refusal->clearTo) Ed_ToIP->SetText("");
        ui::Control* focus = refusal->focus == RangeRefusal::From ? Ed_FromIP
                             : refusal->focus == RangeRefusal::To ? Ed_ToIP
                                                                  : nullptr;
        Refuse(refusal->message, "Warning", focus);
        return;
    }
    const std::vector<RangeRow> rows = DeviceRanges();
    const RangeSlot slot = FindRangeSlot(rows, from, to);
    if (slot.outcome == RangeSlot::Overlap) {
        Refuse(RangeInvalidText, "Warning", Ed_FromIP);
        return;
    }
    if (slot.outcome == RangeSlot::NoFreeRow) {
        Refuse(RangeNoFreeRowText, "Warning", nullptr);
        return;
    }
    ListView_IpRange->SetSelected(ListView_IpRange->Item(slot.row));
    LA_Index->SetCaption(rows[slot.row].index);
    Ed_From->SetText(from);
    Ed_To->SetText(to);
    StartWrite(*PoolRequest, false);
}

// The range is stored: the IP limit follows the boxes (so an added range
// switches it on), and both lists are read again.
void TFM_Admin2::PoolSetDone(const VkSNMPError& result) {
    if (result.code != VK_OK) {
        StatusBar->ShowMessage(AdminSetErrorText);
        return;
    }
    WriteLimitStatus();
    Ed_FromIP->SetText("");
    Ed_ToIP->SetText("");
    StatusBar->ShowMessage(AdminSetOkText);
    RefreshRangeLists();
}

// Writes the limit status from the two boxes; the VLAN ID is Save's to
// check and write.
void TFM_Admin2::WriteLimitStatus() {
    CB_managerIpAddressStatus->SetItemIndex(
        LimitStatusFromBoxes({CheckBox_VID->Checked(), CkBx_ManagerState->Checked()}));
    GroupWrites writes(Groups);
    writes.Write(*LimitRequest, {AdminLimitRow::Status});
}

void TFM_Admin2::Btn_DelClick(ui::Component*) {
    const ui::ListItem* selected = ListView_User->Selected();
    if (selected == nullptr || DeleteRequest == nullptr) return;
    const std::vector<RangeRow> rows = DeviceRanges();
    const int found = FindRange(rows, CellText(*selected, kStartCell), CellText(*selected, kEndCell));
    if (found < 0) {
        Refuse(RangeNotFoundText, "Warning", nullptr);
        return;
    }
    Ed_delete->SetText(rows[found].index);
    const int status = CB_managerIpAddressStatus->ItemIndex();
    if (ListView_User->ItemCount() == 1 && status >= kAddressLimit) {
        ui::MessageBox(AdminLastRangeText, "Warning", ui::Buttons::Ok);
        CkBx_ManagerState->SetChecked(false);
        CkBx_ManagerStateClick(this);
        CB_managerIpAddressStatus->SetItemIndex(status - kAddressLimit);
        if (std::optional<LimitBoxes> boxes = LimitBoxesFromStatus(status - kAddressLimit)) {
            CheckBox_VID->SetChecked(boxes->vlanId);
            CkBx_ManagerState->SetChecked(boxes->address);
        }
        GroupWrites writes(Groups);
        writes.Write(*LimitRequest, {AdminLimitRow::Status});
    }
    StartWrite(*DeleteRequest, false);
}

void TFM_Admin2::DeleteSetDone(const VkSNMPError& result) {
    if (result.code != VK_OK) {
        StatusBar->ShowMessage(AdminDeleteErrorText);
        return;
    }
    ResetRangeInput();
    StatusBar->ShowMessage(AdminDeleteOkText);
    RefreshRangeLists();
}
