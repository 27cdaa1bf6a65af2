#pragma once
// The end of a start-up that failed.

#include <exception>

// Shows the failure's message once in the application's error box (the
// message of os::Exception, else what()) and asks the application to end;
// the message loop then returns at once. The caller switches its timers off
// first, so that nothing uses what start-up did not make.
void EndFailedStartup(const std::exception& failure);
