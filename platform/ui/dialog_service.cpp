#include "platform/ui/dialog_service.h"

#include "platform/ui/application.h"
#include "platform/ui/qt_dialogs.h"

namespace ui {

namespace {

DialogService& DefaultService() {
    static QtDialogs service;
    return service;
}

DialogService* installed = nullptr;

}  // namespace

DialogService& Dialogs() { return installed != nullptr ? *installed : DefaultService(); }

DialogService* SetDialogService(DialogService* service) {
    DialogService* previous = installed;
    installed = service;
    return previous;
}

Answer MessageBox(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    return Dialogs().ShowMessageBox(caption, text, buttons, icon);
}

void ShowMessage(const std::string& text) {
    Application* app = Application::Instance();
    MessageBox(text, app != nullptr ? app->Title() : std::string(), Buttons::Ok, Icon::None);
}

bool OpenFileDialog(const FileDialogRequest& request, std::string& path) {
    return Dialogs().ChooseOpenFile(request, path);
}

bool SaveFileDialog(const FileDialogRequest& request, std::string& path) {
    return Dialogs().ChooseSaveFile(request, path);
}

void Beep() { Dialogs().Beep(); }

}  // namespace ui
