#pragma once
// Small text and number functions of the library. All texts are 8-bit byte
// strings; positions are 1-based.

#include <string>

// The text without one pair of enclosing double quotes: "" stays "", a text
// whose first and last characters are both '"' gives the characters between
// them (a lone '"' gives ""), any other text is returned unchanged.
std::string Unquote(const std::string& text);

// The position of the last character of the run of admitted characters that
// begins at `start`; 0 when the character at `start` is not admitted or
// `start` lies outside the text (below 1 or beyond its end). `admitted`
// holds the admitted characters (bytes).
int SpanOfChars(const std::string& text, int start, const std::string& admitted);

// The source with every occurrence of `pattern` replaced, searching from the
// left and never searching a replacement again. An empty pattern changes
// nothing.
std::string ReplaceAll(const std::string& source, const std::string& pattern,
                       const std::string& replacement);

// Tries the operators of `operators` (a table ended by a null entry) in table
// order; the first one that occurs anywhere in `text` is used, and the text is
// split around that operator's first occurrence into `left` and `right`.
// Returns the operator's index, or -1 when none occurs (outputs unchanged).
int SplitAtOperator(const char* const* operators, const std::string& text, std::string& left,
                    std::string& right);

// 1 multiplied by `base` `exponent` times in 32-bit int arithmetic
// (1 for exponent 0; overflow wraps around).
int IntPower(int base, unsigned exponent);
