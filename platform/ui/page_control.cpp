#include "platform/ui/page_control.h"

#include <QTabWidget>
#include <algorithm>

#include "platform/ui/handler_call.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QTabWidget* Tabs(const Control* control) { return static_cast<QTabWidget*>(control->Widget()); }

}  // namespace

PageControl::PageControl(Control* parent) : Control(parent, parent, new QTabWidget) {
    QObject::connect(Tabs(this), &QTabWidget::currentChanged, [this] {
        if (!settingPage_) Notify(OnChange, this);
    });
}

TabSheet* PageControl::Page(int index) const {
    if (index < 0 || index >= PageCount()) ThrowListIndexError(index);
    return pages_[static_cast<size_t>(index)];
}

int PageControl::ActivePageIndex() const { return Tabs(this)->currentIndex(); }

void PageControl::SetActivePageIndex(int index) {
    settingPage_ = true;
    Tabs(this)->setCurrentIndex(index);
    settingPage_ = false;
}

void PageControl::Added(TabSheet* page) {
    settingPage_ = true;
    Tabs(this)->addTab(page->Widget(), QString());
    settingPage_ = false;
    pages_.push_back(page);
}

void PageControl::Removed(TabSheet* page) {
    settingPage_ = true;
    Tabs(this)->removeTab(Tabs(this)->indexOf(page->Widget()));
    settingPage_ = false;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
}

TabSheet::TabSheet(PageControl* pages) : Control(pages, pages, new QWidget), pages_(pages) {
    pages_->Added(this);
}

TabSheet::~TabSheet() {
    if (pages_->Alive()) pages_->Removed(this);
}

void TabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    QTabWidget* tabs = Tabs(pages_);
    tabs->setTabText(tabs->indexOf(Widget()), ToQt(caption));
}

bool TabSheet::TabVisible() const {
    QTabWidget* tabs = Tabs(pages_);
    return tabs->isTabVisible(tabs->indexOf(Widget()));
}

void TabSheet::SetTabVisible(bool visible) {
    QTabWidget* tabs = Tabs(pages_);
    tabs->setTabVisible(tabs->indexOf(Widget()), visible);
}

}  // namespace ui
