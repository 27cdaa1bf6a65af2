// The Wireless page's scans: the site survey (a refresh write that makes the
// device scan the air, then a walk of the table it found), adding a surveyed
// access point to the WDS partners, and the scan for addresses to clone.
//
// While a survey runs, Scan, Save, Refresh, Close and the operating mode are
// disabled; whatever ends the survey (a completion, a request that could not
// be sent, an exception) enables them again. The clone scan does the same
// with its own Scan button.

#include <cstdlib>
#include <string>

#include "pages/basic/wireless_page.h"
#include "platform/ui/status_bar.h"
#include "shell/input_validators.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/control_helpers.h"
#include "pages/common/input_refusal.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/timer.h"

namespace {

constexpr int kHighest24GHzChannel = 13;
// How often a running scan is checked for an end that brought no completion.
constexpr int kScanWatchMs = 1000;

constexpr char kDetectingText[] = "Detecting...";
constexpr char kRefreshingText[] = "Refresh...!";
constexpr char kScanSuccessText[] = "Scan Success";
constexpr char kScanFailText[] = "Scan Fail!";
constexpr char kDuplicateWdsText[] =
    "There is an existent entry with the same MAC Address\nPlease change the MAC Address.";

// Visible cells of a survey row, by position: the index column comes first
// with zero width, so the row's caption is the index and its sub-items are
// the visible cells.
constexpr int kChannelCell = 1;
constexpr int kBssidCell = 3;
constexpr int kSsidCell = 5;

bool IsFree(const std::string& text) { return text.size() != kMacAddressLength || text == kNoMacAddress; }

// Ends whatever scan lost its requests when the function that started a step
// of it leaves, normally or by an exception.
class IdleScansEnded {
public:
    explicit IdleScansEnded(TFM_Wirless& page) : page_(page) {}
    ~IdleScansEnded() { page_.EndIdleScans(); }
    IdleScansEnded(const IdleScansEnded&) = delete;
    IdleScansEnded& operator=(const IdleScansEnded&) = delete;

private:
    TFM_Wirless& page_;
};

// Starts the page's scan watch, made on the first scan.
void StartScanWatch(TFM_Wirless& page) {
    if (page.ScanWatch == nullptr) {
        auto* watch = new ui::Timer(&page);
        watch->SetName("ScanWatch");
        watch->SetInterval(kScanWatchMs);
        watch->OnTimer = [&page](ui::Component*) { page.EndIdleScans(); };
        page.ScanWatch = watch;
    }
    page.ScanWatch->SetEnabled(true);
}

bool Busy(const VkSNMPRequest2Edits* request) { return request != nullptr && request->busy; }

// A survey row in use: a WDS partner in the WDS modes, the network to join in
// Wireless Client mode.
void UseSurveyRow(TFM_Wirless& page, const ui::ListItem& row) {
    const std::string mode = page.CB_APMode->Text();
    if (IsWdsMode(mode)) {
        page.AddWdsMac(CellText(row, kBssidCell));
    } else if (mode == kWirelessClient) {
        page.Ed_SSID->SetText(CellText(row, kSsidCell));
        const std::string channel = CellText(row, kChannelCell);
        page.CB_Chanal->SetItemIndex(IndexOfText(page.CB_Chanal, channel));
    }
}

}  // namespace

// ---- site survey ---------------------------------------------------------------

void TFM_Wirless::SiteScanClick(ui::Component*) {
    if (Ed_APModeChange->Text() == kModeChanged) {
        SiteScan->SetEnabled(false);
        return;
    }
    if (RunningSurvey != SurveyKind::None) return;
    const std::string mode = CB_APMode->Text();
    const SurveyKind kind = IsWdsMode(mode) ? SurveyKind::Wds
                            : mode == kWirelessClient ? SurveyKind::Client
                                                      : SurveyKind::None;
    if (kind == SurveyKind::None || !SiteSurveyRefreshRequest || !WdsSiteSurveyRefreshRequest) return;
    const bool wds = kind == SurveyKind::Wds;
    LV_WdsSiteServey->SetVisible(wds);
    LV_ClientSiteServey->SetVisible(!wds);
    (wds ? CB_WdsSiteScan : CB_SiteScan)->SetItemIndex(1);  // "refresh"

    RunningSurvey = kind;
    ApModeEnabledBeforeSurvey = CB_APMode->Enabled();
    ui::Control* const locked[] = {SiteScan, Bt_Apply, Bt_Refresh, Bt_Close, CB_APMode};
    for (ui::Control* control : locked) control->SetEnabled(false);
    StatusBar->ShowMessage(kDetectingText);
    StartScanWatch(*this);

    IdleScansEnded ended(*this);
    (wds ? WdsSiteSurveyRefreshRequest : SiteSurveyRefreshRequest)->Set(true, true);
}

void TFM_Wirless::OnSurveyRefreshDone(VkSNMPRequest2Controls*, VkSNMPError* result) {
    if (RunningSurvey == SurveyKind::None) return;
    IdleScansEnded ended(*this);
    if (result->code != 0) {
        EndSurvey();
        StatusBar->ShowMessage(result->text);
        return;
    }
    StatusBar->ShowMessage(kRefreshingText);
    (RunningSurvey == SurveyKind::Wds ? WdsSiteSurveyRequest : SiteSurveyRequest)->Get();
}

void TFM_Wirless::OnSurveyTableDone(VkSNMPRequest2Controls*, VkSNMPError* result) {
    EndSurvey();
    // The library's success text only after a successful walk, which only a
    // successful refresh starts.
    StatusBar->ShowMessage(result->text);
}

void TFM_Wirless::EndSurvey() {
    if (RunningSurvey == SurveyKind::None) return;
    RunningSurvey = SurveyKind::None;
    SiteScan->SetEnabled(Ed_APModeChange->Text() != kModeChanged);
    Bt_Apply->SetEnabled(true);
    Bt_Refresh->SetEnabled(true);
    Bt_Close->SetEnabled(true);
    CB_APMode->SetEnabled(ApModeEnabledBeforeSurvey);
}

void TFM_Wirless::EndIdleScans() {
    if (RunningSurvey != SurveyKind::None && !Busy(SiteSurveyRefreshRequest) && !Busy(SiteSurveyRequest) &&
        !Busy(WdsSiteSurveyRefreshRequest) && !Busy(WdsSiteSurveyRequest))
        EndSurvey();
    if (CloneScanRunning && !Busy(MacCloneRefreshRequest) && !Busy(MacCloneListRequest)) EndCloneScan(false);
    if (ScanWatch != nullptr && RunningSurvey == SurveyKind::None && !CloneScanRunning)
        ScanWatch->SetEnabled(false);
}

// ---- survey rows and WDS partners ------------------------------------------------

void TFM_Wirless::LV_ClientSiteServeyClick(ui::Component*) {
    const ui::ListItem* row = LV_ClientSiteServey->Selected();
    if (row == nullptr) return;
    // A row of the other band cannot be used on this one.
    const long channel = std::strtol(CellText(*row, kChannelCell).c_str(), nullptr, 10);
    const int band = CB_Band->ItemIndex();
    if (band == 0 && channel > kHighest24GHzChannel) return;
    if (band == 1 && channel <= kHighest24GHzChannel) return;
    UseSurveyRow(*this, *row);
}

void TFM_Wirless::LV_WdsSiteServeyClick(ui::Component*) {
    const ui::ListItem* row = LV_WdsSiteServey->Selected();
    if (row != nullptr) UseSurveyRow(*this, *row);
}

bool TFM_Wirless::AddWdsMac(std::string mac) {
    if (mac.size() != kMacAddressLength) return false;
    StripColons(mac);
    for (ui::Edit* edit : Ed_ReMAddra) {
        if (edit->Text() == mac) {
            ui::MessageBox(kDuplicateWdsText, kWarningCaption, ui::Buttons::Ok);
            return false;
        }
    }
    for (ui::Edit* edit : Ed_ReMAddra) {
        if (IsFree(edit->Text())) {
            edit->SetText(mac);
            return true;
        }
    }
    return false;  // every partner place is taken
}

void TFM_Wirless::StripColons(std::string& text) {
    std::string stripped;
    for (char c : text)
        if (c != ':') stripped += c;
    text = stripped;
}

// ---- MAC clone scan --------------------------------------------------------------

void TFM_Wirless::Bt_CloneScanClick(ui::Component*) {
    if (Cbox_Status->ItemIndex() == 1 && Cbox_MacSource->ItemIndex() == 1) {
        const size_t length = Ed_CloneMac->Text().size();
        if (length != 0 && length != kMacAddressLength) {
            Refuse(kCloneLengthText, kErrorCaption, Ed_CloneMac);
            return;
        }
    }
    if (CloneScanRunning || !MacCloneRefreshRequest || !MacCloneListRequest) return;
    CloneScanRunning = true;
    CloneRefreshOk = false;
    Bt_CloneScan->SetEnabled(false);
    StartScanWatch(*this);
    IdleScansEnded ended(*this);

    Cbox_CloneScan->SetItemIndex(1);  // "refresh": the device answers when its scan is done
    CloneRefreshOk = MacCloneRefreshRequest->Set(true, true);
    MacCloneListRequest->OnGetDone = [this](VkSNMPRequest2Controls*, VkSNMPError* result) {
        EndCloneScan(CloneRefreshOk && result->code == 0);
    };
    MacCloneListRequest->Get();
}

void TFM_Wirless::EndCloneScan(bool succeeded) {
    if (!CloneScanRunning) return;
    CloneScanRunning = false;
    StatusBar->ShowMessage(succeeded ? kScanSuccessText : kScanFailText);
    // The button as the clone controls' rules leave it.
    Bt_CloneScan->SetEnabled(Cbox_Status->ItemIndex() == 1 && Cbox_MacSource->ItemIndex() != 0);
}
