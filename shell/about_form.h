#pragma once
// The About box: the managed model, the module's release, and a build tag
// that Shift+Alt+F3 on the OK button reveals. The main window creates it with
// itself as owner, shows it modally and deletes it.
//
// Its 32 x 32 picture is AboutPictureFileName() beside the program; without
// that file the place stays empty. (A desktop's window manager may take
// Alt+F3 for itself before the box sees it.)

#include <string>

#include "platform/ui/form.h"

namespace ui {
class Button;
class Image;
class Label;
}  // namespace ui

class TAboutForm : public ui::Form {
public:
    explicit TAboutForm(ui::Component* owner);

    ui::Label* Label1;    // "VAP-7720 Management Module"
    ui::Label* Label2;    // "Release Version:"
    ui::Label* La_FwVer;  // "v1.00"
    ui::Label* Label4;    // the build tag, red, hidden until Shift+Alt+F3
    ui::Image* Image1;
    ui::Button* BT_Ok;

    void BT_OkClick(ui::Component* sender);
    void BT_OkKeyDown(ui::Component* sender, int& key, unsigned shift);
};

// "vap7720_about.png": the About box's picture, shipped beside the program.
extern const char* const AboutPictureFileName;
