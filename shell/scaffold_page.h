#pragma once
// Scaffolding for a page that is not built yet: an empty modal window with
// the page's object name and caption and one line saying that the page is
// not built yet. The menu opens it exactly as it opens the real pages
// (scaffold_pages.h).

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

    // name: the page's object name; caption: its window caption.
    TScaffoldPage(ui::Component* owner, const std::string& name, const std::string& caption);
};
