// The DHCP Server page against the simulated access point: the opening load,
// the dynamic pool's Save and Disable, static entries added, rewritten and
// deleted by their row's index (free rows in the middle, a full table,
// duplicates by value, failed writes), the lease lists and closing while
// answers are still on their way.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "library/snmp/global_session.h"
#include "pages/network/dhcp_page.h"
#include "pages/network/dhcp_page_texts.h"
#include "pages/network/network_pages.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_view.h"
#include "platform/ui/page_control.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"
#include "shell/page_openers.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using pagetest::DeviceOid;
using pagetest::OpenedPage;
using Texts = std::vector<std::string>;

constexpr char kApMode[] = "E.2.1.3.3.1.1.1.28.1";
constexpr char kServer[] = "E.3.1.1.0";
constexpr char kStaticControl[] = "E.3.1.3.1.0";
constexpr char kNameStatus[] = "E.3.1.2.3.0";
constexpr char kPoolEnd[] = "E.3.1.2.2.1.4.1";
constexpr char kPoolDomain[] = "E.3.1.2.2.1.10.1";
constexpr char kDelete[] = "E.3.1.3.3.0";
const std::string kFixtures = VAP_NETWORK_FIXTURES;

std::string StaticCell(int column, int row) {
    return "E.3.1.3.2.1." + std::to_string(column) + "." + std::to_string(row);
}
constexpr int kHostColumn = 3;
constexpr int kIpColumn = 4;

class DhcpPageTest : public pagetest::PageTest {
protected:
    // Waits until no request of the page is outstanding.
    bool Settle(TFM_DHCP& page) {
        return RunUntil([&] {
            for (VkSNMPRequest2Controls* r :
                 std::initializer_list<VkSNMPRequest2Controls*>{page.StaticPoolRequest, page.StaticDeleteRequest,
                                                                page.DynamicRefreshRequest, page.StaticRefreshRequest,
                                                                page.CurrentDynamicRequest, page.CurrentStaticRequest})
                if (r->busy) return false;
            return page.LeaseWalksPending == 0;
        });
    }
    void Open(OpenedPage<TFM_DHCP>& page) { ASSERT_TRUE(Settle(*page)); }
    void ChooseTab(TFM_DHCP& page, int tab) {
        page.PageControl1->SetActivePageIndex(tab);
        page.PageControl1->OnChange(page.PageControl1);
        EXPECT_TRUE(Settle(page));
    }
    void Act(TFM_DHCP& page, ui::Button* button) {
        Control("clearlog");
        button->Click();
        EXPECT_TRUE(Settle(page));
    }
    static Texts Rows(const ui::ListView& view) { return pagetest::ListRows(view, " "); }
    static void Choose(TFM_DHCP& page, int entry) {
        page.User_ListView->Item(entry)->SetSelected(true);
        page.User_ListView->OnClick(page.User_ListView);
    }
    static void TypeEntry(TFM_DHCP& page, const std::string& host, const std::string& ip, const std::string& mac) {
        page.ED_StaticHostName->SetText(host);
        page.ED_StaticAssignIP->SetText(ip);
        page.ED_StaticAssignMAC->SetText(mac);
        page.ED_StaticSubMask->SetText("255.255.255.0");
    }
    static std::string StaticStatus(const TFM_DHCP& page) { return page.StatusBar2->SimpleText(); }
    // The static tab opened with the gap fixture and its server switch on.
    void OpenStaticTab(OpenedPage<TFM_DHCP>& page) {
        Open(page);
        ChooseTab(*page, 1);
        ASSERT_EQ(page->CB_Fuction2->Text(), "Enable");
    }
    void UseGapFixture() {
        RestartSim({"--fixture", kFixtures + "/dhcp_gap.txt"});
        SetValue(kStaticControl, "1");
    }
};

TEST_F(DhcpPageTest, OpensWithThePoolAsARangeAndTheLeasesListedOnce) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_EQ(page->Caption(), "Advanced \\ DHCP Server");
    EXPECT_EQ(page->PageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(page->Ed_IPAF->Text(), "192.168.0.100");
    EXPECT_EQ(page->Ed_PoolRan->Text(), "100") << ".100 to .199";
    EXPECT_EQ(page->Ed_Gateway->Text(), "") << "0.0.0.0 is shown empty";
    EXPECT_EQ(page->Ed_DNS->Text(), "192.168.0.1");
    EXPECT_EQ(page->Ed_Lease->Text(), "86400");
    EXPECT_EQ(page->CB_Fuction1->Text(), "Disable");
    EXPECT_FALSE(page->Ed_IPAF->Enabled());
    EXPECT_TRUE(page->Bt_Cancel->Enabled()) << "the page can always be closed";
    EXPECT_EQ(Status(*page), "Get OK!");
    EXPECT_EQ(page->StatusBar4->SimpleText(), "Get OK");
    ASSERT_EQ(page->LV_DynPool->ItemCount(), 2);
    EXPECT_EQ(page->LV_DynPool->Item(0)->Caption(), "laptop");
    EXPECT_EQ(page->LV_DynPool->Item(0)->SubItem(0), "00907A000101");
    EXPECT_EQ(page->LV_DynPool->Item(0)->SubItem(1), "192.168.0.100");
    EXPECT_EQ(page->LV_DynPool->Item(1)->SubItem(2), "TimeOut") << "a lease of 0";
    EXPECT_EQ(Rows(*page->LV_StaticPool), (Texts{"printer 00907A000020 192.168.0.20", "camera 00907A000030 192.168.0.30"}))
        << "the row with the 0.0.0.0 address is not listed";
    SavePicture(*page, "dhcp-page-dynamic");

    // Each refresh writes both refresh objects and walks each table once.
    Control("clearlog");
    page->Bt_RefreshStaticPool->Click();
    EXPECT_EQ(page->StatusBar4->SimpleText(), "Refresh...") << "nothing has answered yet";
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Logged("SET"), (Texts{DeviceOid("E.3.1.4.1.0") + "=integer:1", DeviceOid("E.3.1.4.3.0") + "=integer:1"}));
    EXPECT_EQ(page->LV_DynPool->ItemCount(), 2);
    EXPECT_EQ(page->LV_StaticPool->ItemCount(), 2);
    EXPECT_EQ(page->StatusBar4->SimpleText(), "Get OK");
    page->PageControl1->SetActivePageIndex(2);
    SavePicture(*page, "dhcp-page-leases");
}

TEST_F(DhcpPageTest, AFailedLeaseRefreshSaysSoAndNotGetOk) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    Control("error " + DeviceOid("E.3.1.4.3.0") + " genErr");
    page->Bt_RefreshStaticPool->Click();
    ASSERT_TRUE(Settle(*page));
    EXPECT_NE(page->StatusBar4->SimpleText().find("Setting error!"), std::string::npos)
        << page->StatusBar4->SimpleText();
}

TEST_F(DhcpPageTest, SaveWritesTheServerAndThePoolWithItsEndAddressThenShowsTheRange) {
    ASSERT_TRUE(Started());
    SetValue(kServer, "1");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    ASSERT_TRUE(page->Ed_IPAF->Enabled());
    page->Ed_PoolRan->SetText("155");
    page->Ed_DNS->SetText("");
    Act(*page, page->Bt_Apply);
    const Texts sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], DeviceOid(kServer) + "=integer:1");
    EXPECT_NE(sets[1].find(DeviceOid(kPoolEnd) + "=ipaddress:192.168.0.254"), std::string::npos) << sets[1];
    EXPECT_NE(sets[1].find(DeviceOid("E.3.1.2.2.1.9.1") + "=ipaddress:0.0.0.0"), std::string::npos) << sets[1];
    EXPECT_NE(sets[1].find(DeviceOid(kPoolDomain)), std::string::npos);
    EXPECT_EQ(Value(kPoolEnd), "192.168.0.254");
    EXPECT_EQ(page->Ed_PoolRan->Text(), "155");
    EXPECT_EQ(page->Ed_DNS->Text(), "");
    EXPECT_EQ(Status(*page), "Setting Success!");

    // 156 would end past .254: refused, nothing written.
    page->Ed_PoolRan->SetText("156");
    Dialogs().ExpectBox("Warning", "Invaild IP range!", ui::Answer::Ok);
    Act(*page, page->Bt_Apply);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_EQ(page->Ed_PoolRan->Text(), "");
}

TEST_F(DhcpPageTest, ADomainNameTheDeviceTakesFromTheStaticPoolIsNotWritten) {
    ASSERT_TRUE(Started());
    SetValue(kServer, "1");
    SetValue(kNameStatus, "2");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_FALSE(page->Ed_DomNa->Enabled());
    Act(*page, page->Bt_Apply);
    ASSERT_EQ(Logged("SET").size(), 2u);
    EXPECT_EQ(Logged("SET")[1].find(DeviceOid(kPoolDomain)), std::string::npos);
    EXPECT_EQ(Status(*page), "Setting Success!");
}

TEST_F(DhcpPageTest, DisableWritesOnlyTheServerControlWhateverThePoolHolds) {
    ASSERT_TRUE(Started());
    SetValue(kServer, "1");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    pagetest::Pick(page->CB_Fuction1, "Disable");
    EXPECT_FALSE(page->Ed_IPAF->Enabled());
    page->Ed_PoolRan->SetText("999");
    Act(*page, page->Bt_Apply);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kServer) + "=integer:0"});
    EXPECT_EQ(Status(*page), "Setting Success!");
}

TEST_F(DhcpPageTest, AFailedPoolWriteSaysSoAndShowsTheRangeAgain) {
    ASSERT_TRUE(Started());
    SetValue(kServer, "1");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    Control("error " + DeviceOid(kPoolEnd) + " genErr");
    Act(*page, page->Bt_Apply);
    EXPECT_EQ(Status(*page).rfind("Setting error!", 0), 0u) << Status(*page);
    EXPECT_EQ(page->Ed_PoolRan->Text(), "100");
    EXPECT_EQ(page->Ed_Gateway->Text(), "");
}

TEST_F(DhcpPageTest, APoolThatIsNoRangeOfItsStartIsShownAsSuchAndNotRewrittenSilently) {
    ASSERT_TRUE(Started());
    SetValue(kServer, "1");
    SetValue(kPoolEnd, "192.168.1.150");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_EQ(page->Ed_PoolRan->Text(), "");
    EXPECT_NE(Status(*page).find("192.168.1.150"), std::string::npos) << Status(*page);
    Dialogs().ExpectBox("Warning", "Invalid IP range!", ui::Answer::Ok);
    Act(*page, page->Bt_Apply);
    EXPECT_TRUE(Logged("SET").empty());
}

// An end the device answers as no address at all is not named by the
// library's placeholder: the page says it could not read it.
TEST_F(DhcpPageTest, APoolEndThatIsNoAddressIsSaidToBeUnreadable) {
    ASSERT_TRUE(Started());
    support::TempFolder folder;
    const std::string fixture = folder.Path() + "/pool_end_text.txt";
    std::ofstream(fixture) << "retype " << kPoolEnd << " string \"1\"\n";
    RestartSim({"--fixture", fixture});
    SetValue(kServer, "1");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_EQ(page->Ed_PoolRan->Text(), "");
    EXPECT_EQ(Status(*page).find("(NULL)"), std::string::npos) << Status(*page);
    EXPECT_EQ(Status(*page).rfind(dhcp::kPoolEndUnread, 0), 0u) << Status(*page);
}

TEST_F(DhcpPageTest, AnUnreadServerControlIsNotWrittenBack) {
    ASSERT_TRUE(Started());
    RestartSimWithout("dhcpServerControl");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_NE(Status(*page).find("DHCP server control"), std::string::npos) << Status(*page);
    Act(*page, page->Bt_Apply);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(DhcpPageTest, WirelessClientModeLocksBothSwitchesAndTheRefresh) {
    ASSERT_TRUE(Started());
    SetValue(kApMode, "4");
    SetValue(kServer, "1");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_EQ(page->CB_Fuction1->Text(), "Disable");
    EXPECT_EQ(page->CB_Fuction2->Text(), "Disable");
    EXPECT_FALSE(page->CB_Fuction1->Enabled());
    EXPECT_FALSE(page->CB_Fuction2->Enabled());
    EXPECT_FALSE(page->Bt_RefreshStaticPool->Enabled());
    EXPECT_FALSE(page->Ed_Wins->Enabled()) << "read as Enable, WINS and DNS stay off in client mode";
}

TEST_F(DhcpPageTest, TheStaticListShowsUsedRowsAndANewEntryGoesToTheFreeRowBetweenThem) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    EXPECT_EQ(Rows(*page->User_ListView),
              (Texts{"00907A000020 192.168.0.20 printer", "00907A000030 192.168.0.30 camera"}));
    EXPECT_EQ(page->Lb_Index->Text(), "2") << "the first free row, between the entries";
    EXPECT_EQ(page->ED_StaticAssignIP->Text(), "");
    EXPECT_EQ(StaticStatus(*page), "Get OK!");
    SavePicture(*page, "dhcp-page-static");

    TypeEntry(*page, "nas", "192.168.0.40", "00907a000040");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Value(StaticCell(kIpColumn, 2)), "192.168.0.40");
    EXPECT_EQ(Value(StaticCell(kHostColumn, 2)), "nas");
    EXPECT_EQ(Value(StaticCell(kIpColumn, 4)), "0.0.0.0") << "no other row is written";
    EXPECT_EQ(Value(kStaticControl), "1");
    EXPECT_EQ(page->User_ListView->ItemCount(), 3);
    EXPECT_EQ(page->Lb_Index->Text(), "4") << "the next free row";
    EXPECT_EQ(StaticStatus(*page), "Get OK!");

    // The static server switched off locks the list and paints it as disabled.
    pagetest::Pick(page->CB_Fuction2, "Disable");
    EXPECT_FALSE(page->User_ListView->Enabled());
    EXPECT_EQ(page->User_ListView->BackgroundColor(), ui::kColorButtonFace);
    pagetest::Pick(page->CB_Fuction2, "Enable");
    EXPECT_TRUE(page->User_ListView->Enabled());
    EXPECT_EQ(page->User_ListView->BackgroundColor(), ui::kColorWindow);
}

TEST_F(DhcpPageTest, AChosenEntryAfterTheGapIsRewrittenInItsOwnRow) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    Choose(*page, 1);
    EXPECT_EQ(page->Lb_Index->Text(), "3");
    EXPECT_EQ(page->ED_StaticHostName->Text(), "camera");
    EXPECT_EQ(page->ED_StaticGateway->Text(), "");
    page->ED_StaticHostName->SetText("cam2");
    Act(*page, page->Btn_Add);  // its own IP and MAC are no duplicates
    EXPECT_EQ(Value(StaticCell(kHostColumn, 3)), "cam2");
    EXPECT_EQ(Value(StaticCell(kIpColumn, 2)), "0.0.0.0");
    EXPECT_EQ(Rows(*page->User_ListView).back(), "00907A000030 192.168.0.30 cam2");
}

TEST_F(DhcpPageTest, ChoosingNothingAfterAnEntryMakesSaveAddAndKeepsTheEntry) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    Choose(*page, 0);
    ASSERT_EQ(page->Lb_Index->Text(), "1");
    page->User_ListView->SetSelected(nullptr);
    page->User_ListView->OnClick(page->User_ListView);
    EXPECT_EQ(page->Lb_Index->Text(), "2") << "back to the first free row";
    EXPECT_EQ(page->ED_StaticAssignIP->Text(), "");
    EXPECT_FALSE(page->Btn_Del->Enabled());
    TypeEntry(*page, "nas", "192.168.0.40", "00907a000040");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(Value(StaticCell(kHostColumn, 1)), "printer");
    EXPECT_EQ(Value(StaticCell(kHostColumn, 2)), "nas");
    EXPECT_EQ(Rows(*page->User_ListView),
              (Texts{"00907A000020 192.168.0.20 printer", "00907A000040 192.168.0.40 nas",
                     "00907A000030 192.168.0.30 camera"}));
}

TEST_F(DhcpPageTest, AStaticEntryWritesItsDomainNameUnlessTheDeviceTakesItDynamically) {
    ASSERT_TRUE(Started());
    const std::string domainCell = DeviceOid(StaticCell(10, 2));
    const struct {
        const char* status;
        bool written;
    } cases[] = {{"0", true}, {"1", false}, {"2", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("domain-name status ") + c.status);
        UseGapFixture();
        SetValue(kNameStatus, c.status);
        OpenedPage<TFM_DHCP> page(FM_DHCP);
        OpenStaticTab(page);
        TypeEntry(*page, "nas", "192.168.0.40", "00907a000040");
        page->ED_StaticDoname->SetText("lan");
        Act(*page, page->Btn_Add);
        const Texts sets = Logged("SET");
        ASSERT_EQ(sets.size(), 2u) << "the static switch, then the entry";
        EXPECT_NE(sets[1].find(DeviceOid(StaticCell(kHostColumn, 2)) + "=string:nas"), std::string::npos);
        EXPECT_EQ(sets[1].find(domainCell) != std::string::npos, c.written) << sets[1];
    }
}

TEST_F(DhcpPageTest, DuplicateAddressesAreFoundByValue) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    struct Case {
        const char* ip;
        const char* mac;
        const char* message;
    };
    const Case cases[] = {
        {"192.168.000.020", "00907A000041", "Reject: The IP Address has already existed in Static pool."},
        {"192.168.0.41", "00907a000030", "Reject: The MAC has already existed in Static pool."},
    };
    for (const Case& c : cases) {
        TypeEntry(*page, "dup", c.ip, c.mac);
        Dialogs().ExpectBox("Warning", c.message, ui::Answer::Ok);
        Act(*page, page->Btn_Add);
        EXPECT_TRUE(Logged("SET").empty()) << c.message;
    }
}

TEST_F(DhcpPageTest, AFullTableRefusesANewEntry) {
    ASSERT_TRUE(Started());
    RestartSim({"--fixture", kFixtures + "/dhcp_full.txt"});
    SetValue(kStaticControl, "1");
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    EXPECT_EQ(page->User_ListView->ItemCount(), 8);
    TypeEntry(*page, "nine", "192.168.0.99", "00907A000099");
    Dialogs().ExpectBox("Warning", "The static pool is full.", ui::Answer::Ok);
    Act(*page, page->Btn_Add);
    EXPECT_TRUE(Logged("SET").empty());
}

TEST_F(DhcpPageTest, AFailedEntryWriteShowsItsErrorInTheStaticTab) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    Control("error " + DeviceOid(StaticCell(kIpColumn, 2)) + " genErr");
    TypeEntry(*page, "nas", "192.168.0.40", "00907A000040");
    Act(*page, page->Btn_Add);
    EXPECT_EQ(StaticStatus(*page).rfind("Setting error!", 0), 0u) << StaticStatus(*page);
    EXPECT_TRUE(page->PageControl1->Enabled());
}

TEST_F(DhcpPageTest, DelEmptiesTheChosenRowByItsIndexAfterConfirmation) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    OpenStaticTab(page);
    Act(*page, page->Btn_Del);
    EXPECT_TRUE(Logged("SET").empty()) << "nothing chosen";
    Choose(*page, 1);
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Cancel);
    Act(*page, page->Btn_Del);
    EXPECT_TRUE(Logged("SET").empty());

    Control("error " + DeviceOid(kDelete) + " genErr");
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Ok);
    Act(*page, page->Btn_Del);
    EXPECT_NE(StaticStatus(*page), "Delete OK!");
    EXPECT_EQ(page->User_ListView->ItemCount(), 2);

    Choose(*page, 1);
    Dialogs().ExpectBox("Warning", "Are you sure that you want to delete this entry?", ui::Answer::Ok);
    Act(*page, page->Btn_Del);
    EXPECT_EQ(Logged("SET"), Texts{DeviceOid(kDelete) + "=integer:3"}) << StaticStatus(*page);
    EXPECT_EQ(Value(StaticCell(kIpColumn, 3)), "0.0.0.0");
    EXPECT_EQ(Rows(*page->User_ListView), Texts{"00907A000020 192.168.0.20 printer"});
}

TEST_F(DhcpPageTest, ClosingWithWalksOutstandingIsSafe) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    {
        OpenedPage<TFM_DHCP> page(FM_DHCP);
        Open(page);
        Control("delay 400");
        page->PageControl1->SetActivePageIndex(1);
        page->PageControl1->OnChange(page->PageControl1);
        page->Bt_RefreshStaticPool->Click();
        EXPECT_TRUE(page->StaticPoolRequest->busy);
    }
    EXPECT_EQ(FM_DHCP, nullptr);
    Control("delay 0");
    RunUntil([] { return false; }, 100);  // the late answers arrive to nothing
}

TEST_F(DhcpPageTest, ANewLeaseRefreshTakesTheRunningOnesPlaceWithoutWaitingForIt) {
    ASSERT_TRUE(Started());
    UseGapFixture();
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    Control("delay 400");
    page->Bt_RefreshStaticPool->Click();
    ASSERT_GT(page->LeaseWalksPending, 0);
    // A message loop run inside the second click would run this there.
    bool inClick = false;
    bool ranInClick = false;
    Later(0, [&] { ranInClick = inClick; });
    inClick = true;
    page->Bt_RefreshStaticPool->Click();
    inClick = false;
    EXPECT_FALSE(ranInClick) << "the click waited for the earlier refresh's answers";
    Control("delay 0");
    ASSERT_TRUE(Settle(*page));
    EXPECT_EQ(Rows(*page->LV_StaticPool), (Texts{"printer 00907A000020 192.168.0.20", "camera 00907A000030 192.168.0.30"}))
        << "each lease once";
    EXPECT_EQ(page->StatusBar4->SimpleText(), "Get OK");
}

TEST_F(DhcpPageTest, TheApModeIsReadWithTheLibrarysTimeOut) {
    ASSERT_TRUE(Started());
    OpenedPage<TFM_DHCP> page(FM_DHCP);
    Open(page);
    EXPECT_EQ(page->DhcpApModeRequest->request.timeout, GlobalSNMPTimeout);
    EXPECT_EQ(page->DynamicPoolRequest->request.timeout, 10000);
}

TEST_F(DhcpPageTest, TheMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterNetworkPages();
    bool seen = false;
    Later(20, [&] {
        seen = FM_DHCP != nullptr && FM_DHCP->Modal();
        if (FM_DHCP) FM_DHCP->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("DHCPServer1"));
    EXPECT_TRUE(seen);
    EXPECT_EQ(FM_DHCP, nullptr);
}

}  // namespace
