// The Status menu's entries open the list and statistics pages modally, with
// their captions; each is closed from its modal loop once it has loaded (the
// Client Information page only after its detection), and its picture saved.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pages/maintenance/client_info_page.h"
#include "pages/maintenance/ethernet_stats_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "pages/maintenance/wds_info_page.h"
#include "pages/maintenance/wlan_stats_page.h"
#include "platform/ui/button.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

struct MenuCase {
    const char* entry;
    const char* caption;
    const char* picture;
    std::function<ui::Form*()> page;
    std::function<bool()> loaded;
};

class StatusMenuTest : public pagetest::PageTest, public ::testing::WithParamInterface<MenuCase> {
protected:
    // Polls from the page's modal loop until it has loaded, then closes it.
    void CloseWhenLoaded(int triesLeft) {
        const MenuCase& c = GetParam();
        ui::Form* page = c.page();
        if (page != nullptr && (c.loaded() || triesLeft == 0)) {
            seen_ = page->Modal() && page->Caption() == c.caption && c.loaded();
            SavePicture(*page, c.picture);
            if (ClientInformation != nullptr) ClientInformation->Busy = false;  // never leave a loop behind
            page->Close();
            return;
        }
        Later(20, [this, triesLeft] { CloseWhenLoaded(triesLeft - 1); });
    }

    bool seen_ = false;
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.entry; }

const MenuCase kMenuCases[] = {
    {"Client1", "Status \\ Client Information", "client-information-page", [] { return ClientInformation; },
     [] { return !ClientInformation->Busy; }},
    {"WDSInformation1", "Status \\ WDS Information", "wds-information-page", [] { return FM_WDSInfo; },
     [] { return FM_WDSInfo->Btn_Refresh->Enabled(); }},
    {"WLAN1", "Status \\ Stats \\ WLAN ", "wlan-statistics-page", [] { return FM_StatWLAN; }, [] { return true; }},
    {"Ethernet1", "Status \\ Stats \\ Ethernet", "ethernet-statistics-page", [] { return FM_Static; },
     [] { return true; }},
};

TEST_P(StatusMenuTest, TheMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterMaintenancePages();
    CloseWhenLoaded(250);
    EXPECT_TRUE(OpenRegisteredPage(GetParam().entry));
    EXPECT_TRUE(seen_);
    EXPECT_EQ(GetParam().page(), nullptr) << "the page is gone after its modal loop";
}

INSTANTIATE_TEST_SUITE_P(Status, StatusMenuTest, ::testing::ValuesIn(kMenuCases),
                         [](const ::testing::TestParamInfo<MenuCase>& info) { return info.param.entry; });

}  // namespace
