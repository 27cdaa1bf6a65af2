#pragma once
// The AP Array page ("Advanced \  AP Array"): the device's membership in an
// array of access points that share settings. Whether the array is on, the
// device's role (Master, Backup Master, Slave), the array's name and
// password, and 33 switches saying which groups of settings the array keeps
// alike, over five tabs (three of the switches have no visible box but are
// read, cleared and written like the others). "Scan" asks the device for the
// arrays around; the page lists them and the array's current members.
//
// The array can be on only for an access point: in another AP mode the page
// opens with it off and the switch disabled, and Save leaves the device's
// value alone. Save checks the array name, then writes the settings and the
// switches; nothing at all while either was not read. The password is
// written only when the user typed a new one. The page is split over two
// files: this form with its opening load, and ap_array_page_actions.cpp (the
// scan, the lists, Clear all and Save).

#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/wireless/ap_array_page_vars.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListView;
class PageControl;
class RadioGroup;
class StatusBar;
class TabSheet;
}  // namespace ui
class New_req2Edit;

constexpr int kApArrayTabs = 5;

class TFM_APArray : public ui::Form {
public:
    explicit TFM_APArray(ui::Component* owner);

    ui::GroupBox* GroupBox1;  // "AP Array"
    ui::CheckBox* Chk_APArray;
    ui::RadioGroup* RadioGroup1;  // "Master", "Backup Master", "Slave"
    ui::Label* Lb_APArrayName;
    ui::Edit* Ed_APArrayName;
    ui::Label* Lb_APArrayPW;
    ui::Edit* Ed_APArrayPW;
    ui::Label* Lb_Connection;
    ui::Label* Lb_ConnectStatus;  // "Connect" / "Disconnect"
    ui::Label* Lb_Scan;
    ui::Button* Bt_Scan;
    ui::GroupBox* GroupBox2;  // "AP Array List "
    ui::ListView* LV_ApArrayListUser;
    ui::GroupBox* GroupBox3;  // "Current Array Members "
    ui::ListView* LV_CurrentMem;
    ui::Label* Lb_Sync;
    ui::Button* Btn_Clearall;
    ui::PageControl* PC_ParameterSet;
    ui::TabSheet* Tabs[kApArrayTabs];  // TabSheet1 ... TabSheet5
    // The switches' check boxes by the switches' rows (CheckBox1 ... chk_Band).
    ui::CheckBox* SyncCheckBoxes[kApArraySyncSwitches];
    ui::Button* Bt_ArraySave;  // "Save"
    ui::StatusBar* StatusBar1;  // one panel
    // hidden
    ui::ComboBox* Cbox_apmode;
    ui::ComboBox* Cbox_ArrayMode;
    ui::ComboBox* CB_ScanStatus;
    ui::ComboBox* Cbox_Scan;
    ui::ComboBox* Cbox_Role;  // bound to nothing
    ui::ListView* LV_ApArrayList;  // the scan list as walked

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* SettingsRequest = nullptr;
    VkSNMPRequest2Edits* ScanStatusRequest = nullptr;
    VkSNMPRequest2Edits* ScanRequest = nullptr;
    VkSNMPRequest2Edits* ScanListRequest = nullptr;
    New_req2Edit* MembersRequest = nullptr;
    VkSNMPRequest2Edits* SwitchesRequest = nullptr;

    // The device is no access point: the page turned the array off itself,
    // so Save does not write that.
    bool ArrayOffByApMode = false;

    void FormCreate(ui::Component* sender);
    void Chk_APArrayClick(ui::Component* sender);
    void Bt_ScanClick(ui::Component* sender);
    void Bt_ArraySaveClick(ui::Component* sender);
    void Btn_ClearallClick(ui::Component* sender);

private:
    void BuildControls();
    void BuildSwitchTabs();
    void BuildHiddenHolders();
    void MakeGroups();
    void MakeListGroups();
    void ReadScanCommand();
    // Array off and its switch disabled when the AP mode read says the
    // device is no access point.
    void ApplyApModeRule();
    void RoleToRadio();
    void RadioToRole();
    // Walks the member list (numbered anew) and the scan list.
    void StartListReads();
    void OnArrayScanDone(VkSNMPError* result);
    void OnArrayScanListDone(VkSNMPError* result);
    void OnArrayMembersDone(VkSNMPError* result);
    void ShowConnection();
    // The end of a read in the status line: the error, the groups an earlier
    // read missed, or "Get OK!".
    void ShowReadEnd(const VkSNMPError& result);
};

// With the array on: its controls enabled, "Scan" only while the device can
// scan; with it off all disabled.
void EnableArrayControls(TFM_APArray& page);

extern TFM_APArray* FM_APArray;

extern const char* const ApArraySaveOkText;    // "Save OK!"
extern const char* const ApArraySaveFailText;  // "Save fail!"
