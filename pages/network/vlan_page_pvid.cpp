// The PVID tab: the ports' PVIDs by hand or assigned by the device, and its
// Save, which also writes the VLAN status.

#include "pages/common/group_writes.h"
#include "pages/common/input_refusal.h"
#include "pages/network/vlan_page.h"
#include "pages/network/vlan_page_texts.h"
#include "pages/network/vlan_page_vars.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/status_bar.h"

using namespace vlan;

void TFM_VlanSetting::CB_PvidAutoStatusChange(ui::Component*) {
    const bool byHand = !DynamicMode() && CB_PvidAutoStatus->ItemIndex() != kEnableItem;
    for (ui::Edit* edit : Ed_Pvid) edit->SetEnabled(byHand);
}

void TFM_VlanSetting::Btn_PvidApplyClick(ui::Component*) {
    GroupWrites writes(Groups);
    if (!VlanOn()) {
        writes.Write(*StatusRequest, {VlanStatusRow::Status});
        StatusBar->ShowMessage(writes.AllWritten() ? kSetOk : writes.FailureText(kSetError));
        if (writes.AllWritten()) ReturnToVlanList();
        return;
    }
    const bool byHand = CB_PvidAutoStatus->ItemIndex() != kEnableItem;
    if (byHand) {
        std::vector<std::string> pvids;
        for (const ui::Edit* edit : Ed_Pvid) pvids.push_back(edit->Text());
        const int bad = FirstBadPvid(pvids);
        if (bad >= 0) {
            Refuse(kPvidRangeText, "Warning", Ed_Pvid[bad]);
            Ed_Pvid[bad]->SetText("1");
            return;
        }
    }
    if (writes.Write(*StatusRequest, {VlanStatusRow::Status})) ShowArpEntryForClient();
    writes.Write(*PvidAutoAssignRequest, {SingleRow::Value});
    if (byHand) {
        std::vector<int> rows;
        for (int port = 0; port < kPortCount; ++port) rows.push_back(port);
        writes.Write(*PvidRequest, rows);
    }
    if (writes.AllWritten()) {
        if (byHand) {
            Groups.BeginLoad();
            Groups.Read(*PvidRequest);
            FillPortListPvids();
        }
        StatusBar->ShowMessage(kSetOk);
    } else {
        StatusBar->ShowMessage(writes.FailureText(kSetError));
    }
    ReturnToVlanList();
}
