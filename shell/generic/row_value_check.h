#pragma once
// Whether the text of a generic view's row is a value of the row's variable,
// looked at before anything is written. The value codec reads any text as
// some value (a text without digits as 0, a name as a host to look up, a
// short MAC padded), so a row whose text is not plainly a value of its syntax
// must not be sent at all.
//
//   std::string refusal = RowValueRefusal(*vars.Item(i), vars.Item(i)->value, i < vars.keyCount);
//   if (!refusal.empty()) ... // say it, write nothing
//
// A row with an option list takes one of its display texts. An index column
// must also name a row: an integer index is a positive whole number.

#include <string>

struct VkSNMPVarItem;

// "" when text is a value for the item; otherwise the message naming the
// row: <name>: "<text>" is not <what the syntax takes>!
std::string RowValueRefusal(const VkSNMPVarItem& item, const std::string& text, bool index);
