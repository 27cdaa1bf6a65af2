#pragma once
// The VLAN page ("Advanced \ VLAN"): the VLAN function's status and mode, and
// four tabs:
// - the VLANs of the device's 18-row table (VID, name, the untagged and the
//   tagged ports), with Edit and Delete;
// - the ports with the VIDs they carry and their PVIDs, from the port list
//   the device rebuilds on a refresh write;
// - a VLAN's VID, name and per-port membership (untagged, tagged, not a
//   member), saved into the first free row or into the row Edit loaded;
// - the ports' PVIDs, set by hand or assigned by the device.
// Rows are addressed by their own walked index; each write is followed by
// exactly one walk; every result comes from its answer.

#include <array>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "pages/network/vlan_page_rules.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListItem;
class ListView;
class PageControl;
class RadioButton;
class StatusBar;
class TabSheet;
}  // namespace ui

class TFM_VlanSetting : public ui::Form {
public:
    explicit TFM_VlanSetting(ui::Component* owner);

    template <class Control>
    using PerPort = std::array<Control*, vlan::kPortCount>;

    // Above the tabs.
    ui::ComboBox* CB_VlanStatus;
    ui::Button* Btn_Save;
    ui::Label* LB_VlanMode;
    ui::PageControl* PageControl1;
    ui::StatusBar* StatusBar;
    // "VLAN List".
    ui::TabSheet* TabSheet_VlanList;
    ui::ListView* LV_VlanListUser;
    ui::Button* Btn_VlanEdit;
    ui::Button* Btn_VlanDelete;
    // "Port List".
    ui::TabSheet* TabSheet_PortList;
    ui::ListView* LV_PortListUser;
    // "Add/Edit VLAN".
    ui::TabSheet* TabSheet_EditVlan;
    ui::Edit* Ed_VlanID;
    ui::Edit* Ed_VlanName;
    ui::Button* AddButton;
    ui::GroupBox* GroupBox_VlanPort;
    ui::GroupBox* GroupBox_VlanMssidPort;
    ui::GroupBox* GroupBox_VlanWdsPort;
    PerPort<ui::RadioButton> RB_Untag;
    PerPort<ui::RadioButton> RB_Tag;
    PerPort<ui::RadioButton> RB_Not;
    // The "All" buttons by port group and column (Untag, Tag, Not Member).
    std::array<std::array<ui::Button*, 3>, vlan::kPortGroupCount> Btn_VlanAll;
    // "PVID Setting".
    ui::TabSheet* TabSheet_PvidSetting;
    ui::ComboBox* CB_PvidAutoStatus;
    PerPort<ui::Edit> Ed_Pvid;
    ui::Button* Btn_PvidApply;
    // Hidden: device values the page needs but does not show.
    ui::ListView* LV_VlanList;
    ui::ListView* LV_PortList;
    ui::ComboBox* CB_APMode;
    ui::ComboBox* CB_LimitVidStatus;
    ui::ComboBox* CB_VlanMode;
    ui::ComboBox* CB_PortListRefresh;
    ui::ComboBox* CB_VlanItemDel;
    ui::Edit* LB_Index;
    PerPort<ui::ComboBox> CB_Membership;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ApModeRequest = nullptr;
    VkSNMPRequest2Edits* ManagementLimitRequest = nullptr;
    VkSNMPRequest2Edits* StatusRequest = nullptr;
    VkSNMPRequest2Edits* PvidAutoAssignRequest = nullptr;
    VkSNMPRequest2Edits* PvidRequest = nullptr;
    VkSNMPRequest2Edits* PortListRefreshRequest = nullptr;
    VkSNMPRequest2Edits* PortListRequest = nullptr;
    VkSNMPRequest2Edits* VlanListRequest = nullptr;

    // The add form holds a VLAN loaded by Edit.
    bool Editing = false;
    // The next status change, Edit or tab change is the first since opening.
    bool FirstChange = false;
    // The VLAN table has been walked and the visible list shows it.
    bool VlanListRead = false;
    // The walked VLAN table and the VLANs the visible list shows of it.
    WalkedRows VlanRows;

    void FormCreate(ui::Component* sender);
    void CB_VlanStatusChange(ui::Component* sender);
    void Btn_SaveClick(ui::Component* sender);
    void PageControl1Change(ui::Component* sender);
    void PortListGetDone(VkSNMPError* result);
    void VlanListGetDone(VkSNMPError* result);
    void VlanListSetDone(VkSNMPError* result);
    void FillVlanList();
    void FillPortList();
    void FillPortListPvids();
    // Add, edit and delete.
    void LV_VlanListUserClick(ui::Component* sender);
    void Btn_VlanEditClick(ui::Component* sender);
    void Btn_VlanDeleteClick(ui::Component* sender);
    void AddButtonClick(ui::Component* sender);
    // Checks one column's button of every port of the group.
    void SelectColumn(vlan::PortGroup group, vlan::Membership column);
    void SelectUntaggedEverywhere();
    // PVIDs.
    void CB_PvidAutoStatusChange(ui::Component* sender);
    void Btn_PvidApplyClick(ui::Component* sender);

private:
    void BuildControls();
    void BuildVlanListTab();
    void BuildPortListTab();
    void BuildEditTab();
    void BuildPortGroup(ui::GroupBox* box, vlan::PortGroup group);
    void BuildPvidTab();
    void BuildHiddenControls();
    void MakeRequests();
    void MakePortListRequest();
    bool WritePortListRefresh();
    void StartPortListWalk();
    void StartVlanWalk();
    void ShowFirstChangeWarning();
    void ApplyEnableRules();
    void SelectFreeRow();
    ui::ListItem* TargetRow() const;
    std::vector<std::string> OtherVids(const ui::ListItem* target) const;
    void ClearAddForm();
    void LoadMemberships(const ui::ListItem& row);
    void StoreMemberships();
    bool WriteStatus();
    void ShowArpEntryForClient();
    void ReturnToVlanList();
    bool VlanOn() const;
    bool DynamicMode() const;
    void ShowReadEnd();
};

extern TFM_VlanSetting* FM_VlanSetting;
