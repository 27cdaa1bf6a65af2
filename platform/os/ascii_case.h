#pragma once
// Names that the module compares the way Windows does (registry key paths and
// value names, folder entries such as "errMSg" and "errmsg") are equal when
// they differ only in the case of ASCII letters. Other bytes compare as they
// are, so the result never depends on the locale.

#include <string>

namespace os {

bool EqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace os
