#pragma once
// The look the forms are laid out for: one widget style and one face, the
// same offscreen, under any X server and on any desktop.
//
// The designs give every control a place and a width made for a small
// 8-point face. Sizes are therefore set in pixels (a desktop's dots per inch
// setting would otherwise grow every text), with the hinting fixed (a
// desktop's hinting setting would otherwise change the advance of every
// glyph), and the style is Fusion whatever the desktop offers (another
// style's frames and arrows leave other room for the text).

class QFont;

namespace ui {

// The face of every form, standing in for the designs' 8-point face:
// DejaVu Sans Condensed (Debian's fonts-dejavu-extra) at 10 pixels. The
// designs' longest texts fit their designed widths in it; at 11 pixels
// "Auto 20/40 MHz" and "AUTO(WPA or WPA2)" no longer fit their lists.
extern const char* const kFormFontFamily;
constexpr int kFormFontPixels = 10;
constexpr int kFormFontPoints = 8;

// Sets the style and the application's font. Called once by Application.
void UseFormLook();

// A size in points as a design gives it, in pixels in the same ratio as the
// form face (8 -> 10, 9 -> 11, 14 -> 18), and back.
int PointsToPixels(int points);
int PixelsToPoints(int pixels);

// Fixes what a font's glyph advances depend on besides family and size.
void FixRendering(QFont& font);

}  // namespace ui
