#include "pages/common/same_value.h"

#include <cstdint>

#include "library/common/text.h"
#include "shell/dotted_quad.h"

bool SameAddress(const std::string& a, const std::string& b) {
    uint32_t first = 0;
    uint32_t second = 0;
    if (ReadAddressValue(a, first) && ReadAddressValue(b, second)) return first == second;
    return a == b;
}

bool SameMacAddress(const std::string& a, const std::string& b) { return SameText(a, b); }
