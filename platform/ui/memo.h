#pragma once
// A multi-line text. OnChange runs on every change of the text, by the user
// or the program.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class Memo : public Control {
public:
    explicit Memo(Control* parent);

    // Lines joined with "\n".
    std::string Text() const;
    void SetText(const std::string& text);

    int LineCount() const;
    // Raises os::ListIndexError outside 0..LineCount()-1.
    std::string Line(int index) const;
    void AddLine(const std::string& line);
    void Clear();

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    NotifyEvent OnChange;
};

}  // namespace ui
