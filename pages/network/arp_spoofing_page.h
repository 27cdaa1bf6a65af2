#pragma once
// The ARP Spoofing Prevention page ("Advanced \ARP Spoofing Prevention"):
// the feature on or off, and up to eight trusted gateways (IP and MAC).
//
// New gateways and deletions go through the entry scalars with their action
// (1 add, 0 delete); a changed gateway is written into its own list row, the
// row the user selected (its index as walked). The list shows the used rows
// only, so the limit of eight counts gateways, not rows. Add stays disabled
// until the list has been read, so an entry is never checked against a list
// the page does not know. Every write reports its result from its answer.
// In Wireless Client mode the feature is locked to Disable (Save writes it).

#include <string>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
class Label;
class ListItem;
class ListView;
class StatusBar;
}  // namespace ui

namespace arp {
struct Gateway;
struct GatewayRefusal;
}  // namespace arp

class TFM_ARPSpoofing : public ui::Form {
public:
    explicit TFM_ARPSpoofing(ui::Component* owner);

    ui::Label* La_Title;
    ui::ComboBox* CB_APPstatus;
    ui::GroupBox* GroupBox1;
    ui::Label* La_IpAddress;
    ui::Edit* Ed_IpAddress;
    ui::Label* La_MacAddress;
    ui::Edit* Ed_MacAddress;
    ui::Button* Btn_Add;
    ui::Button* Btn_Clear;
    ui::GroupBox* GroupBox2;
    ui::ListView* LV_ListViewUser;
    ui::Button* Btn_Del;
    ui::Button* Btn_Delall;
    ui::Button* Btn_Save;
    ui::StatusBar* StatusBar1;
    // Hidden: the AP mode, the action and the selected row's index.
    ui::ComboBox* CB_ApMode;
    ui::ComboBox* CB_Action;
    ui::Edit* Ed_Index;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* ArpModeRequest = nullptr;
    VkSNMPRequest2Edits* ArpStatusRequest = nullptr;
    VkSNMPRequest2Edits* ArpEntryRequest = nullptr;
    VkSNMPRequest2Edits* ArpListRequest = nullptr;
    // True: Add appends a new gateway; false: Add rewrites the selected row.
    bool AddMode = true;
    // The list has been read (Add is usable from then on).
    bool ListRead = false;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void CB_APPstatusChange(ui::Component* sender);
    void LV_ListViewUserClick(ui::Component* sender);
    void Btn_AddClick(ui::Component* sender);
    void Btn_ClearClick(ui::Component* sender);
    void Btn_DelClick(ui::Component* sender);
    void Btn_DelallClick(ui::Component* sender);
    void Btn_SaveClick(ui::Component* sender);
    void ArpEntrySetDone(VkSNMPError* result);
    void ArpListGetDone(VkSNMPError* result);
    void ArpListSetDone(VkSNMPError* result);

    // The gateways listed (used rows only).
    int GatewayCount() const;

private:
    void BuildControls();
    void MakeGroups();
    arp::Gateway TypedGateway() const;
    std::vector<arp::Gateway> ListedGateways(const ui::ListItem* except) const;
    void RefuseGateway(const arp::GatewayRefusal& refusal);
    void AddGateway();
    void RewriteGateway(ui::ListItem& row);
    void ListChanged();
};

extern TFM_ARPSpoofing* FM_ARPSpoofing;
