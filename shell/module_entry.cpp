#include "shell/module_entry.h"

#include <exception>
#include <memory>

#include "library/snmp/global_session.h"
#include "platform/ui/application.h"
#include "shell/shell_texts.h"
#include "shell/startup_failure.h"
#include "shell/traced_dialogs.h"

namespace {

std::vector<std::string> parameters;

void RunMainWindow(ui::Application& application, const std::function<ui::Form*()>& makeMainWindow) {
    std::unique_ptr<ui::Form> window;
    try {
        window.reset(makeMainWindow());
        ui::Form::SetMainForm(window.get());
        window->Create();
    } catch (const std::exception& error) {
        EndFailedStartup(error);
    }
    if (window && !application.Terminated()) window->Show();
    application.Run();
    ui::Form::SetMainForm(nullptr);
}

}  // namespace

int RunModule(int argc, char** argv, const std::function<ui::Form*()>& makeMainWindow) {
    parameters.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
    ForgetFailedStartup();
    ui::Application application(argc, argv);
    application.SetTitle(ApplicationTitle);
    {
        TracedDialogs traced;
        RunMainWindow(application, makeMainWindow);
    }
    FreeSNMPGlobals();
    return StartupFailed() ? 1 : 0;
}

const std::vector<std::string>& CommandLineParameters() { return parameters; }
