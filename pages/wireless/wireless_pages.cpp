#include "pages/wireless/wireless_pages.h"

#include "pages/wireless/ap_array_page.h"
#include "pages/wireless/grouping_page.h"
#include "pages/wireless/mac_acl_page.h"
#include "pages/wireless/multissid_page.h"
#include "pages/wireless/performance_page.h"
#include "pages/wireless/radius_server_page.h"
#include "pages/wireless/schedule_page.h"
#include "pages/wireless/rogue_ap_page.h"
#include "pages/wireless/wlan_partition_page.h"
#include "shell/open_page.h"
#include "shell/page_openers.h"

void RegisterWirelessPages() {
    RegisterPageOpener("adPerformance1", [] { OpenPage(FM_Performace); });
    RegisterPageOpener("WLANPartition1", [] { OpenPage(FM_WLANPart); });
    RegisterPageOpener("UserLimit", [] { OpenPage(FM_Group); });
    RegisterPageOpener("Ad_MultiSSID", [] { OpenPage(FM_MultiSSIDNewForm); });
    RegisterPageOpener("Mac1", [] { OpenPage(FM_FilterMACACL); });
    RegisterPageOpener("Scheduling1", [] { OpenPage(FM_Scheduling); });
    RegisterPageOpener("mniLocalRADIUSServer1", [] { OpenPage(FM_LRADIUSSer); });
    RegisterPageOpener("Intrusion1", [] { OpenPage(FM_RogueAP); });
    RegisterPageOpener("mniAPArray1", [] { OpenPage(FM_APArray); });
}
