#pragma once
// The Wireless page ("Home \ Wireless"): the radio's settings. Application
// (indoor or outdoor use, for one country only), band, operating mode, SSID
// and its visibility, channel and automatic channel scan, channel width, the
// security mode with its WEP keys, WPA pass-phrase, group key interval and
// automatic re-keying, RADIUS servers, the WDS partners with a site survey,
// and the MAC clone of Wireless Client mode.
//
// The page keeps no settings of its own: every group of device objects is
// one request bound to controls, read when the page opens and on Refresh.
// Several device values live in hidden controls and are shown through
// friendlier visible ones (the device's authentication becomes a Security
// Mode plus a WPA Mode, the channel number an entry of the channel list).
// AtLoad records what the device said, so that the layout can go back to the
// device's values and Save can tell what the user changed.
//
// The page is split over several files by concern, all on the one form
// class (the sections of the class below name the file of each function):
//   wireless_page.cpp           the form and its controls, the handlers'
//                               connections, the status line, show and close
//   wireless_page_load.cpp      the requests of the settings groups, the
//                               opening and Refresh loads and their end
//   wireless_page_layout.cpp    Security Mode and WPA Mode from the device's
//                               authentication, the layout by operating mode
//                               and security mode with its handlers, key
//                               entry, edit limits and small conversions
//   wireless_page_channels.cpp  country, application and channel lists, the
//                               channel choice and width rule, the multi-SSID
//                               rules, and the handlers of the security fields
//   wireless_page_wds.cpp       operating mode state, MAC clone loading and its
//                               controls, the WDS partner edits
//   wireless_page_survey.cpp    site survey, adding WDS partners, clone scan
//   wireless_page_checks.cpp    the checks of a Save
//   wireless_page_save.cpp      Save: what the writes depend on, the groups of
//                               the write plan, the writing
//   wireless_page_rules.*       the decisions without controls: authentication
//                               views, the lists offered, the write plan
//   wireless_page_vars.*        the page's variable tables and option lists
//   wireless_page_texts.h       the texts and positions the files share
//
// The page's groups (pages/common/page_groups.h) remember which reads failed;
// the status line names them, and the opening load stops at the first read
// the device does not answer at all instead of waiting out every remaining
// time-out. Refresh reads again whatever an earlier load could not read.

#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/basic/wireless_page_rules.h"
#include "pages/common/control_snapshot.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListView;
class PageControl;
class StatusBar;
class TabSheet;
class Timer;
}  // namespace ui

struct VkSNMPVarEntry;

// The height of the "Wireless Network Settings" group: 157, less once the
// Application row has been removed. The layout stacks the other groups below
// it. One per program.
extern int SettingsGroupHeight;
// Whether the device's multi-SSID state read "Enable" at the last successful
// read. One per program.
extern bool MultiSsidEnabled;

class TFM_Wirless : public ui::Form {
public:
    explicit TFM_Wirless(ui::Component* owner);

    // ---- the form ----------------------------------------------------------
    ui::PageControl* PC_Wirless;
    ui::TabSheet* TS_11a;
    ui::Button* Bt_Apply;    // "Save"
    ui::Button* Bt_Refresh;
    ui::Button* Bt_Close;
    ui::StatusBar* StatusBar;  // panel 0 carries the page's status texts

    // "Wireless Network Settings" (on the tab)
    ui::GroupBox* GroupBox1;
    ui::Label* Label51;  // "Application "
    ui::ComboBox* CB_Applicaiton;
    ui::Label* La_Band;
    ui::ComboBox* CB_Band;  // disabled: the band cannot be changed here
    ui::Label* La_APMode;
    ui::ComboBox* CB_APMode;
    ui::Label* La_SSID;
    ui::Edit* Ed_SSID;
    ui::Label* La_SsidBroadcast;
    ui::ComboBox* CB_SsidBroadcast;
    ui::Label* La_AuSc;
    ui::ComboBox* CB_AuSc;
    ui::Label* La_Chanal;
    ui::ComboBox* CB_Chanal;
    ui::Label* La_SecurityMode;  // "Authentication "
    ui::ComboBox* CB_SecurityMode;
    ui::Label* La_ChannelWidth;
    ui::ComboBox* CB_ChannelWidth;
    // hidden value holders of the group
    ui::ComboBox* CB_dot11Authentication;
    ui::Edit* Ed_Channel;
    ui::Edit* Ed_ChanListA;
    ui::ComboBox* CB_MultEnable;
    ui::ComboBox* CB_VlanStatus;
    ui::Edit* Ed_APModeChange;
    ui::Edit* ED_Country;
    ui::ComboBox* CB_App;
    ui::Edit* ED_IndoorWdsChannelList;
    ui::Edit* ED_IndoorChannelList;
    ui::Edit* ED_OutdoorChannelList;

    // "Key settings" (on the tab): four key rows at one place, one shown
    ui::GroupBox* GroupBox5;
    ui::Label* La_Encryption;
    ui::ComboBox* CB_dot11Encryption;
    ui::Label* La_KeySize;
    ui::ComboBox* CB_WepEncryp1;
    ui::ComboBox* CB_WepEncryp2;
    ui::ComboBox* CB_WepEncryp3;
    ui::ComboBox* CB_WepEncryp4;
    ui::Label* La_KeyType;
    ui::ComboBox* CB_KeyType1;
    ui::ComboBox* CB_KeyType2;
    ui::ComboBox* CB_KeyType3;
    ui::ComboBox* CB_KeyType4;
    ui::Label* La_KeyIndex;
    ui::ComboBox* CB_DefaultKey;
    ui::Label* La_NetworkKey;
    ui::Edit* Ed_Key1;
    ui::Edit* Ed_Key2;
    ui::Edit* Ed_Key3;
    ui::Edit* Ed_Key4;
    ui::Label* La_ConfirmKey;
    ui::Edit* Ed_ConfirmKey;

    // "Passphrase Settings" / "RADIUS Server Settings" (on the tab)
    ui::GroupBox* GroupBox6;
    ui::Label* La_WPAMode;
    ui::ComboBox* CB_WPAMode;
    ui::Label* La_CipherType;
    ui::ComboBox* CB_CipherType;
    ui::Label* Label19;  // "Group Key Update Interval  " / "Key Update Interval"
    ui::Edit* Ed_UpdateInterval;
    ui::Edit* Ed_Update2;
    ui::Label* La_Seconds;
    ui::Label* La_AutoRekey;  // "AutoRekeyControl" over two lines
    ui::ComboBox* CB_AutoRekeyType;
    ui::Label* La_ActivatedFrom;
    ui::ComboBox* CB_TimeWeek;
    ui::ComboBox* CB_TimeHour;
    ui::Label* La_Colon1;
    ui::ComboBox* CB_TimeSec;  // the minutes
    ui::Label* La_Colon2;
    ui::Label* La_TimeInterval;
    ui::Edit* Ed_TimeInterval;
    ui::Label* La_Hours;  // "(1~168)hour(s)"
    ui::Label* La_Passphrase;
    ui::Edit* Ed_Passphrase;
    ui::Edit* Ed_AutoRekeyPassphrase;
    ui::Label* Label_ConPassphrase;
    ui::Edit* Ed_ConfirmPass;
    // hidden value holders of the group
    ui::ComboBox* CB_Clipher;  // the stored cipher: "auto", "aes", "tkip", "wep"
    ui::Edit* Ed_TimeStart;    // the re-key start time "hh:mm"

    // the RADIUS group inside GroupBox6
    ui::GroupBox* GroupBox2;
    ui::Label* La_NetProtect;
    ui::ComboBox* CB_NetProtect;
    ui::Label* La_PrimaryRadius;
    ui::Label* La_RadiusServer;
    ui::Edit* Edt_RadiusServer;
    ui::Label* La_RadiusPort;
    ui::Edit* Edt_RadiusPort;
    ui::Label* La_RadiusSecret;
    ui::Edit* Edt_RadiusSecret;
    // below the group's shown height: never seen
    ui::Label* La_BackRadius;
    ui::Edit* Edt_BackRadiusServer;
    ui::Edit* Edt_BackRadiusPort;
    ui::Edit* Edt_BackRadiusSecret;
    ui::Label* La_RadiusMode;
    ui::ComboBox* Cbox_RadiusSer;
    ui::Label* La_Accounting;
    ui::ComboBox* CB_AccountMode;
    ui::Edit* Edt_AccountServer;
    ui::Edit* Edt_AccountPort;
    ui::Edit* Edt_AccountSecret;
    ui::Label* La_BackAccounting;
    ui::Edit* Edt_BackAccountServer;
    ui::Edit* Edt_BackAccountPort;
    ui::Edit* Edt_BackAccountSecret;

    // "WDS" (on the tab): partner addresses 1 to 8
    ui::GroupBox* GroupBox3;
    ui::Label* La_RemoteAp;
    ui::Edit* Ed_ReMAddra[8];   // Ed_ReMAddra0 .. Ed_ReMAddra7
    ui::Label* La_WdsNumber[8];  // "1" .. "8"

    // "Site Survey" (on the tab)
    ui::GroupBox* GroupBox4;
    ui::Button* SiteScan;
    ui::ListView* LV_ClientSiteServey;
    ui::ListView* LV_WdsSiteServey;
    ui::ComboBox* CB_SiteScan;     // hidden
    ui::ComboBox* CB_WdsSiteScan;  // hidden

    // "Wireless Mac Clone" (on the form)
    ui::GroupBox* GroupBox7;
    ui::Label* La_CloneStatus;
    ui::ComboBox* Cbox_Status;
    ui::Label* La_MacSource;
    ui::ComboBox* Cbox_MacSource;
    ui::Label* La_CloneMac;
    ui::Edit* Ed_CloneMac;
    ui::Button* Bt_CloneScan;
    ui::ListView* LV_MacClone;
    ui::ComboBox* Cbox_CloneScan;  // hidden

    // further hidden value holders
    ui::ComboBox* CB_WMode1;  // 2.4 GHz wireless mode (tab)
    ui::ComboBox* CB_WMode2;  // 5 GHz wireless mode (tab)
    ui::Edit* Ed_BaseChannel;  // the channel in use (tab)
    ui::ListView* LV_Multi2;   // the multi-SSID rules (tab)
    ui::ListView* Lv_RemoteMac;  // the WDS partner table (form)
    ui::ComboBox* CB_RemoveMac;
    ui::ComboBox* CB_LimitVidStatus;
    ui::ComboBox* CB_APArryStatus;

    // ---- the groups (each a request bound to controls) --------------------
    PageGroups Groups{this};
    VkSNMPRequest2Edits* BasicRequest = nullptr;
    VkSNMPRequest2Edits* BaseChannelRequest = nullptr;
    VkSNMPRequest2Edits* WifiModeRequest = nullptr;
    VkSNMPRequest2Edits* MssidStateRequest = nullptr;
    VkSNMPRequest2Edits* SecurityRequest = nullptr;
    VkSNMPRequest2Edits* WepKey1Request = nullptr;
    VkSNMPRequest2Edits* WepKey2Request = nullptr;
    VkSNMPRequest2Edits* WepKey3Request = nullptr;
    VkSNMPRequest2Edits* WepKey4Request = nullptr;
    VkSNMPRequest2Edits* WpaPskRequest = nullptr;
    VkSNMPRequest2Edits* RadiusRequest = nullptr;
    VkSNMPRequest2Edits* RemoteApListRequest = nullptr;
    VkSNMPRequest2Edits* RemoteApTableRequest = nullptr;
    VkSNMPRequest2Edits* RemoteApDeleteAllRequest = nullptr;
    VkSNMPRequest2Edits* WirelessMssidTableRequest = nullptr;
    VkSNMPRequest2Edits* SiteSurveyRefreshRequest = nullptr;
    VkSNMPRequest2Edits* SiteSurveyRequest = nullptr;
    VkSNMPRequest2Edits* WdsSiteSurveyRefreshRequest = nullptr;
    VkSNMPRequest2Edits* WdsSiteSurveyRequest = nullptr;
    VkSNMPRequest2Edits* ManagerIpStatusRequest = nullptr;
    VkSNMPRequest2Edits* VlanStatusRequest = nullptr;
    VkSNMPRequest2Edits* ApArrayStatusRequest = nullptr;
    VkSNMPRequest2Edits* ApModeStatusRequest = nullptr;
    VkSNMPRequest2Edits* CountryCodeRequest = nullptr;
    VkSNMPRequest2Edits* ApplicationRequest = nullptr;
    VkSNMPRequest2Edits* IndoorWdsChannelsRequest = nullptr;
    VkSNMPRequest2Edits* IndoorChannelsRequest = nullptr;
    VkSNMPRequest2Edits* OutdoorChannelsRequest = nullptr;
    VkSNMPRequest2Edits* MacCloneStatusRequest = nullptr;
    VkSNMPRequest2Edits* MacCloneRefreshRequest = nullptr;
    VkSNMPRequest2Edits* MacCloneRequest = nullptr;
    VkSNMPRequest2Edits* MacCloneListRequest = nullptr;

    // ---- what the last load found -----------------------------------------
    bool RequestsCreated = false;     // true from the first Refresh on
    // What the device said, as the controls showed it after the load: the
    // operating mode, SSID visibility, automatic channel scan, channel width,
    // group key interval, authentication, Security Mode, re-key settings,
    // cipher, band and application.
    ControlSnapshot AtLoad;
    int LastChannelIndex = -1;        // CB_Chanal position after the last fill
    // Whether the user picked a channel since CB_Chanal was last filled.
    // Only a picked channel is written: the list may lack the device's
    // channel (then nothing is selected), and with automatic channel scan it
    // shows the channel in use, not the one configured.
    bool ChannelPicked = false;
    bool WifiModeHasN = true;         // the band's wireless mode includes 802.11n
    int VlanWarningShown = 0;         // 1 once the VLAN warning was shown
    bool MultiSsidEapCheck = true;    // false from the first Save on
    // False when the device's authentication is one the Security Mode list
    // of the current operating mode cannot show; the status line says so and
    // Save leaves the device's security objects alone unless the user picks
    // a Security Mode.
    bool AuthenticationShown = true;
    // Whether the user picked a Security Mode since the last load (also the
    // one shown).
    bool SecurityModePicked = false;
    // The band WifiModeRequest was made for (-1: none yet).
    int WifiModeBand = -1;

    // ---- the form (wireless_page.cpp) ----------------------------------------
    void FormShow(ui::Component* sender);
    void Bt_CloseClick(ui::Component* sender);

    // ---- loading (wireless_page_load.cpp) ----------------------------------
    void FormCreate(ui::Component* sender);
    void Bt_RefreshClick(ui::Component* sender);
    void ReadSettingsGroups();
    void LoadManagerIpStatus();
    void LoadVlanStatus();
    void LoadWirelessBasic();
    void LoadPassphraseSettings();
    void LoadRadiusSettings();
    void LoadKeySettings();
    void LoadWdsMacs();
    void CreateSiteSurveyRequests();
    // Reads the wireless mode of the band in use into CB_WMode1 (2.4 GHz) or
    // CB_WMode2 (5 GHz) and sets WifiModeHasN.
    void LoadWifiMode();
    // Ends a load in the status line: the device went silent, or the groups
    // that could not be read, or a security mode the page cannot show;
    // nothing when all is well.
    void ShowLoadResult();

    // ---- layout by operating mode and security (wireless_page_layout.cpp) --
    void ShowAuthentication();
    void ArrangePage();
    void CB_APModeChange(ui::Component* sender);
    void CB_SecurityModeChange(ui::Component* sender);
    void CB_AuScClick(ui::Component* sender);
    void CB_CipherTypeChange(ui::Component* sender);
    void CB_KeyType1Change(ui::Component* sender);
    void CB_WepEncryp1Change(ui::Component* sender);
    void CB_DefaultKeyChange(ui::Component* sender);
    void ApplyWepKeyLengths();
    void ShowDefaultKeyRow();
    void SetEditLimits();
    void StoreCipherType();
    void SyncRekeyStartTime(bool join);
    bool CheckDuplicateWdsMacs();
    bool FillChannelCombo(ui::Control* listHolder, ui::ComboBox* combo, ui::Control* current);

    // ---- channels, country, application, field handlers
    //      (wireless_page_channels.cpp) --------------------------------------
    void LoadCountryCode();
    void Load5GHzChannelLists();
    void LoadApplication();
    void FillApplicationList();
    void ChooseChannelList();
    void CB_BandChange(ui::Component* sender);
    void CB_ApplicaitonChange(ui::Component* sender);
    void CB_ChanalChange(ui::Component* sender);
    void StoreApplication();
    void SaveApplication();
    // Whether a Save writes the application.
    bool ApplicationToWrite() const;
    void ArrangeApplicationRow();
    void ApplyChannelWidthRule();
    bool CopyComboText(ui::ComboBox* combo, ui::Edit* edit);
    static bool SsidIsAscii(const std::string& text);
    void CB_dot11EncryptionChange(ui::Component* sender);
    void CB_AccountModeChange(ui::Component* sender);
    void Cbox_RadiusSerChange(ui::Component* sender);
    void CB_AutoRekeyTypeChange(ui::Component* sender);
    void CB_NetProtectChange(ui::Component* sender);
    void WsKey1Click(ui::Component* sender);
    void WsKey2Click(ui::Component* sender);
    void WsKeyClick(ui::Component* sender);
    void WsKey4Click(ui::Component* sender);
    void WsKeyConClick(ui::Component* sender);
    void WsPass2Click(ui::Component* sender);
    void WsConfimPassClick(ui::Component* sender);
    void WsRadiusClick(ui::Component* sender);
    void DeriveWepKeySizes();
    void CopyKeyToConfirm(int index);
    void PlaceRadiusRows();
    void PlaceKeyIntervalRow();
    void WarnSharedWepKey();
    void LoadMssidTable();

    // ---- Save: the checks (wireless_page_checks.cpp) ------------------------
    // Every check of a Save, in order, before anything is written; false at
    // the first failure, after its message and focus.
    bool CheckSaveInput();
    bool ValidateWepKey(int keyNumber);
    // 2 accepted, 1 refused (after its message and focus).
    int CheckHexKey(ui::Edit* keyEdit);
    bool ValidateSsidAndWdsMacs();

    // ---- Save: what the writes depend on, writing (wireless_page_save.cpp) ---
    void Bt_ApplyClick(ui::Component* sender);
    void StoreAuthentication(ui::ComboBox* authentication, ui::ComboBox* securityMode, ui::ComboBox* wpaMode);
    // Writes the groups of the operating mode and security mode; true when
    // every write succeeded.
    bool WriteSettings();
    // What the Save's writes depend on, from the controls.
    WirelessSaveInput SaveInput() const;
    // The group a plan names.
    VkSNMPRequest2Edits* GroupOf(WirelessGroup group) const;

    // ---- operating mode state, MAC clone, WDS partners (wireless_page_wds.cpp)
    void LoadApModeStatus();
    void LoadMacClone();
    void Cbox_StatusChange(ui::Component* sender);
    void Cbox_MacSourceChange(ui::Component* sender);
    void LV_MacCloneClick(ui::Component* sender);
    void PrepareWdsMacEdits();
    void ShowAllWdsMacEdits();
    void OnRemoteApTableDone(VkSNMPRequest2Controls* sender, VkSNMPError* result);

    // ---- site survey and clone scan (wireless_page_survey.cpp) -------------
    void SiteScanClick(ui::Component* sender);
    void OnSurveyRefreshDone(VkSNMPRequest2Controls* sender, VkSNMPError* result);
    void OnSurveyTableDone(VkSNMPRequest2Controls* sender, VkSNMPError* result);
    void LV_ClientSiteServeyClick(ui::Component* sender);
    void LV_WdsSiteServeyClick(ui::Component* sender);
    bool AddWdsMac(std::string mac);
    static void StripColons(std::string& text);
    void Bt_CloneScanClick(ui::Component* sender);
    // The scans in progress. A site survey runs
    // from the Scan click to the end of its walk; the survey started decides
    // the walk, whatever the mode reads by then. The clone scan runs from its
    // click to the end of the clone list walk.
    enum class SurveyKind { None, Client, Wds };
    SurveyKind RunningSurvey = SurveyKind::None;
    bool ApModeEnabledBeforeSurvey = true;  // CB_APMode as the survey found it
    bool CloneScanRunning = false;
    bool CloneRefreshOk = false;  // the clone refresh SET of the running scan
    // Ends a scan whose completion will never come (an exception inside an
    // answer); owned by the page, runs only during scans.
    ui::Timer* ScanWatch = nullptr;
    // Ends a scan that is marked running while none of its requests is busy.
    void EndIdleScans();
    void EndSurvey();
    void EndCloneScan(bool succeeded);

private:
    // The form's construction (wireless_page.cpp).
    void BuildForm();
    void BuildSettingsGroup();
    void BuildKeyGroup();
    void BuildPassphraseGroup();
    void BuildRadiusGroup();
    void BuildWdsGroup();
    void BuildSurveyGroup();
    void BuildMacCloneGroup();
    void BuildHiddenHolders();
    void ConnectHandlers();
};

extern TFM_Wirless* FM_Wirless;

// The page's status text for an authentication its lists cannot show.
extern const char* const WirelessAuthenticationUnshownText;
