#include "platform/ui/combo_box.h"

#include <QComboBox>

#include "platform/ui/handler_call.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QComboBox* Box(const Control* control) { return static_cast<QComboBox*>(control->Widget()); }

}  // namespace

ComboBox::ComboBox(Control* parent) : Control(parent, parent, new QComboBox) {
    // activated is the user's choice only; currentIndexChanged would also
    // report the program's changes.
    QObject::connect(Box(this), &QComboBox::activated, [this] { Picked(); });
}

void ComboBox::SetStyle(ComboStyle style) {
    style_ = style;
    Box(this)->setEditable(style == ComboStyle::DropDown);
    if (style == ComboStyle::DropDown) Box(this)->setInsertPolicy(QComboBox::NoInsert);
}

int ComboBox::DropDownCount() const { return Box(this)->maxVisibleItems(); }

void ComboBox::SetDropDownCount(int count) { Box(this)->setMaxVisibleItems(count); }

void ComboBox::ClearItems() { Box(this)->clear(); }

void ComboBox::AddItem(const std::string& text) {
    QComboBox* box = Box(this);
    int selected = box->currentIndex();
    box->addItem(ToQt(text));
    // Qt selects the first entry added to an empty box; ours shows nothing
    // until the program or the user picks one.
    if (box->currentIndex() != selected) box->setCurrentIndex(selected);
}

int ComboBox::ItemCount() const { return Box(this)->count(); }

std::string ComboBox::ItemText(int index) const {
    if (index < 0 || index >= ItemCount()) ThrowListIndexError(index);
    return FromQt(Box(this)->itemText(index));
}

int ComboBox::ItemIndex() const { return Box(this)->currentIndex(); }

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    Box(this)->setCurrentIndex(index);
}

std::string ComboBox::Text() const { return FromQt(Box(this)->currentText()); }

void ComboBox::SetText(const std::string& text) {
    QComboBox* box = Box(this);
    box->setCurrentIndex(box->findText(ToQt(text)));
    if (box->isEditable()) box->setEditText(ToQt(text));
}

void ComboBox::Picked() { Notify(OnChange, this); }

}  // namespace ui
