#pragma once
// The end of a start-up that failed.

#include <exception>

// Shows the failure's message once in the application's error box (the
// message of os::Exception, else what()), and on stderr, and waits there for
// the user; then asks the application to end, so the message loop returns at once, and
// remembers that start-up failed. The caller switches its timers off first,
// so that nothing uses what start-up did not make.
void EndFailedStartup(const std::exception& failure);

// Ends the module after a failure past start-up that the user has been shown
// (the module's TFTP server cannot open its port): asks the application to
// end and remembers the failure, as EndFailedStartup does.
void EndFailedModule();

// Whether EndFailedStartup or EndFailedModule ran since the last ForgetFailedStartup: the module
// then ends with a non-zero exit code.
bool StartupFailed();
void ForgetFailedStartup();
