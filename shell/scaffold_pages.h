#pragma once
// The pages the main menu offers that are not built yet: one table of the
// menu entry, the page's object name and its caption. Until a page folder
// registers an opener for an entry (shell/page_openers.h), the menu opens a
// scaffolding window for it (TScaffoldPage: the caption and a line saying
// the page is not built yet). A built page needs no change here: its
// registered opener takes precedence; its row can go.

#include <string>

class TScaffoldPage;

struct ScaffoldRow {
    const char* entry;    // the menu entry (or handler) that opens the page
    const char* name;     // the page's object name
    const char* caption;  // its window caption
};

// The row of a menu entry; null when the entry has none.
const ScaffoldRow* FindScaffoldRow(const std::string& entry);

// Opens the scaffolding of the row modally, as the menu opens a page: made
// without owner, put in OpenScaffoldPage before its creation step, deleted
// when it closes, the pointer null again afterwards.
void OpenScaffoldPage(const ScaffoldRow& row);

// The scaffolding window open now; null when none is.
extern TScaffoldPage* OpenScaffold;
