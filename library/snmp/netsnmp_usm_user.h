#pragma once
// SNMPv3 users of net-snmp sessions: the user-based security fields of a new
// session, with keys made from the pass phrases (usm_key.h), and net-snmp's
// cached user of an engine and name kept in step with the session that sends.
// Only the adapter's sources include this header.

#include "library/snmp/snmp_target.h"

struct snmp_session;

// Fills the user name, level, protocols and non-localised keys of a session
// about to be opened. The texts of `target` must outlive the opening.
void FillUsmUser(struct snmp_session& session, const VkSnmpTarget& target);

// Before a send on an open session whose agent engine ID is known: makes
// net-snmp's cached user of that engine and name hold this target's keys (a
// user made from other pass phrases is dropped and made again, since net-snmp
// keeps one user per engine and name). False when no user can be made.
bool EnsureUsmUser(void* sessionHandle, const VkSnmpTarget& target);
