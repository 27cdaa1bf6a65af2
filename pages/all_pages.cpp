#include "pages/all_pages.h"

#include "pages/basic/basic_pages.h"
#include "pages/maintenance/maintenance_pages.h"
#include "pages/network/network_pages.h"
#include "pages/wireless/wireless_pages.h"

void RegisterAllPages() {
    RegisterBasicPages();
    RegisterMaintenancePages();
    RegisterWirelessPages();
    RegisterNetworkPages();
}
