#include "pages/network/qos_page_rules.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "pages/common/same_value.h"
#include "pages/network/qos_page_vars.h"
#include "shell/dotted_quad.h"
#include "shell/input_validators.h"

namespace {

constexpr int kMinPort = 1;
constexpr int kMaxPort = 65535;
constexpr int kMinProtocol = 1;
constexpr int kMaxProtocol = 999;
constexpr char kAnyPort[] = "0";
constexpr char kInvalidAddress[] = "Invalid IP address!";
constexpr char kInvalidAddressRange[] = "Invalid IP address Range!";
constexpr char kWarning[] = "Warning";

bool IsNoAddress(const std::string& text) { return text.empty() || SameAddress(text, kNoAddress); }

uint32_t AddressValue(const std::string& text) {
    uint32_t value = 0;
    ReadAddressValue(text, value);
    return value;
}

// The number after the last "."; -1 without one.
int LastPart(const std::string& address) {
    const size_t dot = address.rfind('.');
    if (dot == std::string::npos) return -1;
    return DecimalOrDefault(address.substr(dot + 1), 0);
}

QosRefusal Refusal(const char* message, QosField field, bool clear = false) {
    return QosRefusal{message, kWarning, field, clear};
}

// The checks of one address range that both ends hold: from not above to,
// and both in one /24 network.
std::optional<QosRefusal> CheckAddressRange(const std::string& from, const std::string& to, QosField toField) {
    if (AddressValue(from) > AddressValue(to)) return Refusal(kInvalidAddressRange, toField);
    if (NetworkAddress(from, "255.255.255.0") != NetworkAddress(to, "255.255.255.0"))
        return Refusal(kInvalidAddressRange, toField);
    return std::nullopt;
}

bool IsPort(const std::string& text) {
    const int port = DecimalOrDefault(text, -1);
    return port >= kMinPort && port <= kMaxPort;
}

// One host's port pair: an empty "to" takes "from"; each filled edit is
// written, the size when both are. Rows: start, end, size of that host.
// Both ends of a range left empty, for an existing rule: the range is
// written as unset (both ends `unset`, size 0) so that it goes from the device.
bool PlanClearedRange(bool existing, std::string& from, std::string& to, std::string& size, const char* unset,
                      const int (&rows)[3], std::vector<int>& written) {
    if (!existing || !from.empty() || !to.empty()) return false;
    from = to = unset;
    size = kAnyPort;
    written.insert(written.end(), std::begin(rows), std::end(rows));
    return true;
}

std::optional<QosRefusal> PlanPorts(std::string& from, std::string& to, std::string& size, QosField fromField,
                                    QosField toField, const int (&rows)[3], std::vector<int>& written,
                                    bool existing) {
    if (PlanClearedRange(existing, from, to, size, kAnyPort, rows, written)) return std::nullopt;
    if (!from.empty()) {
        written.push_back(rows[0]);
        if (!IsPort(from)) return Refusal("Invalid port!", fromField);
        if (to.empty()) to = from;
    }
    if (to.empty()) return std::nullopt;
    written.push_back(rows[1]);
    if (!IsPort(to)) return Refusal("Invalid port!", toField);
    if (from.empty()) return std::nullopt;
    if (DecimalOrDefault(to, 0) < DecimalOrDefault(from, 0)) return Refusal("Invalid Port Range!", toField);
    written.push_back(rows[2]);
    size = std::to_string(PortRangeSize(from, to));
    return std::nullopt;
}

std::optional<QosRefusal> PlanHostTwo(QosRulePlan& plan) {
    std::string& from = plan.edits.ipFrom2;
    std::string& to = plan.edits.ipTo2;
    static const int kRows[3] = {QosRuleRow::HostTwoIpStart, QosRuleRow::HostTwoIpEnd, QosRuleRow::HostTwoIpRange};
    if (PlanClearedRange(plan.edits.existing, from, to, plan.hostTwoIpRange, kNoAddress, kRows, plan.rows))
        return std::nullopt;
    if (!from.empty()) {
        plan.rows.push_back(QosRuleRow::HostTwoIpStart);
        if (!IsValidHostAddress(from)) return Refusal(kInvalidAddress, QosField::IpFrom2, true);
        if (to.empty()) to = from;
    }
    if (to.empty()) return std::nullopt;
    plan.rows.push_back(QosRuleRow::HostTwoIpEnd);
    if (!IsValidHostAddress(to)) return Refusal(kInvalidAddress, QosField::IpTo2, true);
    if (from.empty()) return std::nullopt;
    if (auto refusal = CheckAddressRange(from, to, QosField::IpTo2)) return refusal;
    plan.rows.push_back(QosRuleRow::HostTwoIpRange);
    plan.hostTwoIpRange = std::to_string(IpRangeSize(from, to));
    return std::nullopt;
}

// Checks 1 to 10: the name, the protocol number and host 1's addresses.
std::optional<QosRefusal> CheckNameAndHostOne(QosRulePlan& plan) {
    QosRuleInput& in = plan.edits;
    if (in.name.empty()) return Refusal("The Name field can not be blank.", QosField::Name);
    if (in.name[0] == ' ') return QosRefusal{"The first character can't be blank.", "Error", QosField::Name, false};
    if (!IsAsciiText(in.name))
        return Refusal("There are some invalid characters in the Name field.Please check it.", QosField::Name);
    const int protocol = DecimalOrDefault(in.protocolNumber, 0);
    if (in.protocolNumber.empty() || protocol < kMinProtocol || protocol > kMaxProtocol)
        return Refusal("Invalid Port.", QosField::ProtocolNumber);
    if (IsNoAddress(in.ipFrom1)) return Refusal(kInvalidAddress, QosField::IpFrom1);
    if (!IsValidHostAddress(in.ipFrom1)) return Refusal(kInvalidAddress, QosField::IpFrom1, true);
    if (in.ipTo1.empty()) in.ipTo1 = in.ipFrom1;
    if (IsNoAddress(in.ipTo1)) return Refusal(kInvalidAddress, QosField::IpTo1);
    if (!IsValidHostAddress(in.ipTo1)) return Refusal(kInvalidAddress, QosField::IpTo1, true);
    return CheckAddressRange(in.ipFrom1, in.ipTo1, QosField::IpTo1);
}

bool CarriesPorts(int protocolItem) {
    return protocolItem == QosProtocolItem::Tcp || protocolItem == QosProtocolItem::Udp ||
           protocolItem == QosProtocolItem::Both;
}

}  // namespace

std::optional<QosEditButtons> QosEditModeButtons(int mode) {
    switch (mode) {
        case QosEditMode::NewRule:
            return QosEditButtons{true, true, true, false};
        case QosEditMode::RuleSelected:
        case QosEditMode::Initial:
            return QosEditButtons{true, true, true, true};
        case QosEditMode::TableFull:
            return QosEditButtons{false, true, true, false};
        default:
            return std::nullopt;
    }
}

QosProtocolControls QosProtocolRule(int protocolItem) {
    switch (protocolItem) {
        case QosProtocolItem::Any:
            return {"256", false, false};
        case QosProtocolItem::Tcp:
            return {"6", false, true};
        case QosProtocolItem::Udp:
            return {"17", false, true};
        case QosProtocolItem::Both:
            return {"257", false, true};
        case QosProtocolItem::Icmp:
            return {"1", false, false};
        default:  // "Other": the number the user types
            return {std::nullopt, true, false};
    }
}

int IpRangeSize(const std::string& from, const std::string& to) {
    const int first = LastPart(from);
    const int last = LastPart(to);
    if (from.empty() || to.empty() || first < 0 || last < 0) return 0;
    return last - first + 1;
}

int PortRangeSize(const std::string& from, const std::string& to) {
    if (from == kAnyPort || to == kAnyPort) return 0;
    return DecimalOrDefault(to, 0) - DecimalOrDefault(from, 0) + 1;
}

namespace {

std::string PortsCell(const std::string& start, const std::string& end) {
    if (start == kAnyPort && end == kAnyPort) return "Any";
    auto port = [](const std::string& p) { return p == kAnyPort ? std::string("Any") : p; };
    return port(start) + "/" + port(end);
}

}  // namespace

QosRuleCellsOut QosRuleCells(const QosRuleCellsIn& rule) {
    QosRuleCellsOut cells;
    cells.checked = rule.state == "Enable";
    cells.name = rule.name;
    cells.priority = rule.priority;
    cells.hostOne = rule.ip1Start + "~" + rule.ip1End;
    cells.hostTwo =
        rule.ip2Start == kNoAddress && rule.ip2End == kNoAddress ? "any" : rule.ip2Start + "~" + rule.ip2End;
    cells.protocolPorts = rule.protocolType + " " + PortsCell(rule.port1Start, rule.port1End) + " " +
                          PortsCell(rule.port2Start, rule.port2End);
    return cells;
}

QosRulePlan PlanQosRule(const QosRuleInput& input) {
    QosRulePlan plan;
    plan.edits = input;
    plan.refusal = CheckNameAndHostOne(plan);
    if (plan.refusal) return plan;
    QosRuleInput& in = plan.edits;
    plan.hostOneIpRange = std::to_string(IpRangeSize(in.ipFrom1, in.ipTo1));
    plan.rows = {QosRuleRow::State,        QosRuleRow::Name,          QosRuleRow::Priority,
                 QosRuleRow::Protocol,     QosRuleRow::ProtocolType,  QosRuleRow::HostOneIpStart,
                 QosRuleRow::HostOneIpEnd, QosRuleRow::HostOneIpRange};
    if (CarriesPorts(in.protocolItem)) {
        static const int kHostOne[3] = {QosRuleRow::HostOnePortStart, QosRuleRow::HostOnePortEnd,
                                        QosRuleRow::HostOnePortRange};
        static const int kHostTwo[3] = {QosRuleRow::HostTwoPortStart, QosRuleRow::HostTwoPortEnd,
                                        QosRuleRow::HostTwoPortRange};
        plan.refusal = PlanPorts(in.portFrom1, in.portTo1, plan.hostOnePortRange, QosField::PortFrom1,
                                 QosField::PortTo1, kHostOne, plan.rows, in.existing);
        if (!plan.refusal)
            plan.refusal = PlanPorts(in.portFrom2, in.portTo2, plan.hostTwoPortRange, QosField::PortFrom2,
                                     QosField::PortTo2, kHostTwo, plan.rows, in.existing);
    }
    if (!plan.refusal) plan.refusal = PlanHostTwo(plan);
    if (plan.refusal) plan.rows.clear();
    std::sort(plan.rows.begin(), plan.rows.end());
    return plan;
}
