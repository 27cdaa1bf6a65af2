#pragma once
// The AP Array page's rules without controls: the array name's checks and
// the role between the radio group and the device's value.

#include <string>

// Whether every character is an ASCII letter, a digit, '@', '.', '_' or
// '-' (an empty text passes).
bool IsArrayNameChars(const std::string& text);

// The first check an array name fails, in the order Save checks them; a
// name that passes them all has an empty message.
struct ArrayNameRefusal {
    std::string message;
    std::string caption;
};
ArrayNameRefusal CheckArrayName(const std::string& name);

extern const char* const ArrayNameBlankText;
extern const char* const ArrayNameFirstBlankText;
extern const char* const ArrayNameEdgeBlankText;
extern const char* const ArrayNameLengthText;
extern const char* const ArrayNameInvalidText;

// The radio group's positions 0, 1, 2 are the role values 1 "Master",
// 2 "Backup Master", 3 "Slave" (positions of the role list alike); any
// other position has no counterpart.
bool IsRolePosition(int position);
