#include "platform/ui/list_box.h"

#include <QListWidget>
#include <fstream>

#include "platform/ui/handler_call.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QListWidget* List(const Control* control) { return static_cast<QListWidget*>(control->Widget()); }

}  // namespace

ListBox::ListBox(Control* parent) : Control(parent, parent, new QListWidget) {
    QObject::connect(List(this), &QListWidget::currentRowChanged, [this] {
        if (!settingIndex_) Notify(OnClick, this);
    });
}

void ListBox::ClearItems() {
    settingIndex_ = true;
    List(this)->clear();
    settingIndex_ = false;
}

void ListBox::AddItem(const std::string& text) {
    settingIndex_ = true;
    List(this)->addItem(ToQt(text));
    settingIndex_ = false;
}

int ListBox::ItemCount() const { return List(this)->count(); }

std::string ListBox::ItemText(int index) const {
    if (index < 0 || index >= ItemCount()) ThrowListIndexError(index);
    return FromQt(List(this)->item(index)->text());
}

int ListBox::ItemIndex() const { return List(this)->currentRow(); }

void ListBox::SetItemIndex(int index) {
    settingIndex_ = true;
    List(this)->setCurrentRow(index < 0 || index >= ItemCount() ? -1 : index);
    settingIndex_ = false;
}

bool ListBox::LoadFromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    ClearItems();
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        AddItem(line);
    }
    return true;
}

}  // namespace ui
