// The Wireless page's requests and its two loads: the opening load and
// Refresh. Every loader creates and binds its requests on the first load
// only (while RequestsCreated is false) and reads on every load.

#include "library/common/option_list.h"
#include "library/snmp/choice_items.h"
#include "pages/basic/wireless_page.h"
#include "pages/basic/wireless_page_texts.h"
#include "pages/common/disabled_while.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_option_lists.h"
#include "shell/mib_tables.h"

namespace {

// The wireless-mode entry without 802.11n: "Mixed 802.11g and 802.11b" on
// 2.4 GHz, "802.11a Only" on 5 GHz.
constexpr int kModeWithoutN = 1;

}  // namespace

// ---- loaders -------------------------------------------------------------------

void TFM_Wirless::LoadManagerIpStatus() {
    if (!RequestsCreated)
        Groups.Make(ManagerIpStatusRequest, {"manager address limiting", VarsManagerIpStatus, SVT_SV, 0, Seconds(100)})
            .BindComboBox(SingleRow::Value, CB_LimitVidStatus);
    Groups.Read(*ManagerIpStatusRequest);
}

void TFM_Wirless::LoadVlanStatus() {
    if (!RequestsCreated)
        Groups.Make(VlanStatusRequest, {"VLAN state", VarsDot11VlanStatus, SVT_SV, 0, Seconds(100)})
            .BindComboBox(SingleRow::Value, CB_VlanStatus);
    Groups.Read(*VlanStatusRequest);
}

void TFM_Wirless::LoadWirelessBasic() {
    if (!RequestsCreated) {
        using namespace WirelessBasicRow;
        VkSNMPRequest2Edits& basic =
            Groups.Make(BasicRequest, {"basic settings", VarsWirelessBasic, MVT_SV, 0, Seconds(20)});
        // Every row is read; the channel list is never written.
        SetRowAccess(basic, {Ssid, SsidBroadcast, Channel, AutoChannelScan, ApMode, Band, ChannelWidth},
                     VkSNMPAccess::readwrite);
        SetRowAccess(basic, {ChannelList}, VkSNMPAccess::readonly);
        basic.BindEdits(Ssid, "%s", Ed_SSID);
        basic.BindComboBox(SsidBroadcast, CB_SsidBroadcast);
        basic.BindEdits(Channel, "%s", Ed_Channel);
        basic.BindEdits(ChannelList, "%s", Ed_ChanListA);
        basic.BindComboBox(AutoChannelScan, CB_AuSc);
        basic.BindComboBox(ApMode, CB_APMode);
        basic.BindComboBox(Band, CB_Band);
        basic.BindComboBox(ChannelWidth, CB_ChannelWidth);
        basic.SetStatusMemo(StatusBar, 0);
        Groups.Make(BaseChannelRequest, {"channel in use", VarsWirelessDataBaseChannel, MVT_SV, 0, Seconds(50)})
            .BindEdits(SingleRow::Value, "%s", Ed_BaseChannel);
    }
    // A read selects the mode by its place in the full list of modes; an
    // earlier load may have left the shorter outdoor list in the combo.
    ComboBoxItems modes(*CB_APMode);
    OptDot11ApMode2.FillComboBox(modes);
    Groups.Read(*BasicRequest);
    Groups.Read(*BaseChannelRequest);
    AtLoad.Take({CB_APMode, CB_SsidBroadcast, CB_AuSc, CB_ChannelWidth});
    ChooseChannelList();
    LoadWifiMode();
    CB_BandChange(this);
    CB_ChanalChange(this);
    if (!RequestsCreated) {
        Groups.Make(MssidStateRequest, {"multi-SSID state", VarsMssidState, MVT_SV, 0, Seconds(10)})
            .BindComboBox(SingleRow::Value, CB_MultEnable);
    }
    if (Groups.Read(*MssidStateRequest)) MultiSsidEnabled = CB_MultEnable->Text() != "Disable";
}

// The wireless mode of the band in use: the 2.4 GHz and the 5 GHz radio have
// lists of their own. The request is made again only when the band differs
// from the one it was made for.
void TFM_Wirless::LoadWifiMode() {
    const int band = CB_Band->ItemIndex();
    if (band != 0 && band != 1) return;
    ui::ComboBox* mode = band == 0 ? CB_WMode1 : CB_WMode2;
    if (!WifiModeRequest || WifiModeBand != band) {
        Groups.Make(WifiModeRequest, {"wireless mode", band == 0 ? VarsWifiMode24 : VarsWifiMode5, MVT_SV, 0,
                                      Seconds(100)})
            .BindComboBox(SingleRow::Value, mode);
        WifiModeBand = band;
    }
    Groups.Read(*WifiModeRequest);
    WifiModeHasN = mode->ItemIndex() != kModeWithoutN;
}

void TFM_Wirless::LoadKeySettings() {
    if (!RequestsCreated) {
        using namespace WirelessSecurityRow;
        VkSNMPRequest2Edits& security =
            Groups.Make(SecurityRequest, {"security", VarsWirelessSecurity, MVT_SV, 0, Seconds(50)});
        security.BindComboBox(Authentication, CB_dot11Authentication);
        security.BindComboBox(KeyIndex, CB_DefaultKey);
        security.BindComboBox(Encryption, CB_dot11Encryption);
        security.SetStatusMemo(StatusBar, 0);
    }
    Groups.Read(*SecurityRequest);
    ShowAuthentication();
    AtLoad.Take({CB_dot11Authentication, CB_SecurityMode});
    SecurityModePicked = false;

    struct Key {
        VkSNMPRequest2Edits** request;
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
            VkSNMPRequest2Edits& request = Groups.Make(*k.request, {k.name, k.table, MVT_SV, 0, Seconds(10)});
            request.BindComboBox(WepKeyRow::EntryMethod, k.type);
            request.BindEdits(WepKeyRow::Key, "%s", k.key);
        }
        Groups.Read(**k.request);
    }
    CopyKeyToConfirm(CB_DefaultKey->ItemIndex());
    DeriveWepKeySizes();
}

void TFM_Wirless::LoadPassphraseSettings() {
    if (!RequestsCreated) {
        using namespace WirelessWpaPskRow;
        VkSNMPRequest2Edits& wpa =
            Groups.Make(WpaPskRequest, {"pass phrase settings", VarsWirelessWpaPsk, MVT_SV, 0, Seconds(10)});
        wpa.BindEdits(PassPhrase, "%s", Ed_Passphrase);
        wpa.BindComboBox(CipherType, CB_Clipher);
        wpa.BindEdits(GroupKeyInterval, "%u", Ed_UpdateInterval);
        wpa.BindComboBox(RekeyControl, CB_AutoRekeyType);
        wpa.BindComboBox(RekeyStartWeek, CB_TimeWeek);
        wpa.BindEdits(RekeyStartTime, "%s", Ed_TimeStart);
        wpa.BindEdits(RekeyInterval, "%u", Ed_TimeInterval);
        wpa.BindEdits(RekeyPassPhrase, "%s", Ed_AutoRekeyPassphrase);
        wpa.SetStatusMemo(StatusBar, 0);
        // After the binding, which sets the edits' limits from their constraints.
        Ed_TimeInterval->SetMaxLength(3);
    }
    Groups.Read(*WpaPskRequest);
    Ed_ConfirmPass->SetText(Ed_Passphrase->Text());
    SyncRekeyStartTime(false);
    AtLoad.Take({Ed_UpdateInterval, CB_AutoRekeyType, CB_TimeWeek, Ed_TimeStart, Ed_TimeInterval});
}

void TFM_Wirless::LoadRadiusSettings() {
    if (!RequestsCreated) {
        using namespace WirelessRadiusRow;
        VkSNMPRequest2Edits& radius =
            Groups.Make(RadiusRequest, {"RADIUS settings", VarsWirelessRadius, MVT_SV, 0, Seconds(10)});
        radius.BindComboBox(NetworkProtection, CB_NetProtect);
        radius.BindEdits(Server, "%s", Edt_RadiusServer);
        radius.BindEdits(Port, "%u", Edt_RadiusPort);
        radius.BindEdits(Secret, "%s", Edt_RadiusSecret);
        radius.BindEdits(BackupServer, "%s", Edt_BackRadiusServer);
        radius.BindEdits(BackupPort, "%u", Edt_BackRadiusPort);
        radius.BindEdits(BackupSecret, "%s", Edt_BackRadiusSecret);
        radius.BindComboBox(AccountingStatus, CB_AccountMode);
        radius.BindEdits(AccountingServer, "%s", Edt_AccountServer);
        radius.BindEdits(AccountingPort, "%s", Edt_AccountPort);
        radius.BindEdits(AccountingSecret, "%s", Edt_AccountSecret);
        radius.BindEdits(BackupAccountingServer, "%s", Edt_BackAccountServer);
        radius.BindEdits(BackupAccountingPort, "%s", Edt_BackAccountPort);
        radius.BindEdits(BackupAccountingSecret, "%s", Edt_BackAccountSecret);
        radius.BindComboBox(Source, Cbox_RadiusSer);
        radius.BindEdits(KeyUpdateInterval, "%u", Ed_Update2);
        radius.SetStatusMemo(StatusBar, 0);
        // The page reads neither the backup server nor the accounting
        // servers nor the RADIUS source.
        SetRowAccess(radius,
                     {BackupServer, BackupPort, BackupSecret, AccountingStatus, AccountingServer, AccountingPort,
                      AccountingSecret, BackupAccountingServer, BackupAccountingPort, BackupAccountingSecret, Source},
                     VkSNMPAccess::invalid);
    }
    Groups.Read(*RadiusRequest);
}

void TFM_Wirless::LoadWdsMacs() {
    if (!RequestsCreated) {
        VkSNMPRequest2Edits& list =
            Groups.Make(RemoteApListRequest, {"WDS partners", VarsWirelessRemoteApList, MVT_SV, 0, Seconds(50)});
        for (int row = 0; row < kWdsPartners; ++row) list.BindEdits(row, "%h", Ed_ReMAddra[row]);
        VkSNMPRequest2Edits& table = Groups.Make(
            RemoteApTableRequest, {"WDS partners", VarsWirelessRemoteApTable, MVT_UMV, 2, Seconds(50), true});
        table.BindListView(Lv_RemoteMac, false);
        table.OnGetDone = [this](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
            OnRemoteApTableDone(sender, result);
        };
        Groups.Make(RemoteApDeleteAllRequest, {"WDS partners", VarsWirelessRemoteApDeleteAll, MVT_SV})
            .BindComboBox(SingleRow::Value, CB_RemoveMac);
    }
    // The address edits are filled when the walk has completed.
    Groups.StartRead(*RemoteApTableRequest);
}

void TFM_Wirless::CreateSiteSurveyRequests() {
    struct Survey {
        VkSNMPRequest2Edits** refresh;
        const VkSNMPVarEntry* refreshTable;
        ui::ComboBox* refreshHolder;
        VkSNMPRequest2Edits** walk;
        const VkSNMPVarEntry* walkTable;
        ui::ListView* view;
        const char* name;
    } const surveys[] = {
        {&SiteSurveyRefreshRequest, VarsWirelessSurveyRefresh, CB_SiteScan, &SiteSurveyRequest,
         VarsWirelessSiteSurvey, LV_ClientSiteServey, "site survey"},
        {&WdsSiteSurveyRefreshRequest, VarsWirelessWdsSurveyRefresh, CB_WdsSiteScan, &WdsSiteSurveyRequest,
         VarsWirelessWdsSurvey, LV_WdsSiteServey, "WDS site survey"},
    };
    for (const Survey& s : surveys) {
        VkSNMPRequest2Edits& refresh =
            Groups.Make(*s.refresh, {s.name, s.refreshTable, MVT_SV, 0, Seconds(10), true});
        refresh.BindComboBox(SingleRow::Value, s.refreshHolder);
        refresh.OnSetDone = [this](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
            OnSurveyRefreshDone(sender, result);
        };
        VkSNMPRequest2Edits& walk = Groups.Make(*s.walk, {s.name, s.walkTable, MVT_UMV, 1, Seconds(10), true});
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
    Groups.BeginLoad();
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
    AtLoad.Take({CB_CipherType, CB_Band, CB_Applicaiton});
    Cbox_RadiusSerChange(this);
    Cbox_StatusChange(this);
    CB_AutoRekeyTypeChange(this);
    SetEditLimits();
    LoadMssidTable();
    ShowAllWdsMacEdits();
    Groups.Make(ApArrayStatusRequest, {"AP array state", VarsApArrayStatus, SVT_SV, 0, Seconds(100)})
        .BindComboBox(SingleRow::Value, CB_APArryStatus);
    Groups.Read(*ApArrayStatusRequest);
    ShowLoadResult();
}

// Reads every group again, and what an earlier load could not read.
void TFM_Wirless::Bt_RefreshClick(ui::Component*) {
    DisabledWhile busy(Bt_Refresh);
    RequestsCreated = true;
    ReadSettingsGroups();
    LoadMacClone();
    ArrangePage();
    AtLoad.Take({CB_CipherType, CB_Band, CB_Applicaiton});
    SetEditLimits();
    CB_dot11EncryptionChange(this);
    CB_AutoRekeyTypeChange(this);
    Cbox_StatusChange(this);
    Groups.ReadFailedAgain();
    ShowLoadResult();
}

void TFM_Wirless::ShowLoadResult() {
    const std::string text = Groups.LoadText();
    if (!text.empty())
        StatusBar->ShowMessage(text);
    else if (!AuthenticationShown)
        StatusBar->ShowMessage(WirelessAuthenticationUnshownText);
}
