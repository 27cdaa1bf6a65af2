#pragma once
// Start-up of the module: the pieces the main window runs, in this order.
//
// main(): RunModule(argc, argv, make the main window) (shell/module_entry.h);
// the parameters below are CommandLineParameters().
//
// Constructor (TMainForm::TMainForm), after building the form:
//   1. LoadProgramMessageFiles(ui::Application::ExeFolder())
//
// Creation handler (TMainForm::FormCreate), after sizing the window:
//   2. OpenDeviceSession()                          raises os::Exception
//   3. moduleFolder = ReadModuleFolder(registry)    registry: an
//                                                   os::RegistryStore at
//                                                   os::RegistryStore::DefaultPath()
//   4. LoadModuleMessageFiles(moduleFolder)
//   5. settingsFolder = ReadSettingsFolder(registry)
//   6. No parameter: timers off, ui::ShowMessage(NoParameterMessage),
//      Application::Terminate(), end here: the module ends after the
//      message, reading nothing and preparing no log folder.
//   7. DeviceAddress = ApplyStartupParametersToGlobals(parameters,
//                                                      settingsFolder)
//                                                   raises os::ConvertError
//   8. caption = DeviceCaption(Caption(), DeviceAddress); SetCaption(caption)
//   9. TakeInstanceGuard(caption); when false: timers off,
//      ShowInstanceGuardMessage(), Application::Terminate(), Close(), end
//      here. When true: create the liveness probe and send it.
//  10. The main window's other requests and their start-up reads (their
//      raised errors, such as -509 for an address that cannot be resolved,
//      count as start-up failures like those of steps 2 and 7). The reads
//      stop at the first one the device does not answer at all
//      (startup_reads.h); the time-out is then shown in the status line.
//  11. LogDir = PrepareLogFolder()                  shows its own box
//
// Start-up failures: steps 2, 7 and 10 raise os::Exception (os::ConvertError
// is one). The creation handler catches it, switches its three timers off and
// calls EndFailedStartup(error): the message is shown once and the module
// ends. Nothing later in the list runs.
//
// Everything here runs on the GUI thread; the boxes are modal.

#include "shell/device_settings_file.h"
#include "shell/instance_guard.h"
#include "shell/log_folder.h"
#include "shell/module_entry.h"
#include "shell/shell_texts.h"
#include "shell/startup_failure.h"
#include "shell/startup_message_files.h"
#include "shell/startup_parameters.h"
#include "shell/startup_registry.h"
#include "shell/startup_session.h"
