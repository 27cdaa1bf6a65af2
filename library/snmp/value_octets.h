#pragma once
// The octet form of a value text, syntax by syntax (syntax codes of
// var_entry.h), through which the control binding moves every value between a
// variable and its controls, and the parts and bits of a value that a binding
// may address. Octets are bytes in a std::string.
//
//   syntax                               octets                              minimum  part size
//   boolean                              int32 1 for "true", else 0           4        4
//   integer                              int32 of the leading number          4        4
//   bitstr, octetstr, opaque             the octets of the hex text           -        rest
//   null                                 none                                 -        0
//   objectid                             each sub-identifier as a uint32      -        rest
//   ipaddress, nsapaddr                  low octet of each dotted number      4        4
//   counter, guage, uinteger             uint32 of the leading number         4        4
//   timeticks                            uint32 hundredths of the ticks text  4        4
//   counter64                            low uint32, then high uint32         8        8
//   double                               the IEEE double                      8        8
//   macaddress                           as octetstr                          6        6
//   datetime                             the eleven DateAndTime octets        11       11
//   bcdatetime                           the day count as an IEEE double      8        8
//   displaystr                           the text's bytes                     -        rest
//   bool8, int8, uint8                   one octet                            -        1
//   bool16, int16, uint16                two octets, most significant first   2        2
//
// 32- and 64-bit numbers are held least significant octet first; the 16-bit
// parts and the year of a DateAndTime most significant first. "The leading
// number" is read as number_text.h reads value texts: blanks, a sign,
// digits, anything after them ignored, 0 without digits, held at the limits
// of its range (the unsigned syntaxes read it as an unsigned number).
//
// Every conversion raises -511 for a syntax code outside the table.

#include <string>
#include <vector>

// The octets of a value text; "(NULL)" gives no octets. A bcdatetime text
// that does not read as a date and time raises os::ConvertError.
std::string TextToOctets(const std::string& text, int syntax);

// The value text of octets: no octets give "(NULL)" (the empty text for
// displaystr); fewer octets than the syntax's minimum raise -518; octets
// beyond what the syntax reads are ignored.
std::string OctetsToText(const std::string& octets, int syntax);

// The part of `partSyntax` at `offset`: its part size from there, or the rest
// of the value for the syntaxes whose part is the rest. No octets give no
// octets; a part that would end (or an offset that lies) beyond the value
// raises -519.
std::string ExtractPart(const std::string& octets, int offset, int partSyntax);

// Writes a part back into a value: the value is lengthened with zero octets
// to reach offset + the part's length, the part is copied in at offset, and
// the octets after it keep their values.
void PutPart(std::string& octets, int offset, const std::string& part);

// Bit lists of check boxes: bit n lies in octet n / 8 with the weight
// 2^(7 - n % 8), so bit 0 is the most significant bit of octet 0.
// The state of each listed bit; -519 for a bit outside the octets.
std::vector<bool> BitsOfOctets(const std::string& octets, const std::vector<int>& bits);
// A part from the boxes' states (`checked[k]` for `bits[k]`): as many octets
// as the highest listed bit needs, every bit not listed 0.
std::string OctetsOfBits(const std::vector<int>& bits, const std::vector<bool>& checked);
