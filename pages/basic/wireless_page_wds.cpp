// The Wireless page's groups that deal with other stations' addresses: the
// WDS partners (up to eight remote access points), the site survey and the
// MAC clone of Wireless Client mode. This file holds their loading and the
// rules of their controls; the survey and the clone scan are started from
// the page's buttons.

#include <algorithm>

#include "pages/basic/wireless_page.h"
#include "platform/ui/status_bar.h"
#include "shell/input_validators.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/control_helpers.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/color.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"

namespace {

constexpr int kWdsGroupHeight = 143;

}  // namespace

void TFM_Wirless::LoadApModeStatus() {
    if (!RequestsCreated)
        Groups.Make(ApModeStatusRequest, {"operating mode state", VarsWirelessApModeStatus, MVT_SV, 0, Seconds(50)})
            .BindEdits(SingleRow::Value, "%s", Ed_APModeChange);
    Groups.Read(*ApModeStatusRequest);
    SiteScan->SetEnabled(Ed_APModeChange->Text() != kModeChanged);
}

void TFM_Wirless::LoadMacClone() {
    if (!RequestsCreated) {
        Groups.Make(MacCloneStatusRequest, {"MAC clone state", VarsWirelessMacCloneStatus, MVT_SV, 0, Seconds(500)})
            .BindComboBox(SingleRow::Value, Cbox_Status);
        Groups.Make(MacCloneRefreshRequest, {"MAC clone scan", VarsWirelessMacCloneRefresh, MVT_SV, 0, Seconds(500)})
            .BindComboBox(SingleRow::Value, Cbox_CloneScan);
        VkSNMPRequest2Edits& clone =
            Groups.Make(MacCloneRequest, {"MAC clone address", VarsWirelessMacClone, MVT_SV, 0, Seconds(500)});
        clone.BindComboBox(MacCloneRow::Source, Cbox_MacSource);
        clone.BindEdits(MacCloneRow::Address, "%h", Ed_CloneMac);
    }
    Groups.Read(*MacCloneStatusRequest);
    Groups.Read(*MacCloneRefreshRequest);
    StatusBar->ShowMessage(Groups.Read(*MacCloneRequest) ? "Get OK!" : "Get Error!");
    if (Ed_CloneMac->Text() == kNoMacAddress) Ed_CloneMac->SetText("");
    if (Cbox_MacSource->ItemIndex() < 0) Cbox_MacSource->SetItemIndex(0);
    if (!RequestsCreated) {
        Groups.Make(MacCloneListRequest, {"MAC clone list", VarsWirelessMacCloneList, MVT_UMV, 1, Seconds(100), true})
            .BindListView(LV_MacClone, true);
        if (LV_MacClone->ColumnCount() > 1) {
            LV_MacClone->SetColumnWidth(0, 0);
            LV_MacClone->SetColumnWidth(1, 100);
        }
    }
    // After the binding, which sets the edit's limit from its constraint.
    Ed_CloneMac->SetMaxLength(12);
}

void TFM_Wirless::Cbox_StatusChange(ui::Component*) {
    if (Cbox_Status->ItemIndex() == 1) {
        Cbox_MacSource->SetEnabled(true);
        Cbox_MacSourceChange(this);
        return;
    }
    Cbox_MacSource->SetEnabled(false);
    Ed_CloneMac->SetEnabled(false);
    Bt_CloneScan->SetEnabled(false);
}

void TFM_Wirless::Cbox_MacSourceChange(ui::Component*) {
    const int source = Cbox_MacSource->ItemIndex();
    if (source < 0) return;
    const bool manual = source == 1;
    Ed_CloneMac->SetEnabled(manual);
    Bt_CloneScan->SetEnabled(manual);
}

void TFM_Wirless::LV_MacCloneClick(ui::Component*) {
    const ui::ListItem* row = LV_MacClone->Selected();
    if (row != nullptr) Ed_CloneMac->SetText(CellText(*row, ColumnOf(*LV_MacClone, "MAC Address")));
}

void TFM_Wirless::PrepareWdsMacEdits() {
    for (ui::Edit* edit : Ed_ReMAddra)
        if (edit->Text() == kNoMacAddress) edit->SetText("");
    const std::string mode = CB_APMode->Text();
    if (mode != kAccessPoint && mode != kWirelessClient && !IsWdsMode(mode)) return;
    const bool editable = IsWdsMode(mode);
    for (ui::Edit* edit : Ed_ReMAddra) {
        edit->SetReadOnly(!editable);
        edit->SetBackgroundColor(editable ? ui::kColorWhite : ui::kColorButtonFace);
    }
}

void TFM_Wirless::ShowAllWdsMacEdits() {
    const int leftColumn = Ed_ReMAddra[0]->Left();
    const int rightColumn = Ed_ReMAddra[1]->Left();
    const int firstTop = Ed_ReMAddra[0]->Top();
    const int rowStep = 25;
    for (int i = 0; i < 8; ++i) {
        const int top = firstTop + (i / 2) * rowStep;
        Ed_ReMAddra[i]->SetLeft(i % 2 == 0 ? leftColumn : rightColumn);
        Ed_ReMAddra[i]->SetTop(top);
        Ed_ReMAddra[i]->SetVisible(true);
        La_WdsNumber[i]->SetTop(top + 4);
        La_WdsNumber[i]->SetVisible(true);
    }
    GroupBox3->SetHeight(kWdsGroupHeight);
}

// The partner addresses the device holds, in the walked rows' order; a
// failed walk leaves every edit empty (and the group is not written back).
void TFM_Wirless::OnRemoteApTableDone(VkSNMPRequest2Controls*, VkSNMPError* result) {
    std::string addresses[8];
    if (result->code == 0) {
        const int rows = std::min(Lv_RemoteMac->ItemCount(), 8);
        for (int i = 0; i < rows; ++i)
            addresses[i] = CellText(*Lv_RemoteMac->Item(i), ColumnOf(*Lv_RemoteMac, "dot11RemoteApMacAddressList"));
    } else {
        ShowLoadResult();  // the failure is among the unread groups
    }
    for (int i = 0; i < 8; ++i) Ed_ReMAddra[i]->SetText(addresses[i]);
    PrepareWdsMacEdits();
}
