#pragma once
// The Administration page ("Tools \ Administration"): who may administer the
// device and how. It reads its groups while it opens (all groups are made
// before the first read), and Save checks everything first (the trap
// receiver too) and then writes trap, console, user, system name and limit,
// each only with the rows it means; the "Please wait..." notice covers the
// writes from the console's on and goes on every way out. The
// administrator's password is written only when the user typed a new one,
// and the page takes it as the current one only after the device took it.
//
// The administrator address ranges (admin_page_ranges.cpp) are written at
// once by Add and Delete: a hidden list holds the device's rows as walked
// (free rows 0.0.0.0 .. 0.0.0.0 included), the visible one the used rows,
// numbered. Add writes the first free row the scan finds and refuses a range
// that shares an address with a stored one; Delete frees the row holding
// the selected range, addressed by its own index; both report from the
// device's answer and then read both lists again.

#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/maintenance/admin_page_rules.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListView;
class RadioButton;
class StatusBar;
}  // namespace ui

class New_req2Edit;

class TFM_Admin2 : public ui::Form {
public:
    explicit TFM_Admin2(ui::Component* owner);

    ui::GroupBox* GB_Limit;
    ui::CheckBox* CheckBox_VID;
    ui::Edit* Ed_VID;
    ui::CheckBox* CkBx_ManagerState;
    ui::Label* La_IpRange;
    ui::Label* La_From;
    ui::Edit* Ed_FromIP;
    ui::Label* La_To;
    ui::Edit* Ed_ToIP;
    ui::Button* Btn_Add;
    ui::ListView* ListView_User;
    ui::Button* Btn_Del;

    ui::GroupBox* GB_SystemName;
    ui::Label* La_SysName;
    ui::Edit* Ed_SysName;
    ui::Label* La_Location;
    ui::Edit* Ed_Location;

    ui::GroupBox* GB_Login;
    ui::Label* La_Usr;
    ui::Edit* Ed_Usr;
    ui::Label* La_OPwd;
    ui::Edit* Ed_OPwd;
    ui::Label* La_NPwd;
    ui::Edit* Ed_NPwd;
    ui::Label* La_CNP;
    ui::Edit* Ed_CNP;

    ui::GroupBox* GB_Console;
    ui::Label* La_ConsoleStatus;
    ui::CheckBox* CheckBox_Console;
    ui::Label* La_Protocol;
    ui::RadioButton* RB_Telnet;
    ui::RadioButton* RB_SHH;
    ui::Label* La_Timeout;
    ui::ComboBox* CB_Timeout;

    ui::GroupBox* GB_Trap;
    ui::Label* La_TrapStatus;
    ui::ComboBox* CB_TrapStatus;
    ui::Label* La_TrapServer;
    ui::Edit* Ed_TrapServerIp;
    // The device keeps no trap types: these stay hidden and bound to nothing.
    ui::ComboBox* CB_TrapType;
    ui::CheckBox* Ch_SystemTrap;
    ui::CheckBox* Ch_WirelessTrap;

    ui::GroupBox* GB_Control;  // hidden
    ui::ComboBox* CB_Ping;

    ui::Button* OK;
    ui::Button* Cancel;
    ui::StatusBar* StatusBar;

    // Hidden: device values the page works with.
    ui::Edit* Ed_Pwd;  // the device's current password
    ui::ComboBox* CB_managerIpAddressStatus;
    ui::ComboBox* CB_Telnet;
    ui::ComboBox* CB_SHH;
    ui::ComboBox* CB_DeviceApplySetting;
    ui::ComboBox* CB_VlanStatus;
    ui::ComboBox* CB_NapStatus;
    ui::ComboBox* CB_APArryStatus;
    ui::ComboBox* CB_APModeForAdmin;
    ui::CheckBox* Ckb_WebRedirecitonStatus;
    ui::ListView* ListView_IpRange;  // the device's range rows, free ones included
    ui::Label* LA_Index;
    ui::Edit* Ed_From;
    ui::Edit* Ed_To;
    ui::Edit* Ed_delete;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ApplyRequest = nullptr;
    VkSNMPRequest2Edits* LimitRequest = nullptr;
    VkSNMPRequest2Edits* VlanStatusRequest = nullptr;
    VkSNMPRequest2Edits* AccessProtectionRequest = nullptr;
    VkSNMPRequest2Edits* ConsoleRequest = nullptr;
    VkSNMPRequest2Edits* ConsoleTimeoutRequest = nullptr;
    VkSNMPRequest2Edits* SystemNameRequest = nullptr;
    VkSNMPRequest2Edits* UserRequest = nullptr;
    VkSNMPRequest2Edits* TrapRequest = nullptr;
    VkSNMPRequest2Edits* PingRequest = nullptr;
    VkSNMPRequest2Edits* PoolRequest = nullptr;
    New_req2Edit* PoolListRequest = nullptr;
    VkSNMPRequest2Edits* DeleteRequest = nullptr;
    VkSNMPRequest2Edits* ApArrayStatusRequest = nullptr;
    VkSNMPRequest2Edits* WebRedirectionRequest = nullptr;
    VkSNMPRequest2Edits* ApModeRequest = nullptr;

    void FormCreate(ui::Component* sender);
    void OKClick(ui::Component* sender);
    void CancelClick(ui::Component* sender);
    void CheckBox_VIDClick(ui::Component* sender);
    void CkBx_ManagerStateClick(ui::Component* sender);
    void CheckBox_ConsoleClick(ui::Component* sender);
    void RB_NoneClick(ui::Component* sender);
    void CB_TrapStatusChange(ui::Component* sender);
    void ListView_UserClick(ui::Component* sender);
    void Btn_AddClick(ui::Component* sender);
    void Btn_DelClick(ui::Component* sender);
    // Reads both range lists again (after a range was written or deleted).
    void RefreshRangeLists();
    // Clears the range edits and disables Delete.
    void ResetRangeInput();

private:
    void BuildControls();
    void BuildLimitBox();
    void BuildLowerBoxes();
    void BuildHiddenControls();
    void MakeGroups();
    void MakeRangeGroups();
    void ReadGroups();
    void FinishOpening();
    void DisableLimits();
    void ShowLimitBoxes();

    AdminInput SaveInput() const;
    void RefuseSave(const AdminRefusal& refusal);
    void WriteConsole(class GroupWrites& writes);
    void WriteUser(GroupWrites& writes);

    std::vector<RangeRow> DeviceRanges() const;
    void PoolSetDone(const VkSNMPError& result);
    void DeleteSetDone(const VkSNMPError& result);
    void WriteLimitStatus();
};

extern TFM_Admin2* FM_Admin2;

extern const char* const AdminSetOkText;      // "Set OK!"
extern const char* const AdminSetErrorText;   // "Setting Error!"
extern const char* const AdminDeleteOkText;   // "Delete OK!"
extern const char* const AdminDeleteErrorText;  // "Delete Error!"
extern const char* const AdminLimitWarningText;
extern const char* const AdminLastRangeText;
