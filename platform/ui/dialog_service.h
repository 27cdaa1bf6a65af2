#pragma once
// The services that talk to the user outside the program's own forms: message
// boxes, file open and save dialogs, and the beep. The program calls the free
// functions below; they go to the installed DialogService. The default one
// shows real Qt dialogs; tests install ScriptedDialogs, which records and
// answers instead.

#include <string>

namespace ui {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };
enum class Icon { None, Information, Warning, Error, Question };

// Filter in the form "Description|*.ext;*.ex2|All files|*.*" (pairs of a
// description and patterns, separated by '|').
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string initialFolder;
    std::string fileName;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Modal; returns the button the user chose (closing the box counts as
    // Cancel for OK-Cancel, No for Yes-No, Ok for a plain box).
    virtual Answer ShowMessageBox(const std::string& caption, const std::string& text,
                                  Buttons buttons, Icon icon) = 0;
    // True with the chosen path, false when the user cancelled.
    virtual bool ChooseOpenFile(const FileDialogRequest& request, std::string& path) = 0;
    virtual bool ChooseSaveFile(const FileDialogRequest& request, std::string& path) = 0;
    virtual void Beep() = 0;
};

// The installed service.
DialogService& Dialogs();
// Installs `service` (null: the default Qt one) and returns the one it
// replaces. The caller keeps ownership.
DialogService* SetDialogService(DialogService* service);

Answer MessageBox(const std::string& text, const std::string& caption,
                  Buttons buttons = Buttons::Ok, Icon icon = Icon::None);
// A plain box with an OK button, captioned with the application's title.
void ShowMessage(const std::string& text);
bool OpenFileDialog(const FileDialogRequest& request, std::string& path);
bool SaveFileDialog(const FileDialogRequest& request, std::string& path);
void Beep();

}  // namespace ui
