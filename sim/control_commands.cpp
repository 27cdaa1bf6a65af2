#include "sim/control_commands.h"

#include <cstdlib>
#include <vector>

#include "platform/os/clock.h"
#include "sim/device.h"
#include "sim/line_tokens.h"
#include "sim/liveness.h"
#include "sim/pdu_log.h"
#include "sim/set_error_plan.h"
#include "sim/traffic_gate.h"

namespace sim {

namespace {

using Tokens = std::vector<std::string>;

const char* const kErrorStatusNames[] = {
    "noError",    "tooBig",     "noSuchName",         "badValue",          "readOnly",
    "genErr",     "noAccess",   "wrongType",          "wrongLength",       "wrongEncoding",
    "wrongValue", "noCreation", "inconsistentValue",  "resourceUnavailable", "commitFailed",
    "undoFailed", "authorizationError", "notWritable", "inconsistentName",
};

std::string Ok(const std::string& data = {}) { return data + "ok\n"; }
std::string Fail(const std::string& reason) { return "error " + reason + "\n"; }

bool ParseCount(const std::string& text, long& count) {
    char* end = nullptr;
    count = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && count >= 0;
}

bool ParseErrorStatus(const std::string& text, int& status) {
    long number = 0;
    if (ParseCount(text, number) && number <= 18) {
        status = static_cast<int>(number);
        return true;
    }
    for (int i = 0; i <= 18; ++i) {
        if (text == kErrorStatusNames[i]) {
            status = i;
            return true;
        }
    }
    return false;
}

ObjectStore::Entry* FindObject(const std::string& text, ControlTargets& t) {
    Oid oid;
    return ParseOid(text, oid) ? t.device.Store().Find(oid) : nullptr;
}

std::string Drop(const Tokens& args, ControlTargets& t) {
    long count = 0;
    long after = 0;
    bool withAfter = args.size() == 4 && args[2] == "after" && ParseCount(args[3], after);
    if ((args.size() != 2 && !withAfter) || !ParseCount(args[1], count))
        return Fail("usage: drop N [after M]");
    t.gate.DropNext(static_cast<int>(count), static_cast<int>(after));
    return Ok();
}

std::string Delay(const Tokens& args, ControlTargets& t) {
    long ms = 0;
    if (args.size() != 2 || !ParseCount(args[1], ms)) return Fail("usage: delay MS");
    t.gate.SetDelay(os::Scaled(static_cast<int>(ms)));
    return Ok();
}

std::string ScanDelay(const Tokens& args, ControlTargets& t) {
    long ms = 0;
    if (args.size() != 2 || !ParseCount(args[1], ms) || ms > 86400000) return Fail("usage: scandelay MS");
    t.device.SetScanDelay(static_cast<int>(ms));  // scaled when a scan starts
    return Ok();
}

std::string PlanError(const Tokens& args, ControlTargets& t) {
    Oid oid;
    int status = 0;
    long after = 0;
    bool withAfter = args.size() == 5 && args[3] == "after" && ParseCount(args[4], after);
    if ((args.size() != 3 && !withAfter) || !ParseOid(args[1], oid) || !ParseErrorStatus(args[2], status))
        return Fail("usage: error OID STATUS [after M]");
    t.errors.Add(oid, status, static_cast<int>(after));
    return Ok();
}

std::string QuietRestart(const Tokens& args, ControlTargets& t) {
    long count = 0;
    if (args.size() != 2 || !ParseCount(args[1], count)) return Fail("usage: quietrestart N");
    t.errors.QuietRestarts(static_cast<int>(count));
    return Ok();
}

std::string Lose(const Tokens& args, ControlTargets& t) {
    Oid oid;
    long count = 0;
    if (args.size() != 3 || !ParseOid(args[1], oid) || !ParseCount(args[2], count))
        return Fail("usage: lose OID N");
    t.errors.Lose(oid, static_cast<int>(count));
    return Ok();
}

std::string Set(const Tokens& args, ControlTargets& t) {
    if (args.size() != 3) return Fail("usage: set OID VALUE");
    ObjectStore::Entry* entry = FindObject(args[1], t);
    if (entry == nullptr) return Fail("no such object " + args[1]);
    Value value;
    if (!ParseValue(entry->def.syntax, args[2], value))
        return Fail(std::string("not a ") + SyntaxName(entry->def.syntax) + " value: " + args[2]);
    entry->value = value;
    return Ok();
}

std::string Get(const Tokens& args, ControlTargets& t) {
    if (args.size() != 2) return Fail("usage: get OID");
    const ObjectStore::Entry* entry = FindObject(args[1], t);
    if (entry == nullptr) return Fail("no such object " + args[1]);
    return Ok(QuoteToken(FormatValue(t.device.Read(*entry))) + "\n");
}

// Every object as a read answers it: "<oid>=<syntax>:<value>", the form of
// the PDU log's bindings.
std::string Values(const Tokens& args, ControlTargets& t) {
    if (args.size() != 1) return Fail("usage: values");
    std::string data;
    for (const auto& [oid, entry] : t.device.Store().Entries())
        data += FormatOid(oid) + "=" + SyntaxName(entry.def.syntax) + ":" +
                QuoteToken(FormatValue(t.device.Read(entry))) + "\n";
    return Ok(data);
}

std::string Leds(const Tokens& args, ControlTargets& t) {
    long modes[3];
    for (size_t i = 0; i < 3; ++i)
        if (args.size() != 4 || !ParseCount(args[i + 1], modes[i])) return Fail("usage: leds L24 L5 LAN");
    t.device.SetLeds(modes[0], modes[1], modes[2]);
    return Ok();
}

std::string Log(const Tokens&, ControlTargets& t) {
    std::string data;
    for (const std::string& line : t.log.Lines()) data += line + "\n";
    return Ok(data);
}

std::string Tftp(const Tokens&, ControlTargets& t) {
    const TransferStatus& s = t.device.Transfer();
    return Ok("state=" + s.state + " operation=" + QuoteToken(s.operation) +
              " file=" + QuoteToken(s.file) + " bytes=" + std::to_string(s.bytes) +
              " message=" + QuoteToken(s.message) + "\n");
}

std::string TftpFaultCommand(const Tokens& args, ControlTargets& t) {
    if (args.size() != 2) return Fail("usage: tftpfault none|stall|wrongname");
    if (args[1] == "none") t.device.SetTftpFault(Device::TftpFault::None);
    else if (args[1] == "stall") t.device.SetTftpFault(Device::TftpFault::Stall);
    else if (args[1] == "wrongname") t.device.SetTftpFault(Device::TftpFault::WrongName);
    else return Fail("usage: tftpfault none|stall|wrongname");
    return Ok();
}

std::string DeviceLog(const Tokens& args, ControlTargets& t) {
    if (args.size() == 2) {
        t.device.AddLogLine(args[1]);
        return Ok();
    }
    if (args.size() != 1) return Fail("usage: devicelog [LINE]");
    std::string data;
    for (const std::string& line : t.device.LogLines()) data += QuoteToken(line) + "\n";
    return Ok(data);
}

struct Command {
    const char* name;
    std::string (*run)(const Tokens& args, ControlTargets& t);
};

const Command kCommands[] = {
    {"ping", [](const Tokens&, ControlTargets&) { return Ok(); }},
    {"drop", &Drop},
    {"delay", &Delay},
    {"scandelay", &ScanDelay},
    {"error", &PlanError},
    {"lose", &Lose},
    {"down", [](const Tokens&, ControlTargets& t) { t.liveness.GoDown(); return Ok(); }},
    {"up", [](const Tokens&, ControlTargets& t) { t.liveness.ComeUp(); return Ok(); }},
    {"restart", [](const Tokens&, ControlTargets& t) { t.liveness.Restart(); return Ok(); }},
    {"quietrestart", &QuietRestart},
    {"set", &Set},
    {"get", &Get},
    {"values", &Values},
    {"leds", &Leds},
    {"log", &Log},
    {"clearlog", [](const Tokens&, ControlTargets& t) { t.log.Clear(); return Ok(); }},
    {"tftp", &Tftp},
    {"tftpfault", &TftpFaultCommand},
    {"devicelog", &DeviceLog},
    {"quit", [](const Tokens&, ControlTargets& t) { t.quit = true; return Ok(); }},
};

}  // namespace

std::string RunControlCommand(const std::string& line, ControlTargets& targets) {
    Tokens args;
    if (!SplitTokens(line, args)) return Fail("unterminated quote or bad escape");
    if (args.empty()) return Fail("empty command");
    for (const Command& command : kCommands)
        if (args[0] == command.name) return command.run(args, targets);
    return Fail("unknown command " + args[0]);
}

}  // namespace sim
