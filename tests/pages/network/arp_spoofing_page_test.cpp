// The ARP Spoofing Prevention page against the simulated access point: what
// it lists (used rows only, by their walked index), every write of Add,
// rewrite, Delete, Delete all and Save as the device receives it, the
// limits and duplicate checks by value, and every input check.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/common/messages.h"
#include "pages/common/walked_rows.h"
#include "pages/network/arp_spoofing_page.h"
#include "pages/network/network_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "sim/line_tokens.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kStatus[] = "E.3.15.1.1.0";
const std::string kFixtures = VAP_NETWORK_FIXTURES;

std::string ListIp(int row) { return "E.3.15.2.4.1.2." + std::to_string(row); }
std::string ListMac(int row) { return "E.3.15.2.4.1.3." + std::to_string(row); }

// A MAC address as the simulator logs it: the six octets of a string.
std::string MacOnWire(const std::string& hex) {
    std::string octets;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) octets += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return "string:" + sim::QuoteToken(octets);
}

// The SET of the entry scalars with their action.
std::string EntrySet(const std::string& ip, const std::string& mac, int action) {
    return DeviceOid("E.3.15.2.1.0") + "=ipaddress:" + ip + " " + DeviceOid("E.3.15.2.2.0") + "=" + MacOnWire(mac) + " " +
           DeviceOid("E.3.15.2.3.0") + "=integer:" + std::to_string(action);
}

std::string RowSet(int row, const std::string& ip, const std::string& mac) {
    return DeviceOid(ListIp(row)) + "=ipaddress:" + ip + " " + DeviceOid(ListMac(row)) + "=" + MacOnWire(mac);
}

class ArpPageTest : public pagetest::PageTest {
protected:
    // Waits until no write or read of the page is outstanding.
    bool Settle(TFM_ARPSpoofing& page) {
        return RunUntil([&] { return !page.ArpEntryRequest->busy && !page.ArpListRequest->busy; });
    }
    // The page opened and its list read.
    void Open(OpenedPage<TFM_ARPSpoofing>& page) { ASSERT_TRUE(Settle(*page)); }

    static Texts Listed(const TFM_ARPSpoofing& page) {
        Texts rows;
        for (int i = 0; i < page.LV_ListViewUser->ItemCount(); ++i) {
            const ui::ListItem& row = *page.LV_ListViewUser->Item(i);
            rows.push_back(row.Caption() + " " + row.SubItem(0) + " " + row.SubItem(1));
        }
        return rows;
    }
    static void Select(TFM_ARPSpoofing& page, int position) {
        page.LV_ListViewUser->Item(position)->SetSelected(true);
        page.LV_ListViewUser->OnClick(page.LV_ListViewUser);
    }
    static void Type(TFM_ARPSpoofing& page, const std::string& ip, const std::string& mac) {
        page.Ed_IpAddress->SetText(ip);
        page.Ed_MacAddress->SetText(mac);
    }
    void Act(TFM_ARPSpoofing& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
};

TEST_F(ArpPageTest, OpensWithTheDevicesStatusAndGatewaysAtItsPlaces) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    EXPECT_FALSE(page->Btn_Add->Enabled()) << "Add waits for the list";
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ARP Spoofing Prevention");
    EXPECT_EQ(pagetest::Items(page->CB_APPstatus), (Texts{"Disable", "Enable"}));
    EXPECT_EQ(page->CB_APPstatus->Text(), "Enable");
    EXPECT_EQ(Listed(*page), (Texts{"1 192.168.0.1 00907A000001", "2 192.168.0.254 00907A0000FE"}))
        << "the six free rows are not listed";
    EXPECT_EQ(page->LV_ListViewUser->ColumnCount(), 3);
    const Texts columns = {"Index", "Gateway IP Address", "Gateway MAC Address"};
    const int widths[] = {40, 150, 150};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(page->LV_ListViewUser->ColumnCaption(c), columns[c]);
        EXPECT_EQ(page->LV_ListViewUser->ColumnWidth(c), widths[c]);
    }
    EXPECT_TRUE(page->Btn_Add->Enabled());
    EXPECT_TRUE(page->Btn_Delall->Enabled());
    EXPECT_FALSE(page->Btn_Del->Enabled());
    EXPECT_EQ(page->Ed_MacAddress->MaxLength(), 12);
    for (ui::Control* hidden : {static_cast<ui::Control*>(page->CB_ApMode), static_cast<ui::Control*>(page->CB_Action),
                                static_cast<ui::Control*>(page->Ed_Index)})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    EXPECT_EQ(Status(*page), "");
    SavePicture(*page, "arp-spoofing-page");
}

TEST_F(ArpPageTest, DisableLocksTheEditingGroupsButNotSave) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    ASSERT_EQ(page->CB_APPstatus->Text(), "Disable");
    for (ui::Control* c : std::initializer_list<ui::Control*>{page->GroupBox1, page->GroupBox2, page->Btn_Add,
                                                              page->Btn_Clear, page->Btn_Del, page->Btn_Delall})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_TRUE(page->Btn_Save->Enabled());
    pagetest::Pick(page->CB_APPstatus, "Enable");
    for (ui::Control* c : std::initializer_list<ui::Control*>{page->GroupBox1, page->GroupBox2, page->Btn_Add,
                                                              page->Btn_Clear, page->Btn_Delall})
        EXPECT_TRUE(c->Enabled()) << c->Name();
    EXPECT_FALSE(page->Btn_Del->Enabled()) << "no row is selected";
}

TEST_F(ArpPageTest, SaveWritesTheStatusAndWirelessClientModeLocksItToDisable) {
    ASSERT_TRUE(Started());
    {
        OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
        Open(page);
        pagetest::Pick(page->CB_APPstatus, "Enable");
        Act(*page, page->Btn_Save);
        EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kStatus) + "=integer:1"});
        EXPECT_EQ(Status(*page), "Save OK!");
        Control("error " + DeviceOid(kStatus) + " genErr");
        Act(*page, page->Btn_Save);
        EXPECT_EQ(Status(*page), "Save Error!");
    }
    SetValue(kApMode, "4");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    EXPECT_EQ(page->CB_APPstatus->Text(), "Disable");
    EXPECT_FALSE(page->CB_APPstatus->Enabled());
    EXPECT_FALSE(page->GroupBox1->Enabled());
    Act(*page, page->Btn_Save);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kStatus) + "=integer:0"});
    EXPECT_EQ(Value(kStatus), "0");
}

TEST_F(ArpPageTest, AnUnreadStatusIsNotWrittenBack) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dot11ARPSpoofingPreventionStatus");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    EXPECT_NE(Status(*page).find("ARP spoofing prevention"), std::string::npos) << Status(*page);
    page->CB_APPstatus->SetItemIndex(1);
    Act(*page, page->Btn_Save);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_NE(Status(*page).find("Save Error!"), std::string::npos);
}

TEST_F(ArpPageTest, AddWritesTheEntryWithActionAddAndReadsTheListAgain) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    Type(*page, "10.1.1.1", "00aa00bb00cc");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{EntrySet("10.1.1.1", "00AA00BB00CC", 1)});
    EXPECT_EQ(Listed(*page).back(), "3 10.1.1.1 00AA00BB00CC");
    EXPECT_EQ(Status(*page), MessageText(VK_OK));
    EXPECT_EQ(page->Ed_IpAddress->Text(), "");
    EXPECT_EQ(page->Ed_MacAddress->Text(), "");
    EXPECT_TRUE(page->AddMode);

    Control("error " + DeviceOid("E.3.15.2.3.0") + " genErr");
    Type(*page, "10.1.1.2", "00AA00BB00CD");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Status(*page), "Set Error!");
    EXPECT_EQ(Logged("GET").size(), 0u) << "a failed add reads nothing";
}

TEST_F(ArpPageTest, AddBeforeTheListIsReadWritesNothing) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Control("clearlog");
    Type(*page, "10.1.1.1", "00AA00BB00CC");
    page->Btn_AddClick(page->Btn_Add);  // as if the button were usable
    ASSERT_TRUE(Settle(*page));
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(ArpPageTest, TheLimitCountsGatewaysAndAFreeRowBetweenThemTakesTheEighth) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/arp_seven.txt"});
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    ASSERT_EQ(page->GatewayCount(), 7);
    Type(*page, "10.0.0.4", "00907A000004");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Value(ListIp(4)), "10.0.0.4") << "the device's first free row";
    ASSERT_EQ(page->GatewayCount(), 8);
    Type(*page, "10.0.0.9", "00907A000009");
    Dialogs().ExpectBox("Warning", "The Max number is 8,is full now!", ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(ArpPageTest, ARewriteGoesToTheSelectedRowByItsIndex) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/arp_gap.txt"});
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    ASSERT_EQ(Listed(*page), (Texts{"1 192.168.0.1 00907A000001", "3 10.0.0.3 00907A000003"}));
    Select(*page, 1);
    EXPECT_FALSE(page->AddMode);
    EXPECT_TRUE(page->Btn_Del->Enabled());
    EXPECT_EQ(page->Ed_IpAddress->Text(), "10.0.0.3");
    page->Ed_IpAddress->SetText("10.0.0.33");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{RowSet(3, "10.0.0.33", "00907A000003")});
    EXPECT_EQ(Listed(*page), (Texts{"1 192.168.0.1 00907A000001", "3 10.0.0.33 00907A000003"}));
    EXPECT_EQ(Value(ListIp(2)), "0.0.0.0");
    EXPECT_EQ(Status(*page), "Set OK!");

    // Unchanged, the row passes its own duplicate check.
    Select(*page, 0);
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Logged("SET"), Texts{RowSet(1, "192.168.0.1", "00907A000001")});

    Select(*page, 0);
    Control("error " + DeviceOid(ListIp(1)) + " genErr");
    Act(*page, page->Btn_Add);
    EXPECT_NE(Status(*page), "Set OK!");
    EXPECT_FALSE(Status(*page).empty());
}

TEST_F(ArpPageTest, DuplicatesAreFoundByValue) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    ShowActive(*page);
    struct Case {
        const char* ip;
        const char* mac;
        int selected;  // -1: a new entry
        const char* message;
        ui::Edit* TFM_ARPSpoofing::*focus;
    } const cases[] = {
        {"192.168.000.001", "00AA00BB00CC", -1, "The IP Address has already been added in the list!",
         &TFM_ARPSpoofing::Ed_IpAddress},
        {"10.1.1.1", "00907a0000fe", -1, "The MAC Address has already been added in the list!",
         &TFM_ARPSpoofing::Ed_MacAddress},
        {"192.168.0.254", "00907A000001", 0, "The IP Address has already been added in the list!",
         &TFM_ARPSpoofing::Ed_IpAddress},
        {"192.168.0.1", "00907A0000fe", 0, "The MAC Address has already been added in the list!",
         &TFM_ARPSpoofing::Ed_MacAddress},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
        if (c.selected >= 0)
            Select(*page, c.selected);
        else
            page->LV_ListViewUser->SetSelected(nullptr);
        Type(*page, c.ip, c.mac);
        Dialogs().ExpectBox("Warning", c.message, ui::Answer::Ok);
        Act(*page, page->Btn_Add);
        EXPECT_TRUE(Logged("SET").empty());
        EXPECT_TRUE(((*page).*(c.focus))->Focused());
    }
}

TEST_F(ArpPageTest, EachInputCheckRefusesWithItsMessageAndFocus) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    ShowActive(*page);
    struct Case {
        const char* ip;
        const char* mac;
        const char* caption;
        const char* message;
        ui::Edit* TFM_ARPSpoofing::*focus;
        bool cleared;
    } const cases[] = {
        {"", "00AA00BB00CC", "Warning", "The IP Address can not be blank!", &TFM_ARPSpoofing::Ed_IpAddress, false},
        {"10.1.1", "00AA00BB00CC", "Warning", "Please input valid IP Address.", &TFM_ARPSpoofing::Ed_IpAddress, true},
        {"127.0.0.1", "00AA00BB00CC", "Warning", "Please input valid IP Address.", &TFM_ARPSpoofing::Ed_IpAddress,
         true},
        {"10.1.1.1", "00AA00BB00C", "Error", "The length is 12 MAC Address.", &TFM_ARPSpoofing::Ed_MacAddress, true},
        {"10.1.1.1", "", "Error", "The length is 12 MAC Address.", &TFM_ARPSpoofing::Ed_MacAddress, true},
        {"10.1.1.1", "000000000000", "Warning", "Invalid MAC Address.", &TFM_ARPSpoofing::Ed_MacAddress, false},
        {"10.1.1.1", "01AA00BB00CC", "Warning", "Invalid MAC Address.", &TFM_ARPSpoofing::Ed_MacAddress, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
        Type(*page, c.ip, c.mac);
        Dialogs().ExpectBox(c.caption, c.message, ui::Answer::Ok);
        Act(*page, page->Btn_Add);
        EXPECT_TRUE(Logged("SET").empty());
        ui::Edit* focus = (*page).*(c.focus);
        EXPECT_TRUE(focus->Focused());
        EXPECT_EQ(focus->Text(), c.cleared ? "" : (focus == page->Ed_IpAddress ? c.ip : c.mac));
    }
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
}

TEST_F(ArpPageTest, DeleteWritesTheSelectedGatewayWithActionDelete) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    Act(*page, page->Btn_Del);
    EXPECT_TRUE(Logged("SET").empty()) << "nothing is selected";
    Select(*page, 1);
    page->Ed_IpAddress->SetText("10.9.9.9");  // typed after the selection: the row is deleted all the same
    Act(*page, page->Btn_Del);
    EXPECT_EQ(Logged("SET"), Texts{EntrySet("192.168.0.254", "00907A0000FE", 0)});
    EXPECT_EQ(Listed(*page), Texts{"1 192.168.0.1 00907A000001"});
    EXPECT_FALSE(page->Btn_Del->Enabled());
}

TEST_F(ArpPageTest, DeleteAllAsksThenDeletesEveryGatewayAndReadsTheListOnce) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/arp_gap.txt"});
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    Dialogs().ExpectBox("Warning", "Are you sure delete all the rules?", ui::Answer::Cancel);
    Act(*page, page->Btn_Delall);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->GatewayCount(), 2);

    Dialogs().ExpectBox("Warning", "Are you sure delete all the rules?", ui::Answer::Ok);
    Act(*page, page->Btn_Delall);
    EXPECT_EQ(Logged("SET"), (Texts{EntrySet("192.168.0.1", "00907A000001", 0), EntrySet("10.0.0.3", "00907A000003", 0)}));
    EXPECT_EQ(page->GatewayCount(), 0);
    EXPECT_EQ(Status(*page), "Set OK!");
    EXPECT_FALSE(page->Btn_Delall->Enabled());
    EXPECT_EQ(Value(ListIp(3)), "0.0.0.0");
}

TEST_F(ArpPageTest, DeleteAllIsRefusedWhileTheListIsBeingWalked) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    ASSERT_TRUE(page->Btn_Delall->Enabled());
    Control("delay 300");
    Type(*page, "10.1.1.1", "00aa00bb00cc");
    page->Btn_Add->Click();  // its answer starts a walk of the list
    ASSERT_TRUE(RunUntil([&] { return page->ArpListRequest->busy && !page->ArpEntryRequest->busy; }));
    Control("clearlog");
    page->Btn_Delall->Click();  // no question: nothing is deleted
    EXPECT_EQ(Status(*page), WalkRunningText);
    Control("delay 0");
    ASSERT_TRUE(Settle(*page));
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(Listed(*page).back(), "3 10.1.1.1 00AA00BB00CC");
}

TEST_F(ArpPageTest, AFailedDeleteInDeleteAllIsReported) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    // The device refuses the second delete: the first gateway is gone then.
    SetValue(ListMac(2), "00907A0000FD");
    Dialogs().ExpectBox("Warning", "Are you sure delete all the rules?", ui::Answer::Ok);
    Act(*page, page->Btn_Delall);
    EXPECT_EQ(Logged("SET").size(), 2u);
    EXPECT_EQ(Status(*page), "Set Error!");
    EXPECT_EQ(Listed(*page), Texts{"2 192.168.0.254 00907A0000FD"});
}

TEST_F(ArpPageTest, ClosingWithAnAnswerOutstandingLeavesNothingBehind) {
    ASSERT_TRUE(Started());
    SetValue(kStatus, "1");
    OpenedPage<TFM_ARPSpoofing> page(FM_ARPSpoofing);
    Open(page);
    Control("delay 400");
    Type(*page, "10.1.1.1", "00AA00BB00CC");
    page->Btn_Add->Click();
    page.Close();
    RunFor(1000);
    EXPECT_EQ(FM_ARPSpoofing, nullptr);
}

TEST_F(ArpPageTest, TheAdvancedMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterNetworkPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_ARPSpoofing != nullptr && FM_ARPSpoofing->Modal();
        if (FM_ARPSpoofing) FM_ARPSpoofing->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("ARPSpoofingPreventionSettings1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_ARPSpoofing, nullptr);
}

}  // namespace
