// The LAN page against the simulated access point: what it shows after
// opening, what each Save writes (from the simulator's PDU log) and says, and
// every input check.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/basic/basic_pages.h"
#include "pages/basic/lan_page.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/status_bar.h"
#include "pages/common/page_groups.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::OpenedPage;

constexpr char kMode[] = "E.2.1.1.1.1.1.1";
constexpr char kAddress[] = "E.2.1.1.1.1.2.1";
constexpr char kMask[] = "E.2.1.1.1.1.3.1";
constexpr char kGateway[] = "E.2.1.1.1.1.4.1";
constexpr int kStatic = 0;
constexpr int kDhcp = 1;

std::string ModeSet(int value) { return pagetest::DeviceOid(kMode) + "=integer:" + std::to_string(value); }

std::string AddressSet(const std::string& address, const std::string& mask, const std::string& gateway) {
    return pagetest::DeviceOid(kAddress) + "=ipaddress:" + address + " " + pagetest::DeviceOid(kMask) +
           "=ipaddress:" + mask + " " + pagetest::DeviceOid(kGateway) + "=ipaddress:" + gateway;
}

class LanPageTest : public pagetest::PageTest {
protected:
    // What the user does: picks an entry of the mode list.
    static void Pick(TFM_LanCfg& page, int item) {
        page.CB_IPFrom->SetItemIndex(item);
        page.CB_IPFrom->OnChange(page.CB_IPFrom);
    }
    static void Type(TFM_LanCfg& page, const std::string& address, const std::string& mask,
                     const std::string& gateway) {
        page.ED_IpAddr->SetText(address);
        page.ED_SubMask->SetText(mask);
        page.ED_DefGw->SetText(gateway);
    }
    static bool AddressFieldsShown(TFM_LanCfg& page) {
        ui::Control* const fields[] = {page.LA_IPAddress, page.ED_IpAddr, page.LA_SubnetMask,
                                       page.ED_SubMask,   page.LA_DefGW,  page.ED_DefGw};
        int shown = 0;
        for (ui::Control* field : fields) shown += field->Visible() ? 1 : 0;
        EXPECT_TRUE(shown == 0 || shown == 6) << "the six address fields are shown or hidden together";
        return shown == 6;
    }
    void Save(TFM_LanCfg& page) {
        Control("clearlog");
        page.BT_LanCfgOk->Click();
    }
};

TEST_F(LanPageTest, OpensWithTheDevicesStaticAddressAtItsDesignedPlaces) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    EXPECT_EQ(page->Caption(), "Home \\ LAN");
    EXPECT_EQ(page->ClientWidth(), 271);
    EXPECT_EQ(page->ClientHeight(), 212);
    EXPECT_EQ(page->CB_IPFrom->ItemCount(), 2);
    EXPECT_EQ(page->CB_IPFrom->ItemText(0), "Static IP(Manual)");
    EXPECT_EQ(page->CB_IPFrom->ItemText(1), "Dynamic IP(DHCP)");
    EXPECT_EQ(page->CB_IPFrom->ItemIndex(), kStatic);
    EXPECT_EQ(page->DeviceIpFrom, kStatic);
    EXPECT_EQ(page->ED_IpAddr->Text(), "192.168.0.50");
    EXPECT_EQ(page->ED_SubMask->Text(), "255.255.255.0");
    EXPECT_EQ(page->ED_DefGw->Text(), "192.168.0.1");
    EXPECT_TRUE(AddressFieldsShown(*page));
    for (ui::Edit* edit : {page->ED_IpAddr, page->ED_SubMask, page->ED_DefGw}) EXPECT_EQ(edit->MaxLength(), 15);
    struct Place {
        ui::Control* control;
        int left, top, width;
    } const places[] = {{page->CB_IPFrom, 116, 24, 121},    {page->ED_IpAddr, 116, 53, 121},
                        {page->ED_SubMask, 116, 83, 121},   {page->ED_DefGw, 116, 112, 121},
                        {page->BT_LanCfgOk, 22, 163, 75},   {page->BT_LanCfgCancel, 170, 163, 75},
                        {page->LA_IPAddress, 24, 59, -1},   {page->LA_DefGW, 24, 118, -1}};
    for (const Place& p : places) {
        EXPECT_EQ(p.control->Left(), p.left) << p.control->Name();
        EXPECT_EQ(p.control->Top(), p.top) << p.control->Name();
        if (p.width > 0) {
            EXPECT_EQ(p.control->Width(), p.width) << p.control->Name();
        }
    }
    EXPECT_EQ(page->BT_LanCfgOk->Caption(), "Save");
    EXPECT_EQ(page->BT_LanCfgCancel->Caption(), "Cancel");
    SavePicture(*page, "lan-page");
}

TEST_F(LanPageTest, ADhcpDeviceHidesTheAddressFieldsUntilStaticIsPicked) {
    ASSERT_TRUE(Started());
    SetValue(kMode, "2");
    SetValue(kGateway, "0.0.0.0");
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    EXPECT_EQ(page->CB_IPFrom->ItemIndex(), kDhcp);
    EXPECT_EQ(page->DeviceIpFrom, kDhcp);
    EXPECT_FALSE(AddressFieldsShown(*page));
    EXPECT_EQ(page->ED_DefGw->Text(), "") << "a device without gateway shows an empty gateway";
    Pick(*page, kStatic);
    EXPECT_TRUE(AddressFieldsShown(*page));
}

// Each row: what the device holds, what the user picks; what Save writes,
// what the page then takes the device to hold, and the status text.
struct SaveCase {
    const char* name;
    int deviceMode;  // hGetIPFrom on the device
    int picked;
    std::vector<std::string> sets;
    int deviceIpFromAfter;
    const char* status;
};

TEST_F(LanPageTest, SaveWritesOnlyWhatDiffersFromTheDevicesMode) {
    ASSERT_TRUE(Started());
    const std::string addresses = AddressSet("192.168.0.60", "255.255.255.0", "192.168.0.254");
    const SaveCase cases[] = {
        {"static to static", 1, kStatic, {addresses}, kStatic, "Set OK!"},
        {"DHCP to static", 2, kStatic, {ModeSet(1), addresses}, kStatic, "Set OK!"},
        {"static to DHCP", 1, kDhcp, {ModeSet(2)}, kDhcp, "Set OK!"},
        {"DHCP to DHCP", 2, kDhcp, {}, kDhcp, ""},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetValue(kMode, std::to_string(c.deviceMode));
        OpenedPage<TFM_LanCfg> page(FM_LanCfg);
        Pick(*page, c.picked);
        Type(*page, "192.168.0.60", "255.255.255.0", "192.168.0.254");
        Save(*page);
        EXPECT_EQ(Logged("SET"), c.sets);
        EXPECT_EQ(page->DeviceIpFrom, c.deviceIpFromAfter);
        EXPECT_EQ(Status(*page), c.status);
        EXPECT_EQ(Value(kMode), std::to_string(c.picked + 1));
    }
}

TEST_F(LanPageTest, ASecondDhcpSaveWritesNothingAndLeavesTheStatus) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    Pick(*page, kDhcp);
    Save(*page);
    ASSERT_EQ(Logged("SET"), std::vector<std::string>{ModeSet(2)});
    page->StatusBar->SetPanelText(0, "before");
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Status(*page), "before");
}

TEST_F(LanPageTest, AFailedModeWriteIsReportedAndRepeatedByTheNextSave) {
    ASSERT_TRUE(Started());
    SetValue(kMode, "2");
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    Pick(*page, kStatic);
    Type(*page, "192.168.0.60", "255.255.255.0", "192.168.0.254");
    Control("error " + pagetest::DeviceOid(kMode) + " genErr");
    Save(*page);
    const std::vector<std::string> both = {ModeSet(1), AddressSet("192.168.0.60", "255.255.255.0", "192.168.0.254")};
    EXPECT_EQ(Logged("SET"), both) << "the addresses are sent although the mode failed";
    EXPECT_EQ(Status(*page), "Set Error!");
    EXPECT_EQ(page->DeviceIpFrom, kDhcp);
    Save(*page);
    EXPECT_EQ(Logged("SET"), both);
    EXPECT_EQ(Status(*page), "Set OK!");
    EXPECT_EQ(page->DeviceIpFrom, kStatic);
}

TEST_F(LanPageTest, AnEmptyGatewayIsWrittenAsNoGatewayAndShownEmptyAgain) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    Type(*page, "10.1.2.3", "255.0.0.0", "");
    Save(*page);
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{AddressSet("10.1.2.3", "255.0.0.0", "0.0.0.0")});
    EXPECT_EQ(page->ED_DefGw->Text(), "");
    EXPECT_EQ(Value(kGateway), "0.0.0.0");
}

// Each row: the three texts typed, the message, the edit cleared and focused.
struct CheckCase {
    const char* address;
    const char* mask;
    const char* gateway;
    const char* message;
    const char* focused;
};

TEST_F(LanPageTest, EachCheckRefusesWithItsMessageClearsAndFocusesItsEdit) {
    ASSERT_TRUE(Started());
    const CheckCase cases[] = {
        {"", "255.255.255.0", "", "Please input valid IP Address.", "ED_IpAddr"},
        {"192.168.0.255", "255.255.255.0", "", "Please input valid IP Address.", "ED_IpAddr"},
        {"127.0.0.5", "255.0.0.0", "", "Please input valid IP Address.", "ED_IpAddr"},
        {"192.168.0.60", "255.255.0.255", "", "Please input valid Subnet Mask.", "ED_SubMask"},
        {"192.168.0.60", "128.0.0.0", "", "Please input valid Subnet Mask.", "ED_SubMask"},
        // The first octet must lie below the mask's: 192 is not below 192.
        {"192.168.1.10", "192.0.0.0", "", "Please input valid IP Address.", "ED_IpAddr"},
        // A host part of all zeros in its subnet.
        {"192.168.1.0", "255.255.255.0", "", "Please input valid IP Address.", "ED_IpAddr"},
        {"192.168.0.60", "255.255.255.0", "192.168.0.255", "Invalid gateway address !", "ED_DefGw"},
        {"192.168.0.60", "255.255.255.0", "gateway", "Invalid gateway address !", "ED_DefGw"},
    };
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    ShowActive(*page);
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " / " + c.mask + " / " + c.gateway);
        Type(*page, c.address, c.mask, c.gateway);
        Dialogs().ExpectBox("Warning", c.message, ui::Answer::Ok);
        Save(*page);
        auto* edit = dynamic_cast<ui::Edit*>(page->FindComponent(c.focused));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->Text(), "");
        EXPECT_TRUE(edit->Focused());
        EXPECT_TRUE(Logged("SET").empty());
    }
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
}

TEST_F(LanPageTest, AnUnknownDeviceModeIsReportedAndNothingIsWritten) {
    ASSERT_TRUE(Started());
    SetValue(kMode, "3");
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    EXPECT_EQ(page->CB_IPFrom->ItemIndex(), -1);
    EXPECT_EQ(page->DeviceIpFrom, -1);
    EXPECT_EQ(Status(*page), LanModeUnknownText);
    for (int picked : {kStatic, kDhcp}) {
        Pick(*page, picked);
        Type(*page, "192.168.0.60", "255.255.255.0", "192.168.0.254");
        page->StatusBar->SetPanelText(0, "");
        Save(*page);
        EXPECT_TRUE(Logged("SET").empty());
        EXPECT_EQ(Status(*page), LanModeUnknownText);
    }
}

// A device that does not answer the mode read is not asked for its
// addresses: the page opens after one time-out, says why, shows no address
// and writes nothing.
TEST_F(LanPageTest, AnUnansweredModeReadStopsTheLoadAndNothingIsWritten) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("drop 2");  // the mode read and its retry
    Control("clearlog");
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    for (const std::string& read : Logged("GET"))
        EXPECT_EQ(read.find(pagetest::DeviceOid(kAddress)), std::string::npos) << "the addresses were asked for";
    EXPECT_FALSE(page->Groups.WasRead(*page->AddressRequest));
    for (ui::Edit* edit : {page->ED_IpAddr, page->ED_SubMask, page->ED_DefGw}) EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(Status(*page), DeviceSilentText);
    Pick(*page, kDhcp);
    Save(*page);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Status(*page), LanNotReadText);
}

// Each row: how the address read fails, the status after opening.
struct FailedReadCase {
    const char* name;
    bool silent;  // the device does not answer at all; else it lacks the mask
    const char* status;
};

TEST_F(LanPageTest, AFailedAddressReadShowsEveryFieldEmptyAndWritesNothing) {
    ASSERT_TRUE(Started());
    const FailedReadCase cases[] = {
        {"silent device", true, DeviceSilentText},
        {"no subnet mask", false, LanNotReadText},
    };
    for (const FailedReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.silent) {
            ShortenTimeouts();
            Control("down");
        } else {
            RestartSimWithout("hSubnetMask");
        }
        OpenedPage<TFM_LanCfg> page(FM_LanCfg);
        if (c.silent) Control("up");
        EXPECT_EQ(page->DeviceIpFrom, kStatic);
        EXPECT_TRUE(AddressFieldsShown(*page));
        for (ui::Edit* edit : {page->ED_IpAddr, page->ED_SubMask, page->ED_DefGw})
            EXPECT_EQ(edit->Text(), "") << edit->Name() << ": nothing read is shown";
        EXPECT_EQ(Status(*page), c.status);
        Pick(*page, kStatic);
        Type(*page, "192.168.0.60", "255.255.255.0", "192.168.0.254");
        Save(*page);
        EXPECT_TRUE(Logged("SET").empty());
        EXPECT_EQ(Status(*page), LanNotReadText);
    }
}

class LanPageAccessTest : public LanPageTest, public ::testing::WithParamInterface<pagetest::Access> {};

TEST_P(LanPageAccessTest, ReadsAndWritesTheAddressGroup) {
    ASSERT_TRUE(Started());
    UseAccess(GetParam());
    OpenedPage<TFM_LanCfg> page(FM_LanCfg);
    ASSERT_EQ(page->ED_IpAddr->Text(), "192.168.0.50");
    Type(*page, "192.168.0.61", "255.255.255.0", "192.168.0.1");
    Save(*page);
    EXPECT_EQ(Status(*page), "Set OK!");
    EXPECT_EQ(Value(kAddress), "192.168.0.61");
}

INSTANTIATE_TEST_SUITE_P(Versions, LanPageAccessTest, ::testing::Values(pagetest::kV1, pagetest::kV3AuthPriv),
                         [](const auto& info) { return std::string(info.param.version == 0 ? "v1" : "v3"); });

TEST_F(LanPageTest, TheHomeMenuEntryOpensThePageModallyAndCancelClosesIt) {
    ASSERT_TRUE(Started());
    RegisterBasicPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_LanCfg != nullptr && FM_LanCfg->Modal() && FM_LanCfg->ED_IpAddr->Text() == "192.168.0.50";
        if (FM_LanCfg) FM_LanCfg->BT_LanCfgCancel->Click();
    });
    EXPECT_TRUE(OpenRegisteredPage("hLan1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_LanCfg, nullptr);
}

}  // namespace
