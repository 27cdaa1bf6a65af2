// Adding, editing and deleting VLANs: the visible list chooses a table row
// by its walked index, a new VLAN goes to the first free row wherever it
// stands, the add form's buttons give each port's membership, and every
// row write is followed by one walk of the table.

#include "library/common/messages.h"
#include "pages/common/control_helpers.h"
#include "pages/common/input_refusal.h"
#include "pages/common/async_write.h"
#include "pages/network/vlan_page.h"
#include "pages/network/vlan_page_texts.h"
#include "pages/network/vlan_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"

using namespace vlan;

// The free row becomes the target of the next save, its values shown
// emptied; a full table leaves no target at all.
void TFM_VlanSetting::SelectFreeRow() {
    LV_VlanList->SetSelected(VlanRows.FirstFree());
    Ed_VlanID->SetText("");
    Ed_VlanName->SetText("");
}

// The row a save writes: the one Edit loaded, else the free row chosen for
// a new VLAN; null when there is none.
ui::ListItem* TFM_VlanSetting::TargetRow() const {
    ui::ListItem* row = VlanRows.SelectedIf(LB_Index->Text());
    if (row == nullptr) return nullptr;
    return Editing != VlanRows.IsFreeRow(*row) ? row : nullptr;
}

std::vector<std::string> TFM_VlanSetting::OtherVids(const ui::ListItem* target) const {
    std::vector<std::string> vids;
    for (int i = 0; i < LV_VlanListUser->ItemCount(); ++i)
        if (target == nullptr || VlanRows.IndexAt(i) != target->Caption())
            vids.push_back(LV_VlanListUser->Item(i)->Caption());
    return vids;
}

void TFM_VlanSetting::LV_VlanListUserClick(ui::Component*) {
    ui::ListItem* row = VlanRows.ChosenRow(*LV_VlanListUser);
    if (row == nullptr) {
        EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
        LV_VlanList->SetSelected(VlanRows.FirstFree());
        return;
    }
    row->SetSelected(true);
    Ed_VlanID->SetEnabled(false);
    EnableControls({Btn_VlanEdit, Btn_VlanDelete}, true);
}

void TFM_VlanSetting::Btn_VlanEditClick(ui::Component*) {
    if (!VlanOn()) CB_VlanStatus->SetItemIndex(kEnableItem);
    if (FirstChange) ShowFirstChangeWarning();
    PageControl1->SetActivePageIndex(kEditTab);
    const ui::ListItem* row = LV_VlanList->Selected();
    if (row != nullptr && !VlanRows.IsFreeRow(*row)) {
        Ed_VlanID->SetText(CellText(*row, VlanGroupRow::Vid));
        Ed_VlanName->SetText(CellText(*row, VlanGroupRow::Name));
        LoadMemberships(*row);
        Editing = true;
    } else {
        ClearAddForm();
    }
    CB_VlanStatusChange(this);
}

void TFM_VlanSetting::LoadMemberships(const ui::ListItem& row) {
    for (int port = 0; port < kPortCount; ++port) {
        const std::string membership = CellText(row, VlanGroupRow::FirstPort + port);
        ui::RadioButton* button =
            membership == "tag" ? RB_Tag[port] : membership == "untag" ? RB_Untag[port] : RB_Not[port];
        button->SetChecked(true);
    }
}

// Each port's checked button as its membership value (the hidden combo's
// item index is the value).
void TFM_VlanSetting::StoreMemberships() {
    for (int port = 0; port < kPortCount; ++port) {
        const Membership value = RB_Untag[port]->Checked() ? vlan::Untag : RB_Tag[port]->Checked() ? vlan::Tag : vlan::None;
        CB_Membership[port]->SetItemIndex(value);
    }
}

void TFM_VlanSetting::SelectColumn(PortGroup group, Membership column) {
    const PortRange ports = PortsOf(group);
    for (int port = ports.first; port < ports.end; ++port)
        (column == vlan::Untag ? RB_Untag : column == vlan::Tag ? RB_Tag : RB_Not)[port]->SetChecked(true);
}

void TFM_VlanSetting::SelectUntaggedEverywhere() {
    for (PortGroup group : {PortGroup::Port, PortGroup::Mssid, PortGroup::Wds}) SelectColumn(group, vlan::Untag);
}

void TFM_VlanSetting::ClearAddForm() {
    Ed_VlanID->SetText("");
    Ed_VlanName->SetText("");
    SelectUntaggedEverywhere();
}

void TFM_VlanSetting::AddButtonClick(ui::Component*) {
    if (!VlanListRead || VlanListRequest->busy) return;
    ui::ListItem* target = TargetRow();
    const VlanRefusal refusal = CheckVlanEntry({Editing, LV_VlanListUser->ItemCount(), target != nullptr,
                                                Ed_VlanID->Text(), Ed_VlanName->Text(), OtherVids(target)});
    if (refusal.check != 0) {
        Refuse(refusal.message, refusal.caption,
               refusal.focus == VlanField::Vid    ? static_cast<ui::Control*>(Ed_VlanID)
               : refusal.focus == VlanField::Name ? Ed_VlanName
                                                  : nullptr);
        return;
    }
    if (target == nullptr) return;  // an edited row the last walk no longer holds
    StoreMemberships();
    if (!WriteStatus()) return;  // the form stays as it is for another try
    Ed_VlanID->SetEnabled(true);
    Editing = false;
    std::vector<int> rows = {VlanGroupRow::Vid, VlanGroupRow::Name};
    for (int port = 0; port < kPortCount; ++port) rows.push_back(VlanGroupRow::FirstPort + port);
    StartWriteRows(*VlanListRequest, rows, false);
    PageControl1->SetActivePageIndex(kVlanListTab);
    EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
}

void TFM_VlanSetting::Btn_VlanDeleteClick(ui::Component*) {
    if (LV_VlanListUser->Selected() == nullptr || !VlanListRead || VlanListRequest->busy) return;
    if (ui::ListItem* row = VlanRows.ChosenRow(*LV_VlanListUser)) {
        row->SetSelected(true);
        const std::string question = "Are you sure you want to delete " + CellText(*row, VlanGroupRow::Name) + "?";
        if (ui::MessageBox(question, "warning", ui::Buttons::OkCancel) == ui::Answer::Ok) {
            CB_VlanItemDel->SetItemIndex(kDeleteItem);
            StartWriteRows(*VlanListRequest, {VlanGroupRow::Delete}, false);
        }
    }
    Editing = false;
    LV_VlanListUser->SetSelected(nullptr);
    EnableControls({Btn_VlanEdit, Btn_VlanDelete}, false);
}

void TFM_VlanSetting::VlanListSetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        StatusBar->ShowMessage(std::string(kSetError) + " " + result->text);
        return;
    }
    StatusBar->ShowMessage(kSetOk);
    Groups.BeginLoad();
    StartVlanWalk();
}
