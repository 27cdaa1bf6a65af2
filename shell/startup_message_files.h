#pragma once
// The two loads of the seven message files at start-up. Each file replaces
// its table when it holds at least one non-empty line (LoadMessageFile); a
// missing file or folder leaves the table as it was. The folder name is
// looked up ignoring case, since it is spelt "errMSg" beside the program and
// "errmsg" in the module folder.

#include <string>

// First load, from the "errMSg" folder in programFolder (the executable's
// folder), in the order snmpclass.err, snmp.err, snmp.msg, vksnmp.err,
// snmpv3.err, snmpusm.err, common.err.
void LoadProgramMessageFiles(const std::string& programFolder);

// Second load, from the "errmsg" folder in moduleFolder ("" is the current
// folder), in the order common.err, snmp.err, snmpv3.err, snmpusm.err,
// snmpclass.err, vksnmp.err, snmp.msg. What it finds replaces the first load.
void LoadModuleMessageFiles(const std::string& moduleFolder);
