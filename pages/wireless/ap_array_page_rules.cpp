#include "pages/wireless/ap_array_page_rules.h"

#include "shell/input_validators.h"

const char* const ArrayNameBlankText = "The AP Array Name field can not be blank.";
const char* const ArrayNameFirstBlankText = "The first character can't be blank.";
const char* const ArrayNameEdgeBlankText = "The first character and last character can't be blank.";
const char* const ArrayNameLengthText = "The AP Array Name field can hold at most 32 characters.";
const char* const ArrayNameInvalidText =
    "There are some invalid characters in the AP Array Name field.Please check it.";

namespace {

constexpr int kRoles = 3;
// What the name's edit takes when typed; a longer name read from the device
// is refused as one typed would be, not written back.
constexpr size_t kArrayNameLength = 32;

bool IsArrayNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@' || c == '.' ||
           c == '_' || c == '-';
}

}  // namespace

bool IsArrayNameChars(const std::string& text) {
    for (char c : text)
        if (!IsArrayNameChar(c)) return false;
    return true;
}

ArrayNameRefusal CheckArrayName(const std::string& name) {
    if (name.empty()) return {ArrayNameBlankText, "Warning"};
    if (name.front() == ' ') return {ArrayNameFirstBlankText, "Error"};
    if (name.back() == ' ') return {ArrayNameEdgeBlankText, "Error"};
    if (name.size() > kArrayNameLength) return {ArrayNameLengthText, "Warning"};
    if (!IsAsciiText(name) || !IsArrayNameChars(name)) return {ArrayNameInvalidText, "Warning"};
    return {};
}

bool IsRolePosition(int position) { return position >= 0 && position < kRoles; }
