#include "platform/ui/form_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollArea>

#include "platform/ui/form.h"

namespace ui {

FormWidget::FormWidget(Form* form, QWidget* parent)
    : QWidget(parent, parent != nullptr ? Qt::Dialog : Qt::Window),
      form_(form),
      scroll_(new QScrollArea(this)),
      client_(new QWidget) {
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setWidget(client_);
}

void FormWidget::SetMenuBar(QMenuBar* menuBar) {
    menuBar_ = menuBar;
    // Shown with the window (a new child counts as hidden until then).
    if (menuBar_ != nullptr) menuBar_->setVisible(true);
    LayOut();
}

int FormWidget::MenuHeight() const {
    return menuBar_ != nullptr && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // Qt must not hide the window: the form runs its close protocol and hides
    // itself when the close handlers let it (a modal form from its loop).
    event->ignore();
    if (form_->Alive()) form_->Close();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && form_->Alive() &&
        form_->Modal()) {
        form_->Close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

// The client area keeps its height when the menu bar appears or changes its
// height (it has none while empty): the window grows or shrinks instead.
void FormWidget::LayOut() {
    int menuHeight = MenuHeight();
    if (menuHeight != menuHeightUsed_) {
        int height = this->height() + menuHeight - menuHeightUsed_;
        menuHeightUsed_ = menuHeight;
        bool fixed = minimumHeight() == maximumHeight();
        if (fixed) {
            setFixedHeight(height);
        } else {
            resize(width(), height);
        }
    }
    if (menuBar_ != nullptr) menuBar_->setGeometry(0, 0, width(), menuHeight);
    scroll_->setGeometry(0, menuHeight, width(), height() - menuHeight);
    QSize room(width(), height() - menuHeight);
    client_->resize(clientFloor_.isEmpty() ? room : room.expandedTo(clientFloor_));
}

}  // namespace ui
