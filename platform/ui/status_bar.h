#pragma once
// A status bar along the bottom of its parent: either one simple text or a row
// of panels with their own texts and widths.

#include <string>
#include <vector>

#include "platform/ui/control.h"

class QLabel;

namespace ui {

class StatusBar : public Control {
public:
    explicit StatusBar(Control* parent);

    bool SimplePanel() const { return simple_; }
    void SetSimplePanel(bool simple);
    std::string SimpleText() const;
    void SetSimpleText(const std::string& text);

    // Appends a panel of that width (the last panel takes the rest); returns
    // its index.
    int AddPanel(int width);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Raise os::ListIndexError outside 0..PanelCount()-1.
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);

private:
    QLabel* Panel(int index) const;

    QLabel* simpleLabel_;
    std::vector<QLabel*> panels_;
    bool simple_ = false;
};

}  // namespace ui
