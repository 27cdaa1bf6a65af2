// The Multi-SSID page's "Add": the chosen SSID written with its state
// "Enabled" (for the primary SSID only its priority). Every check runs
// before the first write; a refused write sends nothing, not even the AP
// mode. Secrets are written only when retyped; the RADIUS row of an
// Enterprise or 802.1x SSID is written first, and a failure there stops the
// SSID's write.

#include "library/common/text.h"
#include "pages/common/control_helpers.h"
#include "pages/common/disabled_while.h"
#include "pages/common/group_writes.h"
#include "pages/common/async_write.h"
#include "pages/common/input_refusal.h"
#include "pages/wireless/multissid_page.h"
#include "pages/wireless/multissid_page_rules.h"
#include "pages/wireless/multissid_page_texts.h"
#include "pages/wireless/multissid_page_vars.h"
#include "platform/os/clock.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"

namespace {

constexpr int kPriorityPause = 500;  // ms the window waits after the primary SSID's write
constexpr int kMostSsidChars = 32;
constexpr int kLeastInterval = 300;
constexpr int kMostInterval = 9999999;
constexpr int kEnabledState = 1;
constexpr int kHexKey = 1;
constexpr int kStateCell = 2;
constexpr int kSsidCell = 3;
constexpr int kEncryptionCell = 6;
constexpr int kKeyIndexCell = 7;
constexpr int kKeyCell = 8;

bool OnlyAsterisks(const std::string& text) { return text.find_first_not_of('*') == std::string::npos; }

int NumberIn(const ui::Edit* edit) {
    int value = 0;
    return TryStrToInt(edit->Text(), value) ? value : 0;
}

}  // namespace

void TFM_MultiSSIDNewForm::AddButtonClick(ui::Component*) {
    // The write goes to the row of the SSID the Index combo shows, or nowhere.
    if (MssidTableRequest == nullptr || TargetSsidRow() == nullptr) {
        StatusBar->ShowMessage(kSaveFailText);
        return;
    }
    DisabledWhile busy(this);
    if (CB_Index->ItemIndex() == 0)
        AddPrimary();
    else
        AddSsid();
}

void TFM_MultiSSIDNewForm::AddPrimary() {
    if (!Chk_MultiPri->Checked()) {
        ui::MessageBox(kNotChangedText, "Warning");
        return;
    }
    if (!SwitchToAccessPoint()) {
        StatusBar->ShowMessage(kSaveFailText);
        return;
    }
    StatusBar->ShowMessage(kSaveSsidText);
    WriteTable({MssidRow::Priority}, 1, true);
    os::Sleep(kPriorityPause);
}

// ---- checks ----------------------------------------------------------------------

bool TFM_MultiSSIDNewForm::CheckSsidName() {
    const std::string ssid = Ed_SSID->Text();
    if (ssid.empty()) return Refuse(kNoSsidText, "Warning", Ed_SSID);
    if (ssid.front() == ' ' || ssid.back() == ' ') return Refuse(kBlankEdgeSsidText, "Warning", Ed_SSID);
    if (ssid.size() > kMostSsidChars) return Refuse(kSsidLengthText, "Warning", Ed_SSID);
    if (!TMainForm::IsAsciiText(ssid)) return Refuse(kSsidCharactersText, "Warning", Ed_SSID);
    return true;
}

// Another enabled SSID (the primary one included) already has the name.
bool TFM_MultiSSIDNewForm::CheckDuplicateMssid() {
    const int own = CB_Index->ItemIndex();
    for (int i = 0; i < MulSSIDListView->ItemCount(); ++i) {
        const ui::ListItem& row = *MulSSIDListView->Item(i);
        const int other = MssidEntryPosition(Ssids.IndexOf(row));
        if (other == own || CellText(row, kStateCell) != "Enabled" || CellText(row, kSsidCell) != Ed_SSID->Text())
            continue;
        const std::string start = "The 11g SSID " + std::to_string(own);
        const std::string text =
            other == 0 ? start + "'s SSID is same as Primary SSID" : start + "'s SSID is same as SSID " + std::to_string(other);
        return Refuse(text, "Warning", Ed_SSID);
    }
    return true;
}

bool TFM_MultiSSIDNewForm::CheckMssidWepKey() {
    const std::string key = Ed_Key->Text();
    if (!key.empty() && (key.front() == ' ' || key.back() == ' ')) return Refuse(kBlankEdgeText, "Warning", Ed_Key);
    const int keyType = CB_KeyType->ItemIndex();
    const std::string length = MssidKeyLengthMessage(keyType, CB_WepEncryp->ItemIndex(), key.size());
    if (!length.empty()) return Refuse(length, "Warning", Ed_Key);
    const bool retyped = !SecretUnchanged(*MssidTableRequest, MssidRow::WepKey, Ed_Key);
    if (keyType == kHexKey && retyped && !IsHexKey(key)) {
        Ed_ConfirmKey->SetText("");
        return RefuseAndClear(kHexCharactersText, "Warning", Ed_Key);
    }
    if (Ed_ConfirmKey->Text() != key) return Refuse(kConfirmText, "Warning", Ed_ConfirmKey);
    return true;
}

bool TFM_MultiSSIDNewForm::CheckInterval(ui::Edit* edit, bool focus) {
    if (edit->Text().empty()) return Refuse(kIntervalText, "Warning", focus ? edit : nullptr);
    const int value = NumberIn(edit);
    if (value >= kLeastInterval && value <= kMostInterval) return true;
    edit->SetText("");
    return Refuse(kIntervalText, "Warning", focus ? edit : nullptr);
}

bool TFM_MultiSSIDNewForm::CheckPassPhrase() {
    if (!CheckInterval(Ed_UpdateInterval, true)) return false;
    if (CB_AutoRekeyType->Visible() && CB_AutoRekeyType->ItemIndex() == 1) {
        const int hours = NumberIn(Ed_TimeInterval);
        if (Ed_TimeInterval->Text().empty() || hours < 1 || hours > 168)
            return Refuse(kTimeIntervalText, "Warning", Ed_TimeInterval);
        return true;
    }
    const std::string phrase = Ed_Passphrase->Text();
    if (phrase.size() < 8) return Refuse(kPassPhraseShortText, "Warning", Ed_Passphrase);
    if (phrase.size() > 63) return Refuse(kPassPhraseLongText, "Warning", Ed_Passphrase);
    if (!TMainForm::HasNoEdgeBlank(phrase)) return Refuse(kBlankEdgeText, "Warning", Ed_Passphrase);
    if (Ed_ConfirmPass->Text() != phrase) return Refuse(kConfirmText, "Warning", Ed_ConfirmPass);
    return true;
}

bool TFM_MultiSSIDNewForm::CheckMssidRadius() {
    const bool dot1x = SecurityMode() == MssidSecurity::Dot1x;
    if (!CheckInterval(dot1x ? Ed_KeyUpdate : Ed_UpdateInterval, false)) return false;
    if (!TMainForm::IsValidHostAddress(Edt_RadiusServer->Text()))
        return Refuse(kRadiusServerText, "Error", Edt_RadiusServer);
    const int port = NumberIn(Edt_RadiusPort);
    if (Edt_RadiusPort->Text().empty() || port < 1 || port > 65535)
        return Refuse(kRadiusPortText, "Warning", Edt_RadiusPort);
    const std::string secret = Edt_RadiusSecret->Text();
    if (secret.find_first_not_of(' ') == std::string::npos)
        return Refuse(kRadiusSecretEmptyText, "Error", Edt_RadiusSecret);
    if (secret.size() > 64) return Refuse(kRadiusSecretLongText, "Warning", Edt_RadiusSecret);
    return true;
}

// ---- the write ---------------------------------------------------------------------

void TFM_MultiSSIDNewForm::AddSsid() {
    if (IfEnabMuSSID->Checked() && !CheckSsidName()) return;
    if (!CheckDuplicateMssid()) return;
    const bool securityKept = !SecurityShowable && SecurityChoices() == ShownSecurity;
    const int s = SecurityMode();
    if (!securityKept) {
        const bool wep = s == MssidSecurity::OpenSystem && CB_MssidEncryption->ItemIndex() == 1;
        if (wep && !CheckMssidWepKey()) return;
        if (s == MssidSecurity::WpaPersonal && !CheckPassPhrase()) return;
        if (s >= MssidSecurity::WpaEnterprise && !CheckMssidRadius()) return;
    }
    const int shownMode = ApMode();
    if (!SwitchToAccessPoint()) {
        StatusBar->ShowMessage(kSaveFailText);
        return;
    }
    std::vector<int> rows = {MssidRow::IndividualState, MssidRow::Ssid, MssidRow::Suppress, MssidRow::Wmm};
    if (Chk_MultiPri->Checked()) rows.push_back(MssidRow::Priority);
    int times = 1;
    if (!securityKept) {
        const int wpa = MssidWpaPositionIn(shownMode, CB_WPAMode->ItemIndex(), ApMode());
        const int authentication = MssidAuthenticationOf(ApMode(), s, wpa);
        if (authentication >= 0) CB_dot11Authentication->SetItemIndex(authentication);
        rows.push_back(MssidRow::Authentication);
        bool twice = false;
        bool radius = false;
        for (int row : SecurityRows(twice, radius)) rows.push_back(row);
        if (radius && !SaveMssidRadius()) {
            StatusBar->ShowMessage(kRadiusNotSavedText);
            return;
        }
        times = twice ? 2 : 1;
    }
    CB_IdvState->SetItemIndex(kEnabledState);
    StatusBar->ShowMessage(kSaveSsidText);
    WriteTable(rows, times, false);
    if (!securityKept && s == MssidSecurity::Dot1x) {
        GroupWrites writes(Groups);
        writes.Write(*MssidStateRequest, {MultiSsidStateRow::State, MultiSsidStateRow::PriorityState});
        if (!writes.AllWritten()) StatusBar->ShowMessage(writes.FailureText(kSaveFailText));
    }
}

// The rows the security mode adds to the common ones; whether the table is
// written twice and whether the RADIUS row goes first.
std::vector<int> TFM_MultiSSIDNewForm::SecurityRows(bool& twice, bool& radius) {
    const int s = SecurityMode();
    twice = s != MssidSecurity::WpaPersonal;
    radius = s >= MssidSecurity::WpaEnterprise;
    if (s == MssidSecurity::OpenSystem) {
        if (CB_MssidEncryption->ItemIndex() != 1) return {MssidRow::Encryption};
        WarnSharedKey();
        std::vector<int> rows = {MssidRow::Encryption, MssidRow::WepKeyIndex, MssidRow::KeyType};
        if (!OnlyAsterisks(Ed_Key->Text()) && !SecretUnchanged(*MssidTableRequest, MssidRow::WepKey, Ed_Key))
            rows.push_back(MssidRow::WepKey);
        return rows;
    }
    if (s == MssidSecurity::Dot1x) return {};
    const int cipher = MssidCipherTypeOf(CB_CipherType->Text());
    if (cipher >= 0) CB_Clipher->SetItemIndex(cipher);
    if (s == MssidSecurity::WpaEnterprise) return {MssidRow::CipherType, MssidRow::GroupKeyInterval};
    std::vector<int> rows = {MssidRow::CipherType, MssidRow::GroupKeyInterval, MssidRow::RekeyControl};
    if (CB_AutoRekeyType->Visible() && CB_AutoRekeyType->ItemIndex() == 1) {
        MssidRekeyStartTime(true);
        for (int row : {MssidRow::RekeyStartWeek, MssidRow::RekeyStartTime, MssidRow::RekeyInterval})
            rows.push_back(row);
    } else if (!SecretUnchanged(*MssidTableRequest, MssidRow::PassPhrase, Ed_Passphrase)) {
        rows.push_back(MssidRow::PassPhrase);
    }
    return rows;
}

// The primary SSID shares its WEP key of that index: changing it here
// changes it there (a notice; the write goes on).
void TFM_MultiSSIDNewForm::WarnSharedKey() {
    if (LV_MultiSSID_User->ItemCount() == 0 || LV_MultiSSID_User->Item(0)->Caption() != "Primary SSID") return;
    const std::string shown = CellText(*LV_MultiSSID_User->Item(0), 3);
    if (shown != "OpenSystem" && shown != "SharedKey") return;
    const ui::ListItem* primaryRow = Ssids.RowOfIndex(MssidEntryIndex(0));
    if (primaryRow == nullptr) return;
    const ui::ListItem& primary = *primaryRow;
    const std::string key = CellText(primary, kKeyCell);
    if (CellText(primary, kStateCell) != "Enabled" || CellText(primary, kEncryptionCell) != "Enabled") return;
    if (CellText(primary, kKeyIndexCell) != CB_DefaultKey->Text() || key.empty() || key == Ed_Key->Text()) return;
    ui::MessageBox(kKeyShareText, "Warning");
}

bool TFM_MultiSSIDNewForm::SaveMssidRadius() {
    if (RadiusRequest == nullptr || TargetRadiusRow() == nullptr) return false;
    std::vector<int> rows = {MultiSsidRadiusRow::Server, MultiSsidRadiusRow::Port};
    if (!SecretUnchanged(*RadiusRequest, MultiSsidRadiusRow::Secret, Edt_RadiusSecret))
        rows.push_back(MultiSsidRadiusRow::Secret);
    if (SecurityMode() == MssidSecurity::Dot1x) rows.push_back(MultiSsidRadiusRow::KeyUpdateInterval);
    RadiusRows = rows;
    GroupWrites writes(Groups);
    return writes.Write(*RadiusRequest, rows);
}

// Writes the selected RADIUS row again with the rows the last RADIUS write
// sent (server and port before any), then reads the group back.
void TFM_MultiSSIDNewForm::BT_TestClick(ui::Component*) {
    if (RadiusRequest == nullptr || TargetRadiusRow() == nullptr) return;
    const std::vector<int> rows =
        RadiusRows.empty() ? std::vector<int>{MultiSsidRadiusRow::Server, MultiSsidRadiusRow::Port} : RadiusRows;
    GroupWrites writes(Groups);
    if (!writes.Write(*RadiusRequest, rows)) {
        StatusBar->ShowMessage(writes.FailureText(kRadiusNotSavedText));
        return;
    }
    Groups.Read(*RadiusRequest);
}

// Writes the rows of the selected SSID's table row, `times` times in a row;
// every other row of the group keeps its access for the reads.
void TFM_MultiSSIDNewForm::WriteTable(const std::vector<int>& rows, int times, bool refresh) {
    for (int i = 0; i < times && MssidTableRequest != nullptr; ++i) StartWriteRows(*MssidTableRequest, rows, refresh);
}
