#include "platform/ui/form_look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui {

const char* const kFormFontFamily = "DejaVu Sans Condensed";

void UseFormLook() {
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    QFont font(kFormFontFamily);
    font.setPixelSize(kFormFontPixels);
    FixRendering(font);
    // Without a class name this also drops the desktop's fonts for single
    // widget classes (menus, headers, tips), which would not fit the places.
    QApplication::setFont(font);
}

int PointsToPixels(int points) {
    return (points * kFormFontPixels + kFormFontPoints / 2) / kFormFontPoints;
}

int PixelsToPoints(int pixels) {
    return (pixels * kFormFontPoints + kFormFontPixels / 2) / kFormFontPixels;
}

void FixRendering(QFont& font) {
    // Vertical hinting only: horizontal advances stay those of the design,
    // whatever hinting the desktop asks for.
    font.setHintingPreference(QFont::PreferVerticalHinting);
}

}  // namespace ui
