#pragma once
// A status bar along the bottom of its parent: either one simple text or a row
// of panels with their own texts and widths. A text longer than its panel is
// cut at the panel's edge and shown whole as the panel's tool tip.

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class StatusPanel;

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

    // The line a form reports its outcomes on: the simple text while the bar
    // shows it or has no panels, otherwise the first panel.
    std::string Message() const;
    void ShowMessage(const std::string& text);

private:
    bool ShowsSimpleText() const { return simple_ || panels_.empty(); }
    StatusPanel* Panel(int index) const;

    StatusPanel* simpleLabel_;
    std::vector<StatusPanel*> panels_;
    bool simple_ = false;
};

}  // namespace ui
