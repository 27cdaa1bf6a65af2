// The Wireless page's requests and its two loads: the opening load and
// Refresh. Every loader creates and binds its requests on the first load
// only (while RequestsCreated is false) and reads on every load.

#include "library/common/messages.h"
#include "library/common/option_list.h"
#include "library/snmp/choice_items.h"
#include "pages/basic/wireless_page.h"
#include "pages/common/disabled_while.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "shell/mib_option_lists.h"
#include "shell/mib_tables.h"

namespace {

// Time-outs in hundredths of a second per try.
constexpr int kTimeout10s = 1000;
constexpr int kTimeout20s = 2000;
constexpr int kTimeout50s = 5000;
constexpr int kTimeout100s = 10000;

// The program-wide code of a request the device did not answer in time.
constexpr int kNoAnswerCode = VK_ERR_TIMEOUT;

// Rows of the basic settings table.
constexpr int kChannelListRow = 3;
constexpr int kBasicRows = 8;
// Rows of the RADIUS table a load leaves out: the backup RADIUS server, the
// accounting servers and mode, and the RADIUS source.
constexpr int kFirstUnreadRadiusRow = 4;
constexpr int kLastUnreadRadiusRow = 14;
// The wireless-mode entry without 802.11n: "Mixed 802.11g and 802.11b" on
// 2.4 GHz, "802.11a Only" on 5 GHz.
constexpr int kModeWithoutN = 1;

void SetAccess(VkSNMPRequest2Edits& request, int first, int last, int32_t access) {
    for (int row = first; row <= last; ++row) request.request.vars.Item(row)->access = access;
}

}  // namespace

// ---- requests ------------------------------------------------------------------

VkSNMPRequest2Edits& TFM_Wirless::NewRequest(std::unique_ptr<VkSNMPRequest2Edits>& slot,
                                             const VkSNMPVarEntry* table, VkSNMPVarListKind kind, int timeout) {
    slot = std::make_unique<VkSNMPRequest2Edits>(this);
    slot->async = false;
    if (timeout > 0) slot->request.timeout = timeout;
    slot->request.vars = VkSNMPVarList(table, kind, 0);
    return *slot;
}

bool TFM_Wirless::ReadGroup(VkSNMPRequest2Edits& request, const std::string& groupName) {
    if (DeviceSilent) {
        request.lastReadOk = false;  // not read in this load
        UnreadGroups.push_back(groupName);
        return false;
    }
    int failure = 0;
    VkSNMPErrorCallback previous = request.request.onError;
    request.request.onError = [&failure](const VkSNMPError& result) {
        if (result.code != 0) failure = result.code;
    };
    bool ok = request.Get() && request.lastReadOk;
    request.request.onError = previous;
    if (!ok) {
        UnreadGroups.push_back(groupName);
        if (failure == kNoAnswerCode) DeviceSilent = true;
    }
    return ok;
}

void TFM_Wirless::ShowLoadResult() {
    if (DeviceSilent) {
        ShowStatus(WirelessDeviceSilentText);
        return;
    }
    if (UnreadGroups.empty()) {
        if (!AuthenticationShown) ShowStatus(WirelessAuthenticationUnshownText);
        return;
    }
    std::string text = WirelessUnreadPrefix;
    for (size_t i = 0; i < UnreadGroups.size(); ++i) text += (i > 0 ? ", " : "") + UnreadGroups[i];
    ShowStatus(text);
}

// ---- loaders -------------------------------------------------------------------

void TFM_Wirless::LoadManagerIpStatus() {
    if (!RequestsCreated)
        NewRequest(ManagerIpStatusRequest, VarsManagerIpStatus, SVT_SV, kTimeout100s).BindComboBox(0, CB_LimitVidStatus);
    ReadGroup(*ManagerIpStatusRequest, "manager address limiting");
}

void TFM_Wirless::LoadVlanStatus() {
    if (!RequestsCreated)
        NewRequest(VlanStatusRequest, VarsDot11VlanStatus, SVT_SV, kTimeout100s).BindComboBox(0, CB_VlanStatus);
    ReadGroup(*VlanStatusRequest, "VLAN state");
}

void TFM_Wirless::LoadWirelessBasic() {
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& basic = NewRequest(BasicRequest, VarsWirelessBasic, MVT_SV, kTimeout20s);
        SetAccess(basic, 0, kBasicRows - 1, VkSNMPAccess::readwrite);
        SetAccess(basic, kChannelListRow, kChannelListRow, VkSNMPAccess::readonly);
        basic.BindEdits(0, "%s", Ed_SSID);
        basic.BindComboBox(1, CB_SsidBroadcast);
        basic.BindEdits(2, "%s", Ed_Channel);
        basic.BindEdits(3, "%s", Ed_ChanListA);
        basic.BindComboBox(4, CB_AuSc);
        basic.BindComboBox(5, CB_APMode);
        basic.BindComboBox(6, CB_Band);
        basic.BindComboBox(7, CB_ChannelWidth);
        basic.SetStatusMemo(StatusBar, 0);
        NewRequest(BaseChannelRequest, VarsWirelessDataBaseChannel, MVT_SV, kTimeout50s)
            .BindEdits(0, "%s", Ed_BaseChannel);
    }
    // A read selects the mode by its place in the full list of modes; an
    // earlier load may have left the shorter outdoor list in the combo.
    ComboBoxItems modes(*CB_APMode);
    OptDot11ApMode2.FillComboBox(modes);
    ReadGroup(*BasicRequest, "basic settings");
    ReadGroup(*BaseChannelRequest, "channel in use");
    ApModeAtLoad = CB_APMode->Text();
    SsidBroadcastAtLoad = CB_SsidBroadcast->ItemIndex();
    ChooseChannelList();
    LoadWifiMode();
    CB_BandChange(this);
    CB_ChanalChange(this);
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& state = NewRequest(MssidStateRequest, VarsMssidState, MVT_SV, kTimeout10s);
        SetAccess(state, 0, 0, VkSNMPAccess::readwrite);
        state.BindComboBox(0, CB_MultEnable);
    }
    if (ReadGroup(*MssidStateRequest, "multi-SSID state")) MultiSsidEnabled = CB_MultEnable->Text() != "Disable";
}

// The wireless mode of the band in use: the 2.4 GHz and the 5 GHz radio have
// lists of their own. The request is made again only when the band differs
// from the one it was made for.
void TFM_Wirless::LoadWifiMode() {
    const int band = CB_Band->ItemIndex();
    if (band != 0 && band != 1) return;
    ui::ComboBox* mode = band == 0 ? CB_WMode1 : CB_WMode2;
    if (!WifiModeRequest || WifiModeBand != band) {
        NewRequest(WifiModeRequest, band == 0 ? VarsWifiMode24 : VarsWifiMode5, MVT_SV, kTimeout100s)
            .BindComboBox(0, mode);
        WifiModeBand = band;
    }
    ReadGroup(*WifiModeRequest, "wireless mode");
    WifiModeHasN = mode->ItemIndex() != kModeWithoutN;
}

void TFM_Wirless::LoadKeySettings() {
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& security = NewRequest(SecurityRequest, VarsWirelessSecurity, MVT_SV, kTimeout50s);
        security.BindComboBox(0, CB_dot11Authentication);
        security.BindComboBox(1, CB_DefaultKey);
        security.BindComboBox(2, CB_dot11Encryption);
        security.SetStatusMemo(StatusBar, 0);
    }
    ReadGroup(*SecurityRequest, "security");
    ShowAuthentication();
    AuthenticationAtLoad = CB_dot11Authentication->ItemIndex();
    SecurityModeAtLoad = CB_SecurityMode->Text();

    struct Key {
        std::unique_ptr<VkSNMPRequest2Edits>* request;
        const VkSNMPVarEntry* table;
        ui::ComboBox* type;
        ui::Edit* key;
        const char* name;
    } const keys[] = {{&WepKey1Request, VarsWirelessWepKey1, CB_KeyType1, Ed_Key1, "WEP key 1"},
                      {&WepKey2Request, VarsWirelessWepKey2, CB_KeyType2, Ed_Key2, "WEP key 2"},
                      {&WepKey3Request, VarsWirelessWepKey3, CB_KeyType3, Ed_Key3, "WEP key 3"},
                      {&WepKey4Request, VarsWirelessWepKey4, CB_KeyType4, Ed_Key4, "WEP key 4"}};
    for (const Key& k : keys) {
        if (!RequestsCreated) {
            VkSNMPRequest2Edits& request = NewRequest(*k.request, k.table, MVT_SV, kTimeout10s);
            request.BindComboBox(0, k.type);
            request.BindEdits(1, "%s", k.key);
        }
        ReadGroup(**k.request, k.name);
    }
    CopyKeyToConfirm(CB_DefaultKey->ItemIndex());
    DeriveWepKeySizes();
}

void TFM_Wirless::LoadPassphraseSettings() {
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& wpa = NewRequest(WpaPskRequest, VarsWirelessWpaPsk, MVT_SV, kTimeout10s);
        SetAccess(wpa, 0, 2, VkSNMPAccess::readwrite);
        wpa.BindEdits(0, "%s", Ed_Passphrase);
        wpa.BindComboBox(1, CB_Clipher);
        wpa.BindEdits(2, "%u", Ed_UpdateInterval);
        wpa.BindComboBox(3, CB_AutoRekeyType);
        wpa.BindComboBox(4, CB_TimeWeek);
        wpa.BindEdits(5, "%s", Ed_TimeStart);
        wpa.BindEdits(6, "%u", Ed_TimeInterval);
        wpa.BindEdits(7, "%s", Ed_AutoRekeyPassphrase);
        wpa.SetStatusMemo(StatusBar, 0);
        // After the binding, which sets the edits' limits from their constraints.
        Ed_TimeInterval->SetMaxLength(3);
    }
    ReadGroup(*WpaPskRequest, "pass phrase settings");
    GroupKeyIntervalAtLoad = Ed_UpdateInterval->Text();
    Ed_ConfirmPass->SetText(Ed_Passphrase->Text());
    SyncRekeyStartTime(false);
    AutoRekeyAtLoad = CB_AutoRekeyType->ItemIndex();
    StartWeekAtLoad = CB_TimeWeek->ItemIndex();
    StartTimeAtLoad = Ed_TimeStart->Text();
    TimeIntervalAtLoad = Ed_TimeInterval->Text();
}

void TFM_Wirless::LoadRadiusSettings() {
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& radius = NewRequest(RadiusRequest, VarsWirelessRadius, MVT_SV, kTimeout10s);
        radius.BindComboBox(0, CB_NetProtect);
        radius.BindEdits(1, "%s", Edt_RadiusServer);
        radius.BindEdits(2, "%u", Edt_RadiusPort);
        radius.BindEdits(3, "%s", Edt_RadiusSecret);
        radius.BindEdits(4, "%s", Edt_BackRadiusServer);
        radius.BindEdits(5, "%u", Edt_BackRadiusPort);
        radius.BindEdits(6, "%s", Edt_BackRadiusSecret);
        radius.BindComboBox(7, CB_AccountMode);
        radius.BindEdits(8, "%s", Edt_AccountServer);
        radius.BindEdits(9, "%s", Edt_AccountPort);
        radius.BindEdits(10, "%s", Edt_AccountSecret);
        radius.BindEdits(11, "%s", Edt_BackAccountServer);
        radius.BindEdits(12, "%s", Edt_BackAccountPort);
        radius.BindEdits(13, "%s", Edt_BackAccountSecret);
        radius.BindComboBox(14, Cbox_RadiusSer);
        radius.BindEdits(15, "%u", Ed_Update2);
        radius.SetStatusMemo(StatusBar, 0);
    }
    SetAccess(*RadiusRequest, kFirstUnreadRadiusRow, kLastUnreadRadiusRow, VkSNMPAccess::invalid);
    ReadGroup(*RadiusRequest, "RADIUS settings");
}

void TFM_Wirless::LoadWdsMacs() {
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& list = NewRequest(RemoteApListRequest, VarsWirelessRemoteApList, MVT_SV, kTimeout50s);
        for (int row = 0; row < 8; ++row) list.BindEdits(row, "%h", Ed_ReMAddra[row]);
        VkSNMPRequest2Edits& table = NewRequest(RemoteApTableRequest, VarsWirelessRemoteApTable, MVT_UMV, kTimeout50s);
        table.request.vars = VkSNMPVarList(VarsWirelessRemoteApTable, MVT_UMV, 2);
        table.async = true;
        table.BindListView(Lv_RemoteMac, false);
        table.OnGetDone = [this](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
            OnRemoteApTableDone(sender, result);
        };
        NewRequest(RemoteApDeleteAllRequest, VarsWirelessRemoteApDeleteAll, MVT_SV, 0)
            .BindComboBox(0, CB_RemoveMac);
    }
    // The address edits are filled when the walk has completed.
    if (DeviceSilent)
        UnreadGroups.push_back("WDS partners");
    else
        RemoteApTableRequest->Get();
}

void TFM_Wirless::CreateSiteSurveyRequests() {
    struct Survey {
        std::unique_ptr<VkSNMPRequest2Edits>* refresh;
        const VkSNMPVarEntry* refreshTable;
        ui::ComboBox* refreshHolder;
        std::unique_ptr<VkSNMPRequest2Edits>* walk;
        const VkSNMPVarEntry* walkTable;
        ui::ListView* view;
    } const surveys[] = {
        {&SiteSurveyRefreshRequest, VarsWirelessSurveyRefresh, CB_SiteScan, &SiteSurveyRequest,
         VarsWirelessSiteSurvey, LV_ClientSiteServey},
        {&WdsSiteSurveyRefreshRequest, VarsWirelessWdsSurveyRefresh, CB_WdsSiteScan, &WdsSiteSurveyRequest,
         VarsWirelessWdsSurvey, LV_WdsSiteServey},
    };
    for (const Survey& s : surveys) {
        VkSNMPRequest2Edits& refresh = NewRequest(*s.refresh, s.refreshTable, MVT_SV, kTimeout10s);
        refresh.async = true;
        refresh.BindComboBox(0, s.refreshHolder);
        refresh.OnSetDone = [this](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
            OnSurveyRefreshDone(sender, result);
        };
        VkSNMPRequest2Edits& walk = NewRequest(*s.walk, s.walkTable, MVT_UMV, kTimeout10s);
        walk.request.vars = VkSNMPVarList(s.walkTable, MVT_UMV, 1);
        walk.async = true;
        walk.BindListView(s.view, false);
        walk.OnGetDone = [this](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
            OnSurveyTableDone(sender, result);
        };
        if (s.view->ColumnCount() > 0) s.view->SetColumnWidth(0, 0);
    }
}

// ---- the two loads ---------------------------------------------------------------

// The groups both loads read, in this order.
void TFM_Wirless::ReadSettingsGroups() {
    UnreadGroups.clear();
    DeviceSilent = false;
    LoadApModeStatus();
    LoadManagerIpStatus();
    LoadVlanStatus();
    Load5GHzChannelLists();
    LoadCountryCode();
    LoadApplication();
    LoadWirelessBasic();
    LoadKeySettings();
    LoadPassphraseSettings();
    LoadRadiusSettings();
    LoadWdsMacs();
}

void TFM_Wirless::FormCreate(ui::Component*) {
    WifiModeHasN = true;
    ReadSettingsGroups();
    CreateSiteSurveyRequests();
    LoadMacClone();
    ArrangeApplicationRow();
    ArrangePage();
    CipherTypeAtLoad = CB_CipherType->ItemIndex();
    BandAtLoad = CB_Band->ItemIndex();
    Cbox_RadiusSerChange(this);
    Cbox_StatusChange(this);
    CB_AutoRekeyTypeChange(this);
    SetEditLimits();
    LoadMssidTable();
    ShowAllWdsMacEdits();
    NewRequest(ApArrayStatusRequest, VarsApArrayStatus, SVT_SV, kTimeout100s).BindComboBox(0, CB_APArryStatus);
    ReadGroup(*ApArrayStatusRequest, "AP array state");
    ShowLoadResult();
}

void TFM_Wirless::Bt_RefreshClick(ui::Component*) {
    DisabledWhile busy(Bt_Refresh);
    RequestsCreated = true;
    SetAllWriteFlags(true);
    ReadSettingsGroups();
    LoadMacClone();
    ArrangePage();
    CipherTypeAtLoad = CB_CipherType->ItemIndex();
    BandAtLoad = CB_Band->ItemIndex();
    SetEditLimits();
    CB_dot11EncryptionChange(this);
    CB_AutoRekeyTypeChange(this);
    Cbox_StatusChange(this);
    ShowLoadResult();
}

void TFM_Wirless::SetAllWriteFlags(bool on) {
    const int32_t flag = on ? VkSNMPAccess::readwrite : VkSNMPAccess::invalid;
    struct Rows {
        std::unique_ptr<VkSNMPRequest2Edits>* request;
        int first, last;
    } const groups[] = {{&BasicRequest, 0, 7},   {&SecurityRequest, 0, 2}, {&WepKey1Request, 0, 1},
                        {&WepKey2Request, 0, 1}, {&WepKey3Request, 0, 1}, {&WepKey4Request, 0, 1},
                        {&WpaPskRequest, 0, 6},  {&RemoteApListRequest, 0, 7}, {&RadiusRequest, 0, 3},
                        {&RadiusRequest, 15, 15}};
    for (const Rows& g : groups)
        if (*g.request) SetAccess(**g.request, g.first, g.last, flag);
    if (!on && RadiusRequest) SetAccess(*RadiusRequest, 0, 15, flag);
}
