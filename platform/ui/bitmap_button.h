#pragma once
// A button that shows a picture (glyph) in place of, or beside, its caption.

#include <string>

#include "platform/ui/button.h"

namespace ui {

class BitmapButton : public Button {
public:
    explicit BitmapButton(Control* parent);

    // Loads the glyph from an image file (BMP, PNG, ...); false when the file
    // cannot be read, leaving the button as it was.
    bool LoadGlyph(const std::string& path);
    bool HasGlyph() const { return hasGlyph_; }

private:
    bool hasGlyph_ = false;
};

}  // namespace ui
