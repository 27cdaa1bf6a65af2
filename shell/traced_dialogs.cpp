#include "shell/traced_dialogs.h"

#include "shell/debug_trace.h"

TracedDialogs::TracedDialogs() : shown_(ui::Dialogs()), previous_(ui::SetDialogService(this)) {}

TracedDialogs::~TracedDialogs() { ui::SetDialogService(previous_); }

ui::Answer TracedDialogs::ShowMessageBox(const std::string& caption, const std::string& text,
                                         ui::Buttons buttons, ui::Icon icon) {
    DebugTrace("Message box %s: %s\n", caption.c_str(), text.c_str());
    return shown_.ShowMessageBox(caption, text, buttons, icon);
}

bool TracedDialogs::ChooseOpenFile(const ui::FileDialogRequest& request, std::string& path) {
    return shown_.ChooseOpenFile(request, path);
}

bool TracedDialogs::ChooseSaveFile(const ui::FileDialogRequest& request, std::string& path) {
    return shown_.ChooseSaveFile(request, path);
}

void TracedDialogs::Beep() { shown_.Beep(); }
