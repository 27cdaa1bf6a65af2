#pragma once
// The pages the main menu opens, as scaffolding until each page's own issue
// builds it (TScaffoldPage: the caption and a line saying the page is not
// built yet). Each class takes its owner like the real page will, and each
// global pointer is set exactly while its page is open (the menu sets it
// before the page's creation handler runs and clears it after deleting the
// page). When a page is built, its class and pointer move to the page's own
// files and leave this list.

#include <string>

#include "shell/scaffold_page.h"

namespace ui {
class Edit;
}  // namespace ui

class TFM_Performace : public TScaffoldPage {
public:
    explicit TFM_Performace(ui::Component* owner);
};
extern TFM_Performace* FM_Performace;

class TFM_FilterMACACL : public TScaffoldPage {
public:
    explicit TFM_FilterMACACL(ui::Component* owner);
};
extern TFM_FilterMACACL* FM_FilterMACACL;

class TFM_WLANPart : public TScaffoldPage {
public:
    explicit TFM_WLANPart(ui::Component* owner);
};
extern TFM_WLANPart* FM_WLANPart;

class TFM_MultiSSIDNewForm : public TScaffoldPage {
public:
    explicit TFM_MultiSSIDNewForm(ui::Component* owner);
};
extern TFM_MultiSSIDNewForm* FM_MultiSSIDNewForm;

class TFM_DHCP : public TScaffoldPage {
public:
    explicit TFM_DHCP(ui::Component* owner);
};
extern TFM_DHCP* FM_DHCP;

class TFM_RogueAP : public TScaffoldPage {
public:
    explicit TFM_RogueAP(ui::Component* owner);
};
extern TFM_RogueAP* FM_RogueAP;

class TFM_Scheduling : public TScaffoldPage {
public:
    explicit TFM_Scheduling(ui::Component* owner);
};
extern TFM_Scheduling* FM_Scheduling;

class TFM_QosSetting : public TScaffoldPage {
public:
    explicit TFM_QosSetting(ui::Component* owner);
};
extern TFM_QosSetting* FM_QosSetting;

class TFM_VlanSetting : public TScaffoldPage {
public:
    explicit TFM_VlanSetting(ui::Component* owner);
};
extern TFM_VlanSetting* FM_VlanSetting;

class TFM_APArray : public TScaffoldPage {
public:
    explicit TFM_APArray(ui::Component* owner);
};
extern TFM_APArray* FM_APArray;

class TFM_WebRedirection : public TScaffoldPage {
public:
    explicit TFM_WebRedirection(ui::Component* owner);
};
extern TFM_WebRedirection* FM_WebRedirection;

class TFM_ARPSpoofing : public TScaffoldPage {
public:
    explicit TFM_ARPSpoofing(ui::Component* owner);
};
extern TFM_ARPSpoofing* FM_ARPSpoofing;

class TFM_LRADIUSSer : public TScaffoldPage {
public:
    explicit TFM_LRADIUSSer(ui::Component* owner);
};
extern TFM_LRADIUSSer* FM_LRADIUSSer;

class TFM_TrafficCtrl : public TScaffoldPage {
public:
    explicit TFM_TrafficCtrl(ui::Component* owner);
};
extern TFM_TrafficCtrl* FM_TrafficCtrl;

class TFM_Admin2 : public TScaffoldPage {
public:
    explicit TFM_Admin2(ui::Component* owner);
};
extern TFM_Admin2* FM_Admin2;

class TFM_Sytem : public TScaffoldPage {
public:
    explicit TFM_Sytem(ui::Component* owner);
};
extern TFM_Sytem* FM_Sytem;

class TFM_Firmware : public TScaffoldPage {
public:
    explicit TFM_Firmware(ui::Component* owner);
};
extern TFM_Firmware* FM_Firmware;

class TFM_Time : public TScaffoldPage {
public:
    explicit TFM_Time(ui::Component* owner);
};
extern TFM_Time* FM_Time;

class TFM_CfgFile : public TScaffoldPage {
public:
    explicit TFM_CfgFile(ui::Component* owner);
};
extern TFM_CfgFile* FM_CfgFile;

class TFM_DevInfo : public TScaffoldPage {
public:
    explicit TFM_DevInfo(ui::Component* owner);
};
extern TFM_DevInfo* FM_DevInfo;

class TClientInformation : public TScaffoldPage {
public:
    explicit TClientInformation(ui::Component* owner);
};
extern TClientInformation* ClientInformation;

class TFM_WDSInfo : public TScaffoldPage {
public:
    explicit TFM_WDSInfo(ui::Component* owner);
};
extern TFM_WDSInfo* FM_WDSInfo;

class TFM_Static : public TScaffoldPage {
public:
    explicit TFM_Static(ui::Component* owner);
};
extern TFM_Static* FM_Static;

class TFM_StatWLAN : public TScaffoldPage {
public:
    explicit TFM_StatWLAN(ui::Component* owner);
};
extern TFM_StatWLAN* FM_StatWLAN;

class TLogForm : public TScaffoldPage {
public:
    explicit TLogForm(ui::Component* owner);

    // The PC address under which the device reaches the module's TFTP server,
    // found from the main window's device address, mask and PC address list;
    // written into `target` when found. The file pages call these through a
    // LogForm pointer that may be null: they use nothing of the form itself.
    static bool GetPCIPAddress(ui::Edit* target);
    static std::string NetworkAddress(const std::string& address, const std::string& mask);
};
extern TLogForm* LogForm;

class TLogSetForm : public TScaffoldPage {
public:
    explicit TLogSetForm(ui::Component* owner);
};
extern TLogSetForm* LogSetForm;

class TFM_Group : public TScaffoldPage {
public:
    explicit TFM_Group(ui::Component* owner);
};
extern TFM_Group* FM_Group;
