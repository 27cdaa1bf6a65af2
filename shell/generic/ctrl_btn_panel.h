#pragma once
// The button column of a generic view: a row count with its caption, then the
// command buttons, stacked from the top and aligned to the view's right edge.
// A glyph file in the current folder (Get.bmp, Set.bmp, ...) replaces a
// button's caption where it exists.

#include <vector>

#include "platform/ui/panel.h"

namespace ui {
class BitmapButton;
class Label;
class StaticText;
}  // namespace ui

class TCtrlBtnPanel : public ui::Panel {
public:
    explicit TCtrlBtnPanel(ui::Control* owner);

    // Places the shown controls one under another; a hidden control takes no
    // room. Run after changing which controls are shown.
    void ArrangeButtons();
    // The height the column needs for its shown controls.
    int ColumnHeight() const;

    ui::Label* SamplesLabel;
    ui::StaticText* CountText;
    ui::BitmapButton* RefreshButton;
    ui::BitmapButton* EditButton;
    ui::BitmapButton* SetCheckedButton;
    ui::BitmapButton* AddButton;
    ui::BitmapButton* DeleteButton;
    ui::BitmapButton* CheckAllButton;
    ui::BitmapButton* ClearChecksButton;
    ui::BitmapButton* CloseButton;
    int LeftMargin = 10;
    int TopMargin = 10;
    // The ten controls in column order.
    std::vector<ui::Control*> Controls;

private:
    ui::BitmapButton* NewCommand(const char* name, const char* caption);
    void LoadGlyphs();
};
