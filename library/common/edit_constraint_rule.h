#pragma once
// The rule of one edit constraint, without any window: its format, the
// characters it admits while the user types and the check of the whole value
// when the edit is left.
//
// A constraint is "%", a type letter, for type n one more character (the
// delimiter), then optionally "{options}" closing with the last character:
//
//   type  value                 admitted while typing                  default range
//   s     text                  anything
//   h     hex text              0-9 A-F a-f
//   i     signed integer        digits, '-' as first character         -2147483648..2147483647
//   u     unsigned integer      digits                                 0..4294967295
//   f     decimal number        digits, '-' first, one '.'             whole range of a double
//   n<c>  numbers separated by c  digits, c not first and not twice    0..4294967295 (each)
//
//   option  form                      effect
//   e<c>    one character             typing c moves the focus on
//   l<digits>[a|f|n]{0,3}             maxLen; flags a (move on at maxLen), f (exact), n (not empty)
//   n<run of -0123456789.>            min
//   x<run of -0123456789.>            max
//   w<digits>                         the edit's width in pixels
//
// For s and h maxLen is a length (exact with f), for n a count of numbers
// (exact with f); for s, h, i, u and f it is also the edit's maximum length.
// Options come in any order; a later one overrides an earlier one. Letters
// after l's digits are always read as its flags, so "%u{l3n5}" is bad.

#include <cstdint>
#include <string>
#include <vector>

// The l option's letters; flags hold their sum.
enum : uint16_t {
    kConstraintAdvance = 1,  // a
    kConstraintFixed = 2,    // f
    kConstraintNotEmpty = 4, // n
};

struct EditConstraintRule {
    char type = 0;       // s, h, i, u, f or n
    char delimiter = 0;  // type n only
    double min = 0;
    double max = 0;
    int maxLen = 0;      // 0: none
    uint16_t flags = 0;
    char jumpChar = 0;   // 0: none
    int width = 0;       // 0: leave the edit's width
};

// Reads one constraint. A bad one raises the program's exception with code
// -2 (VkCommon message 2); a number run that does not read as a number (a
// lone "-", "1-2") raises os::ConvertError.
EditConstraintRule ParseEditConstraint(const std::string& constraint);

// A format of several constraints written one after another, cut before
// every "%" except the first: "%s%u{x9}" gives "%s" and "%u{x9}".
std::vector<std::string> SplitConstraintFormat(const std::string& format);

// The texts that stand for "no value" in an edit ("(NULL)", "(NOTDONE)"):
// neither filtered nor checked.
bool IsPlaceholderText(const std::string& text);

// Whether the edit takes maxLen as its maximum length and moves on when the
// text reaches it (types s, h, i, u and f).
bool LimitsLength(const EditConstraintRule& rule);

// The position (0-based) of the first character the rule does not admit,
// scanning from the start; std::string::npos when every one is admitted.
std::size_t FirstRejectedChar(const EditConstraintRule& rule, const std::string& text);

// What leaving an edit with this text gives.
struct EditCheck {
    enum Outcome {
        Accepted,
        Ignored,   // an empty text without the n flag: nothing happens at all
        Rejected,
    };
    Outcome outcome;
    int message;   // Rejected: the VkCommon message entry, 3 to 11
};
EditCheck CheckEditValue(const EditConstraintRule& rule, const std::string& text);

// The text of a rejection message (VkCommon table in force) with its
// placeholders filled in from the rule.
std::string RejectionText(const EditConstraintRule& rule, int message);
