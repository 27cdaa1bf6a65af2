#include "shell/open_menu_page.h"

#include "shell/page_openers.h"
#include "shell/scaffold_pages.h"

bool OpenMenuPage(const std::string& entry) {
    if (OpenRegisteredPage(entry)) return true;
    const ScaffoldRow* scaffold = FindScaffoldRow(entry);
    if (scaffold == nullptr) return false;
    OpenScaffoldPage(*scaffold);
    return true;
}
