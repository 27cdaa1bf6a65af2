#pragma once
// A picture loaded from a file, shown at its own size or stretched to the
// control.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class Image : public Control {
public:
    explicit Image(Control* parent);

    // BMP, PNG, ...; false when the file cannot be read (the picture stays).
    bool LoadFromFile(const std::string& path);
    bool HasPicture() const;
    int PictureWidth() const;
    int PictureHeight() const;

    bool Stretch() const;
    void SetStretch(bool stretch);
};

}  // namespace ui
