#include "platform/ui/list_index_error.h"

#include <string>

namespace ui {

void ThrowListIndexError(int index) {
    throw os::ListIndexError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace ui
