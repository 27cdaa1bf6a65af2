#pragma once
// What a menu entry that opens a page does: the page registered for the entry
// (page_openers.h) opens; an entry whose page is not built yet opens its
// scaffolding (scaffold_pages.h); an entry with neither opens nothing.
// Returns whether something opened.

#include <string>

bool OpenMenuPage(const std::string& entry);
