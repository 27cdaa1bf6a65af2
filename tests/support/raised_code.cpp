#include "tests/support/raised_code.h"

#include "platform/os/exception.h"

namespace support {

int RaisedCode(const std::function<void()>& call) {
    try {
        call();
    } catch (const os::Exception& e) {
        return e.HelpContext();
    }
    return 0;
}

}  // namespace support
