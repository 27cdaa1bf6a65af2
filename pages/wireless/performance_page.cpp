#include "pages/wireless/performance_page.h"

#include <vector>

#include "pages/common/control_helpers.h"
#include "pages/common/page_controls.h"
#include "pages/wireless/performance_page_rules.h"
#include "pages/wireless/performance_page_vars.h"
#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_tables.h"

TFM_Performace* FM_Performace = nullptr;

const char* const PerformanceGetOkText = "Get OK!";
const char* const PerformanceSaveOkText = "Save OK!";
const char* const PerformanceSetErrorText = "Set Error!";

namespace {

constexpr int kLabelLeft = 16;
constexpr int kControlLeft = 190;
constexpr int kControlWidth = 150;
constexpr int kUnitLeft = 347;
constexpr int kFirstRow = 22;
constexpr int kRowStep = 26;
constexpr char kDisable[] = "Disable";

constexpr int Row(int k) { return kFirstRow + k * kRowStep; }
constexpr int LabelTop(int k) { return Row(k) + 4; }

}  // namespace

TFM_Performace::TFM_Performace(ui::Component* owner) : ui::Form(owner) {
    SetupPageForm(*this, "FM_Performace", "Advanced \\ Performance", 440, 476);
    BuildControls();
    BuildHiddenHolders();
    ConnectHandlers();
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
}

void TFM_Performace::BuildControls() {
    PC_Performace = new ui::PageControl(this);
    PC_Performace->SetName("PC_Performace");
    PC_Performace->SetBounds(0, 0, 440, 457);
    TabSheetA = new ui::TabSheet(PC_Performace);
    TabSheetA->SetName("TabSheetA");
    TabSheetA->SetCaption("Advanced Wireless Settings");
    GroupBox1 = NewGroupBox(TabSheetA, "GroupBox1", "Advance Wireless Settings", 8, 6, 418, 368);
    PlaceControls(GroupBox1, {
        {Label_Radio, "Label_Radio", "Wireless ", kLabelLeft, LabelTop(0)},
        {CB_Radio, "CB_Radio", kControlLeft, Row(0), kControlWidth},
        {Label_WMode, "Label_WMode", "Wireless Mode", kLabelLeft, LabelTop(1)},
        {CB_WMode1, "CB_WMode1", kControlLeft, Row(1), 222},
        {CB_WMode2, "CB_WMode2", kControlLeft, Row(1), 222},
        {Label_DRate, "Label_DRate", "Data Rate", kLabelLeft, LabelTop(2)},
        {CB_DRate, "CB_DRate", kControlLeft, Row(2), kControlWidth},
        {Label_DRateUnit, "Label_DRateUnit", "(Mbps)", kUnitLeft, LabelTop(2)},
        {Label_Beacon, "Label_Beacon", "Beacon Interval (25-500)", kLabelLeft, LabelTop(3)},
        {Ed_BeInta, "Ed_BeInta", kControlLeft, Row(3), kControlWidth},
        {Label_Dtim, "Label_Dtim", "DTIM interval (1-15)", kLabelLeft, LabelTop(4)},
        {Ed_DTIMa, "Ed_DTIMa", kControlLeft, Row(4), kControlWidth},
        {Label_Power, "Label_Power", "Transmit Power", kLabelLeft, LabelTop(5)},
        {CB_TranPa, "CB_TranPa", kControlLeft, Row(5), kControlWidth},
        {Label_Wmm, "Label_Wmm", "WMM(Wi-Fi Multimedia )", kLabelLeft, LabelTop(6)},
        {CB_WMM, "CB_WMM", kControlLeft, Row(6), kControlWidth},
        {Label_Ack, "Label_Ack", "Ack Time Out (2.4GHz, 64~200)", kLabelLeft, LabelTop(7)},
        {Ed_AckTimeOut, "Ed_AckTimeOut", kControlLeft, Row(7), kControlWidth},
        {Label_ShortGi, "Label_ShortGi", "Short GI", kLabelLeft, LabelTop(8)},
        {CB_ShortGI, "CB_ShortGI", kControlLeft, Row(8), kControlWidth},
        {Label_Igmp, "Label_Igmp", "IGMP Snooping", kLabelLeft, LabelTop(9)},
        {CB_IGMPSnooping, "CB_IGMPSnooping", kControlLeft, Row(9), kControlWidth},
        {Label_Grouping, "Label_Grouping", "Connection Limit ", kLabelLeft, LabelTop(10)},
        {CB_Grouping, "CB_Grouping", kControlLeft, Row(10), kControlWidth},
        {Label_ULimit, "Label_ULimit", "User Limit(0-64)", kLabelLeft, LabelTop(11)},
        {Ed_ULimit, "Ed_ULimit", kControlLeft, Row(11), kControlWidth},
        {LB_RateBand, "LB_RateBand", "Multicast Rate for 2.4G Band", kLabelLeft, LabelTop(12)},
        {CB_RateBand, "CB_RateBand", kControlLeft, Row(12), kControlWidth},
        {Label_RateUnit, "Label_RateUnit", "(Mbps)", kUnitLeft, LabelTop(12)},
    });
    CB_WMode2->SetVisible(false);
    Bt_Apply_a = NewButton(TabSheetA, "Bt_Apply_a", "Save", 105, 386, 75);
    Bt_Refresh_a = NewButton(TabSheetA, "Bt_Refresh_a", "Refresh", 255, 386, 75);
    StatusBar = NewStatusBar(this, "StatusBar", 0);
}

void TFM_Performace::BuildHiddenHolders() {
    CB_Wireless = NewHiddenComboBox(TabSheetA, "CB_Wireless");
    CB_ApMode = NewHiddenComboBox(TabSheetA, "CB_ApMode");
    CB_ChanWidth = NewHiddenComboBox(TabSheetA, "CB_ChanWidth");
    CB_dot11Authentication = NewHiddenComboBox(TabSheetA, "CB_dot11Authentication");
    CB_dot11Encryption = NewHiddenComboBox(TabSheetA, "CB_dot11Encryption");
    CB_Clipher = NewHiddenComboBox(TabSheetA, "CB_Clipher");
    CB_Link = NewHiddenComboBox(TabSheetA, "CB_Link");
    Ed_TRate = NewHiddenEdit(TabSheetA, "Ed_TRate");
    Ed_24GDataRateList = NewHiddenEdit(TabSheetA, "Ed_24GDataRateList");
    Ed_5GDataRateList = NewHiddenEdit(TabSheetA, "Ed_5GDataRateList");
    Ed_RateGBandList = NewHiddenEdit(TabSheetA, "Ed_RateGBandList");
    Ed_RateABandList = NewHiddenEdit(TabSheetA, "Ed_RateABandList");
    Ed_RateGBand = NewHiddenEdit(TabSheetA, "Ed_RateGBand");
    Ed_RateABand = NewHiddenEdit(TabSheetA, "Ed_RateABand");
    CB_Wireless->AddItem("2.4GHz");
    CB_Wireless->AddItem("5GHz");
}

// Combo handlers are set before the groups bind the combos (the binding
// keeps them and chains to them).
void TFM_Performace::ConnectHandlers() {
    Bt_Apply_a->OnClick = [this](ui::Component* sender) { Bt_Apply_aClick(sender); };
    Bt_Refresh_a->OnClick = [this](ui::Component* sender) { Bt_Refresh_aClick(sender); };
    CB_WMode1->OnChange = [this](ui::Component* sender) { CB_WMode1Change(sender); };
    CB_WMode2->OnChange = [this](ui::Component* sender) { CB_WMode2Change(sender); };
    CB_Grouping->OnChange = [this](ui::Component* sender) { CB_GroupingChange(sender); };
    CB_IGMPSnooping->OnChange = [this](ui::Component* sender) { CB_IGMPSnoopingChange(sender); };
    CB_RateBand->SetDropDownCount(15);
    CB_RateBand->OnChange = [this](ui::Component* sender) { CB_RateBandChange(sender); };
}

void TFM_Performace::FormCreate(ui::Component*) {
    try {
        MakeGroups();
        Ed_BeInta->SetMaxLength(3);
        Ed_DTIMa->SetMaxLength(2);
        Ed_AckTimeOut->SetMaxLength(3);
        Ed_ULimit->SetMaxLength(2);
        // A device silent at the band read is not asked again at once:
        // Refresh tries again.
        if (Groups.Silent()) {
            StatusBar->ShowMessage(Groups.LoadText());
            return;
        }
        Bt_Refresh_aClick(this);
    } catch (const os::Exception& error) {
        StatusBar->ShowMessage(error.Message());
    }
}

void TFM_Performace::FormClose(ui::Component*, ui::CloseAction&) {}

void TFM_Performace::MakeGroups() {
    using namespace PerformanceRadioRow;
    VkSNMPRequest2Edits& security =
        Groups.Make(SecurityRequest, {"security", VarsWirelessSecurity, MVT_SV, 0, Seconds(50)});
    SetRowAccess(security, {WirelessSecurityRow::KeyIndex}, VkSNMPAccess::invalid);
    security.BindComboBox(WirelessSecurityRow::Authentication, CB_dot11Authentication);
    security.BindComboBox(WirelessSecurityRow::Encryption, CB_dot11Encryption);

    VkSNMPRequest2Edits& cipher = Groups.Make(CipherRequest, {"cipher", VarsWirelessWpaPsk, MVT_SV, 0, Seconds(10)});
    for (int row = 0; row < WirelessWpaPskRow::Count; ++row)
        if (row != WirelessWpaPskRow::CipherType) SetRowAccess(cipher, {row}, VkSNMPAccess::invalid);
    cipher.BindComboBox(WirelessWpaPskRow::CipherType, CB_Clipher);

    VkSNMPRequest2Edits& radio =
        Groups.Make(RadioRequest, {"radio settings", VarsPerformanceRadio, MVT_SV, 0, Seconds(100)});
    radio.BindEdits(BeaconInterval, "%u", Ed_BeInta);
    radio.BindEdits(Dtim, "%u", Ed_DTIMa);
    radio.BindComboBox(TransmitPower, CB_TranPa);
    radio.BindComboBox(Wmm, CB_WMM);
    radio.BindComboBox(ShortGi, CB_ShortGI);
    radio.BindComboBox(IgmpSnooping, CB_IGMPSnooping);
    radio.BindComboBox(RadioWave, CB_Radio);
    radio.BindEdits(DataRate, "%s", Ed_TRate);
    radio.BindComboBox(LoadBalance, CB_Grouping);
    radio.BindEdits(UserLimit, "%u", Ed_ULimit);
    radio.BindComboBox(LinkIntegrate, CB_Link);
    radio.BindEdits(AckTimeout, "%u", Ed_AckTimeOut);
    radio.BindEdits(DataRateList24, "%s", Ed_24GDataRateList);
    radio.BindEdits(DataRateList5, "%s", Ed_5GDataRateList);
    radio.BindEdits(MulticastListA, "%s", Ed_RateABandList);
    radio.BindEdits(MulticastListG, "%s", Ed_RateGBandList);
    radio.BindEdits(MulticastRateA, "%s", Ed_RateABand);
    radio.BindEdits(MulticastRateG, "%s", Ed_RateGBand);

    Groups.Make(ApModeRequest, {"AP mode", VarsDot11ApMode, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_ApMode);
    ApModeRequest->SetStatusBar(StatusBar);
    Groups.Make(ChannelWidthRequest, {"channel width", VarsPerformanceChannelWidth, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_ChanWidth);
    Groups.Make(BandRequest, {"band", VarsDot11Band, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_Wireless);
    BandRequest->SetStatusBar(StatusBar);
    // The wireless-mode object depends on the band: read it at once.
    Groups.BeginLoad();
    if (Groups.Read(*BandRequest)) OpenedBand = CB_Wireless->ItemIndex();
    MakeWifiModeGroup();

    using namespace PerformanceMulticastRow;
    VkSNMPRequest2Edits& multicast = Groups.Make(
        MulticastRateRequest, {"multicast rate", VarsPerformanceMulticastRate, MVT_SV, 0, Seconds(100)});
    multicast.BindEdits(ListA, "%s", Ed_RateABandList);
    multicast.BindEdits(ListG, "%s", Ed_RateGBandList);
    multicast.BindEdits(RateA, "%s", Ed_RateABand);
    multicast.BindEdits(RateG, "%s", Ed_RateGBand);
    // Every failure goes to the status line (not a box per group).
    for (VkSNMPRequest2Edits* group : {SecurityRequest, CipherRequest, RadioRequest, ChannelWidthRequest,
                                       WifiModeRequest, MulticastRateRequest})
        if (group != nullptr) group->SetStatusBar(StatusBar);
}

// Without a band the page cannot tell which wireless mode to show: the
// group is not made and a Save writes nothing.
void TFM_Performace::MakeWifiModeGroup() {
    if (OpenedBand < 0) return;
    const bool band24 = OpenedBand == kBand24;
    Groups.Make(WifiModeRequest, {"wireless mode", band24 ? VarsWifiMode24 : VarsWifiMode5, MVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, band24 ? CB_WMode1 : CB_WMode2);
}

void TFM_Performace::Bt_Refresh_aClick(ui::Component*) {
    ReadGroups();
    TakeReadValues();
    ShowBand();
    ArrangePerformanceControls();
    TakeShownValues();
    StatusBar->ShowMessage(Groups.EndText(PerformanceGetOkText));
}

void TFM_Performace::TakeReadValues() { AtRead.Take({CB_WMode1, CB_WMode2, CB_ShortGI, Ed_TRate, Ed_RateGBand, Ed_RateABand}); }

void TFM_Performace::TakeShownValues() { AtShow.Take({CB_WMode1, CB_WMode2, CB_ShortGI, CB_DRate, CB_RateBand}); }

void TFM_Performace::ReadGroups() {
    Groups.BeginLoad();
    for (VkSNMPRequest2Edits* group :
         {SecurityRequest, CipherRequest, RadioRequest, ApModeRequest, ChannelWidthRequest, BandRequest,
          MulticastRateRequest, WifiModeRequest}) {
        if (group != nullptr) Groups.Read(*group);
    }
    if (WifiModeRequest == nullptr) Groups.NoteUnread(*BandRequest);
}

void TFM_Performace::ShowBand() {
    const int band = Band();
    if (band == kBand24) {
        Label_Ack->SetCaption("Ack Time Out (2.4GHz, 64~200)");
        CB_WMode1->SetVisible(true);
        CB_WMode2->SetVisible(false);
        CB_WMode1Change(this);
        LB_RateBand->SetCaption("Multicast Rate for 2.4G Band");
    } else if (band == kBand5) {
        Label_Ack->SetCaption("Ack Time Out (5GHz, 50~200)");
        CB_WMode2->SetVisible(true);
        CB_WMode1->SetVisible(false);
        CB_WMode2Change(this);
        LB_RateBand->SetCaption("Multicast Rate for 5G Band");
    }
}

int TFM_Performace::Band() const { return OpenedBand >= 0 ? OpenedBand : CB_Wireless->ItemIndex(); }

int TFM_Performace::ApMode() const { return CB_ApMode->ItemIndex(); }

ui::ComboBox* TFM_Performace::ModeCombo() const { return Band() == kBand24 ? CB_WMode1 : CB_WMode2; }

bool TFM_Performace::IsLegacyByPosition() const {
    return LegacyByPosition(CB_dot11Authentication->ItemIndex(), CB_dot11Encryption->ItemIndex(),
                            CB_Clipher->ItemIndex());
}

bool TFM_Performace::IsLegacyByText() const {
    return LegacyByText(CB_dot11Authentication->Text(), CB_dot11Encryption->Text(), CB_Clipher->Text());
}

// ---- the layout rules --------------------------------------------------------

void TFM_Performace::ArrangePerformanceControls() {
    const int m = ApMode();
    if (m == kApWirelessClient) {
        Ed_BeInta->SetText("");
        Ed_DTIMa->SetText("");
    }
    if (m != kApAccessPoint) CB_Grouping->SetItemIndex(0);
    ui::ComboBox* mode = ModeCombo();
    auto runModeChange = [this, mode] { ModeChange(mode, Band() == kBand24 ? kBand24 : kBand5); };
    EnableControls({mode, CB_DRate, Ed_BeInta, Ed_DTIMa, CB_IGMPSnooping}, true);
    CB_RateBand->SetEnabled(false);
    switch (m) {
        case kApAccessPoint:
            CB_Grouping->SetEnabled(true);
            CB_GroupingChange(this);
            runModeChange();
            EnableControls({CB_IGMPSnooping, CB_RateBand}, true);
            break;
        case kApWdsWithAp:
            EnableControls({CB_Grouping, Ed_ULimit}, false);
            runModeChange();
            EnableControls({CB_IGMPSnooping, CB_RateBand}, true);
            break;
        case kApWds:
            EnableControls({CB_Grouping, Ed_ULimit}, false);
            runModeChange();
            CB_IGMPSnooping->SetEnabled(false);
            break;
        case kApWirelessClient:
            EnableControls({mode, CB_DRate, Ed_BeInta, Ed_DTIMa, CB_IGMPSnooping, CB_Grouping, Ed_ULimit}, false);
            runModeChange();
            EnableControls({CB_IGMPSnooping, CB_ShortGI}, false);
            break;
        default:
            break;
    }
    if (m == kApWirelessClient) {
        CB_ShortGI->SetEnabled(false);
        CB_ShortGI->SetItemIndex(CB_ChanWidth->ItemIndex() == 1 ? 1 : 0);
    }
    if (IsLegacyByText()) RemoveNOnlyModes();
}

// "802.11n Only" goes from both mode lists; each shows again the mode it
// showed, or its first entry when that was the one removed.
void TFM_Performace::RemoveNOnlyModes() {
    for (ui::ComboBox* combo : {CB_WMode1, CB_WMode2}) {
        const int removed = IndexOfText(combo, kNOnlyModeText);
        if (removed < 0) continue;
        const std::string shown = combo->Text();
        std::vector<std::string> items;
        for (int i = 0; i < combo->ItemCount(); ++i)
            if (i != removed) items.push_back(combo->ItemText(i));
        combo->ClearItems();
        for (const std::string& item : items) combo->AddItem(item);
        const int again = IndexOfText(combo, shown);
        combo->SetItemIndex(again >= 0 ? again : 0);
    }
}

void TFM_Performace::CB_WMode1Change(ui::Component*) { ModeChange(CB_WMode1, kBand24); }

void TFM_Performace::CB_WMode2Change(ui::Component*) { ModeChange(CB_WMode2, kBand5); }

void TFM_Performace::ModeChange(ui::ComboBox* mode, int handlerBand) {
    if (mode->ItemIndex() < 0) mode->SetItemIndex(0);
    const bool nMode = mode->ItemIndex() != kModeLegacy;
    FillDataRateCombo(CB_DRate, Ed_TRate, nMode);
    if (nMode) {
        CB_ShortGI->SetEnabled(!IsLegacyByPosition());
    } else {
        CB_ShortGI->SetItemIndex(0);
        CB_ShortGI->SetEnabled(false);
    }
    if (handlerBand == kBand24)
        FillMulticastRateCombo(Ed_RateGBandList, CB_RateBand, Ed_RateGBand, nMode);
    else
        FillMulticastRateCombo(Ed_RateABandList, CB_RateBand, Ed_RateABand, nMode);
    if (Band() != handlerBand) return;
    if (ApMode() == kApWirelessClient) {
        // A client takes its rates from the access point: the mode and the
        // data rate are neither chosen nor written here.
        mode->SetEnabled(false);
        mode->SetItemIndex(0);
        CB_DRate->SetEnabled(false);
    } else if (mode->ItemIndex() == kModeLegacy) {
        CB_DRate->SetEnabled(true);
    } else {
        CB_DRate->SetItemIndex(0);
        CB_DRate->SetEnabled(false);
    }
}

void TFM_Performace::FillDataRateCombo(ui::ComboBox* combo, ui::Edit* rate, bool nMode) {
    const std::vector<std::string> items = DataRateItems(Band(), nMode, IsLegacyByPosition());
    combo->ClearItems();
    for (const std::string& item : items) combo->AddItem(item);
    if (nMode) {
        combo->SetItemIndex(0);
        combo->SetEnabled(false);
        return;
    }
    combo->SetEnabled(true);
    combo->SetItemIndex(DataRateIndex(items, rate->Text()));
}

void TFM_Performace::FillMulticastRateCombo(ui::Edit* list, ui::ComboBox* combo, ui::Edit* rate, bool nMode) {
    const ui::ComboBox* mode = list == Ed_RateGBandList ? CB_WMode1 : CB_WMode2;
    const bool nOnly = mode->ItemIndex() == kModeNOnly;
    combo->ClearItems();
    for (const std::string& item : MulticastRateItems(list->Text(), IsLegacyByText(), nMode, nOnly))
        combo->AddItem(item);
    const int stored = IndexOfText(combo, rate->Text());
    combo->SetItemIndex(stored >= 0 ? stored : IndexOfText(combo, kDisable));
}

void TFM_Performace::CopyMulticastRate(ui::ComboBox* combo, ui::Edit* edit) {
    // Without a choice the stored rate stays as read.
    if (combo->ItemIndex() >= 0) edit->SetText(combo->Text());
}

// ---- the user's choices ------------------------------------------------------

void TFM_Performace::CB_GroupingChange(ui::Component*) { Ed_ULimit->SetEnabled(CB_Grouping->ItemIndex() != 0); }

void TFM_Performace::CB_IGMPSnoopingChange(ui::Component*) {
    if (CB_IGMPSnooping->Text() == "Enable") SelectText(CB_RateBand, kDisable);
}

void TFM_Performace::CB_RateBandChange(ui::Component*) {
    if (CB_RateBand->Text() != kDisable) SelectText(CB_IGMPSnooping, kDisable);
}

