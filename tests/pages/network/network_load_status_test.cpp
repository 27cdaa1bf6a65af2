// Every network page against a device that lacks an object the page reads
// first: once everything the opening started has ended, the status line
// still names what was not read; no later completion turns it into a
// success.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pages/common/page_groups.h"
#include "pages/network/arp_spoofing_page.h"
#include "pages/network/dhcp_page.h"
#include "pages/network/qos_page.h"
#include "pages/network/traffic_control_page.h"
#include "pages/network/vlan_page.h"
#include "pages/network/web_redirection_page.h"
#include "platform/ui/status_bar.h"
#include "shell/new_req2edit.h"
#include "tests/pages/page_test_support.h"

namespace {

using pagetest::OpenedPage;

class NetworkLoadStatusTest : public pagetest::PageTest {
protected:
    // Opens the page, waits until none of the listed requests is busy and
    // gives the status line's text.
    template <class Page>
    std::string StatusAfterOpening(Page*& pointer, const std::function<bool(const Page&)>& settled,
                                   const std::function<std::string(const Page&)>& status) {
        OpenedPage<Page> page(pointer);
        // Some pages walk a table of 256 rows: room for a slow machine.
        EXPECT_TRUE(RunUntil([&] { return settled(*page); }, 30000));
        return status(*page);
    }
};

bool Idle(std::initializer_list<const VkSNMPRequest2Controls*> requests) {
    for (const VkSNMPRequest2Controls* request : requests)
        if (request != nullptr && request->busy) return false;
    return true;
}

TEST_F(NetworkLoadStatusTest, AGroupNotReadIsStillNamedOnceEveryAnswerHasCome) {
    ASSERT_TRUE(Started());
    const std::function<std::string()> vlan = [&] {
        return StatusAfterOpening<TFM_VlanSetting>(
            FM_VlanSetting, [](const auto& p) { return Idle({p.ApModeRequest, p.PortListRequest, p.VlanListRequest}); },
            [](const auto& p) { return p.StatusBar->PanelText(0); });
    };
    const struct {
        const char* page;
        const char* missing;
        std::function<std::string()> open;
    } cases[] = {
        {"ARP Spoofing Prevention", "dot11ApMode",
         [&] {
             return StatusAfterOpening<TFM_ARPSpoofing>(
                 FM_ARPSpoofing, [](const auto& p) { return Idle({p.ArpListRequest}); },
                 [](const auto& p) { return p.StatusBar1->SimpleText(); });
         }},
        {"Web Redirection", "dot11ApMode",
         [&] {
             return StatusAfterOpening<TFM_WebRedirection>(
                 FM_WebRedirection, [](const auto& p) { return Idle({p.WebListRequest, p.WebAccountRequest}); },
                 [](const auto& p) { return p.StatusBar1->SimpleText(); });
         }},
        {"DHCP Server", "dot11ApMode",
         [&] {
             return StatusAfterOpening<TFM_DHCP>(
                 FM_DHCP,
                 [](const auto& p) {
                     return p.LeaseWalksPending == 0 &&
                            Idle({p.StaticPoolRequest, p.CurrentDynamicRequest, p.CurrentStaticRequest});
                 },
                 [](const auto& p) { return p.StatusBar1->SimpleText(); });
         }},
        {"QoS", "dot11ApMode",
         [&] {
             return StatusAfterOpening<TFM_QosSetting>(
                 FM_QosSetting, [](const auto& p) { return Idle({p.QosRulesRequest}); },
                 [](const auto& p) { return p.StatusBar->PanelText(0); });
         }},
        {"Traffic Control", "dot11MssidState",
         [&] {
             return StatusAfterOpening<TFM_TrafficCtrl>(
                 FM_TrafficCtrl, [](const auto& p) { return Idle({p.QosPortRequest, p.TrafficRuleListRequest}); },
                 [](const auto& p) { return p.StatusBar1->SimpleText(); });
         }},
        {"VLAN", "dot11ApMode", vlan},
        {"VLAN", "dot11VlanStatus", vlan},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " without " + c.missing);
        RestartSimWithout(c.missing);
        const std::string status = c.open();
        EXPECT_EQ(status.rfind(NotReadPrefix, 0), 0u) << status;
    }
}

}  // namespace
