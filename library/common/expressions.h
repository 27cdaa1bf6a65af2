#pragma once
// The three evaluators of the library's expression language.
// A failure raises os::Exception with code -1 and the text of VkCommon entry 1,
// "(VkCommon) Bad logic operand!".

#include <string>

// Compares two texts around the first operator found of "<>", ">=", "<=",
// ">", "<", "=" (tried in this order). Each side is trimmed (blanks and
// control characters) and unquoted; a side equal to "NOW" (any case) becomes
// the current day count written with FloatToStr (see day_count.h). The sides
// are compared as texts, byte by byte and case-sensitively ("10" < "9").
// Without an operator the text must read "true" or "false" (any case) and
// gives that value. Blanks and
// control characters around a bare true/false are ignored, so
// "(a=1) & (b=2)" works as "(a=1)&(b=2)" does. Anything else raises code -1.
bool EvaluateComparison(const std::string& expression);

// Evaluates arithmetic on doubles, splitting at the FIRST operator, so it
// groups to the right: "10-2-3" gives 11, "8/2/2" gives 8,
// "6/3*2" gives 12. Parentheses first (the first '(' and its matching ')'),
// then '+', '-', '*', '/'; the left side of '*' and '/' is read as an operand.
// An operand "NOW" (any case, not trimmed) is the current day count; any other
// operand is read like strtod in the "C" locale (leading blanks skipped,
// reading stops at the first character that cannot continue a number; an empty
// or non-numeric text is 0). Raises nothing. Each operator and parenthesis
// pair takes one level of evaluation; a text needing more than 200 levels is
// refused and evaluates to 0.
double EvaluateArithmetic(const std::string& expression);

// Evaluates logic over comparisons: parentheses first (each replaced by "true"
// or "false"), then '|' (OR), then '&' (AND), both short-circuit and split at
// their first occurrence, then '!' (negation of the text after the first '!'),
// else EvaluateComparison. An operator character whose first occurrence lies
// inside the first quoted part of the text counts as absent. Levels are
// counted as in EvaluateArithmetic; a text needing more than 200 is refused
// and evaluates to false.
bool EvaluateLogic(const std::string& expression);
