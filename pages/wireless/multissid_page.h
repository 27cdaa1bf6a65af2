#pragma once
// The Multi-SSID page ("Advanced \ Multi-SSID"): the primary SSID (shown,
// only its priority written here) and SSID 1 to 7 with their names,
// visibility, WMM, priority, security and RADIUS servers, and the
// device-wide switches "Enable Multi-SSID " and "Enable Priority".
//
// The opening reads the AP mode, the band and the switches, starts the
// asynchronous walk of the SSID table into a hidden list and walks the
// RADIUS table. "Add" writes the chosen SSID with its state "Enabled",
// "Delete" writes its state "Disabled", "Save" writes the switches.
//
// The page is spread over files: the form, load and lists
// (multissid_page.cpp), the security controls and panels
// (multissid_page_security.cpp) and the per-SSID write
// (multissid_page_add.cpp).

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListView;
class Panel;
class StatusBar;
}  // namespace ui
struct VkSNMPError;

class TFM_MultiSSIDNewForm : public ui::Form {
public:
    explicit TFM_MultiSSIDNewForm(ui::Component* owner);

    ui::Panel* Panel1;
    // "Multi-SSID Settings"
    ui::GroupBox* GroupBox1;
    ui::CheckBox* IfEnabMuSSID;
    ui::CheckBox* Chk_MultiPri;
    ui::ComboBox* Cbox_Priority;
    ui::ComboBox* CB_Band;
    ui::ComboBox* CB_Index;
    ui::Edit* Ed_SSID;
    ui::ComboBox* CB_SsidBroadcast;
    ui::ComboBox* CB_SSIDSecurityMode;
    ui::ComboBox* CB_WMM;
    // "Key Settings"
    ui::GroupBox* GroupBox2;
    ui::ComboBox* CB_MssidEncryption;
    ui::ComboBox* CB_KeyType;
    ui::ComboBox* CB_WepEncryp;
    ui::ComboBox* CB_DefaultKey;
    ui::Edit* Ed_Key;
    ui::Edit* Ed_ConfirmKey;
    // "Passphrase Settings"
    ui::GroupBox* GroupBox3;
    ui::ComboBox* CB_WPAMode;
    ui::ComboBox* CB_CipherType;
    ui::Label* Label19;
    ui::Edit* Ed_UpdateInterval;
    ui::Edit* Ed_KeyUpdate;
    ui::Label* Label_AutoRekey;
    ui::ComboBox* CB_AutoRekeyType;
    ui::Label* Label_ActivatedFrom;
    ui::ComboBox* CB_TimeWeek;
    ui::Label* Label_Colon1;
    ui::ComboBox* CB_TimeHour;
    ui::ComboBox* CB_TimeSec;
    ui::Label* Label_TimeInterval;
    ui::Edit* Ed_TimeInterval;
    ui::Label* Label_Hours;
    ui::Label* Label_Passphrase;
    ui::Edit* Ed_Passphrase;
    ui::Edit* Ed_AutoRekeyPassphrase;
    ui::Label* Label_ConPassphrase;
    ui::Edit* Ed_ConfirmPass;
    // RADIUS, inside "Passphrase Settings"
    ui::GroupBox* GroupBox7;
    ui::ComboBox* Cbox_MultiRadser;
    ui::Edit* Edt_RadiusServer;
    ui::Edit* Edt_RadiusPort;
    ui::Edit* Edt_RadiusSecret;
    // Below the visible part of the RADIUS group, bound to nothing: the backup
    // server and accounting settings the device does not take from this page;
    // only their enabled state follows the selection.
    ui::Edit* Edt_BackupServer;
    ui::Edit* Edt_BackupPort;
    ui::Edit* Edt_BackupSecret;
    ui::ComboBox* CB_AccountMode;
    ui::Edit* Edt_AccountServer;
    ui::Edit* Edt_AccountPort;
    ui::Edit* Edt_AccountSecret;
    // Outside the visible area: writes the RADIUS group again.
    ui::Button* BT_Test;
    // "Mulit-SSID"
    ui::GroupBox* GroupBox4;
    ui::Button* AddButton;
    ui::Button* DelButton;
    ui::ListView* LV_MultiSSID_User;
    ui::Button* ApplyBtn;
    ui::Button* CancelBtn;
    ui::StatusBar* StatusBar;
    // hidden: device values behind the visible choices, the walked lists
    ui::Label* Lb_Ifindex;
    ui::Label* Lb_Ssidindex;
    ui::ComboBox* CB_IdvState;
    ui::ComboBox* CB_dot11Authentication;
    ui::ComboBox* CB_Clipher;
    ui::ComboBox* CB_ApMode;
    ui::Edit* Ed_TimeStart;
    ui::ListView* MulSSIDListView;
    ui::ListView* LV_RadiusServer;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* BandRequest = nullptr;
    VkSNMPRequest2Edits* MssidStateRequest = nullptr;
    VkSNMPRequest2Edits* MssidTableRequest = nullptr;
    VkSNMPRequest2Edits* RadiusRequest = nullptr;

    bool SelectingRow = false;
    std::string PrimaryAuthentication;
    std::string PrimaryRekeyControl;
    bool NewKeyNoticePending = false;
    // The selected SSID's stored security is one the controls show as it
    // is; otherwise the security controls as shown at selection, which a
    // write leaves alone unless the user changed them.
    bool SecurityShowable = true;
    std::vector<int> ShownSecurity;
    // The RADIUS rows the last RADIUS write sent.
    std::vector<int> RadiusRows;
    // The SSID table as walked, each row by its SSID index, and as the
    // visible list shows it (the enabled SSIDs); the RADIUS table the same
    // way. The Index combo's position stands for an index
    // (MssidEntryIndex), never for a row's place in a list.
    WalkedRows Ssids;
    WalkedRows RadiusServers;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void CB_IndexChange(ui::Component* sender);
    void LV_MultiSSID_UserClick(ui::Component* sender);
    void IfEnabMuSSIDClick(ui::Component* sender);
    void Chk_MultiPriClick(ui::Component* sender);
    void ApplyBtnClick(ui::Component* sender);
    void DelButtonClick(ui::Component* sender);
    void AddButtonClick(ui::Component* sender);
    void CancelBtnClick(ui::Component* sender);
    // security controls
    void CB_SSIDSecurityModeChange(ui::Component* sender);
    void CB_MssidEncryptionChange(ui::Component* sender);
    void CB_KeyTypeChange(ui::Component* sender);
    void CB_DefaultKeyChange(ui::Component* sender);
    void CB_AutoRekeyTypeChange(ui::Component* sender);
    void Cbox_MultiRadserChange(ui::Component* sender);
    void CB_AccountModeChange(ui::Component* sender);
    void CB_SecurityModeChange(ui::Component* sender);
    void BT_TestClick(ui::Component* sender);

    void OnMssidTableGetDone(VkSNMPError* result);
    void OnMssidTableSetDone(VkSNMPError* result);
    void FillMssidUserList();
    void EnableMssidControls(bool enable);
    void ShowMssidSecurity();
    void ArrangeMssidSecurityPanels(bool primary);
    void ShowMssidKeySize();
    void SetMssidKeyMaxLength();
    void SetMssidEditLimits();
    void MssidRekeyStartTime(bool toDevice);
    void StartTableWalk();

    int ApMode() const;
    int SecurityMode() const;
    // The form's outer height (the designed form heights count the frame).
    int FormHeight() const;

private:
    void BuildControls();
    void BuildSecurityControls();
    void BuildHiddenRadiusControls();
    void MakeGroups();
    // The page moves the Index combo itself: the hidden selection and the
    // shown values follow, as after the user's choice.
    void MoveIndexTo(int position);
    // The walked row a write of the chosen entry goes to: the one selected,
    // while it is the entry's row; null otherwise.
    ui::ListItem* TargetSsidRow() const;
    ui::ListItem* TargetRadiusRow() const;
    std::vector<int> SecurityChoices() const;
    // per-SSID write (multissid_page_add.cpp)
    bool CheckSsidName();
    bool CheckDuplicateMssid();
    bool CheckMssidWepKey();
    bool CheckPassPhrase();
    bool CheckInterval(ui::Edit* edit, bool focus);
    bool CheckMssidRadius();
    bool SwitchToAccessPoint();
    void AddPrimary();
    void AddSsid();
    std::vector<int> SecurityRows(bool& twice, bool& radius);
    bool SaveMssidRadius();
    void WarnSharedKey();
    void WriteTable(const std::vector<int>& rows, int times, bool refresh);
};

extern TFM_MultiSSIDNewForm* FM_MultiSSIDNewForm;
// Carries over from one opening of the page to the next: the AP-mode
// warning is due at the next enabling of Multi-SSID.
extern bool WarnApModeOnEnable;
