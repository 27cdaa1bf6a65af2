// The DHCP Server page's decisions without a device: the pool range both
// ways, the ordered checks of the dynamic pool and of a static entry, and
// what the server switches enable.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pages/network/dhcp_page_rules.h"

namespace {

TEST(DhcpPoolRange, ConvertsBothWaysInsideTheStartsSlash24) {
    struct Case {
        const char* start;
        const char* pool;
        bool toEnd;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"192.168.0.100", "155", true, "192.168.0.254"},
        {"192.168.0.100", "156", true, "192.168.0.255"},  // the check refuses it before
        {"192.168.0.100", "157", true, std::nullopt},     // .256: unchanged
        {"192.168.0.1", "1", true, "192.168.0.1"},
        {"192.168.0.1", "254", true, "192.168.0.254"},
        {"10.0.0.250", "4", true, "10.0.0.253"},
        {"192.168.0.100", "192.168.0.199", false, "100"},
        {"192.168.0.1", "192.168.0.1", false, "1"},
        {"192.168.0.1", "192.168.0.254", false, "254"},
        {"192.168.0.100", "192.168.0.50", false, "-49"},
        {"192.168.0.100", "192.168.7.150", false, "51"},  // only the last octets count
        {"192.168.0.100", "120", false, "21"},           // a text without "."
        {"192.168.0.100", "1.2.3.256", false, std::nullopt},
        {"", "10", true, std::nullopt},
        {"nodot", "10", true, std::nullopt},
        {"192.168.0.100", "abc", true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertPoolRange(c.start, c.pool, c.toEnd), c.expected) << c.start << " " << c.pool << " " << c.toEnd;
}

TEST(DhcpPoolRange, AnEndInAnotherSlash24OrBelowTheStartIsNoRange) {
    EXPECT_TRUE(PoolShowableAsRange("192.168.0.100", "192.168.0.199"));
    EXPECT_TRUE(PoolShowableAsRange("192.168.0.100", "192.168.0.100"));
    EXPECT_FALSE(PoolShowableAsRange("192.168.0.100", "192.168.0.50"));
    EXPECT_FALSE(PoolShowableAsRange("192.168.0.100", "192.168.1.150"));
    EXPECT_FALSE(PoolShowableAsRange("192.168.0.100", ""));
}

TEST(DhcpNames, LettersDigitsAndFewMarks) {
    EXPECT_TRUE(IsDhcpNameText(""));
    EXPECT_TRUE(IsDhcpNameText("host-1.lan_a@b"));
    EXPECT_FALSE(IsDhcpNameText("host 1"));
    EXPECT_FALSE(IsDhcpNameText("h\xc3\xa9"));
    EXPECT_FALSE(IsDhcpNameText("a/b"));
}

PoolInput GoodPool() {
    return {"192.168.0.100", "100", "255.255.255.0", "", "", "192.168.0.1", "lan", "86400"};
}

TEST(DhcpPoolChecks, TheThirteenChecksInOrder) {
    struct Case {
        int check;
        void (*change)(PoolInput&);
        const char* message;
        PoolField field;
        bool clear;
    };
    const Case cases[] = {
        {1, [](PoolInput& p) { p.start = ""; p.range = ""; }, "Please input valid IP address", PoolField::Start, false},
        {2, [](PoolInput& p) { p.start = "192.168.0.300"; }, "Please input valid IP address", PoolField::Start, true},
        {3, [](PoolInput& p) { p.range = ""; p.mask = ""; }, "Invalid IP range!", PoolField::Range, false},
        {4, [](PoolInput& p) { p.range = "0"; }, "Invalid IP range!.", PoolField::Range, true},
        {4, [](PoolInput& p) { p.range = "255"; }, "Invalid IP range!.", PoolField::Range, true},
        {4, [](PoolInput& p) { p.range = "x1"; }, "Invalid IP range!.", PoolField::Range, true},
        {5, [](PoolInput& p) { p.range = "156"; }, "Invaild IP range!", PoolField::Range, true},
        {6, [](PoolInput& p) { p.mask = "128.0.0.0"; }, "Please input valid SubMask.", PoolField::Mask, true},
        {6, [](PoolInput& p) { p.mask = "0.0.0.0"; }, "Please input valid SubMask.", PoolField::Mask, true},
        {7, [](PoolInput& p) { p.start = "200.1.1.1"; p.mask = "192.0.0.0"; }, "Please input valid IP Address.",
         PoolField::Start, true},
        {8, [](PoolInput& p) { p.gateway = "1.2.3"; }, "Please input valid Gateway.", PoolField::Gateway, true},
        {9, [](PoolInput& p) { p.wins = "999.1.1.1"; }, "Invalid WINS!", PoolField::Wins, true},
        {10, [](PoolInput& p) { p.dns = "a.b.c.d"; }, "Please input valid DNS!", PoolField::Dns, true},
        {11, [](PoolInput& p) { p.domainName = "my lan"; }, "Invaild Domain Name!", PoolField::DomainName, true},
        {12, [](PoolInput& p) { p.lease = ""; }, "Please input a number between 60 and 31536000.", PoolField::Lease,
         false},
        {13, [](PoolInput& p) { p.lease = "59"; }, "Please input a number between 60 and 31536000.", PoolField::Lease,
         true},
        {13, [](PoolInput& p) { p.lease = "31536001"; }, "Please input a number between 60 and 31536000.",
         PoolField::Lease, true},
    };
    for (const Case& c : cases) {
        PoolInput input = GoodPool();
        c.change(input);
        const auto refusal = CheckDynamicPool(input);
        EXPECT_EQ(refusal.check, c.check) << c.message;
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.field, c.field) << c.check;
        EXPECT_EQ(refusal.clear, c.clear) << c.check;
    }
    EXPECT_EQ(CheckDynamicPool(GoodPool()).check, 0);
    PoolInput edge = GoodPool();
    edge.range = "155";
    edge.lease = "60";
    EXPECT_EQ(CheckDynamicPool(edge).check, 0) << "start .100 with 155 ends at .254";
    edge = GoodPool();
    edge.start = "10.0.0.5";
    edge.mask = "255.0.0.0";
    EXPECT_EQ(CheckDynamicPool(edge).check, 0);
}

StaticInput GoodEntry() {
    return {"printer", "192.168.0.20", "00907A000020", "255.255.255.0", "", "", "", "lan"};
}

TEST(DhcpStaticChecks, TheTwelveChecksInOrderAndTheMacCheckAskedOnlyWhenItsTurnComes) {
    struct Case {
        int check;
        void (*change)(StaticInput&);
        const char* message;
        StaticField field;
        bool clear;
    };
    const Case cases[] = {
        {1, [](StaticInput& e) { e.hostName = ""; e.ip = ""; }, "Invalid Host Name!", StaticField::HostName, false},
        {2, [](StaticInput& e) { e.hostName = "my pc"; }, "Invalid Host Name!", StaticField::HostName, false},
        {3, [](StaticInput& e) { e.ip = ""; }, "Please input valid IP address", StaticField::Ip, false},
        {4, [](StaticInput& e) { e.ip = "1.2.3"; }, "Please input valid IP address", StaticField::Ip, true},
        {5, [](StaticInput& e) { e.mac = "000000000000"; }, "Please input valid MAC address.", StaticField::Mac, true},
        {5, [](StaticInput& e) { e.mac = "00907A00002"; }, "Please input valid MAC address.", StaticField::Mac, true},
        {6, [](StaticInput& e) { e.mac = "01907A000020"; }, "Please input valid MAC address.", StaticField::Mac, true},
        {7, [](StaticInput& e) { e.mask = ""; }, "Please input valid SubMask.", StaticField::Mask, true},
        {8, [](StaticInput& e) { e.ip = "200.1.1.1"; e.mask = "192.0.0.0"; }, "Please input valid IP Address.",
         StaticField::Ip, true},
        {9, [](StaticInput& e) { e.gateway = "1.2.3.x"; }, "Please input valid Gateway.", StaticField::Gateway, true},
        {10, [](StaticInput& e) { e.wins = "1.2.3.x"; }, "Please input valid Wins.", StaticField::Wins, true},
        {11, [](StaticInput& e) { e.dns = "1.2.3.x"; }, "Please input valid DNS.", StaticField::Dns, true},
        {12, [](StaticInput& e) { e.domainName = "a b"; }, "Invalid Domain Name!", StaticField::DomainName, false},
    };
    for (const Case& c : cases) {
        StaticInput input = GoodEntry();
        c.change(input);
        int macAsked = 0;
        const auto refusal = CheckStaticEntry(input, [&](const std::string& mac) {
            ++macAsked;
            return mac != "01907A000020";  // a group address
        });
        EXPECT_EQ(refusal.check, c.check) << c.message;
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.field, c.field) << c.check;
        EXPECT_EQ(refusal.clear, c.clear) << c.check;
        EXPECT_EQ(macAsked, c.check >= 6 ? 1 : 0) << c.check;
    }
    EXPECT_EQ(CheckStaticEntry(GoodEntry(), [](const std::string&) { return true; }).check, 0);
}

TEST(DhcpEnableRules, ServerSwitchesByApModeAndDomainNameStatus) {
    using O = std::optional<bool>;
    const O on = true, off = false, keep = std::nullopt;
    struct Case {
        int fn1, fn2;
        bool client;
        int dn;
        O pool, poolWinsDns, poolDomain, statics, staticWinsDns, staticDomain;
    };
    const Case cases[] = {
        {0, 0, false, 0, off, off, off, off, off, off},
        {1, 0, false, 0, on, on, on, off, off, off},
        {1, 0, true, 0, on, off, on, off, off, off},
        {1, 1, false, 1, on, on, on, on, on, off},
        {1, 1, false, 2, on, on, off, on, on, on},
        {1, 1, true, 0, on, off, on, on, off, on},
        {0, 1, false, 0, off, off, on, on, on, on},  // the static branch's domain rule reaches the pool's name
        {0, 1, false, 2, off, off, off, on, on, on},
        {1, 1, false, -1, on, on, keep, on, on, keep},
        {-1, -1, false, 0, keep, keep, keep, keep, keep, keep},
        {-1, 1, true, 1, keep, keep, on, on, off, off},
    };
    for (const Case& c : cases) {
        const DhcpEnableState s = DhcpEnableRules(c.fn1, c.fn2, c.client, c.dn);
        const auto where = ::testing::Message() << c.fn1 << "/" << c.fn2 << "/" << c.client << "/" << c.dn;
        EXPECT_EQ(s.poolEdits, c.pool) << where;
        EXPECT_EQ(s.poolWinsDns, c.poolWinsDns) << where;
        EXPECT_EQ(s.poolDomainName, c.poolDomain) << where;
        EXPECT_EQ(s.staticEdits, c.statics) << where;
        EXPECT_EQ(s.staticWinsDns, c.staticWinsDns) << where;
        EXPECT_EQ(s.staticDomainName, c.staticDomain) << where;
    }
}

}  // namespace
