#pragma once
// Scaffolding for pages whose own issue has not been done yet: an empty modal
// window with the page's caption and one line saying that the page is not
// built yet. The menu opens these exactly as it will open the real pages, so
// the opening protocol and the menu can be used and tested now; each page's
// issue replaces its class (see scaffold_pages.h).

#include <string>

#include "platform/ui/form.h"

namespace ui {
class Label;
}

// The line every scaffolding page shows.
extern const char* const PageNotBuiltText;

class TScaffoldPage : public ui::Form {
public:
    ui::Label* La_NotBuilt;

protected:
    // name: the page's object name; caption: its window caption.
    TScaffoldPage(ui::Component* owner, const std::string& name, const std::string& caption);
};
