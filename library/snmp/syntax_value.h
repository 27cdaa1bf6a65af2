#pragma once
// A variable's value text and the binding that carries it, syntax by syntax
// (the syntax codes of var_entry.h). Option lists are not applied here.
//
// Value texts: octet strings, bit strings, opaque values and MAC addresses as
// hex text; IP addresses dotted; 32-bit counters, gauges and unsigned
// integers in unsigned decimal; time ticks as time-ticks text; "(NULL)" for
// no value (the empty text for display strings and octet syntaxes).

#include <string>

#include "library/snmp/var_bind.h"

// The text a received binding gives an item of `syntax`. A binding without a
// value (a null or an exception), one whose type does not carry the kind of
// value the syntax reads (an octet string for an integer, a Counter64 for a
// 32-bit number), and one whose value prints as empty text all give the
// syntax's no-value text. Raises -511 for a syntax code outside the table.
std::string BindingToText(int syntax, const VkSNMPVarBind& binding);

// Whether a binding with a value carries the kind of value the syntax reads
// (a number for the number syntaxes, octets for the octet and text syntaxes,
// an address, an object identifier). A binding without a value carries
// nothing wrong and gives true; so does a syntax code outside the table.
bool CarriesSyntax(int syntax, const VkSNMPVarBind& binding);

// The value sent for a text of `syntax`: "(NULL)" sends a null whatever the
// syntax. Raises -511 for a syntax code outside the table, -509 for an
// address text that is neither dotted nor a resolvable host name, -417 for an
// OID text that does not parse, and os::ConvertError for a date-time text
// (`bcdatetime`) that does not read as one. The binding's OID is kept.
void TextToBinding(int syntax, const std::string& text, VkSNMPVarBind& binding);

// The text of an item that has no value: "" for displaystr and the octet
// syntaxes (bitstr, octetstr, opaque, macaddress), "(NULL)" for the others.
std::string NoValueText(int syntax);
