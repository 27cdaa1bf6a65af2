#include "platform/os/exception.h"

#include <utility>

namespace os {

Exception::Exception(std::string message, int helpContext)
    : message_(std::move(message)), helpContext_(helpContext) {}

const char* Exception::what() const noexcept { return message_.c_str(); }

}  // namespace os
