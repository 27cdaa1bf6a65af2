// The main window's menu: the entries, and the pages they open. An entry
// that opens a page names it by the entry's own name (page_openers.h): the
// page folders register their openers under these names, so a new page needs
// no change here.

#include <map>
#include <string>

#include "library/snmp/request_to_edits.h"
#include "platform/ui/main_menu.h"
#include "shell/about_form.h"
#include "shell/device_liveness.h"
#include "shell/main_form.h"
#include "shell/page_openers.h"

namespace {

using Handler = void (TMainForm::*)(ui::Component*);

constexpr bool kHidden = false;
constexpr bool kShown = true;

struct MenuEntry {
    const char* parent;  // null: a menu of the menu bar
    const char* name;
    const char* caption;
    Handler handler;     // null: a submenu, or an entry without handler
    bool visible;
};

// The menu in order. Hidden entries stay hidden; only the ARP Spoofing
// Prevention entry changes its visibility at run time.
const MenuEntry kMenu[] = {
    {nullptr, "Home1", "Home", nullptr, kShown},
    {"Home1", "Information1", "Information", &TMainForm::Information1Click, kShown},
    {"Home1", "hWirelessBand1", "Wireless", &TMainForm::hWirelessBand1Click, kShown},
    {"Home1", "hLan1", "LAN", &TMainForm::hLan1Click, kShown},
    {nullptr, "advanced2", "Advanced", nullptr, kShown},
    {"advanced2", "adPerformance1", "Performance", &TMainForm::adPerformance1Click, kShown},
    {"advanced2", "adFilter", "Filter", nullptr, kShown},
    {"adFilter", "Mac1", "Wireless MAC ACL", &TMainForm::Mac1Click, kShown},
    {"adFilter", "WLANPartition1", "WLAN Partition", &TMainForm::WLANPartition1Click, kShown},
    {"advanced2", "Ad_MultiSSID", "Multi-SSID", &TMainForm::Ad_MultiSSIDClick, kShown},
    {"advanced2", "DHCPServer1", "DHCP Server", &TMainForm::DHCPServer1Click, kShown},
    {"advanced2", "Intrusion1", "Intrusion", &TMainForm::Intrusion1Click, kShown},
    {"advanced2", "Scheduling1", "Schedule", &TMainForm::Scheduling1Click, kShown},
    {"advanced2", "QosSetting1", "QoS", &TMainForm::QosSetting1Click, kShown},
    {"advanced2", "VlanSetting1", "VLAN", &TMainForm::VlanSetting1Click, kShown},
    {"advanced2", "mniAPArray1", "AP Array", &TMainForm::mniAPArray1Click, kShown},
    {"advanced2", "WebRedirection1", "Web Redirection", &TMainForm::WebRedirection1Click, kHidden},
    {"advanced2", "ARPSpoofingPreventionSettings1", "ARP Spoofing Prevention",
     &TMainForm::ARPSpoofingPreventionSettings1Click, kShown},
    {"advanced2", "mniLocalRADIUSServer1", "Internal RADIUS Server", &TMainForm::mniLocalRADIUSServer1Click,
     kHidden},
    {"advanced2", "mniTrafficControl1", "Traffic Control", &TMainForm::mniTrafficControl1Click, kHidden},
    {nullptr, "tools2", "Tools", nullptr, kShown},
    {"tools2", "tAdmin2", "Administration", &TMainForm::tAdmin1Click, kShown},
    {"tools2", "tSystem2", "System Settings", &TMainForm::tSystem1Click, kShown},
    {"tools2", "Firmware1", "Firmware and SSL", &TMainForm::Firmware1Click, kShown},
    {"tools2", "Time", "Time and Date", &TMainForm::TimeClick, kShown},
    {"tools2", "tUpdate2", "Configuration File", &TMainForm::tUpdate1Click, kShown},
    {nullptr, "Configuration1", "Configuration", nullptr, kShown},
    {"Configuration1", "SaveandActivate1", "Save and Activate", &TMainForm::SaveandActivate1Click, kShown},
    {"Configuration1", "DiscardChanges1", "Discard Changes", &TMainForm::DiscardChanges1Click, kShown},
    {nullptr, "status2", "Status", nullptr, kShown},
    {"status2", "stDeviceInfo2", "Device Information", &TMainForm::stEthernet1Click, kShown},
    {"status2", "Client1", "Client Information", &TMainForm::Client1Click, kShown},
    {"status2", "WDSInformation1", "WDS Information", &TMainForm::WDSInformation1Click, kShown},
    {"status2", "stStats1", "Stats", nullptr, kShown},
    {"stStats1", "Ethernet1", "Ethernet", &TMainForm::Ethernet1Click, kShown},
    {"stStats1", "WLAN1", "WLAN", &TMainForm::WLAN1Click, kShown},
    {"status2", "SystemLog", "Log", nullptr, kShown},
    {"SystemLog", "ViewLog1", "View Log", &TMainForm::ViewLog1Click, kShown},
    {"SystemLog", "LogSettings1", "Log Settings", &TMainForm::LogSettings1Click, kShown},
    {nullptr, "Help", "Help", nullptr, kShown},
    {"Help", "About1", "About", &TMainForm::About1Click, kShown},
    {nullptr, "WirelessLan", "Wireless LAN", nullptr, kHidden},
    {nullptr, "ACLManagement1", "AP Management", nullptr, kHidden},
    {nullptr, "Test11", "MIB II", nullptr, kHidden},
    {"Test11", "IPCounters1", "IP Counters", &TMainForm::IPCounters1Click, kShown},
    {"Test11", "IPRouting1", "IP Routing", &TMainForm::IPRouting1Click, kShown},
    {"Test11", "IPAddressTable1", "IP Address Table", &TMainForm::IPAddressTable1Click, kShown},
    {"Test11", "ICMPCounters1", "ICMP Counters", &TMainForm::ICMPCounters1Click, kShown},
    {"Test11", "UDPCounters1", "UDP Counters", &TMainForm::UDPCounters1Click, kShown},
    {"Test11", "SNMPCounters1", "SNMP Counters", &TMainForm::SNMPCounters1Click, kShown},
    {"Test11", "Exit1", "Exit", &TMainForm::Exit1Click, kShown},
};

}  // namespace

void TMainForm::BuildMenu() {
    MainMenu1 = new ui::MainMenu(this);
    MainMenu1->SetName("MainMenu1");
    std::map<std::string, ui::MenuItem*> entries;
    for (const MenuEntry& row : kMenu) {
        auto* entry = row.parent ? new ui::MenuItem(entries.at(row.parent)) : new ui::MenuItem(MainMenu1);
        entry->SetName(row.name);
        entry->SetCaption(row.caption);
        entry->SetVisible(row.visible);
        if (row.handler) {
            Handler handler = row.handler;
            entry->OnClick = [this, handler](ui::Component* sender) { (this->*handler)(sender); };
        }
        entries[row.name] = entry;
    }
    entries.at("mniAPArray1")->SetRadioItem(true);
    ARPSpoofingPreventionSettings1 = entries.at("ARPSpoofingPreventionSettings1");
}

void TMainForm::Information1Click(ui::Component*) { OpenRegisteredPage("Information1"); }

// After the Wireless page the radio band is read again, unless the device
// is known not to answer (the read would only wait out its time-out).
void TMainForm::hWirelessBand1Click(ui::Component*) {
    OpenRegisteredPage("hWirelessBand1");
    if (BandRequest && !DeviceKnownSilent()) BandRequest->Get();
}

void TMainForm::hLan1Click(ui::Component*) { OpenRegisteredPage("hLan1"); }
void TMainForm::adPerformance1Click(ui::Component*) { OpenRegisteredPage("adPerformance1"); }
void TMainForm::Mac1Click(ui::Component*) { OpenRegisteredPage("Mac1"); }
void TMainForm::WLANPartition1Click(ui::Component*) { OpenRegisteredPage("WLANPartition1"); }
void TMainForm::Ad_MultiSSIDClick(ui::Component*) { OpenRegisteredPage("Ad_MultiSSID"); }
void TMainForm::DHCPServer1Click(ui::Component*) { OpenRegisteredPage("DHCPServer1"); }
void TMainForm::Intrusion1Click(ui::Component*) { OpenRegisteredPage("Intrusion1"); }
void TMainForm::Scheduling1Click(ui::Component*) { OpenRegisteredPage("Scheduling1"); }
void TMainForm::QosSetting1Click(ui::Component*) { OpenRegisteredPage("QosSetting1"); }
void TMainForm::VlanSetting1Click(ui::Component*) { OpenRegisteredPage("VlanSetting1"); }
void TMainForm::mniAPArray1Click(ui::Component*) { OpenRegisteredPage("mniAPArray1"); }
void TMainForm::WebRedirection1Click(ui::Component*) { OpenRegisteredPage("WebRedirection1"); }
void TMainForm::ARPSpoofingPreventionSettings1Click(ui::Component*) {
    OpenRegisteredPage("ARPSpoofingPreventionSettings1");
}
void TMainForm::mniLocalRADIUSServer1Click(ui::Component*) { OpenRegisteredPage("mniLocalRADIUSServer1"); }
void TMainForm::mniTrafficControl1Click(ui::Component*) { OpenRegisteredPage("mniTrafficControl1"); }
void TMainForm::tAdmin1Click(ui::Component*) { OpenRegisteredPage("tAdmin2"); }
void TMainForm::tSystem1Click(ui::Component*) { OpenRegisteredPage("tSystem2"); }
void TMainForm::Firmware1Click(ui::Component*) { OpenRegisteredPage("Firmware1"); }
void TMainForm::TimeClick(ui::Component*) { OpenRegisteredPage("Time"); }
void TMainForm::tUpdate1Click(ui::Component*) { OpenRegisteredPage("tUpdate2"); }
void TMainForm::stEthernet1Click(ui::Component*) { OpenRegisteredPage("stDeviceInfo2"); }
void TMainForm::Client1Click(ui::Component*) { OpenRegisteredPage("Client1"); }
void TMainForm::WDSInformation1Click(ui::Component*) { OpenRegisteredPage("WDSInformation1"); }
void TMainForm::Ethernet1Click(ui::Component*) { OpenRegisteredPage("Ethernet1"); }
void TMainForm::WLAN1Click(ui::Component*) { OpenRegisteredPage("WLAN1"); }
void TMainForm::ViewLog1Click(ui::Component*) { OpenRegisteredPage("ViewLog1"); }
void TMainForm::LogSettings1Click(ui::Component*) { OpenRegisteredPage("LogSettings1"); }
// The Grouping page has no menu entry; its opener is registered as "UserLimit".
void TMainForm::UserLimitClick(ui::Component*) { OpenRegisteredPage("UserLimit"); }

// The About box belongs to the main window and lives only while shown.
void TMainForm::About1Click(ui::Component*) {
    TAboutForm about(this);
    about.Create();
    about.ShowModal();
}

void TMainForm::IPCounters1Click(ui::Component*) {}
void TMainForm::IPRouting1Click(ui::Component*) {}
void TMainForm::IPAddressTable1Click(ui::Component*) {}
void TMainForm::ICMPCounters1Click(ui::Component*) {}
void TMainForm::UDPCounters1Click(ui::Component*) {}
void TMainForm::SNMPCounters1Click(ui::Component*) {}
void TMainForm::Exit1Click(ui::Component*) { Close(); }
