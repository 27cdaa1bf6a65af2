#pragma once
// The QoS page's decisions, without controls: the rule editor's modes and
// the buttons they enable, what each protocol choice puts into the protocol
// number and which edits it opens, the sizes of address and port ranges, the
// cells of a listed rule, and the checks of "Add" with the rows it writes.

#include <optional>
#include <string>
#include <vector>

// ---- editor modes -------------------------------------------------------------
namespace QosEditMode {
enum : int { NewRule = 0, RuleSelected = 1, Initial = 2, TableFull = 3 };
}
struct QosEditButtons {
    bool add, clear, apply, del;
};
// The buttons of a mode; nullopt for a value that is no mode.
std::optional<QosEditButtons> QosEditModeButtons(int mode);

// ---- protocols --------------------------------------------------------------------
// Positions of the protocol combo (the protocol type's values).
namespace QosProtocolItem {
enum : int { Any, Tcp, Udp, Both, Icmp, Other };
}
struct QosProtocolControls {
    std::optional<std::string> number;  // what the protocol number shows; nullopt: the user's own
    bool numberEnabled;                 // the user types the number
    bool portsEnabled;                  // the four port edits
};
QosProtocolControls QosProtocolRule(int protocolItem);

// ---- ranges -----------------------------------------------------------------------
// The number after the last "." of `to` minus that of `from`, plus 1; 0 when
// either text is empty or holds no ".".
int IpRangeSize(const std::string& from, const std::string& to);
// 0 when either text is "0"; otherwise to - from + 1.
int PortRangeSize(const std::string& from, const std::string& to);

// ---- the listed rules ---------------------------------------------------------------
// One rule as the hidden list holds it (option texts for state, priority and
// protocol type).
struct QosRuleCellsIn {
    std::string state, name, priority, protocolType;
    std::string ip1Start, ip1End, port1Start, port1End;
    std::string ip2Start, ip2End, port2Start, port2End;
};
// One row of the visible list: its check box and its five cells.
struct QosRuleCellsOut {
    bool checked;
    std::string name, priority, hostOne, hostTwo, protocolPorts;
};
QosRuleCellsOut QosRuleCells(const QosRuleCellsIn& rule);

// ---- Add ---------------------------------------------------------------------------
enum class QosField {
    None,
    Name,
    ProtocolNumber,
    IpFrom1,
    IpTo1,
    PortFrom1,
    PortTo1,
    IpFrom2,
    IpTo2,
    PortFrom2,
    PortTo2
};

// What the editor holds when "Add" is pressed.
struct QosRuleInput {
    std::string name;
    int protocolItem = QosProtocolItem::Any;
    std::string protocolNumber;
    std::string ipFrom1, ipTo1, portFrom1, portTo1;
    std::string ipFrom2, ipTo2, portFrom2, portTo2;
    // The rule exists on the device (it was loaded), so a range the user
    // emptied is written as unset; for a new rule empty means "none" and is
    // not written.
    bool existing = false;
};

struct QosRefusal {
    std::string message;
    std::string caption;
    QosField field = QosField::None;
    bool clear = false;  // the edit is emptied before it takes the focus
};

// The outcome of Add's checks: the edits as the checks leave them (an empty
// "to" takes its "from"; a range an existing rule's user emptied holds the
// device's unset values, 0.0.0.0 or 0, with size 0), the range sizes, and
// either the refusal or the rows
// of the rule table to write (QosRuleRow, in table order; the state row
// always among them, the page leaves it out when it keeps the state).
struct QosRulePlan {
    QosRuleInput edits;
    std::string hostOneIpRange, hostOnePortRange, hostTwoIpRange, hostTwoPortRange;
    std::optional<QosRefusal> refusal;
    std::vector<int> rows;
};
QosRulePlan PlanQosRule(const QosRuleInput& input);
