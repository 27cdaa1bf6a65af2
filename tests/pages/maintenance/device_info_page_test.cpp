// The Device Information page against the simulated access point: every
// group read once in the page's order and nothing written, the derived texts
// from what the device holds, a silent device named in the status line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/maintenance/device_info_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "pages/common/page_groups.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;

constexpr char kGateway[] = "E.5.1.2.1.1.4.1";
constexpr char kFirmware[] = "E.5.1.1.0";
constexpr char kBand[] = "E.2.1.3.3.1.1.1.34.1";
constexpr char kRole[] = "E.3.11.1.1.2.0";
constexpr char kAuthentication[] = "E.2.1.3.3.2.1.1.1.1";
constexpr char kEncryption[] = "E.2.1.3.3.2.1.1.2.1";
constexpr char kCipher[] = "E.2.1.3.3.2.1.1.5.1";
constexpr char kKeyType[] = "E.3.3.3.1.12.1.1";
constexpr char kKey[] = "E.3.3.3.1.8.1.1";

class DeviceInfoPageTest : public pagetest::PageTest {};

TEST_F(DeviceInfoPageTest, ShowsTheDeviceAndWritesNothing) {
    ASSERT_TRUE(Started());
    SetValue(kGateway, "192.168.0.254");
    SetValue(kFirmware, "2.10.7");
    SetValue(kRole, "2");
    Control("clearlog");
    OpenedPage<TFM_DevInfo> page(FM_DevInfo);
    EXPECT_EQ(page->Ed_Firmware->Text(), "2.10");
    EXPECT_EQ(page->Ed_Mac->Text(), "00907A1C2D3E");
    EXPECT_EQ(page->LAB_Primary->Caption(), "00907A1C2D40");
    EXPECT_EQ(page->Lab_Seccondary1->Caption(), "00907A1C2D41");
    EXPECT_EQ(page->Lab_Seccondary2->Caption(), "00907A1C2D47");
    EXPECT_EQ(page->Ed_IPaddr->Text(), "192.168.0.50");
    EXPECT_EQ(page->Ed_SubMask->Text(), "255.255.255.0");
    EXPECT_EQ(page->Ed_Gate->Text(), "192.168.0.254");
    EXPECT_EQ(page->Ed_SSID->Text(), "VAP7720");
    EXPECT_EQ(page->Ed_Channel->Text(), "6");
    EXPECT_EQ(page->Ed_DRate->Text(), "Auto");
    EXPECT_EQ(page->Ed_Sec->Text(), "None");
    EXPECT_EQ(page->GB_Wireless->Caption(), "Wireless(2.4GHz)");
    EXPECT_EQ(page->Ed_Array->Text(), "APArray");
    EXPECT_EQ(page->Ed_Role->Text(), "Backup Master");
    EXPECT_EQ(page->Ed_Location->Text(), "Lab rack 2");
    EXPECT_EQ(page->StatusBar->SimpleText(), "");
    EXPECT_TRUE(Logged("SET").empty());
    // One request per group, in the page's order; the radio table is walked.
    std::vector<std::string> firstObjects;
    for (const std::string& get : Logged("GET")) firstObjects.push_back(get.substr(0, get.find(' ')));
    EXPECT_EQ(firstObjects, (std::vector<std::string>{DeviceOid("E.5.1.2.1.1.2.1"), DeviceOid(kFirmware),
                                                      DeviceOid(kAuthentication), DeviceOid(kKeyType),
                                                      DeviceOid(kBand), DeviceOid("E.3.11.1.1.3.0")}));
    EXPECT_FALSE(Logged("GETNEXT").empty());
}

TEST_F(DeviceInfoPageTest, DerivedTextsFollowTheDevice) {
    ASSERT_TRUE(Started());
    SetValue(kGateway, "0.0.0.0");
    SetValue(kFirmware, "1.0");
    SetValue(kBand, "1");
    SetValue(kAuthentication, "1");
    SetValue(kEncryption, "1");
    SetValue(kCipher, "4");
    SetValue(kKeyType, "1");
    SetValue(kKey, "\"abcdefghijklm\"");
    OpenedPage<TFM_DevInfo> page(FM_DevInfo);
    EXPECT_EQ(page->Ed_Gate->Text(), "N/A");
    EXPECT_EQ(page->Ed_Firmware->Text(), "1.0");
    EXPECT_EQ(page->GB_Wireless->Caption(), "Wireless(5GHz)");
    EXPECT_EQ(page->Ed_Sec->Text(), "Open / 128bits");
    EXPECT_EQ(page->Ed_Sec->Text().find("abc"), std::string::npos);
}

TEST_F(DeviceInfoPageTest, ASilentDeviceStopsTheLoadAndSaysSo) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_DevInfo> page(FM_DevInfo);
    Control("up");
    EXPECT_EQ(page->StatusBar->SimpleText(), DeviceSilentText);
    EXPECT_EQ(page->Ed_Role->Text(), "");
}

TEST_F(DeviceInfoPageTest, TheStatusMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterMaintenancePages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_DevInfo != nullptr && FM_DevInfo->Modal() &&
               FM_DevInfo->Caption() == "Status \\ Device Information";
        if (FM_DevInfo) {
            SavePicture(*FM_DevInfo, "device-information-page");
            FM_DevInfo->Close();
        }
    });
    EXPECT_TRUE(OpenRegisteredPage("stDeviceInfo2"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_DevInfo, nullptr);
}

}  // namespace
