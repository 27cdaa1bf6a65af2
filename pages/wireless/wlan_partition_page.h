#pragma once
// The WLAN Partition page ("Advanced \WLAN Partition"): whether Ethernet
// traffic may reach the wireless side, link integrity, and for the primary
// SSID and multi-SSIDs 1 to 7 whether their stations may reach one another.
//
// Each SSID's device value sits in a hidden combo; a visible radio group
// shows it by position: value 0 (the device's "Disabled") as "Enable", 1 as
// "Disable ", 2 as "GuestMode", and Save writes the positions back the same
// way. Save writes all ten rows in one SET, also those of disabled controls
// (they carry the values read); nothing when the partition settings were not
// read.

#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/wireless/wlan_partition_page_vars.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class GroupBox;
class Label;
class RadioGroup;
class StatusBar;
}  // namespace ui

class TFM_WLANPart : public ui::Form {
public:
    explicit TFM_WLANPart(ui::Component* owner);

    ui::Label* Label_Band;
    ui::ComboBox* CB_WBand;  // always disabled
    ui::Label* Label_LinkInte;
    ui::ComboBox* Cbox_LinkInte;
    ui::Label* Label_WLANAccess;
    ui::ComboBox* CB_WLANAccess;
    ui::GroupBox* GroupBox1;  // "Internal Station Connection"
    // Primary SSID (0) and multi-SSIDs 1 to 7: RadioGroup1 .. RadioGroup8.
    ui::Label* Label_Ssid[WlanPartitionRow::kSsids];
    ui::RadioGroup* RadioGroup[WlanPartitionRow::kSsids];
    ui::Button* Btn_Apply;  // "Save"
    ui::StatusBar* StatusBar;

    // Hidden holders of device values, and controls never shown.
    ui::ComboBox* CB_ApMode;
    ui::CheckBox* Chkbox_MulssidStatus;
    // Cbox_PriSSID, Cbox_MultiSSID1 .. Cbox_MultiSSID7.
    ui::ComboBox* Cbox_Ssid[WlanPartitionRow::kSsids];
    ui::ComboBox* CB_DeviceApplySetting;
    ui::Button* Btn_Refresh;
    ui::Button* Btn_Close;
    ui::Label* Label_StationConnection;
    ui::ComboBox* CB_StationConnection;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* BandRequest = nullptr;
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* MssidStateRequest = nullptr;
    VkSNMPRequest2Edits* PartitionRequest = nullptr;
    VkSNMPRequest2Edits* ApplyRequest = nullptr;  // made, never read or written

    void FormCreate(ui::Component* sender);
    void Btn_ApplyClick(ui::Component* sender);
    void CB_WLANAccessChange(ui::Component* sender);
    void Chkbox_MulssidStatusClick(ui::Component* sender);
    void Btn_RefreshClick(ui::Component* sender);
    void Btn_CloseClick(ui::Component* sender);

private:
    void BuildControls();
    void BuildHiddenHolders();
    void ReadGroups();
    void ShowStationConnections();
    void StoreStationConnections();
    void ApplyApModeRule();
    void ShowAllSsidRows();
};

extern TFM_WLANPart* FM_WLANPart;

extern const char* const PartitionSetOkText;     // "Setting Success!"
extern const char* const PartitionSetErrorText;  // "Setting Error!"
extern const char* const PartitionWarningText;   // the Ethernet to WLAN "Disable" warning
