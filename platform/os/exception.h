#pragma once
// The program's own exception type. It carries a message text and a help
// context, which holds the program-wide error code of the failure. Every place
// where the window layer calls a handler catches it and shows its message, so
// it never crosses the event loop.

#include <exception>
#include <string>

namespace os {

class Exception : public std::exception {
public:
    explicit Exception(std::string message, int helpContext = 0);

    const char* what() const noexcept override;
    const std::string& Message() const { return message_; }
    int HelpContext() const { return helpContext_; }

private:
    std::string message_;
    int helpContext_;
};

// A text that does not convert to the number or date asked for.
class ConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside the items of a list.
class ListIndexError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace os
