#include "pages/maintenance/wds_info_page.h"

#include <vector>

#include "library/common/messages.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/list_rows.h"
#include "pages/common/page_controls.h"
#include "pages/maintenance/wds_info_page_rules.h"
#include "pages/maintenance/wds_info_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"

TFM_WDSInfo* FM_WDSInfo = nullptr;

namespace {

constexpr int32_t kChannelTimeout = Seconds(10);
constexpr int32_t kTimeout = Seconds(100);
constexpr int kGetPosition = 1;  // "get" in the refresh combo
constexpr char kRefreshing[] = "Refresh WDS Info...";
constexpr char kRefreshTimedOut[] = "Get timed out!";
constexpr char kRefreshed[] = "Get Ok!";
constexpr char kListed[] = "OK";

struct Column {
    const char* caption;
    int width;
};
constexpr Column kColumns[] = {
    {"Name", 100}, {"MAC", 145}, {"Authentication", 130}, {"Signal", 120}, {"Status ", 80}};

}  // namespace

TFM_WDSInfo::TFM_WDSInfo(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_WDSInfo", "Status \\ WDS Information", 624, 330);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
}

void TFM_WDSInfo::BuildControls() {
    PlaceControls(this, {
        {Label1, "Label1", "WDS Information", 12, 12},
        {Label2, "Label2", "Channel : ", 130, 12},
        {Lb_Channel, "Lb_Channel", "", 186, 12},
        {Label3, "Label3", "(", 200, 12},
        {Lb_Band, "Lb_Band", "", 206, 12},
        {Label4, "Label4", "GHZ", 225, 12},
        {Label5, "Label5", ")", 249, 12},
    });
    WDS_ClientListView = NewListView(this, "WDS_ClientListView", 12, 34, 600, 224);
    for (const Column& column : kColumns) WDS_ClientListView->AddColumn(column.caption, column.width);
    PlaceControls(this, {
        {Btn_Refresh, "Btn_Refresh", "Refresh", 200, 268, 75},
        {Btn_Close, "Btn_Close", "Close", 349, 268, 75},
    });
    Btn_Refresh->OnClick = [this](ui::Component* sender) { Btn_RefreshClick(sender); };
    Btn_Close->OnClick = [this](ui::Component* sender) { Btn_CloseClick(sender); };
    StatusBar1 = NewStatusBar(this, "StatusBar1", 0);
    WDS_ListView = NewListView(this, "WDS_ListView", 0, 0, 10, 10);
    IfGetInfo1 = NewHiddenComboBox(this, "IfGetInfo1", OptDot11WdsRefresh);
    ShowControls({WDS_ListView}, false);
}

void TFM_WDSInfo::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        Groups.Read(*ChannelRequest);
        if (Groups.Silent()) {
            StatusBar1->SetSimpleText(Groups.LoadText());
            return;
        }
        StartDetection();
    } catch (const os::Exception& error) {
        StatusBar1->SetSimpleText(error.Message());
        Btn_Refresh->SetEnabled(true);
    }
}

void TFM_WDSInfo::MakeGroups() {
    Groups.Make(ChannelRequest, {"channel", VarsWdsInfoChannel, MVT_SV, 0, kChannelTimeout});
    ChannelRequest->BindLabel(WdsChannelRow::Channel, Lb_Channel);
    ChannelRequest->BindLabel(WdsChannelRow::Frequency, Lb_Band);
    Groups.Make(RefreshRequest, {"WDS refresh", VarsWdsInfoRefresh, MVT_SV, 0, kTimeout, true});
    RefreshRequest->BindComboBox(SingleRow::Value, IfGetInfo1);
    RefreshRequest->OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        WdsRefreshSetDone(result);
    };
    Groups.Make(TableRequest, {"WDS peers", VarsWdsInfoTable, MVT_UMV, 2, kTimeout, true});
    TableRequest->BindListView(WDS_ListView, true);
    TableRequest->SetStatusBar(StatusBar1);
    TableRequest->OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) { WdsListGetDone(result); };
}

void TFM_WDSInfo::StartDetection() {
    Btn_Refresh->SetEnabled(false);
    IfGetInfo1->SetItemIndex(kGetPosition);
    StartWrite(*RefreshRequest, true);
}

void TFM_WDSInfo::Btn_RefreshClick(ui::Component*) {
    if (RefreshRequest == nullptr || !Btn_Refresh->Enabled()) return;
    StatusBar1->SetSimpleText(kRefreshing);
    Groups.BeginLoad();
    Groups.ReadFailedAgain();  // the channel, when the opening could not read it
    StartDetection();
}

void TFM_WDSInfo::Btn_CloseClick(ui::Component*) { Close(); }

void TFM_WDSInfo::WdsRefreshSetDone(VkSNMPError* result) {
    if (result->code != VK_OK) {
        StatusBar1->SetSimpleText(kRefreshTimedOut + result->text);
        Btn_Refresh->SetEnabled(true);
        return;
    }
    if (!Groups.StartRead(*TableRequest)) {
        StatusBar1->SetSimpleText(Groups.LoadText());
        Btn_Refresh->SetEnabled(true);
        return;
    }
    StatusBar1->SetSimpleText(kRefreshed);
}

void TFM_WDSInfo::WdsListGetDone(VkSNMPError* result) {
    StatusBar1->SetSimpleText(result->text);
    if (result->code == VK_OK) {
        FillWdsClientList();
        StatusBar1->SetSimpleText(Groups.EndText(kListed));
    }
    Btn_Refresh->SetEnabled(true);
}

void TFM_WDSInfo::FillWdsClientList() {
    std::vector<WalkedPeer> walked;
    for (int i = 0; i < WDS_ListView->ItemCount(); ++i) {
        const ui::ListItem& row = *WDS_ListView->Item(i);
        walked.push_back({CellText(row, WdsRow::SsidIndex), CellText(row, WdsRow::MacAddress),
                          CellText(row, WdsRow::Authentication), CellText(row, WdsRow::Rssi),
                          CellText(row, WdsRow::Status)});
    }
    ShowRows(*WDS_ClientListView, WdsListRows(walked));
}
