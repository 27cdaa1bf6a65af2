#pragma once
// Finding a folder entry whose name is spelt in another case, as on Windows,
// where the module's folders are written "errMSg" in one place and "errmsg" in
// another.

#include <string>

namespace os {

// The path of the entry of folder whose name equals name ignoring the case of
// ASCII letters: folder + "/" + the entry's own spelling ("" as folder means
// the current folder, and the path is then the entry's name alone). An entry
// spelt exactly as name wins; among other spellings the one first in byte
// order, so the choice never depends on the folder's listing order. "" when
// there is no such entry or the folder cannot be read.
std::string FindEntryIgnoringCase(const std::string& folder, const std::string& name);

}  // namespace os
