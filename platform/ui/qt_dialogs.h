#pragma once
// The default dialog service: real Qt message boxes and file dialogs, and the
// system beep.

#include "platform/ui/dialog_service.h"

namespace ui {

class QtDialogs : public DialogService {
public:
    Answer ShowMessageBox(const std::string& caption, const std::string& text, Buttons buttons,
                          Icon icon) override;
    bool ChooseOpenFile(const FileDialogRequest& request, std::string& path) override;
    bool ChooseSaveFile(const FileDialogRequest& request, std::string& path) override;
    void Beep() override;
};

// "Text (*.txt)|*.txt;*.log|All|*.*" -> "Text (*.txt) (*.txt *.log);;All (*.*)".
std::string QtFileFilter(const std::string& filter);

}  // namespace ui
