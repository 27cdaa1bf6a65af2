#include "shell/startup_failure.h"

#include "platform/ui/application.h"

namespace {

bool failed = false;

}  // namespace

void EndFailedStartup(const std::exception& failure) {
    failed = true;
    ui::Application::ShowException(failure);
    if (ui::Application* application = ui::Application::Instance()) application->Terminate();
}

bool StartupFailed() { return failed; }

void ForgetFailedStartup() { failed = false; }
