#include "shell/scaffold_pages.h"

TFM_Performace* FM_Performace = nullptr;
TFM_Performace::TFM_Performace(ui::Component* owner) : TScaffoldPage(owner, "FM_Performace", "Performance") {}

TFM_FilterMACACL* FM_FilterMACACL = nullptr;
TFM_FilterMACACL::TFM_FilterMACACL(ui::Component* owner) : TScaffoldPage(owner, "FM_FilterMACACL", "Wireless MAC ACL") {}

TFM_WLANPart* FM_WLANPart = nullptr;
TFM_WLANPart::TFM_WLANPart(ui::Component* owner) : TScaffoldPage(owner, "FM_WLANPart", "WLAN Partition") {}

TFM_MultiSSIDNewForm* FM_MultiSSIDNewForm = nullptr;
TFM_MultiSSIDNewForm::TFM_MultiSSIDNewForm(ui::Component* owner) : TScaffoldPage(owner, "FM_MultiSSIDNewForm", "Multi-SSID") {}

TFM_DHCP* FM_DHCP = nullptr;
TFM_DHCP::TFM_DHCP(ui::Component* owner) : TScaffoldPage(owner, "FM_DHCP", "DHCP Server") {}

TFM_RogueAP* FM_RogueAP = nullptr;
TFM_RogueAP::TFM_RogueAP(ui::Component* owner) : TScaffoldPage(owner, "FM_RogueAP", "Intrusion") {}

TFM_Scheduling* FM_Scheduling = nullptr;
TFM_Scheduling::TFM_Scheduling(ui::Component* owner) : TScaffoldPage(owner, "FM_Scheduling", "Schedule") {}

TFM_QosSetting* FM_QosSetting = nullptr;
TFM_QosSetting::TFM_QosSetting(ui::Component* owner) : TScaffoldPage(owner, "FM_QosSetting", "QoS") {}

TFM_VlanSetting* FM_VlanSetting = nullptr;
TFM_VlanSetting::TFM_VlanSetting(ui::Component* owner) : TScaffoldPage(owner, "FM_VlanSetting", "VLAN") {}

TFM_APArray* FM_APArray = nullptr;
TFM_APArray::TFM_APArray(ui::Component* owner) : TScaffoldPage(owner, "FM_APArray", "AP Array") {}

TFM_WebRedirection* FM_WebRedirection = nullptr;
TFM_WebRedirection::TFM_WebRedirection(ui::Component* owner) : TScaffoldPage(owner, "FM_WebRedirection", "Web Redirection") {}

TFM_ARPSpoofing* FM_ARPSpoofing = nullptr;
TFM_ARPSpoofing::TFM_ARPSpoofing(ui::Component* owner) : TScaffoldPage(owner, "FM_ARPSpoofing", "ARP Spoofing Prevention") {}

TFM_LRADIUSSer* FM_LRADIUSSer = nullptr;
TFM_LRADIUSSer::TFM_LRADIUSSer(ui::Component* owner) : TScaffoldPage(owner, "FM_LRADIUSSer", "Internal RADIUS Server") {}

TFM_TrafficCtrl* FM_TrafficCtrl = nullptr;
TFM_TrafficCtrl::TFM_TrafficCtrl(ui::Component* owner) : TScaffoldPage(owner, "FM_TrafficCtrl", "Traffic Control") {}

TFM_Admin2* FM_Admin2 = nullptr;
TFM_Admin2::TFM_Admin2(ui::Component* owner) : TScaffoldPage(owner, "FM_Admin2", "Administration") {}

TFM_Sytem* FM_Sytem = nullptr;
TFM_Sytem::TFM_Sytem(ui::Component* owner) : TScaffoldPage(owner, "FM_Sytem", "System Settings") {}

TFM_Firmware* FM_Firmware = nullptr;
TFM_Firmware::TFM_Firmware(ui::Component* owner) : TScaffoldPage(owner, "FM_Firmware", "Firmware and SSL") {}

TFM_Time* FM_Time = nullptr;
TFM_Time::TFM_Time(ui::Component* owner) : TScaffoldPage(owner, "FM_Time", "Time and Date") {}

TFM_CfgFile* FM_CfgFile = nullptr;
TFM_CfgFile::TFM_CfgFile(ui::Component* owner) : TScaffoldPage(owner, "FM_CfgFile", "Configuration File") {}

TFM_DevInfo* FM_DevInfo = nullptr;
TFM_DevInfo::TFM_DevInfo(ui::Component* owner) : TScaffoldPage(owner, "FM_DevInfo", "Device Information") {}

TClientInformation* ClientInformation = nullptr;
TClientInformation::TClientInformation(ui::Component* owner) : TScaffoldPage(owner, "ClientInformation", "Client Information") {}

TFM_WDSInfo* FM_WDSInfo = nullptr;
TFM_WDSInfo::TFM_WDSInfo(ui::Component* owner) : TScaffoldPage(owner, "FM_WDSInfo", "WDS Information") {}

TFM_Static* FM_Static = nullptr;
TFM_Static::TFM_Static(ui::Component* owner) : TScaffoldPage(owner, "FM_Static", "Ethernet") {}

TFM_StatWLAN* FM_StatWLAN = nullptr;
TFM_StatWLAN::TFM_StatWLAN(ui::Component* owner) : TScaffoldPage(owner, "FM_StatWLAN", "WLAN") {}

TLogForm* LogForm = nullptr;
TLogForm::TLogForm(ui::Component* owner) : TScaffoldPage(owner, "LogForm", "View Log") {}

TLogSetForm* LogSetForm = nullptr;
TLogSetForm::TLogSetForm(ui::Component* owner) : TScaffoldPage(owner, "LogSetForm", "Log Settings") {}

TFM_Group* FM_Group = nullptr;
TFM_Group::TFM_Group(ui::Component* owner) : TScaffoldPage(owner, "FM_Group", "Grouping") {}
