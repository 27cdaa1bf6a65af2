#include "pages/maintenance/client_info_page.h"

#include <vector>

#include "library/common/messages.h"
#include "pages/common/async_write.h"
#include "pages/common/control_helpers.h"
#include "pages/common/list_rows.h"
#include "pages/common/page_controls.h"
#include "pages/maintenance/client_info_page_rules.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_option_lists.h"
#include "shell/mib_tables.h"

TClientInformation* ClientInformation = nullptr;

namespace {

constexpr int32_t kTimeout = Seconds(100);
constexpr int kGetPosition = 1;  // "get" in the refresh combo
constexpr char kDetecting[] = "Detect Client Info...";
constexpr char kDetectTimedOut[] = "Detect timed out!";
constexpr char kWalking[] = "Get Client info...!";

struct Column {
    const char* caption;
    int width;
};
// "Index" has no width: the stations' numbers are not shown. "Power Saving
// Mode" is as wide as its caption.
constexpr Column kColumns[] = {{"Index", 0},           {"SSID", 100},  {"MAC", 135},
                               {"Band", 120},          {"Authentication", 120},
                               {"Signal", 50},         {"Power Saving Mode", 110}};

}  // namespace

TClientInformation::TClientInformation(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "ClientInformation", "Status \\ Client Information", 684, 330);
    BuildControls();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnCloseQuery = [this](ui::Component* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
}

void TClientInformation::BuildControls() {
    PlaceControls(this, {
        {Label1, "Label1", "Client Information ", 12, 12},
        {Label2, "Label2", "Station association", 130, 12},
        {Label3, "Label3", "(", 240, 12},
        {Lb_Band, "Lb_Band", "", 245, 12},
        {Label4, "Label4", "):", 284, 12},
        {NumOfRecord, "NumOfRecord", "0", 298, 12},
    });
    User_ListView = NewListView(this, "User_ListView", 12, 34, 660, 224);
    for (const Column& column : kColumns) User_ListView->AddColumn(column.caption, column.width);
    PlaceControls(this, {
        {Bt_Rfrsh, "Bt_Rfrsh", "Refresh", 230, 268, 75},
        {Bt_Close, "Bt_Close", "Close", 379, 268, 75},
    });
    Bt_Rfrsh->OnClick = [this](ui::Component* sender) { Bt_RfrshClick(sender); };
    Bt_Close->OnClick = [this](ui::Component* sender) { Bt_CloseClick(sender); };
    StatusBar = NewStatusBar(this, "StatusBar", 0);
    ClientListView = NewListView(this, "ClientListView", 0, 0, 10, 10);
    IfGetInfo0 = NewHiddenComboBox(this, "IfGetInfo0", OptDot11ClientInformationRefresh);
    CB_Band = NewHiddenComboBox(this, "CB_Band", OptDot11Band);
    ShowControls({ClientListView}, false);
}

void TClientInformation::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Groups.BeginLoad();
        if (Groups.Read(*BandRequest)) Lb_Band->SetCaption(ClientBandText(CB_Band->ItemIndex()));
        if (Groups.Silent()) return EndDetection(Groups.LoadText());
        StartDetection();
    } catch (const os::Exception& error) {
        EndDetection(error.Message());
    }
}

void TClientInformation::MakeGroups() {
    Groups.Make(RefreshRequest, {"client refresh", VarsClientRefresh, MVT_SV, 0, kTimeout, true});
    RefreshRequest->BindComboBox(SingleRow::Value, IfGetInfo0);
    RefreshRequest->OnSetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        ClientRefreshSetDone(result);
    };
    Groups.Make(BandRequest, {"band", VarsDot11Band2, MVT_SV, 0, kTimeout});
    BandRequest->BindComboBox(SingleRow::Value, CB_Band);
    Groups.Make(ClientTableRequest, {"stations", VarsClientTable, MVT_UMV, 1, kTimeout, true});
    ClientTableRequest->BindListView(ClientListView, true);
    ClientTableRequest->SetStatusBar(StatusBar);
    ClientTableRequest->OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        ClientListGetDone(result);
    };
}

// Refresh stays disabled for the whole detection, the one at opening too:
// a second detection beside a running one would list every station twice.
void TClientInformation::StartDetection() {
    Busy = true;
    Bt_Rfrsh->SetEnabled(false);
    IfGetInfo0->SetItemIndex(kGetPosition);
    StatusBar->SetSimpleText(kDetecting);
    User_ListView->ClearItems();
    StartWrite(*RefreshRequest, true);
}

void TClientInformation::Bt_RfrshClick(ui::Component*) {
    if (RefreshRequest == nullptr || Busy) return;
    StartDetection();
}

void TClientInformation::Bt_CloseClick(ui::Component*) { Close(); }

// A walk that an answer row stopped (the request layer shows why) ends
// without its completion; with no exchange left running the detection
// counts as ended, so the page never stays shut.
void TClientInformation::FormCloseQuery(ui::Component*, bool& canClose) {
    if (Busy && !DetectionRunning()) EndDetection(StatusBar->SimpleText());
    canClose = !Busy;
}

bool TClientInformation::DetectionRunning() const {
    return (RefreshRequest != nullptr && RefreshRequest->busy) ||
           (ClientTableRequest != nullptr && ClientTableRequest->busy);
}

void TClientInformation::ClientRefreshSetDone(VkSNMPError* result) {
    if (result->code != VK_OK) return EndDetection(kDetectTimedOut + result->text);
    Groups.BeginLoad();
    if (!Groups.StartRead(*ClientTableRequest)) return EndDetection(Groups.LoadText());
    StatusBar->SetSimpleText(kWalking);
}

void TClientInformation::ClientListGetDone(VkSNMPError* result) {
    if (result->code == VK_OK) FillClientList();
    EndDetection(result->text);
}

void TClientInformation::EndDetection(const std::string& status) {
    StatusBar->SetSimpleText(status);
    NumOfRecord->SetCaption(std::to_string(User_ListView->ItemCount()));
    Busy = false;
    Bt_Rfrsh->SetEnabled(true);
}

void TClientInformation::FillClientList() {
    std::vector<WalkedStation> walked;
    for (int i = 0; i < ClientListView->ItemCount(); ++i) {
        const ui::ListItem& row = *ClientListView->Item(i);
        walked.push_back({CellText(row, ClientRow::SsidIndex), CellText(row, ClientRow::MacAddress),
                          CellText(row, ClientRow::Band), CellText(row, ClientRow::Authentication),
                          CellText(row, ClientRow::Rssi), CellText(row, ClientRow::Psm)});
    }
    ShowRows(*User_ListView, ClientListRows(walked));
}
