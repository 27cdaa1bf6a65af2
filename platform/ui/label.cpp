#include "platform/ui/label.h"

#include <QLabel>

#include "platform/ui/text.h"

namespace ui {

namespace {

QLabel* Text(const Control* control) { return static_cast<QLabel*>(control->Widget()); }

}  // namespace

Label::Label(Control* parent) : Control(parent, parent, new QLabel) {
    Text(this)->setTextFormat(Qt::PlainText);
    Text(this)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

std::string Label::Caption() const { return FromQt(Text(this)->text()); }

void Label::SetCaption(const std::string& caption) {
    Text(this)->setText(ToQt(caption));
    FitCaption();
}

void Label::SetTextAlignment(TextAlign alignment) {
    alignment_ = alignment;
    Qt::Alignment horizontal = alignment == TextAlign::Center  ? Qt::AlignHCenter
                               : alignment == TextAlign::Right ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    Text(this)->setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitCaption();
}

void Label::SetWordWrap(bool wordWrap) { Text(this)->setWordWrap(wordWrap); }

void Label::FitCaption() {
    if (autoSize_) Widget()->resize(Widget()->sizeHint());
}

}  // namespace ui
