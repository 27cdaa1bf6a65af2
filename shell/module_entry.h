#pragma once
// The module's entry point. main() hands it the way to make the main window:
//
//   int main(int argc, char** argv) {
//       return RunModule(argc, argv, [] { return MainForm = new TMainForm(nullptr); });
//   }
//
// RunModule keeps the command-line parameters, makes the application object
// titled ApplicationTitle, constructs the main window with makeMainWindow
// (which stores it in its global pointer, so that the pointer is set while
// the creation handler runs), runs the window's creation step, shows it and
// runs the message loop, unless start-up asked the application to end. Then
// it deletes the window (whose destructor clears its global pointer) and
// frees the SNMP globals. An exception that escapes the construction is
// shown once by the application's error display and ends the module. The
// window layer shows an exception raised inside the creation handler and
// goes on, so the creation handler ends a failed start-up itself
// (EndFailedStartup, see shell/startup.h). Every message box of the run also
// goes to the debug trace (traced_dialogs.h). Returns 1 when start-up failed
// or a failure ended the module later (the user has seen why, see
// startup_failure.h), else 0 (also when start-up ended the module on
// purpose: no parameters, or another copy runs for the device).

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/form.h"

int RunModule(int argc, char** argv, const std::function<ui::Form*()>& makeMainWindow);

// The parameters the module was started with (without the program's name),
// as given, before the window library looks at them. Empty before RunModule.
const std::vector<std::string>& CommandLineParameters();
