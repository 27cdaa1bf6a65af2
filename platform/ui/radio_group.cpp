#include "platform/ui/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/ui/handler_call.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QGroupBox* Box(const Control* control) { return static_cast<QGroupBox*>(control->Widget()); }

}  // namespace

RadioGroup::RadioGroup(Control* parent)
    : Control(parent, parent, new QGroupBox),
      group_(new QButtonGroup(Widget())),
      grid_(new QGridLayout(Widget())) {
    group_->setExclusive(true);
    QObject::connect(group_, &QButtonGroup::idToggled, [this](int, bool checked) {
        if (checked) Notify(OnClick, this);
    });
}

std::string RadioGroup::Caption() const { return FromQt(Box(this)->title()); }
void RadioGroup::SetCaption(const std::string& caption) { Box(this)->setTitle(ToQt(caption)); }

void RadioGroup::SetColumns(int columns) {
    columns_ = columns < 1 ? 1 : columns;
    Arrange();
}

void RadioGroup::ClearItems() {
    QSignalBlocker quiet(group_);
    for (QRadioButton* button : buttons_) delete button;
    buttons_.clear();
}

void RadioGroup::AddItem(const std::string& text) {
    auto* button = new QRadioButton(ToQt(text), Widget());
    group_->addButton(button, ItemCount());
    buttons_.push_back(button);
    Arrange();
}

std::string RadioGroup::ItemText(int index) const {
    if (index < 0 || index >= ItemCount()) ThrowListIndexError(index);
    return FromQt(buttons_[static_cast<size_t>(index)]->text());
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    int current = ItemIndex();
    if (index == current) return;
    if (index >= 0) {
        buttons_[static_cast<size_t>(index)]->setChecked(true);  // idToggled notifies
        return;
    }
    // An exclusive group cannot uncheck its checked button.
    {
        QSignalBlocker quiet(group_);
        group_->setExclusive(false);
        buttons_[static_cast<size_t>(current)]->setChecked(false);
        group_->setExclusive(true);
    }
    Notify(OnClick, this);
}

// Items fill the columns top to bottom, as many rows as the longest column
// needs; the rows share the height evenly.
void RadioGroup::Arrange() {
    int count = ItemCount();
    int rows = (count + columns_ - 1) / columns_;
    for (int i = 0; i < count; ++i) {
        QRadioButton* button = buttons_[static_cast<size_t>(i)];
        grid_->removeWidget(button);
        grid_->addWidget(button, i % (rows > 0 ? rows : 1), i / (rows > 0 ? rows : 1));
    }
    for (int r = 0; r < grid_->rowCount(); ++r) grid_->setRowStretch(r, r < rows ? 1 : 0);
}

}  // namespace ui
