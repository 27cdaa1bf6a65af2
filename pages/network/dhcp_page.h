#pragma once
// The DHCP Server page ("Advanced \ DHCP Server"), three tabs:
// - the server on/off and its dynamic pool, shown as a start address and a
//   range inside the start's /24 (the device stores start and end);
// - static entries in a fixed-row device table: the walked rows in a hidden
//   list, the used ones (IP not 0.0.0.0) in the visible list; Save writes the
//   chosen entry's own row, or the first free row for a new entry, and never
//   a row it did not choose; Del empties a row by its index;
// - the current leases, which the device builds on a refresh write: each
//   table is walked once its refresh is acknowledged.
// Every result comes from its answer; the page can always be closed.

#include <cstdint>
#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "pages/common/walked_rows.h"
#include "platform/ui/form.h"

class New_req2Edit;

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class PageControl;
class StatusBar;
class TabSheet;
}  // namespace ui

class TFM_DHCP : public ui::Form {
public:
    explicit TFM_DHCP(ui::Component* owner);

    ui::PageControl* PageControl1;
    ui::TabSheet* TabSheet1;
    ui::TabSheet* TabSheet2;
    ui::TabSheet* TabSheet3;
    // Tab 1: the server and the dynamic pool.
    ui::ComboBox* CB_Fuction1;
    ui::Edit* Ed_IPAF;
    ui::Edit* Ed_PoolRan;
    ui::Edit* Ed_SubMask;
    ui::Edit* Ed_Gateway;
    ui::Edit* Ed_Wins;
    ui::Edit* Ed_DNS;
    ui::Edit* Ed_DomNa;
    ui::Edit* Ed_Lease;
    ui::Button* Bt_Apply;
    ui::Button* Bt_Cancel;
    ui::StatusBar* StatusBar1;
    // Tab 2: static entries.
    ui::ComboBox* CB_Fuction2;
    ui::Edit* ED_StaticHostName;
    ui::Edit* ED_StaticAssignIP;
    ui::Edit* ED_StaticAssignMAC;
    ui::Edit* ED_StaticSubMask;
    ui::Edit* ED_StaticGateway;
    ui::Edit* ED_StaticWins;
    ui::Edit* ED_StaticDNS;
    ui::Edit* ED_StaticDoname;
    ui::ListView* User_ListView;
    ui::Button* Btn_Add;
    ui::Button* Btn_Del;
    ui::StatusBar* StatusBar2;
    // Tab 3: current leases.
    ui::ListView* LV_DynPool;
    ui::ListView* LV_StaticPool;
    ui::Button* Bt_RefreshStaticPool;
    ui::StatusBar* StatusBar4;
    // Hidden: device values the page needs but does not show.
    ui::ComboBox* CB_APMode;
    ui::ComboBox* CB_DNStatus;
    ui::ListView* LV_StaticPoolSet;
    ui::Edit* Lb_Index;
    ui::ComboBox* CB_StaticStatus;
    ui::Edit* Ed_DeleteIndex;
    ui::ListView* LV_Dy;
    ui::ListView* LV_Static;
    ui::ComboBox* CoboxDynamic;
    ui::ComboBox* CoboxStatic;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* DhcpApModeRequest = nullptr;
    VkSNMPRequest2Edits* DynamicPoolRequest = nullptr;
    VkSNMPRequest2Edits* ServerControlRequest = nullptr;
    VkSNMPRequest2Edits* StaticControlRequest = nullptr;
    VkSNMPRequest2Edits* DomainNameStatusRequest = nullptr;
    VkSNMPRequest2Edits* StaticPoolRequest = nullptr;
    VkSNMPRequest2Edits* StaticDeleteRequest = nullptr;
    VkSNMPRequest2Edits* DynamicRefreshRequest = nullptr;
    VkSNMPRequest2Edits* StaticRefreshRequest = nullptr;
    New_req2Edit* CurrentDynamicRequest = nullptr;
    New_req2Edit* CurrentStaticRequest = nullptr;

    // The static pool has been walked and the visible list shows it.
    bool StaticListRead = false;
    // The walked static pool and the entries the visible list shows of it.
    WalkedRows StaticRows;
    // The lease walks still to complete before the lists count as read.
    int LeaseWalksPending = 0;
    bool LeaseFailed = false;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void PageControl1Change(ui::Component* sender);
    void CB_Fuction1Change(ui::Component* sender);
    void CB_Fuction2Change(ui::Component* sender);
    void Bt_CancelClick(ui::Component* sender);
    void ApplyDhcpEnableRules();
    // Tab 1.
    void Bt_ApplyClick(ui::Component* sender);
    // Tab 2.
    void Btn_AddClick(ui::Component* sender);
    void Bt_DelClick(ui::Component* sender);
    void User_ListViewClick(ui::Component* sender);
    void OnStaticPoolGetDone(VkSNMPError* result);
    void OnStaticPoolSetDone(VkSNMPError* result);
    // Tab 3.
    void Bt_RefreshStaticPoolClick(ui::Component* sender);
    void OnLeaseRefreshSetDone(New_req2Edit*& walk, VkSNMPError* result);
    void OnLeaseListGetDone(VkSNMPError* result);
    void FillLeaseLists();

private:
    void BuildControls();
    void BuildPoolTab();
    void BuildStaticTab();
    void BuildLeaseTab();
    void MakePoolRequest(int32_t timeout);
    void MakeServerControlRequest(int32_t timeout);
    void MakeStaticControlRequest(int32_t timeout);
    void MakeDomainNameStatusRequest(int32_t timeout);
    void MakeStaticRequests();
    void MakeLeaseRequests();
    void MakeLeaseWalk(New_req2Edit*& slot, bool dynamic);
    void ReadPool();
    void ShowPoolRange();
    void ShowLoadEnd();
    void ReadStaticTab();
    void StartLeaseWalk(New_req2Edit*& walk);
    bool SaveStaticPoolEntry();
    bool CheckStaticPoolDuplicates(const ui::ListItem* target);
    ui::ListItem* TargetRow();
    void ChooseFreeRow();
    void FillStaticPoolUserList();
    void EnableStaticEntry(bool enabled);
};

extern TFM_DHCP* FM_DHCP;
