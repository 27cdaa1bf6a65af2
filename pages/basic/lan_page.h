#pragma once
// The LAN page ("Home \ LAN"): how the access point obtains its own LAN
// address, fixed (address, mask and gateway typed here) or from a DHCP
// server. It reads the address mode and the address group when it opens and
// writes on Save only what differs from what the device holds:
//
//   selected  device holds  written                          afterwards
//   static    static        address, mask, gateway           static
//   static    DHCP          mode = static, then the three    static
//   DHCP      static        mode = DHCP                      DHCP
//   DHCP      DHCP          nothing                          DHCP
//
// A failed write leaves DeviceIpFrom as it was, so the next Save repeats it.
// Nothing is written while the device's mode or addresses are unknown (a
// read failed, or the device holds a mode this page does not offer); the
// status line says why.

#include <memory>
#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

class GroupWrites;

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class Panel;
class StatusBar;
}  // namespace ui

class TFM_LanCfg : public ui::Form {
public:
    explicit TFM_LanCfg(ui::Component* owner);

    ui::Panel* Panel1;
    ui::Label* GetIPFrom;
    ui::ComboBox* CB_IPFrom;
    ui::Label* LA_IPAddress;
    ui::Edit* ED_IpAddr;
    ui::Label* LA_SubnetMask;
    ui::Edit* ED_SubMask;
    ui::Label* LA_DefGW;
    ui::Edit* ED_DefGw;
    ui::Button* BT_LanCfgOk;
    ui::Button* BT_LanCfgCancel;
    ui::StatusBar* StatusBar;

    // The two groups: the address mode and the addresses.
    PageGroups Groups{this};
    VkSNMPRequest2Edits* GetIpFromRequest = nullptr;
    VkSNMPRequest2Edits* AddressRequest = nullptr;
    // The item of CB_IPFrom the device is known to hold: 0 static, 1 DHCP,
    // -1 unknown (a mode this page does not offer, or none read).
    int DeviceIpFrom = 0;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void BT_LanCfgOkClick(ui::Component* sender);
    void BT_LanCfgCancelClick(ui::Component* sender);
    void CB_IPFromChange(ui::Component* sender);
    // Hides the address fields for DHCP, shows them otherwise.
    void ShowAddressFields();

private:
    void BuildControls();
    void ReadDevice();
    bool DeviceSettingsKnown();
    bool ValidStaticFields();
    void SaveStatic();
    void SaveDhcp();
    void ShowWriteResult(const GroupWrites& writes);
    void ClearNoGateway();
};

extern TFM_LanCfg* FM_LanCfg;

// The status texts of a Save.
extern const char* const LanSetOkText;         // "Set OK!"
extern const char* const LanSetErrorText;      // "Set Error!"
// Nothing written because the opening read failed / the mode is unknown.
extern const char* const LanNotReadText;
extern const char* const LanModeUnknownText;
