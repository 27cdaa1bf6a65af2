#pragma once
// SNMPv3 user-based security: the key of a pass phrase (RFC 3414 A.2), made
// here rather than by net-snmp so that pass phrases shorter than 8 characters,
// which net-snmp refuses and a device may accept, work as well.

#include <string>

// The non-localised key Ku of a pass phrase for authProtocol 2 (HMAC-MD5,
// 16 octets) or 3 (HMAC-SHA, 20 octets): the hash of the first 1 MiB of the
// pass phrase repeated. Empty for another protocol or an empty pass phrase.
std::string UsmPassphraseKey(int authProtocol, const std::string& passphrase);

// The key localised for one authoritative engine (RFC 3414 A.2.1/A.2.2):
// hash(Ku + engineID + Ku). Empty for another protocol.
std::string UsmLocalizedKey(int authProtocol, const std::string& key, const std::string& engineId);
