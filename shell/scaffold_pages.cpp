#include "shell/scaffold_pages.h"

#include "shell/scaffold_page.h"

TScaffoldPage* OpenScaffold = nullptr;

namespace {

const ScaffoldRow kScaffoldRows[] = {
    {"adPerformance1", "FM_Performace", "Performance"},
    {"Mac1", "FM_FilterMACACL", "Wireless MAC ACL"},
    {"WLANPartition1", "FM_WLANPart", "WLAN Partition"},
    {"Ad_MultiSSID", "FM_MultiSSIDNewForm", "Multi-SSID"},
    {"DHCPServer1", "FM_DHCP", "DHCP Server"},
    {"Intrusion1", "FM_RogueAP", "Intrusion"},
    {"Scheduling1", "FM_Scheduling", "Schedule"},
    {"QosSetting1", "FM_QosSetting", "QoS"},
    {"VlanSetting1", "FM_VlanSetting", "VLAN"},
    {"mniAPArray1", "FM_APArray", "AP Array"},
    {"WebRedirection1", "FM_WebRedirection", "Web Redirection"},
    {"ARPSpoofingPreventionSettings1", "FM_ARPSpoofing", "ARP Spoofing Prevention"},
    {"mniLocalRADIUSServer1", "FM_LRADIUSSer", "Internal RADIUS Server"},
    {"mniTrafficControl1", "FM_TrafficCtrl", "Traffic Control"},
    {"tAdmin2", "FM_Admin2", "Administration"},
    {"tSystem2", "FM_Sytem", "System Settings"},
    {"Firmware1", "FM_Firmware", "Firmware and SSL"},
    {"Time", "FM_Time", "Time and Date"},
    {"tUpdate2", "FM_CfgFile", "Configuration File"},
    {"stDeviceInfo2", "FM_DevInfo", "Device Information"},
    {"Client1", "ClientInformation", "Client Information"},
    {"WDSInformation1", "FM_WDSInfo", "WDS Information"},
    {"Ethernet1", "FM_Static", "Ethernet"},
    {"WLAN1", "FM_StatWLAN", "WLAN"},
    {"ViewLog1", "LogForm", "View Log"},
    {"LogSettings1", "LogSetForm", "Log Settings"},
    {"UserLimit", "FM_Group", "Grouping"},
};

}  // namespace

const ScaffoldRow* FindScaffoldRow(const std::string& entry) {
    for (const ScaffoldRow& row : kScaffoldRows)
        if (entry == row.entry) return &row;
    return nullptr;
}

void OpenScaffoldPage(const ScaffoldRow& row) {
    OpenScaffold = new TScaffoldPage(nullptr, row.name, row.caption);
    try {
        OpenScaffold->Create();
        OpenScaffold->ShowModal();
    } catch (...) {
        delete OpenScaffold;
        OpenScaffold = nullptr;
        throw;
    }
    delete OpenScaffold;
    OpenScaffold = nullptr;
}
