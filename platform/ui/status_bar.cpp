#include "platform/ui/status_bar.h"

#include <QLabel>
#include <QStatusBar>

#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

// A panel of the bar. A text too long for the panel is cut at the panel's
// edge and shown whole as the panel's tool tip, also after the panel grows
// or shrinks.
class StatusPanel : public QLabel {
public:
    StatusPanel() {
        setTextFormat(Qt::PlainText);
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The bar gives the panel its width; a long text must not widen it.
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    void SetPanelText(const QString& text) {
        setText(text);
        UpdateTip();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        UpdateTip();
    }

private:
    // The width the text may take: the frame's inside less the margins and
    // the indent (half an "x" on a framed label that sets none).
    int Room() const {
        int shownIndent = indent() >= 0 ? indent() : frameWidth() > 0 ? fontMetrics().horizontalAdvance('x') / 2 : 0;
        return contentsRect().width() - 2 * margin() - shownIndent;
    }

    void UpdateTip() { setToolTip(fontMetrics().horizontalAdvance(text()) > Room() ? text() : QString()); }
};

StatusBar::StatusBar(Control* parent) : Control(parent, parent, new QStatusBar), simpleLabel_(new StatusPanel) {
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
    for (StatusPanel* panel : panels_) panel->setVisible(!simple);
}

std::string StatusBar::SimpleText() const { return FromQt(simpleLabel_->text()); }
void StatusBar::SetSimpleText(const std::string& text) { simpleLabel_->SetPanelText(ToQt(text)); }

int StatusBar::AddPanel(int width) {
    auto* bar = static_cast<QStatusBar*>(Widget());
    if (!panels_.empty()) {
        // The former last panel keeps its own width from now on.
        StatusPanel* last = panels_.back();
        bar->removeWidget(last);
        bar->addWidget(last, 0);
        last->setFixedWidth(last->minimumWidth());
        last->setVisible(!simple_);
    }
    auto* panel = new StatusPanel;
    panel->setMinimumWidth(width);
    bar->addWidget(panel, 1);
    panel->setVisible(!simple_);
    panels_.push_back(panel);
    return PanelCount() - 1;
}

StatusPanel* StatusBar::Panel(int index) const {
    if (index < 0 || index >= PanelCount()) ThrowListIndexError(index);
    return panels_[static_cast<size_t>(index)];
}

std::string StatusBar::PanelText(int index) const { return FromQt(Panel(index)->text()); }
void StatusBar::SetPanelText(int index, const std::string& text) { Panel(index)->SetPanelText(ToQt(text)); }

std::string StatusBar::Message() const { return ShowsSimpleText() ? SimpleText() : PanelText(0); }

void StatusBar::ShowMessage(const std::string& text) {
    if (ShowsSimpleText()) {
        SetSimpleText(text);
    } else {
        SetPanelText(0, text);
    }
}

}  // namespace ui
