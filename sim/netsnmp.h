#pragma once
// net-snmp's headers in the order they need, for the files that talk to the
// agent library.

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
