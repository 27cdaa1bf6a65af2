// The Wireless page's Save: after every check has passed (wireless_page_checks.cpp)
// the controls are made ready for writing (the stored authentication, cipher
// and re-key start time, the commands and states the writes carry, the
// warnings), then the groups are written one after another as the write plan
// of the operating mode and security mode says (wireless_page_rules.h), and
// the main window's ARP entry follows the mode. The status line says
// "Setting Success!" only when every write went through; the page is then
// read again.

#include <string>
#include <vector>

#include "library/snmp/choice_items.h"
#include "pages/basic/wireless_page.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/basic/wireless_page_vars.h"
#include "pages/common/control_helpers.h"
#include "pages/common/disabled_while.h"
#include "pages/common/group_writes.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/status_bar.h"
#include "shell/main_form.h"
#include "shell/mib_option_lists.h"

namespace {

constexpr char kSuccessText[] = "Setting Success!";
constexpr char kErrorText[] = "Setting error!";
constexpr char kNewKeyText[] = "Please check the Log or E-mail for the new security key!";
constexpr int kFirstWifiMode = 0;  // "Mixed 802.11n,802.11g and 802.11b", "Mixed 802.11n and 802.11a"
constexpr int kDeleteAll = 1;      // CB_RemoveMac: "deleteall"

bool Plans(const std::vector<GroupWrite>& plan, WirelessGroup group) {
    for (const GroupWrite& write : plan)
        if (write.group == group) return true;
    return false;
}

}  // namespace

// ---- what the writes depend on -----------------------------------------------------

WirelessSaveInput TFM_Wirless::SaveInput() const {
    WirelessSaveInput in;
    in.mode = WirelessModeOf(CB_APMode->Text());
    // A security mode the page cannot show stays as the device has it unless
    // the user picked one.
    const bool keepSecurity = !AuthenticationShown && !SecurityModePicked;
    in.security = keepSecurity ? SecurityBlock::None
                               : SecurityBlockOf(CB_SecurityMode->Text(), CB_dot11Encryption->Text() == kEnable);
    in.writeApplication = ApplicationToWrite();
    in.multiSsidOn = CB_MultEnable->ItemIndex() == kSecondItem;
    in.bandChanged = AtLoad.Changed({CB_Band});
    in.channelPicked = ChannelPicked && CB_Chanal->ItemIndex() >= 0;
    for (int row = 0; row < kWdsPartners; ++row) {
        const std::string address = Ed_ReMAddra[row]->Text();
        if (!address.empty() && address != kNoMacAddress) in.partnerRows.push_back(row);
    }
    in.cloning = Cbox_Status->ItemIndex() == kSecondItem;
    in.cloneAddressEmpty = Ed_CloneMac->Text().empty();
    in.wepKey = CB_DefaultKey->ItemIndex();
    const ui::Edit* const keys[] = {Ed_Key1, Ed_Key2, Ed_Key3, Ed_Key4};
    VkSNMPRequest2Edits* const keyGroups[] = {WepKey1Request, WepKey2Request, WepKey3Request, WepKey4Request};
    if (in.wepKey >= 0 && in.wepKey < 4 && keyGroups[in.wepKey] != nullptr)
        in.wepKeyUnchanged = SecretUnchanged(*keyGroups[in.wepKey], WepKeyRow::Key, keys[in.wepKey]);
    in.periodicRekey = CB_AutoRekeyType->ItemIndex() == kSecondItem && CB_AutoRekeyType->Visible();
    if (WpaPskRequest != nullptr)
        in.passPhraseUnchanged = SecretUnchanged(*WpaPskRequest, WirelessWpaPskRow::PassPhrase, Ed_Passphrase);
    if (RadiusRequest != nullptr)
        in.radiusSecretUnchanged = SecretUnchanged(*RadiusRequest, WirelessRadiusRow::Secret, Edt_RadiusSecret);
    return in;
}

VkSNMPRequest2Edits* TFM_Wirless::GroupOf(WirelessGroup group) const {
    switch (group) {
        case WirelessGroup::Application: return ApplicationRequest;
        case WirelessGroup::MultiSsidState: return MssidStateRequest;
        case WirelessGroup::MacCloneStatus: return MacCloneStatusRequest;
        case WirelessGroup::MacClone: return MacCloneRequest;
        case WirelessGroup::Basic: return BasicRequest;
        case WirelessGroup::WepKey1: return WepKey1Request;
        case WirelessGroup::WepKey2: return WepKey2Request;
        case WirelessGroup::WepKey3: return WepKey3Request;
        case WirelessGroup::WepKey4: return WepKey4Request;
        case WirelessGroup::WpaPsk: return WpaPskRequest;
        case WirelessGroup::Radius: return RadiusRequest;
        case WirelessGroup::Security: return SecurityRequest;
        case WirelessGroup::RemoteApDeleteAll: return RemoteApDeleteAllRequest;
        case WirelessGroup::RemoteApList: return RemoteApListRequest;
        case WirelessGroup::WifiMode: return WifiModeRequest;
        case WirelessGroup::ApArrayStatus: return ApArrayStatusRequest;
    }
    return nullptr;
}

// ---- writing ----------------------------------------------------------------------

namespace {

// Puts into the controls what the planned writes carry beyond what the user
// typed, and shows the warnings that go with them.
void PrepareWrites(TFM_Wirless& page, const WirelessSaveInput& in, const std::vector<GroupWrite>& plan) {
    if (Plans(plan, WirelessGroup::Application)) page.StoreApplication();
    if (Plans(plan, WirelessGroup::MultiSsidState)) SelectText(page.CB_MultEnable, kDisable);
    if (in.channelPicked) page.CopyComboText(page.CB_Chanal, page.Ed_Channel);
    switch (in.security) {
        case SecurityBlock::Wep:
            SelectText(page.CB_dot11Encryption, kEnable);
            page.WarnSharedWepKey();
            break;
        case SecurityBlock::WpaPersonal:
            if (in.periodicRekey) {
                page.SyncRekeyStartTime(true);
                // A new periodic key goes to the device's log and mail.
                if (page.AtLoad.Changed({page.CB_AutoRekeyType, page.CB_TimeWeek, page.CB_dot11Authentication,
                                         page.Ed_TimeStart, page.Ed_TimeInterval, page.CB_CipherType,
                                         page.Ed_UpdateInterval}))
                    ui::MessageBox(kNewKeyText, kWarningCaption, ui::Buttons::Ok);
            }
            page.StoreCipherType();
            break;
        case SecurityBlock::WpaEnterprise:
            page.StoreCipherType();
            break;
        default:
            break;
    }
    if (Plans(plan, WirelessGroup::RemoteApDeleteAll)) page.CB_RemoveMac->SetItemIndex(kDeleteAll);
    if (Plans(plan, WirelessGroup::WifiMode)) {
        // The mode the plan requires is written over any value the page did
        // not understand.
        ui::ComboBox* mode = page.WifiModeBand == kBand5Item ? page.CB_WMode2 : page.CB_WMode1;
        page.CB_WMode1->SetItemIndex(kFirstWifiMode);
        if (page.WifiModeBand == kBand5Item) page.CB_WMode2->SetItemIndex(kFirstWifiMode);
        if (page.WifiModeRequest != nullptr) page.WifiModeRequest->NotePicked(mode);
    }
    if (Plans(plan, WirelessGroup::ApArrayStatus)) SelectText(page.CB_APArryStatus, kDisable);
}

// The device's mode is written by its text: the outdoor list the combo may
// show holds only two of the modes, while the binding writes a position of
// the full list. The shown list comes back afterwards.
void WriteBasic(TFM_Wirless& page, GroupWrites& writes, const std::vector<int>& rows) {
    const std::string mode = page.CB_APMode->Text();
    std::vector<std::string> shown;
    for (int i = 0; i < page.CB_APMode->ItemCount(); ++i) shown.push_back(page.CB_APMode->ItemText(i));
    ComboBoxItems modes(*page.CB_APMode);
    OptDot11ApMode2.FillComboBox(modes);
    SelectText(page.CB_APMode, mode);
    writes.Write(*page.BasicRequest, rows);
    page.CB_APMode->ClearItems();
    for (const std::string& item : shown) page.CB_APMode->AddItem(item);
    SelectText(page.CB_APMode, mode);
}

}  // namespace

bool TFM_Wirless::WriteSettings() {
    const WirelessSaveInput in = SaveInput();
    const std::vector<GroupWrite> plan = PlanWirelessWrites(in);
    GroupWrites writes(Groups);
    PrepareWrites(*this, in, plan);
    for (const GroupWrite& write : plan) {
        VkSNMPRequest2Edits* group = GroupOf(write.group);
        if (group == nullptr) {
            writes.Fail();  // the page was never loaded
        } else if (write.group == WirelessGroup::Basic) {
            WriteBasic(*this, writes, write.rows);
        } else {
            // The partner places are filled by the partner walk.
            const bool partners =
                write.group == WirelessGroup::RemoteApDeleteAll || write.group == WirelessGroup::RemoteApList;
            writes.Write(*group, write.rows, partners ? RemoteApTableRequest : nullptr);
        }
    }
    // The main window's global (the form class has a MainForm of its own).
    if (::MainForm != nullptr && ::MainForm->ARPSpoofingPreventionSettings1 != nullptr)
        ::MainForm->ARPSpoofingPreventionSettings1->SetVisible(in.mode != WirelessMode::WirelessClient);
    if (!writes.AllWritten()) StatusBar->ShowMessage(writes.FailureText(kErrorText));
    return writes.AllWritten();
}

// ---- the Save ----------------------------------------------------------------------

void TFM_Wirless::Bt_ApplyClick(ui::Component*) {
    MultiSsidEapCheck = false;
    if (!CheckSaveInput()) return;
    DisabledWhile busy(Bt_Apply);
    StoreAuthentication(CB_dot11Authentication, CB_SecurityMode, CB_WPAMode);
    if (!WriteSettings()) return;
    Bt_RefreshClick(this);
    StatusBar->ShowMessage(kSuccessText);
}

// The device's authentication from the operating mode, the Security Mode and
// the WPA Mode (no WPA Mode chosen counts as the list's first entry). A
// combination the modes do not offer leaves the authentication as it is.
void TFM_Wirless::StoreAuthentication(ui::ComboBox* authentication, ui::ComboBox* securityMode,
                                      ui::ComboBox* wpaMode) {
    std::string wpa = wpaMode->Text();
    if (wpaMode->ItemIndex() < 0) wpa = wpaMode->ItemCount() > 0 ? wpaMode->ItemText(0) : std::string();
    const char* chosen = AuthenticationOf(WirelessModeOf(CB_APMode->Text()), securityMode->Text(), wpa);
    if (chosen != nullptr) SelectText(authentication, chosen);
    // What the user picked as security mode is the user's pick of the
    // authentication too, also over a value the page did not understand.
    if (SecurityModePicked && SecurityRequest != nullptr) SecurityRequest->NotePicked(authentication);
}
