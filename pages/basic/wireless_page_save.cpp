// The Wireless page's Save: after every check has passed (wireless_page_checks.cpp)
// the groups of the operating mode and the security mode are marked row by
// row and written one after another, then what depends on the operating mode
// (the client's wireless mode, the AP array, the main window's ARP entry).
// The status line says "Setting Success!" only when every write went through;
// the page is then read again.
//
// Order of the writes: application (Japan only), multi-SSID off (WDS and
// client), MAC clone (client), the security block with the basic settings
// inside it, the WDS partners (delete-all, then the addresses), the client's
// wireless mode, the AP array state.

#include <algorithm>
#include <string>
#include <vector>

#include "library/snmp/choice_items.h"
#include "pages/basic/wireless_page.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/control_helpers.h"
#include "pages/common/disabled_while.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/main_menu.h"
#include "shell/main_form.h"
#include "shell/mib_option_lists.h"

namespace {

constexpr char kSuccessText[] = "Setting Success!";
constexpr char kErrorText[] = "Setting error!";
constexpr char kNewKeyText[] = "Please check the Log or E-mail for the new security key!";
constexpr char kJapan[] = "JP";
constexpr char kNoAddress[] = "000000000000";

constexpr char kEnable[] = "Enable";
constexpr char kDisable[] = "Disable";
constexpr int kPeriodicRekey = 1;  // CB_AutoRekeyType: periodical key change
constexpr int kCloneEnabled = 1;   // Cbox_Status: "Enable"
constexpr int kMultiSsidOn = 1;    // CB_MultEnable: "Enable"
constexpr int kFirstWifiMode = 0;  // "Mixed 802.11n,802.11g and 802.11b", "Mixed 802.11n and 802.11a"
constexpr int kBand5GHz = 1;       // CB_Band: "5GHz"
constexpr int kDeleteAll = 1;      // CB_RemoveMac: "deleteall"

// Rows of the groups' tables.
enum BasicRow { kSsid, kSsidBroadcast, kChannel, kChannelList, kAutoChannelScan, kApMode, kBand, kChannelWidth };
enum SecurityRow { kAuthentication, kKeyIndex, kEncryption };
enum WepKeyRow { kEntryMethod, kWepKey };
enum WpaRow { kPassPhrase, kCipher, kGroupKeyInterval, kRekeyControl, kRekeyWeek, kRekeyTime, kRekeyInterval };
enum RadiusRow { kNetworkProtection, kRadiusServer, kRadiusPort, kRadiusSecret, kRadiusKeyInterval = 15 };
enum MacCloneRow { kCloneSource, kCloneAddress };

// Whether a group's controls hold what the device said: a group that was not
// read shows placeholders and is neither marked nor written.
bool WasRead(const VkSNMPRequest2Controls* readBy) { return readBy != nullptr && !readBy->busy && readBy->lastReadOk; }

// Sets the access of the rows; readBy as in SaveWrites::Write.
void Mark(VkSNMPRequest2Edits& request, std::initializer_list<int> rows, int32_t access,
          const VkSNMPRequest2Controls* readBy = nullptr) {
    if (!WasRead(readBy != nullptr ? readBy : &request)) return;
    for (int row : rows) request.request.vars.Item(row)->access = access;
}

// Whether a secret's edit still holds what the device holds: the text the
// read put there, or what an earlier Save of this group wrote. Secrets that
// were not changed are not written back (the device may show them masked).
bool Unchanged(const VkSNMPRequest2Edits& request, int row, const ui::Edit* edit) {
    return edit->Text() == request.request.vars.Item(row)->value;
}

// The writes of one Save: each one is attempted whatever the results before
// it; a group that was not read is left out and named.
class SaveWrites {
public:
    // Writes the request's marked rows from its controls. readBy is the
    // request whose read filled the controls (the request itself unless a
    // table walk filled them).
    void Write(VkSNMPRequest2Edits& request, const char* name, const VkSNMPRequest2Controls* readBy = nullptr) {
        if (!WasRead(readBy != nullptr ? readBy : &request)) {
            if (std::find(unread_.begin(), unread_.end(), name) == unread_.end()) unread_.push_back(name);
            return;
        }
        // A Set collects the controls into the variables. When it fails, the
        // variables go back to what the device holds, so that the next Save
        // still tells a changed secret from the one read.
        std::vector<std::string> held;
        for (int row = 0; row < request.request.vars.Count(); ++row)
            held.push_back(request.request.vars.Item(row)->value);
        if (request.Set(true, true)) return;
        failed_ = true;
        for (int row = 0; row < request.request.vars.Count(); ++row) request.request.vars.Item(row)->value = held[row];
    }
    void Fail() { failed_ = true; }
    bool AllWritten() const { return !failed_ && unread_.empty(); }
    std::string ErrorText() const {
        std::string text = kErrorText;
        if (unread_.empty()) return text;
        text += std::string(" ") + WirelessUnreadPrefix;
        for (size_t i = 0; i < unread_.size(); ++i) text += (i > 0 ? ", " : "") + unread_[i];
        return text;
    }

private:
    bool failed_ = false;
    std::vector<std::string> unread_;
};

enum class SecurityBlock { None, Open, Wep, WpaPersonal, WpaEnterprise, Dot1x };

SecurityBlock BlockOf(const std::string& security, const std::string& encryption) {
    if (security == kOpenSystem) return encryption == kEnable ? SecurityBlock::Wep : SecurityBlock::Open;
    if (security == kSharedKey) return SecurityBlock::Wep;
    if (security == kWpaPersonal) return SecurityBlock::WpaPersonal;
    if (security == kWpaEnterprise) return SecurityBlock::WpaEnterprise;
    if (security == kDot1x) return SecurityBlock::Dot1x;
    return SecurityBlock::None;
}

// Marks and writes the groups of the operating mode and security mode into
// the writes of one Save.
void WriteGroups(TFM_Wirless& page, SaveWrites& writes) {
    const std::string mode = page.CB_APMode->Text();
    const bool client = mode == kWirelessClient;
    const bool wds = mode == kWdsWithAp || mode == kWds;
    if (!page.BasicRequest || !page.SecurityRequest || !page.WpaPskRequest || !page.RadiusRequest ||
        !page.RemoteApListRequest || !page.MssidStateRequest || !page.MacCloneStatusRequest || !page.MacCloneRequest) {
        writes.Fail();  // the page was never loaded
        return;
    }

    // Multi-SSID runs with Access Point and WDS with AP only.
    if (mode != kAccessPoint && mode != kWdsWithAp && page.CB_MultEnable->ItemIndex() == kMultiSsidOn) {
        SelectText(page.CB_MultEnable, kDisable);
        Mark(*page.MssidStateRequest, {0}, VkSNMPAccess::readwrite);
        writes.Write(*page.MssidStateRequest, "multi-SSID state");
    }

    // The basic settings of the mode; the band only after it was changed.
    VkSNMPRequest2Edits& basic = *page.BasicRequest;
    Mark(basic, {kSsid, kSsidBroadcast, kChannel, kChannelList, kAutoChannelScan, kApMode, kBand, kChannelWidth},
         VkSNMPAccess::readwrite);
    if (page.CB_Band->ItemIndex() == page.BandAtLoad) Mark(basic, {kBand}, VkSNMPAccess::readonly);
    if (client)
        Mark(basic, {kSsidBroadcast, kChannel, kChannelList, kAutoChannelScan}, VkSNMPAccess::invalid);
    else if (wds)
        Mark(basic, {kChannelList, kAutoChannelScan}, VkSNMPAccess::invalid);
    else
        Mark(basic, {kChannelList}, VkSNMPAccess::invalid);
    if (!client) page.CopyComboText(page.CB_Chanal, page.Ed_Channel);

    // The partners to write: every edit holding an address.
    if (wds)
        for (int row = 0; row < 8; ++row) {
            const std::string address = page.Ed_ReMAddra[row]->Text();
            if (!address.empty() && address != kNoAddress)
                Mark(*page.RemoteApListRequest, {row}, VkSNMPAccess::readwrite, page.RemoteApTableRequest.get());
        }

    // The client's MAC clone: the address and its source only while cloning.
    const bool cloning = page.Cbox_Status->ItemIndex() == kCloneEnabled;
    auto writeMacClone = [&] {
        writes.Write(*page.MacCloneStatusRequest, "MAC clone state");
        if (cloning) writes.Write(*page.MacCloneRequest, "MAC clone address");
    };
    // Again after the security settings: the address only when there is one.
    auto writeMacCloneAgain = [&] {
        Mark(*page.MacCloneRequest, {kCloneAddress},
             page.Ed_CloneMac->Text().empty() ? VkSNMPAccess::readonly : VkSNMPAccess::readwrite);
        writeMacClone();
    };
    if (client) {
        Mark(*page.MacCloneRequest, {kCloneSource, kCloneAddress},
             page.Cbox_Status->ItemIndex() != 0 ? VkSNMPAccess::readwrite : VkSNMPAccess::readonly);
        Mark(*page.MacCloneStatusRequest, {0}, VkSNMPAccess::readwrite);
        writeMacClone();
    }

    // The device's mode is written by its text: the outdoor list the combo
    // may show holds only two of the modes, the binding writes a position
    // of the full list. The shown list comes back afterwards.
    auto writeBasic = [&] {
        std::vector<std::string> shown;
        for (int i = 0; i < page.CB_APMode->ItemCount(); ++i) shown.push_back(page.CB_APMode->ItemText(i));
        ComboBoxItems modes(*page.CB_APMode);
        OptDot11ApMode2.FillComboBox(modes);
        SelectText(page.CB_APMode, mode);
        writes.Write(basic, "basic settings");
        page.CB_APMode->ClearItems();
        for (const std::string& item : shown) page.CB_APMode->AddItem(item);
        SelectText(page.CB_APMode, mode);
    };

    // A security mode the page cannot show stays as the device has it unless
    // the user chose another one.
    const bool keepSecurity = !page.AuthenticationShown && page.CB_SecurityMode->Text() == page.SecurityModeAtLoad;
    const SecurityBlock block =
        keepSecurity ? SecurityBlock::None : BlockOf(page.CB_SecurityMode->Text(), page.CB_dot11Encryption->Text());
    VkSNMPRequest2Edits& security = *page.SecurityRequest;
    VkSNMPRequest2Edits& wpaPsk = *page.WpaPskRequest;
    VkSNMPRequest2Edits& radius = *page.RadiusRequest;
    switch (block) {
        case SecurityBlock::None:
            writeBasic();
            break;
        case SecurityBlock::Open:
            Mark(security, {kAuthentication, kEncryption}, VkSNMPAccess::readwrite);
            writeBasic();
            writes.Write(security, "security");
            break;
        case SecurityBlock::Wep: {
            Mark(security, {kAuthentication, kKeyIndex, kEncryption}, VkSNMPAccess::readwrite);
            SelectText(page.CB_dot11Encryption, kEnable);
            const int key = page.CB_DefaultKey->ItemIndex();
            if (key >= 0 && key < 4) {
                VkSNMPRequest2Edits* const keyRequests[] = {page.WepKey1Request.get(), page.WepKey2Request.get(),
                                                            page.WepKey3Request.get(), page.WepKey4Request.get()};
                ui::Edit* const keyEdits[] = {page.Ed_Key1, page.Ed_Key2, page.Ed_Key3, page.Ed_Key4};
                static const char* const keyNames[] = {"WEP key 1", "WEP key 2", "WEP key 3", "WEP key 4"};
                VkSNMPRequest2Edits& keyRequest = *keyRequests[key];
                Mark(keyRequest, {kEntryMethod, kWepKey}, VkSNMPAccess::readwrite);
                if (Unchanged(keyRequest, kWepKey, keyEdits[key])) Mark(keyRequest, {kWepKey}, VkSNMPAccess::invalid);
                writeBasic();
                writes.Write(keyRequest, keyNames[key]);
            }
            if (client) writeMacCloneAgain();
            page.WarnSharedWepKey();
            writes.Write(security, "security");
            break;
        }
        case SecurityBlock::WpaPersonal: {
            Mark(security, {kAuthentication}, VkSNMPAccess::readwrite);
            const bool periodic =
                page.CB_AutoRekeyType->ItemIndex() == kPeriodicRekey && page.CB_AutoRekeyType->Visible();
            if (!periodic) {
                if (client)
                    Mark(wpaPsk, {kPassPhrase, kCipher, kRekeyControl}, VkSNMPAccess::readwrite);
                else
                    Mark(wpaPsk, {kPassPhrase, kCipher, kGroupKeyInterval, kRekeyControl}, VkSNMPAccess::readwrite);
            } else {
                Mark(wpaPsk, {kCipher, kGroupKeyInterval, kRekeyControl, kRekeyWeek, kRekeyTime, kRekeyInterval},
                     VkSNMPAccess::readwrite);
                page.SyncRekeyStartTime(true);
                // A new periodic key goes to the device's log and mail.
                if (page.CB_AutoRekeyType->ItemIndex() != page.AutoRekeyAtLoad ||
                    page.CB_TimeWeek->ItemIndex() != page.StartWeekAtLoad ||
                    page.CB_dot11Authentication->ItemIndex() != page.AuthenticationAtLoad ||
                    page.Ed_TimeStart->Text() != page.StartTimeAtLoad ||
                    page.Ed_TimeInterval->Text() != page.TimeIntervalAtLoad ||
                    page.CB_CipherType->ItemIndex() != page.CipherTypeAtLoad ||
                    page.Ed_UpdateInterval->Text() != page.GroupKeyIntervalAtLoad)
                    ui::MessageBox(kNewKeyText, kWarningCaption, ui::Buttons::Ok);
            }
            if (Unchanged(wpaPsk, kPassPhrase, page.Ed_Passphrase)) Mark(wpaPsk, {kPassPhrase}, VkSNMPAccess::invalid);
            page.StoreCipherType();
            if (client) writeMacCloneAgain();
            writeBasic();
            writes.Write(wpaPsk, "pass phrase settings");
            writes.Write(security, "security");
            break;
        }
        case SecurityBlock::WpaEnterprise:
        case SecurityBlock::Dot1x: {
            Mark(security, {kAuthentication}, VkSNMPAccess::readwrite);
            Mark(radius, {kNetworkProtection, kRadiusServer, kRadiusPort, kRadiusSecret, kRadiusKeyInterval},
                 VkSNMPAccess::readwrite);
            if (block == SecurityBlock::WpaEnterprise)
                Mark(wpaPsk, {kCipher, kGroupKeyInterval}, VkSNMPAccess::readwrite);
            else
                Mark(wpaPsk, {kGroupKeyInterval}, VkSNMPAccess::readwrite);
            if (Unchanged(radius, kRadiusSecret, page.Edt_RadiusSecret))
                Mark(radius, {kRadiusSecret}, VkSNMPAccess::invalid);
            if (block == SecurityBlock::WpaEnterprise) page.StoreCipherType();
            writeBasic();
            writes.Write(radius, "RADIUS settings");
            writes.Write(wpaPsk, "pass phrase settings");
            writes.Write(security, "security");
            break;
        }
    }

    // The WDS partners: the device's list is emptied, then the addresses go
    // in. The delete-all command itself is never read; it goes out only when
    // the partners were read, so a list the page could not show is kept.
    if (wds && page.RemoteApDeleteAllRequest) {
        page.CB_RemoveMac->SetItemIndex(kDeleteAll);
        const VkSNMPRequest2Controls* partners = page.RemoteApTableRequest.get();
        Mark(*page.RemoteApDeleteAllRequest, {0}, VkSNMPAccess::readwrite, partners);
        writes.Write(*page.RemoteApDeleteAllRequest, "WDS partners", partners);
        writes.Write(*page.RemoteApListRequest, "WDS partners", partners);
    }
}

}  // namespace

// ---- the Save ----------------------------------------------------------------------

void TFM_Wirless::Bt_ApplyClick(ui::Component*) {
    MultiSsidEapCheck = false;
    if (!CheckSaveInput()) return;
    DisabledWhile busy(Bt_Apply);
    SaveWrites writes;
    SetAllWriteFlags(false);
    StoreAuthentication(CB_dot11Authentication, CB_SecurityMode, CB_WPAMode);

    // The application (indoor or outdoor use) exists for Japan only. Written
    // here rather than through SaveApplication, so that its result counts
    // and an application that was not read is named.
    if (ED_Country->Text() == kJapan && ApplicationRequest) {
        StoreApplication();
        Mark(*ApplicationRequest, {0}, VkSNMPAccess::readwrite);
        writes.Write(*ApplicationRequest, "application");
    }

    WriteGroups(*this, writes);

    const std::string mode = CB_APMode->Text();
    const bool client = mode == kWirelessClient;
    // A client runs the mixed wireless mode of its band: the request reads
    // and writes the list of the band the page was loaded with.
    if (client && WifiModeRequest) {
        CB_WMode1->SetItemIndex(kFirstWifiMode);
        if (WifiModeBand == kBand5GHz) CB_WMode2->SetItemIndex(kFirstWifiMode);
        Mark(*WifiModeRequest, {0}, VkSNMPAccess::readwrite);
        writes.Write(*WifiModeRequest, "wireless mode");
    }
    // The main window's global (the form class has a MainForm of its own).
    if (::MainForm != nullptr && ::MainForm->ARPSpoofingPreventionSettings1 != nullptr)
        ::MainForm->ARPSpoofingPreventionSettings1->SetVisible(!client);
    if (mode != kAccessPoint && ApArrayStatusRequest) {
        SelectText(CB_APArryStatus, kDisable);
        Mark(*ApArrayStatusRequest, {0}, VkSNMPAccess::readwrite);
        writes.Write(*ApArrayStatusRequest, "AP array state");
    }

    if (!writes.AllWritten()) {
        ShowStatus(writes.ErrorText());
        return;
    }
    Bt_RefreshClick(this);
    ShowStatus(kSuccessText);
}

// The device's authentication from the operating mode, the Security Mode and
// the WPA Mode (no WPA Mode chosen counts as the list's first entry). A
// combination the modes do not offer leaves the authentication as it is.
void TFM_Wirless::StoreAuthentication(ui::ComboBox* authentication, ui::ComboBox* securityMode, ui::ComboBox* wpaMode) {
    const std::string mode = CB_APMode->Text();
    const std::string security = securityMode->Text();
    std::string wpa = wpaMode->Text();
    if (wpaMode->ItemIndex() < 0) wpa = wpaMode->ItemCount() > 0 ? wpaMode->ItemText(0) : std::string();
    const bool accessPoint = mode == kAccessPoint;
    const bool personalModes = accessPoint || mode == kWirelessClient || mode == kWdsWithAp;

    const char* chosen = nullptr;
    if (security == kOpenSystem) {
        chosen = "opensystem";
    } else if (security == kSharedKey && accessPoint) {
        chosen = "sharedkey";
    } else if (security == kWpaPersonal && personalModes) {
        if (wpa == kWpaAuto)
            chosen = "wpa2-auto-psk";
        else if (wpa == kWpa2Only)
            chosen = "wpa2-psk";
        else if (wpa == kWpaOnly && mode != kWdsWithAp)
            chosen = "wpa-psk";
    } else if (security == kWpaPersonal && mode == kWds) {
        if (wpa == kWpa2Only) chosen = "wpa2-psk";
    } else if (security == kWpaEnterprise && accessPoint) {
        if (wpa == kWpaAuto)
            chosen = "wpa2-auto-eap";
        else if (wpa == kWpa2Only)
            chosen = "wpa2-eap";
        else if (wpa == kWpaOnly)
            chosen = "wpa-eap";
    } else if (security == kDot1x && accessPoint) {
        chosen = "dot1x(10)";
    }
    if (chosen != nullptr) SelectText(authentication, chosen);
}

// ---- marking and writing the groups -----------------------------------------------

bool TFM_Wirless::WriteSettings() {
    SaveWrites writes;
    WriteGroups(*this, writes);
    return writes.AllWritten();
}
