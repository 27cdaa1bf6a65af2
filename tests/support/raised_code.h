#pragma once
// The code (help context) of the program's exception that a call raises, or 0
// when it raises none.

#include <functional>

namespace support {

int RaisedCode(const std::function<void()>& call);

}  // namespace support
