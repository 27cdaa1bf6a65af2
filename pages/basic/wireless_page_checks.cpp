// The checks of the Wireless page's Save. Every check runs before the first
// write, so a Save that a check refuses leaves the device untouched: the
// SSID, the MAC clone address, the WDS partners and the input of the chosen
// security mode, in this order. Each refusal shows its message box, moves the
// focus to the control at fault (emptying it first for the SSID, the key
// intervals and a bad WDS address) and stops the Save.

#include <string>

#include "library/common/text.h"
#include "pages/basic/wireless_page.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/input_refusal.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "shell/main_form.h"

namespace {

constexpr char kEdgeBlankText[] = "The first character and last character can't be blank.";
constexpr char kConfirmText[] = "Please input the confirm new password correctly!";
constexpr char kIntervalText[] = "Please input a number between 300 and 9999999.";
constexpr char kWdsNotReadText[] = "The WDS partner list has not been read from the device yet: Save writes nothing.";

constexpr size_t kMaxSsidLength = 32;
constexpr int kMinKeyInterval = 300;
constexpr int kMaxKeyInterval = 9999999;
constexpr size_t kMinPassphrase = 8;
constexpr size_t kMaxPassphrase = 63;
constexpr int kMinRekeyHours = 1;
constexpr int kMaxRekeyHours = 168;
constexpr int kMinPort = 1;
constexpr int kMaxPort = 65535;
constexpr size_t kMaxSecret = 64;


// An edit's number within low..high (low above 0). An empty text, or one
// that is no number, counts as 0 and so is refused.
bool NumberInRange(const ui::Edit* edit, int low, int high) {
    int value = 0;
    if (!TryStrToInt(edit->Text(), value)) value = 0;
    return value >= low && value <= high;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// The key interval edits: a number from 300 to 9999999; the edit is emptied
// when it is refused.
bool CheckKeyInterval(ui::Edit* edit) {
    if (NumberInRange(edit, kMinKeyInterval, kMaxKeyInterval)) return true;
    return RefuseAndClear(kIntervalText, kErrorCaption, edit);
}

// The primary RADIUS server of WPA-Enterprise and 802.1X.
bool CheckRadiusServer(TFM_Wirless& page) {
    if (!TMainForm::IsValidHostAddress(page.Edt_RadiusServer->Text()))
        return Refuse("The Radius server's IP is illegal.", kErrorCaption, page.Edt_RadiusServer);
    if (!NumberInRange(page.Edt_RadiusPort, kMinPort, kMaxPort))
        return Refuse("Please input a number between 1 and 65535.", kErrorCaption, page.Edt_RadiusPort);
    const std::string secret = page.Edt_RadiusSecret->Text();
    if (Trim(secret).empty())
        return Refuse("The shared secret of radius server can not be empty.", kErrorCaption, page.Edt_RadiusSecret);
    if (secret.size() > kMaxSecret)
        return Refuse("The max length of secret of radius server is 64.", kErrorCaption, page.Edt_RadiusSecret);
    return true;
}

// ---- the parts of a Save ----------------------------------------------------

bool CheckSsid(TFM_Wirless& page) {
    const std::string ssid = page.Ed_SSID->Text();
    const char* refusal = nullptr;
    if (ssid.size() > kMaxSsidLength)
        return RefuseAndClear("The Max Length of SSID is 32.!", kWarningCaption, page.Ed_SSID);
    if (ssid.empty())
        refusal = "Please Input SSID.";
    else if (ssid.front() == ' ' || ssid.back() == ' ')
        refusal = kEdgeBlankText;
    else if (!TFM_Wirless::SsidIsAscii(ssid))
        refusal = "Don't support chinese character !";
    if (refusal == nullptr) return true;
    RefuseAndClear(refusal, kWarningCaption, page.Ed_SSID);
    page.PrepareWdsMacEdits();
    return false;
}

// Only a clone the user has switched on with a typed address is checked: a
// disabled clone or one taking the address automatically writes no address.
// The main window's check comes first (an empty or all-zero address is not
// valid), then the length.
bool CheckCloneAddress(TFM_Wirless& page) {
    if (page.CB_APMode->Text() != kWirelessClient || page.Cbox_Status->ItemIndex() != kSecondItem ||
        page.Cbox_MacSource->ItemIndex() != kSecondItem)
        return true;
    const std::string address = page.Ed_CloneMac->Text();
    if (!TMainForm::IsValidMacAddress(address)) {  // it has shown its message
        page.Ed_CloneMac->SetFocus();
        return false;
    }
    if (address.size() != kMacAddressLength)
        return Refuse(kCloneLengthText, kErrorCaption, page.Ed_CloneMac);
    if (address == kNoMacAddress) return Refuse("Please input a valid MAC Address.", kWarningCaption, page.Ed_CloneMac);
    return true;
}

// A Save of the WDS modes deletes every partner on the device before writing
// the page's ones: without the device's list in the edits that would wipe
// partners the user never saw.
bool CheckWdsPartners(TFM_Wirless& page) {
    if (!IsWdsMode(page.CB_APMode->Text())) return true;
    const VkSNMPRequest2Edits* table = page.RemoteApTableRequest;
    if (table == nullptr || !page.Groups.WasRead(*table)) {
        ui::MessageBox(kWdsNotReadText, kWarningCaption, ui::Buttons::Ok);
        return false;
    }
    if (page.CheckDuplicateWdsMacs() && page.ValidateSsidAndWdsMacs()) return true;
    page.PrepareWdsMacEdits();
    return false;
}

// The WEP key the key index selects and its confirmation; nothing selected
// writes no key, so there is nothing to check.
bool CheckWep(TFM_Wirless& page) {
    const int selected = page.CB_DefaultKey->ItemIndex();
    if (selected < 0 || selected > 3) return true;
    if (!page.ValidateWepKey(selected + 1)) return false;
    const ui::Edit* const keys[] = {page.Ed_Key1, page.Ed_Key2, page.Ed_Key3, page.Ed_Key4};
    if (page.Ed_ConfirmKey->Text() != keys[selected]->Text())
        return Refuse(kConfirmText, kWarningCaption, page.Ed_ConfirmKey);
    return true;
}

bool CheckWpaPersonal(TFM_Wirless& page) {
    // A client takes the group key interval from the access point it joins.
    if (page.CB_APMode->Text() != kWirelessClient && !CheckKeyInterval(page.Ed_UpdateInterval)) return false;
    const bool periodical = page.CB_AutoRekeyType->ItemIndex() == kSecondItem && page.CB_AutoRekeyType->Visible();
    if (periodical) {
        if (!NumberInRange(page.Ed_TimeInterval, kMinRekeyHours, kMaxRekeyHours))
            return Refuse("Invalid Time Interval range!", kWarningCaption, page.Ed_TimeInterval);
        return true;
    }
    const std::string passphrase = page.Ed_Passphrase->Text();
    if (passphrase.size() < kMinPassphrase)
        return Refuse("The Passphrase length is between 8 and 63.", kErrorCaption, page.Ed_Passphrase);
    if (passphrase.size() > kMaxPassphrase)
        return Refuse("The max length of Passphrase is 63.", kErrorCaption, page.Ed_Passphrase);
    if (!TMainForm::HasNoEdgeBlank(passphrase)) return Refuse(kEdgeBlankText, kWarningCaption, page.Ed_Passphrase);
    if (passphrase != page.Ed_ConfirmPass->Text()) return Refuse(kConfirmText, kWarningCaption, page.Ed_ConfirmPass);
    return true;
}

// The security mode is told by its text: the lists differ in length between
// the operating modes, so a position means different modes.
bool CheckSecurity(TFM_Wirless& page) {
    const std::string security = page.CB_SecurityMode->Text();
    // A device mode the list could not show is left alone on the device as
    // long as the user has not picked another one: nothing of it is written.
    // That holds in the operating mode the device is in; in another one the
    // pair would be one no list offers, so the user has to choose.
    if (!page.AuthenticationShown && !page.SecurityModePicked) {
        if (!page.AtLoad.Changed({page.CB_APMode})) return true;
        const std::string text = "The device's security mode cannot be used in '" + page.CB_APMode->Text() +
                                 "' mode. Please choose an Authentication of this mode.";
        return Refuse(text, kWarningCaption, page.CB_SecurityMode);
    }
    if (security == kOpenSystem) return page.CB_dot11Encryption->ItemIndex() != kSecondItem || CheckWep(page);
    if (security == kSharedKey) return CheckWep(page);
    if (security == kWpaPersonal) return CheckWpaPersonal(page);
    if (security == kWpaEnterprise) return CheckKeyInterval(page.Ed_UpdateInterval) && CheckRadiusServer(page);
    if (security == kDot1x) return CheckKeyInterval(page.Ed_Update2) && CheckRadiusServer(page);
    return true;
}

}  // namespace

bool TFM_Wirless::CheckSaveInput() {
    return CheckSsid(*this) && CheckCloneAddress(*this) && CheckWdsPartners(*this) && CheckSecurity(*this);
}

// ---- WEP keys ------------------------------------------------------------------

// The length is checked only while the key index names this key (the Save
// checks the selected key), and only with a key size chosen.
bool TFM_Wirless::ValidateWepKey(int keyNumber) {
    static const char* const kWords[] = {"First", "Second", "Third", "Fourth"};
    static const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
    ui::ComboBox* const types[] = {CB_KeyType1, CB_KeyType2, CB_KeyType3, CB_KeyType4};
    ui::ComboBox* const sizes[] = {CB_WepEncryp1, CB_WepEncryp2, CB_WepEncryp3, CB_WepEncryp4};
    ui::Edit* const keys[] = {Ed_Key1, Ed_Key2, Ed_Key3, Ed_Key4};
    if (keyNumber < 1 || keyNumber > 4) return true;  // no such key: nothing to refuse
    const int k = keyNumber - 1;
    ui::Edit* key = keys[k];
    const bool hex = types[k]->ItemIndex() == kSecondItem;
    const int size = sizes[k]->ItemIndex();
    if (CB_DefaultKey->Text() == kWords[k] && (size == 0 || size == kSecondItem)) {
        // Characters of a 64-bit and a 128-bit key.
        const size_t length = hex ? (size == 0 ? 10 : 26) : (size == 0 ? 5 : 13);
        if (key->Text().size() != length) {
            const std::string text = std::string("The Length of the ") + kOrdinals[k] + " key must be " +
                                     std::to_string(length) + (hex ? " hexadecimal number!" : " ASCII number!");
            return Refuse(text.c_str(), kWarningCaption, key);
        }
    }
    if (hex) return CheckHexKey(key) == 2;
    if (!TMainForm::HasNoEdgeBlank(key->Text())) return Refuse(kEdgeBlankText, kWarningCaption, key);
    return true;
}

// A key shown masked (asterisks only) is the device's key unchanged and is
// accepted as it is.
int TFM_Wirless::CheckHexKey(ui::Edit* keyEdit) {
    constexpr int kAccepted = 2;
    constexpr int kRefused = 1;
    const std::string key = keyEdit->Text();
    if (key.find_first_not_of('*') == std::string::npos) return kAccepted;
    if (key.front() == ' ' || key.back() == ' ') {
        Refuse(kEdgeBlankText, kWarningCaption, keyEdit);
        return kRefused;
    }
    for (char c : key) {
        if (IsHexDigit(c)) continue;
        Refuse("The legal character are 0~9,A~F or a~f.", kWarningCaption, keyEdit);
        return kRefused;
    }
    return kAccepted;
}

// ---- WDS partners --------------------------------------------------------------

// An address of the wrong length in the first edit is emptied; in the others
// it stays for the user to mend. No address at all is allowed, after a hint.
bool TFM_Wirless::ValidateSsidAndWdsMacs() {
    if (!IsWdsMode(CB_APMode->Text())) return true;
    bool allEmpty = true;
    for (int i = 0; i < 8; ++i) {
        ui::Edit* edit = Ed_ReMAddra[i];
        const std::string address = edit->Text();
        if (address.empty()) continue;
        allEmpty = false;
        if (address.size() != kMacAddressLength) {
            if (i == 0) {
                ui::MessageBox("The length is 12 in IEEE802.11g MAC address.", kErrorCaption, ui::Buttons::Ok);
                edit->SetText("");
            } else {
                ui::MessageBox("The length is 12 MAC address.", kErrorCaption, ui::Buttons::Ok);
            }
            return false;
        }
        if (!TMainForm::IsValidMacAddress(address)) {  // it has shown its message
            edit->SetText("");
            edit->SetFocus();
            return false;
        }
    }
    if (allEmpty) ui::MessageBox("Please input MAC Address.", kWarningCaption, ui::Buttons::Ok);
    return true;
}
