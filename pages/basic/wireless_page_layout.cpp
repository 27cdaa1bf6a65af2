// The Wireless page's layout: the Security Mode and WPA Mode lists derived
// from the device's authentication, the groups shown, moved and sized for the
// operating mode and the security mode, the handlers that re-arrange the page
// with their warnings, the WEP key entry rules, and the small conversions the
// load and the write procedures share (edit limits, the stored cipher, the
// re-key start time, the WDS partner duplicate check, channel list filling).

#include <initializer_list>
#include <string>

#include "library/common/text.h"
#include "pages/basic/wireless_page.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/control_helpers.h"
#include "pages/common/input_refusal.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"

namespace {

// Ciphers (CB_CipherType) and the stored cipher texts (CB_Clipher).
constexpr char kCipherAuto[] = "Auto";
constexpr char kCipherAes[] = "AES";
constexpr char kCipherTkip[] = "TKIP";

constexpr char kEapRulesText[] =
    "WPA-Enterprise and 802.1x in multi-ssid rules would set to Open System with Encryption disabled if mode is "
    "WDS with AP!";
constexpr char kMultiSsidOffText[] =
    "Multi-SSID will be disabled when VAP-7720 is configured in 'WDS' or 'Wireless Client'.";
constexpr char kVlanOffText[] = "VLAN will be disabled when Authentication is not configured in 'WPA-Enterprise'.";
constexpr char kSameMacText[] = "Exist same MAC address.";

constexpr int kWifiMode11nOnly = 2;  // "802.11n Only" in the 2.4 GHz list

// Fixed heights and offsets of the vertical stacking; every top is counted
// from H1, the height of the "Wireless Network Settings" group.
constexpr int kKeyGroupHeight = 100;           // GroupBox5
constexpr int kMacCloneGroupHeight = 164;      // GroupBox7
constexpr int kRadiusInnerHeight = 119;        // GroupBox2 whenever shown
constexpr int kButtonsBelowPage = 10;          // buttons' top below the page control's bottom
constexpr int kOuterBelowPage = 90;            // the form's outer height below the page control's bottom
// The stacking is designed in outer heights, which include the window frame
// (caption and borders): the client area is that much lower.
constexpr int kWindowFrame = 34;
constexpr int kClientWidth = 431;

using Mode = WirelessMode;

void Fill(ui::ComboBox* combo, const std::vector<std::string>& texts) {
    combo->ClearItems();
    for (const std::string& text : texts) combo->AddItem(text);
}

// 802.11n only holds for the 2.4 GHz radio alone: on the 5 GHz band its mode
// list is not read, so whatever it still holds does not count.
bool Runs11nOnly(const TFM_Wirless& page) {
    return page.CB_Band->ItemIndex() != kBand5Item && page.CB_WMode1->ItemIndex() == kWifiMode11nOnly;
}

bool MultiSsidOn(const TFM_Wirless& page) { return page.CB_MultEnable->ItemIndex() == kSecondItem; }

// ---- the device authentication as Security Mode and WPA Mode ---------------

struct AuthenticationView {
    const char* security;  // null: the list's first entry
    const char* wpa;       // null: no WPA Mode selected
    bool shown;            // the list can express the authentication
};

AuthenticationView ViewOf(Mode mode, const std::string& authentication, const ui::ComboBox* securityList,
                          bool multiSsid) {
    const SecurityView* view = SecurityViewOf(mode, authentication);
    // A view whose Security Mode the list does not offer (Shared Key with
    // multi-SSID or 802.11n only, 802.1X with 802.11n only) is not shown: it
    // must not pass for another entry.
    if (view != nullptr && IndexOfText(securityList, view->security) >= 0) return {view->security, view->wpa, true};
    // Nothing read yet counts as shown.
    return {nullptr, FallbackWpaMode(mode, authentication, multiSsid), authentication.empty()};
}

// ---- the layout ------------------------------------------------------------

// Fills the Cipher Type list of the mode and selects the stored cipher in it
// (without regard to case), or the first entry when it is not offered.
void ShowCipherChoice(TFM_Wirless& page, Mode mode) {
    ui::ComboBox* cipher = page.CB_CipherType;
    if (mode == Mode::WdsWithAp)
        Fill(cipher, {kCipherAuto, kCipherAes});
    else if (Runs11nOnly(page))
        Fill(cipher, {kCipherAes});
    else
        Fill(cipher, {kCipherAuto, kCipherAes, kCipherTkip});
    cipher->SetEnabled(true);
    const std::string stored = page.CB_Clipher->Text();
    int chosen = 0;
    for (int i = 0; i < cipher->ItemCount(); ++i)
        if (SameText(cipher->ItemText(i), stored)) chosen = i;
    cipher->SetItemIndex(chosen);
}

// WDS runs WPA2 with AES only: both lists hold that one entry, selected and
// locked.
void FixWdsCipher(TFM_Wirless& page) {
    Fill(page.CB_WPAMode, {kWpa2Only});
    page.CB_WPAMode->SetItemIndex(0);
    page.CB_WPAMode->SetEnabled(false);
    Fill(page.CB_CipherType, {kCipherAes});
    page.CB_CipherType->SetItemIndex(0);
    page.CB_CipherType->SetEnabled(false);
}

// The Key settings group for Open System and Shared Key.
void ArrangeKeyLayout(TFM_Wirless& page, int top) {
    page.GroupBox5->SetTop(top);
    page.GroupBox5->SetVisible(true);
    page.GroupBox6->SetVisible(false);
    if (page.CB_SecurityMode->Text() == kSharedKey) {
        page.CB_dot11Encryption->SetItemIndex(kSecondItem);
        page.CB_dot11Encryption->SetEnabled(false);
    } else {
        // 802.11n only forbids WEP.
        page.CB_dot11Encryption->SetEnabled(!Runs11nOnly(page));
    }
}

// The Passphrase / RADIUS group for the WPA-family security modes; returns
// its height.
int ArrangeWpaLayout(TFM_Wirless& page, Mode mode, int top) {
    const std::string security = page.CB_SecurityMode->Text();
    const bool personal = security == kWpaPersonal;
    const bool enterprise = security == kWpaEnterprise;
    const bool dot1x = !personal && !enterprise;
    const bool fullPersonal = personal && mode == Mode::AccessPoint;  // with the re-key rows

    int height = 180;
    if (personal)
        height = fullPersonal ? 235 : 145;
    else if (enterprise)
        height = 200;

    page.GroupBox5->SetVisible(false);
    page.GroupBox6->SetCaption(personal ? "Passphrase Settings" : "RADIUS Server Settings");
    page.GroupBox6->SetTop(top);
    page.GroupBox6->SetHeight(height);
    page.GroupBox6->SetVisible(true);

    ShowControls({page.La_WPAMode, page.CB_WPAMode, page.La_CipherType, page.CB_CipherType}, !dot1x);
    page.Label19->SetCaption(dot1x ? "Key Update Interval" : "Group Key Update Interval");
    page.Ed_UpdateInterval->SetVisible(!dot1x);
    page.Ed_Update2->SetVisible(dot1x);
    if (personal && mode == Mode::WirelessClient) page.Ed_UpdateInterval->SetEnabled(false);

    ShowControls({page.La_AutoRekey, page.CB_AutoRekeyType, page.La_ActivatedFrom, page.CB_TimeWeek, page.CB_TimeHour,
              page.La_Colon1, page.CB_TimeSec, page.La_Colon2, page.La_TimeInterval, page.Ed_TimeInterval,
              page.La_Hours},
             fullPersonal);
    ShowControls({page.La_Passphrase, page.Ed_Passphrase, page.Label_ConPassphrase, page.Ed_ConfirmPass}, personal);
    if (fullPersonal) {
        page.La_Passphrase->SetTop(184);
        page.Label_ConPassphrase->SetTop(208);
        page.Ed_Passphrase->SetTop(180);
        page.Ed_ConfirmPass->SetTop(205);
    } else if (personal) {
        // Without the re-key rows the pass-phrase takes their place.
        page.La_Passphrase->SetTop(89);
        page.Label_ConPassphrase->SetTop(124);
        page.Ed_Passphrase->SetTop(83);
        page.Ed_ConfirmPass->SetTop(117);
    }
    if (!personal) page.Ed_AutoRekeyPassphrase->SetVisible(false);

    page.GroupBox2->SetVisible(!personal);
    if (!personal) {
        // At the re-key list's row (83), less 3 below the WPA Mode row, less
        // 23 without it.
        page.GroupBox2->SetTop(enterprise ? 80 : 60);
        page.GroupBox2->SetHeight(kRadiusInnerHeight);
        ShowControls({page.La_NetProtect, page.CB_NetProtect}, enterprise);
    }

    if (personal) {
        if (mode == Mode::Wds)
            FixWdsCipher(page);
        else
            ShowCipherChoice(page, mode);
    } else {
        page.CB_AccountModeChange(&page);
        if (enterprise) ShowCipherChoice(page, mode);
        page.PlaceRadiusRows();
    }
    return height;
}

// The security group at `top` for the current security mode; returns its
// height. Any text but the three WPA-family modes (also an empty list) gets
// the key layout.
int ArrangeSecurityGroup(TFM_Wirless& page, Mode mode, int top) {
    const std::string security = page.CB_SecurityMode->Text();
    if (security == kWpaPersonal || security == kWpaEnterprise || security == kDot1x)
        return ArrangeWpaLayout(page, mode, top);
    ArrangeKeyLayout(page, top);
    return kKeyGroupHeight;
}

// The page control's height, the buttons below it and the form around them;
// `pageHeight` counts from H1.
void StackForm(TFM_Wirless& page, int h1, int pageHeight) {
    page.PC_Wirless->SetHeight(h1 + pageHeight);
    for (ui::Button* button : {page.Bt_Apply, page.Bt_Refresh, page.Bt_Close})
        button->SetTop(h1 + pageHeight + kButtonsBelowPage);
    // Outer height less the frame: the buttons end 2 pixels above the status
    // bar.
    page.SetClientSize(kClientWidth, h1 + pageHeight + kOuterBelowPage - kWindowFrame);
}

// Shows `shown` at the place of `other`, which is hidden.
void ShowInPlaceOf(ui::Control* shown, ui::Control* other) {
    shown->SetBounds(other->Left(), other->Top(), other->Width(), other->Height());
    shown->SetVisible(true);
    other->SetVisible(false);
}

// ---- helpers of the key and WDS rules --------------------------------------

struct KeyRow {
    ui::ComboBox* size;
    ui::ComboBox* type;
    ui::Edit* key;
};

void KeyRows(TFM_Wirless& page, KeyRow (&rows)[4]) {
    rows[0] = {page.CB_WepEncryp1, page.CB_KeyType1, page.Ed_Key1};
    rows[1] = {page.CB_WepEncryp2, page.CB_KeyType2, page.Ed_Key2};
    rows[2] = {page.CB_WepEncryp3, page.CB_KeyType3, page.Ed_Key3};
    rows[3] = {page.CB_WepEncryp4, page.CB_KeyType4, page.Ed_Key4};
}

ui::Edit* FirstVisibleKey(TFM_Wirless& page) {
    for (ui::Edit* key : {page.Ed_Key1, page.Ed_Key2, page.Ed_Key3, page.Ed_Key4})
        if (key->Visible()) return key;
    return nullptr;
}

// The rows of LV_Multi2 come from the binding layer, which lays out the
// columns as the zero-width hidden-column variables first, then the shown
// ones, each in table order, and names every column after its variable.
// Nothing of the multi-SSID table is a hidden column as the page binds it
// (its index columns, ifIndex and dot11MssidIndex, come first in either
// case), so a row is: caption ifIndex, then dot11MssidIndex, state, SSID,
// suppression, authentication, ...: the authentication is cell 5. The
// column is looked up by its name first, so that a column the load marks
// hidden (moved to the front) cannot shift it; cell 5 serves a view whose
// columns carry other names.
constexpr char kMssidAuthenticationColumn[] = "dot11MssidAuthentication";
constexpr int kMssidAuthenticationCell = 5;

int MssidAuthenticationCell(const ui::ListView* view) {
    const int column = ColumnOf(*view, kMssidAuthenticationColumn);
    return column >= 0 ? column : kMssidAuthenticationCell;
}

std::string TextOf(const ui::Control* control) {
    if (const auto* edit = dynamic_cast<const ui::Edit*>(control)) return edit->Text();
    if (const auto* combo = dynamic_cast<const ui::ComboBox*>(control)) return combo->Text();
    if (const auto* label = dynamic_cast<const ui::Label*>(control)) return label->Caption();
    return "";
}

}  // namespace

// ---- Security Mode and WPA Mode from the device's authentication ------------

void TFM_Wirless::ShowAuthentication() {
    CB_SecurityMode->ClearItems();
    CB_WPAMode->ClearItems();
    const Mode mode = WirelessModeOf(CB_APMode->Text());
    const std::string authentication = CB_dot11Authentication->Text();
    AuthenticationView view{nullptr, nullptr, authentication.empty()};
    if (mode != Mode::Unknown) {
        const bool multiSsid = MultiSsidOn(*this);
        Fill(CB_SecurityMode, SecurityModesOf(mode, multiSsid, Runs11nOnly(*this)));
        Fill(CB_WPAMode, WpaModesOf(mode));
        CB_WPAMode->SetEnabled(mode != Mode::Wds);
        if (mode == Mode::Wds) CB_WPAMode->SetItemIndex(0);
        view = ViewOf(mode, authentication, CB_SecurityMode, multiSsid);
        // Lists rebuilt here are selected by text, never by position.
        CB_SecurityMode->SetItemIndex(view.security != nullptr ? IndexOfText(CB_SecurityMode, view.security) : 0);
        if (view.wpa != nullptr) CB_WPAMode->SetItemIndex(IndexOfText(CB_WPAMode, view.wpa));
    }
    // Without a known operating mode both lists stay empty: a read
    // authentication is then not shown either.
    AuthenticationShown = view.shown;
    if (!AuthenticationShown)
        StatusBar->ShowMessage(WirelessAuthenticationUnshownText);
    else if (StatusBar->PanelText(0) == WirelessAuthenticationUnshownText)
        StatusBar->ShowMessage("");  // no longer true
}

// ---- the page's arrangement -------------------------------------------------

void TFM_Wirless::ArrangePage() {
    for (ui::ComboBox* combo : {CB_TimeWeek, CB_TimeHour, CB_TimeSec})
        if (combo->ItemIndex() < 0) combo->SetItemIndex(0);
    for (ui::ComboBox* combo : {CB_dot11Encryption, CB_AuSc, CB_SsidBroadcast, CB_Chanal}) combo->SetEnabled(true);
    CB_Applicaiton->SetEnabled(CB_Band->ItemIndex() == kBand5Item);
    PlaceKeyIntervalRow();

    const int h1 = SettingsGroupHeight;
    const int left = GroupBox1->Left();
    const Mode mode = WirelessModeOf(CB_APMode->Text());
    switch (mode) {
        case Mode::AccessPoint: {
            GroupBox7->SetVisible(false);
            CB_AuScClick(this);
            ShowControls({GroupBox3, GroupBox4}, false);
            const int height = ArrangeSecurityGroup(*this, mode, h1 + 5);
            StackForm(*this, h1, 5 + height + 30);
            break;
        }
        case Mode::WdsWithAp:
        case Mode::Wds: {
            GroupBox7->SetVisible(false);
            GroupBox3->SetCaption(CB_APMode->Text());
            GroupBox3->SetLeft(left);
            GroupBox3->SetTop(h1 + 5);
            GroupBox3->SetVisible(true);
            GroupBox4->SetLeft(left);
            GroupBox4->SetTop(h1 + 153);
            GroupBox4->SetVisible(true);
            ShowInPlaceOf(LV_WdsSiteServey, LV_ClientSiteServey);
            CB_AuSc->SetItemIndex(kFirstItem);
            CB_AuSc->SetEnabled(false);
            const int height = ArrangeSecurityGroup(*this, mode, h1 + 292);
            StackForm(*this, h1, 292 + height + 35);
            break;
        }
        case Mode::WirelessClient: {
            GroupBox7->SetVisible(true);
            GroupBox4->SetLeft(left);
            GroupBox4->SetTop(h1 + 5);
            GroupBox4->SetVisible(true);
            ShowInPlaceOf(LV_ClientSiteServey, LV_WdsSiteServey);
            CB_SsidBroadcast->SetItemIndex(kSecondItem);
            CB_SsidBroadcast->SetEnabled(false);
            CB_AuSc->SetItemIndex(kSecondItem);
            CB_AuSc->SetEnabled(false);
            CB_Chanal->SetEnabled(false);
            ChooseChannelList();
            GroupBox3->SetVisible(false);
            const int height = ArrangeSecurityGroup(*this, mode, h1 + 149);
            // GroupBox7 lies on the form, below the security group.
            const int cloneTop = 149 + height + 30;
            GroupBox7->SetTop(h1 + cloneTop);
            StackForm(*this, h1, cloneTop + kMacCloneGroupHeight + 5);
            break;
        }
        case Mode::Unknown:
            break;
    }
    ApplyChannelWidthRule();
}

// ---- handlers ---------------------------------------------------------------

void TFM_Wirless::CB_APModeChange(ui::Component*) {
    const std::string mode = CB_APMode->Text();
    if (MultiSsidEapCheck && mode == kWdsWithAp) {
        const int cell = MssidAuthenticationCell(LV_Multi2);
        for (int i = 0; i < LV_Multi2->ItemCount(); ++i) {
            const std::string authentication = CellText(*LV_Multi2->Item(i), cell);
            if (Contains(authentication, "EAP") || Contains(authentication, "802.1X")) {
                ui::MessageBox(kEapRulesText, kWarningCaption, ui::Buttons::Ok);
                break;
            }
        }
    }
    if (mode != kAccessPoint && mode != kWdsWithAp && CB_MultEnable->ItemIndex() == kSecondItem)
        ui::MessageBox(kMultiSsidOffText, kWarningCaption, ui::Buttons::Ok);
    if (CB_SecurityMode->Text() == kWpaEnterprise && CB_VlanStatus->ItemIndex() == kSecondItem &&
        CB_NetProtect->ItemIndex() == kSecondItem && mode != kAccessPoint && VlanWarningShown == 0) {
        ui::MessageBox(kVlanOffText, kWarningCaption, ui::Buttons::Ok);
        VlanWarningShown = 1;
    }
    ShowAuthentication();
    CB_SecurityModeChange(this);
    PrepareWdsMacEdits();
    ArrangePage();
    CB_SecurityModeChange(this);
    GroupBox3->SetCaption(mode == kWdsWithAp ? kWdsWithAp : kWds);
    if (mode == kAccessPoint || mode == kWdsWithAp || mode == kWds) {
        // Back to what the device said for what the mode leaves free, so that
        // what another mode forced is not written with this one.
        AtLoad.Restore(CB_SsidBroadcast);
        CB_Chanal->SetItemIndex(LastChannelIndex);
        Ed_UpdateInterval->SetEnabled(true);
        AtLoad.Restore(Ed_UpdateInterval);
        if (mode == kAccessPoint) {
            AtLoad.Restore(CB_AuSc);
            CB_AuScClick(this);
        }
        AtLoad.Restore(CB_ChannelWidth);
        ApplyChannelWidthRule();
    }
    ChooseChannelList();
}

void TFM_Wirless::CB_SecurityModeChange(ui::Component* sender) {
    const std::string security = CB_SecurityMode->Text();
    if (Contains(security, "Share")) {
        CB_dot11Encryption->SetItemIndex(kSecondItem);
        CB_dot11Encryption->SetEnabled(false);
    } else {
        CB_dot11Encryption->SetEnabled(true);
    }
    if (sender == CB_SecurityMode) SecurityModePicked = true;
    if (CB_APMode->Text() == kAccessPoint && AtLoad.At(CB_SecurityMode) == kWpaEnterprise &&
        CB_VlanStatus->ItemIndex() == kSecondItem && CB_NetProtect->ItemIndex() == kSecondItem && security != kWpaEnterprise &&
        VlanWarningShown == 0) {
        ui::MessageBox(kVlanOffText, kWarningCaption, ui::Buttons::Ok);
        VlanWarningShown = 1;
    }
    if (CB_WPAMode->ItemIndex() < 0) CB_WPAMode->SetItemIndex(0);
    ArrangePage();
    if (GroupBox5->Visible()) {
        CB_DefaultKeyChange(this);
        CB_dot11EncryptionChange(this);
    }
    CB_AutoRekeyTypeChange(this);
}

void TFM_Wirless::CB_AuScClick(ui::Component* sender) {
    CB_Chanal->SetEnabled(CB_AuSc->ItemIndex() != kSecondItem);
    // The user's switch: the list shows the channel configured (scan off) or
    // the channel in use (scan on) again.
    if (sender == CB_AuSc) ChooseChannelList();
}

void TFM_Wirless::CB_CipherTypeChange(ui::Component*) { ApplyChannelWidthRule(); }

// ---- WEP key entry ----------------------------------------------------------

void TFM_Wirless::CB_KeyType1Change(ui::Component*) {
    ApplyWepKeyLengths();
    if (ui::Edit* key = FirstVisibleKey(*this)) Ed_ConfirmKey->SetMaxLength(key->MaxLength());
}

void TFM_Wirless::CB_WepEncryp1Change(ui::Component* sender) { CB_KeyType1Change(sender); }

void TFM_Wirless::CB_DefaultKeyChange(ui::Component*) {
    ApplyWepKeyLengths();
    ShowDefaultKeyRow();
    if (ui::Edit* key = FirstVisibleKey(*this)) {
        Ed_ConfirmKey->SetMaxLength(key->MaxLength());
        Ed_ConfirmKey->SetText(key->Text());
    }
}

void TFM_Wirless::ApplyWepKeyLengths() {
    // Characters of a 64-bit and a 128-bit key, typed as ASCII or as HEX.
    constexpr int kLengths[2][2] = {{5, 13}, {10, 26}};
    KeyRow rows[4];
    KeyRows(*this, rows);
    for (const KeyRow& row : rows) {
        const int type = row.type->ItemIndex();
        const int size = row.size->ItemIndex();
        if (type < 0 || type > 1 || size < 0 || size > 1) continue;
        row.key->SetMaxLength(kLengths[type][size]);
    }
}

void TFM_Wirless::ShowDefaultKeyRow() {
    const int shown = CB_DefaultKey->ItemIndex();
    if (shown < 0 || shown > 3) return;
    KeyRow rows[4];
    KeyRows(*this, rows);
    for (int k = 0; k < 4; ++k) ShowControls({rows[k].size, rows[k].type, rows[k].key}, k == shown);
}

// ---- conversions --------------------------------------------------------------

void TFM_Wirless::SetEditLimits() {
    Ed_SSID->SetMaxLength(32);
    for (ui::Edit* address : Ed_ReMAddra) address->SetMaxLength(12);
    for (ui::Edit* edit : {Ed_UpdateInterval, Ed_Update2}) edit->SetMaxLength(7);
    for (ui::Edit* edit : {Ed_Passphrase, Ed_ConfirmPass}) edit->SetMaxLength(63);
    for (ui::Edit* edit : {Edt_RadiusServer, Edt_BackRadiusServer, Edt_AccountServer, Edt_BackAccountServer})
        edit->SetMaxLength(15);
    for (ui::Edit* edit : {Edt_RadiusSecret, Edt_BackRadiusSecret, Edt_AccountSecret, Edt_BackAccountSecret})
        edit->SetMaxLength(64);
}

void TFM_Wirless::StoreCipherType() {
    const std::string chosen = CB_CipherType->Text();
    const char* stored = nullptr;
    if (chosen == kCipherAuto)
        stored = "auto";
    else if (chosen == kCipherAes)
        stored = "aes";
    else if (chosen == kCipherTkip)
        stored = "tkip";
    if (stored == nullptr) return;
    const int index = IndexOfText(CB_Clipher, stored);
    if (index >= 0) CB_Clipher->SetItemIndex(index);
}

// The start time is "hh:mm". Split, each piece selects the list entry of that
// text, or nothing when the list has none. A time without a colon is not
// guessed at: both lists lose their selection (ArrangePage then shows 00:00),
// rather than keep what an earlier read left in them.
void TFM_Wirless::SyncRekeyStartTime(bool join) {
    if (join) {
        Ed_TimeStart->SetText(Trim(CB_TimeHour->Text()) + ":" + Trim(CB_TimeSec->Text()));
        return;
    }
    const std::string time = Ed_TimeStart->Text();
    const size_t colon = time.find(':');
    if (colon == std::string::npos) {
        CB_TimeHour->SetItemIndex(-1);
        CB_TimeSec->SetItemIndex(-1);
        return;
    }
    const size_t hourStart = colon >= 2 ? colon - 2 : 0;
    CB_TimeHour->SetItemIndex(IndexOfText(CB_TimeHour, time.substr(hourStart, colon - hourStart)));
    CB_TimeSec->SetItemIndex(IndexOfText(CB_TimeSec, time.substr(colon + 1, 2)));
}

bool TFM_Wirless::CheckDuplicateWdsMacs() {
    std::string addresses[8];
    for (int i = 0; i < 8; ++i) addresses[i] = Ed_ReMAddra[i]->Text();
    // From the last address down, so the focus goes to the later of a pair.
    for (int i = 7; i >= 1; --i) {
        if (addresses[i].empty() || addresses[i] == "000000000000") continue;
        for (int j = 0; j < i; ++j) {
            if (!SameText(addresses[i], addresses[j])) continue;
            return Refuse(kSameMacText, kWarningCaption, Ed_ReMAddra[i]);
        }
    }
    return true;
}

// Tokens are separated by blanks; a blank with nothing gathered yet is kept
// in the token, so two blanks in a row start a token that is empty once
// trimmed when nothing follows it.
bool TFM_Wirless::FillChannelCombo(ui::Control* listHolder, ui::ComboBox* combo, ui::Control* current) {
    combo->ClearItems();
    const std::string list = TextOf(listHolder);
    const std::string wanted = TextOf(current);
    int found = -1;
    std::string token;
    auto endToken = [&] {
        const std::string entry = Trim(token);
        combo->AddItem(entry);
        if (entry == wanted) found = combo->ItemCount() - 1;
        token.clear();
    };
    for (char c : list) {
        if (c == ' ' && !token.empty())
            endToken();
        else
            token += c;
    }
    if (!token.empty()) endToken();
    combo->SetItemIndex(found >= 0 ? found : 0);
    return found >= 0;
}
