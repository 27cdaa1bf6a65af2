// The QoS page's decisions without a device: the editor modes' buttons, what
// each protocol choice sets, range sizes, the listed rule's cells, and Add's
// ordered checks with the rows each rule writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "pages/network/qos_page_rules.h"
#include "pages/network/qos_page_vars.h"

namespace {

using Rows = std::vector<int>;

TEST(QosEditModes, EachModeSetsItsButtonsAndOtherValuesNone) {
    struct Case {
        int mode;
        bool add, clear, apply, del;
    };
    const Case cases[] = {
        {QosEditMode::NewRule, true, true, true, false},
        {QosEditMode::RuleSelected, true, true, true, true},
        {QosEditMode::Initial, true, true, true, true},
        {QosEditMode::TableFull, false, true, true, false},
    };
    for (const Case& c : cases) {
        const std::optional<QosEditButtons> b = QosEditModeButtons(c.mode);
        ASSERT_TRUE(b) << c.mode;
        EXPECT_EQ(b->add, c.add) << c.mode;
        EXPECT_EQ(b->clear, c.clear) << c.mode;
        EXPECT_EQ(b->apply, c.apply) << c.mode;
        EXPECT_EQ(b->del, c.del) << c.mode;
    }
    EXPECT_FALSE(QosEditModeButtons(4));
    EXPECT_FALSE(QosEditModeButtons(-1));
}

TEST(QosProtocols, EachChoiceSetsItsNumberAndOpensItsEdits) {
    struct Case {
        int item;
        std::optional<std::string> number;
        bool numberEnabled, portsEnabled;
    };
    const Case cases[] = {
        {QosProtocolItem::Any, "256", false, false}, {QosProtocolItem::Tcp, "6", false, true},
        {QosProtocolItem::Udp, "17", false, true},   {QosProtocolItem::Both, "257", false, true},
        {QosProtocolItem::Icmp, "1", false, false},  {QosProtocolItem::Other, std::nullopt, true, false},
    };
    for (const Case& c : cases) {
        const QosProtocolControls p = QosProtocolRule(c.item);
        EXPECT_EQ(p.number, c.number) << c.item;
        EXPECT_EQ(p.numberEnabled, c.numberEnabled) << c.item;
        EXPECT_EQ(p.portsEnabled, c.portsEnabled) << c.item;
    }
}

TEST(QosRanges, SizesCountTheLastPartsAndPortsWithZeroAsAny) {
    EXPECT_EQ(IpRangeSize("192.168.1.10", "192.168.1.10"), 1);
    EXPECT_EQ(IpRangeSize("192.168.1.10", "192.168.1.20"), 11);
    EXPECT_EQ(IpRangeSize("", "192.168.1.20"), 0);
    EXPECT_EQ(IpRangeSize("192.168.1.10", ""), 0);
    EXPECT_EQ(IpRangeSize("10", "20"), 0) << "no dot";
    EXPECT_EQ(PortRangeSize("80", "80"), 1);
    EXPECT_EQ(PortRangeSize("10", "20"), 11);
    EXPECT_EQ(PortRangeSize("0", "20"), 0);
    EXPECT_EQ(PortRangeSize("20", "0"), 0);
}

TEST(QosRuleList, CellsShowRangesAnyAndThePortPairs) {
    QosRuleCellsIn rule{"Enable",  "voice",   "Voice(VO)", "TCP", "192.168.0.20", "192.168.0.29", "0", "0",
                        "0.0.0.0", "0.0.0.0", "0",         "0"};
    QosRuleCellsOut cells = QosRuleCells(rule);
    EXPECT_TRUE(cells.checked);
    EXPECT_EQ(cells.name, "voice");
    EXPECT_EQ(cells.priority, "Voice(VO)");
    EXPECT_EQ(cells.hostOne, "192.168.0.20~192.168.0.29");
    EXPECT_EQ(cells.hostTwo, "any");
    EXPECT_EQ(cells.protocolPorts, "TCP Any Any");

    rule.state = "Disable";
    rule.port1Start = "80";
    rule.ip2Start = "10.0.0.1";
    rule.port2Start = "1000";
    rule.port2End = "2000";
    cells = QosRuleCells(rule);
    EXPECT_FALSE(cells.checked);
    EXPECT_EQ(cells.hostTwo, "10.0.0.1~0.0.0.0") << "only both 0.0.0.0 is any";
    EXPECT_EQ(cells.protocolPorts, "TCP 80/Any 1000/2000");
    rule.port1Start = "0";
    rule.port1End = "443";
    EXPECT_EQ(QosRuleCells(rule).protocolPorts, "TCP Any/443 1000/2000");
}

// A rule that passes every check: host 1 only, protocol Any.
QosRuleInput ValidRule() {
    QosRuleInput in;
    in.name = "voice";
    in.protocolItem = QosProtocolItem::Any;
    in.protocolNumber = "256";
    in.ipFrom1 = "192.168.1.10";
    return in;
}

const Rows kAlwaysWritten = {QosRuleRow::State,        QosRuleRow::Name,          QosRuleRow::Priority,
                             QosRuleRow::Protocol,     QosRuleRow::ProtocolType,  QosRuleRow::HostOneIpStart,
                             QosRuleRow::HostOneIpEnd, QosRuleRow::HostOneIpRange};

Rows With(Rows rows, const Rows& more) {
    rows.insert(rows.end(), more.begin(), more.end());
    std::sort(rows.begin(), rows.end());
    return rows;
}

TEST(QosAdd, ChecksRunInOrderWithTheirMessagesCaptionsAndFocus) {
    struct Case {
        const char* what;
        void (*change)(QosRuleInput&);
        const char* message;
        const char* caption;
        QosField field;
        bool clear;
    };
    const Case cases[] = {
        {"empty name", [](QosRuleInput& in) { in.name = ""; }, "The Name field can not be blank.", "Warning",
         QosField::Name, false},
        {"leading blank", [](QosRuleInput& in) { in.name = " voice"; }, "The first character can't be blank.", "Error",
         QosField::Name, false},
        {"byte above 127", [](QosRuleInput& in) { in.name = "voi\xe9"; },
         "There are some invalid characters in the Name field.Please check it.", "Warning", QosField::Name, false},
        {"protocol 0", [](QosRuleInput& in) { in.protocolNumber = "0"; }, "Invalid Port.", "Warning",
         QosField::ProtocolNumber, false},
        {"protocol 1000", [](QosRuleInput& in) { in.protocolNumber = "1000"; }, "Invalid Port.", "Warning",
         QosField::ProtocolNumber, false},
        {"protocol empty", [](QosRuleInput& in) { in.protocolNumber = ""; }, "Invalid Port.", "Warning",
         QosField::ProtocolNumber, false},
        {"host 1 from empty", [](QosRuleInput& in) { in.ipFrom1 = ""; }, "Invalid IP address!", "Warning",
         QosField::IpFrom1, false},
        {"host 1 from 0.0.0.0", [](QosRuleInput& in) { in.ipFrom1 = "0.0.0.0"; }, "Invalid IP address!", "Warning",
         QosField::IpFrom1, false},
        {"host 1 from no host", [](QosRuleInput& in) { in.ipFrom1 = "192.168.1.255"; }, "Invalid IP address!",
         "Warning", QosField::IpFrom1, true},
        {"host 1 to no host", [](QosRuleInput& in) { in.ipTo1 = "192.168.1"; }, "Invalid IP address!", "Warning",
         QosField::IpTo1, true},
        {"host 1 reversed", [](QosRuleInput& in) { in.ipFrom1 = "192.168.1.20", in.ipTo1 = "192.168.1.10"; },
         "Invalid IP address Range!", "Warning", QosField::IpTo1, false},
        {"host 1 across /24", [](QosRuleInput& in) { in.ipTo1 = "192.168.2.10"; }, "Invalid IP address Range!",
         "Warning", QosField::IpTo1, false},
        {"port not a number", [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Tcp, in.portFrom1 = "8o"; },
         "Invalid port!", "Warning", QosField::PortFrom1, false},
        {"port 0", [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Udp, in.portFrom1 = "0"; },
         "Invalid port!", "Warning", QosField::PortFrom1, false},
        {"port 65536",
         [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Both, in.portFrom1 = "80", in.portTo1 = "65536"; },
         "Invalid port!", "Warning", QosField::PortTo1, false},
        {"ports reversed",
         [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Tcp, in.portFrom1 = "8080", in.portTo1 = "80"; },
         "Invalid Port Range!", "Warning", QosField::PortTo1, false},
        {"host 2 port", [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Tcp, in.portTo2 = "x"; },
         "Invalid port!", "Warning", QosField::PortTo2, false},
        {"host 2 from no host", [](QosRuleInput& in) { in.ipFrom2 = "300.1.1.1"; }, "Invalid IP address!", "Warning",
         QosField::IpFrom2, true},
        {"host 2 reversed", [](QosRuleInput& in) { in.ipFrom2 = "10.0.0.9", in.ipTo2 = "10.0.0.1"; },
         "Invalid IP address Range!", "Warning", QosField::IpTo2, false},
        {"host 2 across /24", [](QosRuleInput& in) { in.ipFrom2 = "10.0.0.9", in.ipTo2 = "10.0.1.9"; },
         "Invalid IP address Range!", "Warning", QosField::IpTo2, false},
    };
    for (const Case& c : cases) {
        QosRuleInput in = ValidRule();
        c.change(in);
        const QosRulePlan plan = PlanQosRule(in);
        ASSERT_TRUE(plan.refusal) << c.what;
        EXPECT_EQ(plan.refusal->message, c.message) << c.what;
        EXPECT_EQ(plan.refusal->caption, c.caption) << c.what;
        EXPECT_EQ(plan.refusal->field, c.field) << c.what;
        EXPECT_EQ(plan.refusal->clear, c.clear) << c.what;
        EXPECT_TRUE(plan.rows.empty()) << c.what << ": a refused Add writes nothing";
    }
}

TEST(QosAdd, OtherProtocolsTakeTheTypedNumberFrom1To999) {
    QosRuleInput in = ValidRule();
    in.protocolItem = QosProtocolItem::Other;
    for (const char* number : {"1", "47", "999"}) {
        in.protocolNumber = number;
        EXPECT_FALSE(PlanQosRule(in).refusal) << number;
    }
}

TEST(QosAdd, RowsWrittenFollowTheProtocolAndTheFilledEdits) {
    struct Case {
        const char* what;
        void (*change)(QosRuleInput&);
        Rows more;  // beyond the rows every rule writes
    };
    const Case cases[] = {
        {"host 1 only", [](QosRuleInput&) {}, {}},
        {"ICMP ignores its port edits",
         [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Icmp, in.portFrom1 = "80", in.portFrom2 = "x"; },
         {}},
        {"TCP with both port edits empty", [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Tcp; }, {}},
        {"TCP 80 to empty",
         [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Tcp, in.portFrom1 = "80"; },
         {QosRuleRow::HostOnePortStart, QosRuleRow::HostOnePortEnd, QosRuleRow::HostOnePortRange}},
        {"UDP host 2 end port only",
         [](QosRuleInput& in) { in.protocolItem = QosProtocolItem::Udp, in.portTo2 = "53"; },
         {QosRuleRow::HostTwoPortEnd}},
        {"host 2 from only",
         [](QosRuleInput& in) { in.ipFrom2 = "10.0.0.1"; },
         {QosRuleRow::HostTwoIpStart, QosRuleRow::HostTwoIpEnd, QosRuleRow::HostTwoIpRange}},
        {"host 2 to only", [](QosRuleInput& in) { in.ipTo2 = "10.0.0.1"; }, {QosRuleRow::HostTwoIpEnd}},
    };
    for (const Case& c : cases) {
        QosRuleInput in = ValidRule();
        c.change(in);
        const QosRulePlan plan = PlanQosRule(in);
        ASSERT_FALSE(plan.refusal) << c.what << ": " << plan.refusal->message;
        EXPECT_EQ(plan.rows, With(kAlwaysWritten, c.more)) << c.what;
    }
}

TEST(QosAdd, EmptyEndsTakeTheirStartsAndTheSizesFollow) {
    QosRuleInput in = ValidRule();
    in.protocolItem = QosProtocolItem::Tcp;
    in.portFrom1 = "80";
    in.portFrom2 = "1000";
    in.portTo2 = "1009";
    in.ipFrom2 = "10.0.0.5";
    in.ipTo2 = "10.0.0.7";
    QosRulePlan plan = PlanQosRule(in);
    ASSERT_FALSE(plan.refusal);
    EXPECT_EQ(plan.edits.ipTo1, "192.168.1.10");
    EXPECT_EQ(plan.hostOneIpRange, "1");
    EXPECT_EQ(plan.edits.portTo1, "80");
    EXPECT_EQ(plan.hostOnePortRange, "1");
    EXPECT_EQ(plan.hostTwoPortRange, "10");
    EXPECT_EQ(plan.hostTwoIpRange, "3");

    in = ValidRule();
    in.ipTo1 = "192.168.1.20";
    plan = PlanQosRule(in);
    ASSERT_FALSE(plan.refusal);
    EXPECT_EQ(plan.hostOneIpRange, "11");
    EXPECT_EQ(plan.hostOnePortRange, "") << "no port written";
}

TEST(QosAdd, AnEmptiedRangeOfAnExistingRuleIsWrittenUnsetOfANewRuleNot) {
    const Rows hostTwo = {QosRuleRow::HostTwoIpStart, QosRuleRow::HostTwoIpEnd, QosRuleRow::HostTwoIpRange};
    const Rows ports = {QosRuleRow::HostOnePortStart, QosRuleRow::HostOnePortEnd, QosRuleRow::HostOnePortRange,
                        QosRuleRow::HostTwoPortStart, QosRuleRow::HostTwoPortEnd, QosRuleRow::HostTwoPortRange};
    struct Case {
        const char* what;
        bool existing;
        int protocol;
        const char* ipFrom2;
        Rows more;
        const char* ipEdit;   // host 2's start and end as written
        const char* ipRange;  // host 2's size as written ("" not written)
        const char* port;     // each port edit as written
    };
    const Case cases[] = {
        {"new rule, TCP, all empty", false, QosProtocolItem::Tcp, "", {}, "", "", ""},
        {"new rule, Any, host 2 empty", false, QosProtocolItem::Any, "", {}, "", "", ""},
        {"existing rule, TCP, all empty", true, QosProtocolItem::Tcp, "", With(hostTwo, ports), "0.0.0.0", "0", "0"},
        {"existing rule, Any: no ports to clear", true, QosProtocolItem::Any, "", hostTwo, "0.0.0.0", "0", ""},
        {"existing rule, host 2 typed", true, QosProtocolItem::Any, "10.0.0.5", hostTwo, "10.0.0.5", "1", ""},
    };
    for (const Case& c : cases) {
        QosRuleInput in = ValidRule();
        in.existing = c.existing;
        in.protocolItem = c.protocol;
        in.ipFrom2 = c.ipFrom2;
        const QosRulePlan plan = PlanQosRule(in);
        ASSERT_FALSE(plan.refusal) << c.what;
        EXPECT_EQ(plan.rows, With(kAlwaysWritten, c.more)) << c.what;
        EXPECT_EQ(plan.edits.ipFrom2, c.ipEdit) << c.what;
        EXPECT_EQ(plan.edits.ipTo2, c.ipEdit) << c.what;
        EXPECT_EQ(plan.hostTwoIpRange, c.ipRange) << c.what;
        for (const std::string* port : {&plan.edits.portFrom1, &plan.edits.portTo1, &plan.edits.portFrom2,
                                        &plan.edits.portTo2})
            EXPECT_EQ(*port, c.port) << c.what;
        const std::string portRange = c.port[0] != '\0' ? "0" : "";
        EXPECT_EQ(plan.hostOnePortRange, portRange) << c.what;
        EXPECT_EQ(plan.hostTwoPortRange, portRange) << c.what;
    }
}

}  // namespace
