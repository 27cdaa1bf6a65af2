#pragma once
// How one value is spread over several edits: the part syntax decides the
// layout. The binding hands over the edits' texts and writes back what these
// functions give; nothing here touches a control.
//
//   part syntax                   edits  each edit holds
//   bitstr, octetstr, opaque      n      one octet as two hex digits
//   objectid                      n      one sub-identifier in decimal
//   ipaddress, nsapaddr           4      one octet in decimal
//   timeticks                     5      days, hours, minutes, seconds, hundredths
//   macaddress                    6      one octet as two hex digits
//   datetime                      10     year, month, day, hour, minutes, seconds,
//                                        deci-seconds, "+"/"-", zone hours, zone minutes
//   bcdatetime                    7      year, month, day, hour, minute, second, millisecond
//   any other                     any    the first edit holds the whole text
//
// Fewer edits than a layout needs raise -522 (for octet strings and OIDs:
// fewer than the value has octets or sub-identifiers, when showing).

#include <string>
#include <vector>

// Shows a value: `text` is the value text (after the option list) and
// `octets` its octets (value_octets.h). Edits the layout does not fill keep
// their texts; a value of "(NULL)" leaves every edit as it is, except for
// the syntaxes without a layout, whose first edit shows the text.
void ShowOverEdits(int partSyntax, const std::string& text, const std::string& octets,
                   std::vector<std::string>& editTexts);

// The part's value text built from the edits (to go through the option list
// and TextToOctets as the text of a single edit would). Numbers are the
// leading numbers of the edits' texts; an empty or non-numeric edit gives 0
// (for hex octets "00", and a single digit d gives "0d").
std::string CollectFromEdits(int partSyntax, const std::vector<std::string>& editTexts);
