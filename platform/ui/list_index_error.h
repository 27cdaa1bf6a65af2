#pragma once
// The error for an index outside a list of items (internal helper).

#include "platform/os/exception.h"

namespace ui {

[[noreturn]] void ThrowListIndexError(int index);

}  // namespace ui
