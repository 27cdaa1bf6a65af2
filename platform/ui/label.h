#pragma once
// A text label. The caption is shown as plain text, exactly as given: no rich
// text guessing for device strings with "<", and "&" is shown as itself (no
// accelerator prefix), since labels here show device values.

#include <string>

#include "platform/ui/control.h"

namespace ui {

enum class TextAlign { Left, Center, Right };

class Label : public Control {
public:
    explicit Label(Control* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    TextAlign TextAlignment() const { return alignment_; }
    void SetTextAlignment(TextAlign alignment);

    // With auto size (the default) the label takes the size of its caption.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    void SetWordWrap(bool wordWrap);

protected:
    void FitCaption();

private:
    TextAlign alignment_ = TextAlign::Left;
    bool autoSize_ = true;
};

}  // namespace ui
