#pragma once
// A single-line edit.
//
// Events:
// - OnChange runs whenever the text changes, by the user or by the program
//   (SetText), and only when it really changes. A handler that writes the text
//   runs again, nested, for the new text.
// - OnExit runs when the focus moves from this edit to another control of the
//   same form (a click, Tab, or a program's SetFocus), not when the window is
//   deactivated or a popup opens. The handler rejects the move by calling
//   SetFocus() on this edit: the focus stays, and the click or key that would
//   have moved it is swallowed (a button so clicked does not run its handler).
// - OnClick runs when the user clicks into the edit.
//
// MaxLength limits what the user can type; 0 means no limit. A text set by the
// program is never cut, and setting a maximum never cuts the text shown.
//
// A text set by the program puts the cursor at its start, so an edit too
// narrow for its value shows the value's beginning; setting the text it
// already has leaves the cursor alone, and a text set from the edit's own
// change handler (a correction while the user types) puts it at the end.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class EditWidget;

class Edit : public Control {
public:
    explicit Edit(Control* parent);

    std::string Text() const;
    void SetText(const std::string& text);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    // 0: the text is shown; any other character: the text is masked.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char passwordChar);

    void SelectAll();
    void SetFocus() override;

    NotifyEvent OnChange;
    NotifyEvent OnExit;
    NotifyEvent OnClick;

private:
    friend class EditWidget;
    EditWidget* Line() const;
    void TextChanged();
    void ApplyLimit(int textLength);
    bool RunExitHandler();
    void Clicked();

    int maxLength_ = 0;
    char passwordChar_ = 0;
    int changing_ = 0;  // change handlers running
    bool exitRunning_ = false;
    bool focusKept_ = false;
};

}  // namespace ui
