#pragma once
// The per-user log folder: it receives the device log and the temporary
// address listing. $APPDATA/VAP-7720 when APPDATA is set, else
// ${XDG_DATA_HOME:-~/.local/share}/VAP-7720.

#include <string>

std::string LogFolderPath();

// Makes sure the log folder exists, creating it (and any folder missing
// above it) when needed. When that fails, shows
// `Can not create  "<folder>" Log directory!` in a plain box and goes on.
// Returns the folder in either case: the main window's LogDir.
std::string PrepareLogFolder();
