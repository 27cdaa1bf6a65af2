#include "platform/ui/bitmap_button.h"

#include <QFile>
#include <QPixmap>
#include <QPushButton>

namespace ui {

BitmapButton::BitmapButton(Control* parent) : Button(parent) {}

bool BitmapButton::LoadGlyph(const std::string& path) {
    QPixmap glyph;
    if (!glyph.load(QFile::decodeName(QByteArray::fromStdString(path)))) return false;
    auto* button = static_cast<QPushButton*>(Widget());
    button->setIcon(QIcon(glyph));
    button->setIconSize(glyph.size());
    hasGlyph_ = true;
    return true;
}

}  // namespace ui
