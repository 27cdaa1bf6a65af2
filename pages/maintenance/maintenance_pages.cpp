#include "pages/maintenance/maintenance_pages.h"

#include "pages/maintenance/admin_page.h"
#include "pages/maintenance/client_info_page.h"
#include "pages/maintenance/config_file_page.h"
#include "pages/maintenance/device_info_page.h"
#include "pages/maintenance/ethernet_stats_page.h"
#include "pages/maintenance/firmware_page.h"
#include "pages/maintenance/log_settings_page.h"
#include "pages/maintenance/system_page.h"
#include "pages/maintenance/time_page.h"
#include "pages/maintenance/view_log_page.h"
#include "pages/maintenance/wds_info_page.h"
#include "pages/maintenance/wlan_stats_page.h"
#include "shell/open_page.h"
#include "shell/page_openers.h"

void RegisterMaintenancePages() {
    RegisterPageOpener("tSystem2", [] { OpenPage(FM_Sytem); });
    RegisterPageOpener("tUpdate2", [] { OpenPage(FM_CfgFile); });
    RegisterPageOpener("Firmware1", [] { OpenPage(FM_Firmware); });
    RegisterPageOpener("stDeviceInfo2", [] { OpenPage(FM_DevInfo); });
    RegisterPageOpener("tAdmin2", [] { OpenPage(FM_Admin2); });
    RegisterPageOpener("Time", [] { OpenPage(FM_Time); });
    RegisterPageOpener("LogSettings1", [] { OpenPage(LogSetForm); });
    RegisterPageOpener("ViewLog1", [] { OpenPage(LogForm); });
    RegisterPageOpener("Client1", [] { OpenPage(ClientInformation); });
    RegisterPageOpener("WDSInformation1", [] { OpenPage(FM_WDSInfo); });
    RegisterPageOpener("WLAN1", [] { OpenPage(FM_StatWLAN); });
    RegisterPageOpener("Ethernet1", [] { OpenPage(FM_Static); });
}
