#pragma once
// The pages live above the shell (pages/<folder>), so the main menu reaches
// them through openers: each page folder registers one per menu entry it
// serves (the program's entry calls the folders' registration functions
// before the main window is made). An entry whose page registered no opener
// opens nothing.
//
//   RegisterPageOpener("hLan1", [] { OpenPage(FM_LanCfg); });
//   OpenRegisteredPage("hLan1");  // what the menu entry does

#include <functional>
#include <string>
#include <vector>

using PageOpener = std::function<void()>;

// Registers (or, with an empty opener, removes) the opener of a menu entry.
void RegisterPageOpener(const std::string& entryName, PageOpener opener);

// Runs the entry's opener; false when none is registered.
bool OpenRegisteredPage(const std::string& entryName);

// The entries that have an opener, in name order.
std::vector<std::string> RegisteredPageEntries();
