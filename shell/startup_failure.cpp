#include "shell/startup_failure.h"

#include <cstdio>

#include "platform/os/exception.h"
#include "platform/ui/application.h"

namespace {

bool failed = false;

}  // namespace

void EndFailedStartup(const std::exception& failure) {
    failed = true;
    // Also on the error output, for whoever started the module from a shell.
    const auto* own = dynamic_cast<const os::Exception*>(&failure);
    std::fprintf(stderr, "%s\n", own != nullptr ? own->Message().c_str() : failure.what());
    ui::Application::ShowException(failure);
    if (ui::Application* application = ui::Application::Instance()) application->Terminate();
}

void EndFailedModule() {
    failed = true;
    if (ui::Application* application = ui::Application::Instance()) application->Terminate();
}

bool StartupFailed() { return failed; }

void ForgetFailedStartup() { failed = false; }
