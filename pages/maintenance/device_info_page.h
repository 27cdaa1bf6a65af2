#pragma once
// The Device Information page ("Status \ Device Information"): a read-only
// summary of what the device is and runs with. It reads its seven groups
// once, synchronously, while it opens, in a fixed order, and derives a few
// texts from what they hold: "N/A" for a gateway of 0.0.0.0, the firmware
// version's first four characters, a one-line security summary (the key
// itself is never shown, only its size), the band in the wireless box's
// caption and the AP array role's text. It writes nothing and has no
// buttons. A load that stops because the device went silent, or groups that
// could not be read, are named in the status line.

#include "library/snmp/request_to_edits.h"
#include "pages/common/page_groups.h"
#include "platform/ui/form.h"

namespace ui {
class ComboBox;
class Edit;
class GroupBox;
class Label;
class StatusBar;
}  // namespace ui

class TFM_DevInfo : public ui::Form {
public:
    explicit TFM_DevInfo(ui::Component* owner);

    ui::GroupBox* GB_Device;
    ui::Label* La_Firmware;
    ui::Edit* Ed_Firmware;
    ui::Label* La_Mac;
    ui::Edit* Ed_Mac;
    ui::Label* La_Wlan1Mac;
    ui::Label* La_Primary;
    ui::Label* LAB_Primary;
    ui::Label* La_Ssid17;
    ui::Label* Lab_Seccondary1;
    ui::Label* La_Tilde;
    ui::Label* Lab_Seccondary2;

    ui::GroupBox* GB_Ethernet;
    ui::Label* La_IPaddr;
    ui::Edit* Ed_IPaddr;
    ui::Label* La_SubMask;
    ui::Edit* Ed_SubMask;
    ui::Label* La_Gate;
    ui::Edit* Ed_Gate;

    ui::GroupBox* GB_Wireless;
    ui::Label* La_SSID;
    ui::Edit* Ed_SSID;
    ui::Label* La_Channel;
    ui::Edit* Ed_Channel;
    ui::Label* La_DRate;
    ui::Edit* Ed_DRate;
    ui::Label* La_Sec;
    ui::Edit* Ed_Sec;

    ui::GroupBox* GB_ApArray;
    ui::Label* La_Array;
    ui::Edit* Ed_Array;
    ui::Label* La_Role;
    ui::Edit* Ed_Role;
    ui::Label* La_Location;
    ui::Edit* Ed_Location;

    // Hidden: the device values the derived texts come from.
    ui::ComboBox* CB_Authentication;
    ui::ComboBox* CB_Encryption;
    ui::ComboBox* CB_CipherType;
    ui::ComboBox* CB_WepKeyEntryMethod;
    ui::ComboBox* CB_Band;
    ui::ComboBox* Cbox_Role;
    ui::Edit* ED_Key;

    ui::StatusBar* StatusBar;

    PageGroups Groups{this};
    VkSNMPRequest2Edits* InterfaceRequest = nullptr;
    VkSNMPRequest2Edits* FirmwareRequest = nullptr;
    VkSNMPRequest2Edits* RadioRequest = nullptr;
    VkSNMPRequest2Edits* SecurityRequest = nullptr;
    VkSNMPRequest2Edits* KeyRequest = nullptr;
    VkSNMPRequest2Edits* BandRequest = nullptr;
    VkSNMPRequest2Edits* ApArrayRequest = nullptr;

    void FormCreate(ui::Component* sender);
    // The "Security Level" text from the hidden security controls.
    std::string BuildSecuritySummary() const;

private:
    void BuildControls();
    void BuildHiddenControls();
    void MakeGroups();
    void ReadGroups();
};

extern TFM_DevInfo* FM_DevInfo;
