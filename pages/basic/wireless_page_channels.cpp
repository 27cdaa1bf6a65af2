// The Wireless page: the country code, the application and the channel lists
// with the channel choice and the channel-width rule; the Application row that
// only a "JP" device shows; the operating-mode list rebuilt by application;
// and the small handlers of the security fields (enabling, clearing masked
// fields, WEP key sizes, RADIUS row places, the shared-WEP-key warning).

#include <initializer_list>

#include "library/snmp/request_to_edits.h"
#include "library/common/text.h"
#include "pages/basic/wireless_page.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/control_helpers.h"
#include "pages/common/group_writes.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "shell/mib_tables.h"

namespace {

constexpr int kMssidIndexColumns = 2;     // ifIndex, dot11MssidIndex

constexpr int kDesignSettingsHeight = 157;
constexpr int kRowGap = 4;  // between the Application row and the row below it

// Positions of the fixed lists.
constexpr int kApplicationIndoor = 0;   // item of CB_Applicaiton on 5 GHz
constexpr int kApplicationOutdoor = 1;  // item of CB_Applicaiton on 5 GHz
constexpr int kInternalRadius = 1;      // Cbox_RadiusSer "Internal"
constexpr int kLimitVlanId = 1;         // CB_LimitVidStatus "vlanID"
constexpr int kLimitBoth = 3;           // CB_LimitVidStatus "both"
constexpr int kKeyAscii = 0;
constexpr int kKeyHex = 1;
constexpr int kKey64Bits = 0;
constexpr int kKey128Bits = 1;
constexpr int kWidth20 = 0;
constexpr int kWidthAuto = 1;

// What the page offers when the device returns an empty channel list.
constexpr char kDefault24Channels[] = "1 2 3 4 5 6 7 8 9 10 11 12 13";
constexpr char kDefaultIndoorWdsChannels[] = "36 40 44 48";
constexpr char kDefaultIndoorChannels[] = "36 40 44 48 52 56 60 64 100 104 108 112 116 120 124 128 132 136 140";
constexpr char kDefaultOutdoorChannels[] = "100 104 108 112 116 120 124 128 132 136 140";

// Application items by band; item k stands for the device value k + 1.
constexpr const char* kApplications24[] = {"Concurrent 11b/g/n on 2.4GHz for indoor/outdoor"};
constexpr const char* kApplications5[] = {"Concurrent 11a/n on W52/W53/W56 for indoor",
                                          "Concurrent 11a/n on W56 for outdoor"};

constexpr const char* kAllModes[] = {kAccessPoint, kWdsWithAp, kWds, kWirelessClient};
constexpr const char* kOutdoorModes[] = {kAccessPoint, kWirelessClient};

// Channels on which 40 MHz cannot be used.
constexpr const char* kNarrowChannels[] = {"12", "13", "14", "140", "165"};

constexpr char kNetProtectWarning[] =
    "If Network Access Protection enable,\nLimit Administrator Status will be disable !";
constexpr char kSharedKeyWarning[] = "Key value is used by SSID! \nTo change Key value affects other SSID settings.";

// Cells of an LV_Multi2 row. The multi-SSID table has no hidden column, so the
// binding layer fills the caption with the first variable (ifIndex) and the
// sub-items with the further ones in table order: dot11MssidIndex, state,
// SSID, suppression, authentication, encryption, key index, key, ...
constexpr int kMssidStateCell = 1;
constexpr int kMssidAuthenticationCell = 4;
constexpr int kMssidEncryptionCell = 5;
constexpr int kMssidKeyIndexCell = 6;
constexpr int kMssidKeyCell = 7;
constexpr char kMssidEnabled[] = "Enabled";

// Fills the combo with the items and selects the one whose text is `wanted`,
// the first item when none is.
template <size_t N>
void FillAndSelect(ui::ComboBox* combo, const char* const (&items)[N], const std::string& wanted) {
    combo->ClearItems();
    int selected = 0;
    for (size_t i = 0; i < N; ++i) {
        combo->AddItem(items[i]);
        if (wanted == items[i]) selected = static_cast<int>(i);
    }
    combo->SetItemIndex(selected);
}

void MoveUp(std::initializer_list<ui::Control*> controls, int distance) {
    for (ui::Control* control : controls) control->SetTop(control->Top() - distance);
}

}  // namespace

// ---- reads ------------------------------------------------------------------

void TFM_Wirless::LoadCountryCode() {
    if (!RequestsCreated)
        Groups.Make(CountryCodeRequest, {"country code", VarsCountryCode, MVT_SV, 0, Seconds(50)})
            .BindEdits(SingleRow::Value, "%s", ED_Country);
    if (CountryCodeRequest) Groups.Read(*CountryCodeRequest);
}

void TFM_Wirless::Load5GHzChannelLists() {
    struct List {
        VkSNMPRequest2Edits** slot;
        GroupSpec spec;
        ui::Edit* edit;
    } const lists[] = {
        {&IndoorWdsChannelsRequest,
         {"5 GHz indoor WDS channels", VarsWirelessIndoorWdsChannels, MVT_SV, 0, Seconds(50)},
         ED_IndoorWdsChannelList},
        {&IndoorChannelsRequest, {"5 GHz indoor channels", VarsWirelessIndoorChannels, MVT_SV, 0, Seconds(50)},
         ED_IndoorChannelList},
        {&OutdoorChannelsRequest, {"5 GHz outdoor channels", VarsWirelessOutdoorChannels, MVT_SV, 0, Seconds(50)},
         ED_OutdoorChannelList},
    };
    for (const List& list : lists) {
        if (!RequestsCreated) Groups.Make(*list.slot, list.spec).BindEdits(SingleRow::Value, "%s", list.edit);
        if (*list.slot) Groups.Read(**list.slot);
    }
}

void TFM_Wirless::LoadApplication() {
    if (!RequestsCreated)
        Groups.Make(ApplicationRequest, {"application", VarsWirelessApplication, MVT_SV, 0, Seconds(50)})
            .BindComboBox(SingleRow::Value, CB_App);
    if (ApplicationRequest) Groups.Read(*ApplicationRequest);
    FillApplicationList();
}

void TFM_Wirless::LoadMssidTable() {
    if (!RequestsCreated)
        Groups
            .Make(WirelessMssidTableRequest,
                  {"multi-SSID rules", VarsWirelessMssidTable, MVT_UMV, kMssidIndexColumns, Seconds(10)})
            .BindListView(LV_Multi2, false);
    if (WirelessMssidTableRequest) Groups.Read(*WirelessMssidTableRequest);
}

// ---- band, application and channels ------------------------------------------

void TFM_Wirless::FillApplicationList() {
    CB_Applicaiton->ClearItems();
    const int band = CB_Band->ItemIndex();
    if (band == kBand24Item)
        for (const char* item : kApplications24) CB_Applicaiton->AddItem(item);
    else if (band == kBand5Item)
        for (const char* item : kApplications5) CB_Applicaiton->AddItem(item);
    // Device value v (1 indoor, 2 outdoor) is item v - 1; "disable" and
    // anything unknown show the first item.
    int item = CB_App->ItemIndex() - 1;
    if (item < 0 || item >= CB_Applicaiton->ItemCount()) item = 0;
    CB_Applicaiton->SetItemIndex(item);
}

void TFM_Wirless::ChooseChannelList() {
    // With automatic channel scan the channel in use is the one to select;
    // the configured channel comes back afterwards.
    const std::string configured = Ed_Channel->Text();
    if (CB_AuSc->ItemIndex() == kSecondItem) Ed_Channel->SetText(Ed_BaseChannel->Text());

    ui::Edit* list = nullptr;
    const char* fallback = nullptr;
    auto useIndoorList = [&] {
        if (Contains(CB_APMode->Text(), kWds)) {
            list = ED_IndoorWdsChannelList;
            fallback = kDefaultIndoorWdsChannels;
        } else {
            list = ED_IndoorChannelList;
            fallback = kDefaultIndoorChannels;
        }
    };
    const int band = CB_Band->ItemIndex();
    if (band == kBand24Item) {
        list = Ed_ChanListA;
        fallback = kDefault24Channels;
    } else if (band == kBand5Item) {
        if (ED_Country->Text() != kJapan) {
            useIndoorList();
        } else if (CB_Applicaiton->ItemIndex() == kApplicationIndoor) {
            useIndoorList();
        } else if (CB_Applicaiton->ItemIndex() == kApplicationOutdoor) {
            list = ED_OutdoorChannelList;
            fallback = kDefaultOutdoorChannels;
        }
    }
    if (list != nullptr) {
        // The default stays in the holder until the next read.
        if (list->Text().empty()) list->SetText(fallback);
        // A channel the list lacks is not passed off as its first entry.
        if (!FillChannelCombo(list, CB_Chanal, Ed_Channel)) CB_Chanal->SetItemIndex(-1);
        ChannelPicked = false;
    }

    Ed_Channel->SetText(configured);
    LastChannelIndex = CB_Chanal->ItemIndex();
}

void TFM_Wirless::CB_BandChange(ui::Component* sender) {
    FillApplicationList();
    CB_ApplicaitonChange(sender);
    CB_APModeChange(sender);
}

void TFM_Wirless::CB_ApplicaitonChange(ui::Component* sender) {
    // The application the user picks here is written through its bound list.
    if (sender == CB_Applicaiton && ApplicationRequest != nullptr) ApplicationRequest->NotePicked(CB_App);
    // The list is rebuilt, so the device's mode is found again by its text.
    if (CB_Band->ItemIndex() == kBand5Item && CB_Applicaiton->ItemIndex() == kApplicationOutdoor)
        FillAndSelect(CB_APMode, kOutdoorModes, AtLoad.At(CB_APMode));
    else
        FillAndSelect(CB_APMode, kAllModes, AtLoad.At(CB_APMode));
    CB_APModeChange(sender);
    ChooseChannelList();
}

void TFM_Wirless::CB_ChanalChange(ui::Component* sender) {
    if (sender == CB_Chanal) ChannelPicked = true;
    ApplyChannelWidthRule();
}

void TFM_Wirless::StoreApplication() {
    int value = CB_Applicaiton->ItemIndex() + 1;
    if (value < 0 || value >= CB_App->ItemCount()) value = 0;
    CB_App->SetItemIndex(value);
}

// Only as the user can see and choose it: for Japan, not while the list is
// disabled (2.4 GHz has one item), and not when the list shows a fallback for
// a device value it has no item for, unless the user picked that item.
bool TFM_Wirless::ApplicationToWrite() const {
    if (ED_Country->Text() != kJapan || ApplicationRequest == nullptr || !CB_Applicaiton->Enabled()) return false;
    const bool showsDeviceValue = CB_App->ItemIndex() == CB_Applicaiton->ItemIndex() + 1;
    return showsDeviceValue || AtLoad.Changed({CB_Applicaiton});
}

void TFM_Wirless::SaveApplication() {
    if (ED_Country->Text() != kJapan) return;
    StoreApplication();
    // A group that was not read is not written back from its controls.
    if (ApplicationRequest == nullptr) return;
    GroupWrites writes(Groups);
    writes.Write(*ApplicationRequest, {SingleRow::Value});
}

void TFM_Wirless::ArrangeApplicationRow() {
    SettingsGroupHeight = kDesignSettingsHeight;
    if (ED_Country->Text() == kJapan) return;
    Label51->SetVisible(false);
    CB_Applicaiton->SetVisible(false);
    const int distance = CB_Applicaiton->Height() + kRowGap;
    MoveUp({La_Band, La_APMode, La_SSID, La_SsidBroadcast, La_AuSc, La_Chanal, La_ChannelWidth, La_SecurityMode,
            CB_Band, CB_APMode, Ed_SSID, CB_SsidBroadcast, CB_AuSc, CB_Chanal, CB_ChannelWidth, CB_SecurityMode},
           distance);
    SettingsGroupHeight = kDesignSettingsHeight - distance;
    GroupBox1->SetHeight(SettingsGroupHeight);
}

void TFM_Wirless::ApplyChannelWidthRule() {
    CB_ChannelWidth->SetEnabled(true);
    auto lock = [this](int item) {
        CB_ChannelWidth->SetItemIndex(item);
        CB_ChannelWidth->SetEnabled(false);
    };
    if (CB_APMode->Text() == kWirelessClient) {
        lock(kWidthAuto);
        return;
    }
    if (!WifiModeHasN) {
        lock(kWidth20);
        return;
    }
    const std::string channel = CB_Chanal->Text();
    bool narrow = false;
    for (const char* candidate : kNarrowChannels) narrow = narrow || channel == candidate;
    const bool keyLayout = GroupBox5->Visible();
    narrow = narrow || (keyLayout && CB_dot11Encryption->Text() == "Enable");  // WEP in use
    narrow = narrow || (!keyLayout && CB_CipherType->Text() == "TKIP");
    narrow = narrow || Contains(CB_SecurityMode->Text(), "802");
    if (narrow) lock(kWidth20);
}

bool TFM_Wirless::CopyComboText(ui::ComboBox* combo, ui::Edit* edit) {
    edit->SetText(combo->Text());
    return true;
}

bool TFM_Wirless::SsidIsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// ---- security fields ---------------------------------------------------------

void TFM_Wirless::CB_dot11EncryptionChange(ui::Component*) {
    ApplyChannelWidthRule();
    const bool enabled = CB_dot11Encryption->ItemIndex() != kFirstItem;
    EnableControls({CB_WepEncryp1, CB_WepEncryp2, CB_WepEncryp3, CB_WepEncryp4, CB_KeyType1, CB_KeyType2, CB_KeyType3,
               CB_KeyType4, CB_DefaultKey, Ed_Key1, Ed_Key2, Ed_Key3, Ed_Key4, Ed_ConfirmKey},
              enabled);
    if (enabled) ShowDefaultKeyRow();
}

void TFM_Wirless::CB_AccountModeChange(ui::Component*) {
    // The internal RADIUS server keeps the accounting fields as they are.
    if (Cbox_RadiusSer->ItemIndex() == kInternalRadius) return;
    EnableControls({Edt_AccountServer, Edt_AccountPort, Edt_AccountSecret, Edt_BackAccountServer, Edt_BackAccountPort,
               Edt_BackAccountSecret},
              CB_AccountMode->ItemIndex() != kFirstItem);
}

void TFM_Wirless::Cbox_RadiusSerChange(ui::Component* sender) {
    const bool external = Cbox_RadiusSer->ItemIndex() != kInternalRadius;
    EnableControls({Edt_RadiusServer, Edt_RadiusPort, Edt_RadiusSecret, Edt_BackRadiusServer, Edt_BackRadiusPort,
               Edt_BackRadiusSecret, CB_AccountMode, Edt_AccountServer, Edt_AccountPort, Edt_AccountSecret,
               Edt_BackAccountServer, Edt_BackAccountPort, Edt_BackAccountSecret},
              external);
    if (external) CB_AccountModeChange(sender);
}

void TFM_Wirless::CB_AutoRekeyTypeChange(ui::Component*) {
    // Periodical re-keying shows the device's re-key pass-phrase instead of
    // the pass-phrase entry. Without the re-key rows (every layout but an
    // access point's WPA-Personal) the layout alone decides whether the
    // pass-phrase rows are shown.
    const bool rekeyShown = CB_AutoRekeyType->Visible();
    const bool periodical = rekeyShown && CB_AutoRekeyType->ItemIndex() == kSecondItem;
    if (rekeyShown) ShowControls({Ed_Passphrase, Ed_ConfirmPass, Label_ConPassphrase}, !periodical);
    Ed_AutoRekeyPassphrase->SetVisible(periodical);
    EnableControls({CB_TimeWeek, CB_TimeHour, CB_TimeSec, Ed_TimeInterval}, CB_AutoRekeyType->ItemIndex() != kFirstItem);
    if (Contains(CB_SecurityMode->Text(), "802")) {
        CB_ChannelWidth->SetItemIndex(kWidth20);
        CB_ChannelWidth->SetEnabled(false);
    }
}

void TFM_Wirless::CB_NetProtectChange(ui::Component*) {
    const int limit = CB_LimitVidStatus->ItemIndex();
    if ((limit == kLimitVlanId || limit == kLimitBoth) && CB_NetProtect->ItemIndex() == kSecondItem)
        ui::MessageBox(kNetProtectWarning, kWarningCaption, ui::Buttons::Ok);
}

// A click on a masked field empties it, so the user types the secret anew.
// Each key field empties only itself: the other keys' rows are hidden, and a
// key emptied behind the user's back would count as changed, to be refused
// or written empty by a later Save under another key index.
void TFM_Wirless::WsKey1Click(ui::Component*) { Ed_Key1->SetText(""); }
void TFM_Wirless::WsKey2Click(ui::Component*) { Ed_Key2->SetText(""); }
void TFM_Wirless::WsKeyClick(ui::Component*) { Ed_Key3->SetText(""); }
void TFM_Wirless::WsKey4Click(ui::Component*) { Ed_Key4->SetText(""); }
void TFM_Wirless::WsKeyConClick(ui::Component*) { Ed_ConfirmKey->SetText(""); }

void TFM_Wirless::WsPass2Click(ui::Component*) {
    Ed_AutoRekeyPassphrase->SetText("");
    Ed_Passphrase->SetText("");
}

void TFM_Wirless::WsConfimPassClick(ui::Component*) { Ed_ConfirmPass->SetText(""); }
void TFM_Wirless::WsRadiusClick(ui::Component*) { Edt_RadiusSecret->SetText(""); }

void TFM_Wirless::DeriveWepKeySizes() {
    ui::ComboBox* const types[] = {CB_KeyType1, CB_KeyType2, CB_KeyType3, CB_KeyType4};
    ui::ComboBox* const sizes[] = {CB_WepEncryp1, CB_WepEncryp2, CB_WepEncryp3, CB_WepEncryp4};
    ui::Edit* const keys[] = {Ed_Key1, Ed_Key2, Ed_Key3, Ed_Key4};
    for (int k = 0; k < 4; ++k) {
        const size_t length = keys[k]->Text().size();
        const int type = types[k]->ItemIndex();
        if (type == kKeyAscii)
            sizes[k]->SetItemIndex(length == 13 ? kKey128Bits : kKey64Bits);
        else if (type == kKeyHex)
            sizes[k]->SetItemIndex(length == 26 ? kKey128Bits : kKey64Bits);
    }
}

void TFM_Wirless::CopyKeyToConfirm(int index) {
    ui::Edit* const keys[] = {Ed_Key1, Ed_Key2, Ed_Key3, Ed_Key4};
    if (index >= 0 && index < 4) Ed_ConfirmKey->SetText(keys[index]->Text());
}

// The design places of the primary RADIUS rows inside GroupBox2. A compact
// placement would overlap the RADIUS server mode row that the 802.1X layout
// moves to the top of the group, so these places serve every layout.
void TFM_Wirless::PlaceRadiusRows() {
    La_PrimaryRadius->SetTop(53);
    La_RadiusServer->SetTop(73);
    Edt_RadiusServer->SetTop(68);
    La_RadiusPort->SetTop(70);
    Edt_RadiusPort->SetTop(68);
    La_RadiusSecret->SetTop(96);
    Edt_RadiusSecret->SetTop(94);
}

void TFM_Wirless::PlaceKeyIntervalRow() {
    Label19->SetTop(55);
    Ed_Update2->SetTop(51);
    La_Seconds->SetTop(55);
}

// Warns, never stops, when the WEP key being written is one an enabled
// multi-SSID entry with WEP uses under the same key index with another value.
// The first rule row is not examined.
void TFM_Wirless::WarnSharedWepKey() {
    if (!MultiSsidEnabled) return;
    const std::string security = CB_SecurityMode->Text();
    if (!Contains(security, "Open") && !Contains(security, "Shared")) return;
    if (CB_dot11Encryption->ItemIndex() != kSecondItem) return;
    const std::string keyIndex = CB_DefaultKey->Text();
    const std::string confirmed = Ed_ConfirmKey->Text();
    for (int r = 1; r < LV_Multi2->ItemCount(); ++r) {
        const ui::ListItem& row = *LV_Multi2->Item(r);
        if (row.SubItemCount() <= kMssidKeyCell) continue;
        const std::string& authentication = row.SubItem(kMssidAuthenticationCell);
        const std::string& key = row.SubItem(kMssidKeyCell);
        if (row.SubItem(kMssidKeyIndexCell) == keyIndex && row.SubItem(kMssidStateCell) == kMssidEnabled &&
            row.SubItem(kMssidEncryptionCell) == kMssidEnabled &&
            (Contains(authentication, "Open") || Contains(authentication, "Shared")) && !key.empty() &&
            key != confirmed) {
            ui::MessageBox(kSharedKeyWarning, kWarningCaption, ui::Buttons::Ok);
            return;
        }
    }
}
