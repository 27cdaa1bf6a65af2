#include "platform/ui/image.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>

namespace ui {

namespace {

QLabel* Picture(const Control* control) { return static_cast<QLabel*>(control->Widget()); }

}  // namespace

Image::Image(Control* parent) : Control(parent, parent, new QLabel) {
    Picture(this)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool Image::LoadFromFile(const std::string& path) {
    QPixmap picture;
    if (!picture.load(QFile::decodeName(QByteArray::fromStdString(path)))) return false;
    Picture(this)->setPixmap(picture);
    return true;
}

bool Image::HasPicture() const { return !Picture(this)->pixmap().isNull(); }
int Image::PictureWidth() const { return Picture(this)->pixmap().width(); }
int Image::PictureHeight() const { return Picture(this)->pixmap().height(); }

bool Image::Stretch() const { return Picture(this)->hasScaledContents(); }
void Image::SetStretch(bool stretch) { Picture(this)->setScaledContents(stretch); }

}  // namespace ui
