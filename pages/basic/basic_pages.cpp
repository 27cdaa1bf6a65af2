#include "pages/basic/basic_pages.h"

#include "pages/basic/information_page.h"
#include "pages/basic/lan_page.h"
#include "pages/basic/wireless_page.h"
#include "shell/open_page.h"
#include "shell/page_openers.h"

void RegisterBasicPages() {
    RegisterPageOpener("Information1", [] { OpenPage(FM_Information); });
    RegisterPageOpener("hWirelessBand1", [] { OpenPage(FM_Wirless); });
    RegisterPageOpener("hLan1", [] { OpenPage(FM_LanCfg); });
}
