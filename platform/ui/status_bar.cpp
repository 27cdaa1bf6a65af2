#include "platform/ui/status_bar.h"

#include <QLabel>
#include <QStatusBar>

#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QLabel* NewPanelLabel() {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

}  // namespace

StatusBar::StatusBar(Control* parent) : Control(parent, parent, new QStatusBar), simpleLabel_(NewPanelLabel()) {
    auto* bar = static_cast<QStatusBar*>(Widget());
    bar->setSizeGripEnabled(false);
    bar->addWidget(simpleLabel_, 1);
    simpleLabel_->hide();
    SetHeight(bar->sizeHint().height() > 0 ? bar->sizeHint().height() : 20);
    SetAlign(Align::Bottom);
}

void StatusBar::SetSimplePanel(bool simple) {
    simple_ = simple;
    simpleLabel_->setVisible(simple);
    for (QLabel* panel : panels_) panel->setVisible(!simple);
}

std::string StatusBar::SimpleText() const { return FromQt(simpleLabel_->text()); }
void StatusBar::SetSimpleText(const std::string& text) { simpleLabel_->setText(ToQt(text)); }

int StatusBar::AddPanel(int width) {
    auto* bar = static_cast<QStatusBar*>(Widget());
    if (!panels_.empty()) {
        // The former last panel keeps its own width from now on.
        QLabel* last = panels_.back();
        bar->removeWidget(last);
        bar->addWidget(last, 0);
        last->setFixedWidth(last->minimumWidth());
        last->setVisible(!simple_);
    }
    QLabel* panel = NewPanelLabel();
    panel->setMinimumWidth(width);
    bar->addWidget(panel, 1);
    panel->setVisible(!simple_);
    panels_.push_back(panel);
    return PanelCount() - 1;
}

QLabel* StatusBar::Panel(int index) const {
    if (index < 0 || index >= PanelCount()) ThrowListIndexError(index);
    return panels_[static_cast<size_t>(index)];
}

std::string StatusBar::PanelText(int index) const { return FromQt(Panel(index)->text()); }
void StatusBar::SetPanelText(int index, const std::string& text) { Panel(index)->setText(ToQt(text)); }

}  // namespace ui
