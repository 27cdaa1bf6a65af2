#include "shell/scaffold_page.h"

#include "platform/ui/label.h"

const char* const PageNotBuiltText = "This page is not built yet.";

TScaffoldPage::TScaffoldPage(ui::Component* owner, const std::string& name, const std::string& caption)
    : ui::Form(owner) {
    SetName(name);
    SetCaption(caption);
    SetBorderStyle(ui::BorderStyle::Single);
    SetBorderIcons(false, false);
    SetClientSize(320, 80);
    SetPosition(ui::FormPosition::MainFormCenter);
    La_NotBuilt = new ui::Label(this);
    La_NotBuilt->SetName("La_NotBuilt");
    La_NotBuilt->SetCaption(PageNotBuiltText);
    La_NotBuilt->SetBounds(20, 30, 280, 20);
}
