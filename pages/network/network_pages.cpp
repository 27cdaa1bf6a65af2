#include "pages/network/network_pages.h"

#include "pages/network/arp_spoofing_page.h"
#include "pages/network/dhcp_page.h"
#include "pages/network/vlan_page.h"
#include "pages/network/traffic_control_page.h"
#include "pages/network/qos_page.h"
#include "pages/network/web_redirection_page.h"
#include "shell/open_page.h"
#include "shell/page_openers.h"

void RegisterNetworkPages() {
    RegisterPageOpener("ARPSpoofingPreventionSettings1", [] { OpenPage(FM_ARPSpoofing); });
    RegisterPageOpener("DHCPServer1", [] { OpenPage(FM_DHCP); });
    RegisterPageOpener("VlanSetting1", [] { OpenPage(FM_VlanSetting); });
    RegisterPageOpener("QosSetting1", [] { OpenPage(FM_QosSetting); });
    // The entry is hidden; the page is built all the same.
    RegisterPageOpener("WebRedirection1", [] { OpenPage(FM_WebRedirection); });
    // The entry is hidden; the page is built all the same.
    RegisterPageOpener("mniTrafficControl1", [] { OpenPage(FM_TrafficCtrl); });
}
