#pragma once
// Message boxes in the debug trace: while a TracedDialogs exists, every box
// the program shows is first sent to the debug viewer as one line
// ("Message box <caption>: <text>") and then shown by the dialog service that
// was installed before, which also answers it. So a developer watching the
// trace sees what the user was told, also of a program started by a script.

#include "platform/ui/dialog_service.h"

class TracedDialogs : public ui::DialogService {
public:
    TracedDialogs();
    ~TracedDialogs() override;
    TracedDialogs(const TracedDialogs&) = delete;
    TracedDialogs& operator=(const TracedDialogs&) = delete;

    ui::Answer ShowMessageBox(const std::string& caption, const std::string& text, ui::Buttons buttons,
                              ui::Icon icon) override;
    bool ChooseOpenFile(const ui::FileDialogRequest& request, std::string& path) override;
    bool ChooseSaveFile(const ui::FileDialogRequest& request, std::string& path) override;
    void Beep() override;

private:
    ui::DialogService& shown_;     // the service that shows and answers
    ui::DialogService* previous_;  // what to install again at the end
};
