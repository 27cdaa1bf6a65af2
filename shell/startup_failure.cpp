#include "shell/startup_failure.h"

#include "platform/ui/application.h"

void EndFailedStartup(const std::exception& failure) {
    ui::Application::ShowException(failure);
    if (ui::Application* application = ui::Application::Instance()) application->Terminate();
}
