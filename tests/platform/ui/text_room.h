#pragma once
// How much room the controls of a window give their texts, measured with the
// style and font the window is drawn with: for each text a control shows
// (a label's caption, every entry of a combo box, a button's, check box's or
// radio button's text, a group box's title, a list's column captions and
// cells), the pixels the text takes and the pixels the control gives it.
// Only controls that show with the window are measured; a combo box's
// entries are all measured, whichever is selected. Edits and status lines
// are left out: their values are the device's, and they show them in their
// own ways (an edit its start, a status line a tool tip).

#include <iosfwd>
#include <string>
#include <vector>

class QWidget;

namespace uitest {

struct TextRoom {
    std::string control;  // object names from the window down, "/"-separated
    std::string kind;     // "label", "combo entry", "button", "column caption", ...
    std::string text;
    int needed;           // pixels the text takes
    int room;             // pixels its control gives it

    bool Fits() const { return needed <= room; }
};

// Every text of the window's showing controls. A label's room ends where the
// next control to its right on its line begins.
std::vector<TextRoom> MeasureTexts(const QWidget* window);

// Those that do not fit, as a table for a failure message ("" when none).
std::string CutTexts(const std::vector<TextRoom>& texts);

}  // namespace uitest
