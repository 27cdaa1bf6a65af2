// The Wireless MAC ACL page against the simulated access point: the list as
// the device's fixed rows give it, additions typed or picked from the
// stations, deletions, every refusal with its message, the close guard, the
// Wireless Client mode and Save.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "pages/common/page_groups.h"
#include "pages/wireless/mac_acl_page.h"
#include "pages/wireless/wireless_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "sim/line_tokens.h"
#include "tests/pages/page_test_support.h"
#include "tests/pages/wireless/wireless_test_pdus.h"

namespace {

using pagetest::OpenedPage;
using pagetest::Pick;
using ui::Answer;
using Pdus = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kAccessMode[] = "E.2.1.3.3.2.3.2.1.1.1";
constexpr char kAdd[] = "E.2.1.3.3.2.3.2.1.2.1";
constexpr char kDelete[] = "E.2.1.3.3.2.3.2.1.3.1";
constexpr char kZoneDefence[] = "E.2.1.3.3.7.1.1.1.1";
// The second station's address (the standard data has two stations).
constexpr char kStationMac2[] = "E.2.1.3.3.4.2.1.2.2";
std::string Row(int row) { return "E.2.1.3.3.2.3.3.1.2." + std::to_string(row); }
// A distinct address for each number.
std::string Numbered(int n) {
    char mac[16];
    snprintf(mac, sizeof mac, "0200%08X", n);
    return mac;
}

// A MAC address as the simulator logs it: the six octets of a string.
std::string OnWire(const std::string& hex) {
    std::string octets;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) octets += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return sim::QuoteToken(octets);
}
std::string AddSet(const std::string& mac) { return "dot11MacAccessControlMacAddressAdd=" + OnWire(mac); }
std::string DeleteSet(const std::string& mac) { return "dot11MacAccessControlMacAddressDelete=" + OnWire(mac); }

// The standard data holds two entries with a free row between them.
const Pdus kStandardList{"00A0C5112233", "00A0C5445566"};

class MacAclPageTest : public pagetest::PageTest {
protected:
    // Runs the loop until the list walk of the opening (or of a change) has
    // ended.
    bool Ready(TFM_FilterMACACL& page) { return RunUntil([&] { return page.ListReady; }, 20000); }
    bool ClientsShown(TFM_FilterMACACL& page) {
        return RunUntil([&] { return page.LV_ClientUser->ItemCount() > 0; }, 10000);
    }
    // The listed rows as "ID MAC".
    static Pdus Listed(TFM_FilterMACACL& page) {
        Pdus rows;
        for (int row = 0; row < page.LV_UerMACAddress->ItemCount(); ++row) {
            const ui::ListItem* item = page.LV_UerMACAddress->Item(row);
            rows.push_back(item->Caption() + " " + item->SubItem(0));
        }
        return rows;
    }
    static Pdus Macs(TFM_FilterMACACL& page) { return page.ListedMacs(); }
    static bool CanClose(TFM_FilterMACACL& page) {
        bool canClose = true;
        page.FormCloseQuery(nullptr, canClose);
        return canClose;
    }
    Pdus Sets() { return wirelesstest::Named(Logged("SET")); }
    static void SelectListed(TFM_FilterMACACL& page, const std::string& mac) {
        for (int row = 0; row < page.LV_UerMACAddress->ItemCount(); ++row)
            if (page.LV_UerMACAddress->Item(row)->SubItem(0) == mac)
                page.LV_UerMACAddress->SetSelected(page.LV_UerMACAddress->Item(row));
        ASSERT_NE(page.LV_UerMACAddress->Selected(), nullptr) << mac;
    }
    // Fills the device's list with entries 1..count (row k holds entry k).
    void FillList(int count) {
        for (int row = 1; row <= 256; ++row) SetValue(Row(row), row <= count ? Numbered(row) : "000000000000");
    }
    // Adds a typed address and waits for the list read that follows.
    void AddTyped(TFM_FilterMACACL& page, const std::string& mac) {
        page.Ed_MacAdd->SetText(mac);
        Control("clearlog");
        page.Btn_Add->Click();
        ASSERT_TRUE(Ready(page));
    }
};

TEST_F(MacAclPageTest, OpensWithTheListedEntriesNumberedAndTheStations) {
    ASSERT_TRUE(Started());
    SetValue(Row(7), "00A0C5778899");
    SetValue(kStationMac2, "000000000000");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    EXPECT_EQ(page->Caption(), "Advanced \\ Wireless MAC ACL");
    // The page cannot be closed before its first list walk has ended.
    EXPECT_FALSE(page->ListReady);
    EXPECT_FALSE(CanClose(*page));
    EXPECT_FALSE(page->Bt_Apply->Enabled());
    ASSERT_TRUE(Ready(*page));
    EXPECT_TRUE(CanClose(*page));
    // Free rows (2, 4 to 6) are skipped; the IDs run without gaps.
    EXPECT_EQ(Listed(*page), (Pdus{"1 00A0C5112233", "2 00A0C5445566", "3 00A0C5778899"}));
    EXPECT_EQ(page->LV_GetMAC->ItemCount(), 256) << "the hidden list holds every row";
    EXPECT_EQ(page->CB_AccessControl->Text(), "Reject");
    EXPECT_EQ(page->CB_Band->Text(), "2.4GHz");
    EXPECT_FALSE(page->CB_Band->Enabled());
    EXPECT_TRUE(page->Bt_Apply->Enabled());
    EXPECT_TRUE(page->Bt_Del->Enabled());
    EXPECT_EQ(Sets(), Pdus{"dot11ClientInformationRefresh=1"});

    ASSERT_TRUE(ClientsShown(*page));
    ASSERT_EQ(page->LV_ClientUser->ItemCount(), 1) << "the free station row is not listed";
    const ui::ListItem* station = page->LV_ClientUser->Item(0);
    EXPECT_EQ(station->Caption(), "001122334455");
    EXPECT_EQ((Pdus{station->SubItem(0), station->SubItem(1), station->SubItem(2), station->SubItem(3)}),
              (Pdus{"1", "G", "OPEN", "-48"}));
    EXPECT_FALSE(page->Bt_Add->Enabled()) << "no station chosen yet";
}

// A device that does not answer stops the opening at its first read: no
// station refresh and no list walk go out, the status says why, and the page
// can be closed.
TEST_F(MacAclPageTest, ASilentDeviceStopsTheOpeningAndThePageCanClose) {
    ASSERT_TRUE(Started());
    ShortenTimeouts();
    Control("down");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    Control("up");
    EXPECT_EQ(Status(*page), DeviceSilentText);
    EXPECT_EQ(page->LV_UerMACAddress->ItemCount(), 0);
    EXPECT_EQ(page->LV_ClientUser->ItemCount(), 0);
    EXPECT_TRUE(page->ListReady);
    EXPECT_TRUE(CanClose(*page));
}

TEST_F(MacAclPageTest, ATypedAddressGoesIntoTheFirstFreeRowAndTheListIsReadAgain) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    AddTyped(*page, "0011223344AA");
    EXPECT_EQ(Sets(), Pdus{AddSet("0011223344AA")});
    EXPECT_EQ(Value(Row(2)), "0011223344AA");
    EXPECT_EQ(Listed(*page), (Pdus{"1 00A0C5112233", "2 0011223344AA", "3 00A0C5445566"}));
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_EQ(page->Ed_MacAdd->Text(), "");
    EXPECT_TRUE(page->Bt_Apply->Enabled());
}

TEST_F(MacAclPageTest, TypedAddressesAreRefusedWithTheirMessages) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    struct Case {
        const char* mac;
        const char* caption;
        const char* text;
    };
    const Case cases[] = {
        {"", "Error", "The length is 12 in MAC Address."},
        {"0011223344A", "Error", "The length is 12 in MAC Address."},
        {"000000000000", "Warning", "Please input a valid MAC Address."},
        {"0111223344AA", "Warning", "Invalid MAC Address."},  // a group address
        {"00A0C5445566", "Warning", "Reject: The MAC already exists "},
        {"00a0c5445566", "Warning", "Reject: The MAC already exists "},
    };
    Control("clearlog");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mac);
        page->Ed_MacAdd->SetText(c.mac);
        Dialogs().ExpectBox(c.caption, c.text, Answer::Ok);
        page->Btn_Add->Click();
        EXPECT_TRUE(page->ListReady);
    }
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(MacAclPageTest, TheListTakesAtMost256Entries) {
    ASSERT_TRUE(Started());
    FillList(255);
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    ASSERT_EQ(page->LV_UerMACAddress->ItemCount(), 255);
    AddTyped(*page, "0011223344AA");
    EXPECT_EQ(Sets(), Pdus{AddSet("0011223344AA")});
    ASSERT_EQ(page->LV_UerMACAddress->ItemCount(), 256);
    EXPECT_EQ(Listed(*page).back(), "256 0011223344AA");

    Control("clearlog");
    page->Ed_MacAdd->SetText("0011223344BB");
    Dialogs().ExpectBox("Warning", "Maximum number of MAC Address List is 256 !", Answer::Ok);
    page->Btn_Add->Click();
    EXPECT_EQ(page->Ed_MacAdd->Text(), "");
    ASSERT_TRUE(ClientsShown(*page));
    page->LV_ClientUser->SetSelected(page->LV_ClientUser->Item(0));
    Dialogs().ExpectBox("Warning", "Maximum number of MAC Address List is 256 !", Answer::Ok);
    page->Bt_Add->Click();
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(MacAclPageTest, AStationIsAddedAfterTheModeTurnsToReject) {
    ASSERT_TRUE(Started());
    SetValue(kAccessMode, "1");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    ASSERT_TRUE(ClientsShown(*page));
    EXPECT_EQ(page->CB_AccessControl->Text(), "Accept");
    page->LV_ClientUser->SetSelected(page->LV_ClientUser->Item(0));
    ASSERT_TRUE(page->Bt_Add->Enabled());
    EXPECT_EQ(page->Ed_MacAdd2->Text(), "001122334455");
    Control("clearlog");
    page->Bt_Add->Click();
    EXPECT_FALSE(page->Enabled()) << "the whole page waits for the list";
    ASSERT_TRUE(Ready(*page));
    EXPECT_EQ(Sets(), (Pdus{"dot11MacAccessControl=2", AddSet("001122334455")}));
    EXPECT_EQ(Macs(*page), (Pdus{"00A0C5112233", "001122334455", "00A0C5445566"}));
    EXPECT_EQ(page->CB_AccessControl->Text(), "Reject");
    EXPECT_TRUE(page->Enabled());
    EXPECT_FALSE(page->Bt_Add->Enabled());

    // The same station again: refused by its own message, in any case.
    page->LV_ClientUser->SetSelected(nullptr);
    page->LV_ClientUser->SetSelected(page->LV_ClientUser->Item(0));
    Control("clearlog");
    Dialogs().ExpectBox("Warning", "The MAC already exists ", Answer::Ok);
    page->Bt_Add->Click();
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(MacAclPageTest, AStationIsNotAddedWhenTheDeviceRefusesReject) {
    ASSERT_TRUE(Started());
    SetValue(kAccessMode, "1");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    ASSERT_TRUE(ClientsShown(*page));
    page->LV_ClientUser->SetSelected(page->LV_ClientUser->Item(0));
    Control(std::string("error ") + pagetest::DeviceOid(kAccessMode) + " genErr");
    Control("clearlog");
    page->Bt_Add->Click();
    EXPECT_EQ(Sets(), Pdus{"dot11MacAccessControl=2"}) << "the refused write only";
    EXPECT_EQ(Value(kAccessMode), "1");
    EXPECT_EQ(page->CB_AccessControl->Text(), "Accept");
    EXPECT_TRUE(page->ListReady);
    EXPECT_TRUE(page->Enabled());
    EXPECT_NE(Status(*page).find("Save Fail!"), std::string::npos) << Status(*page);
}

TEST_F(MacAclPageTest, DeletingAfterConfirmationAndTheLastEntryAfterDisable) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));

    // Cancelled: nothing.
    SelectListed(*page, "00A0C5112233");
    Control("clearlog");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this mac address?", Answer::Cancel);
    page->Bt_Del->Click();
    EXPECT_TRUE(Logged("SET").empty());

    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this mac address?", Answer::Ok);
    page->Bt_Del->Click();
    ASSERT_TRUE(Ready(*page));
    EXPECT_EQ(Sets(), Pdus{DeleteSet("00A0C5112233")});
    EXPECT_EQ(Value(Row(1)), "000000000000");
    EXPECT_EQ(Listed(*page), Pdus{"1 00A0C5445566"});

    // The last entry: the mode goes to "Disable" first.
    SelectListed(*page, "00A0C5445566");
    Control("clearlog");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this mac address?", Answer::Ok);
    page->Bt_Del->Click();
    ASSERT_TRUE(Ready(*page));
    EXPECT_EQ(Sets(), (Pdus{"dot11MacAccessControl=3", DeleteSet("00A0C5445566")}));
    EXPECT_TRUE(Listed(*page).empty());
    EXPECT_EQ(page->CB_AccessControl->Text(), "Disable");
    EXPECT_FALSE(page->Ed_MacAdd->Enabled());
}

TEST_F(MacAclPageTest, TheLastEntryStaysWhenDisableIsRefused) {
    ASSERT_TRUE(Started());
    SetValue(Row(3), "000000000000");
    SetValue(kAccessMode, "1");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    SelectListed(*page, "00A0C5112233");
    Control(std::string("error ") + pagetest::DeviceOid(kAccessMode) + " genErr");
    Control("clearlog");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this mac address?", Answer::Ok);
    page->Bt_Del->Click();
    EXPECT_EQ(Sets(), Pdus{"dot11MacAccessControl=3"});
    EXPECT_EQ(Value(Row(1)), "00A0C5112233");
    EXPECT_EQ(page->CB_AccessControl->Text(), "Accept");
    EXPECT_TRUE(page->ListReady);
    EXPECT_TRUE(page->Bt_Del->Enabled());
}

// A refused add or delete gives the page back: its buttons, the close box
// and the error in the status line.
TEST_F(MacAclPageTest, ARefusedAddOrDeleteReleasesThePage) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    Control(std::string("error ") + pagetest::DeviceOid(kAdd) + " genErr");
    AddTyped(*page, "0011223344AA");
    EXPECT_EQ(Sets(), Pdus{AddSet("0011223344AA")});
    EXPECT_NE(Status(*page), "");
    EXPECT_NE(Status(*page), "Get OK!");
    EXPECT_TRUE(CanClose(*page));
    EXPECT_TRUE(page->Bt_Apply->Enabled());
    EXPECT_TRUE(page->Bt_Del->Enabled());
    EXPECT_EQ(Macs(*page), kStandardList);

    Control(std::string("error ") + pagetest::DeviceOid(kDelete) + " genErr");
    SelectListed(*page, "00A0C5112233");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this mac address?", Answer::Ok);
    page->Bt_Del->Click();
    ASSERT_TRUE(Ready(*page));
    EXPECT_TRUE(CanClose(*page));
    EXPECT_EQ(Value(Row(1)), "00A0C5112233");
}

TEST_F(MacAclPageTest, WirelessClientModeShowsDisableAndSaveLeavesTheModeAlone) {
    ASSERT_TRUE(Started());
    SetValue(kApMode, "4");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    EXPECT_EQ(page->CB_AccessControl->Text(), "Disable");
    for (ui::Control* control : std::vector<ui::Control*>{page->CB_AccessControl, page->Ed_MacAdd, page->Btn_Add,
                                                          page->Bt_Add, page->CB_Band})
        EXPECT_FALSE(control->Enabled()) << control->Name();
    Control("clearlog");
    page->Bt_Apply->Click();
    EXPECT_EQ(Sets(), Pdus{"dot11ApMode=4"}) << "the page's own Disable is not written";
    EXPECT_EQ(Value(kAccessMode), "2");
    EXPECT_EQ(Status(*page), "Save OK!");
}

TEST_F(MacAclPageTest, SaveWritesTheApModeReadAndTheChosenMode) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    Pick(page->CB_AccessControl, "Accept");
    Control("clearlog");
    page->Bt_Apply->Click();
    EXPECT_EQ(Sets(), (Pdus{"dot11ApMode=1", "dot11MacAccessControl=1"}));
    EXPECT_EQ(Status(*page), "Save OK!");

    Control(std::string("error ") + pagetest::DeviceOid(kAccessMode) + " genErr");
    page->Bt_Apply->Click();
    EXPECT_EQ(Status(*page).rfind("Save Fail!", 0), 0u) << Status(*page);
}

TEST_F(MacAclPageTest, AModeNeverReadIsNotWrittenBack) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11MacAccessControl");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    // The list's walk ends the opening: its success does not cover the mode.
    EXPECT_EQ(Status(*page).rfind(NotReadPrefix, 0), 0u) << Status(*page);
    EXPECT_NE(Status(*page).find("access control"), std::string::npos) << Status(*page);
    Control("clearlog");
    page->Bt_Apply->Click();
    EXPECT_EQ(Sets(), Pdus{"dot11ApMode=1"});
    EXPECT_EQ(Status(*page).rfind("Save Fail!", 0), 0u) << Status(*page);
    EXPECT_NE(Status(*page).find("access control"), std::string::npos) << Status(*page);
}

TEST_F(MacAclPageTest, LeavingRejectWarnsWhileZoneDefenceIsOn) {
    ASSERT_TRUE(Started());
    SetValue(kZoneDefence, "1");
    OpenedPage<TFM_FilterMACACL> page(FM_FilterMACACL);
    ASSERT_TRUE(Ready(*page));
    Control("clearlog");
    Dialogs().ExpectBox("Warning", "Zone defence would be disable!", Answer::Ok);
    Pick(page->CB_AccessControl, "Accept");
    Pick(page->CB_AccessControl, "Reject");
    Dialogs().ExpectBox("Warning", "Zone defence would be disable!", Answer::Ok);
    Pick(page->CB_AccessControl, "Disable");
    EXPECT_FALSE(page->Ed_MacAdd->Enabled());
    EXPECT_TRUE(Logged("SET").empty()) << "nothing is written";
}

TEST_F(MacAclPageTest, TheFilterMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterWirelessPages();
    bool seen = false;
    std::function<void()> closeWhenReady = [&] {
        if (FM_FilterMACACL == nullptr) return;
        if (!FM_FilterMACACL->ListReady || FM_FilterMACACL->LV_ClientUser->ItemCount() == 0)
            return Later(20, closeWhenReady);
        seen = FM_FilterMACACL->Modal() && FM_FilterMACACL->Caption() == "Advanced \\ Wireless MAC ACL";
        SavePicture(*FM_FilterMACACL, "wireless-mac-acl-page");
        FM_FilterMACACL->Close();
    };
    Later(20, closeWhenReady);
    EXPECT_TRUE(OpenRegisteredPage("Mac1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_FilterMACACL, nullptr);
}

}  // namespace
