#pragma once
// The commands of the test control channel. One line each; the reply is zero
// or more data lines followed by "ok" or "error <reason>":
//   ping                     is the simulator there
//   drop N [after M]         drop the next N requests unanswered (after
//                            letting M requests through)
//   tftpfault MODE           the device's next transfers: none, stall (stops
//                            after the first block and falls silent) or
//                            wrongname (asks for the name with ".x" added)
//   delay MS                 answer every request MS later (0: at once)
//   scandelay MS             a SET that starts a scan is answered MS later
//   error OID STATUS [after M]
//                            answer STATUS (number or name, e.g. genErr) for
//                            OID on the next SET that writes it (after
//                            letting M SETs of it through)
//   lose OID N               the next N SETs writing OID are lost: not
//                            carried out and not answered (0: none)
//   down | up                stop answering / answer again (same boot)
//   restart                  down for the restart time, then a new boot
//   quietrestart N           the next N SETs that restart the device (Reboot,
//                            deviceRestart ...) are carried out unanswered:
//                            the device goes down before it answers (retries
//                            count; 0: none)
//   set OID VALUE            store a value (typed as the object is); in a
//                            scanned table, what the next scan finds
//   get OID                  one data line: the value
//   values                   one data line per object, "<oid>=<syntax>:<value>"
//                            as the PDU log shows bindings
//   leds L24 L5 LAN          set the three LED modes
//   log                      one data line per received PDU
//   clearlog                 empty the PDU log
//   tftp                     one data line: the last transfer's result
//   devicelog [LINE]         one data line per line of the device's log
//                            (quoted); with LINE, adds it to the log
//   quit                     stop the simulator

#include <string>

namespace sim {

class Device;
class Liveness;
class PduLog;
class SetErrorPlan;
class TrafficGate;

struct ControlTargets {
    Device& device;
    TrafficGate& gate;
    Liveness& liveness;
    PduLog& log;
    SetErrorPlan& errors;
    bool& quit;
};

std::string RunControlCommand(const std::string& line, ControlTargets& targets);

}  // namespace sim
